#pragma once
// Mouse capture, leave and hover tracking, the pointer position and
// double-click timing.
#include "platform/gdi/Geometry.h"
#include "platform/win/WinTypes.h"

namespace plat {

// While a window holds the capture, every mouse message goes to it in
// client coordinates. Taking or releasing it sends WM_CAPTURECHANGED to the
// window losing it (lParam: the new holder). Answers the previous holder.
HWND SetCapture(HWND window);
bool ReleaseCapture();
HWND GetCapture();

constexpr DWORD TME_HOVER = 0x00000001;
constexpr DWORD TME_LEAVE = 0x00000002;
constexpr DWORD TME_NONCLIENT = 0x00000010;
constexpr DWORD TME_QUERY = 0x40000000;
constexpr DWORD TME_CANCEL = 0x80000000;
constexpr DWORD HOVER_DEFAULT = 0xFFFFFFFF;

struct TRACKMOUSEEVENT {
  DWORD cbSize = sizeof(TRACKMOUSEEVENT);
  DWORD dwFlags = 0;
  HWND hwndTrack = nullptr;
  DWORD dwHoverTime = HOVER_DEFAULT;
};

// TME_LEAVE: WM_MOUSELEAVE is posted once the pointer leaves the window's
// client area (with TME_NONCLIENT, WM_NCMOUSELEAVE when it leaves the
// frame). TME_HOVER: WM_MOUSEHOVER once it rests there for the hover time.
// Either ends when posted; the window must be under the pointer, else the
// leave is posted at once.
bool TrackMouseEvent(TRACKMOUSEEVENT* track);

bool GetCursorPos(POINT* point);
// Moves the pointer (mouse messages follow as for a move).
bool SetCursorPos(int x, int y);

// Two clicks within this time (clock milliseconds) and the double-click
// rectangle make a double click for windows whose class has CS_DBLCLKS.
UINT GetDoubleClickTime();
bool SetDoubleClickTime(UINT milliseconds);

}  // namespace plat
