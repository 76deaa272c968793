#pragma once
// Activation, keyboard focus and enabled state.
//
// Activating a top-level window brings it to the top (of its band, with the
// windows it owns above it: ZOrder.h) and sends, to the old
// one, WM_NCACTIVATE(FALSE) and WM_ACTIVATE(WA_INACTIVE); WM_ACTIVATEAPP to
// every top-level window when the program as a whole gains or loses
// activation; to the new one WM_NCACTIVATE(TRUE) and WM_ACTIVATE, whose
// default handling gives it the focus. The display is asked to raise it and
// to give it the desktop's keyboard focus. Moving the focus sends
// WM_KILLFOCUS to the old focus window and WM_SETFOCUS to the new one.
#include "platform/win/WinTypes.h"

namespace plat {

// Answers the window that had the focus. Null takes the focus away. A
// hidden or disabled window (or one inside such) cannot take it.
HWND SetFocus(HWND window);
HWND GetFocus();

// Answers the window active before; the window must be a visible, enabled
// top-level window (a child activates its top-level window).
HWND SetActiveWindow(HWND window);
HWND GetActiveWindow();
// As SetActiveWindow, and asks the display to raise the window and give it
// the keyboard, also when it was active already.
bool SetForegroundWindow(HWND window);
HWND GetForegroundWindow();

// Sends WM_ENABLE when the state changes; a disabled window loses the
// focus, and a disabled top-level window takes no clicks (they activate its
// enabled popup instead: modality). Answers whether it was disabled before.
bool EnableWindow(HWND window, bool enable);
bool IsWindowEnabled(HWND window);

}  // namespace plat
