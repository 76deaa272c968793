#pragma once
// Monitors: the display's screens as handles, found from a window, a point
// or a rectangle, with their bounds and work areas in virtual-screen
// coordinates. The monitors come from the display in force (Display.h); the
// primary one is the first. A handle names a monitor by its place in that
// list, so it stays valid while the display keeps its monitors.
//
// A look-up that meets no monitor answers by its flag: null, the primary
// monitor, or the nearest one (by the distance between the edges). A
// rectangle belongs to the monitor it overlaps most, a window to the one
// its frame overlaps most. Unknown handles are refused with
// ERROR_INVALID_MONITOR_HANDLE.
#include <functional>

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Geometry.h"
#include "platform/win/WinTypes.h"

namespace plat {

struct HMONITOR__;
using HMONITOR = HMONITOR__*;

constexpr DWORD MONITOR_DEFAULTTONULL = 0;
constexpr DWORD MONITOR_DEFAULTTOPRIMARY = 1;
constexpr DWORD MONITOR_DEFAULTTONEAREST = 2;

constexpr DWORD MONITORINFOF_PRIMARY = 1;

struct MONITORINFO {
  DWORD cbSize = sizeof(MONITORINFO);
  RECT rcMonitor;
  RECT rcWork;
  DWORD dwFlags = 0;
};

HMONITOR MonitorFromPoint(POINT point, DWORD flags);
HMONITOR MonitorFromRect(const RECT* rect, DWORD flags);
// A minimized window belongs to the monitor it was on before.
HMONITOR MonitorFromWindow(HWND window, DWORD flags);

// Fills the record; false with ERROR_INVALID_PARAMETER when cbSize is not
// the record's size, ERROR_INVALID_MONITOR_HANDLE for an unknown handle.
bool GetMonitorInfoA(HMONITOR monitor, MONITORINFO* info);
inline bool GetMonitorInfo(HMONITOR monitor, MONITORINFO* info) { return GetMonitorInfoA(monitor, info); }

// Calls back for every monitor (primary first) that meets the clip
// rectangle (all of them without one), with the part of the monitor inside
// it; a callback answering false stops the walk. The DC, when given, is
// taken as the screen's: its coordinates are the virtual screen's.
using MONITORENUMPROC = std::function<bool(HMONITOR monitor, HDC dc, RECT* area, LPARAM data)>;
bool EnumDisplayMonitors(HDC dc, const RECT* clip, const MONITORENUMPROC& callback, LPARAM data);

}  // namespace plat
