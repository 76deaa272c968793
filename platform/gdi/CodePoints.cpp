#include "platform/gdi/CodePoints.h"

#include "platform/rtl/Unicode.h"

namespace plat {

CodePointText CodePointsOfUtf8(std::string_view text) {
  CodePointText out;
  out.Points.reserve(text.size());
  out.UnitIndex.reserve(text.size() + 1);
  // Plain ASCII, the common case, needs no decoder (nor a copy of the text).
  std::size_t pos = 0;
  for (; pos < text.size() && static_cast<unsigned char>(text[pos]) < 0x80; ++pos) {
    out.UnitIndex.push_back(static_cast<int>(pos));
    out.Points.push_back(static_cast<char32_t>(text[pos]));
  }
  if (pos < text.size()) {
    const String source(text);
    while (pos < source.size()) {
      out.UnitIndex.push_back(static_cast<int>(pos));
      out.Points.push_back(DecodeUtf8(source, pos));
    }
  }
  out.UnitIndex.push_back(static_cast<int>(text.size()));
  return out;
}

CodePointText CodePointsOfUtf16(std::u16string_view text) {
  CodePointText out;
  out.Points.reserve(text.size());
  out.UnitIndex.reserve(text.size() + 1);
  std::size_t i = 0;
  while (i < text.size()) {
    const char16_t unit = text[i];
    out.UnitIndex.push_back(static_cast<int>(i));
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      out.Points.push_back(0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                           (static_cast<char32_t>(text[i + 1]) - 0xDC00));
      i += 2;
    } else {
      out.Points.push_back(unit >= 0xD800 && unit <= 0xDFFF ? kReplacementChar : unit);
      ++i;
    }
  }
  out.UnitIndex.push_back(static_cast<int>(text.size()));
  return out;
}

}  // namespace plat
