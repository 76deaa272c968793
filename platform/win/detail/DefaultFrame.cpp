#include "platform/win/detail/DefaultFrame.h"

#include <algorithm>

#include "platform/gdi/Brush.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/win/Messages.h"
#include "platform/win/detail/MenuPainter.h"
#include "platform/win/detail/MenuTracker.h"
#include "platform/win/detail/ScrollBarFrame.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/detail/SystemFonts.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/detail/WindowMenus.h"

namespace plat {
namespace {

bool HasCaption(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION; }

// The size of a corner's sizing zone along each edge.
constexpr int CornerZone = 16;

void DrawCaptionButton(HDC dc, const Window* w, const FrameLayout& f, LRESULT button, bool pressed) {
  TRect r;
  UINT state = pressed ? DFCS_PUSHED : 0;
  switch (button) {
    case HTCLOSE:
      r = f.CloseButton;
      state |= DFCS_CAPTIONCLOSE | ((w->Class->Style & CS_NOCLOSE) ? DFCS_INACTIVE : 0);
      break;
    case HTMAXBUTTON:
      r = f.MaxButton;
      state |= (w->IsMaximized() ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX) |
               ((w->Style & WS_MAXIMIZEBOX) ? 0 : DFCS_INACTIVE);
      break;
    case HTMINBUTTON:
      r = f.MinButton;
      state |= DFCS_CAPTIONMIN | ((w->Style & WS_MINIMIZEBOX) ? 0 : DFCS_INACTIVE);
      break;
    default: return;
  }
  if (!r.IsEmpty()) DrawFrameControl(dc, &r, DFC_CAPTION, state);
}

}  // namespace

FrameLayout LayOutWindowFrame(const Window* w, const TRect& bounds) {
  return LayOutFrame(w->Style, w->ExStyle, bounds, MenuBarOf(w), w->Handle());
}

FrameLayout LayOutFrame(DWORD style, DWORD exStyle, const TRect& bounds, HMENU menuBar, HWND menuOwner) {
  FrameLayout f;
  TRect r = bounds;
  f.Sizable = (style & WS_THICKFRAME) != 0;
  if (f.Sizable)
    f.Border = GetSystemMetrics(SM_CXFRAME);
  else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
    f.Border = GetSystemMetrics(SM_CXDLGFRAME);
  else if (style & WS_BORDER)
    f.Border = GetSystemMetrics(SM_CXBORDER);
  r = r.Inflated(-f.Border, -f.Border);

  if (HasCaption(style)) {
    const bool tool = (exStyle & WS_EX_TOOLWINDOW) != 0;
    const int height = (tool ? GetSystemMetrics(SM_CYSMCAPTION) : GetSystemMetrics(SM_CYCAPTION)) - 1;
    f.Caption = {r.Left, r.Top, r.Right, r.Top + height};
    r.Top += height + 1;  // the caption and the line below it
    // Caption buttons from the right, inset by 2 pixels.
    const int bh = height - 4;
    const int bw = (tool ? GetSystemMetrics(SM_CXSMSIZE) : GetSystemMetrics(SM_CXSIZE)) - 2;
    int right = f.Caption.Right - 2;
    if (style & WS_SYSMENU) {
      f.CloseButton = {right - bw, f.Caption.Top + 2, right, f.Caption.Top + 2 + bh};
      right -= bw + 2;
      if (!tool && (style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX))) {
        f.MaxButton = {right - bw, f.Caption.Top + 2, right, f.Caption.Top + 2 + bh};
        f.MinButton = {right - 2 * bw, f.Caption.Top + 2, right - bw, f.Caption.Top + 2 + bh};
      }
    }
  }
  if (menuBar && !(style & WS_CHILD)) {
    const int height = LayOutMenuBar(menuOwner, menuBar, r.Width()).Height;
    f.MenuBar = {r.Left, r.Top, r.Right, std::min(r.Top + height, std::max(r.Bottom, r.Top))};
    r.Top = f.MenuBar.Bottom;
  }
  if (exStyle & WS_EX_CLIENTEDGE)
    f.ClientEdge = GetSystemMetrics(SM_CXEDGE);
  else if (exStyle & WS_EX_STATICEDGE)
    f.ClientEdge = GetSystemMetrics(SM_CXBORDER);
  r = r.Inflated(-f.ClientEdge, -f.ClientEdge);

  if (style & WS_VSCROLL) {
    const int w = GetSystemMetrics(SM_CXVSCROLL);
    f.VScroll = {r.Right - w, r.Top, r.Right, r.Bottom};
    r.Right -= w;
  }
  if (style & WS_HSCROLL) {
    const int h = GetSystemMetrics(SM_CYHSCROLL);
    f.HScroll = {r.Left, r.Bottom - h, r.Right, r.Bottom};
    r.Bottom -= h;
    if (!f.VScroll.IsEmpty()) f.VScroll.Bottom -= h;
  }
  // Too small a window leaves an empty client area at the top-left of what is left.
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  f.Client = r;
  return f;
}

