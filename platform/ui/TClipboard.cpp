#include "platform/ui/TClipboard.h"

#include <cstring>

#include "platform/win/Clipboard.h"
#include "platform/win/GlobalMemory.h"

namespace plat {

String TClipboard::AsText() const {
  if (!OpenClipboard(nullptr)) return {};
  String text;
  if (HGLOBAL block = GetClipboardData(CF_TEXT)) {
    const std::size_t size = GlobalSize(block);
    if (const auto* bytes = static_cast<const char*>(GlobalLock(block))) {
      text.assign(bytes, strnlen(bytes, size));
      GlobalUnlock(block);
    }
  }
  CloseClipboard();
  return text;
}

bool TClipboard::SetAsText(const String& Value) {
  // The clipboard's text ends at its first NUL, as the text of every reader does.
  const std::size_t length = strnlen(Value.data(), Value.size());
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, length + 1);
  if (!block) return false;
  if (auto* bytes = static_cast<char*>(GlobalLock(block))) {
    std::memcpy(bytes, Value.data(), length);
    bytes[length] = '\0';
    GlobalUnlock(block);
  }
  if (!OpenClipboard(nullptr)) {
    GlobalFree(block);
    return false;
  }
  EmptyClipboard();
  const bool taken = SetClipboardData(CF_TEXT, block) != nullptr;
  CloseClipboard();
  if (!taken) GlobalFree(block);
  return taken;
}

bool TClipboard::HasText() const { return IsClipboardFormatAvailable(CF_TEXT); }

TClipboard* Clipboard() {
  static TClipboard clipboard;
  return &clipboard;
}

}  // namespace plat
