// Date texts in two locales and the fixed sort styles, and stepping dates.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/ExtUtilDates.h"
#include "platform/rtl/DateTime.h"
#include "testing/LocaleScope.h"

namespace zorbit {
namespace {

using plat::EncodeDate;
using plat::TDateTime;
using testing::TLocaleScope;

struct DateCase {
  std::string Text;
  TDateTime Expected;  // 0: not a date
};

void CheckLocaleDates(const std::vector<DateCase>& cases) {
  for (const DateCase& c : cases) {
    TDateTime date = -1;
    EXPECT_EQ(TryParseLocaleDate(c.Text, date), c.Expected != 0) << c.Text;
    if (c.Expected != 0) {
      EXPECT_EQ(date, c.Expected) << c.Text;
    }
  }
}

TEST(LocaleDates, English) {
  TLocaleScope english(plat::TFormatSettings::English());  // m/d/yyyy
  CheckLocaleDates({
      {"12/31/1999", EncodeDate(1999, 12, 31)},
      {"2/29/2024", EncodeDate(2024, 2, 29)},
      {"12/31/99", EncodeDate(99, 12, 31)},  // the year as written
      {"2/30/2024", 0},                      // does not exist
      {"2/29/2023", 0},
      {"13/1/2024", 0},
      {"1/32/2024", 0},
      {"0/1/2024", 0},
      {"1/1/0", 0},
      {"12/31", 0},
      {"12/31/1999/5", 0},
      {"31.12.1999", 0},
      {"a/b/c", 0},
      {"1/1/65537", 0},  // not wrapped round into year 1
      {"", 0},
  });
}

TEST(LocaleDates, German) {
  TLocaleScope german(plat::TFormatSettings::German());  // dd.mm.yyyy
  CheckLocaleDates({
      {"31.12.1999", EncodeDate(1999, 12, 31)},
      {"1.2.2024", EncodeDate(2024, 2, 1)},
      {"29.02.2023", 0},
      {"31/12/1999", 0},
      {"12.31.1999", 0},
  });
}

TEST(LocaleDates, YearFirst) {
  plat::TFormatSettings iso = plat::TFormatSettings::English();
  iso.ShortDateFormat = "yyyy-mm-dd";
  iso.DateSeparator = '-';
  TLocaleScope scope(iso);
  CheckLocaleDates({{"2024-02-29", EncodeDate(2024, 2, 29)}, {"2024-13-01", 0}});
}

TEST(FixedOrderDates, MonthDayYearAndDayMonthYear) {
  struct Case {
    std::string Text;
    TDateTime MonthDayYear, DayMonthYear;
  };
  const std::vector<Case> cases{
      {"12/31/99", EncodeDate(1999, 12, 31), 0},
      {"1/2/05", EncodeDate(2005, 1, 2), EncodeDate(2005, 2, 1)},
      {"1/2/2005", EncodeDate(2005, 1, 2), EncodeDate(2005, 2, 1)},
      {"1/2/005", EncodeDate(5, 1, 2), EncodeDate(5, 2, 1)},  // three digits: as written
      {"1.2.25", EncodeDate(2025, 1, 2), EncodeDate(2025, 2, 1)},
      {"1-2-26", EncodeDate(1926, 1, 2), EncodeDate(1926, 2, 1)},
      {"31/12/99", 0, EncodeDate(1999, 12, 31)},
      {"2/29/2023", 0, 0},  // no such date: 0, not an exception
      {"29.02.2024", 0, EncodeDate(2024, 2, 29)},
      {"1/2.2005", 0, 0},  // the second separator must be the same
      {"1/2", 0, 0},
      {"x/2/2005", 0, 0},
      {"", 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseMonthDayYear(c.Text), c.MonthDayYear) << c.Text;
    EXPECT_EQ(ParseDayMonthYear(c.Text), c.DayMonthYear) << c.Text;
  }
}

TEST(FixedOrderDates, TwoSeparators) {
  TLocaleScope english(plat::TFormatSettings::English());
  EXPECT_TRUE(HasTwoDateSeparators("1/2/3"));
  EXPECT_TRUE(HasTwoDateSeparators("12/3/"));
  EXPECT_FALSE(HasTwoDateSeparators("/1/2"));  // the first stands at position 1
  EXPECT_FALSE(HasTwoDateSeparators("1//2"));  // the second directly after it
  EXPECT_FALSE(HasTwoDateSeparators("1/2"));
  EXPECT_FALSE(HasTwoDateSeparators(""));
}

TEST(ShiftDate, StepsByOneUnitAndClampsTheDay) {
  struct Case {
    const char* Name;
    int Years, Months, Days;
    TDateTime From, Expected;
  };
  const TDateTime noon = 0.5;
  const std::vector<Case> cases{
      {"days", 0, 0, 5, EncodeDate(2024, 2, 27), EncodeDate(2024, 3, 3)},
      {"days back", 0, 0, -1, EncodeDate(2024, 3, 1), EncodeDate(2024, 2, 29)},
      {"a year from a leap day", 1, 0, 0, EncodeDate(2024, 2, 29), EncodeDate(2025, 2, 28)},
      {"a year back from a leap day", -1, 0, 0, EncodeDate(2024, 2, 29), EncodeDate(2023, 2, 28)},
      {"four years", 4, 0, 0, EncodeDate(2024, 2, 29), EncodeDate(2028, 2, 29)},
      {"a month from the 31st", 0, 1, 0, EncodeDate(2024, 1, 31), EncodeDate(2024, 2, 29)},
      {"into the next year", 0, 3, 0, EncodeDate(2024, 11, 15), EncodeDate(2025, 2, 15)},
      {"into the previous year", 0, -3, 0, EncodeDate(2024, 2, 15), EncodeDate(2023, 11, 15)},
      {"more than a year of months", 0, 25, 0, EncodeDate(2024, 2, 15), EncodeDate(2026, 3, 15)},
      {"the time of day stays", 0, 1, 0, EncodeDate(2024, 1, 31) + noon, EncodeDate(2024, 2, 29) + noon},
      {"before 1899-12-30", 0, 1, 0, EncodeDate(1899, 12, 29) - 0.25, EncodeDate(1900, 1, 29) + 0.25},
      {"not past year 9999", 1, 0, 0, EncodeDate(9999, 6, 1), EncodeDate(9999, 12, 1)},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(ShiftDate(c.Years, c.Months, c.Days, 0.25, c.From), c.Expected) << c.Name;
}

TEST(ShiftDate, AnythingElseTakesTheTimeStep) {
  const TDateTime date = EncodeDate(2024, 5, 5);
  EXPECT_DOUBLE_EQ(ShiftDate(0, 0, 0, 0.25, date), date + 0.25);
  EXPECT_DOUBLE_EQ(ShiftDate(1, 1, 0, 0.25, date), date + 0.25);
  EXPECT_DOUBLE_EQ(ShiftDate(1, 0, 1, 0.25, date), date + 0.25);
  EXPECT_DOUBLE_EQ(ShiftDate(0, 2, 3, 0.25, date), date + 0.25);
}

}  // namespace
}  // namespace zorbit
