#include "skin/SkinCanvas.h"

#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/TCanvas.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/TWinControl.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowPos.h"

namespace zorbit {

void DrawParentBackground(plat::TCanvas& Canvas, plat::TControl& Control) {
  plat::TWinControl* parent = Control.Parent();
  if (!parent) return;
  const plat::HDC dc = Canvas.Handle();
  const plat::DCStateSaver saved(dc);
  plat::OffsetWindowOrgEx(dc, Control.Left(), Control.Top(), nullptr);
  const plat::TRect client = parent->ClientRect();
  plat::IntersectClipRect(dc, client.Left, client.Top, client.Right, client.Bottom);
  const auto asParameter = reinterpret_cast<plat::WPARAM>(dc);
  parent->Perform(plat::WM_ERASEBKGND, asParameter, 0);
  parent->Perform(plat::WM_PAINT, asParameter, 0);
}

void DrawControlBorder(plat::TWinControl& Control, plat::TColor Color, plat::TColor InnerColor, bool Inner) {
  const plat::HWND window = Control.Handle();
  plat::RECT bounds{};
  if (!plat::GetWindowRect(window, &bounds)) return;
  const plat::HDC dc = plat::GetWindowDC(window);
  if (!dc) return;
  const plat::ScopeExit release([&] { plat::ReleaseDC(window, dc); });
  plat::TCanvas canvas;
  canvas.SetHandle(dc);
  const plat::ScopeExit detach([&] { canvas.SetHandle(nullptr); });
  const plat::TRect frame{0, 0, bounds.Width(), bounds.Height()};
  FrameRectColor(canvas, frame, Color);
  if (Inner) FrameRectColor(canvas, {frame.Left + 1, frame.Top + 1, frame.Right - 1, frame.Bottom - 1}, InnerColor);
}

void FrameRectColor(plat::TCanvas& Canvas, const plat::TRect& Rect, plat::TColor Color) {
  Canvas.Brush()->SetColor(Color);
  Canvas.FrameRect(Rect);
}

void FillRectColor(plat::TCanvas& Canvas, const plat::TRect& Rect, plat::TColor Color) {
  Canvas.Brush()->SetColor(Color);
  Canvas.FillRect(Rect);
}

}  // namespace zorbit
