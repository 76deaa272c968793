#include "platform/ui/TCustomCheckBox.h"

#include "platform/gdi/GdiConstants.h"
#include "platform/ui/Accelerators.h"

namespace plat {

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) { SetBounds(Left(), Top(), 97, 17); }

void TCustomCheckBox::SetState(TCheckBoxState Value) {
  if (FState == Value) return;
  FState = Value;
  Invalidate();
  if (!ClicksDisabled()) Click();
}

void TCustomCheckBox::Toggle() {
  switch (FState) {
    case TCheckBoxState::cbUnchecked:
      SetState(FAllowGrayed ? TCheckBoxState::cbGrayed : TCheckBoxState::cbChecked);
      break;
    case TCheckBoxState::cbChecked: SetState(TCheckBoxState::cbUnchecked); break;
    case TCheckBoxState::cbGrayed: SetState(TCheckBoxState::cbChecked); break;
  }
}

void TCustomCheckBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<char32_t>(Message.WParam), Caption()) && CanFocus()) {
        SetFocus();
        if (Focused()) Toggle();
        Message.Result = 1;
        return;
      }
      break;
    case WM_GETDLGCODE: Message.Result = DLGC_BUTTON; return;
    default: break;
  }
  TButtonControl::WndProc(Message);
}

void TCustomCheckBox::Paint() {
  UINT state = DFCS_BUTTONCHECK;
  if (FState == TCheckBoxState::cbChecked) state |= DFCS_CHECKED;
  if (FState == TCheckBoxState::cbGrayed) state |= DFCS_BUTTON3STATE | DFCS_CHECKED;
  PaintCheckControl(state);
}

}  // namespace plat
