#include "platform/rtl/FormatSettings.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdint>
#include <cstdlib>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/LocaleIds.h"

namespace plat {

namespace {

// A locale separator as one character: multi-byte ones (such as the narrow
// no-break space) become a blank, an empty one the fallback.
char SeparatorChar(const char* text, char fallback) {
  if (!text || !*text) {
    return fallback;
  }
  return static_cast<unsigned char>(text[0]) < 0x80 && text[1] == '\0' ? text[0] : ' ';
}

// Turns a strftime pattern into the runtime's format letters.
String FromStrftime(const String& pattern) {
  String out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%' || i + 1 >= pattern.size()) {
      out += pattern[i];
      continue;
    }
    char conversion = pattern[++i];
    if ((conversion == 'E' || conversion == 'O') && i + 1 < pattern.size()) {
      conversion = pattern[++i];  // alternative forms read as the plain ones
    }
    switch (conversion) {
      case 'd': out += "dd"; break;
      case 'e': out += "d"; break;
      case 'm': out += "mm"; break;
      case 'y': out += "yy"; break;
      case 'Y': out += "yyyy"; break;
      case 'b':
      case 'h': out += "mmm"; break;
      case 'B': out += "mmmm"; break;
      case 'a': out += "ddd"; break;
      case 'A': out += "dddd"; break;
      case 'D': out += "mm/dd/yy"; break;
      case 'F': out += "yyyy-mm-dd"; break;
      case 'H': out += "hh"; break;
      case 'k': out += "h"; break;
      case 'I': out += "hh"; break;
      case 'l': out += "h"; break;
      case 'M': out += "nn"; break;
      case 'S': out += "ss"; break;
      case 'p':
      case 'P': out += "AMPM"; break;
      case 'r': out += "hh:nn:ss AMPM"; break;
      case 'T': out += "hh:nn:ss"; break;
      case 'R': out += "hh:nn"; break;
      case '%': out += '%'; break;
      default: break;  // nothing the runtime can show
    }
  }
  return out;
}

// The first character of a date or time format that is not a format letter.
char FirstSeparator(const String& format, char fallback) {
  for (char c : format) {
    const char lower = static_cast<char>(c | 0x20);
    if (lower != 'd' && lower != 'm' && lower != 'y' && lower != 'h' && lower != 'n' && lower != 's' && c != ' ') {
      return c;
    }
  }
  return fallback;
}

// The short time format is the long one without its seconds.
String WithoutSeconds(const String& format) {
  String out = format;
  const auto sep = out.find(":ss");
  if (sep != String::npos) {
    out.erase(sep, 3);
  }
  return out;
}

String Nonempty(const char* text, const String& fallback) { return text && *text ? String(text) : fallback; }

// The locale counts its first week day (1 to 7) from the day of a date it
// names (yyyymmdd: 19971130, a Sunday, in most locales).
Byte FirstDayOfWeek(locale_t locale) {
  const int first = static_cast<unsigned char>(nl_langinfo_l(_NL_TIME_FIRST_WEEKDAY, locale)[0]);
  const auto base = static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo_l(_NL_TIME_WEEK_1STDAY, locale)));
  TDateTime baseDate = 0;
  if (first < 1 || first > 7 ||
      !TryEncodeDate(static_cast<Word>(base / 10000), static_cast<Word>(base / 100 % 100),
                     static_cast<Word>(base % 100), baseDate)) {
    return 0;
  }
  return static_cast<Byte>((DayOfWeek(baseDate) - 1 + first - 1) % 7);
}

