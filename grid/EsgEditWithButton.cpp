#include "grid/EsgEditWithButton.h"

#include <algorithm>

#include "grid/EsgUniEdit.h"
#include "grid/PasteLimit.h"
#include "grid/detail/EmbeddedButton.h"
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

template <class TEditBase>
TEsgEditWithButton<TEditBase>::TEsgEditWithButton(plat::TComponent* AOwner) : TEditBase(AOwner) {
  FButton = new TEsgEditButton(this);
  FButton->SetBounds(0, 0, kButtonSize, kButtonSize);
  FButton->SetVisible(true);
  FButton->SetParent(this);
  FButton->SetFocusControl(this);
  FButton->OnClick = [this](plat::TObject*) { ClickButton(); };
}

// The button goes with the other children; nothing reaches it from here on.
template <class TEditBase>
TEsgEditWithButton<TEditBase>::~TEsgEditWithButton() {
  FButton = nullptr;
}

template <class TEditBase>
void TEsgEditWithButton<TEditBase>::ClickButton() {
  if (OnClickBtn) OnClickBtn(this);
}

template <class TEditBase>
void TEsgEditWithButton<TEditBase>::SetButtonWidth(int Value) {
  FButton->SetWidth(Value);
  detail::PlaceEmbeddedButton(*this, *FButton);
  SetFormattingRect();
}

template <class TEditBase>
void TEsgEditWithButton<TEditBase>::SetRightAlign(bool Value) {
  if (FRightAlign == Value) return;
  FRightAlign = Value;
  if (this->HandleAllocated()) this->RecreateWnd();
}

template <class TEditBase>
void TEsgEditWithButton<TEditBase>::KeyDown(std::uint16_t& Key, plat::TShiftState Shift) {
  TEditBase::KeyDown(Key, Shift);
  if (Key == plat::VK_F4) ClickButton();
}

template <class TEditBase>
void TEsgEditWithButton<TEditBase>::CreateParams(plat::TCreateParams& Params) {
  TEditBase::CreateParams(Params);
  Params.Style |= plat::ES_MULTILINE | plat::WS_CLIPCHILDREN;
  if (FRightAlign) Params.Style |= plat::ES_RIGHT;
}

template <class TEditBase>
void TEsgEditWithButton<TEditBase>::CreateHandleNotify() {
  TEditBase::CreateHandleNotify();
  SetFormattingRect();
}

template <class TEditBase>
void TEsgEditWithButton<TEditBase>::SetFormattingRect() {
  if (!FButton || !this->HandleAllocated()) return;
  plat::TRect rect;
  rect.Left = rect.Top = this->BorderStyle() == plat::TBorderStyle::bsNone ? 2 : 1;
  rect.Right = this->ClientWidth() - FButton->Width() - UnitAreaWidth() - 3;
  rect.Bottom = this->ClientHeight() + 1;
  this->Perform(plat::EM_SETRECTNP, 0, reinterpret_cast<plat::LPARAM>(&rect));
}

template <class TEditBase>
int TEsgEditWithButton<TEditBase>::MinHeight() {
  const int fontHeight = plat::TFontMeasure(this->Font()).TextHeight();
  return fontHeight + std::min(detail::SystemFontHeight(), fontHeight) / 4;
}

template <class TEditBase>
void TEsgEditWithButton<TEditBase>::WndProc(plat::TMessage& Message) {
  switch (Message.Msg) {
    case plat::WM_CHAR:
      if (!FEditorEnabled) return;
      break;
    case plat::WM_PASTE:
      if (!FEditorEnabled || this->ReadOnly() || !ClipboardPasteFits(this->EditBuffer())) return;
      break;
    case plat::WM_CUT:
      if (!FEditorEnabled || this->ReadOnly()) return;
      break;
    default: break;
  }
  TEditBase::WndProc(Message);
  if (Message.Msg == plat::WM_SIZE) {
    detail::FitEditAroundButton(*this, FButton, MinHeight());
    SetFormattingRect();
  }
}

template class TEsgEditWithButton<plat::TCustomEdit>;
template class TEsgEditWithButton<TCustomUNIEdit>;

}  // namespace zorbit
