#pragma once
// The month calendar's window class (MonthCalendar.h), registered by
// InitCommonControlsEx.
namespace plat {

bool RegisterMonthCalendarClass();

}  // namespace plat
