#pragma once
// Watching another window's messages: a watcher hears every message the
// window's procedure is handed, just before the procedure, and cannot change
// or eat it. The window's procedure is replaced (in the window's own text
// form) by one that tells the watchers and calls the old one; it is put back
// once the last watcher stops, unless someone replaced it since, in which
// case it stays and only passes messages on. When the window goes, each
// watcher hears WatchedWindowGone after the window's own WM_NCDESTROY and
// is forgotten.
#include "platform/win/WinTypes.h"

namespace plat {

class MessageWatcher {
 public:
  virtual void WatchedMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  virtual void WatchedWindowGone(HWND window) = 0;

 protected:
  ~MessageWatcher() = default;
};

// False for no window; watching twice is watching once.
bool WatchWindowMessages(HWND window, MessageWatcher* watcher);
void StopWatchingWindowMessages(HWND window, MessageWatcher* watcher);

}  // namespace plat
