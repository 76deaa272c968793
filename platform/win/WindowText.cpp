#include "platform/win/WindowText.h"

#include <algorithm>
#include <vector>

#include "platform/rtl/Unicode.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WinErrors.h"
#include "platform/win/detail/WindowManager.h"

namespace plat {

bool SetWindowTextA(HWND window, const char* text) {
  if (!WindowManager::Instance().FindOrFail(window)) return false;
  return SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) != 0;
}

bool SetWindowTextW(HWND window, const char16_t* text) {
  if (!WindowManager::Instance().FindOrFail(window)) return false;
  return SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : u"")) != 0;
}

int GetWindowTextA(HWND window, char* buffer, int size) {
  if (!buffer || size <= 0 || !WindowManager::Instance().FindOrFail(window)) return 0;
  buffer[0] = 0;
  return static_cast<int>(
      SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextW(HWND window, char16_t* buffer, int size) {
  if (!buffer || size <= 0 || !WindowManager::Instance().FindOrFail(window)) return 0;
  buffer[0] = 0;
  return static_cast<int>(
      SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND window) {
  if (!WindowManager::Instance().FindOrFail(window)) return 0;
  return static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
}

int GetWindowTextLengthW(HWND window) {
  if (!WindowManager::Instance().FindOrFail(window)) return 0;
  return static_cast<int>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
}

String WindowText(HWND window) {
  if (!WindowManager::Instance().Find(window)) return String();
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return String();
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, 0);
  const int got = GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
  return String(buffer.data(), static_cast<std::size_t>(std::max(got, 0)));
}

namespace {

template <typename Ch>
LRESULT CopyOut(const std::basic_string<Ch>& text, Ch* buffer, std::size_t size) {
  if (!buffer || size == 0) return 0;
  std::size_t n = std::min(text.size(), size - 1);
  if constexpr (sizeof(Ch) == 1) {
    while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  } else {
    if (n > 0 && n < text.size() && text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) --n;
  }
  std::copy_n(text.data(), n, buffer);
  buffer[n] = 0;
  return static_cast<LRESULT>(n);
}

}  // namespace

LRESULT CopyTextOut(const String& text, char* buffer, WPARAM size) { return CopyOut(text, buffer, size); }
LRESULT CopyTextOut(const WideString& text, char16_t* buffer, WPARAM size) { return CopyOut(text, buffer, size); }

}  // namespace plat
