#pragma once
// The painting machinery the window units share: update regions, the
// visible region of a window, the DCs handed out onto windows, and the
// pixels the display has not seen yet.
#include <functional>

#include "platform/gdi/DeviceContext.h"
#include "platform/win/detail/Window.h"

namespace plat {

// Adds to (RDW_INVALIDATE) or takes from (RDW_VALIDATE) the window's update
// region, and the children's as RedrawWindow's flags say. `area` is in the
// window's own window coordinates; null means the client area, or the whole
// window with RDW_FRAME.
void ChangeUpdate(Window* window, const Region* area, UINT flags);
// Repaints now what needs it (RDW_UPDATENOW / RDW_ERASENOW), children too
// unless told otherwise.
void PaintNow(Window* window, UINT flags);
// Sends WM_NCPAINT for the invalid part of the frame and validates it.
void SendFramePaint(Window* window);
// Sends WM_NCPAINT (when the frame is invalid) and WM_ERASEBKGND (when the
// background needs it) for the window at once.
void EraseNow(Window* window);
// The first window (parents before children, in Z order) that needs a
// WM_PAINT and that `accepts` takes.
Window* NextWindowToPaint(const std::function<bool(HWND)>& accepts);

// What of a window can be drawn on, in its root's bitmap coordinates: its
// area (client area, or the whole window) inside every ancestor's client
// area and region, without the siblings above it (and above clipping
// ancestors) with clipSiblings, without its children with clipChildren.
Region VisibleRegion(Window* window, bool client, bool clipChildren, bool clipSiblings);

// A DC onto the window (client area or whole window), narrowed to `narrow`
// (root bitmap coordinates) when given.
HDC OpenWindowDC(Window* window, bool client, bool clipChildren, bool clipSiblings, const Region* narrow);
void CloseWindowDC(HDC dc);
bool IsWindowDCOpen(HDC dc);
HWND WindowOfDC(HDC dc);
// Places every DC that is out onto its window again (after windows moved,
// changed shape or went away).
void RefreshWindowDCs();

// New pixels in the root's bitmap, reported to the display at idle.
void MarkDirty(Window* root, const TRect& rootRect);
// Keeps the root's bitmap the size of the window.
void SizeSurface(Window* root);

}  // namespace plat
