#pragma once
// The days a month calendar shows for a month: six weeks, beginning with
// the week that holds the month's first day, the first day of a week being
// the locale's. Days before 0001-01-01 or after 9999-12-31 are blanks.
#include "platform/rtl/Types.h"

namespace plat {

class TMonthGrid {
 public:
  static constexpr int Rows = 6;
  static constexpr int Columns = 7;

  // FirstDayOfWeek: 0 Sunday to 6 Saturday.
  TMonthGrid(Word Year, Word Month, int FirstDayOfWeek);

  Word Year() const { return FYear; }
  Word Month() const { return FMonth; }
  // The day in a cell as a date (whole days), and whether there is one.
  bool DayAt(int Row, int Column, TDateTime& Day) const;
  // Whether the date lies in the month shown.
  bool InMonth(TDateTime Day) const;
  // The week day (0 Sunday to 6 Saturday) heading a column.
  int WeekDayOf(int Column) const { return (FFirstDayOfWeek + Column) % 7; }

 private:
  Word FYear;
  Word FMonth;
  int FFirstDayOfWeek;
  TDateTime FFirstCell = 0;  // the date of the top left cell (may be a blank's)
};

// The month before or after (Delta months), within years 1 to 9999.
void AddMonths(Word& Year, Word& Month, int Delta);

}  // namespace plat
