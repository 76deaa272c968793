#pragma once
// The table of registered names behind RegisterWindowMessage,
// RegisterClipboardFormat and window class atoms. Names compare without
// regard to case; each gets a number from 0xC000 up, the same number every
// time it is registered.
#include <optional>

#include "platform/win/WinTypes.h"

namespace plat {

class AtomTable {
 public:
  static constexpr UINT First = 0xC000;
  static constexpr UINT Last = 0xFFFF;
  static constexpr std::size_t MaxNameLength = 255;

  // The name's number, registering it when new; 0 for an empty or over-long
  // name or a full table.
  static UINT Add(const String& name);
  // The number of a registered name, 0 when not registered.
  static UINT Find(const String& name);
  // The name as first registered.
  static std::optional<String> Name(UINT atom);
};

}  // namespace plat
