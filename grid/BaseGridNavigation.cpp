// TBaseGrid: the current cell kept on base cells of merged ranges when it
// moves by keys, the wheel or the mouse; the hidden last row kept out of
// view; merged fixed cells repainted when the view moves; and the link to
// the undo recorder.
#include <algorithm>

#include "grid/TBaseGrid.h"
#include "grid/TCellProperties.h"
#include "grid/TExtGridUndoRedo.h"
#include "platform/win/VirtualKeys.h"

namespace zorbit {

using plat::TPoint;

void TBaseGrid::SetUndoRedo(TExtGridUndoRedo* Value) {
  if (Value == FUndoRedo) return;
  FUndoRedo = Value;
  if (FUndoRedo) FUndoRedo->SetGrid(this);
}

bool TBaseGrid::SelectCell(int ACol, int ARow) {
  RepaintCell(Col(), Row());
  const bool result = TStringGrid::SelectCell(ACol, ARow);
  RepaintCell(ACol, ARow);
  return result;
}

void TBaseGrid::SnapToBaseCell() {
  if (!HasCellProperties(Col(), Row())) return;
  const TPoint base = GetBaseCell(Col(), Row());
  // A range reaching into the fixed cells cannot take the current cell there.
  if (base.X >= FixedCols()) SetCol(base.X);
  if (base.Y >= FixedRows()) SetRow(base.Y);
}

void TBaseGrid::KeyDown(std::uint16_t& Key, plat::TShiftState Shift) {
  TCellProperties* base = nullptr;
  TPoint bc{Col(), Row()};
  if (HasCellProperties(Col(), Row())) {
    bc = GetBaseCell(Col(), Row());
    base = GetCellProperties(bc.X, bc.Y);
  }
  switch (Key) {
    case plat::VK_NEXT:
      // The last shown row is the end of the page: the key stops there.
      if (FHideLastRow && RowCount() > 1 && RowCount() - 2 >= FixedRows() &&
          VisibleRowCount() + TopRow() - FixedRows() >= RowCount() - 1) {
        SetRow(RowCount() - 2);
        Key = 0;
        return;
      }
      break;
    case plat::VK_RIGHT:
      if (base) {
        // A range that runs past the grid ends at its last column.
        const int last = std::min(bc.X + base->CellSpanX(), ColCount() - 1);
        if (last >= Col() && Col() < ColCount() - 1 && bc.X < ColCount() - 1) SetCol(last);
      }
      break;
    case plat::VK_DOWN:
      if (base) {
        const int last = std::min(bc.Y + base->CellSpanY(), RowCount() - 1);
        if (last >= Row() && Row() < RowCount() - 1 && bc.Y < RowCount() - 1) SetRow(last);
      }
      break;
    case plat::VK_LEFT:
      if (base && bc.X < Col() && Col() > FixedCols() && bc.X > 0 && bc.X >= FixedCols()) SetCol(bc.X);
      break;
    case plat::VK_UP:
      if (base && bc.Y < Row() && Row() > FixedRows() && bc.Y > 0 && bc.Y >= FixedRows()) SetRow(bc.Y);
      break;
    default: break;
  }
  const std::uint16_t pressed = Key;
  TStringGrid::KeyDown(Key, Shift);
  // Nor does the ordinary page move end on the hidden row.
  if (pressed == plat::VK_NEXT && FHideLastRow && Row() == RowCount() - 1 && RowCount() - 2 >= FixedRows())
    SetRow(RowCount() - 2);
  SnapToBaseCell();
}

bool TBaseGrid::DoMouseWheelUp(plat::TShiftState Shift, TPoint MousePos) {
  const bool result = TStringGrid::DoMouseWheelUp(Shift, MousePos);
  SnapToBaseCell();
  return result;
}

bool TBaseGrid::DoMouseWheelDown(plat::TShiftState Shift, TPoint MousePos) {
  const bool result = TStringGrid::DoMouseWheelDown(Shift, MousePos);
  if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1 && FHideLastRow) SetTopRow(TopRow() + 1);
  SnapToBaseCell();
  return result;
}

void TBaseGrid::TopLeftChanged() {
  TStringGrid::TopLeftChanged();
  if (FixedCols() > 0) {
    const int last = TopRow() + VisibleRowCount();
    for (int r = TopRow(); r <= last; ++r)
      for (int c = 0; c < FixedCols(); ++c)
        if (IsMergedCell(c, r)) RepaintCell(c, r);
  }
  if (FixedRows() > 0) {
    const int last = LeftCol() + VisibleColCount();
    for (int c = LeftCol(); c <= last; ++c)
      for (int r = 0; r < FixedRows(); ++r)
        if (IsMergedCell(c, r)) RepaintCell(c, r);
  }
}

}  // namespace zorbit
