#pragma once
// The class library's grid: a scrolling table of cells with fixed rows and
// columns at the top and left, a current cell and a selection, keyboard and
// mouse navigation, column and row sizing and moving by the mouse, and an
// in-place editor. It keeps no cell contents: descendants draw the cells
// (DrawCell) and supply the texts the editor shows and commits
// (GetEditText, SetEditText).
//
// Promises: ColCount and RowCount are at least 1 (smaller values become 1)
// and the fixed counts stay below them (lowered when the counts shrink);
// sizes below 0 count as 0; the current cell is a scrollable cell;
// TopLeftChanged fires once for each move of the view, however it came;
// the scroll bars use the range 0..127 and scale it to the rows and
// columns, so that the thumb reaches the last row of any grid. Work per
// paint and per move is proportional to the cells on screen.
//
// Refuses: fixed counts at or above the counts ("Fixed column count must be
// less than column count", "Fixed row count must be less than row count"),
// negative fixed counts, and current cells, selections, moves, widths and
// heights for indexes outside the grid ("Grid index out of range"), all as
// EInvalidGridOperation, changing nothing.
//
// The grid is split into files by concern: the model and geometry here,
// painting (GridPaint.cpp), keys (GridKeyboard.cpp), the mouse, scroll bars
// and timer (GridMouse.cpp) and the editor (GridEditing.cpp).
#include <memory>
#include <vector>

#include "platform/gdi/Colors.h"
#include "platform/ui/GridTypes.h"
#include "platform/ui/TCustomControl.h"

namespace plat {

class TGridAxis;
class TInplaceEdit;

class TCustomGrid : public TCustomControl {
 public:
  explicit TCustomGrid(TComponent* AOwner);
  ~TCustomGrid() override;

  int ColCount() const;
  void SetColCount(int Value);
  int RowCount() const;
  void SetRowCount(int Value);
  int FixedCols() const;
  void SetFixedCols(int Value);
  int FixedRows() const;
  void SetFixedRows(int Value);

  // The current cell.
  int Col() const { return FCurrent.X; }
  void SetCol(int Value);
  int Row() const { return FCurrent.Y; }
  void SetRow(int Value);
  // The first scrollable column and row shown.
  int LeftCol() const;
  void SetLeftCol(int Value);
  int TopRow() const;
  void SetTopRow(int Value);
  // Scrollable columns (rows) that show whole.
  int VisibleColCount();
  int VisibleRowCount();

  int DefaultColWidth() const;
  void SetDefaultColWidth(int Value);
  int DefaultRowHeight() const;
  void SetDefaultRowHeight(int Value);
  // The default for an index out of range.
  int ColWidths(int Index) const;
  void SetColWidths(int Index, int Value);
  int RowHeights(int Index) const;
  void SetRowHeights(int Index, int Value);
  // 0: no lines and no gaps between the cells.
  int GridLineWidth() const;
  void SetGridLineWidth(int Value);

  TGridOptions Options() const { return FOptions; }
  void SetOptions(TGridOptions Value);
  // Fills, selection colours and the focus rectangle around what DrawCell draws.
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool Value);
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  // The selected block, normalised. Setting it makes its anchor corner
  // (Left, Top) ... its far corner (Right, Bottom) the current cell.
  TGridRect Selection() const;
  void SetSelection(const TGridRect& Value);

