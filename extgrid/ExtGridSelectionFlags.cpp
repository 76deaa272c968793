// The row and column selection flags of the disjunct selections, the
// operations on the rows and columns they mark, and the rows' modified
// marks.
#include <algorithm>

#include "extgrid/ExtGridError.h"
#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"

namespace zorbit {

void TExtStringGrid::CheckRowFlagIndex(int ARow) const {
  if (ARow < 0 || ARow >= RowCount() + HiddenRowCount()) throw EExtGridError("Invalid row accessed");
}

void TExtStringGrid::CheckColFlagIndex(int ACol) const {
  if (ACol < 0 || ACol >= ColCount()) throw EExtGridError("Invalid column accessed");
}

int TExtStringGrid::RowFlagIndex(int ARow) const {
  return FMouseActions->RowSelectPersistent() ? DisplayToRealRow(ARow) : ARow;
}

bool TExtStringGrid::IsRowSelected(int ARow) {
  CheckRowFlagIndex(ARow);
  if (FMouseActions->DisjunctRowSelect()) return FRowSelection.Get(ARow);
  const plat::TGridRect selection = Selection();
  return ARow >= selection.Top && ARow <= selection.Bottom;
}

void TExtStringGrid::SetRowSelected(int ARow, bool Value) {
  CheckRowFlagIndex(ARow);
  if (!FRowSelection.Set(ARow, Value)) return;
  if (!FMouseActions->RowSelectPersistent())
    InvalidateRow(ARow);
  else if (!RowIsHidden(ARow))
    InvalidateRow(RealToDisplayRow(ARow));
}

bool TExtStringGrid::IsColSelected(int ACol) {
  CheckColFlagIndex(ACol);
  return FColSelection.Get(ACol);
}

void TExtStringGrid::SetColSelected(int ACol, bool Value) {
  CheckColFlagIndex(ACol);
  if (FColSelection.Set(ACol, Value)) InvalidateCol(ACol);
}

void TExtStringGrid::ClearRowSelection() {
  for (const int row : FRowSelection.SetIndexes())
    if (row < RowCount() + HiddenRowCount()) SetRowSelected(row, false);
  FRowSelection.Clear();
}

void TExtStringGrid::ClearColSelection() {
  for (const int col : FColSelection.SetIndexes())
    if (col < ColCount()) SetColSelected(col, false);
  FColSelection.Clear();
}

void TExtStringGrid::SetRowModified(int ARow, bool Value) {
  if (ARow >= 0 && FRowModified.Set(ARow, Value) && FShowModified->Enabled()) InvalidateCell(0, ARow);
}

void TExtStringGrid::SelectRowsInRange(bool All) {
  const plat::TGridRect selection = Selection();
  for (int row = FixedRows(); row < RowCount(); ++row) {
    const bool inside = row >= selection.Top && row <= selection.Bottom;
    if (All || inside) SetRowSelected(RowFlagIndex(row), inside);
  }
}

void TExtStringGrid::SelectColsInRange(bool All) {
  const plat::TGridRect selection = Selection();
  for (int col = FixedCols(); col < ColCount(); ++col) {
    const bool inside = col >= selection.Left && col <= selection.Right;
    if (All || inside) SetColSelected(col, inside);
  }
}

void TExtStringGrid::RemoveSelectedRows() {
  TGridUpdateScope update(*this);
  if (!FMouseActions->DisjunctRowSelect()) SelectRowsInRange(true);
  // Runs of flagged rows go from the bottom up, so that the display rows
  // still to visit keep their places; the removals drop the flags too.
  int row = RowCount() - FFixedFooters - 1;
  while (row >= FixedRows()) {
    if (!FRowSelection.Get(RowFlagIndex(row))) {
      --row;
      continue;
    }
    int first = row;
    while (first > FixedRows() && FRowSelection.Get(RowFlagIndex(first - 1))) --first;
    RemoveRowsFreeing(first, row - first + 1);
    row = first - 1;
  }
}

void TExtStringGrid::ClearSelectedCells() {
  if (FMouseActions->DisjunctRowSelect()) {
    const bool persistent = FMouseActions->RowSelectPersistent();
    for (const int flagged : FRowSelection.SetIndexes()) {
      // A hidden row's cells are not in the grid.
      if (persistent && RowIsHidden(flagged)) continue;
      const int row = persistent ? RealToDisplayRow(flagged) : flagged;
      if (row < RowCount()) ClearRows(row, 1);
    }
  } else if (FMouseActions->DisjunctColSelect()) {
    for (const int col : FColSelection.SetIndexes())
      if (col < ColCount()) ClearCols(col, 1);
  } else {
    const plat::TGridRect selection = Selection();
    ClearRect(selection.Left, selection.Top, selection.Right, selection.Bottom);
  }
}

}  // namespace zorbit
