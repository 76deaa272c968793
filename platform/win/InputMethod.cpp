#include "platform/win/InputMethod.h"

#include <algorithm>
#include <cstring>

#include "platform/win/detail/WindowManager.h"

namespace plat {

namespace {

// A context is its window's handle under another type.
Window* WindowOfContext(HIMC context) { return WindowManager::Instance().Find(reinterpret_cast<HWND>(context)); }

}  // namespace

HIMC ImmGetContext(HWND window) {
  return WindowManager::Instance().Find(window) ? reinterpret_cast<HIMC>(window) : nullptr;
}

bool ImmReleaseContext(HWND window, HIMC context) {
  return context && ImmGetContext(window) == context;
}

LONG ImmGetCompositionStringW(HIMC context, DWORD index, void* buffer, DWORD bufferBytes) {
  const Window* w = WindowOfContext(context);
  if (!w) return IMM_ERROR_GENERAL;
  WideString text;
  switch (index) {
    case GCS_RESULTSTR: text = w->ImeResult; break;
    case GCS_COMPSTR: break;
    default: return IMM_ERROR_GENERAL;
  }
  const std::size_t needed = text.size() * sizeof(char16_t);
  if (!buffer || bufferBytes == 0) return static_cast<LONG>(needed);
  const std::size_t copied = std::min<std::size_t>(needed, bufferBytes / sizeof(char16_t) * sizeof(char16_t));
  std::memcpy(buffer, text.data(), copied);
  return static_cast<LONG>(copied);
}

}  // namespace plat
