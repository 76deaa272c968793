// Committing an edit: a changed text is corrected and validated, recorded
// for undo and reported; a refused one leaves the edit open on its cell.
// The text from before the edit is what a commit compares with and what a
// refusal puts back.
#include <type_traits>

#include "extgrid/TExtStringGrid.h"
#include "grid/ExtStringGridCheck.h"
#include "grid/ExtUtilUnicode.h"
#include "grid/TExtGridUndoRedo.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Unicode.h"
#include "platform/ui/TInplaceEdit.h"

namespace zorbit {

void TExtStringGrid::StorePreEditText(int ACol, int ARow) {
  FEdit.EditCell = {ACol, ARow};
  const plat::TPoint base = GetBaseCell(DisplayToRealCol(ACol), ARow);
  FEdit.PreEditText = GetCellText(base.X, base.Y);
  FEdit.PreEditWideText = GetCellWideText(base.X, base.Y);
}

bool TExtStringGrid::CommitEdit(const plat::String& NewText) { return CommitText(NewText); }

bool TExtStringGrid::CommitWideEdit(const plat::WideString& NewText) { return CommitText(NewText); }

template <class TText>
bool TExtStringGrid::CommitText(const TText& NewText) {
  constexpr bool wide = std::is_same_v<TText, plat::WideString>;
  if (!FEdit.EditInProgress || FEdit.Committing) return true;
  FEdit.EditInProgress = false;
  FEdit.Committing = true;
  const plat::TGridCoord cell = FEdit.EditCell.X >= 0 ? FEdit.EditCell : plat::TGridCoord{Col(), Row()};
  const int realCol = DisplayToRealCol(cell.X);
  const plat::TPoint base = GetBaseCell(realCol, cell.Y);
  const auto store = [&](const TText& Text) {
    if constexpr (wide)
      SetCellWideText(base.X, base.Y, Text);
    else
      SetCellText(base.X, base.Y, Text);
  };
  // Whatever happens, the cell's text is what the next commit compares with.
  const plat::ScopeExit done([&] {
    FEdit.PreEditText = GetCellText(base.X, base.Y);
    FEdit.PreEditWideText = GetCellWideText(base.X, base.Y);
    FEdit.Committing = false;
  });
  const TText& before = [&]() -> const TText& {
    if constexpr (wide)
      return FEdit.PreEditWideText;
    else
      return FEdit.PreEditText;
  }();
  TText value = NewText;
  bool valid = true;
  if (value != before) {
    if (FShowModified->Enabled() && TBaseGrid::FixedCols() > 0) SetRowModified(cell.Y, true);
    const bool advance = FNavigation->AdvanceOnEnter();
    FNavigation->SetAdvanceOnEnter(false);
    const plat::ScopeExit restored([&] { FNavigation->SetAdvanceOnEnter(advance); });
    TExtStringGridCheck* checker = FCellChecker;
    if constexpr (wide) {
      CalcFooter(realCol);
      if (OnCellValidateWide) OnCellValidateWide(this, realCol, cell.Y, value, valid);
      CellsChanged(plat::TRect{realCol, cell.Y, realCol, cell.Y});
    } else {
      if (checker && checker->AutoCorrect()) value = checker->Correct(realCol, cell.Y, value);
      if (OnCellValidate) OnCellValidate(this, realCol, cell.Y, value, valid);
      if (valid) CalcFooter(realCol);
      if (checker && checker->AutoMarkError()) value = checker->MarkError(realCol, cell.Y, value);
    }
    if (valid) {
      if (TExtGridUndoRedo* undo = UndoRedo()) {
        if constexpr (wide)
          undo->AddChange(realCol, cell.Y, EncodeUnicodeCellText(before), EncodeUnicodeCellText(value));
        else
          undo->AddChange(realCol, cell.Y, before, value);
      }
      if constexpr (!wide) CellsChanged(plat::TRect{realCol, cell.Y, realCol, cell.Y});
    }
  }
  plat::TInplaceEdit* edit = InplaceEditor();
  const bool inplaceOpen = edit && edit->Visible();
  if (valid) {
    store(value);
    if (inplaceOpen && !wide) {
      edit->SetText(GetCellText(base.X, base.Y));
      edit->SetModified(false);
    }
    return true;
  }
  // Refused: the handler's text, or the one from before, and the edit goes
  // on where it was.
  store(value != NewText ? value : before);
  if (Col() != cell.X || Row() != cell.Y) {
    SetCol(cell.X);
    SetRow(cell.Y);
  }
  FEdit.EditInProgress = true;
  if (inplaceOpen) {
    edit->SetText(GetCellText(base.X, base.Y));
    edit->SetModified(false);
  }
  return false;
}

}  // namespace zorbit
