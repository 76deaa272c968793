#pragma once
// Invalid regions and painting. Each window keeps an update region; the
// queue hands out WM_PAINT for it when nothing else is waiting (parents
// before their children). BeginPaint sends WM_NCPAINT when the frame is
// invalid and WM_ERASEBKGND when the background needs erasing, validates,
// and answers a DC clipped to what was invalid. A window that was hidden
// when invalidated stays valid (it is painted whole when shown).
#include "platform/gdi/DeviceContext.h"
#include "platform/win/WinTypes.h"

namespace plat {

struct PAINTSTRUCT {
  HDC hdc = nullptr;
  BOOL fErase = 0;  // the background still needs erasing (WM_ERASEBKGND answered 0)
  RECT rcPaint;     // client coordinates
  BOOL fRestore = 0;
  BOOL fIncUpdate = 0;
  Byte rgbReserved[32] = {};
};

HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
bool EndPaint(HWND window, const PAINTSTRUCT* paint);

// Client coordinates; null rect or region: the whole client area.
bool InvalidateRect(HWND window, const RECT* rect, bool erase);
bool InvalidateRgn(HWND window, HRGN region, bool erase);
bool ValidateRect(HWND window, const RECT* rect);
bool ValidateRgn(HWND window, HRGN region);
// The client part of the update region: its bounds (true when not empty),
// or a copy (its kind). erase: also erase now (sends WM_ERASEBKGND).
bool GetUpdateRect(HWND window, RECT* rect, bool erase);
int GetUpdateRgn(HWND window, HRGN region, bool erase);
// Sends WM_PAINT at once to the window and its descendants that need it.
bool UpdateWindow(HWND window);

// RedrawWindow flags.
constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_INTERNALPAINT = 0x0002;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_VALIDATE = 0x0008;
constexpr UINT RDW_NOINTERNALPAINT = 0x0010;
constexpr UINT RDW_NOERASE = 0x0020;
constexpr UINT RDW_NOCHILDREN = 0x0040;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_UPDATENOW = 0x0100;
constexpr UINT RDW_ERASENOW = 0x0200;
constexpr UINT RDW_FRAME = 0x0400;
constexpr UINT RDW_NOFRAME = 0x0800;

// Rect and region in client coordinates; children are included with
// RDW_ALLCHILDREN, left out with RDW_NOCHILDREN, and otherwise included
// unless the window has WS_CLIPCHILDREN.
bool RedrawWindow(HWND window, const RECT* rect, HRGN region, UINT flags);

// ScrollWindowEx flags.
constexpr UINT SW_SCROLLCHILDREN = 0x0001;
constexpr UINT SW_INVALIDATE = 0x0002;
constexpr UINT SW_ERASE = 0x0004;

// Moves the pixels of the client area (within scroll and clip, client
// coordinates; null: the whole client area) by dx, dy. What the move
// uncovered, and what came from a hidden part, is the update: returned in
// updateRegion and updateRect when given, and invalidated with
// SW_INVALIDATE. The update region already pending inside the scrolled
// area moves along. SW_SCROLLCHILDREN moves the children too. Answers the
// update's region kind, or ERROR.
int ScrollWindowEx(HWND window, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN updateRegion,
                   RECT* updateRect, UINT flags);
bool ScrollWindow(HWND window, int dx, int dy, const RECT* scroll, const RECT* clip);

}  // namespace plat
