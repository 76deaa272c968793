#include "platform/win/Monitors.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "platform/win/Display.h"
#include "platform/win/WinErrors.h"
#include "platform/win/detail/WindowManager.h"

namespace plat {
namespace {

// Handles are places in the display's list, counted from 1 so none is null.
HMONITOR HandleOf(std::size_t index) { return reinterpret_cast<HMONITOR>(static_cast<std::uintptr_t>(index + 1)); }

std::optional<std::size_t> IndexOf(HMONITOR monitor, std::size_t count) {
  const auto value = reinterpret_cast<std::uintptr_t>(monitor);
  if (value == 0 || value > count) return std::nullopt;
  return static_cast<std::size_t>(value - 1);
}

// How far apart two rectangles lie (0 when they touch or overlap), squared.
std::int64_t DistanceSquared(const TRect& a, const TRect& b) {
  const std::int64_t dx = std::max({0, b.Left - a.Right + 1, a.Left - b.Right + 1});
  const std::int64_t dy = std::max({0, b.Top - a.Bottom + 1, a.Top - b.Bottom + 1});
  return dx * dx + dy * dy;
}

std::int64_t Area(const TRect& r) { return static_cast<std::int64_t>(r.Width()) * r.Height(); }

HMONITOR Fallback(const std::vector<MonitorArea>& monitors, const TRect& area, DWORD flags) {
  switch (flags) {
    case MONITOR_DEFAULTTOPRIMARY: return HandleOf(0);
    case MONITOR_DEFAULTTONEAREST: {
      std::size_t best = 0;
      std::int64_t bestDistance = std::numeric_limits<std::int64_t>::max();
      for (std::size_t i = 0; i < monitors.size(); ++i) {
        const std::int64_t d = DistanceSquared(monitors[i].Bounds, area);
        if (d < bestDistance) {
          best = i;
          bestDistance = d;
        }
      }
      return HandleOf(best);
    }
    default: return nullptr;
  }
}

}  // namespace

HMONITOR MonitorFromRect(const RECT* rect, DWORD flags) {
  if (!rect) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const std::vector<MonitorArea> monitors = CurrentDisplay().Monitors();
  // An empty rectangle counts as its top-left point.
  const TRect area = rect->IsEmpty() ? TRect{rect->Left, rect->Top, rect->Left + 1, rect->Top + 1} : *rect;
  std::optional<std::size_t> best;
  std::int64_t bestArea = 0;
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    const std::int64_t overlap = Area(monitors[i].Bounds.Intersected(area));
    if (overlap > bestArea) {
      best = i;
      bestArea = overlap;
    }
  }
  return best ? HandleOf(*best) : Fallback(monitors, area, flags);
}

HMONITOR MonitorFromPoint(POINT point, DWORD flags) {
  const RECT r{point.X, point.Y, point.X + 1, point.Y + 1};
  return MonitorFromRect(&r, flags);
}

HMONITOR MonitorFromWindow(HWND window, DWORD flags) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return nullptr;
  Window* root = w->Root();
  const RECT r = root->IsMinimized() && root->IsTopLevel() ? root->RestoreRect : root->ScreenRect();
  return MonitorFromRect(&r, flags);
}

bool GetMonitorInfoA(HMONITOR monitor, MONITORINFO* info) {
  if (!info || info->cbSize != sizeof(MONITORINFO)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  const std::vector<MonitorArea> monitors = CurrentDisplay().Monitors();
  const std::optional<std::size_t> index = IndexOf(monitor, monitors.size());
  if (!index) {
    SetLastError(ERROR_INVALID_MONITOR_HANDLE);
    return false;
  }
  info->rcMonitor = monitors[*index].Bounds;
  info->rcWork = monitors[*index].WorkArea;
  info->dwFlags = *index == 0 ? MONITORINFOF_PRIMARY : 0;
  return true;
}

bool EnumDisplayMonitors(HDC dc, const RECT* clip, const MONITORENUMPROC& callback, LPARAM data) {
  if (!callback) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  const std::vector<MonitorArea> monitors = CurrentDisplay().Monitors();
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    RECT area = clip ? monitors[i].Bounds.Intersected(*clip) : monitors[i].Bounds;
    if (area.IsEmpty()) continue;
    if (!callback(HandleOf(i), dc, &area, data)) break;
  }
  return true;
}

}  // namespace plat
