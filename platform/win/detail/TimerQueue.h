#pragma once
// The thread's timers, due times on the window layer's clock.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/win/Messages.h"
#include "platform/win/Timers.h"

namespace plat {

class TimerQueue {
 public:
  static TimerQueue& Instance();

  UINT_PTR Set(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc);
  bool Kill(HWND window, UINT_PTR id);
  void KillWindowTimers(HWND window);
  // Whether the timer runs with this timer procedure.
  bool HasProc(HWND window, UINT_PTR id, TIMERPROC proc) const;

  // The earliest due time, if any timer runs.
  std::optional<std::int64_t> NextDue() const;
  // The WM_TIMER of the earliest timer due now whose window passes the
  // filter; with `remove`, the timer's next period starts now.
  std::optional<MSG> TakeDue(const std::function<bool(HWND)>& accepts, bool remove);

 private:
  struct Timer {
    HWND Window = nullptr;
    UINT_PTR Id = 0;
    UINT Elapse = 0;
    TIMERPROC Proc = nullptr;
    std::int64_t Due = 0;
    std::uint64_t Order = 0;  // ties fall to the timer set first
  };
  std::vector<Timer> FTimers;
  std::uint64_t FNextOrder = 0;
  UINT_PTR FNextThreadId = 0x7FF0;
};

}  // namespace plat
