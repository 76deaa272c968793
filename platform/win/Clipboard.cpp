#include "platform/win/Clipboard.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/rtl/Unicode.h"
#include "platform/win/detail/AtomTable.h"
#include "platform/win/detail/ClipboardOwnership.h"
#include "platform/win/Display.h"
#include "platform/win/GlobalMemory.h"
#include "platform/win/GlobalText.h"
#include "platform/win/detail/MessageDelivery.h"
#include "platform/win/Messages.h"
#include "platform/win/WinErrors.h"
#include "platform/win/WindowText.h"
#include "platform/win/detail/WindowManager.h"

namespace plat {
namespace {

struct ClipboardState {
  bool Open = false;
  HWND Opener = nullptr;
  bool EmptiedWhileOpen = false;
  bool ChangedWhileOpen = false;
  HWND Owner = nullptr;
  std::vector<std::pair<UINT, HGLOBAL>> Data;  // in the order set
  DWORD Sequence = 0;
  std::optional<String> Published;  // the text the desktop last had from us (or we from it)
};

ClipboardState& State() {
  static ClipboardState state;
  return state;
}

HGLOBAL Find(UINT format) {
  for (const auto& [f, memory] : State().Data)
    if (f == format) return memory;
  return nullptr;
}

void FreeAll() {
  for (const auto& entry : State().Data) GlobalFree(entry.second);
  State().Data.clear();
}

bool IsText(UINT format) { return format == CF_TEXT || format == CF_UNICODETEXT; }

// The text on the clipboard in either form, if any.
std::optional<String> CurrentText() {
  if (HGLOBAL wide = Find(CF_UNICODETEXT)) return WideToUtf8(GlobalWideText(wide));
  if (HGLOBAL narrow = Find(CF_TEXT)) return GlobalNarrowText(narrow);
  return std::nullopt;
}

// The text format that can be made from the other one, when only that is there.
std::optional<UINT> Synthesizable() {
  const bool narrow = Find(CF_TEXT) != nullptr, wide = Find(CF_UNICODETEXT) != nullptr;
  if (narrow && !wide) return CF_UNICODETEXT;
  if (wide && !narrow) return CF_TEXT;
  return std::nullopt;
}

std::vector<UINT> Formats() {
  std::vector<UINT> formats;
  for (const auto& entry : State().Data) formats.push_back(entry.first);
  if (auto extra = Synthesizable()) formats.push_back(*extra);
  return formats;
}

bool RequireOpen() {
  if (State().Open) return true;
  SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
  return false;
}

}  // namespace

void ClipboardOwnerGone(HWND window) {
  ClipboardState& s = State();
  if (s.Owner == window) s.Owner = nullptr;
  if (s.Open && s.Opener == window) s.Opener = nullptr;
}

bool OpenClipboard(HWND owner) {
  ClipboardState& s = State();
  if (owner && !WindowManager::Instance().FindOrFail(owner)) return false;
  if (s.Open) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  // Another program's newer text replaces what we hold.
  if (auto desktop = CurrentDisplay().DesktopClipboardText(); desktop && desktop != s.Published) {
    FreeAll();
    if (HGLOBAL block = GlobalBlockOf(Utf8ToWide(*desktop))) s.Data.emplace_back(CF_UNICODETEXT, block);
    s.Owner = nullptr;
    s.Published = *desktop;
    ++s.Sequence;
  }
  s.Open = true;
  s.Opener = owner;
  s.EmptiedWhileOpen = false;
  s.ChangedWhileOpen = false;
  return true;
}

bool CloseClipboard() {
  if (!RequireOpen()) return false;
  ClipboardState& s = State();
  s.Open = false;
  s.Opener = nullptr;
  if (s.ChangedWhileOpen) {
    s.ChangedWhileOpen = false;
    if (auto text = CurrentText()) {
      s.Published = *text;
      CurrentDisplay().ClipboardTextChanged(*text);
    }
  }
  return true;
}

bool EmptyClipboard() {
  if (!RequireOpen()) return false;
  ClipboardState& s = State();
  if (s.Owner && s.Owner != s.Opener)
    if (Window* old = WindowManager::Instance().Find(s.Owner)) Deliver(old, WM_DESTROYCLIPBOARD, 0, 0, false);
  FreeAll();
  s.Owner = s.Opener;
  s.EmptiedWhileOpen = true;
  s.ChangedWhileOpen = true;
  ++s.Sequence;
  return true;
}

HGLOBAL SetClipboardData(UINT format, HGLOBAL memory) {
  if (!RequireOpen()) return nullptr;
  ClipboardState& s = State();
  if (!s.EmptiedWhileOpen && (!s.Opener || s.Owner != s.Opener)) {
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return nullptr;
  }
  if (format == 0 || !memory) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (!GlobalLock(memory)) return nullptr;  // not a live block
  GlobalUnlock(memory);
  auto it = std::find_if(s.Data.begin(), s.Data.end(), [format](const auto& e) { return e.first == format; });
  if (it != s.Data.end()) {
    if (it->second != memory) GlobalFree(it->second);
    it->second = memory;
  } else {
    s.Data.emplace_back(format, memory);
  }
  // A text set in one form replaces a text made earlier in the other.
  if (IsText(format)) {
    const UINT other = format == CF_TEXT ? CF_UNICODETEXT : CF_TEXT;
    auto made = std::find_if(s.Data.begin(), s.Data.end(), [other](const auto& e) { return e.first == other; });
    if (made != s.Data.end()) {
      GlobalFree(made->second);
      s.Data.erase(made);
    }
  }
  s.ChangedWhileOpen = true;
  ++s.Sequence;
  return memory;
}

HGLOBAL GetClipboardData(UINT format) {
  if (!RequireOpen()) return nullptr;
  if (HGLOBAL memory = Find(format)) return memory;
  if (Synthesizable() != format) return nullptr;
  // Made once from the other form and kept with the clipboard's data.
  HGLOBAL made = format == CF_TEXT ? GlobalBlockOf(WideToUtf8(GlobalWideText(Find(CF_UNICODETEXT))))
                                   : GlobalBlockOf(Utf8ToWide(GlobalNarrowText(Find(CF_TEXT))));
  if (made) State().Data.emplace_back(format, made);
  return made;
}

bool IsClipboardFormatAvailable(UINT format) {
  const std::vector<UINT> formats = Formats();
  return format && std::find(formats.begin(), formats.end(), format) != formats.end();
}

int CountClipboardFormats() { return static_cast<int>(Formats().size()); }

UINT EnumClipboardFormats(UINT format) {
  if (!RequireOpen()) return 0;
  SetLastError(ERROR_SUCCESS);
  const std::vector<UINT> formats = Formats();
  if (format == 0) return formats.empty() ? 0 : formats.front();
  auto it = std::find(formats.begin(), formats.end(), format);
  return it == formats.end() || std::next(it) == formats.end() ? 0 : *std::next(it);
}

HWND GetClipboardOwner() { return State().Owner; }
HWND GetOpenClipboardWindow() { return State().Open ? State().Opener : nullptr; }
DWORD GetClipboardSequenceNumber() { return State().Sequence; }

UINT RegisterClipboardFormatA(const char* name) { return name ? AtomTable::Add(name) : 0; }

UINT RegisterClipboardFormatW(const char16_t* name) { return name ? AtomTable::Add(WideToUtf8(WideString(name))) : 0; }

int GetClipboardFormatNameA(UINT format, char* buffer, int size) {
  const std::optional<String> name = AtomTable::Name(format);
  if (!name || !buffer || size <= 0) return 0;
  return static_cast<int>(CopyTextOut(*name, buffer, static_cast<WPARAM>(size)));
}

}  // namespace plat
