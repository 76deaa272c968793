#include "platform/rtl/WideCompare.h"

#include <cstddef>

#include "platform/rtl/Unicode.h"

namespace plat {

namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The code point at pos, advancing past it; an unpaired surrogate is itself.
char32_t NextCodePoint(const WideString& s, std::size_t& pos) {
  const char16_t unit = s[pos++];
  if (IsHighSurrogate(unit) && pos < s.size() && IsLowSurrogate(s[pos])) {
    const char16_t low = s[pos++];
    return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (static_cast<char32_t>(low) - 0xDC00);
  }
  return unit;
}

}  // namespace

int CompareTextWinNT(const WideString& S1, const WideString& S2, LCID) {
  std::size_t p1 = 0;
  std::size_t p2 = 0;
  while (p1 < S1.size() && p2 < S2.size()) {
    const char32_t c1 = UnicodeLower(NextCodePoint(S1, p1));
    const char32_t c2 = UnicodeLower(NextCodePoint(S2, p2));
    if (c1 != c2) return c1 < c2 ? -1 : 1;
  }
  return static_cast<int>(p1 < S1.size()) - static_cast<int>(p2 < S2.size());
}

}  // namespace plat
