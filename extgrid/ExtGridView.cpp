// Headers in row 0 and column 0, the selection set aside while rows are
// hidden, and scrolling a cell into view.
#include <algorithm>

#include "extgrid/TExtStringGrid.h"

namespace zorbit {

namespace {

// "\n" written in a header item is a line break in the cell.
plat::String HeaderText(plat::String Item) {
  for (std::size_t at = Item.find("\\n"); at != plat::String::npos; at = Item.find("\\n", at + 1))
    Item.replace(at, 2, "\r");
  return Item;
}

}  // namespace

void TExtStringGrid::ApplyColumnHeaders() {
  if (TBaseGrid::FixedRows() <= 0) return;
  const int count = std::min(FColumnHeaders->Count(), ColCount());
  for (int i = 0; i < count; ++i) SetCells(i, 0, HeaderText(FColumnHeaders->Strings(i)));
}

void TExtStringGrid::ApplyRowHeaders() {
  if (TBaseGrid::FixedCols() <= 0) return;
  const int count = std::min(FRowHeaders->Count(), RowCount());
  for (int i = 0; i < count; ++i) SetCells(0, i, HeaderText(FRowHeaders->Strings(i)));
}

void TExtStringGrid::SetColumnHeaders(const plat::TStrings* Value) {
  if (!Value) return;
  if (TBaseGrid::FixedRows() > 0)
    for (int col = 0; col < ColCount(); ++col) SetCells(col, 0, "");
  FColumnHeaders->Assign(*Value);
  ApplyColumnHeaders();
}

void TExtStringGrid::SetRowHeaders(const plat::TStrings* Value) {
  if (!Value) return;
  if (Designing() && TBaseGrid::FixedCols() > 0)
    for (int row = 0; row < RowCount(); ++row) SetCells(0, row, "");
  FRowHeaders->Assign(*Value);
  ApplyRowHeaders();
}

void TExtStringGrid::SetLookupItems(const plat::TStrings* Value) {
  if (Value) FLookupItems->Assign(*Value);
}

void TExtStringGrid::SaveSelection() {
  FSavedSelection = Selection();
  FSelectionSaved = true;
}

void TExtStringGrid::RestoreSelection() {
  FSelectionSaved = false;
  const plat::TGridRect& saved = FSavedSelection;
  if (saved.Left >= 0 && saved.Top >= 0 && saved.Right < ColCount() && saved.Bottom < RowCount() &&
      saved.Left <= saved.Right && saved.Top <= saved.Bottom) {
    SetSelection(saved);
    return;
  }
  const bool allRowsFixed = FFixedRowAlways && TBaseGrid::FixedRows() >= RowCount();
  const bool allColsFixed = FFixedColAlways && TBaseGrid::FixedCols() >= ColCount();
  const int row = allRowsFixed ? 0 : TBaseGrid::FixedRows();
  const int col = allColsFixed ? 0 : TBaseGrid::FixedCols();
  if (row < RowCount() && col < ColCount()) SetSelection({col, row, col, row});
}

void TExtStringGrid::ScrollInView(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
  int left = LeftCol();
  int top = TopRow();
  const int visibleCols = VisibleColCount();
  const int visibleRows = VisibleRowCount();
  if (ACol < LeftCol() || ACol >= LeftCol() + visibleCols) {
    if (ACol >= TBaseGrid::FixedCols()) SetCol(ACol);
    left = std::max(TBaseGrid::FixedCols(), ACol - visibleCols / 2);
  }
  if (ARow < TopRow() || ARow >= TopRow() + visibleRows) {
    if (ARow >= TBaseGrid::FixedRows()) SetRow(ARow);
    top = std::max(TBaseGrid::FixedRows(), ARow - visibleRows / 2);
  }
  left = std::min(left, TBaseGrid::FixedCols() + ColCount() - visibleCols);
  top = std::min(top, TBaseGrid::FixedRows() + RowCount() - visibleRows);
  SetLeftCol(left);
  SetTopRow(top);
}

}  // namespace zorbit
