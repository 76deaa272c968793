#pragma once
// The common controls' date-time picker ("SysDateTimePick32", registered by
// InitCommonControlsEx with ICC_DATE_CLASSES): a date or a time shown by a
// format and edited in place, field by field.
//
// The format: DTS_SHORTDATEFORMAT, DTS_LONGDATEFORMAT and DTS_TIMEFORMAT
// show the locale's short date, long date and long time formats
// (FormatSettings()); DTM_SETFORMAT sets a format of its own in the
// runtime's syntax (DateTimeFormatTokens.h), null going back to the
// style's. Every number, name and am/pm marker of the format is a field.
//
// The value is always a valid SYSTEMTIME within the range (DTM_SETRANGE;
// years 1 to 9999 without one). With DTS_SHOWNONE a check box before the
// fields says whether there is a value at all: cleared, the fields show
// grey and the value reads GDT_NONE.
//
// The keys: Left and Right, and Tab and Shift+Tab while a field lies that
// way (WM_GETDLGCODE wants Tab only then), move between fields; Up and Down
// step the current field, wrapping within it (a day within its month; a
// month or year change keeps the day within the new month), an edit that
// would leave the range being refused; digits type a number into the field, which is
// done when no further digit could fit, and the next field follows; a
// year is taken once all its digits are typed or the field is left; the
// date and time separators move to the next field; "a" and "p" (the first
// letters of the am and pm texts) set the am/pm field. Space toggles the
// check box. Editing a field also sets the check mark.
//
// The drop-down (the default mode): a button at the right edge shows a
// month calendar (MonthCalendar.h) below the picker, or above it when the
// screen has no room below: on a press on the button, F4, Alt+Down or
// Alt+Up. It never takes the activation and holds the capture; while it
// shows, the arrows, Page Up and Down, Home and End move its selection. A
// day chosen with the mouse, Enter, or F4, Alt+Down or Alt+Up again take
// the calendar's selection (the time stays) and close it; Escape, a press
// outside it and the picker losing the focus close it without a change.
// DTS_UPDOWN shows two arrow buttons instead, which step the current field.
//
// Notifications, as WM_NOTIFY to the parent, come after changes by the
// user only (not DTM_SETSYSTEMTIME): DTN_DATETIMECHANGE (NMDATETIMECHANGE,
// GDT_VALID with the value or GDT_NONE) after each change; DTN_DROPDOWN
// once the calendar exists, before it shows (DTM_GETMONTHCAL reaches it);
// DTN_CLOSEUP once it is gone (after the DTN_DATETIMECHANGE of a day taken).
#include "platform/rtl/SystemTime.h"
#include "platform/win/MonthCalendar.h"
#include "platform/win/NotifyHeader.h"
#include "platform/win/WinTypes.h"

namespace plat {

inline constexpr char DATETIMEPICK_CLASS[] = "SysDateTimePick32";

// Styles.
constexpr DWORD DTS_UPDOWN = 0x0001;
constexpr DWORD DTS_SHOWNONE = 0x0002;
constexpr DWORD DTS_SHORTDATEFORMAT = 0x0000;
constexpr DWORD DTS_LONGDATEFORMAT = 0x0004;
constexpr DWORD DTS_TIMEFORMAT = 0x0009;  // includes DTS_UPDOWN

// Messages.
constexpr UINT DTM_FIRST = 0x1000;
// wParam 0, lParam SYSTEMTIME*: answers GDT_VALID (filled) or GDT_NONE.
constexpr UINT DTM_GETSYSTEMTIME = DTM_FIRST + 1;
// wParam GDT_VALID with lParam SYSTEMTIME*, or GDT_NONE (DTS_SHOWNONE
// only): TRUE, or FALSE for a time not valid or outside the range.
constexpr UINT DTM_SETSYSTEMTIME = DTM_FIRST + 2;
// lParam SYSTEMTIME[2] (minimum, maximum): answers the GDTR_ bits of the
// ends that are set.
constexpr UINT DTM_GETRANGE = DTM_FIRST + 3;
// wParam GDTR_MIN | GDTR_MAX for the ends given in lParam SYSTEMTIME[2]
// (an end not given is removed); the value moves into the new range.
// FALSE, nothing changed, for an end not valid or a minimum above the maximum.
constexpr UINT DTM_SETRANGE = DTM_FIRST + 4;
// lParam the format (UTF-8), null for the style's.
constexpr UINT DTM_SETFORMAT = DTM_FIRST + 5;
// The calendar while it shows, else null.
constexpr UINT DTM_GETMONTHCAL = DTM_FIRST + 8;

// What DTM_GETSYSTEMTIME answers and DTM_SETSYSTEMTIME takes.
constexpr LRESULT GDT_ERROR = -1;
constexpr LRESULT GDT_VALID = 0;
constexpr LRESULT GDT_NONE = 1;

// Notifications.
constexpr UINT DTN_DATETIMECHANGE = static_cast<UINT>(-759);
constexpr UINT DTN_DROPDOWN = static_cast<UINT>(-754);
constexpr UINT DTN_CLOSEUP = static_cast<UINT>(-753);

struct NMDATETIMECHANGE {
  NMHDR nmhdr;
  DWORD dwFlags = 0;  // GDT_VALID or GDT_NONE
  SYSTEMTIME st;      // the value when GDT_VALID
};

}  // namespace plat
