#pragma once
// Comparison of wide strings without regard to case, for a locale. Strings
// are compared code point by code point (a surrogate pair is one code point,
// so characters above U+FFFF sort after the rest of the planes' characters as
// their numbers say); letters compare by their lower-case forms. An unpaired
// surrogate compares as its own number, so two different broken strings
// never count as equal. Every locale uses the same case rules here, so the
// locale only names whose rules apply.
#include "platform/rtl/LocaleIds.h"
#include "platform/rtl/Types.h"

namespace plat {

// -1, 0 or 1.
int CompareTextWinNT(const WideString& S1, const WideString& S2, LCID Locale);

}  // namespace plat
