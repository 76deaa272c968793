#include "platform/rtl/SystemTime.h"

#include <gtest/gtest.h>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exception.h"

namespace plat {
namespace {

TEST(SystemTime, FieldsOfADateTimeAndBack) {
  const TDateTime value = EncodeDate(2024, 2, 29) + EncodeTime(13, 45, 30, 250);
  const SYSTEMTIME fields = DateTimeToSystemTime(value);
  EXPECT_EQ(fields.wYear, 2024);
  EXPECT_EQ(fields.wMonth, 2);
  EXPECT_EQ(fields.wDay, 29);
  EXPECT_EQ(fields.wDayOfWeek, 4);  // a Thursday
  EXPECT_EQ(fields.wHour, 13);
  EXPECT_EQ(fields.wMinute, 45);
  EXPECT_EQ(fields.wSecond, 30);
  EXPECT_EQ(fields.wMilliseconds, 250);
  EXPECT_DOUBLE_EQ(SystemTimeToDateTime(fields), value);
  // Before 1899-12-30 the time of day still counts forward.
  const TDateTime early = ComposeDateTime(EncodeDate(1800, 1, 1), EncodeTime(6, 0, 0, 0));
  EXPECT_DOUBLE_EQ(SystemTimeToDateTime(DateTimeToSystemTime(early)), early);
}

TEST(SystemTime, FieldsOutOfRangeAreRefused) {
  SYSTEMTIME fields;
  fields.wYear = 2023;
  fields.wMonth = 2;
  fields.wDay = 29;
  TDateTime value = 7;
  EXPECT_FALSE(TrySystemTimeToDateTime(fields, value));
  EXPECT_EQ(value, 7);
  EXPECT_THROW(SystemTimeToDateTime(fields), EConvertError);
  fields.wDay = 28;
  fields.wHour = 24;
  EXPECT_FALSE(TrySystemTimeToDateTime(fields, value));
  fields.wHour = 23;
  EXPECT_TRUE(TrySystemTimeToDateTime(fields, value));
}

}  // namespace
}  // namespace plat
