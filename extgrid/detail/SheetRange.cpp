#include "extgrid/detail/SheetRange.h"

#include <algorithm>
#include <charconv>

#include "platform/os/SpreadsheetAutomation.h"

namespace zorbit::detail {
namespace {

using plat::String;

int ParseNumber(const String& Text) {
  int value = -1;
  const auto [end, error] = std::from_chars(Text.data(), Text.data() + Text.size(), value);
  return error == std::errc() && end == Text.data() + Text.size() && value >= 1 ? value : -1;
}

// Capital letters: "A" 1 .. "Z" 26, "AA" 27 .. "ZZ" 702, and on in the
// same way to the application's last column, "XFD" 16384.
int ParseLetters(const String& Letters) {
  if (Letters.empty() || Letters.size() > 3) return -1;
  int column = 0;
  for (const char c : Letters) {
    if (c < 'A' || c > 'Z') return -1;
    column = column * 26 + c - 64;
  }
  return column <= plat::kMaxSheetColumns ? column : -1;
}

// The columns an address without "$" stands for.
constexpr int kColumnsWithoutLetters = 256;

struct THalf {
  int Row = -1;
  int Col = -1;
};

// "$A$1" or "A$1" (the leading "$" gone) or "A1".
THalf ParseHalf(String Half) {
  if (!Half.empty() && Half.front() == '$') Half.erase(0, 1);
  const std::size_t dollar = Half.find('$');
  THalf half;
  half.Row = ParseNumber(dollar == String::npos ? Half : Half.substr(dollar + 1));
  if (dollar != String::npos) half.Col = ParseLetters(Half.substr(0, dollar));
  return half;
}

}  // namespace

bool TSheetRange::Valid() const { return FirstRow >= 1 && FirstCol >= 1 && FirstRow <= LastRow && FirstCol <= LastCol; }

TSheetRange ParseUsedRange(const String& Address) {
  if (Address.empty()) return {};
  const std::size_t colon = Address.find(':');
  const String firstText = Address.substr(0, colon);
  const String lastText = colon == String::npos ? firstText : Address.substr(colon + 1);
  const THalf first = ParseHalf(firstText);
  const THalf last = ParseHalf(lastText);
  TSheetRange range{first.Row, last.Row, 1, kColumnsWithoutLetters};
  if (firstText.find('$', firstText.front() == '$' ? 1 : 0) != String::npos) {
    range.FirstCol = first.Col;
    range.LastCol = last.Col;
  }
  // Beyond the worksheet's limits nothing is held.
  range.LastRow = std::min(range.LastRow, plat::kMaxSheetRows);
  range.LastCol = std::min(range.LastCol, plat::kMaxSheetColumns);
  return range;
}

String RangeText(const TSheetRange& Range) {
  return plat::SheetColumnLetters(Range.FirstCol) + std::to_string(Range.FirstRow) + ":" +
         plat::SheetColumnLetters(Range.LastCol) + std::to_string(Range.LastRow);
}

}  // namespace zorbit::detail
