// The part of a date or time text a spin step changes, and the step itself:
// calendar months and years, and times of day that wrap at midnight.
#include <gtest/gtest.h>

#include <string>

#include "grid/detail/SpinSteps.h"
#include "platform/rtl/DateTime.h"

namespace zorbit {
namespace {

using detail::TDatePart;
using detail::TTimePart;
using plat::EncodeDate;
using plat::EncodeTime;

struct DatePartCase {
  std::string Format;
  char Separator;
  std::string Text;
  int Caret;
  TDatePart Expected;
};

TEST(SpinSteps, TheCaretPicksTheDatePartInTheFormatsOrder) {
  const DatePartCase cases[] = {
      {"m/d/yyyy", '/', "12/25/2024", 0, TDatePart::dpMonth},
      {"m/d/yyyy", '/', "12/25/2024", 2, TDatePart::dpMonth},  // just before the separator
      {"m/d/yyyy", '/', "12/25/2024", 3, TDatePart::dpDay},
      {"m/d/yyyy", '/', "12/25/2024", 5, TDatePart::dpDay},
      {"m/d/yyyy", '/', "12/25/2024", 6, TDatePart::dpYear},
      {"m/d/yyyy", '/', "12/25/2024", 10, TDatePart::dpYear},
      {"dd.mm.yyyy", '.', "25.12.2024", 1, TDatePart::dpDay},
      {"dd.mm.yyyy", '.', "25.12.2024", 4, TDatePart::dpMonth},
      {"dd.mm.yyyy", '.', "25.12.2024", 9, TDatePart::dpYear},
      // Year first: the first part is the year, not a day or month.
      {"yyyy-mm-dd", '-', "2024-12-25", 2, TDatePart::dpYear},
      {"yyyy-mm-dd", '-', "2024-12-25", 6, TDatePart::dpMonth},
      {"yyyy-mm-dd", '-', "2024-12-25", 9, TDatePart::dpDay},
  };
  for (const DatePartCase& c : cases) {
    EXPECT_EQ(detail::DatePartAt(c.Text, c.Caret, c.Format, c.Separator), c.Expected)
        << c.Format << " " << c.Text << " caret " << c.Caret;
  }
}

TEST(SpinSteps, TheCaretPicksTheTimePart) {
  EXPECT_EQ(detail::TimePartAt("10:20:30", 0, ':'), TTimePart::tpHour);
  EXPECT_EQ(detail::TimePartAt("10:20:30", 2, ':'), TTimePart::tpHour);
  EXPECT_EQ(detail::TimePartAt("10:20:30", 3, ':'), TTimePart::tpMinute);
  EXPECT_EQ(detail::TimePartAt("10:20:30", 6, ':'), TTimePart::tpSecond);
  EXPECT_EQ(detail::TimePartAt("10:20:30 PM", 11, ':'), TTimePart::tpSecond);
}

TEST(SpinSteps, DatesStepByDayCalendarMonthAndCalendarYear) {
  EXPECT_EQ(detail::StepDate(EncodeDate(2024, 2, 28), TDatePart::dpDay, 1), EncodeDate(2024, 2, 29));
  EXPECT_EQ(detail::StepDate(EncodeDate(2024, 3, 1), TDatePart::dpDay, -1), EncodeDate(2024, 2, 29));
  EXPECT_EQ(detail::StepDate(EncodeDate(2024, 1, 31), TDatePart::dpMonth, 1), EncodeDate(2024, 2, 29));
  EXPECT_EQ(detail::StepDate(EncodeDate(2024, 1, 15), TDatePart::dpMonth, -1), EncodeDate(2023, 12, 15));
  EXPECT_EQ(detail::StepDate(EncodeDate(2024, 2, 29), TDatePart::dpYear, 1), EncodeDate(2025, 2, 28));
  EXPECT_EQ(detail::StepDate(EncodeDate(2024, 6, 3), TDatePart::dpYear, -1), EncodeDate(2023, 6, 3));
}

// The time of day a value shows, to the second.
std::string Shown(plat::TDateTime Time) { return plat::FormatDateTime("hh:nn:ss", Time); }

TEST(SpinSteps, TimesWrapAtMidnight) {
  EXPECT_EQ(Shown(detail::StepTime(0, TTimePart::tpSecond, -1)), "23:59:59");
  EXPECT_EQ(Shown(detail::StepTime(0, TTimePart::tpMinute, -1)), "23:59:00");
  EXPECT_EQ(Shown(detail::StepTime(EncodeTime(0, 30, 0, 0), TTimePart::tpHour, -1)), "23:30:00");
  EXPECT_EQ(Shown(detail::StepTime(EncodeTime(23, 59, 59, 0), TTimePart::tpSecond, 1)), "00:00:00");
  EXPECT_EQ(Shown(detail::StepTime(EncodeTime(12, 0, 0, 0), TTimePart::tpHour, -1)), "11:00:00");
  // Stepping back stays within the day.
  EXPECT_LT(detail::StepTime(EncodeTime(12, 0, 0, 0), TTimePart::tpHour, -1), 1.0);
}

}  // namespace
}  // namespace zorbit
