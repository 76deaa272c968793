#include "platform/win/detail/MessageWatch.h"

#include <algorithm>
#include <map>
#include <vector>

#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"

namespace plat {
namespace {

struct WatchedWindow {
  WNDPROC Original = nullptr;
  bool Unicode = false;  // the form the watching procedure was put in
  std::vector<MessageWatcher*> Watchers;
};

std::map<HWND, WatchedWindow>& Watched() {
  static std::map<HWND, WatchedWindow> watched;
  return watched;
}

template <bool Unicode>
LRESULT WatchingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto& watched = Watched();
  auto it = watched.find(window);
  if (it == watched.end()) return 0;  // never installed for this window
  const WNDPROC original = it->second.Original;
  // A watcher may stop watching, or start another, while it is told.
  for (MessageWatcher* watcher : std::vector(it->second.Watchers)) {
    it = watched.find(window);
    if (it == watched.end()) break;
    const auto& now = it->second.Watchers;
    if (std::find(now.begin(), now.end(), watcher) != now.end())
      watcher->WatchedMessage(window, message, wParam, lParam);
  }
  const LRESULT result = Unicode ? CallWindowProcW(original, window, message, wParam, lParam)
                                 : CallWindowProcA(original, window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    it = watched.find(window);
    if (it != watched.end()) {
      const std::vector<MessageWatcher*> watchers = std::move(it->second.Watchers);
      watched.erase(it);
      for (MessageWatcher* watcher : watchers) watcher->WatchedWindowGone(window);
    }
  }
  return result;
}

WNDPROC WatchingProcFor(bool unicode) { return unicode ? &WatchingProc<true> : &WatchingProc<false>; }

}  // namespace

bool WatchWindowMessages(HWND window, MessageWatcher* watcher) {
  if (!IsWindow(window) || !watcher) return false;
  auto& watched = Watched();
  auto it = watched.find(window);
  if (it == watched.end()) {
    WatchedWindow record;
    record.Unicode = IsWindowUnicode(window);
    const WNDPROC own = WatchingProcFor(record.Unicode);
    // The record must be in place before the procedure is, for the
    // messages that the replacement itself may bring.
    it = watched.emplace(window, std::move(record)).first;
    const LONG_PTR previous = it->second.Unicode
                                  ? SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own))
                                  : SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
    it->second.Original = reinterpret_cast<WNDPROC>(previous);
  }
  auto& watchers = it->second.Watchers;
  if (std::find(watchers.begin(), watchers.end(), watcher) == watchers.end()) watchers.push_back(watcher);
  return true;
}

void StopWatchingWindowMessages(HWND window, MessageWatcher* watcher) {
  auto& watched = Watched();
  auto it = watched.find(window);
  if (it == watched.end()) return;
  std::erase(it->second.Watchers, watcher);
  if (!it->second.Watchers.empty()) return;
  const WNDPROC own = WatchingProcFor(it->second.Unicode);
  const WNDPROC current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
  // Replaced by someone after us: our procedure stays in their chain and
  // keeps passing messages on.
  if (current != own) return;
  const LONG_PTR original = reinterpret_cast<LONG_PTR>(it->second.Original);
  const bool unicode = it->second.Unicode;
  watched.erase(it);
  if (unicode)
    SetWindowLongPtrW(window, GWLP_WNDPROC, original);
  else
    SetWindowLongPtrA(window, GWLP_WNDPROC, original);
}

}  // namespace plat
