// How a TExtGridButton draws itself: its face for the state, the drop-down
// arrow, then the glyph and caption.
#include "grid/ExtUtilDrawing.h"
#include "grid/TExtGridButton.h"
#include "grid/detail/ExtGridButtonColors.h"
#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TextConstants.h"
#include "platform/gdi/ThemeServices.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/ControlPaint.h"
#include "platform/ui/TWinControl.h"

namespace zorbit {

namespace {

constexpr int kGradientBands = 16;
constexpr int kPushButtonPart = 1;
enum TPushButtonThemeState { pbsNormal = 1, pbsHot = 2, pbsPressed = 3 };

}  // namespace

void TExtGridButton::UpdateState() {
  if (!Enabled()) {
    FState = plat::TButtonState::bsDisabled;
    FDragging = false;
  } else if (FState == plat::TButtonState::bsDisabled) {
    FState = FDown && FGroupIndex != 0 ? plat::TButtonState::bsExclusive : plat::TButtonState::bsUp;
  }
  if (FStyle == TExtGridButtonStyle::tasCheck && FDown) FState = plat::TButtonState::bsDown;
}

void TExtGridButton::FillFace(const plat::TRect& Rect, plat::TColor From, plat::TColor To) {
  FillGradientRect(*Canvas(), From, To, false, Rect, kGradientBands);
}

void TExtGridButton::PaintBorder(const plat::TRect& Rect, plat::TColor Color) {
  plat::TCanvas& canvas = *Canvas();
  canvas.Pen()->SetColor(Color);
  canvas.Brush()->SetStyle(plat::TBrushStyle::bsClear);
  if (FRounded) {
    canvas.RoundRect(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom, 8, 8);
  } else {
    canvas.Rectangle(Rect);
  }
  canvas.Brush()->SetStyle(plat::TBrushStyle::bsSolid);
}

void TExtGridButton::PaintFlatFace(plat::TRect& Frame) {
  if (FBorderDownColor == plat::clNone || FRounded) Frame = Frame.Inflated(-1, -1);
  const bool checked = FStyle == TExtGridButtonStyle::tasCheck && FDown;
  if (!Hovered() || FState == plat::TButtonState::bsDisabled) {
    if (checked) {
      FillFace(Frame, FColorChecked, FColorCheckedTo);
    } else {
      FillFace(Frame, Color(), FColorTo);
      if (FBorderColor != plat::clNone) PaintBorder(Frame, FBorderColor);
    }
    return;
  }
  plat::TColor border = FBorderHotColor;
  if (FState == plat::TButtonState::bsDown) {
    FillFace(Frame, FColorDown, FColorDownTo);
    border = FBorderDownColor;
  } else if (checked) {
    FillFace(Frame, FColorChecked, FColorCheckedTo);
  } else {
    FillFace(Frame, FColorHot, FColorHotTo);
  }
  if (border != plat::clNone) PaintBorder(Frame, border);
  if (FDropDownButton) {
    plat::TCanvas& canvas = *Canvas();
    canvas.Pen()->SetColor(border != plat::clNone ? border : plat::clBtnShadow);
    const int x = Frame.Right - DropDownWidth;
    canvas.MoveTo(x, Frame.Top);
    canvas.LineTo(x, Frame.Bottom);
  }
}

void TExtGridButton::PaintRaisedFace(const plat::TRect& Frame) {
  const bool pushed = FState == plat::TButtonState::bsDown || FState == plat::TButtonState::bsExclusive;
  const plat::HDC dc = Canvas()->Handle();
  if (FAutoXPStyle && detail::VisualStylesInForce()) {
    const plat::HTHEME theme = plat::OpenThemeData(Parent() ? Parent()->Handle() : nullptr, u"button");
    if (theme) {
      const plat::ScopeExit closed([theme] { plat::CloseThemeData(theme); });
      const int state = pushed ? pbsPressed : Hovered() ? pbsHot : pbsNormal;
      plat::DrawThemeBackground(theme, dc, kPushButtonPart, state, &Frame, nullptr);
      return;
    }
  }
  plat::TRect rect = Frame;
  plat::DrawFrameControl(dc, &rect, plat::DFC_BUTTON, plat::DFCS_BUTTONPUSH | (pushed ? plat::DFCS_PUSHED : 0));
}

void TExtGridButton::PaintDropDownArrow() {
  // Five, three and one pixels, pointing down, 4 to 8 pixels from the edge.
  plat::TCanvas& canvas = *Canvas();
  canvas.Brush()->SetColor(Font()->Color());
  const int right = Width() - 4;
  const int middle = Height() / 2;
  for (int row = 0; row < 3; ++row) canvas.FillRect({right - 5 + row, middle - 1 + row, right - row, middle + row});
}

plat::TBitmap* TExtGridButton::GlyphToDraw() {
  const auto orGlyph = [this](plat::TBitmap* Wanted) { return Wanted->Empty() ? FGlyph.get() : Wanted; };
  if (FState == plat::TButtonState::bsDisabled) return orGlyph(FGlyphDisabled.get());
  if (FState == plat::TButtonState::bsDown || FState == plat::TButtonState::bsExclusive)
    return orGlyph(FGlyphDown.get());
  if (Hovered()) return orGlyph(FGlyphHot.get());
  return FGlyph.get();
}

void TExtGridButton::PaintContent(plat::TPoint Offset) {
  plat::TCanvas& canvas = *Canvas();
  plat::TRect area = ClientRect();
  if (FDropDownButton) area.Right -= DropDownWidth;
  plat::TBitmap* glyph = GlyphToDraw();
  const plat::TSize glyphSize{glyph->Width(), glyph->Height()};
  canvas.SetFont(*Font());
  const plat::String caption = FShowCaption ? Caption() : plat::String();
  plat::TSize textSize{0, 0};
  if (!caption.empty()) {
    plat::TRect measured{0, 0, area.Width(), 0};
    plat::DrawCanvasText(canvas, caption, measured, plat::DT_SINGLELINE | plat::DT_CALCRECT);
    textSize = {measured.Width(), measured.Height()};
  }
  const plat::TButtonContentPlace place =
      plat::LayoutButtonContent(area, glyphSize, textSize, FLayout, FMargin, FSpacing);
  const plat::TPoint glyphAt = place.GlyphPos + Offset;
  if (!glyph->Empty()) {
    const bool lifted = Hovered() && FShaded && FState != plat::TButtonState::bsDisabled &&
                        FState != plat::TButtonState::bsDown && FState != plat::TButtonState::bsExclusive;
    if (lifted && !FShade->Empty()) canvas.Draw(glyphAt.X + 2, glyphAt.Y + 2, FShade.get());
    canvas.Draw(glyphAt.X, glyphAt.Y, glyph);
  }
  if (caption.empty()) return;
  plat::TRect textRect = place.TextRect.Translated(Offset.X, Offset.Y);
  const plat::UINT format = plat::DT_CENTER | plat::DT_VCENTER | plat::DT_SINGLELINE;
  canvas.Brush()->SetStyle(plat::TBrushStyle::bsClear);
  if (FState == plat::TButtonState::bsDisabled) {
    plat::TRect lower = textRect.Translated(1, 1);
    canvas.Font()->SetColor(plat::clBtnHighlight);
    plat::DrawCanvasText(canvas, caption, lower, format);
    canvas.Font()->SetColor(plat::clBtnShadow);
  }
  plat::DrawCanvasText(canvas, caption, textRect, format);
}

void TExtGridButton::Paint() {
  UpdateState();
  plat::TRect frame = ClientRect();
  if (FFlat) {
    PaintFlatFace(frame);
  } else {
    PaintRaisedFace(frame);
    frame = frame.Inflated(-2, -2);
  }
  const bool exclusive = FState == plat::TButtonState::bsExclusive;
  if (exclusive && (!Hovered() || !FFlat)) FillFace(frame, FColorChecked, FColorCheckedTo);

  plat::TPoint offset{0, 0};
  const bool pushed = FState == plat::TButtonState::bsDown || exclusive;
  if (!FFlat && pushed) {
    offset = {1, 1};
  } else if (FFlat && Hovered() && FShaded && Enabled() && !pushed) {
    offset = {-1, -1};
  }
  if (FDropDownButton) PaintDropDownArrow();
  PaintContent(offset);
}

}  // namespace zorbit
