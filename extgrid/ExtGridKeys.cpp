// The advanced grid's keys: arrows that skip cells counting as fixed, the
// selection change a key makes, the releases that end the incremental
// lookup, and the cells-changed notification; the key table itself is in
// ExtGridKeyTable.cpp.
#include "extgrid/TExtStringGrid.h"
#include "platform/win/VirtualKeys.h"

namespace zorbit {

void TExtStringGrid::CellsChanged(const plat::TRect& R) {
  if (OnCellsChanged) OnCellsChanged(this, R);
  CalcFooter(-1);
}

void TExtStringGrid::SetIncrementalText(const plat::String& Value) {
  FInput.IncrementalText = Value;
  FInput.IncrementalIdleTicks = 0;
}

void TExtStringGrid::SelectionChangedFrom(const plat::TGridRect& Before) {
  const plat::TGridRect now = Selection();
  if (now == Before || !OnSelectionChanged) return;
  OnSelectionChanged(this, now.Left, now.Top, now.Right, now.Bottom);
}

bool TExtStringGrid::SkipFixedCells(std::uint16_t Key) {
  const int dx = Key == plat::VK_LEFT ? -1 : Key == plat::VK_RIGHT ? 1 : 0;
  const int dy = Key == plat::VK_UP ? -1 : Key == plat::VK_DOWN ? 1 : 0;
  // The normal cells: between the fixed rows and the footers, the fixed
  // columns and the fixed right columns.
  const int firstCol = TBaseGrid::FixedCols();
  const int lastCol = ColCount() - FFixedRightCols - 1;
  const int firstRow = TBaseGrid::FixedRows();
  const int lastRow = RowCount() - FFixedFooters - 1;
  const auto inside = [&](int c, int r) { return c >= firstCol && c <= lastCol && r >= firstRow && r <= lastRow; };
  const auto countsAsFixed = [&](int c, int r) {
    bool fixed = false;
    IsFixedCell(c, r, fixed);
    return fixed;
  };
  int c = Col() + dx;
  int r = Row() + dy;
  if (!inside(c, r) || !countsAsFixed(c, r)) return false;
  while (inside(c, r) && countsAsFixed(c, r)) {
    c += dx;
    r += dy;
  }
  if (inside(c, r)) {
    SetCol(c);
    SetRow(r);
  }
  return true;
}

void TExtStringGrid::KeyUp(std::uint16_t& Key, plat::TShiftState Shift) {
  switch (Key) {
    case plat::VK_PRIOR:
    case plat::VK_NEXT:
    case plat::VK_END:
    case plat::VK_LEFT:
    case plat::VK_RIGHT:
    case plat::VK_UP:
    case plat::VK_DOWN:
    case plat::VK_INSERT:
    case plat::VK_DELETE: SetIncrementalText({}); break;
    default: break;
  }
  TBaseGrid::KeyUp(Key, Shift);
}

}  // namespace zorbit
