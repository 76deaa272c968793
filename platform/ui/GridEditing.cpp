// TCustomGrid: the in-place editor. The grid opens it on the current cell
// (F2, Enter, a typed character, a double click, or always with
// goAlwaysShowEditor), keeps it over that cell while the view moves (hidden
// while the cell is out of view), and commits its text through SetEditText
// when it closes or the current cell moves on; a text the user did not
// change is not committed.
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Unicode.h"
#include "platform/ui/TCustomGrid.h"
#include "platform/ui/TInplaceEdit.h"

namespace plat {

bool TCustomGrid::SelectCell(int, int) { return true; }

bool TCustomGrid::CanEditShow() {
  return FOptions.Contains(TGridOption::goEditing) && !FOptions.Contains(TGridOption::goRowSelect) &&
         HandleAllocated() && Col() >= FixedCols() && Row() >= FixedRows();
}

bool TCustomGrid::CanEditAcceptKey(char32_t) { return true; }
String TCustomGrid::GetEditText(int, int) { return {}; }
void TCustomGrid::SetEditText(int, int, const String&) {}
String TCustomGrid::GetEditMask(int, int) { return {}; }
TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

void TCustomGrid::SetEditorMode(bool Value) {
  if (Value)
    ShowEditor();
  else
    HideEditor();
}

void TCustomGrid::ShowEditor() {
  if (!CanEditShow()) return;
  FEditorMode = true;
  UpdateEditor();
}

void TCustomGrid::ShowEditorChar(char32_t Ch) {
  ShowEditor();
  if (!FInplaceEdit || !FInplaceEdit->Visible()) return;
  FInplaceEdit->SelectAll();
  String typed;
  AppendUtf8(typed, Ch);
  for (unsigned char byte : typed) FInplaceEdit->Perform(WM_CHAR, byte, 0);
}

void TCustomGrid::UpdateEditor() {
  const bool wanted = FEditorMode || FOptions.Contains(TGridOption::goAlwaysShowEditor);
  if (!wanted || !CanEditShow()) {
    if (FInplaceEdit && FInplaceEdit->Visible()) HideEditor();
    return;
  }
  FEditorMode = true;
  if (!FInplaceEdit) {
    FInplaceEdit = CreateEditor();
    FInplaceEdit->SetParent(this);
  }
  if (FEditCell != FCurrent) {
    FEditCell = FCurrent;
    FInplaceEdit->SetEditMask(GetEditMask(Col(), Row()));
    FInplaceEdit->SetMaxLength(GetEditLimit());
    FInplaceEdit->SetReadOnly(!CanEditModify());
    FInplaceEdit->SetText(GetEditText(Col(), Row()));
    FInplaceEdit->SetModified(false);
  }
  const TRect cell = CellRect(Col(), Row());
  if (cell.IsEmpty()) {
    // The cell is out of view: the editor waits until it comes back.
    ParkEditor();
    return;
  }
  FInplaceEdit->SetBoundsRect(cell);
  const bool takeFocus = Focused();
  FInplaceEdit->SetVisible(true);
  if (takeFocus && FInplaceEdit->CanFocus() && !FInplaceEdit->Focused()) {
    FInplaceEdit->SetFocus();
    FInplaceEdit->SelectAll();
  }
  InvalidateCell(Col(), Row());
}

// The focus comes back to the grid before the editor hides, or it would
// fall to the form and close the editor as the grid loses it.
void TCustomGrid::ParkEditor() {
  FParking = true;
  const ScopeExit parked([this] { FParking = false; });
  if (FInplaceEdit->Focused() && CanFocus()) SetFocus();
  FInplaceEdit->SetVisible(false);
}

void TCustomGrid::CommitEditor() {
  if (!FInplaceEdit || FCommitting || FEditCell.X < 0 || !FInplaceEdit->Modified() ||
      ComponentState().Contains(TComponentStateItem::csDestroying))
    return;
  FCommitting = true;
  const ScopeExit done([this] { FCommitting = false; });
  FInplaceEdit->SetModified(false);
  SetEditText(FEditCell.X, FEditCell.Y, FInplaceEdit->Text());
  InvalidateCell(FEditCell.X, FEditCell.Y);
}

void TCustomGrid::HideEditor() {
  if (ComponentState().Contains(TComponentStateItem::csDestroying)) return;
  if (!FEditorMode && !(FInplaceEdit && FInplaceEdit->Visible())) return;
  CommitEditor();
  FEditorMode = false;
  if (!FInplaceEdit) return;
  ParkEditor();
  FEditCell = {-1, -1};
  InvalidateCell(Col(), Row());
}

void TCustomGrid::CancelEditor() {
  if (!FInplaceEdit) return;
  FInplaceEdit->SetText(GetEditText(Col(), Row()));
  FInplaceEdit->SetModified(false);
  if (FOptions.Contains(TGridOption::goAlwaysShowEditor)) {
    FInplaceEdit->SelectAll();
    return;
  }
  HideEditor();
}

void TCustomGrid::InvalidateEditor() {
  if (!FInplaceEdit || !FInplaceEdit->Visible()) return;
  FEditCell = {-1, -1};
  UpdateEditor();
}

void TCustomGrid::DoExit() {
  TCustomControl::DoExit();
  if (!FOptions.Contains(TGridOption::goAlwaysShowEditor) && !(FInplaceEdit && FInplaceEdit->Focused())) HideEditor();
}

}  // namespace plat
