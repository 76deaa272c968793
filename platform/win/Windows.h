#pragma once
// The window layer's public entry. The headers directly in platform/win are
// its public API, all that the class library and the code above it include;
// platform/win/detail holds the layer's own workings (the window record,
// the window list, the queues, painting and input machinery, cross-process
// plumbing, the SDL glue), included only by the layer and its tests.
//
// Creating and destroying windows, their relations (parent, owner,
// children, Z order), enumeration and the values a window stores.
//
// CreateWindowEx sends, in order: WM_GETMINMAXINFO (overlapped and sizable
// windows), WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE and
// WM_PARENTNOTIFY to the parent of a child window; a WS_VISIBLE window is
// then shown as by ShowWindow(SW_SHOW). WM_NCCREATE answering FALSE or
// WM_CREATE answering -1 destroys it again and CreateWindowEx answers null.
// DestroyWindow hides the window, sends WM_DESTROY (parents before
// children), then WM_NCDESTROY (children before parents); owned windows go
// first.
#include "platform/win/WinTypes.h"

namespace plat {

// Parent for message-only windows: never shown, never announced.
inline const HWND HWND_MESSAGE = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-3));
inline const HWND HWND_DESKTOP = nullptr;

// Names are UTF-8 (A) or UTF-16 (W); a class may be named by its atom.
// parent: the parent of a WS_CHILD window, else the owner (or null).
// menu: the control identifier of a child window.
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, void* param);
HWND CreateWindowExW(DWORD exStyle, const char16_t* className, const char16_t* windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param);
inline HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                           int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
  return CreateWindowExA(exStyle, className, windowName, style, x, y, width, height, parent, menu, instance, param);
}
inline HWND CreateWindow(const char* className, const char* windowName, DWORD style, int x, int y, int width,
                         int height, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
  return CreateWindowExA(0, className, windowName, style, x, y, width, height, parent, menu, instance, param);
}

bool DestroyWindow(HWND window);
// A window of this process that is not destroyed, or one of another
// process that the installed ForeignWindows knows.
bool IsWindow(HWND window);
// Whether the window's procedure takes UTF-16 text.
bool IsWindowUnicode(HWND window);

// The parent of a child window, the owner of a popup, else null.
HWND GetParent(HWND window);
// Makes the window a child of newParent (null: top-level); answers the old parent.
HWND SetParent(HWND window, HWND newParent);
HWND GetAncestor(HWND window, UINT flags);
// GW_HWNDFIRST/LAST/NEXT/PREV (siblings in Z order, topmost first),
// GW_OWNER, GW_CHILD, GW_ENABLEDPOPUP.
HWND GetWindow(HWND window, UINT command);
HWND GetTopWindow(HWND parent);
HWND GetNextWindow(HWND window, UINT command);
bool IsChild(HWND parent, HWND window);
HWND GetDesktopWindow();
// The owned popup that is enabled and visible (the modal window of an owner
// disabled for it), else the window itself.
HWND GetLastActivePopup(HWND owner);

using WNDENUMPROC = BOOL (*)(HWND window, LPARAM lParam);
// Top-level windows in Z order; stops when the procedure answers FALSE.
bool EnumWindows(WNDENUMPROC proc, LPARAM lParam);
// Every descendant, depth first.
bool EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam);

// Stored values: GWLP_WNDPROC, GWLP_HINSTANCE, GWLP_HWNDPARENT, GWLP_ID,
// GWL_STYLE, GWL_EXSTYLE, GWLP_USERDATA, or a byte offset into the window's
// extra bytes. Setting GWL_STYLE or GWL_EXSTYLE sends WM_STYLECHANGING and
// WM_STYLECHANGED (a changed frame needs SetWindowPos SWP_FRAMECHANGED);
// setting GWLP_WNDPROC through the W form makes the window Unicode, through
// the A form ANSI. 0 with ERROR_INVALID_INDEX for a bad index.
LONG_PTR GetWindowLongPtrA(HWND window, int index);
LONG_PTR GetWindowLongPtrW(HWND window, int index);
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value);
LONG_PTR SetWindowLongPtrW(HWND window, int index, LONG_PTR value);
inline LONG_PTR GetWindowLongPtr(HWND window, int index) { return GetWindowLongPtrA(window, index); }
inline LONG_PTR SetWindowLongPtr(HWND window, int index, LONG_PTR value) {
  return SetWindowLongPtrA(window, index, value);
}
inline LONG GetWindowLong(HWND window, int index) { return static_cast<LONG>(GetWindowLongPtrA(window, index)); }
inline LONG SetWindowLong(HWND window, int index, LONG value) {
  return static_cast<LONG>(SetWindowLongPtrA(window, index, value));
}
int GetDlgCtrlID(HWND window);
// The child with the control identifier, searched among direct children.
HWND GetDlgItem(HWND parent, int id);

}  // namespace plat
