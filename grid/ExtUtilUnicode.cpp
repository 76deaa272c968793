#include "grid/ExtUtilUnicode.h"

#include "platform/rtl/Unicode.h"

namespace zorbit {

using plat::String;
using plat::WideString;

WideString DecodeUnicodeCellText(const String& Text) {
  if (Text.rfind(UnicodeCellMarker, 0) != 0) return plat::AnsiToWide(Text);
  WideString out;
  out.reserve(Text.size() / 2);
  for (std::size_t i = 2; i + 1 < Text.size(); i += 2) {
    const auto high = static_cast<unsigned char>(Text[i]);
    const auto low = static_cast<unsigned char>(Text[i + 1]);
    out += static_cast<char16_t>((high << 8) | low);
  }
  return out;
}

String EncodeUnicodeCellText(const WideString& Text) {
  String out = UnicodeCellMarker;
  out.reserve(2 + 2 * Text.size());
  for (const char16_t c : Text) {
    out += static_cast<char>(c >> 8);
    out += static_cast<char>(c & 0xFF);
  }
  return out;
}

int WideTextPos(const WideString& Sub, const WideString& Text) {
  if (Sub.empty()) return 0;
  const std::size_t p = Text.find(Sub);
  return p == WideString::npos ? 0 : static_cast<int>(p + 1);
}

}  // namespace zorbit
