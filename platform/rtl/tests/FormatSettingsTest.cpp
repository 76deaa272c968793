#include "platform/rtl/FormatSettings.h"

#include <gtest/gtest.h>

#include "platform/rtl/Conversions.h"

namespace plat {
namespace {

TEST(FormatSettings, BuiltInRecords) {
  const TFormatSettings en = TFormatSettings::English();
  EXPECT_EQ(en.DecimalSeparator, '.');
  EXPECT_EQ(en.ThousandSeparator, ',');
  EXPECT_EQ(en.DateSeparator, '/');
  EXPECT_EQ(en.LongMonthNames[0], "January");
  EXPECT_EQ(en.ShortDayNames[0], "Sun");
  EXPECT_EQ(en.FirstDayOfWeek, 0);
  const TFormatSettings de = TFormatSettings::German();
  EXPECT_EQ(de.DecimalSeparator, ',');
  EXPECT_EQ(de.ThousandSeparator, '.');
  EXPECT_EQ(de.ShortDateFormat, "dd.mm.yyyy");
  EXPECT_EQ(de.DateSeparator, '.');
  EXPECT_EQ(de.FirstDayOfWeek, 1);
}

TEST(FormatSettings, CreateFromLocaleNames) {
  // The C locale is always there; it is read, not made up.
  const TFormatSettings c = TFormatSettings::Create("C");
  EXPECT_EQ(c.DecimalSeparator, '.');
  EXPECT_EQ(c.ShortDateFormat, "mm/dd/yy");
  EXPECT_EQ(c.DateSeparator, '/');
  EXPECT_EQ(c.LongTimeFormat, "hh:nn:ss");
  EXPECT_EQ(c.TimeSeparator, ':');
  EXPECT_EQ(c.LongMonthNames[11], "December");
  EXPECT_EQ(c.FirstDayOfWeek, 0);  // the locale's weeks begin on Sunday
  // Locales that are not installed fall back to the built-in record of their language.
  const TFormatSettings de = TFormatSettings::Create("de_DE.NOT-INSTALLED");
  EXPECT_EQ(de.DecimalSeparator, ',');
  EXPECT_EQ(de.FirstDayOfWeek, 1);
  EXPECT_EQ(TFormatSettings::Create("xx_NOWHERE").DecimalSeparator, '.');
}

TEST(FormatSettings, ProcessRecordIsSettable) {
  TFormatSettings& global = FormatSettings();
  const TFormatSettings saved = global;
  global = TFormatSettings::German();
  EXPECT_EQ(FloatToStr(1.5), "1,5");
  EXPECT_DOUBLE_EQ(StrToFloat("2,25"), 2.25);
  global = TFormatSettings::English();
  EXPECT_EQ(FloatToStr(1.5), "1.5");
  global = saved;
}

}  // namespace
}  // namespace plat
