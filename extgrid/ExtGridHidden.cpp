// Hiding and unhiding rows: a hidden row's cells and height move into a
// TGridItem of the hidden-row list and its grid row goes; unhiding puts
// them back at the row's display position. Real indexes do not change.
// Hiding every row leaves the one empty row a grid keeps; the first rows
// put back take its place.
#include <algorithm>

#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"

namespace zorbit {

namespace {

// The position in the ascending hidden-row list where real row ARow goes.
int HiddenPlace(const TExtStringGrid& Grid, int ARow) {
  int low = 0;
  int high = Grid.HiddenRowCount();
  while (low < high) {
    const int mid = (low + high) / 2;
    if (Grid.HiddenRow(mid)->Idx() < ARow)
      low = mid + 1;
    else
      high = mid;
  }
  return low;
}

}  // namespace

void TExtStringGrid::HideRowRange(int FromRow, int ToRow) {
  FromRow = std::max(FromRow, 0);
  ToRow = std::min(ToRow, RowCount() + HiddenRowCount() - 1);
  if (FromRow > ToRow) return;
  // The range's visible rows are consecutive grid rows from here.
  const int first = RealToDisplayRow(FromRow);
  int count = 0;
  {
    TGridUpdateScope update(*this);
    const int columns = AllColumnCount();
    for (int real = FromRow; real <= ToRow; ++real) {
      if (RowIsHidden(real)) continue;
      const int row = first + count++;
      auto* item = static_cast<TGridItem*>(FHiddenRows->Insert(HiddenPlace(*this, real)));
      item->SetIdx(real);
      item->SetHeight(RowHeights(row));
      for (int col = 0; col < columns; ++col) item->Items()->AddObject(Cells(col, row), Objects(col, row));
    }
    if (count > 0) CutRows(first, count, true);
  }
}

void TExtStringGrid::HideRowList(const std::vector<int>& Rows) {
  std::vector<int> rows;
  for (int real : Rows)
    if (real >= 0 && real < RowCount() + HiddenRowCount() && !RowIsHidden(real)) rows.push_back(real);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  if (rows.empty()) return;
  TGridUpdateScope update(*this);
  // Grid rows go from the bottom up, so the display rows above stay put.
  std::vector<int> displayRows;
  for (int real : rows) displayRows.push_back(RealToDisplayRow(real));
  const int columns = AllColumnCount();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    auto* item = static_cast<TGridItem*>(FHiddenRows->Insert(HiddenPlace(*this, rows[i])));
    item->SetIdx(rows[i]);
    item->SetHeight(RowHeights(displayRows[i]));
    for (int col = 0; col < columns; ++col)
      item->Items()->AddObject(Cells(col, displayRows[i]), Objects(col, displayRows[i]));
  }
  for (std::size_t end = displayRows.size(); end > 0;) {
    std::size_t begin = end - 1;
    while (begin > 0 && displayRows[begin - 1] + 1 == displayRows[begin]) --begin;
    CutRows(displayRows[begin], static_cast<int>(end - begin), true);
    end = begin;
  }
}

void TExtStringGrid::UnhideRowRange(int FromRow, int ToRow) {
  FromRow = std::max(FromRow, 0);
  ToRow = std::min(ToRow, RowCount() + HiddenRowCount() - 1);
  if (FromRow > ToRow || !RowIsHidden(FromRow)) return;
  TGridUpdateScope update(*this);
  // Each run of consecutive hidden rows goes back in one insertion, at the
  // display position its first row has once the runs before it are back.
  int index = HiddenPlace(*this, FromRow);
  while (index < HiddenRowCount() && HiddenRow(index)->Idx() <= ToRow) {
    int length = 1;
    while (index + length < HiddenRowCount() && HiddenRow(index + length)->Idx() <= ToRow &&
           HiddenRow(index + length)->Idx() == HiddenRow(index)->Idx() + length)
      ++length;
    const int at = RealToDisplayRow(HiddenRow(index)->Idx());
    OpenRows(at, length);
    for (int k = 0; k < length; ++k) {
      TGridItem* item = HiddenRow(index);
      plat::TStrings* cells = item->Items();
      for (int col = 0; col < cells->Count(); ++col) {
        SetCells(col, at + k, cells->Strings(col));
        SetObjects(col, at + k, cells->Objects(col));
        cells->SetObjects(col, nullptr);
      }
      SetRowHeights(at + k, item->Height());
      FHiddenRows->Delete(index);
    }
  }
  DropPlaceholderRow();
}

void TExtStringGrid::DropPlaceholderRow() {
  if (!FPlaceholderRow || RowCount() < 2) return;
  FPlaceholderRow = false;
  // It stays below the rows put back; written to, it is a row like the others.
  const int last = RowCount() - 1;
  for (int col = 0; col < AllColumnCount(); ++col)
    if (!Cells(col, last).empty() || Objects(col, last)) return;
  CutRows(last, 1, false);
}

void TExtStringGrid::UnhideAllRows() {
  if (HiddenRowCount() == 0) return;
  UnhideRowRange(HiddenRow(0)->Idx(), HiddenRow(HiddenRowCount() - 1)->Idx());
}

}  // namespace zorbit
