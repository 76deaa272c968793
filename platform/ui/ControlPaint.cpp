#include "platform/ui/ControlPaint.h"

#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TFont.h"
#include "platform/rtl/ScopeExit.h"

namespace plat {

namespace {

// Draws with the canvas's font and colour on a transparent background. The
// three settings are put back one by one: the text calls change nothing
// else, and a saved DC would copy its clip on every cell.
template <typename Draw>
int WithCanvasFont(TCanvas& Canvas, Draw DrawIt) {
  const HDC dc = Canvas.Handle();
  const HGDIOBJ font = SelectObject(dc, Canvas.Font()->Handle());
  const int mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF color = SetTextColor(dc, ColorToColorRef(Canvas.Font()->Color()));
  const ScopeExit restore([&] {
    SetTextColor(dc, color);
    SetBkMode(dc, mode);
    if (font) SelectObject(dc, font);
  });
  return DrawIt(dc);
}

}  // namespace

int DrawCanvasText(TCanvas& Canvas, const String& Text, TRect& Rect, UINT Format) {
  return WithCanvasFont(Canvas, [&](HDC dc) {
    return DrawTextA(dc, Text.data(), static_cast<int>(Text.size()), &Rect, Format);
  });
}

int DrawCanvasText(TCanvas& Canvas, const WideString& Text, TRect& Rect, UINT Format) {
  return WithCanvasFont(Canvas, [&](HDC dc) {
    return DrawTextW(dc, Text.data(), static_cast<int>(Text.size()), &Rect, Format);
  });
}

void Frame3D(TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
  TPen* pen = Canvas.Pen();
  pen->SetWidth(1);
  // The corners go to the top-left colour at the top right and to the
  // bottom-right colour at the bottom left.
  for (int i = 0; i < Width && Rect.Width() > 0 && Rect.Height() > 0; ++i) {
    const int right = Rect.Right - 1;
    const int bottom = Rect.Bottom - 1;
    pen->SetColor(TopColor);
    const TPoint top[] = {{Rect.Left, bottom}, {Rect.Left, Rect.Top}, {right, Rect.Top}};
    Canvas.Polyline(top);
    pen->SetColor(BottomColor);
    const TPoint low[] = {{right, Rect.Top}, {right, bottom}, {Rect.Left - 1, bottom}};
    Canvas.Polyline(low);
    Rect = Rect.Inflated(-1, -1);
  }
}

}  // namespace plat
