#pragma once
// Window classes: registration, look-up by name or atom, and the values a
// class stores. Class names compare without regard to case. A class
// registered through the W forms (or whose procedure is Unicode) makes
// Unicode windows: their procedure receives UTF-16 text; A forms take UTF-8.
#include <memory>
#include <vector>

#include "platform/gdi/GdiObjects.h"
#include "platform/win/WinTypes.h"

namespace plat {

// The values a class is registered with; Ch is char for the A forms and
// char16_t for the W forms.
template <typename Ch>
struct BasicWndClass {
  UINT style = 0;
  WNDPROC lpfnWndProc = nullptr;
  int cbClsExtra = 0;
  int cbWndExtra = 0;
  HINSTANCE hInstance = nullptr;
  HICON hIcon = nullptr;
  HCURSOR hCursor = nullptr;
  // A brush, or a system colour index + 1.
  HBRUSH hbrBackground = nullptr;
  const Ch* lpszMenuName = nullptr;
  const Ch* lpszClassName = nullptr;  // a name or an atom (MAKEINTATOM)
};

// The extended form adds a small icon; cbSize must be the record's size.
template <typename Ch>
struct BasicWndClassEx : BasicWndClass<Ch> {
  UINT cbSize = sizeof(BasicWndClassEx);
  HICON hIconSm = nullptr;
};

using WNDCLASSA = BasicWndClass<char>;
using WNDCLASSW = BasicWndClass<char16_t>;
using WNDCLASSEXA = BasicWndClassEx<char>;
using WNDCLASSEXW = BasicWndClassEx<char16_t>;

inline const char* MAKEINTATOM(ATOM atom) { return MAKEINTRESOURCE(atom); }

// The extra bytes a class or window may ask for.
constexpr int MaxExtraBytes = 1024;

// The atom, or 0 (ERROR_CLASS_ALREADY_EXISTS, ERROR_INVALID_PARAMETER).
ATOM RegisterClassA(const WNDCLASSA* wc);
ATOM RegisterClassW(const WNDCLASSW* wc);
ATOM RegisterClassExA(const WNDCLASSEXA* wc);
ATOM RegisterClassExW(const WNDCLASSEXW* wc);
inline ATOM RegisterClass(const WNDCLASSA* wc) { return RegisterClassA(wc); }
inline ATOM RegisterClassEx(const WNDCLASSEXA* wc) { return RegisterClassExA(wc); }

// Fails while windows of the class exist (ERROR_CLASS_HAS_WINDOWS).
bool UnregisterClassA(const char* className, HINSTANCE instance);
bool UnregisterClassW(const char16_t* className, HINSTANCE instance);
inline bool UnregisterClass(const char* className, HINSTANCE instance) { return UnregisterClassA(className, instance); }

bool GetClassInfoA(HINSTANCE instance, const char* className, WNDCLASSA* wc);
bool GetClassInfoW(HINSTANCE instance, const char16_t* className, WNDCLASSW* wc);
bool GetClassInfoExA(HINSTANCE instance, const char* className, WNDCLASSEXA* wc);
inline bool GetClassInfo(HINSTANCE instance, const char* className, WNDCLASSA* wc) {
  return GetClassInfoA(instance, className, wc);
}

// Copies the window's class name (cut to size - 1 units, zero-terminated);
// answers the units copied, 0 on failure.
int GetClassNameA(HWND window, char* buffer, int size);
int GetClassNameW(HWND window, char16_t* buffer, int size);
inline int GetClassName(HWND window, char* buffer, int size) { return GetClassNameA(window, buffer, size); }
// The window's class name as a String ("" for no window).
String WindowClassName(HWND window);

ULONG_PTR GetClassLongPtrA(HWND window, int index);
ULONG_PTR GetClassLongPtrW(HWND window, int index);
ULONG_PTR SetClassLongPtrA(HWND window, int index, LONG_PTR value);
ULONG_PTR SetClassLongPtrW(HWND window, int index, LONG_PTR value);
inline ULONG_PTR GetClassLongPtr(HWND window, int index) { return GetClassLongPtrA(window, index); }
inline ULONG_PTR SetClassLongPtr(HWND window, int index, LONG_PTR value) {
  return SetClassLongPtrA(window, index, value);
}

// A registered class as the window layer keeps it.
struct WindowClassRecord {
  ATOM Atom = 0;
  String Name;
  UINT Style = 0;
  WNDPROC Proc = nullptr;
  bool Unicode = false;
  HINSTANCE Instance = nullptr;
  HICON Icon = nullptr;
  HICON IconSm = nullptr;
  HCURSOR Cursor = nullptr;
  HBRUSH Background = nullptr;
  String MenuName;
  std::vector<Byte> Extra;
  int WindowExtra = 0;
  int WindowCount = 0;
};

// The class named by a name or an atom, or null.
std::shared_ptr<WindowClassRecord> FindWindowClass(const char* nameOrAtom);
std::shared_ptr<WindowClassRecord> FindWindowClass(const char16_t* nameOrAtom);

}  // namespace plat
