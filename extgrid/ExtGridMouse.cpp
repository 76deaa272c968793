// The advanced grid's mouse: the left press that OnCanClickCell may refuse
// and that reports OnClickCell, the release, the hint that ends when the
// mouse leaves its cell, the hovered cell that ListView headers show hot,
// and the selection change each of them makes.
#include "extgrid/TExtStringGrid.h"
#include "platform/ui/TApplication.h"

namespace zorbit {

namespace {

// A press this near a cell's side edge while columns can be sized is taken
// for a sizing grip, not a click on the cell.
constexpr int kSizingEdge = 3;

}  // namespace

void TExtStringGrid::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
  const plat::TGridRect before = Selection();
  if (Button != plat::TMouseButton::mbLeft) {
    TBaseGrid::MouseDown(Button, Shift, X, Y);
    SelectionChangedFrom(before);
    return;
  }
  FInput.LeftButtonDown = true;
  RepaintHoverHeader(FInput.HoverCell);
  int col = -1, row = -1;
  MouseToCell(X, Y, col, row);
  if (col >= 0 && row >= 0 && OnCanClickCell) {
    bool allow = true;
    OnCanClickCell(this, row, col, allow);
    if (!allow) return;
  }
  SetIncrementalText({});
  if (col < 0 || row < 0) {
    HideEditor();
    if (!FFixedRowAlways) TBaseGrid::MouseDown(Button, Shift, X, Y);
    SelectionChangedFrom(before);
    return;
  }
  const plat::TPoint base = GetBaseCell(col, row);
  bool fixed = false;
  IsFixedCell(base.X, base.Y, fixed);
  if (fixed) HideEditor();
  TBaseGrid::MouseDown(Button, Shift, X, Y);
  const plat::TRect rect = CellRect(base.X, base.Y);
  const bool onSizingEdge = Options().Contains(plat::TGridOption::goColSizing) &&
                            (X - rect.Left <= kSizingEdge || rect.Right - X <= kSizingEdge);
  if (!onSizingEdge && OnClickCell) OnClickCell(this, base.Y, base.X);
  SelectionChangedFrom(before);
}

void TExtStringGrid::MouseMove(plat::TShiftState Shift, int X, int Y) {
  const plat::TGridRect before = Selection();
  const plat::TGridCoord cell = MouseCoord(X, Y);
  if (FInput.HintCell.X >= 0 && cell != FInput.HintCell) {
    FInput.HintCell = {-1, -1};
    if (plat::Application) plat::Application->CancelHint();
  }
  SetHoverCell(cell);
  TBaseGrid::MouseMove(Shift, X, Y);
  SelectionChangedFrom(before);
}

void TExtStringGrid::MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
  const plat::TGridRect before = Selection();
  if (Button == plat::TMouseButton::mbLeft) {
    FInput.LeftButtonDown = false;
    RepaintHoverHeader(FInput.HoverCell);
  }
  TBaseGrid::MouseUp(Button, Shift, X, Y);
  SelectionChangedFrom(before);
}

void TExtStringGrid::SetHoverCell(plat::TGridCoord Cell) {
  if (Cell == FInput.HoverCell) return;
  const plat::TGridCoord left = FInput.HoverCell;
  FInput.HoverCell = Cell;
  RepaintHoverHeader(left);
  RepaintHoverHeader(Cell);
}

void TExtStringGrid::RepaintHoverHeader(plat::TGridCoord Cell) {
  if (FLook != TGridLook::glListView || Cell.X < 0 || Cell.Y < 0) return;
  if (IsFixedCellAt(Cell.X, Cell.Y)) InvalidateCell(Cell.X, Cell.Y);
}

}  // namespace zorbit
