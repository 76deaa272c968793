// The advanced grid's key table: the keys the grid handles or consumes
// before the inherited navigation (F2 and Enter on cells that cannot be
// edited, Enter and Space on control cells, Home and End by row, node
// expand and collapse, Tab walking, arrows over fixed-looking cells, Down
// appending a row), and the ones it adds after it (clipboard short-cuts,
// row insertion and deletion, Ctrl+A, disjunct selection by key).
#include <algorithm>

#include "extgrid/TExtStringGrid.h"
#include "platform/rtl/StringUtils.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"

namespace zorbit {

namespace {

using plat::TGridOption;
using plat::TShiftStateItem;

bool IsArrow(std::uint16_t Key) {
  return Key == plat::VK_LEFT || Key == plat::VK_RIGHT || Key == plat::VK_UP || Key == plat::VK_DOWN;
}

// Page Up, Page Down, End, Home and the four arrows.
bool IsNavigationKey(std::uint16_t Key) { return Key >= plat::VK_PRIOR && Key <= plat::VK_DOWN; }

// A range of indexes From..To in either order.
template <typename Visit>
void ForEachBetween(int From, int To, Visit visit) {
  for (int i = std::min(From, To); i <= std::max(From, To); ++i) visit(i);
}

}  // namespace

int TExtStringGrid::FirstNormalRow() const { return TBaseGrid::FixedRows(); }

int TExtStringGrid::LastNormalRow() const {
  if (FFloatingFooter->Visible() && RowCount() > 2) return RowCount() - 2;
  return RowCount() - FFixedFooters - 1;
}

int TExtStringGrid::FirstEditableCol() {
  const int fixed = TBaseGrid::FixedCols();
  return fixed == 0 && HasNodes() ? 1 : fixed;
}

int TExtStringGrid::LastNormalCol() const { return ColCount() - FFixedRightCols - 1; }

bool TExtStringGrid::CellEditable(int ACol, int ARow) {
  bool canEdit = Options().Contains(TGridOption::goEditing) || FMouseActions->RangeSelectAndEdit();
  CanEditCell(DisplayToRealCol(ACol), ARow, canEdit);
  return canEdit;
}

void TExtStringGrid::ConsumeKey(std::uint16_t& Key, plat::TShiftState Shift) {
  plat::TWinControl::KeyDown(Key, Shift);
  Key = 0;
}

void TExtStringGrid::KeyDown(std::uint16_t& Key, plat::TShiftState Shift) {
  const plat::TGridRect before = Selection();
  if (!GridKeyDown(Key, Shift)) {
    const bool keepLeft = Options().Contains(TGridOption::goRowSelect) && FNavigation->KeepHorizScroll() &&
                          (Key == plat::VK_UP || Key == plat::VK_DOWN || Key == plat::VK_PRIOR || Key == plat::VK_NEXT);
    const int left = LeftCol();
    TBaseGrid::KeyDown(Key, Shift);
    if (keepLeft && LeftCol() != left) SetLeftCol(left);
    if (FSelectionRectangle && Selection() != before) {
      RepaintSelectionFrame(before);
      RepaintSelectionFrame(Selection());
    }
    if (Key != 0) KeyDownAfterMove(Key, Shift);
  }
  SelectionChangedFrom(before);
}

bool TExtStringGrid::GridKeyDown(std::uint16_t& Key, plat::TShiftState Shift) {
  const bool shift = Shift.Contains(TShiftStateItem::ssShift);
  const int col = Col();
  const int row = Row();
  const auto consume = [&] {
    ConsumeKey(Key, Shift);
    return true;
  };
  switch (Key) {
    case plat::VK_F2:
      // A cell holding HTML form controls takes F2 for its controls.
      if (plat::UpperCase(GetCellText(col, row)).find("<CONTROL") != plat::String::npos) return consume();
      if (!CellEditable(col, row)) return consume();
      if (FMouseActions->RangeSelectAndEdit() && !Options().Contains(TGridOption::goEditing)) {
        plat::TGridOptions options = Options();
        options.Include(TGridOption::goEditing);
        SetOptions(options);
      }
      return false;
    case plat::VK_RETURN:
    case plat::VK_SPACE:
      if (ControlCellKey(Key == plat::VK_SPACE)) return consume();
      if (Key == plat::VK_RETURN && !CellEditable(col, row)) return consume();
      return false;
    case plat::VK_HOME:
    case plat::VK_END: return HomeEndKey(Key, Shift) && consume();
    case plat::VK_RIGHT:
    case plat::VK_LEFT:
      if (IsNodeRow(row) && IsMergedCell(col, row)) {
        if (Key == plat::VK_RIGHT)
          ExpandNode(row);
        else
          ContractNode(row);
        return consume();
      }
      break;
    case plat::VK_TAB:
      if (!Options().Contains(TGridOption::goTabs)) return false;
      TabToNextCell(shift);
      Key = 0;
      return true;
    default: break;
  }
  if (IsArrow(Key) && FNavigation->SkipFixedCells() && SkipFixedCells(Key)) return consume();
  if (Key == plat::VK_DOWN && FNavigation->AppendOnArrowDown() && row == LastNormalRow()) return AppendRowByKey(Key, Shift);
  return false;
}

bool TExtStringGrid::ControlCellKey(bool Space) {
  const int col = Col();
  const int row = Row();
  if (!IsControlCell(col, row)) return false;
  const bool editingAllowed =
      Options().Contains(TGridOption::goEditing) || FMouseActions->RangeSelectAndEdit();
  if (IsCheckBoxCell(col, row)) {
    if (!Space || !(editingAllowed || FControlLook->CheckAlwaysActive())) return false;
    if (!ToggleCheckBox(col, row, true)) return false;
    bool state = false;
    GetCheckBoxState(col, row, state);
    if (OnCheckBoxClick) OnCheckBoxClick(this, col, row, state);
    return true;
  }
  if (IsRadioCell(col, row)) {
    if (!Space || !(editingAllowed || FControlLook->RadioAlwaysActive())) return false;
    AdvanceRadio(col, row, true);
    int index = -1;
    GetRadioIndex(col, row, index);
    if (OnRadioClick) OnRadioClick(this, col, row, index);
    return true;
  }
  if (!IsButtonCell(col, row) || !CellEditable(col, row)) return false;
  if (OnButtonClick) OnButtonClick(this, col, row);
  RepaintCell(col, row);
  return true;
}

bool TExtStringGrid::HomeEndKey(std::uint16_t Key, plat::TShiftState Shift) {
  const bool home = Key == plat::VK_HOME;
  if (FNavigation->HomeEndKey() == THomeEndAction::heFirstLastColumn) {
    if (!Options().Contains(TGridOption::goRowSelect)) return false;
    if (home) {
      SetCol(std::min(FirstEditableCol(), ColCount() - 1));
      SetLeftCol(TBaseGrid::FixedCols());
    } else {
      SetCol(ColCount() - 1);
      SetLeftCol(std::max(TBaseGrid::FixedCols(), ColCount() - VisibleColCount()));
    }
    return true;
  }
  if (home && FFixedRowAlways && RowCount() == 1) return false;
  const int firstRow = FirstNormalRow();
  const int lastRow = LastNormalRow();
  if (lastRow < firstRow) return false;
  const int oldRow = Row();
  const int target = home ? firstRow : lastRow;
  const bool shift = Shift.Contains(TShiftStateItem::ssShift);
  if (shift && Options().Contains(TGridOption::goRangeSelect)) {
    // The rows from the old row to the new one, across the columns.
    SetSelection({ColCount() - 1, oldRow, TBaseGrid::FixedCols(), target});
  } else {
    SetRow(target);
  }
  if (!home && (FFixedFooters > 0 || FFloatingFooter->Visible()))
    SetTopRow(std::max(TBaseGrid::FixedRows(), RowCount() - VisibleRowCount()));
  if (FMouseActions->DisjunctRowSelect()) SelectRowsByKey(shift, false);
  return true;
}

bool TExtStringGrid::AppendRowByKey(std::uint16_t& Key, plat::TShiftState Shift) {
  bool canAdd = true;
  CanAddRow(canAdd);
  if (!canAdd) return false;
  // The new row goes above the footer rows.
  if (FFixedFooters > 0 && !FFloatingFooter->Visible())
    InsertRows(RowCount() - FFixedFooters, 1);
  else
    AddRow();
  const int added = LastNormalRow();
  CalcFooter(-1);
  if (OnAutoAddRow) OnAutoAddRow(this, added);
  // Below the footers the inherited Down would not reach the new row.
  if (FFixedFooters == 0 && !FFloatingFooter->Visible()) return false;
  SetRow(added);
  ConsumeKey(Key, Shift);
  return true;
}

void TExtStringGrid::KeyDownAfterMove(std::uint16_t Key, plat::TShiftState Shift) {
  const bool shift = Shift.Contains(TShiftStateItem::ssShift);
  const bool ctrl = Shift.Contains(TShiftStateItem::ssCtrl);
  const bool alt = Shift.Contains(TShiftStateItem::ssAlt);
  if (FNavigation->AllowClipboardShortCuts() && ClipboardShortCut(Key, shift, ctrl)) return;
  if (Key == plat::VK_INSERT && FNavigation->AllowInsertRow() && !ctrl && !shift && !alt) {
    InsertRowByKey();
    return;
  }
  if (ctrl && Key == 'A' &&
      (Options().Contains(TGridOption::goRowSelect) || Options().Contains(TGridOption::goRangeSelect))) {
    SelectAllByKey();
    return;
  }
  if (IsNavigationKey(Key)) {
    if (FMouseActions->DisjunctRowSelect()) SelectRowsByKey(shift, ctrl);
    if (FMouseActions->DisjunctColSelect()) SelectColsByKey(shift, ctrl);
    return;
  }
  if (Key == plat::VK_SPACE && FMouseActions->DisjunctRowSelect()) {
    if (FMouseActions->DisjunctColSelect())
      SetColSelected(Col(), !IsColSelected(Col()));
    else
      SetRowSelected(Row(), !IsRowSelected(Row()));
    return;
  }
  if (Key == plat::VK_DELETE && FNavigation->AllowDeleteRow() && !alt) DeleteRowByKey();
}

bool TExtStringGrid::ClipboardShortCut(std::uint16_t Key, bool Shift, bool Ctrl) {
  enum class TAction { Cut, Paste, Copy };
  TAction action;
  if ((Ctrl && Key == 'X') || (Shift && Key == plat::VK_DELETE))
    action = TAction::Cut;
  else if ((Ctrl && Key == 'V') || (Shift && Key == plat::VK_INSERT))
    action = TAction::Paste;
  else if (Ctrl && (Key == 'C' || Key == plat::VK_INSERT))
    action = TAction::Copy;
  else
    return false;
  bool allow = true;
  switch (action) {
    case TAction::Cut:
      if (OnClipboardCut) OnClipboardCut(this, allow);
      if (allow) CutSelection();
      break;
    case TAction::Paste:
      if (OnClipboardPaste) OnClipboardPaste(this, allow);
      if (allow) PasteSelection();
      break;
    case TAction::Copy:
      if (OnClipboardCopy) OnClipboardCopy(this, allow);
      if (allow) CopySelection();
      break;
  }
  return true;
}

void TExtStringGrid::InsertRowByKey() {
  bool canInsert = true;
  CanInsertRow(Row(), canInsert);
  if (!canInsert) return;
  if (FNavigation->InsertPosition() == TInsertPosition::pInsertAfter) {
    if (FFixedRowAlways && RowCount() == TBaseGrid::FixedRows()) {
      AutoInsertRow(Row());
      SetRow(1);
    } else {
      AutoInsertRow(Row() + 1);
      SetRow(Row() + 1);
    }
  } else {
    // The new row, not the one pushed down, is where typing goes on.
    const int inserted = Row();
    AutoInsertRow(inserted);
    SetRow(inserted);
  }
  CalcFooter(-1);
}

void TExtStringGrid::DeleteRowByKey() {
  if (LastNormalRow() < FirstNormalRow()) return;
  bool canDelete = true;
  if (OnCanDeleteRow) OnCanDeleteRow(this, Row(), canDelete);
  if (!canDelete) return;
  AutoDeleteRow(Row());
  if (FFloatingFooter->Visible() && Row() == RowCount() - 1 && Row() > TBaseGrid::FixedRows()) SetRow(Row() - 1);
  CalcFooter(-1);
}

void TExtStringGrid::SelectAllByKey() {
  const int firstCol = TBaseGrid::FixedCols();
  const int firstRow = FirstNormalRow();
  const int lastCol = LastNormalCol();
  const int lastRow = LastNormalRow();
  if (lastCol < firstCol || lastRow < firstRow) return;
  // The current cell stays at the top-left corner.
  SetSelection({lastCol, lastRow, firstCol, firstRow});
  if (FMouseActions->DisjunctRowSelect())
    for (int row = firstRow; row <= lastRow; ++row) SetRowSelected(row, true);
}

void TExtStringGrid::SelectRowsByKey(bool Shift, bool Ctrl) {
  if (!Shift && !Ctrl) ClearRowSelection();
  if (Shift && FInput.DisjunctRowAnchor >= 0 && FInput.DisjunctRowAnchor < RowCount()) {
    ForEachBetween(FInput.DisjunctRowAnchor, Row(), [this](int row) { SetRowSelected(row, true); });
    return;
  }
  FInput.DisjunctRowAnchor = Row();
  SetRowSelected(Row(), true);
}

void TExtStringGrid::SelectColsByKey(bool Shift, bool Ctrl) {
  if (!Shift && !Ctrl) ClearColSelection();
  if (Shift && FInput.DisjunctColAnchor >= 0 && FInput.DisjunctColAnchor < ColCount()) {
    ForEachBetween(FInput.DisjunctColAnchor, Col(), [this](int col) { SetColSelected(col, true); });
    return;
  }
  FInput.DisjunctColAnchor = Col();
  SetColSelected(Col(), true);
}

void TExtStringGrid::AutoInsertRow(int ARow) {
  const int parent = HasNodes() ? GetParentNode(ARow) : -1;
  if (parent >= 0 && parent != ARow)
    InsertNodeChildRow(ARow, 0);
  else
    InsertRows(ARow, 1);
  if (OnAutoInsertRow) OnAutoInsertRow(this, ARow);
}

void TExtStringGrid::AutoDeleteRow(int ARow) {
  const bool onlyNormalRow = FirstNormalRow() == LastNormalRow();
  if (onlyNormalRow && !FFixedRowAlways) {
    ClearRows(ARow, 1);
  } else {
    const int parent = HasNodes() ? GetParentNode(ARow) : -1;
    if (parent >= 0 && parent != ARow)
      RemoveNodeChildRow(ARow);
    else
      RemoveRows(ARow, 1);
  }
  if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
}

void TExtStringGrid::RepaintSelectionFrame(const plat::TGridRect& Selection) {
  const int firstCol = LeftCol();
  const int lastCol = std::min(ColCount() - 1, LeftCol() + VisibleColCount());
  for (int row = Selection.Top; row <= Selection.Bottom; ++row)
    for (int col = firstCol; col <= lastCol; ++col) RepaintCell(col, row);
}

}  // namespace zorbit
