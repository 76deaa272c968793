#pragma once
// A tool tip's tools: what TOOLINFOA records add, change and read back,
// each tool known by its (hwnd, uId) key, and which tool lies under a
// point of a window. Records from messages are checked here (size, text
// kind, windows) before anything is stored.
#include <optional>
#include <vector>

#include "platform/win/ToolTips.h"

namespace plat {

struct ToolKey {
  HWND Owner = nullptr;
  UINT_PTR Id = 0;
  bool operator==(const ToolKey&) const = default;
};

struct Tool {
  ToolKey Key;
  UINT Flags = 0;
  TRect Rect;             // in the owner's client coordinates; unused for TTF_IDISHWND
  bool Callback = false;  // the text is asked for each time it shows
  String Text;
  LPARAM Param = 0;

  // The window the tool covers: uId with TTF_IDISHWND, else hwnd.
  HWND Window() const;
  // The tool's area on the screen: the whole window, or its rectangle.
  TRect ScreenArea() const;
};

// The record behind a message's lParam, or null when it is none: a null
// pointer, or a size outside TTTOOLINFOA_V1_SIZE..sizeof(TOOLINFOA).
TOOLINFOA* ToolInfoOf(LPARAM lParam);

// A text as a tool takes it: none for a null pointer, the callback mark,
// or a copy; an integer (a string resource's number) is refused.
struct ToolText {
  bool Callback = false;
  String Text;
};
std::optional<ToolText> ReadToolText(const char* text);

class ToolList {
 public:
  // False for a taken key, no window, or a text ReadToolText refuses.
  bool Add(const TOOLINFOA& info);
  bool Remove(const ToolKey& key);
  Tool* Find(const ToolKey& key);
  const Tool* At(std::size_t index) const;
  std::size_t Count() const { return FTools.size(); }

  // The first hovering tool (not TTF_TRACK) whose area holds the point of
  // the window (client coordinates), or null.
  const Tool* ToolAt(HWND window, TPoint client) const;
  // Windows the tools with TTF_SUBCLASS want watched, each once.
  std::vector<HWND> WatchedWindows() const;

  // Fills a record's flags, rectangle, instance, lParam and text (into the
  // caller's buffer, see TTM_GETTOOLINFOA) from a tool.
  static void Describe(const Tool& tool, TOOLINFOA& info);

 private:
  std::vector<Tool> FTools;
};

}  // namespace plat
