// Moving while editing: which cell may become current and what that does to
// the edit (the editing option follows the cell, an open edit is committed
// first), the advance to the next editable cell after Enter, and the
// characters that open, commit and cancel an edit.
#include "extgrid/TExtStringGrid.h"
#include "grid/ExtUtilText.h"
#include "grid/ExtUtilUnicode.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/TInplaceEdit.h"

namespace zorbit {

using plat::TGridOption;

bool TExtStringGrid::SelectCell(int ACol, int ARow) {
  const int oldCol = Col();
  const int oldRow = Row();
  bool allow = true;
  if (ACol >= 0 && ARow >= 0) {
    if (ARow != oldRow && OnRowChanging) OnRowChanging(this, oldRow, ARow, allow);
    if (ACol != oldCol && OnColChanging) OnColChanging(this, oldCol, ACol, allow);
    if (!FEdit.AdvanceInProgress && (ACol != oldCol || ARow != oldRow) && OnCellChanging)
      OnCellChanging(this, oldRow, oldCol, ARow, ACol, allow);
  }
  if (!allow) return false;
  const bool rowSelect = Options().Contains(TGridOption::goRowSelect);
  if (ACol != 0 || !HasNodes() || rowSelect) {
    if (FEdit.EditInProgress && FEdit.ActiveEditorControl) EndCellEdit();
    plat::TGridOptions options = Options();
    const bool editing = options.Contains(TGridOption::goEditing);
    if (IsControlCell(ACol, ARow)) {
      bool can = true;
      CanEditCell(ACol, ARow, can);
      FEdit.EditOptionSuspended = false;
      if (!editing && !rowSelect && can) SetOptions(options.Include(TGridOption::goEditing));
    } else {
      bool can = editing || FEdit.EditOptionSuspended;
      CanEditCell(ACol, ARow, can);
      if (can) {
        FEdit.EditOptionSuspended = false;
        if (!editing) {
          if (!FEdit.EditInProgress) StorePreEditText(ACol, ARow);
          SetOptions(options.Include(TGridOption::goEditing));
        }
      } else if (editing) {
        FEdit.EditOptionSuspended = true;
        SetOptions(options.Exclude(TGridOption::goEditing));
      }
    }
  }
  if (FEdit.EditInProgress) {
    // Whatever the editor holds is committed before the cell changes; a
    // refusal keeps the edit where it is.
    plat::TInplaceEdit* edit = InplaceEditor();
    const plat::String text = edit && edit->Visible() ? edit->Text() : CurrentCellText();
    const bool accepted = ClassifyCellText(text, false) == CellTextUnicode
                              ? CommitWideEdit(DecodeUnicodeCellText(text))
                              : CommitEdit(text);
    if (!accepted) return false;
  }
  if (IsFixedCellAt(ACol, ARow) || !TBaseGrid::SelectCell(ACol, ARow)) return false;
  // The in-place edit follows the current cell; the next cell chooses its
  // own editor.
  if ((ACol != oldCol || ARow != oldRow) && !FEdit.ActiveEditorControl) FEdit.EditorActive = false;
  if (!RowIndicator()->Empty() && TBaseGrid::FixedCols() > 0) {
    RepaintCell(0, oldRow);
    RepaintCell(0, ARow);
  }
  if (FActiveCellShow) RepaintHeadings(oldCol, oldRow, ARow, ACol);
  if (ActiveRowShow()) {
    RepaintRow(oldRow);
    RepaintRow(ARow);
  }
  if (!Loading() && ARow != FLastReportedRow && FUpdateCount == 0 && OnRowUpdate) {
    const int reported = FLastReportedRow;
    FLastReportedRow = ARow;
    OnRowUpdate(this, reported, ARow);
  }
  FEdit.EditStartText = EditCellText(DisplayToRealCol(ACol), ARow);
  return true;
}

void TExtStringGrid::MoveAdvancing(int ACol, int ARow) {
  FEdit.AdvanceInProgress = true;
  const plat::ScopeExit done([this] { FEdit.AdvanceInProgress = false; });
  FocusCell(ACol, ARow, true);
}

bool TExtStringGrid::NextAdvanceCell(int& ACol, int& ARow, bool Forward) {
  const int firstCol = TBaseGrid::FixedCols() == 0 && HasNodes() ? 1 : TBaseGrid::FixedCols();
  const int lastCol = ColCount() - FFixedRightCols - 1;
  const int firstRow = TBaseGrid::FixedRows();
  const int lastRow = RowCount() - FFixedFooters - 1;
  if (firstCol > lastCol || firstRow > lastRow) return false;
  const bool leftRight = FNavigation->AdvanceDirection() == TAdvanceDirection::adLeftRight;
  if (!Forward) {
    if (leftRight) {
      if (--ACol < firstCol) {
        ACol = lastCol;
        ARow = ARow > firstRow ? ARow - 1 : lastRow;
      }
    } else if (--ARow < firstRow) {
      ARow = lastRow;
      ACol = ACol > firstCol ? ACol - 1 : lastCol;
    }
    return true;
  }
  if (leftRight) {
    ACol += std::max(GetCellSpan(ACol, ARow).X, 0) + 1;
    if (ACol <= lastCol) return true;
    ACol = firstCol;
    if (ARow < lastRow) {
      ++ARow;
      return true;
    }
    if (!FNavigation->AdvanceInsert()) {
      ARow = firstRow;
      return true;
    }
    bool canAdd = true;
    CanAddRow(canAdd);
    if (!canAdd) return false;
    AddRow();
    ARow = RowCount() - FFixedFooters - 1;
    if (FFloatingFooter->Visible()) ARow = RowCount() - 2;
    if (OnAutoAddRow) OnAutoAddRow(this, ARow);
    for (int c = firstCol; c <= lastCol; ++c)
      if (CanEditCellAt(c, ARow)) return true;
    return false;
  }
  ARow += std::max(GetCellSpan(ACol, ARow).Y, 0) + 1;
  if (ARow <= lastRow) return true;
  ARow = firstRow;
  if (ACol < lastCol) {
    ++ACol;
  } else if (FNavigation->AdvanceInsert()) {
    InsertCols(lastCol + 1, 1);
    ACol = lastCol + 1;
    if (OnAutoInsertCol) OnAutoInsertCol(this, ACol);
  } else {
    ACol = firstCol;
  }
  Invalidate();
  return true;
}

void TExtStringGrid::AdvanceCell(int ACol, int ARow, bool Retry, bool Forward, bool ShowEditor, bool Force) {
  if (!FNavigation->AdvanceOnEnter() && !Force) return;
  if (FMouseActions->RangeSelectAndEdit() && !Options().Contains(TGridOption::goEditing))
    SetOptions(Options().Include(TGridOption::goEditing));
  // One loop walks on from (ACol, ARow) until an editable cell or one round
  // of the grid; a repeated try (Retry) needs no mark of its own.
  (void)Retry;
  int col = ACol;
  int row = ARow;
  const long round = static_cast<long>(ColCount()) * RowCount() + 1;
  bool found = false;
  for (long step = 0; step < round && !found; ++step) {
    if (!NextAdvanceCell(col, row, Forward)) return;
    if (col == ACol && row == ARow) break;
    found = CanEditCellAt(col, row);
  }
  if (!found) return;
  int newRow = row;
  int newCol = col;
  bool allow = true;
  if (OnAutoAdvance) OnAutoAdvance(this, ARow, ACol, newRow, newCol, allow);
  if (allow && OnCellChanging) OnCellChanging(this, ARow, ACol, newRow, newCol, allow);
  if (!allow) {
    MoveAdvancing(ACol, ARow);
    return;
  }
  MoveAdvancing(newCol, newRow);
  if (IsControlCell(Col(), Row()) || ShowEditor) TBaseGrid::ShowEditor();
}

bool TExtStringGrid::EnterKey() {
  const bool controlCell = IsControlCell(Col(), Row());
  if (Focused() && !controlCell) return false;
  const plat::TGridCoord before{Col(), Row()};
  AdvanceCell(Col(), Row(), false, true, false, false);
  const bool moved = before != plat::TGridCoord{Col(), Row()};
  if (moved && IsControlCell(Col(), Row())) return true;
  // An advance closed the editor on the way; Enter does not open it again.
  return moved;
}

void TExtStringGrid::KeyPress(char32_t& Key) {
  if (Key == U'\x1b' && Options().Contains(TGridOption::goEditing) && FEdit.EditInProgress) RestoreEditText();
  if (Key == U'\r' && !FNavigation->AdvanceOnEnter() && !CanEditCellAt(Col(), Row())) {
    if (OnKeyPress) OnKeyPress(this, Key);
    Key = 0;
    return;
  }
  if (Key == U'\r' && EnterKey()) {
    if (OnKeyPress) OnKeyPress(this, Key);
    Key = 0;
    return;
  }
  // Without editing, typing looks the rows up.
  LookupTypedKey(Key);
  // A typed character opens the editor; a control editor takes it too.
  FEdit.PendingKey = Key >= U' ' || Key == U'\b' ? Key : 0;
  const plat::ScopeExit typed([this] { FEdit.PendingKey = 0; });
  TBaseGrid::KeyPress(Key);
}

}  // namespace zorbit
