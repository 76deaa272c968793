#include "grid/EsgEditButton.h"

#include <algorithm>

#include "platform/win/Messages.h"

namespace zorbit {

namespace {

constexpr int kMinimumWidth = 15;

}  // namespace

TEsgEditButton::TEsgEditButton(plat::TComponent* AOwner) : plat::TWinControl(AOwner) {
  FButton = new TExtSpeedButton(this);
  FButton->SetParent(this);
  FButton->OnMouseDown = [this](plat::TObject*, plat::TMouseButton MouseButton, plat::TShiftState, int, int) {
    ButtonMouseDown(MouseButton);
  };
  SetBounds(0, 0, 20, 25);
}

void TEsgEditButton::SetFocusControl(plat::TWinControl* Value) { FFocusControl = Value; }

void TEsgEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  plat::TWinControl::SetBounds(ALeft, ATop, std::max(AWidth, kMinimumWidth), AHeight);
  if (FButton) FButton->SetBounds(0, 0, Width(), Height());
}

void TEsgEditButton::WndProc(plat::TMessage& Message) {
  plat::TWinControl::WndProc(Message);
  if (Message.Msg == plat::WM_SIZE && FButton) FButton->SetBounds(0, 0, Width(), Height());
}

void TEsgEditButton::ButtonMouseDown(plat::TMouseButton MouseButton) {
  if (MouseButton != plat::TMouseButton::mbLeft) return;
  if (OnClick) OnClick(this);
  if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused()) {
    FFocusControl->SetFocus();
  } else if (TabStop() && CanFocus() && !Focused()) {
    SetFocus();
  }
}

}  // namespace zorbit
