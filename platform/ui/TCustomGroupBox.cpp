#include "platform/ui/TCustomGroupBox.h"

#include "platform/gdi/DrawText.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/Accelerators.h"
#include "platform/ui/ControlPaint.h"
#include "platform/ui/FontMeasure.h"

namespace plat {

namespace {

// Where the caption starts, from the left edge.
constexpr int CaptionIndent = 8;

}  // namespace

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({TControlStyleItem::csAcceptsControls, TControlStyleItem::csCaptureMouse,
                   TControlStyleItem::csClickEvents, TControlStyleItem::csSetCaption, TControlStyleItem::csDoubleClicks,
                   TControlStyleItem::csReplicatable});
  SetBounds(Left(), Top(), 185, 105);
}

int TCustomGroupBox::CaptionHeight() { return TFontMeasure(Font()).TextHeight(); }

void TCustomGroupBox::AdjustClientRect(TRect& Rect) {
  TCustomControl::AdjustClientRect(Rect);
  Rect.Top += CaptionHeight();
  // Inside the two lines of the etched frame.
  Rect = Rect.Inflated(-2, -2);
}

void TCustomGroupBox::Paint() {
  TCanvas& canvas = *Canvas();
  const TRect client = ClientRect();
  canvas.Brush()->SetColor(Color());
  canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
  canvas.FillRect(client);
  const int height = CaptionHeight();
  TRect frame{client.Left, client.Top + height / 2 - 1, client.Right, client.Bottom};
  DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
  const String caption = Caption();
  if (caption.empty()) return;
  canvas.SetFont(*Font());
  TRect text{CaptionIndent, 0, client.Right, height};
  DrawCanvasText(canvas, caption, text, DT_SINGLELINE | DT_CALCRECT);
  // The caption covers the frame's top edge.
  canvas.FillRect(text);
  if (!Enabled()) canvas.Font()->SetColor(clGrayText);
  DrawCanvasText(canvas, caption, text, DT_SINGLELINE);
}

void TCustomGroupBox::WndProc(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<char32_t>(Message.WParam), Caption()) && CanFocus()) {
    SelectFirst();
    Message.Result = 1;
    return;
  }
  TCustomControl::WndProc(Message);
  if (Message.Msg == CM_TEXTCHANGED) Invalidate();
  if (Message.Msg == CM_FONTCHANGED) {
    Realign();
    Invalidate();
  }
}

}  // namespace plat
