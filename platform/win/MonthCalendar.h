#pragma once
// The common controls' month calendar ("SysMonthCal32", registered by
// InitCommonControlsEx with ICC_DATE_CLASSES): one month as a grid of days
// under a title with the month and year between a previous and a next
// button, the week days named from the locale's short day names in the
// locale's week order (FormatSettings()). Today is framed, the selected day
// filled in the highlight colour; days of the months before and after fill
// the first and last rows in grey, and so do days outside the range, which
// cannot be chosen.
//
// The mouse: a previous or next button shows the month before or after; a
// day pressed becomes the selection (days of the months around bring their
// month in) and the release chooses it: MCN_SELECT; a release on a day
// after a press elsewhere (a drag into a drop-down) chooses that day. The keys
// (WM_KEYDOWN): Left and Right move the selection by a day, Up and Down by
// a week, Page Up and Page Down by a month, Home and End to the month's
// first and last day; Enter chooses the selection (MCN_SELECT).
//
// As a pop-up (WS_POPUP) it is a drop-down: it never takes the activation,
// and while it holds the capture a press outside it lets the capture go
// (the press goes no further); losing the capture, by that or to anyone
// else, is told as NM_RELEASEDCAPTURE.
//
// Notifications go, as WM_NOTIFY, to the parent of a child calendar and to
// the window given as CreateWindowEx's param of a pop-up one (else its
// owner). Dates outside the range, or not valid, are refused by the
// messages that set them (FALSE, nothing changed).
#include "platform/rtl/SystemTime.h"
#include "platform/win/NotifyHeader.h"
#include "platform/win/WinTypes.h"

namespace plat {

inline constexpr char MONTHCAL_CLASS[] = "SysMonthCal32";

// Messages. The SYSTEMTIME pointers travel in lParam.
constexpr UINT MCM_FIRST = 0x1000;
constexpr UINT MCM_GETCURSEL = MCM_FIRST + 1;      // fills *lParam; TRUE
constexpr UINT MCM_SETCURSEL = MCM_FIRST + 2;      // shows the selection's month
constexpr UINT MCM_GETMINREQRECT = MCM_FIRST + 9;  // the size the calendar needs, in *(RECT*)lParam
constexpr UINT MCM_SETTODAY = MCM_FIRST + 12;      // null: the clock's date again
constexpr UINT MCM_GETTODAY = MCM_FIRST + 13;
constexpr UINT MCM_GETRANGE = MCM_FIRST + 17;  // SYSTEMTIME[2]; answers the GDTR_ bits set
constexpr UINT MCM_SETRANGE = MCM_FIRST + 18;  // wParam GDTR_MIN | GDTR_MAX, lParam SYSTEMTIME[2]

// Which ends of a range a message carries (also the date-time picker's).
constexpr DWORD GDTR_MIN = 0x0001;
constexpr DWORD GDTR_MAX = 0x0002;

// Notifications common to the controls.
constexpr UINT NM_RELEASEDCAPTURE = static_cast<UINT>(-16);

// The calendar's notifications.
constexpr UINT MCN_SELECT = static_cast<UINT>(-746);

// MCN_SELECT: the day chosen (start and end are the same day).
struct NMSELCHANGE {
  NMHDR nmhdr;
  SYSTEMTIME stSelStart;
  SYSTEMTIME stSelEnd;
};

}  // namespace plat
