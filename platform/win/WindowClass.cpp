#include "platform/win/WindowClass.h"

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <vector>

#include "platform/rtl/StringUtils.h"
#include "platform/rtl/Unicode.h"
#include "platform/win/detail/AtomTable.h"
#include "platform/win/detail/MessageDelivery.h"
#include "platform/win/WinErrors.h"
#include "platform/win/detail/WindowManager.h"
#include "platform/win/WindowStyles.h"

namespace plat {
namespace {

std::vector<std::shared_ptr<WindowClassRecord>>& Classes() {
  static std::vector<std::shared_ptr<WindowClassRecord>> classes;
  return classes;
}

String NameOf(const char* name) { return name ? String(name) : String(); }
String NameOf(const char16_t* name) { return name ? WideToUtf8(WideString(name)) : String(); }

// A class argument: an atom in the low word, or a name.
template <typename Ch>
std::shared_ptr<WindowClassRecord> Lookup(const Ch* nameOrAtom) {
  if (!nameOrAtom) return nullptr;
  auto& classes = Classes();
  if (IS_INTRESOURCE(nameOrAtom)) {
    const auto atom = static_cast<ATOM>(reinterpret_cast<std::uintptr_t>(nameOrAtom));
    auto it = std::find_if(classes.begin(), classes.end(), [atom](const auto& c) { return c->Atom == atom; });
    return it == classes.end() ? nullptr : *it;
  }
  const String name = NameOf(nameOrAtom);
  auto it =
      std::find_if(classes.begin(), classes.end(), [&name](const auto& c) { return AnsiSameText(c->Name, name); });
  return it == classes.end() ? nullptr : *it;
}

template <typename Ch>
ATOM Register(const BasicWndClass<Ch>& wc, HICON iconSm) {
  constexpr bool unicode = sizeof(Ch) > 1;
  const Ch* className = wc.lpszClassName;
  const WNDPROC proc = wc.lpfnWndProc;
  if (!className || IS_INTRESOURCE(className) || !proc || wc.cbClsExtra < 0 || wc.cbWndExtra < 0 ||
      wc.cbClsExtra > MaxExtraBytes || wc.cbWndExtra > MaxExtraBytes) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const String name = NameOf(className);
  if (name.empty()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (Lookup(className)) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  const UINT atom = AtomTable::Add(name);
  if (!atom) return 0;
  auto c = std::make_shared<WindowClassRecord>();
  c->Atom = static_cast<ATOM>(atom);
  c->Name = name;
  c->Style = wc.style;
  c->Proc = proc;
  c->Unicode = unicode;
  c->Instance = wc.hInstance;
  c->Icon = wc.hIcon;
  c->IconSm = iconSm;
  c->Cursor = wc.hCursor;
  c->Background = wc.hbrBackground;
  c->MenuName = wc.lpszMenuName && !IS_INTRESOURCE(wc.lpszMenuName) ? NameOf(wc.lpszMenuName) : String();
  c->Extra.assign(static_cast<std::size_t>(wc.cbClsExtra), 0);
  c->WindowExtra = wc.cbWndExtra;
  NoteProcForm(proc, unicode);
  Classes().push_back(std::move(c));
  return static_cast<ATOM>(atom);
}

template <typename Ch>
bool Unregister(const Ch* className) {
  auto c = Lookup(className);
  if (!c) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return false;
  }
  if (c->WindowCount > 0) {
    SetLastError(ERROR_CLASS_HAS_WINDOWS);
    return false;
  }
  std::erase(Classes(), c);
  return true;
}

template <typename Ch>
int CopyName(const String& name, Ch* buffer, int size) {
  if (!buffer || size <= 0) return 0;
  std::basic_string<Ch> text;
  if constexpr (sizeof(Ch) == 1)
    text = name;
  else
    text = Utf8ToWide(name);
  const std::size_t n = std::min(text.size(), static_cast<std::size_t>(size - 1));
  std::copy_n(text.data(), n, buffer);
  buffer[n] = 0;
  return static_cast<int>(n);
}

template <typename Ch>
ATOM RegisterPlain(const BasicWndClass<Ch>* wc) {
  if (!wc) return SetLastError(ERROR_INVALID_PARAMETER), ATOM{0};
  return Register(*wc, HICON{});
}

template <typename Ch>
ATOM RegisterEx(const BasicWndClassEx<Ch>* wc) {
  if (!wc || wc->cbSize != sizeof(BasicWndClassEx<Ch>)) return SetLastError(ERROR_INVALID_PARAMETER), ATOM{0};
  return Register(*wc, wc->hIconSm);
}

// Fills a plain or extended record; the class name is the caller's own.
template <typename WC, typename Ch>
bool GetInfo(const Ch* className, WC* wc) {
  auto c = Lookup(className);
  if (!c || !wc) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return false;
  }
  wc->style = c->Style;
  wc->lpfnWndProc = c->Proc;
  wc->cbClsExtra = static_cast<int>(c->Extra.size());
  wc->cbWndExtra = c->WindowExtra;
  wc->hInstance = c->Instance;
  wc->hIcon = c->Icon;
  wc->hCursor = c->Cursor;
  wc->hbrBackground = c->Background;
  wc->lpszMenuName = nullptr;
  wc->lpszClassName = className;
  if constexpr (std::is_same_v<WC, BasicWndClassEx<Ch>>) {
    wc->hIconSm = c->IconSm;
  }
  return true;
}

template <typename Ch>
int GetName(HWND window, Ch* buffer, int size) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  return w ? CopyName(w->Class->Name, buffer, size) : 0;
}

