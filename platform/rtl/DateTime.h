#pragma once
// Dates and times as TDateTime: days since 1899-12-30, the fraction being the
// time of day (for negative values the fraction still counts forward from
// midnight). Years run from 1 to 9999.
#include "platform/rtl/DateTimeFormatTokens.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Types.h"

namespace plat {

constexpr int HoursPerDay = 24;
constexpr int MinsPerDay = HoursPerDay * 60;
constexpr int SecsPerDay = MinsPerDay * 60;
constexpr int MSecsPerDay = SecsPerDay * 1000;
// Days from 0001-01-01 to 1899-12-30.
constexpr int DateDelta = 693594;
// TDateTime of 1970-01-01.
constexpr double UnixDateDelta = 25569.0;

TDateTime Now();
TDateTime Date();
TDateTime Time();

bool IsLeapYear(Word year);
Word DaysInAMonth(Word year, Word month);  // 0 for a month outside 1 to 12
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime dt);

bool TryEncodeDate(Word year, Word month, Word day, TDateTime& date);
TDateTime EncodeDate(Word year, Word month, Word day);  // EConvertError "Invalid argument to date encode"
void DecodeDate(TDateTime date, Word& year, Word& month, Word& day);
bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& time);
TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec);  // EConvertError "Invalid argument to time encode"
void DecodeTime(TDateTime time, Word& hour, Word& min, Word& sec, Word& msec);
// A date (whole days, possibly negative) and a time of day as one value:
// the fraction counts forward from midnight whatever the date's sign.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);
// Adds months, keeping the day where the month has it, else its last day.
TDateTime IncMonth(TDateTime dt, int numberOfMonths = 1);

// Specifiers (any case): c d dd ddd dddd ddddd dddddd m mm mmm mmmm yy yyyy
// h hh n nn s ss z zzz t tt am/pm a/p ampm / : and "..." '...' literals;
// m after h or hh means minutes.
String FormatDateTime(const String& format, TDateTime dt);
String FormatDateTime(const String& format, TDateTime dt, const TFormatSettings& settings);
// One token of a format (DateTimeFormatTokens.h) for a value, written also
// when it is OnlyWithTime.
String FormatDateTimeToken(const TDateTimeToken& token, TDateTime dt, const TFormatSettings& settings);
String DateToStr(TDateTime dt);
String DateToStr(TDateTime dt, const TFormatSettings& settings);
String TimeToStr(TDateTime dt);
String TimeToStr(TDateTime dt, const TFormatSettings& settings);
String DateTimeToStr(TDateTime dt);
String DateTimeToStr(TDateTime dt, const TFormatSettings& settings);

// Dates in the order of the settings' ShortDateFormat (month-day-year,
// day-month-year or year-month-day) with its DateSeparator; two numbers take
// the current year; years of one or two digits fall in the century window.
bool TryStrToDate(const String& s, TDateTime& value);
bool TryStrToDate(const String& s, TDateTime& value, const TFormatSettings& settings);
TDateTime StrToDate(const String& s);  // EConvertError "'%s' is not a valid date"
TDateTime StrToDate(const String& s, const TFormatSettings& settings);
TDateTime StrToDateDef(const String& s, TDateTime defaultValue);
TDateTime StrToDateDef(const String& s, TDateTime defaultValue, const TFormatSettings& settings);
// The same with an explicit format such as "m/d/y" or "dd.mm.yyyy": its order
// and its separator (the first character that is not d, m or y).
bool TryStrToDateFmt(const String& s, const String& format, TDateTime& value);

// Hours, minutes, optional seconds and milliseconds with the TimeSeparator,
// optionally followed by the AM/PM strings (or "AM"/"PM").
bool TryStrToTime(const String& s, TDateTime& value);
bool TryStrToTime(const String& s, TDateTime& value, const TFormatSettings& settings);
TDateTime StrToTime(const String& s);  // EConvertError "'%s' is not a valid time"
// A date, optionally followed by blanks and a time.
bool TryStrToDateTime(const String& s, TDateTime& value);
bool TryStrToDateTime(const String& s, TDateTime& value, const TFormatSettings& settings);
TDateTime StrToDateTime(const String& s);  // EConvertError "'%s' is not a valid date and time"

// A date and time written the ISO way, whatever the locale: "yyyy-mm-dd",
// that followed by "T" or a blank and "hh:nn", "hh:nn:ss" or "hh:nn:ss.z"
// (one to three digits of a second), or such a time alone (on day 0).
// False for anything else or a date or time that does not exist.
bool TryIsoStrToDateTime(const String& s, TDateTime& value);

// Unix seconds (UTC) as a TDateTime in UTC and back.
TDateTime UnixToDateTime(Int64 unixTime);
Int64 DateTimeToUnix(TDateTime dt);
// File times: Unix seconds as local time and back.
TDateTime UnixToLocalDateTime(Int64 unixTime, long nanoseconds = 0);
Int64 LocalDateTimeToUnix(TDateTime dt);

}  // namespace plat
