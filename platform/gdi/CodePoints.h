#pragma once
// Text as Unicode code points, remembering where each one starts in its
// source, so that results counted in code units (fit counts, partial extents,
// lengths drawn) map back to UTF-8 bytes or UTF-16 units. Malformed sequences
// become U+FFFD, one per offending unit, as the runtime's conversions do.
#include <string>
#include <string_view>
#include <vector>

namespace plat {

struct CodePointText {
  std::u32string Points;
  // UnitIndex[i] is the first code unit of Points[i]; one more entry holds the
  // source length.
  std::vector<int> UnitIndex;
};

CodePointText CodePointsOfUtf8(std::string_view text);
CodePointText CodePointsOfUtf16(std::u16string_view text);

}  // namespace plat
