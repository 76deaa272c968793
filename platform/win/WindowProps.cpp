#include "platform/win/WindowProps.h"

#include <algorithm>

#include "platform/rtl/StringUtils.h"
#include "platform/rtl/Unicode.h"
#include "platform/win/detail/WindowManager.h"

namespace plat {
namespace {

// Atoms name a property as "#<number>", which no registered name can be.
String Key(const char* name) {
  if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<std::uintptr_t>(name));
  return AnsiUpperCase(name);
}
String Key(const char16_t* name) {
  if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<std::uintptr_t>(name));
  return AnsiUpperCase(WideToUtf8(WideString(name)));
}

bool Set(HWND window, const String& key, HANDLE data) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w || key.empty()) return false;
  auto it = std::find_if(w->Props.begin(), w->Props.end(), [&key](const auto& p) { return p.first == key; });
  if (it != w->Props.end())
    it->second = data;
  else
    w->Props.emplace_back(key, data);
  return true;
}

HANDLE Get(HWND window, const String& key, bool remove) {
  Window* w = WindowManager::Instance().Find(window);
  if (!w) return nullptr;
  auto it = std::find_if(w->Props.begin(), w->Props.end(), [&key](const auto& p) { return p.first == key; });
  if (it == w->Props.end()) return nullptr;
  HANDLE data = it->second;
  if (remove) w->Props.erase(it);
  return data;
}

}  // namespace

bool SetPropA(HWND window, const char* name, HANDLE data) { return name && Set(window, Key(name), data); }
bool SetPropW(HWND window, const char16_t* name, HANDLE data) { return name && Set(window, Key(name), data); }
HANDLE GetPropA(HWND window, const char* name) { return name ? Get(window, Key(name), false) : nullptr; }
HANDLE GetPropW(HWND window, const char16_t* name) { return name ? Get(window, Key(name), false) : nullptr; }
HANDLE RemovePropA(HWND window, const char* name) { return name ? Get(window, Key(name), true) : nullptr; }
HANDLE RemovePropW(HWND window, const char16_t* name) { return name ? Get(window, Key(name), true) : nullptr; }

}  // namespace plat
