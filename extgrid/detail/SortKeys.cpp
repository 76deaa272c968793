#include "extgrid/detail/SortKeys.h"

#include <algorithm>
#include <cctype>

#include "grid/ExtUtilDates.h"
#include "grid/ExtUtilText.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/LocaleIds.h"
#include "platform/rtl/StringUtils.h"
#include "platform/rtl/WideCompare.h"

namespace zorbit::detail {

namespace {

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

template <typename T>
int Order(T A, T B) {
  return (A > B) - (A < B);
}

int SignOf(int Value) { return Order(Value, 0); }

// Position (from 0) of a separator that stands at position 2 or 3 (from 1)
// and is not the last character, else npos.
std::size_t SeparatorAtTwoOrThree(const plat::String& Text, char Separator) {
  const std::size_t at = Text.find(Separator);
  return (at == 1 || at == 2) && at + 1 < Text.size() ? at : plat::String::npos;
}

bool BetweenDigits(const plat::String& Text, std::size_t At) { return IsDigit(Text[At - 1]) && IsDigit(Text[At + 1]); }

// Prefix and suffix taken out once, thousand separators (Financial) all,
// the first decimal separator written as ".".
plat::String NumberText(const plat::String& Text, const TSortFormat& Format, bool Financial) {
  plat::String text = Text;
  for (const plat::String* part : {&Format.Prefix, &Format.Suffix}) {
    if (part->empty()) continue;
    if (const std::size_t at = text.find(*part); at != plat::String::npos) text.erase(at, part->size());
  }
  const plat::TFormatSettings& settings = plat::FormatSettings();
  if (Financial) std::erase(text, settings.ThousandSeparator);
  if (const std::size_t at = text.find(settings.DecimalSeparator); at != plat::String::npos) text[at] = '.';
  return text;
}

const plat::TFormatSettings& DotSettings() {
  static const plat::TFormatSettings settings{};
  return settings;
}

// The value of the number characters a text starts with (after blanks): a
// sign, digits, a "." and digits; 0 without a digit.
double LeadingValue(const plat::String& Text) {
  std::size_t end = Text.find_first_not_of(' ');
  if (end == plat::String::npos) return 0;
  const std::size_t start = end;
  if (Text[end] == '-' || Text[end] == '+') ++end;
  while (end < Text.size() && IsDigit(Text[end])) ++end;
  if (end < Text.size() && Text[end] == '.') ++end;
  while (end < Text.size() && IsDigit(Text[end])) ++end;
  double value = 0;
  return plat::TryStrToFloat(Text.substr(start, end - start), value, DotSettings()) ? value : 0;
}

double DateValue(const plat::String& Text, TSortStyle Style) {
  plat::TDateTime value = 0;
  switch (Style) {
    case TSortStyle::ssDate:
    case TSortStyle::ssDateTime: return plat::TryStrToDateTime(Text, value) ? value : 0;
    case TSortStyle::ssTime: return plat::TryStrToTime(Text, value) ? value : 0;
    case TSortStyle::ssShortDateEU: return ParseDayMonthYear(Text);
    case TSortStyle::ssShortDateUS: return ParseMonthDayYear(Text);
    default: return 0;
  }
}

}  // namespace

TSortStyle DetectSortStyle(const plat::String& Text, bool IsCheckBox) {
  if (IsCheckBox) return TSortStyle::ssCheckBox;
  if (ClassifyNumberText(Text) != NumberTextNone) return TSortStyle::ssNumeric;
  const plat::TFormatSettings& settings = plat::FormatSettings();
  if (const std::size_t at = SeparatorAtTwoOrThree(Text, settings.DateSeparator); at != plat::String::npos) {
    if (!BetweenDigits(Text, at)) return TSortStyle::ssAlphabetic;
    return Text.find(settings.TimeSeparator) != plat::String::npos ? TSortStyle::ssDateTime : TSortStyle::ssDate;
  }
  if (const std::size_t at = SeparatorAtTwoOrThree(Text, settings.TimeSeparator);
      at != plat::String::npos && BetweenDigits(Text, at))
    return TSortStyle::ssTime;
  return TSortStyle::ssAlphabetic;
}

void ConvertSortKey(TSortKey& Key, TSortStyle Style, const TSortFormat& Format) {
  if (Key.ValueStyle == Style) return;
  Key.ValueStyle = Style;
  Key.Converted = true;
  Key.Value = 0;
  if (Style == TSortStyle::ssNumeric || Style == TSortStyle::ssFinancial) {
    // An empty text counts as 0.
    if (Key.Text.empty()) return;
    const plat::String text = NumberText(Key.Text, Format, Style == TSortStyle::ssFinancial);
    Key.Converted = plat::TryStrToFloat(text, Key.Value, DotSettings());
    if (!Key.Converted) Key.Value = LeadingValue(text);
    return;
  }
  if (!Key.Text.empty()) Key.Value = DateValue(Key.Text, Style);
}

int CompareOrdinal(const plat::String& A, const plat::String& B) { return SignOf(A.compare(B)); }

int CompareOrdinalNoCase(const plat::String& A, const plat::String& B) {
  const std::size_t common = std::min(A.size(), B.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto a = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(A[i])));
    const auto b = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(B[i])));
    if (a != b) return a < b ? -1 : 1;
  }
  return Order(A.size(), B.size());
}

int CompareSortKeys(TSortKey& A, TSortKey& B, TSortStyle Style, const TSortFormat& Format) {
  switch (Style) {
    case TSortStyle::ssAlphabetic:
    case TSortStyle::ssAlphaCase:
    case TSortStyle::ssHTML: return CompareOrdinal(A.Text, B.Text);
    case TSortStyle::ssAlphaNoCase: return CompareOrdinalNoCase(A.Text, B.Text);
    case TSortStyle::ssNumeric:
    case TSortStyle::ssFinancial:
      ConvertSortKey(A, Style, Format);
      ConvertSortKey(B, Style, Format);
      if (!A.Converted && !B.Converted) return 0;
      return Order(A.Value, B.Value);
    case TSortStyle::ssDate:
    case TSortStyle::ssDateTime:
    case TSortStyle::ssTime:
    case TSortStyle::ssShortDateEU:
    case TSortStyle::ssShortDateUS:
      ConvertSortKey(A, Style, Format);
      ConvertSortKey(B, Style, Format);
      return Order(A.Value, B.Value);
    case TSortStyle::ssAnsiAlphaCase: return SignOf(plat::AnsiCompareStr(A.Text, B.Text));
    case TSortStyle::ssAnsiAlphaNoCase: return SignOf(plat::AnsiCompareText(A.Text, B.Text));
    case TSortStyle::ssImages: return Order(A.Value, B.Value);
    case TSortStyle::ssCheckBox: return Order(A.Checked, B.Checked);
    case TSortStyle::ssUnicode: return SignOf(plat::CompareTextWinNT(A.Wide, B.Wide, plat::GetUserDefaultLCID()));
    default: return 0;
  }
}

}  // namespace zorbit::detail
