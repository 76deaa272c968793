// Update suspension and the window messages of painting: the bracket,
// WM_PAINT and WM_NCPAINT while it is open, WM_ERASEBKGND, a theme change,
// and the flat frame drawn over the window's edge.
#include "extgrid/TExtStringGrid.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Shapes.h"
#include "platform/win/Messages.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowDC.h"

namespace zorbit {

namespace {

constexpr plat::TColor ThemedFrameColor = 0xB99D7F;

}  // namespace

void TExtStringGrid::BeginUpdate(TUpdateSuspension How) {
  // The count is kept whatever the grid's visibility, so that every End
  // closes its own Begin; only a shown window is told to stop drawing.
  if (FUpdateCount++ == 0 && How == TUpdateSuspension::usStopRedraw && Visible() && HandleAllocated()) {
    plat::SendMessage(Handle(), plat::WM_SETREDRAW, 0, 0);
    FRedrawSuspended = true;
  }
}

void TExtStringGrid::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount > 0) return;
  ResumeRedraw();
}

void TExtStringGrid::ResetUpdate() {
  // Forgetting the open brackets must not leave the window without drawing.
  const bool open = FUpdateCount > 0;
  FUpdateCount = 0;
  if (open) ResumeRedraw();
}

void TExtStringGrid::ResumeRedraw() {
  if (!HandleAllocated()) {
    FRedrawSuspended = false;
    return;
  }
  if (FRedrawSuspended) plat::SendMessage(Handle(), plat::WM_SETREDRAW, 1, 0);
  FRedrawSuspended = false;
  plat::InvalidateRect(Handle(), nullptr, true);
  PaintFlatBorder();
}

bool TExtStringGrid::PaintMessage(plat::TMessage& Message) {
  switch (Message.Msg) {
    case plat::WM_PAINT:
      if (FUpdateCount == 0) return false;
      // Validated without drawing: the bracket's end repaints it all, and
      // an invalid window would be handed WM_PAINT again and again.
      plat::ValidateRect(Handle(), nullptr);
      Message.Result = 0;
      return true;
    case plat::WM_ERASEBKGND:
      // The cells paint their whole area.
      Message.Result = 0;
      return true;
    case plat::WM_NCPAINT:
      TBaseGrid::WndProc(Message);
      if (FUpdateCount == 0) PaintFlatBorder();
      Message.Result = 0;
      return true;
    case plat::WM_THEMECHANGED:
      if (FAutoThemeAdapt) ApplyXPColors();
      return false;
    default: return false;
  }
}

void TExtStringGrid::PaintFlatBorder() {
  const bool flatLook = FLook == TGridLook::glSoft || FLook == TGridLook::glSilver || FLook == TGridLook::glXP ||
                        FLook == TGridLook::glListView;
  if (!flatLook || BorderStyle() != plat::TBorderStyle::bsSingle || FFlat || !HandleAllocated()) return;
  const plat::HDC dc = plat::GetWindowDC(Handle());
  if (!dc) return;
  const int w = Width(), h = Height();
  const auto frame = [dc](plat::TColor Color, int Left, int Top, int Right, int Bottom) {
    const plat::HBRUSH brush = plat::CreateSolidBrush(plat::ColorToRGB(Color));
    const plat::RECT r{Left, Top, Right, Bottom};
    plat::FrameRect(dc, &r, brush);
    plat::DeleteObject(brush);
  };
  frame(FIsWinXP ? ThemedFrameColor : plat::clGray, 1, 1, w - 1, h - 1);
  if (Parent()) frame(Parent()->Color(), 0, 0, w, h);
  plat::ReleaseDC(Handle(), dc);
}

}  // namespace zorbit
