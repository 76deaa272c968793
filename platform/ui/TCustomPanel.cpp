#include "platform/ui/TCustomPanel.h"

#include <algorithm>

#include "platform/gdi/DrawText.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/ControlPaint.h"
#include "platform/win/WindowStyles.h"

namespace plat {

namespace {

// The colours of a bevel's top-left and bottom-right lines.
void BevelColors(TPanelBevel Bevel, TColor& Top, TColor& Bottom) {
  Top = Bevel == TPanelBevel::bvLowered ? clBtnShadow : clBtnHighlight;
  Bottom = Bevel == TPanelBevel::bvLowered ? clBtnHighlight : clBtnShadow;
}

constexpr UINT AlignmentFormat[] = {DT_LEFT, DT_RIGHT, DT_CENTER};

}  // namespace

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({TControlStyleItem::csAcceptsControls, TControlStyleItem::csCaptureMouse,
                   TControlStyleItem::csClickEvents, TControlStyleItem::csSetCaption, TControlStyleItem::csOpaque,
                   TControlStyleItem::csDoubleClicks, TControlStyleItem::csReplicatable});
  SetBounds(Left(), Top(), 185, 41);
  SetParentColor(false);
  SetColor(clBtnFace);
}

void TCustomPanel::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel Value) {
  if (FBevelInner == Value) return;
  FBevelInner = Value;
  BevelChanged();
}

void TCustomPanel::SetBevelOuter(TPanelBevel Value) {
  if (FBevelOuter == Value) return;
  FBevelOuter = Value;
  BevelChanged();
}

void TCustomPanel::SetBevelWidth(int Value) {
  Value = std::max(Value, 1);
  if (FBevelWidth == Value) return;
  FBevelWidth = Value;
  BevelChanged();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomPanel::BevelChanged() {
  Realign();
  Invalidate();
}

void TCustomPanel::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  if (FBorderStyle == TBorderStyle::bsSingle) AddSingleBorder(Params);
}

void TCustomPanel::AdjustClientRect(TRect& Rect) {
  TCustomControl::AdjustClientRect(Rect);
  int bevels = 0;
  if (FBevelOuter != TPanelBevel::bvNone) bevels += FBevelWidth;
  if (FBevelInner != TPanelBevel::bvNone) bevels += FBevelWidth;
  Rect = Rect.Inflated(-bevels, -bevels);
}

void TCustomPanel::WndProc(TMessage& Message) {
  TCustomControl::WndProc(Message);
  // The caption is drawn in the middle, so a new one or a new font repaints.
  if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_FONTCHANGED) Invalidate();
}

void TCustomPanel::Paint() {
  TCanvas& canvas = *Canvas();
  TRect rect = ClientRect();
  TColor top = clBtnHighlight;
  TColor bottom = clBtnShadow;
  if (FBevelOuter != TPanelBevel::bvNone) {
    BevelColors(FBevelOuter, top, bottom);
    Frame3D(canvas, rect, top, bottom, FBevelWidth);
  }
  Frame3D(canvas, rect, Color(), Color(), BorderWidth());
  if (FBevelInner != TPanelBevel::bvNone) {
    BevelColors(FBevelInner, top, bottom);
    Frame3D(canvas, rect, top, bottom, FBevelWidth);
  }
  canvas.Brush()->SetColor(Color());
  canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
  canvas.FillRect(rect);
  const String caption = Caption();
  if (caption.empty()) return;
  canvas.SetFont(*Font());
  if (!Enabled()) canvas.Font()->SetColor(clGrayText);
  DrawCanvasText(canvas, caption, rect,
                 DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | AlignmentFormat[static_cast<int>(FAlignment)]);
}

}  // namespace plat
