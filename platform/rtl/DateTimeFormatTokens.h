#pragma once
// A date and time format cut into the parts FormatDateTime writes: the one
// reading of format strings, shared by whatever shows a date by a format
// (FormatDateTime, the date-time picker's fields).
//
// Specifiers, in any case: c d dd ddd dddd ddddd dddddd m mm mmm mmmm yy yyyy
// h hh n nn s ss z zzz t tt am/pm a/p ampm; "/" and ":" are the settings'
// date and time separators; text in "..." or '...' and every other
// character stand for themselves. ddddd, dddddd, t, tt and c stand for the
// settings' formats and are expanded in place (nested two levels at most);
// m or mm right after an hour means minutes; an hour is on the twelve-hour
// clock when an am/pm specifier follows it before the next hour specifier.
// Adjacent literal characters come as one token.
#include <vector>

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Types.h"

namespace plat {

enum class TDateTimePart { Literal, Year, Month, MonthName, Day, DayName, Hour, Minute, Second, MSec, AmPm };

struct TDateTimeToken {
  TDateTimePart Part = TDateTimePart::Literal;
  // Numbers: the digits written at least (Year: 2 for the year of the
  // century, 4 for the whole year; MSec: 1 or 3). Names: 3 short, 4 long.
  int Width = 1;
  bool TwelveHour = false;  // Hour only
  // Literal: its text. AmPm: the specifier as written ("am/pm", "a/p",
  // "ampm"), whose case and letters the marker follows.
  String Text;
  // From "c": written only when the time of day is not midnight.
  bool OnlyWithTime = false;
};

std::vector<TDateTimeToken> TokenizeDateTimeFormat(const String& format, const TFormatSettings& settings);

// The am/pm marker an AmPm token writes for an hour (0 to 23).
String AmPmMarker(const TDateTimeToken& token, int hour, const TFormatSettings& settings);

}  // namespace plat
