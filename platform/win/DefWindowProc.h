#pragma once
// The default handling of messages: text storage, the plain frame (its
// size, hit testing, painting, moving, sizing and caption buttons),
// erasing with the class brush, focus on activation, cursor shapes, close
// and system commands, and passing mouse activation, cursor and wheel
// questions up to the parent.
#include "platform/win/WinTypes.h"

namespace plat {

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
inline LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace plat
