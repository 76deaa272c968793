#pragma once
// The locale settings that number, currency, date and time texts follow.
// One process-wide record is filled from the process locale on first use
// and may be changed (tests set it to a known locale).
#include <array>

#include "platform/rtl/Types.h"

namespace plat {

struct TFormatSettings {
  String CurrencyString = "$";
  // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
  Byte CurrencyFormat = 0;
  // The sixteen classic negative currency layouts, 0 "($1)" to 15 "(1 $)".
  Byte NegCurrFormat = 0;
  char ThousandSeparator = ',';
  char DecimalSeparator = '.';
  Byte CurrencyDecimals = 2;
  char DateSeparator = '/';
  char TimeSeparator = ':';
  char ListSeparator = ',';
  String ShortDateFormat = "m/d/yyyy";
  String LongDateFormat = "dddd, mmmm d, yyyy";
  String TimeAMString = "AM";
  String TimePMString = "PM";
  String ShortTimeFormat = "h:mm AMPM";
  String LongTimeFormat = "h:mm:ss AMPM";
  std::array<String, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<String, 12> LongMonthNames{"January", "February", "March",     "April",   "May",      "June",
                                        "July",    "August",   "September", "October", "November", "December"};
  std::array<String, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::array<String, 7> LongDayNames{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  // The day calendars begin their weeks with: 0 Sunday to 6 Saturday.
  Byte FirstDayOfWeek = 0;
  // Two-digit years fall within this many years before now and the rest of
  // the century after it; 0 puts them in the current century.
  Word TwoDigitYearCenturyWindow = 50;

  // The settings of a named locale ("C", "en_US.UTF-8", "de_DE.UTF-8"; an
  // empty name means the process environment). A locale that is not
  // installed gives the built-in record for its language when there is one
  // ("de..." gives German()), else English().
  static TFormatSettings Create(const String& localeName);
  // Built-in records that do not depend on installed locales.
  static TFormatSettings English();  // point decimal, comma thousands, "m/d/yyyy"
  static TFormatSettings German();   // comma decimal, point thousands, "dd.mm.yyyy"
};

// The process-wide settings, filled from the process locale on first use.
TFormatSettings& FormatSettings();

}  // namespace plat
