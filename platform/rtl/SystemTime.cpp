#include "platform/rtl/SystemTime.h"

#include <algorithm>

#include "platform/rtl/DateTime.h"

namespace plat {

SYSTEMTIME DateTimeToSystemTime(TDateTime value) {
  SYSTEMTIME time;
  DecodeDate(value, time.wYear, time.wMonth, time.wDay);
  DecodeTime(value, time.wHour, time.wMinute, time.wSecond, time.wMilliseconds);
  time.wDayOfWeek = static_cast<Word>(std::max(DayOfWeek(value) - 1, 0));
  return time;
}

bool TrySystemTimeToDateTime(const SYSTEMTIME& time, TDateTime& value) {
  TDateTime date = 0;
  TDateTime timeOfDay = 0;
  if (!TryEncodeDate(time.wYear, time.wMonth, time.wDay, date) ||
      !TryEncodeTime(time.wHour, time.wMinute, time.wSecond, time.wMilliseconds, timeOfDay)) {
    return false;
  }
  value = ComposeDateTime(date, timeOfDay);
  return true;
}

TDateTime SystemTimeToDateTime(const SYSTEMTIME& time) {
  return ComposeDateTime(EncodeDate(time.wYear, time.wMonth, time.wDay),
                         EncodeTime(time.wHour, time.wMinute, time.wSecond, time.wMilliseconds));
}

}  // namespace plat
