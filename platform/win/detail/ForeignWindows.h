#pragma once
// Windows of other processes. Their handles come from the same handle space
// as this process's own windows (AllocateWindowHandle), so a handle names
// one window only. When a window routine that works across processes is
// given a handle that is not one of this process's windows, it hands the
// call to the installed ForeignWindows, which answers it and sets the last
// error (ERROR_INVALID_WINDOW_HANDLE for a handle it does not know).
// Without one, the call fails with ERROR_INVALID_WINDOW_HANDLE.
#include <optional>

#include "platform/win/WinTypes.h"

namespace plat {

class ForeignWindows {
 public:
  virtual ~ForeignWindows() = default;
  virtual bool IsWindow(HWND window) = 0;
  // Only messages whose parameters carry no pointers cross processes;
  // none when the message cannot be delivered.
  virtual std::optional<LRESULT> SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  virtual bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // As the local routines answer.
  virtual bool ShowWindow(HWND window, int command) = 0;
  virtual bool BringWindowToTop(HWND window) = 0;
  virtual bool SetForegroundWindow(HWND window) = 0;
  // False both for a hidden window and a failed call; the last error is
  // ERROR_SUCCESS only for the former.
  virtual bool IsWindowVisible(HWND window) = 0;
};

// Not owned; null removes it.
void SetForeignWindows(ForeignWindows* foreign);
ForeignWindows* InstalledForeignWindows();
// The installed ForeignWindows for a handle that is not local, or null
// with ERROR_INVALID_WINDOW_HANDLE set (no router, or a null handle).
ForeignWindows* ForeignFor(HWND window);

// A fresh handle value, never given out before in this process.
HWND AllocateWindowHandle();

}  // namespace plat
