#pragma once
// Identifiers that stand for integer values in layouts ("clBtnFace" for a
// colour, "DEFAULT_CHARSET" for a character set).
#include <cstdint>
#include <optional>
#include <span>

#include "platform/rtl/Types.h"

namespace plat {

struct TIdentMapEntry {
  std::int64_t Value;
  const char* Name;
};

// The value of Ident in Map, matched without regard to ASCII case.
std::optional<std::int64_t> IdentToInt(const String& Ident, std::span<const TIdentMapEntry> Map);

// The colour names (clBlack..., the system colours, clNone, clDefault).
std::span<const TIdentMapEntry> ColorIdents();
// The character-set names (ANSI_CHARSET, DEFAULT_CHARSET...).
std::span<const TIdentMapEntry> CharsetIdents();

}  // namespace plat
