#pragma once
// Device contexts onto windows. A window's DC draws into its top-level
// window's backing bitmap, placed at the window (or its client area) and
// clipped to what of it is visible: inside every ancestor's client area and
// window region, without the siblings above it when it has WS_CLIPSIBLINGS
// and without its children when it has WS_CLIPCHILDREN. A DC from GetDC
// must go back through ReleaseDC; while it is out, it follows the window
// when the window moves.
#include "platform/gdi/DeviceContext.h"
#include "platform/win/WinTypes.h"

namespace plat {

// Client area DC; null window: a DC onto the whole screen (drawing there is
// kept off-screen), for measuring and screen capabilities.
HDC GetDC(HWND window);
// Whole-window DC (the frame included), window coordinates.
HDC GetWindowDC(HWND window);

constexpr DWORD DCX_WINDOW = 0x00000001;
constexpr DWORD DCX_CACHE = 0x00000002;
constexpr DWORD DCX_NORESETATTRS = 0x00000004;
constexpr DWORD DCX_CLIPCHILDREN = 0x00000008;
constexpr DWORD DCX_CLIPSIBLINGS = 0x00000010;
constexpr DWORD DCX_PARENTCLIP = 0x00000020;
constexpr DWORD DCX_EXCLUDERGN = 0x00000040;
constexpr DWORD DCX_INTERSECTRGN = 0x00000080;
constexpr DWORD DCX_USESTYLE = 0x00010000;  // clip children and siblings as the window's style says
constexpr DWORD DCX_VALIDATE = 0x00200000;

// clipRegion (screen coordinates, as WM_NCPAINT passes it) is used with
// DCX_EXCLUDERGN or DCX_INTERSECTRGN; the value 1 stands for no region.
HDC GetDCEx(HWND window, HRGN clipRegion, DWORD flags);
// Answers 1 when the DC was released, 0 when it is not a window's DC.
int ReleaseDC(HWND window, HDC dc);
HWND WindowFromDC(HDC dc);

}  // namespace plat
