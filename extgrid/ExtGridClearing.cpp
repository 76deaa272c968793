// Clearing blocks of cells: texts emptied and properties objects freed,
// each block reported as changed.
#include <algorithm>
#include <vector>

#include "extgrid/TExtStringGrid.h"

namespace zorbit {

bool TExtStringGrid::EmptyCells(int Col1, int Row1, int Col2, int Row2) {
  Col1 = std::max(Col1, 0);
  Row1 = std::max(Row1, 0);
  if (Col2 < Col1 || Row2 < Row1) return false;
  // The blocks can be as large as the grid: only the stored cells of its
  // rows are visited.
  std::vector<plat::TGridCoord> owners;
  ForEachObjectInRows(Row1, Row2, [&](int ACol, int ARow, plat::TObject*) {
    if (ACol >= Col1 && ACol <= Col2) owners.push_back({ACol, ARow});
  });
  for (const plat::TGridCoord& cell : owners) {
    ForgetNode(cell.X, GetGridObject(cell.X, cell.Y));
    FreeCellProperties(cell.X, cell.Y);
  }
  if (!ComponentState().Contains(plat::TComponentStateItem::csDestroying)) ClearTexts({Col1, Row1, Col2, Row2});
  return true;
}

void TExtStringGrid::ClearRect(int Col1, int Row1, int Col2, int Row2) {
  if (EmptyCells(Col1, Row1, Col2, Row2)) ReportChanged({std::max(Col1, 0), std::max(Row1, 0), Col2, Row2});
}

void TExtStringGrid::ReportChanged(const plat::TRect& R) {
  if (!ComponentState().Contains(plat::TComponentStateItem::csDestroying)) CellsChanged(R);
}

void TExtStringGrid::ClearRows(int ARow, int Count) { ClearRect(0, ARow, AllColumnCount() - 1, ARow + Count - 1); }

void TExtStringGrid::ClearCols(int ACol, int Count) { ClearRect(ACol, 0, ACol + Count - 1, RowCount() - 1); }

void TExtStringGrid::ClearDataCells() {
  if (HasNodes() && FixedCols() == 0) RemoveAllNodes();
  // The fixed right columns are the last shown ones; the hidden columns lie
  // beyond them and hold data too.
  const int lastRow = RowCount() - FFixedFooters - 1;
  ClearRect(FixedCols(), FixedRows(), ColCount() - 1 - FFixedRightCols, lastRow);
  ClearRect(ColCount(), FixedRows(), AllColumnCount() - 1, lastRow);
}

void TExtStringGrid::ClearAll() {
  if (HasNodes() && !ComponentState().Contains(plat::TComponentStateItem::csDestroying)) RemoveAllNodes();
  ClearRect(0, 0, AllColumnCount() - 1, RowCount() - 1);
}

}  // namespace zorbit
