#include "platform/ui/TInplaceEdit.h"

#include "platform/ui/TCustomGrid.h"
#include "platform/win/StandardControlMessages.h"
#include "platform/win/VirtualKeys.h"

namespace plat {

TInplaceEdit::TInplaceEdit(TCustomGrid* AOwner) : TCustomMaskEdit(AOwner), FGrid(AOwner) {
  SetParentColor(false);
  SetBorderStyle(TBorderStyle::bsNone);
  SetVisible(false);
  SetTabStop(false);
  SetAutoSelect(true);
  EditBuffer().SetMultiLine(true);
}

void TInplaceEdit::CreateParams(TCreateParams& Params) {
  TCustomMaskEdit::CreateParams(Params);
  Params.Style |= ES_MULTILINE;
}

void TInplaceEdit::WndProc(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    // Enter and Escape belong to the grid, not to the form's buttons.
    Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
    if (FGrid->Options().Contains(TGridOption::goTabs)) Message.Result |= DLGC_WANTTAB;
    return;
  }
  TCustomMaskEdit::WndProc(Message);
}

void TInplaceEdit::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  TCustomMaskEdit::KeyDown(Key, Shift);
  const bool atStart = SelLength() == 0 && SelStart() == 0;
  const bool atEnd = SelLength() == 0 && SelStart() >= static_cast<int>(EditBuffer().Length());
  bool toGrid = false;
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: toGrid = true; break;
    case VK_TAB: toGrid = FGrid->Options().Contains(TGridOption::goTabs); break;
    case VK_LEFT: toGrid = atStart && !Shift.Contains(TShiftStateItem::ssShift); break;
    case VK_RIGHT: toGrid = atEnd && !Shift.Contains(TShiftStateItem::ssShift); break;
    case VK_ESCAPE:
      Key = 0;
      FGrid->CancelEditor();
      return;
    default: break;
  }
  if (!toGrid) return;
  // The grid commits the text when its current cell moves.
  FGrid->KeyDown(Key, Shift);
  Key = 0;
}

void TInplaceEdit::KeyPress(char32_t& Key) {
  if (Key == U'\r') {
    FGrid->KeyPress(Key);
    Key = 0;
    return;
  }
  // Escape and Tab were handled as keys; their characters go nowhere.
  if (Key == U'\x1b' || Key == U'\t') {
    Key = 0;
    return;
  }
  TCustomMaskEdit::KeyPress(Key);
}

void TInplaceEdit::DoExit() {
  TCustomMaskEdit::DoExit();
  FGrid->CommitEditor();
  // The focus went elsewhere than to the grid: the editor closes with it.
  if (!FGrid->Focused() && !FGrid->Options().Contains(TGridOption::goAlwaysShowEditor)) FGrid->HideEditor();
}

}  // namespace plat
