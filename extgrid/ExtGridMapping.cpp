// Display and real indexes: the column visibility table, the hidden-row
// list, the hidden-aware cell text and the current-row notification.
#include <algorithm>

#include "extgrid/TExtStringGrid.h"

namespace zorbit {

namespace {

// The table covers real columns 0..511; other indexes map to themselves.
bool InColumnTable(int ACol, std::size_t TableSize) {
  return ACol >= 0 && static_cast<std::size_t>(ACol) < TableSize;
}

}  // namespace

int TExtStringGrid::DisplayToRealCol(int ACol) const {
  if (FHiddenColCount == 0 || !InColumnTable(ACol, FColumnShown.size())) return ACol;
  int shown = 0;
  for (std::size_t j = 0; j < FColumnShown.size(); ++j) {
    if (!FColumnShown[j]) continue;
    if (shown == ACol) return static_cast<int>(j);
    ++shown;
  }
  return 0;
}

int TExtStringGrid::RealToDisplayCol(int ACol) const {
  if (FHiddenColCount == 0 || !InColumnTable(ACol, FColumnShown.size())) return ACol;
  const auto end = FColumnShown.begin() + ACol;
  return ACol - static_cast<int>(std::count(FColumnShown.begin(), end, false));
}

void TExtStringGrid::SetColumnShown(int ACol, bool Shown) {
  if (!InColumnTable(ACol, FColumnShown.size())) return;
  const auto index = static_cast<std::size_t>(ACol);
  if (FColumnShown[index] == Shown) return;
  FColumnShown[index] = Shown;
  FHiddenColCount += Shown ? -1 : 1;
}

int TExtStringGrid::HiddenRowsBefore(int ARealRow) const {
  int low = 0;
  int high = HiddenRowCount();
  while (low < high) {
    const int mid = (low + high) / 2;
    if (HiddenRow(mid)->Idx() < ARealRow)
      low = mid + 1;
    else
      high = mid;
  }
  return low;
}

int TExtStringGrid::HiddenRowIndex(int ARealRow) const {
  const int place = HiddenRowsBefore(ARealRow);
  return place < HiddenRowCount() && HiddenRow(place)->Idx() == ARealRow ? place : -1;
}

int TExtStringGrid::DisplayToRealRow(int ARow) const {
  // Hidden row i has Idx - i shown rows before it, which never falls along
  // the ascending list: the hidden rows with at most ARow shown rows before
  // them each push the real row one further.
  int low = 0;
  int high = HiddenRowCount();
  while (low < high) {
    const int mid = (low + high) / 2;
    if (HiddenRow(mid)->Idx() - mid <= ARow)
      low = mid + 1;
    else
      high = mid;
  }
  return ARow + low;
}

int TExtStringGrid::RealToDisplayRow(int ARow) const { return ARow - HiddenRowsBefore(ARow); }

bool TExtStringGrid::RowIsHidden(int ARow) const { return HiddenRowIndex(ARow) >= 0; }

plat::String TExtStringGrid::GetHiddenAwareCellText(int ACol, int ARow) {
  const int place = HiddenRowsBefore(ARow);
  if (place < HiddenRowCount() && HiddenRow(place)->Idx() == ARow) {
    const plat::TStrings* cells = HiddenRow(place)->Items();
    return ACol >= 0 && ACol < cells->Count() ? cells->Strings(ACol) : plat::String();
  }
  return GetCellText(ACol, ARow - place);
}

void TExtStringGrid::SetRow(int ARow) {
  TBaseGrid::SetRow(ARow);
  if (Row() == FLastReportedRow || !OnRowUpdate || FUpdateCount > 0) return;
  const int oldRow = FLastReportedRow;
  FLastReportedRow = Row();
  OnRowUpdate(this, oldRow, FLastReportedRow);
}

}  // namespace zorbit
