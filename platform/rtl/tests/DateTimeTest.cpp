#include "platform/rtl/DateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

#include "platform/rtl/Exception.h"

namespace plat {
namespace {

TEST(EncodeDate, KnownDaysAndRoundTrip) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
  EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);
  for (TDateTime day : {-693593.0, -1.0, 0.0, 59.0, 60.0, 36585.0, 2958465.0}) {
    Word y = 0, m = 0, d = 0;
    DecodeDate(day, y, m, d);
    EXPECT_EQ(EncodeDate(y, m, d), day) << day;
  }
  Word y = 0, m = 0, d = 0;
  DecodeDate(EncodeDate(2024, 2, 29) + 0.75, y, m, d);
  EXPECT_EQ(y * 10000 + m * 100 + d, 20240229);
}

TEST(EncodeDate, InvalidDatesRejected) {
  struct Case {
    Word Y, M, D;
  };
  for (const Case& c : std::vector<Case>{{2023, 2, 29},
                                         {1900, 2, 29},
                                         {2024, 13, 1},
                                         {2024, 0, 1},
                                         {2024, 4, 31},
                                         {0, 1, 1},
                                         {10000, 1, 1},
                                         {2024, 1, 0}}) {
    TDateTime value = 123;
    EXPECT_FALSE(TryEncodeDate(c.Y, c.M, c.D, value)) << c.Y << "-" << c.M << "-" << c.D;
    EXPECT_EQ(value, 123);
  }
  try {
    EncodeDate(2023, 2, 29);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Invalid argument to date encode");
  }
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(2100));
  EXPECT_EQ(DaysInAMonth(2024, 2), 29);
  EXPECT_EQ(DaysInAMonth(2024, 13), 0);
}

TEST(EncodeTime, RangeAndRoundTrip) {
  EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  TDateTime t = 0;
  EXPECT_FALSE(TryEncodeTime(1, 60, 0, 0, t));
  EXPECT_FALSE(TryEncodeTime(1, 0, 0, 1000, t));
  Word h = 0, n = 0, s = 0, z = 0;
  DecodeTime(EncodeDate(2020, 5, 6) + EncodeTime(23, 59, 59, 999), h, n, s, z);
  EXPECT_EQ(h * 10000000 + n * 100000 + s * 1000 + z, 235959999);
  // The fraction of a negative date still counts from midnight.
  DecodeTime(-1.25, h, n, s, z);
  EXPECT_EQ(h, 6);
  Word y = 0, m = 0, d = 0;
  DecodeDate(-1.25, y, m, d);
  EXPECT_EQ(y * 10000 + m * 100 + d, 18991229);
}

TEST(Calendar, DayOfWeekAndIncMonth) {
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);  // a Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 1, 1)), 2);    // a Monday
  EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 31), 1), EncodeDate(2024, 2, 29));
  EXPECT_EQ(IncMonth(EncodeDate(2024, 3, 15), -3), EncodeDate(2023, 12, 15));
  EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 1, 10) + 0.25, 12), EncodeDate(2025, 1, 10) + 0.25);
  EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
  EXPECT_EQ(DayOfWeek(std::nan("")), 0);
}

TEST(FormatDateTime, Specifiers) {
  const TFormatSettings en = TFormatSettings::English();
  const TDateTime dt = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);
  struct Case {
    String Format;
    String Text;
  };
  const std::vector<Case> cases = {
      {"d/m/yy", "5/3/24"},
      {"dd.mm.yyyy", "05.03.2024"},
      {"dd/mm/yyyy", "05/03/2024"},  // "/" is the settings' separator
      {"yyyy-mm-dd", "2024-03-05"},
      {"ddd dddd", "Tue Tuesday"},
      {"mmm mmmm", "Mar March"},
      {"ddddd", "3/5/2024"},
      {"dddddd", "Tuesday, March 5, 2024"},
      {"h:n:s.z", "14:7:9.45"},
      {"hh:nn:ss.zzz", "14:07:09.045"},
      {"hh:mm", "14:07"},  // m after h is minutes
      {"h am/pm", "2 pm"},
      {"h AM/PM", "2 PM"},
      {"h a/p", "2 p"},
      {"hh ampm", "02 PM"},
      {"t", "2:07 PM"},
      {"tt", "2:07:09 PM"},
      {"c", "3/5/2024 2:07:09 PM"},
      {"'d' \"m\" yyyy", "d m 2024"},
      {"YYYY/MM/DD", "2024/03/05"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatDateTime(c.Format, dt, en), c.Text) << c.Format;
  }
  EXPECT_EQ(FormatDateTime("c", EncodeDate(2024, 3, 5), en), "3/5/2024");  // no time at midnight
  EXPECT_EQ(FormatDateTime("h:nn am/pm", EncodeTime(0, 30, 0, 0), en), "12:30 am");
  EXPECT_EQ(FormatDateTime("h:nn am/pm", EncodeTime(12, 30, 0, 0), en), "12:30 pm");
  const TFormatSettings de = TFormatSettings::German();
  EXPECT_EQ(DateToStr(dt, de), "05.03.2024");
  EXPECT_EQ(TimeToStr(dt, de), "14:07:09");
  EXPECT_EQ(DateTimeToStr(dt, de), "05.03.2024 14:07:09");
  EXPECT_EQ(FormatDateTime("dddd, d. mmmm", dt, de), "Dienstag, 5. M\xC3\xA4rz");
}

