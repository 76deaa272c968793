#pragma once
// The basic types of the window layer. A window handle is an opaque value
// that the window list maps to a window; handle values are never reused in a
// process, so a stale or made-up handle is refused instead of reaching
// another window.
#include <cstdint>

#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/WindowHandle.h"
#include "platform/os/ModuleExports.h"
#include "platform/rtl/Types.h"

namespace plat {

// A program instance is its module, as on the platform.
using HINSTANCE = HMODULE;
struct HMENU__;
using HMENU = HMENU__*;
struct HICON__;
using HICON = HICON__*;
struct HCURSOR__;
using HCURSOR = HCURSOR__*;
struct HGLOBAL__;
using HGLOBAL = HGLOBAL__*;

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LONG_PTR = std::intptr_t;
using ULONG_PTR = std::uintptr_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using ATOM = Word;
using LONG = std::int32_t;
using SHORT = std::int16_t;
using BOOL = int;
constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

using WNDPROC = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

constexpr Word LOWORD(std::uintptr_t v) { return static_cast<Word>(v & 0xFFFF); }
constexpr Word HIWORD(std::uintptr_t v) { return static_cast<Word>((v >> 16) & 0xFFFF); }
constexpr Byte LOBYTE(std::uintptr_t v) { return static_cast<Byte>(v & 0xFF); }
constexpr Byte HIBYTE(std::uintptr_t v) { return static_cast<Byte>((v >> 8) & 0xFF); }
constexpr DWORD MAKELONG(Word low, Word high) { return static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16); }
constexpr LPARAM MAKELPARAM(Word low, Word high) { return static_cast<LPARAM>(MAKELONG(low, high)); }
constexpr WPARAM MAKEWPARAM(Word low, Word high) { return static_cast<WPARAM>(MAKELONG(low, high)); }
constexpr LRESULT MAKELRESULT(Word low, Word high) { return static_cast<LRESULT>(MAKELONG(low, high)); }
// Signed coordinates packed in an lParam (they may be negative).
constexpr int GET_X_LPARAM(LPARAM l) { return static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(l))); }
constexpr int GET_Y_LPARAM(LPARAM l) { return static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(l))); }
constexpr LPARAM PointToLParam(int x, int y) {
  return MAKELPARAM(static_cast<Word>(static_cast<SHORT>(x)), static_cast<Word>(static_cast<SHORT>(y)));
}
constexpr SHORT GET_WHEEL_DELTA_WPARAM(WPARAM w) { return static_cast<SHORT>(HIWORD(w)); }
constexpr Word GET_KEYSTATE_WPARAM(WPARAM w) { return LOWORD(w); }

// Integer resource identifiers (cursors, icons) travel as small pointer values.
inline const char* MAKEINTRESOURCE(Word id) { return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(id)); }
inline bool IS_INTRESOURCE(const void* p) { return (reinterpret_cast<std::uintptr_t>(p) >> 16) == 0; }

}  // namespace plat
