#pragma once
// A cell text read as a whole decimal number: an optional sign and digits,
// blanks around them allowed, within 32 bits. An empty text and "-" read
// as 0 (the typed readers' rule); anything else answers false.
#include <cstdint>

#include "platform/rtl/Types.h"

namespace zorbit::detail {

inline bool ReadsAsZero(const plat::String& Text) { return Text.empty() || Text == "-"; }

inline bool ParseWholeNumber(const plat::String& Text, int& Value) {
  if (ReadsAsZero(Text)) {
    Value = 0;
    return true;
  }
  std::size_t i = Text.find_first_not_of(' ');
  if (i == plat::String::npos) return false;
  const std::size_t end = Text.find_last_not_of(' ') + 1;
  const bool negative = Text[i] == '-';
  if (Text[i] == '-' || Text[i] == '+') ++i;
  if (i == end) return false;
  std::int64_t magnitude = 0;
  for (; i < end; ++i) {
    if (Text[i] < '0' || Text[i] > '9') return false;
    magnitude = magnitude * 10 + (Text[i] - '0');
    if (magnitude > static_cast<std::int64_t>(INT32_MAX) + 1) return false;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > INT32_MAX) return false;
  Value = static_cast<int>(value);
  return true;
}

}  // namespace zorbit::detail
