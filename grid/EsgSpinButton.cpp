#include "grid/EsgSpinButton.h"

#include <algorithm>

#include "platform/gdi/TBitmap.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"

namespace zorbit {

TEsgSpinButton::TEsgSpinButton(plat::TComponent* AOwner) : plat::TWinControl(AOwner) {
  FUpButton = MakeButton(TExtButtonDirection::bdUp, true);
  FDownButton = MakeButton(TExtButtonDirection::bdDown, false);
  FFocusedButton = FUpButton;
  SetUpGlyph(nullptr);
  SetDownGlyph(nullptr);
  SetBounds(0, 0, 15, 25);
}

TExtTimerSpeedButton* TEsgSpinButton::MakeButton(TExtButtonDirection Direction, bool Up) {
  auto* button = new TExtTimerSpeedButton(this);
  button->SetParent(this);
  button->SetButtonDirection(Direction);
  button->SetTimeBtnState({TTimeBtnStateItem::tbAllowTimer});
  button->OnClick = [this, Up](plat::TObject*) {
    if (const plat::TNotifyEvent handler = Up ? OnUpClick : OnDownClick) handler(this);
  };
  button->OnMouseDown = [this, button](plat::TObject*, plat::TMouseButton MouseButton, plat::TShiftState, int, int) {
    ButtonMouseDown(button, MouseButton);
  };
  return button;
}

void TEsgSpinButton::SetDirection(TSpinDirection Value) {
  if (FDirection == Value) return;
  FDirection = Value;
  const bool vertical = Value == TSpinDirection::spVertical;
  FUpButton->SetButtonDirection(vertical ? TExtButtonDirection::bdUp : TExtButtonDirection::bdRight);
  FDownButton->SetButtonDirection(vertical ? TExtButtonDirection::bdDown : TExtButtonDirection::bdLeft);
  if (HandleAllocated()) RecreateWnd();
  SetBounds(Left(), Top(), MinimumWidth(), Height());
}

void TEsgSpinButton::SetUpGlyph(const plat::TBitmap* Value) {
  if (Value) {
    FUpButton->SetGlyph(Value);
    return;
  }
  FUpButton->Glyph()->LoadFromResourceName(nullptr, "EsgSpinUp");
  FUpButton->SetNumGlyphs(1);
}

void TEsgSpinButton::SetDownGlyph(const plat::TBitmap* Value) {
  if (Value) {
    FDownButton->SetGlyph(Value);
    return;
  }
  FDownButton->Glyph()->LoadFromResourceName(nullptr, "EsgSpinDown");
  FDownButton->SetNumGlyphs(1);
}

void TEsgSpinButton::SetFocusControl(plat::TWinControl* Value) { FFocusControl = Value; }

void TEsgSpinButton::SetThemed(bool Value) {
  FUpButton->SetThemed(Value);
  FDownButton->SetThemed(Value);
}

// Layout.

void TEsgSpinButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  plat::TWinControl::SetBounds(ALeft, ATop, std::max(AWidth, MinimumWidth()), AHeight);
  LayOutButtons();
}

void TEsgSpinButton::LayOutButtons() {
  // The buttons are made in the constructor, after the first bounds.
  if (!FUpButton || !FDownButton) return;
  const int width = Width();
  const int height = Height();
  if (FDirection == TSpinDirection::spVertical) {
    const int half = height / 2;
    FUpButton->SetBounds(0, 0, width, half);
    FDownButton->SetBounds(0, half - 1, width, height - half + 1);
  } else {
    const int half = width / 2;
    FDownButton->SetBounds(0, 0, half, height);
    FUpButton->SetBounds(half, 0, width - half, height);
  }
}

// Focus and keys.

void TEsgSpinButton::ButtonMouseDown(TExtTimerSpeedButton* Button, plat::TMouseButton MouseButton) {
  if (MouseButton != plat::TMouseButton::mbLeft) return;
  if (CanFocus()) SetFocusedButton(Button);
  if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused()) {
    FFocusControl->SetFocus();
  } else if (TabStop() && CanFocus() && !Focused()) {
    SetFocus();
  }
}

void TEsgSpinButton::SetFocusedButton(TExtTimerSpeedButton* Button) {
  if (FFocusedButton == Button) return;
  const bool shown = Focused();
  ShowFocus(false);
  FFocusedButton = Button;
  ShowFocus(shown);
}

void TEsgSpinButton::ShowFocus(bool Shown) {
  TTimeBtnState state = FFocusedButton->TimeBtnState();
  if (Shown) {
    state.Include(TTimeBtnStateItem::tbFocusRect);
  } else {
    state.Exclude(TTimeBtnStateItem::tbFocusRect);
  }
  FFocusedButton->SetTimeBtnState(state);
}

void TEsgSpinButton::KeyDown(std::uint16_t& Key, plat::TShiftState Shift) {
  plat::TWinControl::KeyDown(Key, Shift);
  switch (Key) {
    case plat::VK_UP:
      SetFocusedButton(FUpButton);
      FUpButton->Click();
      break;
    case plat::VK_DOWN:
      SetFocusedButton(FDownButton);
      FDownButton->Click();
      break;
    case plat::VK_SPACE: FFocusedButton->Click(); break;
    default: break;
  }
}

void TEsgSpinButton::WndProc(plat::TMessage& Message) {
  if (Message.Msg == plat::WM_GETDLGCODE) {
    Message.Result = plat::DLGC_WANTARROWS;
    return;
  }
  plat::TWinControl::WndProc(Message);
  switch (Message.Msg) {
    case plat::WM_SETFOCUS: ShowFocus(true); break;
    case plat::WM_KILLFOCUS: ShowFocus(false); break;
    case plat::WM_SIZE: LayOutButtons(); break;
    default: break;
  }
}

}  // namespace zorbit
