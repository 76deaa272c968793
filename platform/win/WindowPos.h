#pragma once
// Where windows are: placement, Z order, show states, coordinates, window
// regions and finding the window at a point.
//
// SetWindowPos sends WM_WINDOWPOSCHANGING (which may alter the placement),
// WM_NCCALCSIZE when the size or frame changes, repaints what was uncovered
// or newly shown (WM_NCPAINT and WM_ERASEBKGND at once for a window being
// shown, WM_PAINT later), then WM_WINDOWPOSCHANGED, whose default handling
// sends WM_MOVE and WM_SIZE. ShowWindow sends WM_SHOWWINDOW first and
// activates a top-level window unless told not to.
#include "platform/gdi/Region.h"
#include "platform/win/WinTypes.h"

namespace plat {

// insertAfter places the window in the Z order as ZOrder.h describes
// (topmost band, owned windows above their owners).
bool SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
bool MoveWindow(HWND window, int x, int y, int width, int height, bool repaint);
// Answers whether the window was visible before.
bool ShowWindow(HWND window, int command);
bool BringWindowToTop(HWND window);

constexpr DWORD AW_HOR_POSITIVE = 0x00000001;
constexpr DWORD AW_HOR_NEGATIVE = 0x00000002;
constexpr DWORD AW_VER_POSITIVE = 0x00000004;
constexpr DWORD AW_VER_NEGATIVE = 0x00000008;
constexpr DWORD AW_CENTER = 0x00000010;
constexpr DWORD AW_HIDE = 0x00010000;
constexpr DWORD AW_ACTIVATE = 0x00020000;
constexpr DWORD AW_SLIDE = 0x00040000;
constexpr DWORD AW_BLEND = 0x00080000;
// Hides the window (AW_HIDE) or shows it, activating it only with
// AW_ACTIVATE. The roll, slide or fade is not played: the window takes its
// end state at once, so the time does not matter. False when it is in that
// state already.
bool AnimateWindow(HWND window, DWORD time, DWORD flags);
bool IsWindowVisible(HWND window);
bool IsIconic(HWND window);
bool IsZoomed(HWND window);

// The window's rectangle in screen coordinates; the client rectangle in
// client coordinates (top-left 0, 0).
bool GetWindowRect(HWND window, RECT* rect);
bool GetClientRect(HWND window, RECT* rect);
bool ClientToScreen(HWND window, POINT* point);
bool ScreenToClient(HWND window, POINT* point);
// From one window's client coordinates to another's (null: the screen).
// Answers the offset added, x in the low word and y in the high word.
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);

// The window rectangle a client rectangle needs with the default frame of
// these styles (and a menu bar of one row when `menu`).
bool AdjustWindowRectEx(RECT* rect, DWORD style, bool menu, DWORD exStyle);

// The window's shape (window coordinates); the window owns the region from
// then on and deletes it when replaced. Null restores the rectangle.
int SetWindowRgn(HWND window, HRGN region, bool redraw);
// Copies the shape into region: its kind, or ERROR when there is none.
int GetWindowRgn(HWND window, HRGN region);

// The deepest visible, enabled window under a screen point, asking
// WM_NCHITTEST and passing by windows that answer HTTRANSPARENT.
HWND WindowFromPoint(POINT screenPoint);
// The child (or the parent itself) at a point in the parent's client
// coordinates, among direct children only.
HWND ChildWindowFromPoint(HWND parent, POINT point);
HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags);

}  // namespace plat
