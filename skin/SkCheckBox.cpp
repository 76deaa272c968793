#include "skin/SkCheckBox.h"

#include <algorithm>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TextConstants.h"
#include "platform/ui/Accelerators.h"
#include "platform/ui/ControlPaint.h"
#include "platform/win/VirtualKeys.h"
#include "skin/SkMgr.h"
#include "skin/SkThemes.h"
#include "skin/SkinCanvas.h"
#include "skin/ThemeChoice.h"
#include "skin/ThemeValues.h"

namespace zorbit {

using plat::TBitmap;
using plat::TCanvas;
using plat::TRect;

namespace {

constexpr int kFrames = 4;

bool IsToggleKey(std::uint16_t Key) { return Key == plat::VK_SPACE || Key == plat::VK_RETURN; }

}  // namespace

TskCheckBox::TskCheckBox(plat::TComponent* AOwner) : TCustomControl(AOwner), FUIStyle(GetOwnerFormUIStyle(AOwner)) {
  SetControlStyle({plat::TControlStyleItem::csCaptureMouse, plat::TControlStyleItem::csClickEvents,
                   plat::TControlStyleItem::csOpaque, plat::TControlStyleItem::csSetCaption});
  SetTabStop(true);
  SetBounds(Left(), Top(), 93, 17);
  TCustomControl::SetAutoSize(true);
}

void TskCheckBox::SetUIStyle(TskUIStyle Value) {
  FUIStyle = Value;
  UpdateAutoSize();
  Invalidate();
}

void TskCheckBox::SetFileTheme(TskFileTheme* Value) {
  LinkFileTheme(*this, FFileTheme, Value);
  SetUIStyle(FUIStyle);
}

void TskCheckBox::Notification(plat::TComponent* AComponent, plat::TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (ForgetFreedTheme(FFileTheme, AComponent, Operation)) SetUIStyle(TskUIStyle::DeepBlue);
}

plat::TCheckBoxState TskCheckBox::State() const {
  return FChecked ? plat::TCheckBoxState::cbChecked : plat::TCheckBoxState::cbUnchecked;
}

void TskCheckBox::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  Invalidate();
  DoClick();
}

void TskCheckBox::SetTransparent(bool Value) {
  FTransparent = Value;
  Invalidate();
}

void TskCheckBox::SetAutoSize(bool Value) {
  TCustomControl::SetAutoSize(Value);
  UpdateAutoSize();
  Invalidate();
}

void TskCheckBox::DoClick() {
  if (ComponentState().Contains(plat::TComponentStateItem::csLoading)) return;
  // OnClick, or the linked action.
  TCustomControl::Click();
}

void TskCheckBox::Toggle() {
  BeforeToggle();
  SetChecked(!FChecked);
}

void TskCheckBox::Click() { Toggle(); }

void TskCheckBox::FocusIfPossible() {
  if (CanFocus() && Enabled() && Visible()) SetFocus();
}

void TskCheckBox::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
  if (Button == plat::TMouseButton::mbLeft) FocusIfPossible();
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TskCheckBox::KeyUp(std::uint16_t& Key, plat::TShiftState Shift) {
  if (TogglesOnKey() && IsToggleKey(Key) && Focused() && Enabled()) {
    Invalidate();
    Click();
  }
  TCustomControl::KeyUp(Key, Shift);
}

void TskCheckBox::WndProc(plat::TMessage& Message) {
  switch (Message.Msg) {
    case plat::WM_ERASEBKGND: Message.Result = 1; return;
    case plat::CM_WANTSPECIALKEY:
      if (Message.WParam == plat::VK_RETURN && TogglesOnKey()) {
        Message.Result = 1;
        return;
      }
      break;
    case plat::CM_DIALOGCHAR:
      if (Enabled() && plat::IsAccel(static_cast<char32_t>(Message.WParam), Caption())) {
        FocusIfPossible();
        Click();
        Message.Result = 1;
        return;
      }
      break;
    default: break;
  }
  TCustomControl::WndProc(Message);
  switch (Message.Msg) {
    case plat::CM_TEXTCHANGED:
    case plat::CM_FONTCHANGED: UpdateAutoSize(); [[fallthrough]];
    case plat::WM_SETFOCUS:
    case plat::WM_KILLFOCUS:
    case plat::CM_FOCUSCHANGED:
    case plat::CM_ENABLEDCHANGED: Invalidate(); break;
    default: break;
  }
}

void TskCheckBox::StateFrame(TBitmap& Frame) {
  const int index = (Enabled() ? 1 : 3) + (FChecked ? 0 : 1);
  TskUIStyle style;
  if (UsingFileTheme(FFileTheme, FUIStyle, style)) {
    FFileTheme->GetBitmapFrame(PictureElement(), Frame, kFrames, index);
  } else {
    GetBuiltinBitmapFrame(style, PictureElement(), &Frame, kFrames, index);
  }
}

int TskCheckBox::LineHeight(TCanvas& Canvas) {
  Canvas.SetFont(*Font());
  return Canvas.TextHeight("W");
}

void TskCheckBox::UpdateAutoSize() {
  if (!AutoSize()) return;
  TBitmap frame;
  StateFrame(frame);
  TBitmap measure;
  measure.SetSize(1, 1);
  TCanvas& canvas = *measure.Canvas();
  const int line = LineHeight(canvas);
  TRect text{0, 0, 0, 0};
  plat::DrawCanvasText(canvas, Caption(), text, plat::DT_SINGLELINE | plat::DT_CALCRECT);
  SetBounds(Left(), Top(), frame.Width() + text.Width() + 8, std::max(line + 2, frame.Height()) + 4);
}

void TskCheckBox::Paint() {
  UpdateAutoSize();
  const TRect client = ClientRect();
  if (client.IsEmpty()) return;
  TBitmap frame;
  StateFrame(frame);
  TBitmap buffer;
  buffer.SetSize(client.Width(), client.Height());
  TCanvas& canvas = *buffer.Canvas();
  if (FTransparent) {
    DrawParentBackground(canvas, *this);
  } else {
    FillRectColor(canvas, client, Color());
  }

  const int w = client.Width();
  const int h = client.Height();
  const int pw = frame.Width();
  const int line = LineHeight(canvas);
  const int textTop = (h - line) / 2;
  const bool rightToLeft = UseRightToLeftReading();
  if (!frame.Empty()) {
    if (PictureTransparent()) {
      frame.SetTransparentColor(frame.Canvas()->Pixels(0, 0));
      frame.SetTransparent(true);
    }
    canvas.Draw(rightToLeft ? w - pw - 1 : 1, (h - frame.Height()) / 2, &frame);
  }
  canvas.Brush()->SetStyle(plat::TBrushStyle::bsClear);
  TRect text = rightToLeft ? TRect{0, textTop, w - pw - 4, textTop + line} : TRect{pw + 4, textTop, w, textTop + line};
  plat::DrawCanvasText(canvas, Caption(), text,
                       plat::DT_SINGLELINE | plat::DT_NOCLIP | (rightToLeft ? plat::DT_RIGHT : 0));
  if (IsFocusedDraw()) {
    const TRect focus = rightToLeft ? TRect{0, textTop - 1, w - pw - 3, textTop + line + 1}
                                    : TRect{pw + 3, textTop - 1, w, textTop + line + 1};
    canvas.DrawFocusRect(focus);
  }
  Canvas()->Draw(0, 0, &buffer);
}

}  // namespace zorbit