  // Whether the in-place editor is open; closing it commits its text.
  bool EditorMode() const { return FEditorMode; }
  void SetEditorMode(bool Value);
  TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }

  // A cell's rectangle in client coordinates (without its lines); empty for
  // a cell that does not show.
  TRect CellRect(int ACol, int ARow);
  // The cell under a client point; -1, -1 outside every cell.
  void MouseToCell(int X, int Y, int& ACol, int& ARow);
  TGridCoord MouseCoord(int X, int Y);
  TGridState GridState() const { return FGridState; }

 protected:
  // Draws one cell's content; the default draws nothing. The canvas comes
  // with the grid's font and a solid brush in the state's colour: FixedColor
  // for a fixed cell, clHighlight (font clHighlightText) for a selected one,
  // else Color, also without DefaultDrawing.
  virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
  // Inside DrawCell: whether ARect still shows only the fill DefaultDrawing
  // gave the cell, in the canvas's present brush, so that filling it with
  // that brush again would change no pixel.
  bool CellFillShows(const TRect& ARect);
  // Whether a cell may become current; the default allows every cell.
  virtual bool SelectCell(int ACol, int ARow);
  // Whether the editor may open on the current cell (goEditing set).
  virtual bool CanEditShow();
  // Whether a typed character goes to the editor.
  virtual bool CanEditAcceptKey(char32_t Key);
  // Whether the open editor may change the text (else it is read-only).
  virtual bool CanEditModify() { return true; }
  // The text the editor starts with, and where a committed text goes.
  virtual String GetEditText(int ACol, int ARow);
  virtual void SetEditText(int ACol, int ARow, const String& Value);
  virtual String GetEditMask(int ACol, int ARow);
  // The most characters the editor takes; 0 for no limit.
  virtual int GetEditLimit() { return 0; }
  // Makes the editor; the grid owns it.
  virtual TInplaceEdit* CreateEditor();
  // Notifications.
  virtual void TopLeftChanged() {}
  virtual void SizeChanged(int OldColCount, int OldRowCount);
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();
  virtual void ColumnMoved(int FromIndex, int ToIndex);
  virtual void RowMoved(int FromIndex, int ToIndex);
  // A block of Count columns (rows) moved from FromIndex to start at ToIndex.
  virtual void ColumnsMoved(int FromIndex, int Count, int ToIndex);
  virtual void RowsMoved(int FromIndex, int Count, int ToIndex);
  // Rows were gathered at the end, or scattered from it (see below).
  virtual void RowsGathered(const std::vector<int>&) {}
  virtual void RowsScattered(const std::vector<int>&) {}
  // Called after the grid has shown or hidden its scroll bars for the
  // current counts and size, while that update still holds: a descendant
  // may show, hide or disable bars by its own policy here without the
  // grid's sizing undoing it.
  virtual void ScrollRangeUpdated() {}
  // What a press at X, Y would start: gsColSizing or gsRowSizing on a line
  // of the fixed cells (Index the cell before the line, SizingPos the
  // line's position, SizingOfs the press's distance from it), else gsNormal.
  virtual void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs);

  // Whole rows and columns: moved (with their sizes) and deleted.
  void MoveColumn(int FromIndex, int ToIndex);
  void MoveRow(int FromIndex, int ToIndex);
  // Moves columns (rows) FromIndex..FromIndex+Count-1 with their widths
  // (heights) so that they start at ToIndex, in one step whatever Count is;
  // both blocks must lie inside the grid. Count below 1 moves nothing.
  void MoveColumns(int FromIndex, int Count, int ToIndex);
  void MoveRows(int FromIndex, int Count, int ToIndex);
  void DeleteColumn(int ACol);
  void DeleteRow(int ARow);
  // Rows (ascending, no repeats, inside the grid) go to the last places in
  // their order with their heights, the other rows closing up in theirs;
  // ScatterRowsFromEnd is the reverse, the last rows going to Rows with
  // the heights given. The current cell and the anchor stay with their
  // rows. One pass however many rows move; a bad list raises
  // EInvalidGridOperation and moves nothing.
  void GatherRowsAtEnd(const std::vector<int>& Rows);
  void ScatterRowsFromEnd(const std::vector<int>& Rows, const std::vector<int>& Heights);

  void InvalidateCell(int ACol, int ARow);
  void InvalidateRow(int ARow);
  void InvalidateCol(int ACol);
  void InvalidateGrid() { Invalidate(); }
  void InvalidateEditor();

  void ShowEditor();
  // Commits the editor's text and closes it.
  void HideEditor();
  // Opens the editor with the first typed character in place of the text.
  void ShowEditorChar(char32_t Ch);
  // Moves the current cell, the anchor too unless extending the selection.
  void FocusCell(int ACol, int ARow, bool MoveAnchor);
  // Makes a cell show whole, scrolling as little as possible.
  void ScrollToCell(int ACol, int ARow);

  void Paint() override;
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  // The scroll bars' requests (WM_HSCROLL, WM_VSCROLL); a descendant that
  // adds to them calls these for the grid's own scrolling.
  virtual void WMHScroll(TMessage& Message);
  virtual void WMVScroll(TMessage& Message);
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void Resize() override;
  void DoExit() override;

 private:
  friend class TInplaceEdit;

  int ClientW();
  int ClientH();
  // Checks an index against 0..Count-1.
  static void CheckIndex(int Index, int Count);
  void ClampCurrent();
  // The current cell and the anchor follow a move of columns (rows).
  void FollowColumnsMoved(int FromIndex, int Count, int ToIndex);
  void FollowRowsMoved(int FromIndex, int Count, int ToIndex);
  // One move of the view: LeftCol and TopRow together, one TopLeftChanged.
  void MoveTopLeft(int ALeft, int ATop);
  void MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show);
  void InvalidateSelection(const TGridRect& Old, const TGridRect& New);
  void InvalidateRect(int ALeft, int ATop, int ARight, int ABottom);
  void UpdateScrollRange();
  void UpdateScrollPos();
  // Axis-wise scroll bar requests.
  void ScrollRequest(bool Vertical, int Code, int Pos);
  void ChangeSize(int NewColCount, int NewRowCount);

  // Painting.
  void PaintLines(const TRect& Client);
  void PaintCell(int ACol, int ARow, const TRect& Where);
  TGridDrawState DrawStateOf(int ACol, int ARow);

  // Mouse.
  void DrawSizingLine();
  void UpdateDragTarget(int X, int Y);
  void SelectingTimer();
  void StopSelecting();
  bool SetCursorForSizing();

  // Editor.
  // Opens, places or hides the editor to match the mode and the current cell.
  void UpdateEditor();
  // Passes a changed text to SetEditText, once.
  void CommitEditor();
  // Puts the cell's text back and closes the editor.
  void CancelEditor();
  // Hides the editor window, the focus going back to the grid.
  void ParkEditor();

  std::unique_ptr<TGridAxis> FCols;
  std::unique_ptr<TGridAxis> FRows;
  TGridCoord FCurrent{1, 1};
  TGridCoord FAnchor{1, 1};
  TGridOptions FOptions;
  bool FDefaultDrawing = true;
  // The fill PaintCell gave the cell being drawn, and the canvas's use count
  // right after it.
  struct TCellFill {
    TRect Rect;
    TColor Color = clNone;
    unsigned long CanvasUses = 0;
    bool Valid = false;
  };
  TCellFill FCellFill;
  TColor FFixedColor = clBtnFace;
  TScrollStyle FScrollBars = TScrollStyle::ssBoth;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
  bool FUpdatingScrollBars = false;

  TGridState FGridState = TGridState::gsNormal;
  int FSizingIndex = -1;
  int FSizingPos = 0;  // where the sizing line stands
  int FSizingOfs = 0;
  bool FSizingLineShown = false;
  int FMoveIndex = -1;  // the row or column being moved
  int FMovePos = -1;    // where it would go
  bool FTimerRunning = false;

  TInplaceEdit* FInplaceEdit = nullptr;  // owned by the grid as a component
  bool FEditorMode = false;
  bool FCommitting = false;
  bool FParking = false;         // the editor gives the focus back to the grid
  TGridCoord FEditCell{-1, -1};  // the cell whose text the editor holds
};

}  // namespace plat
