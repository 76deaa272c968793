#pragma once
// The standard scroll bars as parts of the default frame: their painting
// and the mouse on them. Only the window layer's frame code uses this.
#include "platform/gdi/DeviceContext.h"
#include "platform/win/detail/Window.h"

namespace plat {

// Paints a window's bar (SB_VERT or SB_HORZ) in rect (window coordinates)
// on a DC of the whole window.
void PaintScrollBar(HDC dc, const Window* window, int bar, const TRect& rect);
// WM_NCLBUTTONDOWN on HTVSCROLL or HTHSCROLL at a screen point: follows the
// mouse until the button comes up, sending the scroll requests.
void TrackScrollBar(Window* window, int bar, TPoint screen);

}  // namespace plat
