#include "platform/rtl/DateTime.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "platform/rtl/DateTimeFormatTokens.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/StringUtils.h"

namespace plat {

namespace {

constexpr int kDaysIn400Years = 146097;
constexpr int kDaysIn100Years = 36524;
constexpr int kDaysIn4Years = 1461;
constexpr int kDaysInYear = 365;
// Days from 0001-01-01 to 10000-01-01: the end of the years a TDateTime holds.
constexpr double kMaxDays = 2958466.0;
constexpr double kMinDays = -693593.0;

// A TDateTime split into whole days since 0001-01-01 (day 1 is that date)
// and milliseconds since midnight.
struct TTimeStamp {
  int Date = 0;
  int Time = 0;
};

bool ToTimeStamp(TDateTime dt, TTimeStamp& stamp) {
  if (!std::isfinite(dt) || dt <= kMinDays - 1 || dt >= kMaxDays + 1) {
    return false;
  }
  const long long total = std::llround(std::fabs(dt) * MSecsPerDay);
  const long long days = total / MSecsPerDay;
  stamp.Time = static_cast<int>(total % MSecsPerDay);
  stamp.Date = static_cast<int>(dt < 0 ? -days : days) + DateDelta;
  return true;
}

double TimeOfDay(TDateTime dt) { return std::fabs(dt - std::trunc(dt)); }

void DecodeStamp(int date, Word& year, Word& month, Word& day) {
  if (date <= 0) {
    year = month = day = 0;
    return;
  }
  int t = date - 1;
  int y = 1;
  y += (t / kDaysIn400Years) * 400;
  t %= kDaysIn400Years;
  int i = t / kDaysIn100Years;
  int d = t % kDaysIn100Years;
  if (i == 4) {
    --i;
    d += kDaysIn100Years;
  }
  y += i * 100;
  y += (d / kDaysIn4Years) * 4;
  d %= kDaysIn4Years;
  i = d / kDaysInYear;
  d %= kDaysInYear;
  if (i == 4) {
    --i;
    d += kDaysInYear;
  }
  y += i;
  int m = 1;
  while (true) {
    const int length = DaysInAMonth(static_cast<Word>(y), static_cast<Word>(m));
    if (d < length) {
      break;
    }
    d -= length;
    ++m;
  }
  year = static_cast<Word>(y);
  month = static_cast<Word>(m);
  day = static_cast<Word>(d + 1);
}

String Pad(int value, int width) {
  String digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width) {
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
  }
  return digits;
}

// Writes a TDateTime by the tokens of a format.
class TDateTimeWriter {
 public:
  TDateTimeWriter(TDateTime dt, const TFormatSettings& settings) : FSettings(settings) {
    TTimeStamp stamp;
    if (ToTimeStamp(dt, stamp)) {
      DecodeStamp(stamp.Date, FYear, FMonth, FDay);
      FDayOfWeek = stamp.Date > 0 ? stamp.Date % 7 : 0;
      FHour = static_cast<Word>(stamp.Time / 3600000);
      FMin = static_cast<Word>(stamp.Time / 60000 % 60);
      FSec = static_cast<Word>(stamp.Time / 1000 % 60);
      FMSec = static_cast<Word>(stamp.Time % 1000);
      FHasTime = stamp.Time != 0;
    }
  }

  bool HasTime() const { return FHasTime; }

  void Append(String& out, const TDateTimeToken& token) const {
    switch (token.Part) {
      case TDateTimePart::Literal: out += token.Text; break;
      case TDateTimePart::Year: out += token.Width == 2 ? Pad(FYear % 100, 2) : Pad(FYear, 4); break;
      case TDateTimePart::Month: out += Pad(FMonth, token.Width); break;
      case TDateTimePart::MonthName:
        if (FMonth) out += (token.Width == 3 ? FSettings.ShortMonthNames : FSettings.LongMonthNames)[FMonth - 1];
        break;
      case TDateTimePart::Day: out += Pad(FDay, token.Width); break;
      case TDateTimePart::DayName:
        out += (token.Width == 3 ? FSettings.ShortDayNames : FSettings.LongDayNames)[FDayOfWeek];
        break;
      case TDateTimePart::Hour:
        out += Pad(token.TwelveHour ? (FHour % 12 == 0 ? 12 : FHour % 12) : FHour, token.Width);
        break;
      case TDateTimePart::Minute: out += Pad(FMin, token.Width); break;
      case TDateTimePart::Second: out += Pad(FSec, token.Width); break;
      case TDateTimePart::MSec: out += Pad(FMSec, token.Width); break;
      case TDateTimePart::AmPm: out += AmPmMarker(token, FHour, FSettings); break;
    }
  }

