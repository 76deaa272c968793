#include "platform/win/detail/ToolTipTools.h"

#include <algorithm>
#include <cstring>

#include "platform/win/WindowPos.h"
#include "platform/win/Windows.h"

namespace plat {
namespace {

// What TTM_GETTOOLINFOA may write into the caller's text buffer.
constexpr std::size_t TextBufferSize = 80;

bool HasParam(const TOOLINFOA& info) { return info.cbSize >= TTTOOLINFOA_V2_SIZE; }

// The longest start of text that fits `room` bytes without cutting a
// character's UTF-8 sequence.
std::size_t WholeCharacters(const String& text, std::size_t room) {
  std::size_t n = std::min(text.size(), room);
  if (n == text.size()) return n;
  while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  return n;
}

}  // namespace

HWND Tool::Window() const { return (Flags & TTF_IDISHWND) ? reinterpret_cast<HWND>(Key.Id) : Key.Owner; }

TRect Tool::ScreenArea() const {
  if (Flags & TTF_IDISHWND) {
    RECT r;
    return GetWindowRect(Window(), &r) ? r : TRect{};
  }
  POINT origin{0, 0};
  ClientToScreen(Key.Owner, &origin);
  return Rect.Translated(origin.X, origin.Y);
}

TOOLINFOA* ToolInfoOf(LPARAM lParam) {
  auto* info = reinterpret_cast<TOOLINFOA*>(lParam);
  if (!info || info->cbSize < TTTOOLINFOA_V1_SIZE || info->cbSize > sizeof(TOOLINFOA)) return nullptr;
  return info;
}

std::optional<ToolText> ReadToolText(const char* text) {
  if (text == LPSTR_TEXTCALLBACK) return ToolText{true, {}};
  if (!text) return ToolText{};
  // The platform keeps no string resources to look such a number up in.
  if (IS_INTRESOURCE(text)) return std::nullopt;
  return ToolText{false, String(text)};
}

bool ToolList::Add(const TOOLINFOA& info) {
  const ToolKey key{info.hwnd, info.uId};
  if (Find(key)) return false;
  Tool tool;
  tool.Key = key;
  tool.Flags = info.uFlags;
  tool.Rect = info.rect;
  if (!IsWindow(info.hwnd) || !IsWindow(tool.Window())) return false;
  const std::optional<ToolText> text = ReadToolText(info.lpszText);
  if (!text) return false;
  tool.Callback = text->Callback;
  tool.Text = text->Text;
  tool.Param = HasParam(info) ? info.lParam : 0;
  FTools.push_back(std::move(tool));
  return true;
}

bool ToolList::Remove(const ToolKey& key) {
  return std::erase_if(FTools, [&key](const Tool& tool) { return tool.Key == key; }) > 0;
}

Tool* ToolList::Find(const ToolKey& key) {
  auto it = std::find_if(FTools.begin(), FTools.end(), [&key](const Tool& tool) { return tool.Key == key; });
  return it == FTools.end() ? nullptr : &*it;
}

const Tool* ToolList::At(std::size_t index) const { return index < FTools.size() ? &FTools[index] : nullptr; }

const Tool* ToolList::ToolAt(HWND window, TPoint client) const {
  if (!window) return nullptr;
  for (const Tool& tool : FTools) {
    if ((tool.Flags & TTF_TRACK) || tool.Window() != window) continue;
    if (tool.Flags & TTF_IDISHWND) {
      RECT r;
      if (GetClientRect(window, &r) && r.Contains(client)) return &tool;
    } else if (tool.Rect.Contains(client)) {
      return &tool;
    }
  }
  return nullptr;
}

std::vector<HWND> ToolList::WatchedWindows() const {
  std::vector<HWND> windows;
  for (const Tool& tool : FTools)
    if ((tool.Flags & TTF_SUBCLASS) && std::find(windows.begin(), windows.end(), tool.Window()) == windows.end())
      windows.push_back(tool.Window());
  return windows;
}

void ToolList::Describe(const Tool& tool, TOOLINFOA& info) {
  info.uFlags = tool.Flags;
  info.hwnd = tool.Key.Owner;
  info.uId = tool.Key.Id;
  info.rect = tool.Rect;
  info.hinst = nullptr;
  if (HasParam(info)) info.lParam = tool.Param;
  if (tool.Callback) {
    info.lpszText = LPSTR_TEXTCALLBACK;
  } else if (info.lpszText && info.lpszText != LPSTR_TEXTCALLBACK && !IS_INTRESOURCE(info.lpszText)) {
    const std::size_t n = WholeCharacters(tool.Text, TextBufferSize - 1);
    std::memcpy(info.lpszText, tool.Text.data(), n);
    info.lpszText[n] = '\0';
  }
}

}  // namespace plat
