#pragma once
// Top-level windows across processes. A process that publishes its windows
// (StartWindowPublishing, done once at start-up) can be found by others;
// FindWindow looks through this process's windows and then every other
// publishing process's, and the handle it gives for another process's window
// works with SendMessage(WM_CLOSE), PostMessage(WM_CLOSE), ShowWindow,
// BringWindowToTop, SetForegroundWindow, IsWindowVisible and IsWindow.
#include "platform/win/WinTypes.h"

namespace plat {

// Idempotent; false with the last error set when the window socket cannot
// be made (the process then simply cannot be found).
bool StartWindowPublishing();
// Withdraws this process's windows (also done when the process ends normally).
void StopWindowPublishing();
bool IsPublishingWindows();

// The first top-level window whose class name and title match, both compared
// without regard to case; a null className or windowName matches any.
// className may be an atom (MAKEINTATOM) of a class of this process. This
// process's windows come first, topmost first; then other processes', by
// their entry in the window-registry folder. Entries of processes that have
// ended are skipped and removed. Null when none matches.
HWND FindWindowA(const char* className, const char* windowName);
inline HWND FindWindow(const char* className, const char* windowName) { return FindWindowA(className, windowName); }

// The same search among this process's own windows only.
HWND FindProcessWindow(const char* className, const char* windowName);

// How long a call on another process's window may take before it fails with
// ERROR_TIMEOUT (milliseconds; 5000 unless set).
void SetCrossProcessTimeout(int milliseconds);

}  // namespace plat