 private:
  const TFormatSettings& FSettings;
  Word FYear = 0, FMonth = 0, FDay = 0;
  int FDayOfWeek = 0;
  Word FHour = 0, FMin = 0, FSec = 0, FMSec = 0;
  bool FHasTime = false;
};

// --- parsing -----------------------------------------------------------------

enum class TDateOrder { MDY, DMY, YMD };

TDateOrder DateOrderOf(const String& format) {
  for (char c : format) {
    switch (c | 0x20) {
      case 'y': return TDateOrder::YMD;
      case 'm': return TDateOrder::MDY;
      case 'd': return TDateOrder::DMY;
      default: break;
    }
  }
  return TDateOrder::MDY;
}

class TScanner {
 public:
  explicit TScanner(const String& s) : FText(s) {}

  bool AtEnd() {
    SkipBlanks();
    return FPos >= FText.size();
  }
  void SkipBlanks() {
    while (FPos < FText.size() && FText[FPos] == ' ') {
      ++FPos;
    }
  }
  // Up to four digits; length gets how many were read.
  bool Number(int& value, int& length) {
    SkipBlanks();
    value = 0;
    length = 0;
    while (FPos < FText.size() && FText[FPos] >= '0' && FText[FPos] <= '9' && length < 4) {
      value = value * 10 + (FText[FPos++] - '0');
      ++length;
    }
    return length > 0;
  }
  bool Char(char c) {
    SkipBlanks();
    if (FPos < FText.size() && FText[FPos] == c) {
      ++FPos;
      return true;
    }
    return false;
  }
  bool Word(const String& word) {
    SkipBlanks();
    if (!word.empty() && AnsiSameText(FText.substr(FPos, word.size()), word)) {
      FPos += word.size();
      return true;
    }
    return false;
  }
  std::size_t Position() const { return FPos; }
  void SetPosition(std::size_t pos) { FPos = pos; }

 private:
  const String& FText;
  std::size_t FPos = 0;
};

int CurrentYear() {
  Word year = 0, month = 0, day = 0;
  DecodeDate(Now(), year, month, day);
  return year;
}

bool ScanDate(TScanner& scan, TDateTime& value, const String& format, char separator, Word centuryWindow) {
  int n1 = 0, n2 = 0, n3 = 0, l1 = 0, l2 = 0, l3 = 0;
  if (!scan.Number(n1, l1) || !scan.Char(separator) || !scan.Number(n2, l2)) {
    return false;
  }
  const TDateOrder order = DateOrderOf(format);
  int year = 0, month = 0, day = 0, yearLength = 4;
  if (scan.Char(separator)) {
    if (!scan.Number(n3, l3)) {
      return false;
    }
    switch (order) {
      case TDateOrder::MDY: year = n3, month = n1, day = n2, yearLength = l3; break;
      case TDateOrder::DMY: year = n3, month = n2, day = n1, yearLength = l3; break;
      case TDateOrder::YMD: year = n1, month = n2, day = n3, yearLength = l1; break;
    }
  } else {
    year = CurrentYear();
    month = order == TDateOrder::DMY ? n2 : n1;
    day = order == TDateOrder::DMY ? n1 : n2;
  }
  scan.Char('.');  // some formats end dates with a period
  if (year <= 99 && yearLength <= 2) {
    const int pivot = CurrentYear() - centuryWindow;
    year += pivot / 100 * 100;
    if (centuryWindow > 0 && year < pivot) {
      year += 100;
    }
  }
  return TryEncodeDate(static_cast<plat::Word>(year), static_cast<plat::Word>(month), static_cast<plat::Word>(day),
                       value);
}

bool ScanTime(TScanner& scan, TDateTime& value, const TFormatSettings& settings) {
  int hour = 0, minute = 0, second = 0, msec = 0, length = 0;
  if (!scan.Number(hour, length)) {
    return false;
  }
  if (scan.Char(settings.TimeSeparator)) {
    if (!scan.Number(minute, length)) {
      return false;
    }
    if (scan.Char(settings.TimeSeparator)) {
      if (!scan.Number(second, length)) {
        return false;
      }
      if (scan.Char(settings.DecimalSeparator) && !scan.Number(msec, length)) {
        return false;
      }
    }
  }
  int half = -1;  // 0 am, 1 pm
  if (scan.Word(settings.TimeAMString) || scan.Word("AM")) {
    half = 0;
  } else if (scan.Word(settings.TimePMString) || scan.Word("PM")) {
    half = 1;
  }
  if (half >= 0) {
    if (hour == 0 || hour > 12) {
      return false;
    }
    hour = hour % 12 + (half == 1 ? 12 : 0);
  }
  return TryEncodeTime(static_cast<Word>(hour), static_cast<Word>(minute), static_cast<Word>(second),
                       static_cast<Word>(msec), value);
}

}  // namespace

