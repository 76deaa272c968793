#include "grid/EsgEditBtn.h"

#include <algorithm>

#include "grid/detail/SystemFontHeight.h"
#include "platform/ui/FontMeasure.h"
#include "platform/win/Messages.h"
#include "platform/win/StandardControlMessages.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowStyles.h"

namespace zorbit {

namespace {

constexpr int kButtonSize = 18;

}  // namespace

TEsgEditBtn::TEsgEditBtn(plat::TComponent* AOwner) : plat::TCustomEdit(AOwner) {
  SetText("0");
  FButton = new TEsgEditButton(this);
  FButton->SetBounds(0, 0, kButtonSize, kButtonSize);
  FButton->SetVisible(true);
  FButton->SetParent(this);
  FButton->SetFocusControl(this);
  FButton->OnClick = [this](plat::TObject*) { ClickButton(); };
}

// The button goes with the other children; nothing reaches it from here on.
TEsgEditBtn::~TEsgEditBtn() { FButton = nullptr; }

void TEsgEditBtn::ClickButton() {
  if (OnClickBtn) OnClickBtn(this);
}

void TEsgEditBtn::SetButtonWidth(int Value) {
  FButton->SetWidth(Value);
  PlaceButton();
  SetFormattingRect();
}

void TEsgEditBtn::SetRightAlign(bool Value) {
  if (FRightAlign == Value) return;
  FRightAlign = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TEsgEditBtn::KeyDown(std::uint16_t& Key, plat::TShiftState Shift) {
  plat::TCustomEdit::KeyDown(Key, Shift);
  if (Key == plat::VK_F4) ClickButton();
}

void TEsgEditBtn::CreateParams(plat::TCreateParams& Params) {
  plat::TCustomEdit::CreateParams(Params);
  Params.Style |= plat::ES_MULTILINE | plat::WS_CLIPCHILDREN;
  if (FRightAlign) Params.Style |= plat::ES_RIGHT;
}

void TEsgEditBtn::CreateHandleNotify() {
  plat::TCustomEdit::CreateHandleNotify();
  SetFormattingRect();
}

void TEsgEditBtn::SetFormattingRect() {
  if (!FButton || !HandleAllocated()) return;
  plat::TRect rect;
  rect.Left = rect.Top = BorderStyle() == plat::TBorderStyle::bsNone ? 2 : 1;
  rect.Right = ClientWidth() - FButton->Width() - UnitAreaWidth() - 3;
  rect.Bottom = ClientHeight() + 1;
  Perform(plat::EM_SETRECTNP, 0, reinterpret_cast<plat::LPARAM>(&rect));
}

int TEsgEditBtn::MinHeight() {
  const int fontHeight = plat::TFontMeasure(Font()).TextHeight();
  return fontHeight + std::min(detail::SystemFontHeight(), fontHeight) / 4;
}

void TEsgEditBtn::PlaceButton() {
  if (!FButton) return;
  // The platform's edits always have the three-dimensional look.
  const int borderless = BorderStyle() == plat::TBorderStyle::bsNone ? 4 : 0;
  FButton->SetBounds(Width() - FButton->Width() - 5 + borderless, 0, FButton->Width(), Height() - 5 + borderless);
}

void TEsgEditBtn::WndProc(plat::TMessage& Message) {
  switch (Message.Msg) {
    case plat::WM_CHAR:
      if (!FEditorEnabled) return;
      break;
    case plat::WM_PASTE:
    case plat::WM_CUT:
      if (!FEditorEnabled || ReadOnly()) return;
      break;
    default: break;
  }
  plat::TCustomEdit::WndProc(Message);
  if (Message.Msg == plat::WM_SIZE) {
    const int minHeight = MinHeight();
    if (Height() < minHeight) {
      SetHeight(minHeight);
    } else {
      PlaceButton();
    }
    SetFormattingRect();
  }
}

}  // namespace zorbit
