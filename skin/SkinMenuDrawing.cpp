#include "skin/SkinMenuDrawing.h"

#include "platform/gdi/Font.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TFont.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowPos.h"
#include "skin/SkThemes.h"

namespace zorbit {
namespace {

// The named picture cut (or grown) to Height rows, stretched over Rect.
void DrawBand(plat::TCanvas& Canvas, const plat::TRect& Rect, const char* Name, int Height) {
  plat::TBitmap band;
  if (!LoadSkinPicture(Name, band)) return;
  band.SetHeight(Height);
  Canvas.StretchDraw(Rect, &band);
}

}  // namespace

void SetMenuItemDrawHandlers(plat::TMenuItem& Item, const plat::TMenuMeasureItemEvent& Measure,
                             const plat::TMenuDrawItemEvent& Draw) {
  Item.OnMeasureItem = Measure;
  Item.OnDrawItem = Draw;
  for (int i = 0; i < Item.Count(); ++i) SetMenuItemDrawHandlers(*Item.Items(i), Measure, Draw);
}

void DrawMenuSeparator(plat::TCanvas& Canvas, const plat::TRect& Rect, plat::TColor Color, bool LeftToRight,
                       int BarWidth) {
  Canvas.Pen()->SetColor(Color);
  const int y = Rect.Top + 2;
  if (LeftToRight) {
    Canvas.MoveTo(Rect.Left + BarWidth + 4, y);
    Canvas.LineTo(Rect.Right - 2, y);
  } else {
    Canvas.MoveTo(Rect.Left + 2, y);
    Canvas.LineTo(Rect.Right - BarWidth - 4, y);
  }
}

void DrawMacMenuBar(plat::TCanvas& Canvas, const plat::TRect& Rect) { DrawBand(Canvas, Rect, "MACOS_MENU_BAR", 12); }
void DrawMacMenuBarTall(plat::TCanvas& Canvas, const plat::TRect& Rect) {
  DrawBand(Canvas, Rect, "MACOS_MENU_BAR", 20);
}
void DrawMacMenuSelect(plat::TCanvas& Canvas, const plat::TRect& Rect) {
  DrawBand(Canvas, Rect, "MACOS_MENU_SELECT", 20);
}

void DrawMenuWindowFrame(plat::HWND MenuWindow, plat::TColor BorderColor, plat::TColor ShadowColor) {
  plat::RECT r{};
  if (!plat::GetWindowRect(MenuWindow, &r)) return;
  const plat::HDC dc = plat::GetDC(nullptr);
  if (!dc) return;
  const plat::ScopeExit release([&] { plat::ReleaseDC(nullptr, dc); });
  plat::TCanvas canvas;
  canvas.SetHandle(dc);
  const plat::ScopeExit detach([&] { canvas.SetHandle(nullptr); });
  const plat::TRect border{r.Left, r.Top + 1, r.Right - 1, r.Bottom - 1};
  canvas.Brush()->SetColor(BorderColor);
  canvas.FrameRect(border);
  canvas.Brush()->SetColor(plat::clWhite);
  canvas.FrameRect({border.Left + 1, border.Top + 1, border.Right - 1, border.Bottom - 1});
  canvas.Pen()->SetColor(ShadowColor);
  canvas.MoveTo(r.Left, r.Bottom - 1);
  canvas.LineTo(r.Right - 1, r.Bottom - 1);
  canvas.LineTo(r.Right - 1, r.Top);
  canvas.LineTo(r.Right, r.Top);
  canvas.LineTo(r.Left, r.Top);
}

void GetMenuFont(plat::TFont& Font) {
  plat::NONCLIENTMETRICS metrics;
  if (!plat::SystemParametersInfo(plat::SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return;
  Font.SetHandle(plat::CreateFontIndirectA(&metrics.lfMenuFont));
  Font.SetColor(plat::clMenuText);
}

}  // namespace zorbit
