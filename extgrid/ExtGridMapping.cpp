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

int TExtStringGrid::DisplayToRealRow(int ARow) const {
  // Hidden rows come in ascending order: each at or before the row found so
  // far pushes it one further.
  int real = ARow;
  for (int i = 0; i < HiddenRowCount(); ++i) {
    if (HiddenRow(i)->Idx() > real) break;
    ++real;
  }
  return real;
}

int TExtStringGrid::RealToDisplayRow(int ARow) const {
  int below = 0;
  while (below < HiddenRowCount() && HiddenRow(below)->Idx() < ARow) ++below;
  return ARow - below;
}

bool TExtStringGrid::RowIsHidden(int ARow) const {
  int low = 0;
  int high = HiddenRowCount();
  while (low < high) {
    const int mid = (low + high) / 2;
    if (HiddenRow(mid)->Idx() < ARow)
      low = mid + 1;
    else
      high = mid;
  }
  return low < HiddenRowCount() && HiddenRow(low)->Idx() == ARow;
}

plat::String TExtStringGrid::GetHiddenAwareCellText(int ACol, int ARow) {
  for (int i = 0; i < HiddenRowCount(); ++i) {
    const TGridItem* item = HiddenRow(i);
    if (item->Idx() != ARow) continue;
    return ACol >= 0 && ACol < item->Items()->Count() ? item->Items()->Strings(ACol) : plat::String();
  }
  return GetCellText(ACol, RealToDisplayRow(ARow));
}

void TExtStringGrid::SetRow(int ARow) {
  TBaseGrid::SetRow(ARow);
  if (Row() == FLastReportedRow || !OnRowUpdate || FUpdateCount > 0) return;
  const int oldRow = FLastReportedRow;
  FLastReportedRow = Row();
  OnRowUpdate(this, oldRow, FLastReportedRow);
}

}  // namespace zorbit
