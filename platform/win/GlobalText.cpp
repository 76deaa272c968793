#include "platform/win/GlobalText.h"

#include <algorithm>
#include <cstring>

#include "platform/win/GlobalMemory.h"

namespace plat {
namespace {

template <typename Ch>
HGLOBAL BlockOf(const Ch* data, std::size_t bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return nullptr;
  if (bytes != 0) std::memcpy(GlobalLock(memory), data, bytes);
  GlobalUnlock(memory);
  return memory;
}

}  // namespace

String GlobalNarrowText(HGLOBAL memory) {
  const std::size_t size = GlobalSize(memory);
  const auto* bytes = static_cast<const char*>(GlobalLock(memory));
  if (!bytes) return String();
  const String text(bytes, std::find(bytes, bytes + size, '\0'));
  GlobalUnlock(memory);
  return text;
}

WideString GlobalWideText(HGLOBAL memory) {
  const std::size_t units = GlobalSize(memory) / sizeof(char16_t);
  const void* data = GlobalLock(memory);
  if (!data) return WideString();
  WideString text(units, u'\0');
  if (units != 0) std::memcpy(text.data(), data, units * sizeof(char16_t));
  GlobalUnlock(memory);
  text.resize(std::min(text.find(u'\0'), text.size()));
  return text;
}

std::vector<Byte> GlobalBytes(HGLOBAL memory) {
  const std::size_t size = GlobalSize(memory);
  const auto* data = static_cast<const Byte*>(GlobalLock(memory));
  if (!data) return {};
  std::vector<Byte> bytes(data, data + size);
  GlobalUnlock(memory);
  return bytes;
}

HGLOBAL GlobalBlockOf(const String& text) { return BlockOf(text.c_str(), text.size() + 1); }
HGLOBAL GlobalBlockOf(const WideString& text) { return BlockOf(text.c_str(), (text.size() + 1) * sizeof(char16_t)); }
HGLOBAL GlobalBlockOfBytes(const std::vector<Byte>& bytes) { return BlockOf(bytes.data(), bytes.size()); }

}  // namespace plat
