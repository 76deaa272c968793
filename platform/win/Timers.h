#pragma once
// Timers on the window layer's clock (Clock.h). A timer falls due every
// elapse milliseconds; the queue hands out one WM_TIMER for it when nothing
// but timers is waiting, the earliest due first, and counts the next period
// from that moment (periods missed are not made up). A timer with a timer
// procedure has DispatchMessage call that procedure instead of the window's.
#include "platform/win/WinTypes.h"

namespace plat {

using TIMERPROC = void (*)(HWND window, UINT message, UINT_PTR id, DWORD time);

constexpr UINT USER_TIMER_MINIMUM = 0x0000000A;
constexpr UINT USER_TIMER_MAXIMUM = 0x7FFFFFFF;

// With a window: (re)starts that window's timer id and answers a nonzero
// value. Without: a new thread timer whose id is answered (or the timer id
// given, when it names one of them). Elapse is clamped to
// USER_TIMER_MINIMUM..USER_TIMER_MAXIMUM. 0 on failure.
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc);
bool KillTimer(HWND window, UINT_PTR id);

}  // namespace plat