// --- clock -------------------------------------------------------------------

TDateTime Now() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return UnixToLocalDateTime(static_cast<Int64>(now.tv_sec), now.tv_nsec);
}

TDateTime Date() { return std::trunc(Now()); }

TDateTime Time() { return TimeOfDay(Now()); }

// --- calendar ----------------------------------------------------------------

bool IsLeapYear(Word year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

Word DaysInAMonth(Word year, Word month) {
  static const Word kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) {
    return 0;
  }
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int DayOfWeek(TDateTime dt) {
  TTimeStamp stamp;
  return ToTimeStamp(dt, stamp) && stamp.Date > 0 ? stamp.Date % 7 + 1 : 0;
}

bool TryEncodeDate(Word year, Word month, Word day, TDateTime& date) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInAMonth(year, month)) {
    return false;
  }
  int days = day;
  for (Word m = 1; m < month; ++m) {
    days += DaysInAMonth(year, m);
  }
  const int y = year - 1;
  date = static_cast<double>(y * 365 + y / 4 - y / 100 + y / 400 + days - DateDelta);
  return true;
}

TDateTime EncodeDate(Word year, Word month, Word day) {
  TDateTime date = 0;
  if (!TryEncodeDate(year, month, day, date)) {
    throw EConvertError(LoadResString(SDateEncodeError));
  }
  return date;
}

void DecodeDate(TDateTime date, Word& year, Word& month, Word& day) {
  TTimeStamp stamp;
  if (!ToTimeStamp(date, stamp)) {
    year = month = day = 0;
    return;
  }
  DecodeStamp(stamp.Date, year, month, day);
}

bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& time) {
  if (hour >= 24 || min >= 60 || sec >= 60 || msec >= 1000) {
    return false;
  }
  time = (hour * 3600000.0 + min * 60000.0 + sec * 1000.0 + msec) / MSecsPerDay;
  return true;
}

TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec) {
  TDateTime time = 0;
  if (!TryEncodeTime(hour, min, sec, msec, time)) {
    throw EConvertError(LoadResString(STimeEncodeError));
  }
  return time;
}

void DecodeTime(TDateTime time, Word& hour, Word& min, Word& sec, Word& msec) {
  TTimeStamp stamp;
  if (!ToTimeStamp(time, stamp)) {
    hour = min = sec = msec = 0;
    return;
  }
  hour = static_cast<Word>(stamp.Time / 3600000);
  min = static_cast<Word>(stamp.Time / 60000 % 60);
  sec = static_cast<Word>(stamp.Time / 1000 % 60);
  msec = static_cast<Word>(stamp.Time % 1000);
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) { return date >= 0 ? date + time : date - time; }

TDateTime IncMonth(TDateTime dt, int numberOfMonths) {
  Word year = 0, month = 0, day = 0;
  DecodeDate(dt, year, month, day);
  const long long months = static_cast<long long>(year) * 12 + (month - 1) + numberOfMonths;
  if (year == 0 || months < 12 || months >= 10000LL * 12) {
    throw EConvertError(LoadResString(SDateEncodeError));
  }
  const auto newYear = static_cast<Word>(months / 12);
  const auto newMonth = static_cast<Word>(months % 12 + 1);
  const Word newDay = std::min(day, DaysInAMonth(newYear, newMonth));
  return ComposeDateTime(EncodeDate(newYear, newMonth, newDay), TimeOfDay(dt));
}

// --- formatting --------------------------------------------------------------

