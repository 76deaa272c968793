#pragma once
// Text comparison for the grid's find and lookup: upper-casing into a
// buffer the caller keeps (so that a search over many cells allocates
// nothing per cell) and the match rules of one cell.
#include "platform/rtl/Types.h"

namespace zorbit::detail {

// Out becomes Text with every letter upper-cased (ASCII without a table
// walk, other code points mapped one by one).
void UpperCaseInto(const plat::String& Text, plat::String& Out);

// How a prepared (already upper-cased where wanted) search text must meet a
// prepared cell text.
enum class TTextMatch { tmContains, tmBeginsWith, tmWhole };
bool TextMatches(const plat::String& Text, const plat::String& Search, TTextMatch How);

}  // namespace zorbit::detail
