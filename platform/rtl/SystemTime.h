#pragma once
// SYSTEMTIME, the platform's record of a date and time in fields, and its
// conversions from and to TDateTime.
#include "platform/rtl/Types.h"

namespace plat {

struct SYSTEMTIME {
  Word wYear = 0;
  Word wMonth = 0;      // 1 to 12
  Word wDayOfWeek = 0;  // 0 Sunday to 6 Saturday
  Word wDay = 0;
  Word wHour = 0;
  Word wMinute = 0;
  Word wSecond = 0;
  Word wMilliseconds = 0;
};

// The fields of a TDateTime (years 1 to 9999).
SYSTEMTIME DateTimeToSystemTime(TDateTime value);
// The TDateTime of the fields; wDayOfWeek is not read. False for a field out
// of its range (a day the month lacks, an hour of 24).
bool TrySystemTimeToDateTime(const SYSTEMTIME& time, TDateTime& value);
// The same, raising EConvertError ("Invalid argument to date encode", or to
// time encode) for a field out of its range.
TDateTime SystemTimeToDateTime(const SYSTEMTIME& time);

}  // namespace plat
