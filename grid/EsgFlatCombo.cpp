#include "grid/EsgFlatCombo.h"

#include <algorithm>

#include "grid/EsgUniComboBox.h"
#include "grid/PasteLimit.h"
#include "grid/detail/ThemeDataScope.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/ClipRegionSaver.h"
#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/EditBuffer.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TCustomForm.h"
#include "platform/win/Keyboard.h"
#include "platform/win/Messages.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowPos.h"

namespace zorbit {

namespace {

constexpr int kMinButtonWidth = 14;
constexpr int kMaxButtonWidth = 32;
// The visual style's combo drop-down button and its states.
constexpr int kDropDownButton = 1;
constexpr int kNormal = 1;
constexpr int kPressed = 3;

void FrameIn(plat::HDC DC, plat::TRect& Rect, plat::TColor Color) {
  const plat::HBRUSH brush = plat::CreateSolidBrush(plat::ColorToRGB(Color));
  plat::FrameRect(DC, &Rect, brush);
  plat::DeleteObject(brush);
  Rect = Rect.Inflated(-1, -1);
}

bool MouseButtonDown() {
  return (plat::GetKeyState(plat::VK_LBUTTON) & 0x8000) != 0 || (plat::GetKeyState(plat::VK_RBUTTON) & 0x8000) != 0;
}

}  // namespace

template <class TComboBase>
TEsgFlatCombo<TComboBase>::TEsgFlatCombo(plat::TComponent* AOwner)
    : TComboBase(AOwner), FButtonWidth(plat::GetSystemMetrics(plat::SM_CXVSCROLL) + 4) {
  this->SetCtl3D(!FFlat);
}

template <class TComboBase>
void TEsgFlatCombo<TComboBase>::SetButtonWidth(int Value) {
  if (Value < kMinButtonWidth || Value > kMaxButtonWidth) return;
  FButtonWidth = Value;
  Relayout();
}

template <class TComboBase>
void TEsgFlatCombo<TComboBase>::Relayout() {
  this->SetBounds(this->Left(), this->Top(), this->Width(), this->Height());
  this->Invalidate();
}

template <class TComboBase>
void TEsgFlatCombo<TComboBase>::SetFlat(bool Value) {
  if (FFlat == Value) return;
  FFlat = Value;
  this->SetCtl3D(!Value);
  Relayout();
}

template <class TComboBase>
void TEsgFlatCombo<TComboBase>::SetEtched(bool Value) {
  if (FEtched == Value) return;
  FEtched = Value;
  this->Invalidate();
}

template <class TComboBase>
void TEsgFlatCombo<TComboBase>::SetFocusBorder(bool Value) {
  if (FFocusBorder == Value) return;
  FFocusBorder = Value;
  this->Invalidate();
}

template <class TComboBase>
void TEsgFlatCombo<TComboBase>::SetDropWidth(int Value) {
  FDropWidth = Value;
  if (Value > 0) this->Perform(plat::CB_SETDROPPEDWIDTH, static_cast<plat::WPARAM>(Value), 0);
}

template <class TComboBase>
void TEsgFlatCombo<TComboBase>::SetThemed(bool Value) {
  if (FThemed == Value) return;
  FThemed = Value;
  this->Invalidate();
}

template <class TComboBase>
plat::TRect TEsgFlatCombo<TComboBase>::FlatButtonRect() {
  const int width = this->Width();
  const int height = this->Height();
  return {width - 2 - FButtonWidth, 2, width - 2, height - 2};
}

template <class TComboBase>
plat::TRect TEsgFlatCombo<TComboBase>::ToClient(const plat::TRect& Window) {
  if (!this->HandleAllocated()) return Window;
  plat::RECT frame;
  plat::GetWindowRect(this->Handle(), &frame);
  const plat::TPoint origin = this->ClientOrigin();
  return Window.Translated(frame.Left - origin.X, frame.Top - origin.Y);
}

template <class TComboBase>
plat::TRect TEsgFlatCombo<TComboBase>::ButtonRect() {
  if (!FFlat) return TComboBase::ButtonRect();
  const plat::TRect client = this->ClientRect();
  const int left = std::clamp(ToClient(FlatButtonRect()).Left, client.Left, client.Right);
  return {left, client.Top, client.Right, client.Bottom};
}

template <class TComboBase>
bool TEsgFlatCombo<TComboBase>::IsActive() {
  if (this->ComponentState().Contains(plat::TComponentStateItem::csDesigning) || !FFocusBorder) return false;
  plat::TCustomForm* form = plat::GetParentForm(this);
  return FMouseInControl || (form && form->ActiveControl() == this);
}

template <class TComboBase>
void TEsgFlatCombo<TComboBase>::DrawArrow(plat::HDC DC, const plat::TRect& Button) {
  if (FThemed && plat::IsThemeActive()) {
    const detail::TThemeDataScope theme(this->Handle(), u"combobox");
    if (theme.Theme()) {
      const plat::TRect rect = Button.Inflated(-1, -1);
      plat::DrawThemeBackground(theme.Theme(), DC, kDropDownButton, MouseButtonDown() ? kPressed : kNormal, &rect,
                                nullptr);
      return;
    }
  }
  // Inside the button's edge.
  plat::TRect face = Button.Inflated(-2, -2);
  plat::DrawFrameControl(DC, &face, plat::DFC_SCROLL,
                         plat::DFCS_SCROLLCOMBOBOX | plat::DFCS_FLAT | (this->Enabled() ? 0 : plat::DFCS_INACTIVE));
}

template <class TComboBase>
void TEsgFlatCombo<TComboBase>::PaintWindow(plat::HDC DC) {
  if (!FFlat) {
    TComboBase::PaintWindow(DC);
    return;
  }
  const plat::TRect client = this->ClientRect();
  if (this->Style() != plat::TComboBoxStyle::csOwnerDrawFixed) {
    const plat::HBRUSH brush = plat::CreateSolidBrush(plat::ColorToRGB(this->Color()));
    plat::FillRect(DC, &client, brush);
    plat::DeleteObject(brush);
  }
  DrawArrow(DC, ToClient(FlatButtonRect()));
  // The box's own painting keeps to the field, left of the flat button.
  const plat::ClipRegionSaver clip(DC);
  const plat::TRect button = ButtonRect();
  plat::ExcludeClipRect(DC, button.Left, button.Top, button.Right, button.Bottom);
  TComboBase::PaintWindow(DC);
}

template <class TComboBase>
void TEsgFlatCombo<TComboBase>::DrawFrame() {
  if (!FFlat || !this->HandleAllocated()) return;
  const plat::HWND window = this->Handle();
  const plat::HDC dc = plat::GetWindowDC(window);
  const plat::ScopeExit released([window, dc] { plat::ReleaseDC(window, dc); });
  const bool active = IsActive();
  const plat::TColor parentColor = this->Parent() ? this->Parent()->Color() : plat::clBtnFace;
  plat::TRect rect{0, 0, this->Width(), this->Height()};
  if (active) {
    plat::DrawEdge(dc, &rect, plat::BDR_SUNKENOUTER, plat::BF_RECT | plat::BF_ADJUST);
  } else {
    FrameIn(dc, rect, parentColor);
  }
  FrameIn(dc, rect, active ? plat::clBtnFace : parentColor);
  FrameIn(dc, rect, this->Color());
  if (this->Style() == plat::TComboBoxStyle::csOwnerDrawFixed || FThemed) return;
  plat::TRect button = FlatButtonRect();
  const plat::TRect face = button.Inflated(-2, -2);
  plat::ExcludeClipRect(dc, face.Left, face.Top, face.Right, face.Bottom);
  plat::DrawEdge(dc, &button, FEtched ? plat::EDGE_ETCHED : plat::EDGE_RAISED, plat::BF_RECT);
}

template <class TComboBase>
void TEsgFlatCombo<TComboBase>::EnabledChanged() {
  if (!FFlat) return;
  if (!this->Enabled()) {
    FSavedColor = this->Color();
    FSavedParentColor = this->ParentColor();
    this->SetParentColor(true);
  } else {
    this->SetColor(FSavedColor);
    this->SetParentColor(FSavedParentColor);
  }
}

template <class TComboBase>
void TEsgFlatCombo<TComboBase>::DropDown() {
  TComboBase::DropDown();
  this->Invalidate();
}

template <class TComboBase>
void TEsgFlatCombo<TComboBase>::CloseUp() {
  TComboBase::CloseUp();
  this->Invalidate();
}

template <class TComboBase>
void TEsgFlatCombo<TComboBase>::MouseCrossed(bool Entered) {
  FMouseInControl = Entered;
  DrawFrame();
  if (Entered && FAutoFocus && this->CanFocus() && !this->Focused()) this->SetFocus();
}

// Going from the box onto its edit part leaves the one and enters the
// other: the mouse stays in the box.
template <class TComboBase>
bool TEsgFlatCombo<TComboBase>::EditPartPasteFits() {
  for (int i = 0; i < this->ControlCount(); ++i) {
    auto* edit = dynamic_cast<plat::TCustomEdit*>(this->Controls(i));
    if (!edit) continue;
    plat::TEditBuffer buffer;
    buffer.SetText(edit->Text());
    buffer.SetSel(edit->SelStart(), edit->SelStart() + edit->SelLength());
    buffer.SetMaxLength(edit->MaxLength());
    return ClipboardPasteFits(buffer);
  }
  return true;
}

template <class TComboBase>
void TEsgFlatCombo<TComboBase>::EditWndProc(plat::TMessage& Message) {
  if (Message.Msg == plat::WM_PASTE && !EditPartPasteFits()) return;
  TComboBase::EditWndProc(Message);
  if (Message.Msg == plat::CM_MOUSEENTER || Message.Msg == plat::CM_MOUSELEAVE)
    MouseCrossed(Message.Msg == plat::CM_MOUSEENTER);
}

template <class TComboBase>
void TEsgFlatCombo<TComboBase>::WndProc(plat::TMessage& Message) {
  if (Message.Msg == plat::CM_ENABLEDCHANGED) EnabledChanged();
  TComboBase::WndProc(Message);
  switch (Message.Msg) {
    case plat::CM_MOUSEENTER:
    case plat::CM_MOUSELEAVE: MouseCrossed(Message.Msg == plat::CM_MOUSEENTER); break;
    case plat::WM_PAINT:
    case plat::WM_NCPAINT:
    case plat::CM_ENTER:
    case plat::CM_EXIT: DrawFrame(); break;
    default: break;
  }
}

template class TEsgFlatCombo<plat::TCustomComboBox>;
template class TEsgFlatCombo<TCustomUNIComboBox>;

}  // namespace zorbit
