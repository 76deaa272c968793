#include "platform/win/Mouse.h"

#include <algorithm>

#include "platform/win/detail/InputRouter.h"
#include "platform/win/detail/MessageDelivery.h"
#include "platform/win/WinErrors.h"
#include "platform/win/detail/WindowManager.h"

namespace plat {
namespace {

void ChangeCapture(HWND to) {
  WindowManager& wm = WindowManager::Instance();
  const HWND old = wm.Capture;
  if (old == to) return;
  wm.Capture = to;
  CurrentDisplay().CaptureChanged(to);
  if (Window* o = wm.Find(old)) Deliver(o, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(to), false);
}

}  // namespace

HWND SetCapture(HWND window) {
  WindowManager& wm = WindowManager::Instance();
  const HWND old = wm.Capture;
  if (window && !wm.FindOrFail(window)) return nullptr;
  ChangeCapture(window);
  return old;
}

bool ReleaseCapture() {
  ChangeCapture(nullptr);
  return true;
}

HWND GetCapture() { return WindowManager::Instance().Capture; }

bool TrackMouseEvent(TRACKMOUSEEVENT* track) {
  if (!track || track->cbSize != sizeof(TRACKMOUSEEVENT)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  WindowManager& wm = WindowManager::Instance();
  InputRouter& router = InputRouter::Instance();
  if (track->dwFlags & TME_QUERY) {
    // What is being tracked, and for which window.
    Window* tracked = wm.Find(router.TrackedWindow());
    track->dwFlags = tracked ? tracked->TrackFlags : 0;
    track->hwndTrack = tracked ? tracked->Handle() : nullptr;
    track->dwHoverTime = tracked ? tracked->HoverTime : 0;
    return true;
  }
  Window* w = wm.FindOrFail(track->hwndTrack);
  if (!w) return false;
  if (track->dwFlags & TME_CANCEL) {
    w->TrackFlags &= ~(track->dwFlags & (TME_LEAVE | TME_HOVER));
    if (!(w->TrackFlags & (TME_LEAVE | TME_HOVER))) router.CancelTracking(w);
    return true;
  }
  return router.StartTracking(w, track->dwFlags, track->dwHoverTime);
}

bool GetCursorPos(POINT* point) {
  if (!point) return false;
  *point = InputRouter::Instance().CursorPos;
  return true;
}

bool SetCursorPos(int x, int y) {
  const TSize screen = CurrentDisplay().ScreenSize();
  FeedMouseMove({std::clamp(x, 0, std::max(screen.cx - 1, 0)), std::clamp(y, 0, std::max(screen.cy - 1, 0))});
  return true;
}

UINT GetDoubleClickTime() { return InputRouter::Instance().DoubleClickTime; }

bool SetDoubleClickTime(UINT milliseconds) {
  InputRouter::Instance().DoubleClickTime = milliseconds ? std::min(milliseconds, 5000u) : 500;
  return true;
}

}  // namespace plat
