#include "platform/ui/TRadioButton.h"

#include "platform/gdi/GdiConstants.h"
#include "platform/ui/Accelerators.h"
#include "platform/win/Keyboard.h"
#include "platform/win/VirtualKeys.h"

namespace plat {

namespace {

bool ArrowHeld() {
  for (UINT key : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN}) {
    if (GetKeyState(static_cast<int>(key)) & 0x8000) return true;
  }
  return false;
}

}  // namespace

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
  SetBounds(Left(), Top(), 113, 17);
  SetTabStop(false);
}

void TRadioButton::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  SetTabStop(Value);
  Invalidate();
  if (!Value) return;
  if (TWinControl* parent = Parent()) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
      if (sibling && sibling != this) sibling->SetChecked(false);
    }
  }
  if (!ClicksDisabled()) Click();
}

void TRadioButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<char32_t>(Message.WParam), Caption()) && CanFocus()) {
        SetFocus();
        if (Focused()) SetChecked(true);
        Message.Result = 1;
        return;
      }
      break;
    case WM_GETDLGCODE: Message.Result = DLGC_BUTTON | DLGC_RADIOBUTTON; return;
    case WM_SETFOCUS:
      TButtonControl::WndProc(Message);
      // Reached with the arrow keys: the focus checks it.
      if (ArrowHeld()) SetChecked(true);
      return;
    default: break;
  }
  TButtonControl::WndProc(Message);
}

void TRadioButton::Paint() { PaintCheckControl(DFCS_BUTTONRADIO | (FChecked ? DFCS_CHECKED : 0)); }

}  // namespace plat
