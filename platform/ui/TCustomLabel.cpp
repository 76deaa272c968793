#include "platform/ui/TCustomLabel.h"

#include "platform/gdi/DrawText.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/Accelerators.h"
#include "platform/ui/ControlPaint.h"
#include "platform/ui/FontMeasure.h"
#include "platform/ui/TWinControl.h"

namespace plat {

namespace {

constexpr UINT AlignmentFormat[] = {DT_LEFT, DT_RIGHT, DT_CENTER};

}  // namespace

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{TControlStyleItem::csOpaque, TControlStyleItem::csReplicatable});
  SetBounds(Left(), Top(), 65, 17);
  SetAutoSize(true);
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) { FFocusControl = Value; }

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  if (FShowAccelChar == Value) return;
  FShowAccelChar = Value;
  AdjustSize();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
  if (Transparent() == Value) return;
  TControlStyle style = ControlStyle();
  if (Value) {
    style.Exclude(TControlStyleItem::csOpaque);
  } else {
    style.Include(TControlStyleItem::csOpaque);
  }
  SetControlStyle(style);
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  AdjustSize();
  Invalidate();
}

UINT TCustomLabel::TextFlags() const {
  return DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0) | (FShowAccelChar ? 0 : DT_NOPREFIX);
}

String TCustomLabel::MeasuredText() {
  // An empty caption (or a lone "&") still measures one line high.
  String text = Caption();
  if (text.empty() || (FShowAccelChar && text == "&")) text += ' ';
  return text;
}

void TCustomLabel::DoDrawText(TRect& Rect, UINT Flags) {
  TCanvas& canvas = *Canvas();
  canvas.SetFont(*Font());
  const String text = (Flags & DT_CALCRECT) ? MeasuredText() : Caption();
  if (Enabled()) {
    DrawCanvasText(canvas, text, Rect, Flags);
    return;
  }
  // The disabled look: a highlight one pixel down and right, the shadow over it.
  TRect lower = Rect.Translated(1, 1);
  canvas.Font()->SetColor(clBtnHighlight);
  DrawCanvasText(canvas, text, lower, Flags);
  canvas.Font()->SetColor(clBtnShadow);
  DrawCanvasText(canvas, text, Rect, Flags);
}

void TCustomLabel::Paint() {
  TCanvas& canvas = *Canvas();
  const TRect client = ClientRect();
  if (!Transparent()) {
    canvas.Brush()->SetColor(Color());
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.FillRect(client);
  }
  const UINT flags = TextFlags() | AlignmentFormat[static_cast<int>(FAlignment)];
  TRect rect = client;
  if (FLayout != TTextLayout::tlTop) {
    TRect measured = client;
    DoDrawText(measured, flags | DT_CALCRECT);
    const int spare = client.Height() - measured.Height();
    rect.Top += FLayout == TTextLayout::tlCenter ? spare / 2 : spare;
  }
  DoDrawText(rect, flags);
}

void TCustomLabel::AdjustSize() {
  if (!AutoSize() || ComponentState().Contains(TComponentStateItem::csLoading)) return;
  TFontMeasure measure(Font());
  TRect rect = ClientRect();
  const String text = MeasuredText();
  DrawTextA(measure.DC(), text.data(), static_cast<int>(text.size()), &rect, TextFlags() | DT_CALCRECT);
  // A right-aligned label keeps its right edge.
  const int left = FAlignment == TAlignment::taRightJustify ? Left() + Width() - rect.Right : Left();
  SetBounds(left, Top(), rect.Right, rect.Bottom);
}

void TCustomLabel::WndProc(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR && FFocusControl && Enabled() && FShowAccelChar &&
      IsAccel(static_cast<char32_t>(Message.WParam), Caption())) {
    if (FFocusControl->CanFocus()) FFocusControl->SetFocus();
    Message.Result = 1;
    return;
  }
  TGraphicControl::WndProc(Message);
  if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_FONTCHANGED) {
    AdjustSize();
    Invalidate();
  }
}

}  // namespace plat