LRESULT FrameHitTest(const Window* w, TPoint q) {
  const TRect bounds = w->WindowBounds();
  if (!bounds.Contains(q)) return HTNOWHERE;
  if (w->ClientInWindow().Contains(q)) return HTCLIENT;
  const FrameLayout f = LayOutWindowFrame(w, bounds);
  const TRect inner = bounds.Inflated(-f.Border, -f.Border);
  if (!inner.Contains(q)) {
    if (!f.Sizable || w->IsMaximized() || w->IsMinimized()) return HTBORDER;
    const bool left = q.X < bounds.Left + CornerZone, right = q.X >= bounds.Right - CornerZone;
    const bool top = q.Y < bounds.Top + CornerZone, bottom = q.Y >= bounds.Bottom - CornerZone;
    if (q.Y < inner.Top) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    if (q.Y >= inner.Bottom) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    if (q.X < inner.Left) return top ? HTTOPLEFT : bottom ? HTBOTTOMLEFT : HTLEFT;
    return top ? HTTOPRIGHT : bottom ? HTBOTTOMRIGHT : HTRIGHT;
  }
  if (f.CloseButton.Contains(q)) return HTCLOSE;
  if (f.MaxButton.Contains(q)) return HTMAXBUTTON;
  if (f.MinButton.Contains(q)) return HTMINBUTTON;
  if (f.Caption.Contains(q) || (!f.Caption.IsEmpty() && q.Y == f.Caption.Bottom)) return HTCAPTION;
  if (f.MenuBar.Contains(q)) return HTMENU;
  if (f.VScroll.Contains(q)) return HTVSCROLL;
  if (f.HScroll.Contains(q)) return HTHSCROLL;
  if (!f.VScroll.IsEmpty() && !f.HScroll.IsEmpty() && q.X >= f.VScroll.Left && q.Y >= f.HScroll.Top &&
      q.X < f.VScroll.Right && q.Y < f.HScroll.Bottom)
    return f.Sizable ? HTGROWBOX : HTNOWHERE;
  return HTBORDER;
}

void PaintFrame(Window* w, WPARAM region) {
  const bool partial = region > 1;
  HDC dc = GetDCEx(w->Handle(), partial ? reinterpret_cast<HRGN>(region) : nullptr,
                   DCX_WINDOW | DCX_CLIPSIBLINGS | (partial ? DCX_INTERSECTRGN : 0));
  if (!dc) return;
  const TRect bounds = w->WindowBounds();
  const FrameLayout f = LayOutWindowFrame(w, bounds);
  const bool active = w->NcActive;

  // The border rings.
  TRect r = bounds;
  if (f.Sizable || (w->Style & WS_DLGFRAME) || (w->ExStyle & WS_EX_DLGMODALFRAME)) {
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    const int rest = f.Border - 2;
    const HBRUSH ring =
        GetSysColorBrush(f.Sizable ? (active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER) : COLOR_3DFACE);
    for (int i = 0; i < rest; ++i) {
      FrameRect(dc, &r, ring);
      r = r.Inflated(-1, -1);
    }
  } else if (f.Border > 0) {
    FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
  }

  if (!f.Caption.IsEmpty()) {
    const TRect line{f.Caption.Left, f.Caption.Bottom, f.Caption.Right, f.Caption.Bottom + 1};
    FillRect(dc, &line, GetSysColorBrush(COLOR_3DFACE));
    FillRect(dc, &f.Caption, GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    TRect text = f.Caption;
    text.Left += 3;
    if (!f.MinButton.IsEmpty())
      text.Right = f.MinButton.Left - 2;
    else if (!f.CloseButton.IsEmpty())
      text.Right = f.CloseButton.Left - 2;
    const HGDIOBJ oldFont = SelectObject(dc, CaptionFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    DrawTextA(dc, w->Text.c_str(), static_cast<int>(w->Text.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, oldFont);
    for (LRESULT button : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON}) DrawCaptionButton(dc, w, f, button, false);
  }

  if (!f.MenuBar.IsEmpty()) {
    const MenuTracker* tracker = MenuTracker::Current();
    const MenuPaintState state{tracker ? tracker->BarSelection(w->Handle()) : -1, false};
    PaintMenuBar(dc, w->Handle(), MenuBarOf(w), f.MenuBar, LayOutMenuBar(w->Handle(), MenuBarOf(w), f.MenuBar.Width()),
                 state);
  }

  if (f.ClientEdge > 0) {
    TRect edge = f.Client.Inflated(f.ClientEdge, f.ClientEdge);
    if (!f.VScroll.IsEmpty()) edge.Right = f.VScroll.Right + f.ClientEdge;
    if (!f.HScroll.IsEmpty()) edge.Bottom = f.HScroll.Bottom + f.ClientEdge;
    DrawEdge(dc, &edge, f.ClientEdge == 2 ? EDGE_SUNKEN : BDR_SUNKENOUTER, BF_RECT);
  }

  PaintScrollBar(dc, w, SB_VERT, f.VScroll);
  PaintScrollBar(dc, w, SB_HORZ, f.HScroll);
  if (!f.VScroll.IsEmpty() && !f.HScroll.IsEmpty()) {
    const TRect corner{f.VScroll.Left, f.HScroll.Top, f.VScroll.Right, f.HScroll.Bottom};
    FillRect(dc, &corner, GetSysColorBrush(COLOR_3DFACE));
  }
  ReleaseDC(w->Handle(), dc);
}

}  // namespace plat

namespace plat {

void PaintCaptionButton(Window* w, LRESULT button, bool pressed) {
  HDC dc = GetWindowDC(w->Handle());
  if (!dc) return;
  DrawCaptionButton(dc, w, LayOutWindowFrame(w, w->WindowBounds()), button, pressed);
  ReleaseDC(w->Handle(), dc);
}

}  // namespace plat
