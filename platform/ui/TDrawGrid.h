#pragma once
// The grid whose cells the program draws: TCustomGrid with its operations
// answered by events. OnDrawCell draws a cell (after the grid's own fill
// when DefaultDrawing), OnSelectCell may refuse a cell, OnGetEditText and
// OnGetEditMask give the editor its text and mask, OnSetEditText receives
// a committed text, OnColumnMoved and OnRowMoved follow moves by the mouse
// or the program, and OnTopLeftChanged each move of the view. Events are
// called only when assigned; unassigned ones change nothing.
#include "platform/ui/TCustomGrid.h"

namespace plat {

class TDrawGrid : public TCustomGrid {
 public:
  using TCustomGrid::TCustomGrid;

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;
  TGetEditEvent OnGetEditMask;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;
  TMovedEvent OnColumnMoved;
  TMovedEvent OnRowMoved;
  TNotifyEvent OnTopLeftChanged;

 protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(int ACol, int ARow) override;
  String GetEditMask(int ACol, int ARow) override;
  String GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const String& Value) override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;
  void TopLeftChanged() override;
};

}  // namespace plat