ULONG_PTR ClassValue(HWND window, int index) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return 0;
  const WindowClassRecord& c = *w->Class;
  if (index >= 0) {
    if (static_cast<std::size_t>(index) + sizeof(ULONG_PTR) > c.Extra.size()) {
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
    }
    ULONG_PTR v = 0;
    std::memcpy(&v, c.Extra.data() + index, sizeof v);
    return v;
  }
  switch (index) {
    case GCLP_HBRBACKGROUND: return reinterpret_cast<ULONG_PTR>(c.Background);
    case GCLP_HCURSOR: return reinterpret_cast<ULONG_PTR>(c.Cursor);
    case GCLP_HICON: return reinterpret_cast<ULONG_PTR>(c.Icon);
    case GCLP_HICONSM: return reinterpret_cast<ULONG_PTR>(c.IconSm);
    case GCLP_HMODULE: return reinterpret_cast<ULONG_PTR>(c.Instance);
    case GCL_CBWNDEXTRA: return static_cast<ULONG_PTR>(c.WindowExtra);
    case GCL_CBCLSEXTRA: return c.Extra.size();
    case GCLP_WNDPROC: return reinterpret_cast<ULONG_PTR>(c.Proc);
    case GCL_STYLE: return c.Style;
    case GCW_ATOM: return c.Atom;
    default: SetLastError(ERROR_INVALID_INDEX); return 0;
  }
}

ULONG_PTR SetClassValue(HWND window, int index, LONG_PTR value, bool unicode) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return 0;
  WindowClassRecord& c = *w->Class;
  const ULONG_PTR old = ClassValue(window, index);
  if (index >= 0) {
    if (static_cast<std::size_t>(index) + sizeof(LONG_PTR) > c.Extra.size()) return 0;
    std::memcpy(c.Extra.data() + index, &value, sizeof value);
    return old;
  }
  switch (index) {
    case GCLP_HBRBACKGROUND: c.Background = reinterpret_cast<HBRUSH>(value); break;
    case GCLP_HCURSOR: c.Cursor = reinterpret_cast<HCURSOR>(value); break;
    case GCLP_HICON: c.Icon = reinterpret_cast<HICON>(value); break;
    case GCLP_HICONSM: c.IconSm = reinterpret_cast<HICON>(value); break;
    case GCL_STYLE: c.Style = static_cast<UINT>(value); break;
    case GCLP_WNDPROC:
      // Windows made from now on get the new procedure.
      c.Proc = reinterpret_cast<WNDPROC>(value);
      c.Unicode = unicode;
      NoteProcForm(c.Proc, unicode);
      break;
    default: SetLastError(ERROR_INVALID_INDEX); return 0;
  }
  return old;
}

}  // namespace

std::shared_ptr<WindowClassRecord> FindWindowClass(const char* nameOrAtom) { return Lookup(nameOrAtom); }
std::shared_ptr<WindowClassRecord> FindWindowClass(const char16_t* nameOrAtom) { return Lookup(nameOrAtom); }

ATOM RegisterClassA(const WNDCLASSA* wc) { return RegisterPlain(wc); }
ATOM RegisterClassW(const WNDCLASSW* wc) { return RegisterPlain(wc); }
ATOM RegisterClassExA(const WNDCLASSEXA* wc) { return RegisterEx(wc); }
ATOM RegisterClassExW(const WNDCLASSEXW* wc) { return RegisterEx(wc); }

bool UnregisterClassA(const char* className, HINSTANCE) { return Unregister(className); }
bool UnregisterClassW(const char16_t* className, HINSTANCE) { return Unregister(className); }

bool GetClassInfoA(HINSTANCE, const char* className, WNDCLASSA* wc) { return GetInfo(className, wc); }
bool GetClassInfoW(HINSTANCE, const char16_t* className, WNDCLASSW* wc) { return GetInfo(className, wc); }
bool GetClassInfoExA(HINSTANCE, const char* className, WNDCLASSEXA* wc) { return GetInfo(className, wc); }

int GetClassNameA(HWND window, char* buffer, int size) { return GetName(window, buffer, size); }
int GetClassNameW(HWND window, char16_t* buffer, int size) { return GetName(window, buffer, size); }

String WindowClassName(HWND window) {
  Window* w = WindowManager::Instance().Find(window);
  return w ? w->Class->Name : String();
}

ULONG_PTR GetClassLongPtrA(HWND window, int index) { return ClassValue(window, index); }
ULONG_PTR GetClassLongPtrW(HWND window, int index) { return ClassValue(window, index); }
ULONG_PTR SetClassLongPtrA(HWND window, int index, LONG_PTR value) {
  return SetClassValue(window, index, value, false);
}
ULONG_PTR SetClassLongPtrW(HWND window, int index, LONG_PTR value) { return SetClassValue(window, index, value, true); }

}  // namespace plat
