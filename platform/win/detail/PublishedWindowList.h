#pragma once
// The file a process keeps in the window-registry folder to publish its
// top-level windows to other processes: one line per window, in z-order
// (topmost first), after a header line:
//
//   ZorbitWindows 1
//   <id> <visible 0|1> <class name> <title>
//
// Fields are separated by one tab; the id is the window's handle value in
// hexadecimal; bytes below 0x20 and the backslash in the class name and the
// title are written as \xHH, so a field never holds a tab or a line break.
// The file is written by another process and so is untrusted: the reader
// refuses anything malformed or beyond the limits below.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/rtl/Types.h"

namespace plat {

struct TPublishedWindow {
  std::uint64_t Id = 0;
  bool Visible = false;
  String ClassName;
  String Title;

  bool operator==(const TPublishedWindow&) const = default;
};

struct TPublishedWindowLimits {
  static constexpr std::size_t MaxFileSize = 4 * 1024 * 1024;
  static constexpr std::size_t MaxWindows = 4096;
  static constexpr std::size_t MaxFieldSize = 32 * 1024;  // decoded bytes
};

String EncodeWindowList(const std::vector<TPublishedWindow>& windows);

// The windows of a well-formed list; nothing for a malformed one. Fields
// longer than MaxFieldSize are cut when written, refused when read.
std::optional<std::vector<TPublishedWindow>> DecodeWindowList(const String& text);

}  // namespace plat
