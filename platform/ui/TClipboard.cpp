#include "platform/ui/TClipboard.h"

#include <cstring>

#include "platform/win/Clipboard.h"
#include "platform/win/GlobalMemory.h"

namespace plat {

bool TClipboard::Open() {
  if (FOpenCount == 0) {
    if (!OpenClipboard(nullptr)) return false;
    FEmptied = false;
  }
  ++FOpenCount;
  return true;
}

void TClipboard::Close() {
  if (FOpenCount == 0) return;
  if (--FOpenCount == 0) CloseClipboard();
}

void TClipboard::Adding() {
  if (FEmptied) return;
  EmptyClipboard();
  FEmptied = true;
}

bool TClipboard::Clear() {
  if (!Open()) return false;
  Adding();
  Close();
  return true;
}

String TClipboard::AsText() {
  const String bytes = GetBuffer(CF_TEXT);
  return bytes.substr(0, strnlen(bytes.data(), bytes.size()));
}

bool TClipboard::SetAsText(const String& Value) {
  // The clipboard's text ends at its first NUL, as the text of every reader does.
  const std::size_t length = strnlen(Value.data(), Value.size());
  String text = Value.substr(0, length);
  return SetBuffer(CF_TEXT, text.c_str(), length + 1);
}

bool TClipboard::HasText() const { return HasFormat(CF_TEXT); }

bool TClipboard::HasFormat(UINT Format) const { return IsClipboardFormatAvailable(Format); }

bool TClipboard::SetAsHandle(UINT Format, HGLOBAL Block) {
  if (!Open()) {
    GlobalFree(Block);
    return false;
  }
  Adding();
  const bool taken = SetClipboardData(Format, Block) != nullptr;
  Close();
  if (!taken) GlobalFree(Block);
  return taken;
}

bool TClipboard::SetBuffer(UINT Format, const void* Buffer, std::size_t Size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, Size);
  if (!block) return false;
  if (void* bytes = GlobalLock(block)) {
    if (Size) std::memcpy(bytes, Buffer, Size);
    GlobalUnlock(block);
  }
  return SetAsHandle(Format, block);
}

String TClipboard::GetBuffer(UINT Format) {
  if (!Open()) return {};
  String bytes;
  if (HGLOBAL block = GetClipboardData(Format)) {
    if (const auto* data = static_cast<const char*>(GlobalLock(block))) {
      bytes.assign(data, GlobalSize(block));
      GlobalUnlock(block);
    }
  }
  Close();
  return bytes;
}

TClipboard* Clipboard() {
  static TClipboard clipboard;
  return &clipboard;
}

}  // namespace plat
