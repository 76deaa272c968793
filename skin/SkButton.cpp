#include "skin/SkButton.h"

#include <algorithm>

#include "platform/gdi/TextConstants.h"
#include "platform/rtl/StringUtils.h"
#include "platform/ui/Accelerators.h"
#include "platform/ui/ControlPaint.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TTimer.h"
#include "platform/win/VirtualKeys.h"
#include "skin/SkMgr.h"
#include "skin/SkThemes.h"
#include "skin/SkinCanvas.h"
#include "skin/SkinPictures.h"
#include "skin/ThemeChoice.h"
#include "skin/ThemeValues.h"

namespace zorbit {

using plat::TBitmap;
using plat::TCanvas;
using plat::TMessage;
using plat::TRect;

namespace {

// The state picture when fetching it failed.
constexpr int kBlankWidth = 74;
constexpr int kBlankHeight = 21;
constexpr plat::TColor kDisabledText = 0x808080;

bool IsPressKey(std::uint16_t Key) { return Key == plat::VK_SPACE || Key == plat::VK_RETURN; }

}  // namespace

// TskCustomButton

TskCustomButton::TskCustomButton(plat::TComponent* AOwner)
    : TCustomControl(AOwner), FUIStyle(GetOwnerFormUIStyle(AOwner)) {
  // No children; a quick second click is a second click.
  SetControlStyle({plat::TControlStyleItem::csCaptureMouse, plat::TControlStyleItem::csClickEvents,
                   plat::TControlStyleItem::csOpaque, plat::TControlStyleItem::csSetCaption});
  SetTabStop(true);
}

TskCustomButton::~TskCustomButton() = default;

void TskCustomButton::SetUIStyle(TskUIStyle Value) {
  FUIStyle = Value;
  ApplyTheme();
  Invalidate();
}

void TskCustomButton::SetFileTheme(TskFileTheme* Value) {
  LinkFileTheme(*this, FFileTheme, Value);
  SetUIStyle(UIStyle());
}

bool TskCustomButton::UsesFileTheme(TskUIStyle& Style) const { return UsingFileTheme(FFileTheme, UIStyle(), Style); }

void TskCustomButton::Notification(plat::TComponent* AComponent, plat::TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (ForgetFreedTheme(FFileTheme, AComponent, Operation)) SetUIStyle(TskUIStyle::DeepBlue);
}

void TskCustomButton::SetDefault(bool Value) {
  FDefault = Value;
  if (!HandleAllocated()) return;
  // The form's controls work out again which button answers Enter.
  if (plat::TCustomForm* form = plat::GetParentForm(this)) {
    form->Perform(plat::CM_FOCUSCHANGED, 0, reinterpret_cast<plat::LPARAM>(form->ActiveControl()));
  }
}

void TskCustomButton::SetTransparent(bool Value) {
  FTransparent = Value;
  UpdateTransparent();
  Invalidate();
}

void TskCustomButton::UpdateTransparent() {
  FDrawTransparent = FTransparent;
  Invalidate();
}

void TskCustomButton::SetAutoSize(bool Value) {
  TCustomControl::SetAutoSize(Value);
  UpdateAutoSize();
  Invalidate();
}

void TskCustomButton::SetFocusedRectMargin(int Value) {
  FFocusedRectMargin = Value;
  Invalidate();
}

void TskCustomButton::Click() {
  if (FPressed) {
    FreeRepeatTimer();
    FPressed = false;
    Invalidate();
  }
  if (Parent()) {
    if (plat::TCustomForm* form = plat::GetParentForm(this)) form->SetModalResult(FModalResult);
  }
  TCustomControl::Click();
}

void TskCustomButton::FocusChanged(plat::TWinControl* Focused) {
  FActiveDefault = dynamic_cast<TskButton*>(Focused) ? Focused == this : FDefault;
  Invalidate();
}

void TskCustomButton::CreateHandleNotify() {
  TCustomControl::CreateHandleNotify();
  FActiveDefault = FDefault;
}

// The repeat timer.

void TskCustomButton::StartRepeatTimer() {
  if (FRepeatTimer) return;
  if (!FInRepeatTick) FRetiredTimer.reset();
  FRepeatTimer = std::make_unique<plat::TTimer>(nullptr);
  FRepeatTimer->SetInterval(static_cast<unsigned>(std::max(FRepeatInterval, 0)));
  FRepeatTimer->OnTimer = [this](plat::TObject*) { RepeatTick(); };
}

void TskCustomButton::FreeRepeatTimer() {
  if (!FRepeatTimer) return;
  if (FInRepeatTick) {
    // Its tick is still running: deleting it now would pull the handler
    // from under itself.
    FRepeatTimer->SetEnabled(false);
    FRetiredTimer = std::move(FRepeatTimer);
    return;
  }
  FRepeatTimer.reset();
  FRetiredTimer.reset();
}

void TskCustomButton::RepeatTick() {
  const std::weak_ptr<bool> alive = FAlive;
  FInRepeatTick = true;
  if (OnMouseContinuouslyDown) OnMouseContinuouslyDown(this);
  if (alive.expired()) return;
  FInRepeatTick = false;
}

// Mouse and keys.

void TskCustomButton::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
  if (Button == plat::TMouseButton::mbLeft) {
    FPressed = true;
    StartRepeatTimer();
    if (TabStop() && CanFocus() && Enabled() && Visible()) {
      try {
        SetFocus();
      } catch (const plat::EInvalidOperation&) {
        // The form would not give the focus; the press goes on without it.
      }
    }
    Invalidate();
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TskCustomButton::MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
  if (Button == plat::TMouseButton::mbLeft) FreeRepeatTimer();
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TskCustomButton::MouseMove(plat::TShiftState Shift, int X, int Y) {
  if (X < 0 || Y < 0 || X > Width() || Y > Height()) {
    FHot = false;
    FPressed = false;
    Invalidate();
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TskCustomButton::KeyDown(std::uint16_t& Key, plat::TShiftState Shift) {
  if (IsPressKey(Key) && Focused() && Enabled()) {
    FPressed = true;
    Invalidate();
  }
  TCustomControl::KeyDown(Key, Shift);
}

void TskCustomButton::KeyUp(std::uint16_t& Key, plat::TShiftState Shift) {
  if (IsPressKey(Key) && Focused() && FPressed && Enabled()) {
    FPressed = false;
    Invalidate();
    Click();
  }
  TCustomControl::KeyUp(Key, Shift);
}

void TskCustomButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case plat::WM_ERASEBKGND: Message.Result = 1; return;
    case plat::CM_WANTSPECIALKEY:
      // Enter presses the focused button down and clicks it on release.
      if (Message.WParam == plat::VK_RETURN) {
        Message.Result = 1;
        return;
      }
      break;
    case plat::CM_DIALOGKEY:
      if (((Message.WParam == plat::VK_RETURN && FActiveDefault) || (Message.WParam == plat::VK_ESCAPE && FCancel)) &&
          plat::ShiftStateOf(plat::TKeyMessage::From(Message)).Empty() && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    case plat::CM_DIALOGCHAR:
      if (Enabled() && plat::IsAccel(static_cast<char32_t>(Message.WParam), Caption())) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    case plat::CM_FOCUSCHANGED:
      FocusChanged(reinterpret_cast<plat::TWinControl*>(Message.LParam));
      break;
    case plat::CM_MOUSEENTER:
      if (!ComponentState().Contains(plat::TComponentStateItem::csDesigning)) {
        FHot = true;
        Invalidate();
        TCustomControl::WndProc(Message);
      }
      return;
    case plat::CM_MOUSELEAVE:
      FHot = false;
      FPressed = false;
      FreeRepeatTimer();
      Invalidate();
      TCustomControl::WndProc(Message);
      if (OnMouseExit) OnMouseExit(this);
      return;
    default: break;
  }
  TCustomControl::WndProc(Message);
  switch (Message.Msg) {
    case plat::WM_SETFOCUS:
    case plat::WM_KILLFOCUS: Invalidate(); break;
    case plat::CM_TEXTCHANGED:
      CaptionChanged();
      Invalidate();
      break;
    case plat::CM_FONTCHANGED: FontChanged(); break;
    case plat::CM_ENABLEDCHANGED:
      if (!Enabled()) {
        FPressed = false;
        FreeRepeatTimer();
      }
      EnabledChanged();
      Invalidate();
      break;
    case plat::CM_VISIBLECHANGED:
    case plat::CM_SHOWINGCHANGED:
      if (!Visible() || !Showing()) {
        FPressed = false;
        FreeRepeatTimer();
      }
      break;
    default: break;
  }
}

// Painting.

void TskCustomButton::StatePicture(TBitmap& Picture) {
  try {
    if (!Enabled()) {
      GetDisabledPicture(Picture);
    } else if (FPressed) {
      GetMouseDownPicture(Picture);
    } else if (FHot) {
      GetMouseOnPicture(Picture);
    } else {
      GetNormalPicture(Picture);
    }
  } catch (const plat::Exception&) {
    Picture.SetSize(0, 0);
    Picture.SetSize(kBlankWidth, kBlankHeight);
  }
}

void TskCustomButton::Paint() {
  const TRect client = ClientRect();
  if (client.IsEmpty()) return;
  TBitmap buffer;
  buffer.SetSize(client.Width(), client.Height());
  TCanvas& canvas = *buffer.Canvas();
  TBitmap picture;
  StatePicture(picture);
  if (FTransparent) {
    DrawParentBackground(canvas, *this);
  } else {
    FillRectColor(canvas, client, Color());
  }
  DrawPicture(canvas, picture);
  FBoldCaptionOnce = false;
  if (Focused() && TabStop()) DrawFocus(canvas);
  if (!plat::Trim(Caption()).empty()) DrawCaption(canvas);
  Canvas()->Draw(0, 0, &buffer);
}

void TskCustomButton::DrawPicture(TCanvas& Canvas, TBitmap& Picture) {
  DrawNineSlice(Picture, Canvas, ClientRect(), FDrawTransparent);
}

void TskCustomButton::DrawFocus(TCanvas& Canvas) {
  const int margin = FFocusedRectMargin;
  Canvas.DrawFocusRect(ClientRect().Inflated(-margin, -margin));
}

void TskCustomButton::DrawCaptionText(TCanvas& Canvas, TRect Rect, plat::UINT Format) {
  Canvas.SetFont(*Font());
  if (FBoldCaptionOnce) Canvas.Font()->SetStyle(Canvas.Font()->Style() + plat::TFontStyles{plat::TFontStyle::fsBold});
  Canvas.Brush()->SetStyle(plat::TBrushStyle::bsClear);
  const plat::String caption = Caption();
  if (!Enabled()) {
    TRect etched = Rect.Translated(1, 1);
    Canvas.Font()->SetColor(plat::clWhite);
    plat::DrawCanvasText(Canvas, caption, etched, Format);
    Canvas.Font()->SetColor(kDisabledText);
  }
  plat::DrawCanvasText(Canvas, caption, Rect, Format);
}

void TskCustomButton::DrawCaption(TCanvas& Canvas) {
  const TRect client = ClientRect();
  const plat::UINT format = plat::DT_CENTER | plat::DT_WORDBREAK | plat::DT_EXPANDTABS;
  Canvas.SetFont(*Font());
  if (FBoldCaptionOnce) Canvas.Font()->SetStyle(Canvas.Font()->Style() + plat::TFontStyles{plat::TFontStyle::fsBold});
  TRect measured = client;
  plat::DrawCanvasText(Canvas, Caption(), measured, format | plat::DT_CALCRECT);
  const int left = (client.Width() - measured.Width()) / 2;
  const int top = (client.Height() - measured.Height()) / 2;
  TRect rect{left, top, left + measured.Width(), top + measured.Height()};
  if (FPressed) rect = rect.Translated(1, 1);
  DrawCaptionText(Canvas, rect, format);
}

// TskButton

TskButton::TskButton(plat::TComponent* AOwner) : TskCustomButton(AOwner), FGlyph(std::make_unique<TBitmap>()) {
  SetBounds(Left(), Top(), 80, 27);
  FGlyph->OnChange = [this](plat::TObject*) { Invalidate(); };
  ApplyTheme();
}

TskButton::~TskButton() { FGlyph->OnChange = nullptr; }

void TskButton::SetGlyph(const TBitmap* Value) {
  if (Value) {
    FGlyph->Assign(*Value);
  } else {
    FGlyph->SetSize(0, 0);
  }
  Invalidate();
}

void TskButton::SetLayout(TButtonLayout Value) {
  FLayout = Value;
  Invalidate();
}

void TskButton::SetSpacing(int Value) {
  FSpacing = Value;
  Invalidate();
}

void TskButton::ApplyTheme() {
  TskUIStyle style;
  const bool transparent = UsesFileTheme(style) ? FileTheme()->GetBool(element::ButtonTransparentBool)
                                                : GetBuiltinBool(style, element::ButtonTransparentBool);
  SetTransparent(transparent);
}

void TskButton::UpdateAutoSize() {
  if (!AutoSize()) return;
  TBitmap picture;
  GetBuiltinBitmap(UIStyle(), element::ButtonImage, &picture);
  const int width = picture.Empty() ? kBlankWidth : picture.Width();
  const int height = picture.Empty() ? kBlankHeight : picture.Height();
  SetBounds(Left(), Top(), width / 3, height);
}

void TskButton::ButtonFrame(TBitmap& Picture, int Index) {
  TskUIStyle style;
  if (UsesFileTheme(style)) {
    FileTheme()->GetBitmapFrame(element::ButtonImage, Picture, 3, Index);
  } else {
    GetBuiltinBitmapFrame(style, element::ButtonImage, &Picture, 3, Index);
  }
}

TskButton::TGlyphPlaces TskButton::PlaceGlyph(TCanvas& Canvas) {
  const bool twoFrames = FGlyph->Width() == 2 * FGlyph->Height();
  const int gw = twoFrames ? FGlyph->Width() / 2 : FGlyph->Width();
  const int gh = FGlyph->Height();
  Canvas.SetFont(*Font());
  const plat::TSize text = Canvas.TextExtent(Caption());
  const int tw = text.cx;
  const int th = text.cy;
  const int w = Width();
  const int h = Height();
  const int s = FSpacing;
  TGlyphPlaces places;
  switch (FLayout) {
    case TButtonLayout::blGlyphLeft:
      places.Glyph = {(w - gw - tw - s) / 2, (h - gh) / 2};
      places.Caption = {places.Glyph.X + gw + s, (h - th) / 2};
      break;
    case TButtonLayout::blGlyphRight:
      places.Glyph = {(w + tw + s - gw) / 2, (h - gh) / 2};
      places.Caption = {places.Glyph.X - tw - s, (h - th) / 2};
      break;
    case TButtonLayout::blGlyphTop:
      places.Glyph = {(w - gw) / 2, (h - th - gh - s) / 2};
      places.Caption = {(w - tw) / 2, places.Glyph.Y + gh + s};
      break;
    case TButtonLayout::blGlyphBottom:
      places.Glyph = {(w - gw) / 2, (h + th + s - gh) / 2};
      places.Caption = {(w - tw) / 2, places.Glyph.Y - th - s};
      break;
  }
  if (Pressed()) {
    places.Glyph = places.Glyph + plat::TPoint{1, 1};
    places.Caption = places.Caption + plat::TPoint{1, 1};
  }
  return places;
}

void TskButton::DrawPicture(TCanvas& Canvas, TBitmap& Picture) {
  TskCustomButton::DrawPicture(Canvas, Picture);
  if (FGlyph->Empty()) return;
  // Through an image list: the top-left pixel is the transparent colour, and
  // a one-frame glyph is greyed when disabled.
  const bool twoFrames = FGlyph->Width() == 2 * FGlyph->Height();
  plat::TImageList frames(nullptr);
  frames.SetSize(twoFrames ? FGlyph->Width() / 2 : FGlyph->Width(), FGlyph->Height());
  frames.AddMasked(FGlyph.get(), FGlyph->Canvas()->Pixels(0, 0));
  const plat::TPoint at = PlaceGlyph(Canvas).Glyph;
  if (twoFrames) {
    frames.Draw(&Canvas, at.X, at.Y, Enabled() ? 0 : 1);
  } else {
    frames.Draw(&Canvas, at.X, at.Y, 0, Enabled());
  }
}

void TskButton::DrawCaption(TCanvas& Canvas) {
  if (FGlyph->Empty()) {
    TskCustomButton::DrawCaption(Canvas);
    return;
  }
  const plat::TPoint at = PlaceGlyph(Canvas).Caption;
  DrawCaptionText(Canvas, TRect{at.X, at.Y, Width(), Height()}, plat::DT_SINGLELINE);
}

void TskButton::DrawFocus(TCanvas& Canvas) {
  // These styles mark the focus by a bold caption.
  if (UIStyle() == TskUIStyle::MacOS || UIStyle() == TskUIStyle::BlueGlass) {
    SetBoldCaptionOnce();
    return;
  }
  TskCustomButton::DrawFocus(Canvas);
}

void TskButton::ActionChange(plat::TObject* Sender, bool CheckDefaults) {
  TskCustomButton::ActionChange(Sender, CheckDefaults);
  auto* action = dynamic_cast<plat::TAction*>(Sender);
  if (!action || !FGlyph->Empty() || !action->ActionList()) return;
  plat::TImageList* images = action->ActionList()->Images();
  if (images && action->ImageIndex() >= 0 && action->ImageIndex() < images->Count()) {
    images->GetBitmap(action->ImageIndex(), FGlyph.get());
  }
}

}  // namespace zorbit
