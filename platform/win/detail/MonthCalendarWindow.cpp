#include "platform/win/detail/MonthCalendarWindow.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <unordered_map>

#include "platform/gdi/Brush.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/win/Cursors.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/MessageViews.h"
#include "platform/win/Mouse.h"
#include "platform/win/MonthCalendar.h"
#include "platform/win/Painting.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/detail/ControlText.h"
#include "platform/win/detail/MonthGrid.h"

namespace plat {

namespace {

constexpr int kMargin = 4;
constexpr int kButtonSize = 16;

struct TCalendar {
  HWND Window = nullptr;
  HWND NotifyTarget = nullptr;
  HFONT Font = nullptr;
  Word Year = 2000;
  Word Month = 1;
  TDateTime Selection = 0;  // whole days
  bool TodaySet = false;
  TDateTime Today = 0;
  DWORD RangeFlags = 0;
  TDateTime Min = 0;
  TDateTime Max = 0;
  bool DayPressed = false;  // the left button went down on a day
};

std::unordered_map<HWND, std::unique_ptr<TCalendar>>& Calendars() {
  static std::unordered_map<HWND, std::unique_ptr<TCalendar>> calendars;
  return calendars;
}

TCalendar* CalendarOf(HWND Window) {
  const auto found = Calendars().find(Window);
  return found == Calendars().end() ? nullptr : found->second.get();
}

bool IsPopup(HWND Window) { return (GetWindowLongPtrA(Window, GWL_STYLE) & WS_POPUP) != 0; }

TDateTime TodayOf(const TCalendar& C) { return C.TodaySet ? C.Today : std::floor(Date()); }

TDateTime FirstDay() { return EncodeDate(1, 1, 1); }
TDateTime LastDay() { return EncodeDate(9999, 12, 31); }
TDateTime LowestDay(const TCalendar& C) { return C.RangeFlags & GDTR_MIN ? C.Min : FirstDay(); }
TDateTime HighestDay(const TCalendar& C) { return C.RangeFlags & GDTR_MAX ? C.Max : LastDay(); }
bool Selectable(const TCalendar& C, TDateTime Day) { return Day >= LowestDay(C) && Day <= HighestDay(C); }

// The day of a SYSTEMTIME, or false when it is not a valid date.
bool DayOf(const SYSTEMTIME* Time, TDateTime& Day) {
  return Time && TryEncodeDate(Time->wYear, Time->wMonth, Time->wDay, Day);
}

SYSTEMTIME SystemTimeOfDay(TDateTime Day) { return DateTimeToSystemTime(Day); }

// Where everything lies, from the font.
struct TLayout {
  RECT Title{};
  RECT Previous{};
  RECT Next{};
  RECT Header{};
  int CellWidth = 0;
  int CellHeight = 0;
  int GridTop = 0;
  SIZE Size{};

