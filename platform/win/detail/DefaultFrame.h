#pragma once
// The plain frame DefWindowProc gives windows that draw none of their own:
// its size (WM_NCCALCSIZE), hit testing (WM_NCHITTEST) and painting
// (WM_NCPAINT) in the classic look. From the outside in: a sizing frame
// (WS_THICKFRAME, 4 pixels), a dialog frame (WS_DLGFRAME or
// WS_EX_DLGMODALFRAME, 3) or a border (WS_BORDER, 1); the caption (WS_CAPTION,
// 18 pixels and a line; 15 for tool windows) with its close, maximize and
// minimize buttons; the menu bar of a top-level window that has one (rows of
// SM_CYMENU, HTMENU); the client edge (2) or static edge (1); the scroll bars.
#include "platform/win/detail/Window.h"

namespace plat {

struct FrameLayout {
  int Border = 0;
  bool Sizable = false;
  TRect Caption;  // empty without a caption
  TRect CloseButton, MaxButton, MinButton;
  TRect MenuBar;  // empty without a menu bar
  int ClientEdge = 0;
  TRect VScroll, HScroll;
  TRect Client;
};

// The parts of a window with these styles placed in `bounds`; with a menu
// bar, its rows are measured for the bar's owner.
FrameLayout LayOutFrame(DWORD style, DWORD exStyle, const TRect& bounds, HMENU menuBar = nullptr,
                        HWND menuOwner = nullptr);
// The same for a window as it is, with its own menu bar.
FrameLayout LayOutWindowFrame(const Window* window, const TRect& bounds);

// WM_NCHITTEST for a point in the window's own coordinates.
LRESULT FrameHitTest(const Window* window, TPoint windowPoint);
// WM_NCPAINT: region in screen coordinates, or 1 for the whole frame.
void PaintFrame(Window* window, WPARAM region);
// One caption button (HTCLOSE, HTMAXBUTTON, HTMINBUTTON), up or pressed.
void PaintCaptionButton(Window* window, LRESULT button, bool pressed);

}  // namespace plat
