// TCustomGrid: keys. Arrows move one cell (Shift extends the selection with
// goRangeSelect; Ctrl+Up and Ctrl+Down scroll the view alone); Page Up and
// Page Down move the view and the current cell a page (with Ctrl: to the
// top or bottom row shown); Home and End go to the first and last column
// (with Ctrl, or with goRowSelect: the first and last row); Tab and
// Shift+Tab go along the row and on to the next one with goTabs; F2 and
// Enter open the editor with goEditing, Enter commits and closes it again
// (commits only, with goAlwaysShowEditor), and a typed character opens it
// with that character in place of the text.
#include <algorithm>

#include "platform/ui/TCustomGrid.h"
#include "platform/ui/TInplaceEdit.h"
#include "platform/win/VirtualKeys.h"

namespace plat {

void TCustomGrid::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  const bool ctrl = Shift.Contains(TShiftStateItem::ssCtrl);
  const bool shift = Shift.Contains(TShiftStateItem::ssShift);
  const bool rowSelect = FOptions.Contains(TGridOption::goRowSelect);
  const int pageRows = VisibleRowCount();
  const int pageCols = VisibleColCount();
  TGridCoord target = FCurrent;
  int left = LeftCol();
  int top = TopRow();
  bool extend = shift && FOptions.Contains(TGridOption::goRangeSelect);
  switch (Key) {
    case VK_UP:
      if (ctrl) {
        MoveTopLeft(left, top - 1);
        return;
      }
      --target.Y;
      break;
    case VK_DOWN:
      if (ctrl) {
        MoveTopLeft(left, top + 1);
        return;
      }
      ++target.Y;
      break;
    case VK_LEFT:
      if (rowSelect) {
        MoveTopLeft(left - (ctrl ? pageCols : 1), top);
        return;
      }
      if (ctrl) {
        target.X -= pageCols;
        left -= pageCols;
      } else {
        --target.X;
      }
      break;
    case VK_RIGHT:
      if (rowSelect) {
        MoveTopLeft(left + (ctrl ? pageCols : 1), top);
        return;
      }
      if (ctrl) {
        target.X += pageCols;
        left += pageCols;
      } else {
        ++target.X;
      }
      break;
    case VK_PRIOR:
      if (ctrl) {
        target.Y = top;
      } else {
        target.Y -= pageRows;
        top -= pageRows;
      }
      break;
    case VK_NEXT:
      if (ctrl) {
        target.Y = top + pageRows - 1;
      } else {
        target.Y += pageRows;
        top += pageRows;
      }
      break;
    case VK_HOME:
      if (ctrl || rowSelect)
        target.Y = FixedRows();
      else
        target.X = FixedCols();
      break;
    case VK_END:
      if (ctrl || rowSelect)
        target.Y = RowCount() - 1;
      else
        target.X = ColCount() - 1;
      break;
    case VK_TAB:
      if (!FOptions.Contains(TGridOption::goTabs) || Shift.Contains(TShiftStateItem::ssAlt)) return;
      extend = false;
      if (shift) {
        if (target.X > FixedCols()) {
          --target.X;
        } else if (target.Y > FixedRows()) {
          --target.Y;
          target.X = ColCount() - 1;
        }
      } else if (target.X < ColCount() - 1) {
        ++target.X;
      } else if (target.Y < RowCount() - 1) {
        ++target.Y;
        target.X = FixedCols();
      }
      break;
    case VK_F2: SetEditorMode(true); return;
    default: return;
  }
  target.X = std::clamp(target.X, FixedCols(), ColCount() - 1);
  target.Y = std::clamp(target.Y, FixedRows(), RowCount() - 1);
  // Page moves take the view along, so that the current cell keeps its place.
  if (left != LeftCol() || top != TopRow()) MoveTopLeft(left, top);
  if (target == FCurrent) return;
  MoveCurrent(target.X, target.Y, !extend, true);
  Click();
}

void TCustomGrid::KeyPress(char32_t& Key) {
  TCustomControl::KeyPress(Key);
  if (Key == 0 || !FOptions.Contains(TGridOption::goEditing) || FOptions.Contains(TGridOption::goRowSelect)) return;
  if (Key == U'\r') {
    Key = 0;
    if (!FEditorMode) {
      ShowEditor();
    } else if (FOptions.Contains(TGridOption::goAlwaysShowEditor)) {
      // The editor stays: the text is committed and selected again.
      CommitEditor();
      if (FInplaceEdit) FInplaceEdit->SelectAll();
    } else {
      HideEditor();
    }
    return;
  }
  if (Key >= U' ' && CanEditAcceptKey(Key)) {
    const char32_t typed = Key;
    Key = 0;
    ShowEditorChar(typed);
  }
}

}  // namespace plat
