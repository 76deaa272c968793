#include "platform/win/detail/MonthGrid.h"

#include <algorithm>

#include "platform/rtl/DateTime.h"

namespace plat {

namespace {

const TDateTime kFirstDay = EncodeDate(1, 1, 1);
const TDateTime kLastDay = EncodeDate(9999, 12, 31);

}  // namespace

TMonthGrid::TMonthGrid(Word Year, Word Month, int FirstDayOfWeek)
    : FYear(Year), FMonth(Month), FFirstDayOfWeek(((FirstDayOfWeek % 7) + 7) % 7) {
  const TDateTime first = EncodeDate(Year, Month, 1);
  // DayOfWeek counts from 1 (Sunday); before the first year it cannot, so
  // the weekday is found from the next week.
  const int weekDay = (DayOfWeek(first + 7) - 1 + 7) % 7;
  FFirstCell = first - (weekDay - FFirstDayOfWeek + 7) % 7;
}

bool TMonthGrid::DayAt(int Row, int Column, TDateTime& Day) const {
  if (Row < 0 || Row >= Rows || Column < 0 || Column >= Columns) return false;
  Day = FFirstCell + Row * Columns + Column;
  return Day >= kFirstDay && Day <= kLastDay;
}

bool TMonthGrid::InMonth(TDateTime Day) const {
  Word year = 0, month = 0, day = 0;
  DecodeDate(Day, year, month, day);
  return year == FYear && month == FMonth;
}

void AddMonths(Word& Year, Word& Month, int Delta) {
  const int index = std::clamp(Year * 12 + (Month - 1) + Delta, 1 * 12, 9999 * 12 + 11);
  Year = static_cast<Word>(index / 12);
  Month = static_cast<Word>(index % 12 + 1);
}

}  // namespace plat
