#include "platform/win/detail/TimerQueue.h"

#include <algorithm>

#include "platform/win/Clock.h"
#include "platform/win/WinErrors.h"
#include "platform/win/detail/WindowManager.h"

namespace plat {

TimerQueue& TimerQueue::Instance() {
  static TimerQueue queue;
  return queue;
}

UINT_PTR TimerQueue::Set(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  if (window && !WindowManager::Instance().FindOrFail(window)) return 0;
  elapse = std::clamp(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
  auto same = [&](const Timer& t) { return t.Window == window && t.Id == id; };
  auto it = std::find_if(FTimers.begin(), FTimers.end(), same);
  if (!window && (id == 0 || it == FTimers.end())) {
    // A new thread timer gets an id no other thread timer has.
    do {
      id = ++FNextThreadId;
    } while (std::any_of(FTimers.begin(), FTimers.end(), same));
    it = FTimers.end();
  }
  const std::int64_t due = CurrentClock().Now() + elapse;
  if (it != FTimers.end()) {
    it->Elapse = elapse;
    it->Proc = proc;
    it->Due = due;
  } else {
    FTimers.push_back({window, id, elapse, proc, due, FNextOrder++});
  }
  return window ? (id ? id : 1) : id;
}

bool TimerQueue::Kill(HWND window, UINT_PTR id) {
  const auto removed = std::erase_if(FTimers, [&](const Timer& t) { return t.Window == window && t.Id == id; });
  return removed > 0;
}

void TimerQueue::KillWindowTimers(HWND window) {
  std::erase_if(FTimers, [&](const Timer& t) { return t.Window == window; });
}

bool TimerQueue::HasProc(HWND window, UINT_PTR id, TIMERPROC proc) const {
  return std::any_of(FTimers.begin(), FTimers.end(),
                     [&](const Timer& t) { return t.Window == window && t.Id == id && t.Proc == proc; });
}

std::optional<std::int64_t> TimerQueue::NextDue() const {
  if (FTimers.empty()) return std::nullopt;
  return std::min_element(FTimers.begin(), FTimers.end(), [](const Timer& a, const Timer& b) { return a.Due < b.Due; })
      ->Due;
}

std::optional<MSG> TimerQueue::TakeDue(const std::function<bool(HWND)>& accepts, bool remove) {
  const std::int64_t now = CurrentClock().Now();
  Timer* best = nullptr;
  for (Timer& t : FTimers) {
    if (t.Due > now || !accepts(t.Window)) continue;
    if (!best || t.Due < best->Due || (t.Due == best->Due && t.Order < best->Order)) best = &t;
  }
  if (!best) return std::nullopt;
  MSG msg;
  msg.hwnd = best->Window;
  msg.message = WM_TIMER;
  msg.wParam = best->Id;
  msg.lParam = reinterpret_cast<LPARAM>(best->Proc);
  msg.time = static_cast<DWORD>(now);
  if (remove) best->Due = now + best->Elapse;
  return msg;
}

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  return TimerQueue::Instance().Set(window, id, elapse, proc);
}

bool KillTimer(HWND window, UINT_PTR id) {
  if (window && !WindowManager::Instance().FindOrFail(window)) return false;
  return TimerQueue::Instance().Kill(window, id);
}

}  // namespace plat
