#pragma once
// What the spin editor's steps change: the part of a date or time text the
// caret is in, and the value one step further in that part.
#include "platform/rtl/Types.h"

namespace zorbit::detail {

enum class TDatePart { dpDay, dpMonth, dpYear };
enum class TTimePart { tpHour, tpMinute, tpSecond };

// The parts of a date text go in the order of the short date format's
// day, month and year; the caret (a character index) up to the first
// separator is in the first part, up to the second in the second, else in
// the third.
TDatePart DatePartAt(const plat::String& Text, int Caret, const plat::String& ShortDateFormat, char DateSeparator);
// Up to the first separator the hour, up to the second the minute, else the
// second.
TTimePart TimePartAt(const plat::String& Text, int Caret, char TimeSeparator);

// A day, a calendar month or a calendar year on (Sign 1) or back (-1).
plat::TDateTime StepDate(plat::TDateTime Date, TDatePart Part, int Sign);
// An hour, a minute or a second on or back as a time of day: stepping back
// from the first second of the day gives the last.
plat::TDateTime StepTime(plat::TDateTime Time, TTimePart Part, int Sign);

}  // namespace zorbit::detail
