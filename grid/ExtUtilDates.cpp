#include "grid/ExtUtilDates.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StringUtils.h"

namespace zorbit {
namespace {

using plat::String;
using plat::TDateTime;

struct DateFields {
  std::array<String, 3> Text;
};

// The text around the first two occurrences of Separator.
bool SplitDate(const String& Text, char Separator, DateFields& Fields) {
  const std::size_t first = Text.find(Separator);
  if (first == String::npos) return false;
  const std::size_t second = Text.find(Separator, first + 1);
  if (second == String::npos) return false;
  Fields.Text = {Text.substr(0, first), Text.substr(first + 1, second - first - 1), Text.substr(second + 1)};
  return true;
}

// Optional leading blanks, then decimal digits and nothing else; Digits
// tells how many were written.
bool ReadField(const String& Text, int& Value, int& Digits) {
  std::size_t i = Text.find_first_not_of(' ');
  if (i == String::npos) return false;
  const String digits = Text.substr(i);
  if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != String::npos) return false;
  Value = std::stoi(digits);
  Digits = static_cast<int>(digits.size());
  return true;
}

// Range-checked before narrowing, so a year such as 65537 cannot wrap into
// a valid one.
bool EncodeChecked(int Year, int Month, int Day, TDateTime& Date) {
  if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > 31) return false;
  return plat::TryEncodeDate(static_cast<plat::Word>(Year), static_cast<plat::Word>(Month),
                             static_cast<plat::Word>(Day), Date);
}

enum class FieldOrder { MonthDayYear, DayMonthYear };

TDateTime ParseFixedOrder(const String& Text, FieldOrder Order) {
  char separator = 0;
  for (const char candidate : {'/', '.', '-'}) {
    if (Text.find(candidate) != String::npos) {
      separator = candidate;
      break;
    }
  }
  DateFields fields;
  if (separator == 0 || !SplitDate(Text, separator, fields)) return 0;
  std::array<int, 3> value{}, digits{};
  for (std::size_t i = 0; i < 3; ++i)
    if (!ReadField(fields.Text[i], value[i], digits[i])) return 0;
  int year = value[2];
  if (digits[2] <= 2) year += year < 26 ? 2000 : 1900;
  const int month = Order == FieldOrder::MonthDayYear ? value[0] : value[1];
  const int day = Order == FieldOrder::MonthDayYear ? value[1] : value[0];
  TDateTime date = 0;
  return EncodeChecked(year, month, day, date) ? date : 0;
}

// The time of day of a date-time, counted forward from midnight also for
// dates before 1899-12-30.
double TimeOfDay(TDateTime Date) { return std::fabs(Date - std::trunc(Date)); }

TDateTime WithTime(TDateTime Day, double Time) { return Day >= 0 ? Day + Time : Day - Time; }

}  // namespace

bool TryParseLocaleDate(const String& Text, TDateTime& Date) {
  const plat::TFormatSettings& settings = plat::FormatSettings();
  const String format = plat::UpperCase(settings.ShortDateFormat);
  // Each field's place: its letter's rank among the three in the format.
  std::array<std::size_t, 3> position{format.find('D'), format.find('M'), format.find('Y')};
  std::array<int, 3> rank{};
  for (std::size_t i = 0; i < 3; ++i)
    for (std::size_t j = 0; j < 3; ++j)
      if (position[j] < position[i] || (position[j] == position[i] && j < i)) ++rank[i];

  DateFields fields;
  if (!SplitDate(Text, settings.DateSeparator, fields)) return false;
  std::array<int, 3> value{}, digits{};
  for (std::size_t i = 0; i < 3; ++i)
    if (!ReadField(fields.Text[i], value[i], digits[i])) return false;
  const int day = value[rank[0]], month = value[rank[1]], year = value[rank[2]];
  if (day >= 32 || month > 12) return false;
  return EncodeChecked(year, month, day, Date);
}

TDateTime ParseMonthDayYear(const String& Text) { return ParseFixedOrder(Text, FieldOrder::MonthDayYear); }

TDateTime ParseDayMonthYear(const String& Text) { return ParseFixedOrder(Text, FieldOrder::DayMonthYear); }

bool HasTwoDateSeparators(const String& Text) {
  const char separator = plat::FormatSettings().DateSeparator;
  const std::size_t first = Text.find(separator);
  if (first == String::npos || first == 0) return false;
  const std::size_t second = Text.find(separator, first + 1);
  return second != String::npos && second > first + 1;
}

TDateTime ShiftDate(int Years, int Months, int Days, double TimeStep, TDateTime Date) {
  if (Years == 0 && Months == 0 && Days != 0) return Date + Days;
  if (Days != 0 || (Years != 0) == (Months != 0)) return Date + TimeStep;

  plat::Word year = 0, month = 0, day = 0;
  plat::DecodeDate(Date, year, month, day);
  if (year == 0) return Date;  // outside the calendar: nothing to step
  // Whole years and months move on together (13 months is a year and a
  // month); the result stays within years 1 to 9999.
  const long long step = Years != 0 ? 12LL * Years : Months;
  const long long months = std::clamp(12LL * year + (month - 1) + step, 12LL, 12LL * 9999 + 11);
  const auto newYear = static_cast<plat::Word>(months / 12);
  const auto newMonth = static_cast<plat::Word>(months % 12 + 1);
  const plat::Word newDay = std::min(day, plat::DaysInAMonth(newYear, newMonth));
  return WithTime(plat::EncodeDate(newYear, newMonth, newDay), TimeOfDay(Date));
}

}  // namespace zorbit