String FormatDateTime(const String& format, TDateTime dt, const TFormatSettings& settings) {
  String out;
  const TDateTimeWriter writer(dt, settings);
  for (const TDateTimeToken& token : TokenizeDateTimeFormat(format.empty() ? String("c") : format, settings)) {
    if (!token.OnlyWithTime || writer.HasTime()) writer.Append(out, token);
  }
  return out;
}

String FormatDateTime(const String& format, TDateTime dt) { return FormatDateTime(format, dt, FormatSettings()); }

String FormatDateTimeToken(const TDateTimeToken& token, TDateTime dt, const TFormatSettings& settings) {
  String out;
  TDateTimeWriter(dt, settings).Append(out, token);
  return out;
}

String DateToStr(TDateTime dt, const TFormatSettings& settings) { return FormatDateTime("ddddd", dt, settings); }
String DateToStr(TDateTime dt) { return DateToStr(dt, FormatSettings()); }
String TimeToStr(TDateTime dt, const TFormatSettings& settings) { return FormatDateTime("tt", dt, settings); }
String TimeToStr(TDateTime dt) { return TimeToStr(dt, FormatSettings()); }
String DateTimeToStr(TDateTime dt, const TFormatSettings& settings) { return FormatDateTime("c", dt, settings); }
String DateTimeToStr(TDateTime dt) { return DateTimeToStr(dt, FormatSettings()); }

// --- parsing -----------------------------------------------------------------

bool TryStrToDate(const String& s, TDateTime& value, const TFormatSettings& settings) {
  TScanner scan(s);
  TDateTime date = 0;
  if (!ScanDate(scan, date, settings.ShortDateFormat, settings.DateSeparator, settings.TwoDigitYearCenturyWindow) ||
      !scan.AtEnd()) {
    return false;
  }
  value = date;
  return true;
}

bool TryStrToDate(const String& s, TDateTime& value) { return TryStrToDate(s, value, FormatSettings()); }

TDateTime StrToDate(const String& s, const TFormatSettings& settings) {
  TDateTime value = 0;
  if (!TryStrToDate(s, value, settings)) {
    throw EConvertError(FmtLoadResString(SInvalidDate, {s}));
  }
  return value;
}

TDateTime StrToDate(const String& s) { return StrToDate(s, FormatSettings()); }

TDateTime StrToDateDef(const String& s, TDateTime defaultValue, const TFormatSettings& settings) {
  TDateTime value = 0;
  return TryStrToDate(s, value, settings) ? value : defaultValue;
}

TDateTime StrToDateDef(const String& s, TDateTime defaultValue) {
  return StrToDateDef(s, defaultValue, FormatSettings());
}

bool TryStrToDateFmt(const String& s, const String& format, TDateTime& value) {
  TFormatSettings settings = FormatSettings();
  settings.ShortDateFormat = format;
  const auto separator = std::find_if(format.begin(), format.end(), [](char c) {
    const char lower = static_cast<char>(c | 0x20);
    return lower != 'd' && lower != 'm' && lower != 'y';
  });
  if (separator != format.end()) {
    settings.DateSeparator = *separator;
  }
  return TryStrToDate(s, value, settings);
}

bool TryStrToTime(const String& s, TDateTime& value, const TFormatSettings& settings) {
  TScanner scan(s);
  TDateTime time = 0;
  if (!ScanTime(scan, time, settings) || !scan.AtEnd()) {
    return false;
  }
  value = time;
  return true;
}

bool TryStrToTime(const String& s, TDateTime& value) { return TryStrToTime(s, value, FormatSettings()); }

TDateTime StrToTime(const String& s) {
  TDateTime value = 0;
  if (!TryStrToTime(s, value)) {
    throw EConvertError(FmtLoadResString(SInvalidTime, {s}));
  }
  return value;
}

bool TryStrToDateTime(const String& s, TDateTime& value, const TFormatSettings& settings) {
  TScanner scan(s);
  TDateTime date = 0;
  if (ScanDate(scan, date, settings.ShortDateFormat, settings.DateSeparator, settings.TwoDigitYearCenturyWindow)) {
    TDateTime time = 0;
    if (scan.AtEnd()) {
      value = date;
      return true;
    }
    if (ScanTime(scan, time, settings) && scan.AtEnd()) {
      value = ComposeDateTime(date, time);
      return true;
    }
  }
  return TryStrToTime(s, value, settings);
}

bool TryStrToDateTime(const String& s, TDateTime& value) { return TryStrToDateTime(s, value, FormatSettings()); }

