#pragma once
// A window's standard scroll bars: the range, page and position a window
// sets for its vertical and horizontal bar, the bar shown only while the
// range exceeds the page (or shown disabled with SIF_DISABLENOSCROLL), the
// thumb sized to the page, and the user's clicks and drags on the bar turned
// into WM_VSCROLL and WM_HSCROLL requests (SB_LINEUP... SB_THUMBTRACK,
// SB_THUMBPOSITION, then SB_ENDSCROLL). The window itself scrolls its
// content and sets the new position.
#include "platform/gdi/Geometry.h"
#include "platform/win/WinTypes.h"

namespace plat {

// Bars.
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr int SB_BOTH = 3;

// WM_HSCROLL and WM_VSCROLL request codes (LOWORD of wParam).
constexpr int SB_LINEUP = 0;
constexpr int SB_LINELEFT = 0;
constexpr int SB_LINEDOWN = 1;
constexpr int SB_LINERIGHT = 1;
constexpr int SB_PAGEUP = 2;
constexpr int SB_PAGELEFT = 2;
constexpr int SB_PAGEDOWN = 3;
constexpr int SB_PAGERIGHT = 3;
constexpr int SB_THUMBPOSITION = 4;
constexpr int SB_THUMBTRACK = 5;
constexpr int SB_TOP = 6;
constexpr int SB_LEFT = 6;
constexpr int SB_BOTTOM = 7;
constexpr int SB_RIGHT = 7;
constexpr int SB_ENDSCROLL = 8;

// SCROLLINFO masks.
constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

// EnableScrollBar arrows.
constexpr UINT ESB_ENABLE_BOTH = 0x0000;
constexpr UINT ESB_DISABLE_LTUP = 0x0001;
constexpr UINT ESB_DISABLE_RTDN = 0x0002;
constexpr UINT ESB_DISABLE_BOTH = 0x0003;

// GetScrollBarInfo objects and states.
constexpr LONG OBJID_HSCROLL = -6;
constexpr LONG OBJID_VSCROLL = -5;
constexpr LONG OBJID_CLIENT = -4;
constexpr DWORD STATE_SYSTEM_UNAVAILABLE = 0x00000001;
constexpr DWORD STATE_SYSTEM_PRESSED = 0x00000008;
constexpr DWORD STATE_SYSTEM_INVISIBLE = 0x00008000;
constexpr DWORD STATE_SYSTEM_OFFSCREEN = 0x00010000;

struct SCROLLINFO {
  UINT cbSize = sizeof(SCROLLINFO);
  UINT fMask = 0;
  int nMin = 0;
  int nMax = 0;
  UINT nPage = 0;
  int nPos = 0;
  int nTrackPos = 0;
};

struct SCROLLBARINFO {
  DWORD cbSize = sizeof(SCROLLBARINFO);
  RECT rcScrollBar;       // screen coordinates
  int dxyLineButton = 0;  // the length of an arrow button
  int xyThumbTop = 0;     // the thumb, from the bar's top (left)
  int xyThumbBottom = 0;
  int reserved = 0;
  // The bar, the first arrow, the track before the thumb, the thumb, the
  // track after it, the second arrow.
  DWORD rgstate[6] = {};
};

// bar: SB_HORZ or SB_VERT. The page is kept within the range and the
// position within Min..Max - Page + 1. Answers the position; 0 with
// ERROR_INVALID_PARAMETER for a bad bar or record.
int SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, bool redraw);
// Fills what fMask asks for; false for a window that has never had the bar.
bool GetScrollInfo(HWND window, int bar, SCROLLINFO* info);
int SetScrollPos(HWND window, int bar, int pos, bool redraw);
int GetScrollPos(HWND window, int bar);
bool SetScrollRange(HWND window, int bar, int minPos, int maxPos, bool redraw);
bool GetScrollRange(HWND window, int bar, int* minPos, int* maxPos);
// bar: SB_HORZ, SB_VERT or SB_BOTH.
bool ShowScrollBar(HWND window, int bar, bool show);
bool EnableScrollBar(HWND window, UINT bar, UINT arrows);
// idObject: OBJID_VSCROLL or OBJID_HSCROLL; cbSize must be set.
bool GetScrollBarInfo(HWND window, LONG idObject, SCROLLBARINFO* info);

}  // namespace plat