TEST(FormatDateTime, SelfReferringFormatsEnd) {
  TFormatSettings s = TFormatSettings::English();
  s.ShortDateFormat = "c ddddd";
  s.LongTimeFormat = "tt";
  EXPECT_NO_THROW(FormatDateTime("c", 1.5, s));
}

TEST(StrToDate, SettingsOrderAndSeparator) {
  const TFormatSettings en = TFormatSettings::English();
  const TFormatSettings de = TFormatSettings::German();
  TFormatSettings ymd = en;
  ymd.ShortDateFormat = "yyyy-mm-dd";
  ymd.DateSeparator = '-';
  struct Case {
    const TFormatSettings* Settings;
    String Text;
    bool Valid;
    TDateTime Value;
  };
  const std::vector<Case> cases = {
      {&en, "3/5/2024", true, EncodeDate(2024, 3, 5)},
      {&en, " 12 / 31 / 1999 ", true, EncodeDate(1999, 12, 31)},
      {&de, "05.03.2024", true, EncodeDate(2024, 3, 5)},
      {&de, "5.3.2024.", true, EncodeDate(2024, 3, 5)},
      {&ymd, "2024-03-05", true, EncodeDate(2024, 3, 5)},
      {&en, "2/30/2024", false, 0},
      {&en, "13/1/2024", false, 0},
      {&en, "3-5-2024", false, 0},
      {&en, "3/5/2024x", false, 0},
      {&en, "", false, 0},
      {&en, "3/", false, 0},
      {&en, "99999/1/1", false, 0},
  };
  for (const Case& c : cases) {
    TDateTime value = -1;
    EXPECT_EQ(TryStrToDate(c.Text, value, *c.Settings), c.Valid) << c.Text;
    if (c.Valid) {
      EXPECT_EQ(value, c.Value) << c.Text;
    }
  }
  try {
    StrToDate("31/31/31", en);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'31/31/31' is not a valid date");
  }
  EXPECT_EQ(StrToDateDef("junk", 7, en), 7);
}

TEST(StrToDate, ExplicitFormatAndTwoDigitYears) {
  // With the window of 50 years these hold for any current year from 2006 to 2048.
  struct Case {
    String Text;
    String Format;
    TDateTime Value;
  };
  const std::vector<Case> cases = {
      {"03/05/24", "m/d/y", EncodeDate(2024, 3, 5)},        {"3/5/2024", "m/d/y", EncodeDate(2024, 3, 5)},
      {"12/31/99", "mm/dd/yyyy", EncodeDate(1999, 12, 31)}, {"1/2/05", "m/d/y", EncodeDate(2005, 1, 2)},
      {"1/2/0005", "m/d/y", EncodeDate(5, 1, 2)},  // four digits are taken as they are
      {"31.12.98", "dd.mm.yy", EncodeDate(1998, 12, 31)},
  };
  for (const Case& c : cases) {
    TDateTime value = -1;
    ASSERT_TRUE(TryStrToDateFmt(c.Text, c.Format, value)) << c.Text;
    EXPECT_EQ(value, c.Value) << c.Text;
  }
  TDateTime value = -1;
  EXPECT_FALSE(TryStrToDateFmt("2/30/24", "m/d/y", value));
  TFormatSettings zeroWindow = TFormatSettings::English();
  zeroWindow.TwoDigitYearCenturyWindow = 0;
  ASSERT_TRUE(TryStrToDate("1/1/99", value, zeroWindow));
  // Without a window two-digit years are in the current century.
  Word y = 0, m = 0, d = 0, thisYear = 0;
  DecodeDate(value, y, m, d);
  DecodeDate(Now(), thisYear, m, d);
  EXPECT_EQ(y, thisYear / 100 * 100 + 99);
}

