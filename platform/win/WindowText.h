#pragma once
// Window text. The window keeps UTF-8; the W forms convert. Setting and
// getting go through WM_SETTEXT and WM_GETTEXT, so a window procedure can
// answer them itself.
#include "platform/win/WinTypes.h"

namespace plat {

bool SetWindowTextA(HWND window, const char* text);
bool SetWindowTextW(HWND window, const char16_t* text);
inline bool SetWindowText(HWND window, const char* text) { return SetWindowTextA(window, text); }
// Copies at most size - 1 units and a terminating zero; answers the units copied.
int GetWindowTextA(HWND window, char* buffer, int size);
int GetWindowTextW(HWND window, char16_t* buffer, int size);
inline int GetWindowText(HWND window, char* buffer, int size) { return GetWindowTextA(window, buffer, size); }
int GetWindowTextLengthA(HWND window);
int GetWindowTextLengthW(HWND window);
inline int GetWindowTextLength(HWND window) { return GetWindowTextLengthA(window); }

// The whole text as a String, through WM_GETTEXT ("" for no window).
String WindowText(HWND window);

// WM_GETTEXT's answer for a window procedure that keeps its own text: the
// copy into the caller's buffer of `size` units, at most size - 1 units and
// a terminating zero, never cutting a character in two. Answers the units
// copied.
LRESULT CopyTextOut(const String& text, char* buffer, WPARAM size);
LRESULT CopyTextOut(const WideString& text, char16_t* buffer, WPARAM size);

}  // namespace plat
