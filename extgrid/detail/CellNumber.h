#pragma once
// A cell text read as a floating value the way the typed readers read it:
// the number inside the text (currency signs, parentheses and thousand
// separators allowed, the locale's decimal separator), parsed with "." as
// the separator. An empty text and "-" hold no number here; the typed
// readers read them as 0 themselves. A plain number (an optional "-",
// digits and at most one decimal separator) is read in place, without the
// copies the general rule makes, since columns of them are summed whole.
#include <charconv>

#include "grid/ExtUtilText.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Types.h"

namespace zorbit::detail {

inline bool TryReadPlainNumber(const plat::String& Text, double& Value) {
  constexpr std::size_t MaxPlain = 40;
  if (Text.size() > MaxPlain) return false;
  const char separator = plat::FormatSettings().DecimalSeparator;
  char buffer[MaxPlain];
  bool digits = false;
  bool point = false;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    const char c = Text[i];
    if (c >= '0' && c <= '9') {
      digits = true;
      buffer[i] = c;
    } else if (c == separator && !point) {
      point = true;
      buffer[i] = '.';
    } else if (c == '-' && i == 0) {
      buffer[i] = c;
    } else {
      return false;
    }
  }
  if (!digits) return false;
  const char* end = buffer + Text.size();
  const auto [stop, error] = std::from_chars(buffer, end, Value);
  return error == std::errc() && stop == end;
}

inline bool TryReadCellNumber(const plat::String& Text, double& Value) {
  if (Text.empty() || Text == "-") return false;
  if (TryReadPlainNumber(Text, Value)) return true;
  static const plat::TFormatSettings English = plat::TFormatSettings::English();
  return plat::TryStrToFloat(ExtractNumberText(Text), Value, English);
}

}  // namespace zorbit::detail
