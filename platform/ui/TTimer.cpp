#include "platform/ui/TTimer.h"

#include <unordered_map>

#include "platform/ui/TApplication.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/Messages.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowClass.h"
#include "platform/win/Windows.h"

namespace plat {

namespace {

constexpr const char* kClassName = "TTimer";
constexpr UINT_PTR kTimerId = 1;

std::unordered_map<HWND, TTimer*>& TimersByWindow() {
  static std::unordered_map<HWND, TTimer*> map;
  return map;
}

}  // namespace

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
  if (!FindWindowClass(kClassName)) {
    WNDCLASSA wc;
    wc.lpfnWndProc = TimerWndProc;
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
  }
  // A message-only window: never shown, never listed.
  FWindow = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (FWindow) TimersByWindow()[FWindow] = this;
  UpdateTimer();
}

TTimer::~TTimer() {
  if (!FWindow) return;
  KillTimer(FWindow, kTimerId);
  TimersByWindow().erase(FWindow);
  DestroyWindow(FWindow);
}

void TTimer::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned Value) {
  if (FInterval == Value) return;
  FInterval = Value;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (!FWindow) return;
  KillTimer(FWindow, kTimerId);
  if (FEnabled && FInterval > 0) SetTimer(FWindow, kTimerId, FInterval, nullptr);
}

void TTimer::Timer() {
  // The handler runs from a copy: it may delete this timer.
  if (const TNotifyEvent handler = OnTimer) handler(this);
}

LRESULT TTimer::TimerWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_TIMER && WParam == kTimerId) {
    const auto found = TimersByWindow().find(Window);
    if (found == TimersByWindow().end()) return 0;
    TTimer* timer = found->second;
    try {
      timer->Timer();
    } catch (...) {
      if (!Application) throw;
      // The timer may be gone: then the exception has no sender.
      Application->HandleException(TimersByWindow().contains(Window) ? timer : nullptr);
    }
    return 0;
  }
  return DefWindowProcA(Window, Msg, WParam, LParam);
}

}  // namespace plat
