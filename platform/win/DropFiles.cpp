#include "platform/win/DropFiles.h"

#include <algorithm>
#include <cstring>

#include "platform/rtl/Unicode.h"
#include "platform/win/GlobalMemory.h"
#include "platform/win/GlobalText.h"

namespace plat {
namespace {

constexpr UINT kCountQuery = 0xFFFFFFFF;

// The names of a block, read within it.
std::vector<WideString> ReadNames(HDROP drop) {
  const std::vector<Byte> block = GlobalBytes(drop);
  std::vector<WideString> names;
  DROPFILES header;
  if (block.size() < sizeof(header)) return names;
  std::memcpy(&header, block.data(), sizeof(header));
  if (header.pFiles >= block.size()) return names;
  std::size_t pos = header.pFiles;
  const std::size_t unit = header.fWide ? sizeof(char16_t) : 1;
  for (;;) {
    WideString wide;
    String narrow;
    bool ended = false;
    while (pos + unit <= block.size()) {
      char16_t ch = 0;
      if (header.fWide)
        std::memcpy(&ch, block.data() + pos, sizeof ch);
      else
        ch = static_cast<char16_t>(block[pos]);
      pos += unit;
      if (ch == 0) {
        ended = true;
        break;
      }
      if (header.fWide)
        wide.push_back(ch);
      else
        narrow.push_back(static_cast<char>(ch));
    }
    if (!ended) return names;
    if (!header.fWide) wide = Utf8ToWide(narrow);
    if (wide.empty()) return names;
    names.push_back(std::move(wide));
  }
}

template <typename Ch>
UINT CopyName(const std::basic_string<Ch>& name, Ch* buffer, UINT size) {
  const auto length = static_cast<UINT>(name.size());
  if (!buffer) return length;
  if (size == 0) return 0;
  const UINT copied = std::min(length, size - 1);
  std::copy_n(name.data(), copied, buffer);
  buffer[copied] = Ch{};
  return copied;
}

}  // namespace

UINT DragQueryFileW(HDROP drop, UINT index, char16_t* buffer, UINT size) {
  const std::vector<WideString> names = ReadNames(drop);
  if (index == kCountQuery) return static_cast<UINT>(names.size());
  if (index >= names.size()) return 0;
  return CopyName(names[index], buffer, size);
}

UINT DragQueryFileA(HDROP drop, UINT index, char* buffer, UINT size) {
  const std::vector<WideString> names = ReadNames(drop);
  if (index == kCountQuery) return static_cast<UINT>(names.size());
  if (index >= names.size()) return 0;
  return CopyName(WideToUtf8(names[index]), buffer, size);
}

bool DragQueryPoint(HDROP drop, POINT* point) {
  const std::vector<Byte> block = GlobalBytes(drop);
  DROPFILES header;
  if (!point || block.size() < sizeof(header)) return false;
  std::memcpy(&header, block.data(), sizeof(header));
  *point = header.pt;
  return !header.fNC;
}

void DragFinish(HDROP drop) { GlobalFree(drop); }

std::vector<String> DroppedFileNames(HDROP drop) {
  std::vector<String> names;
  for (const WideString& name : ReadNames(drop)) names.push_back(WideToUtf8(name));
  return names;
}

HDROP CreateDropFiles(const std::vector<String>& names) {
  WideString list;
  for (const String& name : names) {
    const WideString wide = Utf8ToWide(name);
    // An empty or zero-holding name would end the list early.
    if (wide.empty() || wide.find(u'\0') != WideString::npos) continue;
    list += wide;
    list.push_back(u'\0');
  }
  list.push_back(u'\0');
  DROPFILES header;
  header.fWide = TRUE;
  std::vector<Byte> block(sizeof(header) + list.size() * sizeof(char16_t));
  std::memcpy(block.data(), &header, sizeof(header));
  std::memcpy(block.data() + sizeof(header), list.data(), list.size() * sizeof(char16_t));
  return GlobalBlockOfBytes(block);
}

}  // namespace plat