  RECT Cell(int Row, int Column) const {
    const int left = kMargin + Column * CellWidth;
    const int top = GridTop + Row * CellHeight;
    return {left, top, left + CellWidth, top + CellHeight};
  }
};

TLayout LayoutOf(const TCalendar& C) {
  TLayout l;
  const int text = ControlTextHeight(C.Font);
  int widest = MeasureControlText(C.Font, "00").cx;
  const TFormatSettings& settings = FormatSettings();
  for (const String& name : settings.ShortDayNames) widest = std::max<int>(widest, MeasureControlText(C.Font, name).cx);
  l.CellWidth = widest + 8;
  l.CellHeight = text + 4;
  const int width = 2 * kMargin + TMonthGrid::Columns * l.CellWidth;
  const int titleHeight = std::max(text, kButtonSize) + 8;
  l.Title = {0, 0, width, titleHeight};
  const int buttonTop = (titleHeight - kButtonSize) / 2;
  l.Previous = {kMargin, buttonTop, kMargin + kButtonSize, buttonTop + kButtonSize};
  l.Next = {width - kMargin - kButtonSize, buttonTop, width - kMargin, buttonTop + kButtonSize};
  l.Header = {kMargin, titleHeight + 2, width - kMargin, titleHeight + 2 + l.CellHeight};
  l.GridTop = l.Header.Bottom + 2;
  l.Size = {width, l.GridTop + TMonthGrid::Rows * l.CellHeight + kMargin};
  return l;
}

TMonthGrid GridOf(const TCalendar& C) { return TMonthGrid(C.Year, C.Month, FormatSettings().FirstDayOfWeek); }

void ShowMonthOf(TCalendar& C, TDateTime Day) {
  Word day = 0;
  DecodeDate(Day, C.Year, C.Month, day);
}

void Repaint(const TCalendar& C) { InvalidateRect(C.Window, nullptr, true); }

// Moves the selection, within the range, and shows its month.
void Select(TCalendar& C, TDateTime Day) {
  C.Selection = std::clamp(Day, LowestDay(C), HighestDay(C));
  ShowMonthOf(C, C.Selection);
  Repaint(C);
}

void Notify(TCalendar& C, UINT Code) {
  HWND target = C.NotifyTarget ? C.NotifyTarget : GetParent(C.Window);
  if (Code == MCN_SELECT) {
    NMSELCHANGE record;
    record.stSelStart = record.stSelEnd = SystemTimeOfDay(C.Selection);
    SendNotify(target, C.Window, Code, &record);
  } else {
    NMHDR record;
    SendNotify(target, C.Window, Code, &record);
  }
}

void Paint(TCalendar& C, HDC DC) {
  const TLayout l = LayoutOf(C);
  RECT client;
  GetClientRect(C.Window, &client);
  FillSysColor(DC, client, COLOR_WINDOW);
  FillSysColor(DC, l.Title, COLOR_ACTIVECAPTION);
  const TFormatSettings& settings = FormatSettings();
  const String title = settings.LongMonthNames[C.Month - 1] + " " + std::to_string(C.Year);
  DrawControlText(DC, C.Font, title, l.Title, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                  GetSysColor(COLOR_CAPTIONTEXT));
  RECT previous = l.Previous, next = l.Next;
  DrawFrameControl(DC, &previous, DFC_SCROLL, DFCS_SCROLLLEFT);
  DrawFrameControl(DC, &next, DFC_SCROLL, DFCS_SCROLLRIGHT);

  const TMonthGrid grid = GridOf(C);
  for (int column = 0; column < TMonthGrid::Columns; ++column) {
    RECT cell = l.Cell(0, column);
    cell.Top = l.Header.Top;
    cell.Bottom = l.Header.Bottom;
    DrawControlText(DC, C.Font, settings.ShortDayNames[static_cast<std::size_t>(grid.WeekDayOf(column))], cell,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, GetSysColor(COLOR_WINDOWTEXT));
  }
  const RECT rule{l.Header.Left, l.Header.Bottom, l.Header.Right, l.Header.Bottom + 1};
  FillSysColor(DC, rule, COLOR_GRAYTEXT);

  const TDateTime today = TodayOf(C);
  for (int row = 0; row < TMonthGrid::Rows; ++row) {
    for (int column = 0; column < TMonthGrid::Columns; ++column) {
      TDateTime day = 0;
      if (!grid.DayAt(row, column, day)) continue;
      const RECT cell = l.Cell(row, column);
      int textColor = grid.InMonth(day) && Selectable(C, day) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT;
      if (day == C.Selection) {
        FillSysColor(DC, cell, COLOR_HIGHLIGHT);
        textColor = COLOR_HIGHLIGHTTEXT;
      }
      if (day == today) {
        const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FrameRect(DC, &cell, red);
        DeleteObject(red);
      }
      Word year = 0, month = 0, dayOfMonth = 0;
      DecodeDate(day, year, month, dayOfMonth);
      DrawControlText(DC, C.Font, std::to_string(dayOfMonth), cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                      GetSysColor(textColor));
    }
  }
}

enum class THit { Nothing, Previous, Next, Day };

THit HitTest(const TCalendar& C, TPoint P, TDateTime& Day) {
  const TLayout l = LayoutOf(C);
  if (TRect(l.Previous).Contains(P)) return THit::Previous;
  if (TRect(l.Next).Contains(P)) return THit::Next;
  if (P.X < kMargin || P.Y < l.GridTop) return THit::Nothing;
  const int column = (P.X - kMargin) / l.CellWidth;
  const int row = (P.Y - l.GridTop) / l.CellHeight;
  return GridOf(C).DayAt(row, column, Day) && Selectable(C, Day) ? THit::Day : THit::Nothing;
}

void ShowMonth(TCalendar& C, int Delta) {
  AddMonths(C.Year, C.Month, Delta);
  Repaint(C);
}

void MouseDown(TCalendar& C, TPoint P) {
  RECT client;
  GetClientRect(C.Window, &client);
  if (!TRect(client).Contains(P)) {
    // A drop-down closes on a press elsewhere, which goes no further.
    if (GetCapture() == C.Window) ReleaseCapture();
    return;
  }
  TDateTime day = 0;
  switch (HitTest(C, P, day)) {
    case THit::Previous: ShowMonth(C, -1); break;
    case THit::Next: ShowMonth(C, 1); break;
    case THit::Day:
      Select(C, day);
      C.DayPressed = true;
      break;
    case THit::Nothing: break;
  }
}

// The day pressed is chosen whatever month its press brought in; without
// one (a press outside, then a drag in), the day under the release.
void MouseUp(TCalendar& C, TPoint P) {
  TDateTime day = 0;
  if (C.DayPressed) {
    C.DayPressed = false;
  } else if (HitTest(C, P, day) == THit::Day) {
    Select(C, day);
  } else {
    return;
  }
  Notify(C, MCN_SELECT);
}

bool KeyDown(TCalendar& C, WPARAM Key) {
  Word year = 0, month = 0, day = 0;
  DecodeDate(C.Selection, year, month, day);
  switch (Key) {
    case VK_LEFT: Select(C, C.Selection - 1); return true;
    case VK_RIGHT: Select(C, C.Selection + 1); return true;
    case VK_UP: Select(C, C.Selection - 7); return true;
    case VK_DOWN: Select(C, C.Selection + 7); return true;
    case VK_PRIOR:
    case VK_NEXT: Select(C, IncMonth(C.Selection, Key == VK_PRIOR ? -1 : 1)); return true;
    case VK_HOME: Select(C, EncodeDate(year, month, 1)); return true;
    case VK_END: Select(C, EncodeDate(year, month, DaysInAMonth(year, month))); return true;
    case VK_RETURN: Notify(C, MCN_SELECT); return true;
    default: return false;
  }
}

LRESULT SetRange(TCalendar& C, WPARAM Flags, const SYSTEMTIME* Ends) {
  TDateTime min = FirstDay(), max = LastDay();
  if ((Flags & GDTR_MIN) && !DayOf(Ends, min)) return FALSE;
  if ((Flags & GDTR_MAX) && !DayOf(Ends ? Ends + 1 : nullptr, max)) return FALSE;
  if (min > max) return FALSE;
  C.RangeFlags = static_cast<DWORD>(Flags) & (GDTR_MIN | GDTR_MAX);
  C.Min = min;
  C.Max = max;
  Select(C, C.Selection);
  return TRUE;
}

LRESULT CalendarMessage(TCalendar& C, UINT Msg, WPARAM W, LPARAM L) {
  switch (Msg) {
    case WM_PAINT: {
      if (W) {
        Paint(C, reinterpret_cast<HDC>(W));
        return 0;
      }
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(C.Window, &ps);
      if (dc) Paint(C, dc);
      EndPaint(C.Window, &ps);
      return 0;
    }
    case WM_ERASEBKGND: return 1;  // the paint covers everything
    case WM_SETFONT:
      C.Font = reinterpret_cast<HFONT>(W);
      if (L) Repaint(C);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(C.Font);
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_MOUSEACTIVATE: return IsPopup(C.Window) ? MA_NOACTIVATE : DefWindowProcA(C.Window, Msg, W, L);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: MouseDown(C, TMouseMessage::From(Msg, W, L).Pos); return 0;
    case WM_LBUTTONUP: MouseUp(C, TMouseMessage::From(Msg, W, L).Pos); return 0;
    case WM_CAPTURECHANGED:
      if (IsPopup(C.Window)) Notify(C, NM_RELEASEDCAPTURE);
      return 0;
    case WM_KEYDOWN: return KeyDown(C, W) ? 0 : DefWindowProcA(C.Window, Msg, W, L);
    case MCM_GETCURSEL:
      if (auto* out = reinterpret_cast<SYSTEMTIME*>(L)) *out = SystemTimeOfDay(C.Selection);
      return L ? TRUE : FALSE;
    case MCM_SETCURSEL: {
      TDateTime day = 0;
      if (!DayOf(reinterpret_cast<const SYSTEMTIME*>(L), day) || !Selectable(C, day)) return FALSE;
      Select(C, day);
      return TRUE;
    }
    case MCM_GETMINREQRECT: {
      auto* out = reinterpret_cast<RECT*>(L);
      if (!out) return FALSE;
      const SIZE size = LayoutOf(C).Size;
      *out = {0, 0, size.cx, size.cy};
      return TRUE;
    }
    case MCM_SETTODAY: {
      TDateTime day = 0;
      C.TodaySet = DayOf(reinterpret_cast<const SYSTEMTIME*>(L), day);
      C.Today = day;
      Repaint(C);
      return 0;
    }
    case MCM_GETTODAY:
      if (auto* out = reinterpret_cast<SYSTEMTIME*>(L)) *out = SystemTimeOfDay(TodayOf(C));
      return L ? TRUE : FALSE;
    case MCM_GETRANGE:
      if (auto* out = reinterpret_cast<SYSTEMTIME*>(L)) {
        out[0] = C.RangeFlags & GDTR_MIN ? SystemTimeOfDay(C.Min) : SYSTEMTIME{};
        out[1] = C.RangeFlags & GDTR_MAX ? SystemTimeOfDay(C.Max) : SYSTEMTIME{};
      }
      return static_cast<LRESULT>(C.RangeFlags);
    case MCM_SETRANGE: return SetRange(C, W, reinterpret_cast<const SYSTEMTIME*>(L));
    default: return DefWindowProcA(C.Window, Msg, W, L);
  }
}

LRESULT MonthCalendarProc(HWND Window, UINT Msg, WPARAM W, LPARAM L) {
  if (Msg == WM_NCCREATE) {
    auto calendar = std::make_unique<TCalendar>();
    calendar->Window = Window;
    const auto* create = reinterpret_cast<const CREATESTRUCT*>(L);
    if (create && (create->style & WS_POPUP)) calendar->NotifyTarget = static_cast<HWND>(create->lpCreateParams);
    calendar->Selection = std::floor(Date());
    ShowMonthOf(*calendar, calendar->Selection);
    Calendars()[Window] = std::move(calendar);
  }
  TCalendar* calendar = CalendarOf(Window);
  if (!calendar) return DefWindowProcA(Window, Msg, W, L);
  if (Msg == WM_NCDESTROY) {
    Calendars().erase(Window);
    return DefWindowProcA(Window, Msg, W, L);
  }
  return CalendarMessage(*calendar, Msg, W, L);
}

}  // namespace

bool RegisterMonthCalendarClass() {
  if (FindWindowClass(MONTHCAL_CLASS)) return true;
  WNDCLASSA wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = MonthCalendarProc;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = MONTHCAL_CLASS;
  return RegisterClassA(&wc) != 0;
}

}  // namespace plat