TDateTime StrToDateTime(const String& s) {
  TDateTime value = 0;
  if (!TryStrToDateTime(s, value)) {
    throw EConvertError(FmtLoadResString(SInvalidDateTime, {s}));
  }
  return value;
}

// --- Unix and file times -----------------------------------------------------

namespace {

// Reads exactly `digits` digits at pos.
bool IsoNumber(const String& s, std::size_t& pos, int digits, int& value) {
  value = 0;
  for (int i = 0; i < digits; ++i, ++pos) {
    if (pos >= s.size() || s[pos] < '0' || s[pos] > '9') return false;
    value = value * 10 + (s[pos] - '0');
  }
  return true;
}

bool IsoChar(const String& s, std::size_t& pos, char c) {
  if (pos >= s.size() || s[pos] != c) return false;
  ++pos;
  return true;
}

bool IsoTime(const String& s, std::size_t& pos, TDateTime& time) {
  int hour = 0, minute = 0, second = 0, msec = 0;
  if (!IsoNumber(s, pos, 2, hour) || !IsoChar(s, pos, ':') || !IsoNumber(s, pos, 2, minute)) return false;
  if (IsoChar(s, pos, ':')) {
    if (!IsoNumber(s, pos, 2, second)) return false;
    if (IsoChar(s, pos, '.')) {
      int scale = 100;
      const std::size_t first = pos;
      while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9' && pos - first < 3) {
        msec += (s[pos++] - '0') * scale;
        scale /= 10;
      }
      if (pos == first) return false;
    }
  }
  return TryEncodeTime(static_cast<Word>(hour), static_cast<Word>(minute), static_cast<Word>(second),
                       static_cast<Word>(msec), time);
}

}  // namespace

bool TryIsoStrToDateTime(const String& s, TDateTime& value) {
  std::size_t pos = 0;
  TDateTime date = 0, time = 0;
  if (s.size() > 2 && s[2] == ':') {
    if (!IsoTime(s, pos, time) || pos != s.size()) return false;
    value = time;
    return true;
  }
  int year = 0, month = 0, day = 0;
  if (!IsoNumber(s, pos, 4, year) || !IsoChar(s, pos, '-') || !IsoNumber(s, pos, 2, month) || !IsoChar(s, pos, '-') ||
      !IsoNumber(s, pos, 2, day) ||
      !TryEncodeDate(static_cast<Word>(year), static_cast<Word>(month), static_cast<Word>(day), date))
    return false;
  if (pos < s.size() && (IsoChar(s, pos, 'T') || IsoChar(s, pos, ' ')) && !IsoTime(s, pos, time)) return false;
  if (pos != s.size()) return false;
  value = ComposeDateTime(date, time);
  return true;
}

TDateTime UnixToDateTime(Int64 unixTime) { return static_cast<double>(unixTime) / SecsPerDay + UnixDateDelta; }

Int64 DateTimeToUnix(TDateTime dt) { return std::llround((dt - UnixDateDelta) * SecsPerDay); }

TDateTime UnixToLocalDateTime(Int64 unixTime, long nanoseconds) {
  const auto seconds = static_cast<time_t>(unixTime);
  tm local{};
  if (!localtime_r(&seconds, &local)) {
    return UnixToDateTime(unixTime);
  }
  TDateTime date = 0;
  TDateTime time = 0;
  if (!TryEncodeDate(static_cast<Word>(local.tm_year + 1900), static_cast<Word>(local.tm_mon + 1),
                     static_cast<Word>(local.tm_mday), date) ||
      !TryEncodeTime(static_cast<Word>(local.tm_hour), static_cast<Word>(local.tm_min),
                     static_cast<Word>(std::min(local.tm_sec, 59)),
                     static_cast<Word>(std::clamp(nanoseconds / 1000000, 0L, 999L)), time)) {
    return UnixToDateTime(unixTime);
  }
  return ComposeDateTime(date, time);
}

Int64 LocalDateTimeToUnix(TDateTime dt) {
  Word year = 0, month = 0, day = 0, hour = 0, min = 0, sec = 0, msec = 0;
  DecodeDate(dt, year, month, day);
  DecodeTime(dt, hour, min, sec, msec);
  tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = hour;
  local.tm_min = min;
  local.tm_sec = sec;
  local.tm_isdst = -1;
  return static_cast<Int64>(mktime(&local));
}

}  // namespace plat
