#pragma once
// Date texts of the grid: the locale's short dates, the fixed month-day-year
// and day-month-year styles of sorting, and stepping dates. Parsers report
// failure by their result: a text that names no existing date gives false
// or 0, never an exception.
#include "platform/rtl/Types.h"

namespace zorbit {

// Day, month and year in the order of "D", "M" and "Y" in the locale's short
// date format, split at the first two date separators; each field an
// integer, the year taken as written.
bool TryParseLocaleDate(const plat::String& Text, plat::TDateTime& Date);

// Three integer fields separated twice by the same one of "/", "." and "-"
// (the first of them, in that order, that the text holds). Years of one or
// two digits are 2000 + year below 26, else 1900 + year. 0 when not parsed.
plat::TDateTime ParseMonthDayYear(const plat::String& Text);
plat::TDateTime ParseDayMonthYear(const plat::String& Text);

// The locale's date separator stands first at a position above 1 and again
// later, not directly after it.
bool HasTwoDateSeparators(const plat::String& Text);

// Only Days given (non-zero): Date + Days. Only Years: the same month and
// day that many years on; only Months: that many months on. The day is
// clamped to the new month (29 February plus a year gives 28 February) and
// the time of day kept. Anything else: Date + TimeStep.
plat::TDateTime ShiftDate(int Years, int Months, int Days, double TimeStep, plat::TDateTime Date);

}  // namespace zorbit