TEST(StrToTime, HoursMinutesSecondsAndHalves) {
  const TFormatSettings en = TFormatSettings::English();
  struct Case {
    String Text;
    bool Valid;
    TDateTime Value;
  };
  const std::vector<Case> cases = {
      {"14:30", true, EncodeTime(14, 30, 0, 0)},
      {"2:30:15 PM", true, EncodeTime(14, 30, 15, 0)},
      {"12:00 am", true, 0},
      {"12:00 PM", true, 0.5},
      {"1:02:03.004", true, EncodeTime(1, 2, 3, 4)},
      {"25:00", false, 0},
      {"13:00 PM", false, 0},
      {"1:", false, 0},
      {"abc", false, 0},
  };
  for (const Case& c : cases) {
    TDateTime value = -1;
    EXPECT_EQ(TryStrToTime(c.Text, value, en), c.Valid) << c.Text;
    if (c.Valid) {
      EXPECT_DOUBLE_EQ(value, c.Value) << c.Text;
    }
  }
  TDateTime value = 0;
  ASSERT_TRUE(TryStrToDateTime("3/5/2024 6:00 PM", value, en));
  EXPECT_DOUBLE_EQ(value, EncodeDate(2024, 3, 5) + 0.75);
  ASSERT_TRUE(TryStrToDateTime("6:00", value, en));
  EXPECT_DOUBLE_EQ(value, 0.25);
  EXPECT_FALSE(TryStrToDateTime("3/5/2024 x", value, en));
}

TEST(UnixTime, ConversionsBothWays) {
  EXPECT_EQ(UnixToDateTime(0), UnixDateDelta);
  EXPECT_EQ(DateTimeToUnix(EncodeDate(2000, 1, 1)), 946684800);
  EXPECT_EQ(DateTimeToUnix(UnixToDateTime(1700000000)), 1700000000);
  // Local time conversions invert each other whatever the zone.
  EXPECT_EQ(LocalDateTimeToUnix(UnixToLocalDateTime(1700000000)), 1700000000);
  EXPECT_NEAR(Now(), UnixToLocalDateTime(static_cast<Int64>(time(nullptr))), 2.0 / SecsPerDay);
  EXPECT_EQ(Date(), std::trunc(Date()));
  EXPECT_LT(Time(), 1.0);
}

TEST(TryIsoStrToDateTime, DatesAndTimesWhateverTheLocale) {
  struct Case {
    const char* Text;
    bool Valid;
    TDateTime Value;
  };
  const TDateTime day = EncodeDate(2024, 3, 5);
  // clang-format off
  const Case cases[] = {
      {"2024-03-05",              true,  day},
      {"2024-03-05T14:30",        true,  day + EncodeTime(14, 30, 0, 0)},
      {"2024-03-05 14:30:15",     true,  day + EncodeTime(14, 30, 15, 0)},
      {"2024-03-05T14:30:15.25",  true,  day + EncodeTime(14, 30, 15, 250)},
      {"23:59:59.999",            true,  EncodeTime(23, 59, 59, 999)},
      {"1800-01-01T06:00",        true,  ComposeDateTime(EncodeDate(1800, 1, 1), EncodeTime(6, 0, 0, 0))},
      {"2023-02-29",              false, 0},
      {"2024-3-5",                false, 0},
      {"2024-03-05T",             false, 0},
      {"2024-03-05T24:00",        false, 0},
      {"2024-03-05T14:30:15.",    false, 0},
      {"2024-03-05T14:30:15.1234", false, 0},
      {"2024-03-05x",             false, 0},
      {"05.03.2024",              false, 0},
      {"",                        false, 0},
  };
  // clang-format on
  for (const Case& c : cases) {
    TDateTime value = -1;
    EXPECT_EQ(TryIsoStrToDateTime(c.Text, value), c.Valid) << c.Text;
    if (c.Valid) {
      EXPECT_NEAR(value, c.Value, 1e-9) << c.Text;
    } else {
      EXPECT_EQ(value, -1) << c.Text;
    }
  }
}

}  // namespace
}  // namespace plat