TFormatSettings FromLocale(locale_t locale) {
  TFormatSettings s = TFormatSettings::English();
  s.DecimalSeparator = SeparatorChar(nl_langinfo_l(RADIXCHAR, locale), '.');
  s.ThousandSeparator = SeparatorChar(nl_langinfo_l(THOUSEP, locale), s.DecimalSeparator == ',' ? '.' : ',');
  s.ListSeparator = s.DecimalSeparator == ',' ? ';' : ',';
  const String dateFormat = FromStrftime(nl_langinfo_l(D_FMT, locale));
  if (!dateFormat.empty()) {
    s.ShortDateFormat = dateFormat;
    s.DateSeparator = FirstSeparator(dateFormat, '/');
  }
  const String timeFormat = FromStrftime(nl_langinfo_l(T_FMT, locale));
  if (!timeFormat.empty()) {
    s.LongTimeFormat = timeFormat;
    s.ShortTimeFormat = WithoutSeconds(timeFormat);
    s.TimeSeparator = FirstSeparator(timeFormat, ':');
  }
  s.TimeAMString = Nonempty(nl_langinfo_l(AM_STR, locale), "");
  s.TimePMString = Nonempty(nl_langinfo_l(PM_STR, locale), "");
  for (int i = 0; i < 12; ++i) {
    s.ShortMonthNames[i] = Nonempty(nl_langinfo_l(static_cast<nl_item>(ABMON_1 + i), locale), s.ShortMonthNames[i]);
    s.LongMonthNames[i] = Nonempty(nl_langinfo_l(static_cast<nl_item>(MON_1 + i), locale), s.LongMonthNames[i]);
  }
  for (int i = 0; i < 7; ++i) {
    s.ShortDayNames[i] = Nonempty(nl_langinfo_l(static_cast<nl_item>(ABDAY_1 + i), locale), s.ShortDayNames[i]);
    s.LongDayNames[i] = Nonempty(nl_langinfo_l(static_cast<nl_item>(DAY_1 + i), locale), s.LongDayNames[i]);
  }
  s.FirstDayOfWeek = FirstDayOfWeek(locale);
  // CRNCYSTR is the symbol after a "-" (it goes first), "+" (last) or "." (in place of the point).
  const String currency = Nonempty(nl_langinfo_l(CRNCYSTR, locale), "");
  if (currency.size() > 1) {
    s.CurrencyString = currency.substr(1);
    s.CurrencyFormat = currency[0] == '+' ? 3 : 0;
    s.NegCurrFormat = currency[0] == '+' ? 8 : 1;
  }
  return s;
}

}  // namespace

TFormatSettings TFormatSettings::English() { return TFormatSettings(); }

TFormatSettings TFormatSettings::German() {
  TFormatSettings s;
  s.CurrencyString = "\xE2\x82\xAC";  // the euro sign
  s.CurrencyFormat = 3;
  s.NegCurrFormat = 8;
  s.ThousandSeparator = '.';
  s.DecimalSeparator = ',';
  s.DateSeparator = '.';
  s.TimeSeparator = ':';
  s.ListSeparator = ';';
  s.ShortDateFormat = "dd.mm.yyyy";
  s.LongDateFormat = "dddd, d. mmmm yyyy";
  s.TimeAMString = "";
  s.TimePMString = "";
  s.ShortTimeFormat = "hh:nn";
  s.LongTimeFormat = "hh:nn:ss";
  s.ShortMonthNames = {"Jan", "Feb", "M\xC3\xA4r", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
  s.LongMonthNames = {"Januar", "Februar", "M\xC3\xA4rz", "April",   "Mai",      "Juni",
                      "Juli",   "August",  "September",   "Oktober", "November", "Dezember"};
  s.ShortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
  s.FirstDayOfWeek = 1;
  s.LongDayNames = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
  return s;
}

TFormatSettings TFormatSettings::Create(const String& localeName) {
  const String name = localeName.empty() ? EnvironmentLocaleName() : localeName;
  locale_t locale = newlocale(LC_ALL_MASK, localeName.c_str(), static_cast<locale_t>(nullptr));
  if (locale != static_cast<locale_t>(nullptr)) {
    TFormatSettings settings = FromLocale(locale);
    freelocale(locale);
    return settings;
  }
  return name.rfind("de", 0) == 0 ? German() : English();
}

TFormatSettings& FormatSettings() {
  static TFormatSettings settings = TFormatSettings::Create("");
  return settings;
}

}  // namespace plat
