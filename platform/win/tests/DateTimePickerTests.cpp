// The common controls' date-time picker driven by its messages and by
// injected input: its value and range, the fields and the keys, the check
// box, the up-down arrows and the drop-down calendar, and what the parent
// hears of it all, in order.
#include "platform/win/DateTimePicker.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>

#include "platform/rtl/DateTime.h"
#include "platform/win/CommonControls.h"
#include "platform/win/Focus.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Monitors.h"
#include "platform/win/Mouse.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowText.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/WindowFixture.h"
#include "testing/LocaleScope.h"

namespace plat::testing {
namespace {

SYSTEMTIME Day(Word Year, Word Month, Word Day, Word Hour = 0, Word Minute = 0) {
  SYSTEMTIME t;
  t.wYear = Year;
  t.wMonth = Month;
  t.wDay = Day;
  t.wHour = Hour;
  t.wMinute = Minute;
  return t;
}

std::string Text(const SYSTEMTIME& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute);
  return text;
}

class DateTimePickerTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    INITCOMMONCONTROLSEX init;
    init.dwICC = ICC_DATE_CLASSES;
    ASSERT_TRUE(InitCommonControlsEx(&init));
    FForm = Make("form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(100, 100, 400, 300));
    Handle(FForm, WM_NOTIFY, [this](HWND, UINT, WPARAM, LPARAM l) -> std::optional<LRESULT> {
      const auto* header = reinterpret_cast<const NMHDR*>(l);
      if (header->code == DTN_DATETIMECHANGE) {
        const auto* change = reinterpret_cast<const NMDATETIMECHANGE*>(l);
        FHeard.push_back(change->dwFlags == GDT_NONE ? "change none" : "change " + Text(change->st));
      } else if (header->code == DTN_DROPDOWN) {
        FHeard.push_back("dropdown");
        FCalendarAtDropDown = reinterpret_cast<HWND>(SendMessageA(FPicker, DTM_GETMONTHCAL, 0, 0));
      } else if (header->code == DTN_CLOSEUP) {
        FHeard.push_back("closeup");
      }
      return 0;
    });
  }

  // A picker on the form showing Value by Format, focused.
  HWND MakePicker(DWORD Style, const char* Format, SYSTEMTIME Value, int Width = 160) {
    FPicker = CreateWindowExA(WS_EX_CLIENTEDGE, DATETIMEPICK_CLASS, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | Style, 10,
                              10, Width, 21, FForm, nullptr, nullptr, nullptr);
    if (Format) SendMessageA(FPicker, DTM_SETFORMAT, 0, reinterpret_cast<LPARAM>(Format));
    SendMessageA(FPicker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&Value));
    SetFocus(FPicker);
    Pump();
    FHeard.clear();
    return FPicker;
  }

  std::string Value() const {
    SYSTEMTIME t;
    const LRESULT kind = SendMessageA(FPicker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
    return kind == GDT_NONE ? "none" : Text(t);
  }

  std::string Shown() const { return WindowText(FPicker); }

  std::vector<std::string> Heard() {
    std::vector<std::string> heard;
    heard.swap(FHeard);
    return heard;
  }

  void Key(UINT VirtualKey, std::initializer_list<UINT> Modifiers = {}) {
    InjectKeyPress(VirtualKey, Modifiers);
    Pump();
  }

  void Type(const String& Text) {
    InjectText(Text);
    Pump();
  }

  HWND Calendar() const { return reinterpret_cast<HWND>(SendMessageA(FPicker, DTM_GETMONTHCAL, 0, 0)); }

  // The selected day's cell in the calendar: where the highlight is, below
  // the title (whose rows begin in the caption colour).
  TRect SelectedCell() const {
    RECT client;
    GetClientRect(Calendar(), &client);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    TRect cell{client.Right, client.Bottom, 0, 0};
    for (int y = 0; y < client.Bottom; ++y)
      for (int x = 0; x < client.Right && PixelAt(Calendar(), {0, y}) != GetSysColor(COLOR_ACTIVECAPTION); ++x)
        if (PixelAt(Calendar(), {x, y}) == highlight) {
          cell.Left = std::min(cell.Left, x);
          cell.Top = std::min(cell.Top, y);
          cell.Right = std::max(cell.Right, x + 1);
          cell.Bottom = std::max(cell.Bottom, y + 1);
        }
    return cell;
  }

  // The right end of the picker's client area as characters: '#' black (the
  // arrows), '.' the button face, 'w' its light edge, 's' its shadow, 'k' its
  // dark shadow, 'l' its inner light, ' ' the window colour.
  static std::vector<std::string> RightEnd(HWND Picker, int Width) {
    const std::map<COLORREF, char> names{
        {GetSysColor(COLOR_WINDOWTEXT), '#'},   {GetSysColor(COLOR_BTNFACE), '.'},
        {GetSysColor(COLOR_BTNHIGHLIGHT), 'w'}, {GetSysColor(COLOR_BTNSHADOW), 's'},
        {GetSysColor(COLOR_3DDKSHADOW), 'k'},   {GetSysColor(COLOR_3DLIGHT), 'l'},
    };
    RECT client;
    GetClientRect(Picker, &client);
    std::vector<std::string> rows;
    for (int y = 0; y < client.Bottom; ++y) {
      std::string row;
      for (int x = client.Right - Width; x < client.Right; ++x) {
        const auto found = names.find(PixelAt(Picker, {x, y}));
        row += found == names.end() ? '?' : found->second;
      }
      rows.push_back(row);
    }
    return rows;
  }

  zorbit::testing::TLocaleScope FLocale{TFormatSettings::English()};
  HWND FForm = nullptr;
  HWND FPicker = nullptr;
  HWND FCalendarAtDropDown = nullptr;
  std::vector<std::string> FHeard;
};

TEST_F(DateTimePickerTest, ValueAndRangeByMessages) {
  MakePicker(0, "yyyy-mm-dd", Day(2024, 3, 5));
  EXPECT_EQ(Value(), "2024-03-05 00:00");
  EXPECT_EQ(Shown(), "2024-03-05");
  SYSTEMTIME t = Day(2023, 2, 29);
  EXPECT_EQ(SendMessageA(FPicker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&t)), FALSE);
  // "No date" only with DTS_SHOWNONE.
  EXPECT_EQ(SendMessageA(FPicker, DTM_SETSYSTEMTIME, GDT_NONE, 0), FALSE);
  EXPECT_EQ(SendMessageA(FPicker, DTM_GETSYSTEMTIME, 0, 0), GDT_ERROR);

  SYSTEMTIME range[2] = {Day(2024, 1, 1), Day(2024, 2, 15)};
  EXPECT_EQ(SendMessageA(FPicker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range)), TRUE);
  // The value moves into the range, without a word to the parent.
  EXPECT_EQ(Value(), "2024-02-15 00:00");
  SYSTEMTIME read[2];
  EXPECT_EQ(SendMessageA(FPicker, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(read)),
            static_cast<LRESULT>(GDTR_MIN | GDTR_MAX));
  EXPECT_EQ(Text(read[0]), "2024-01-01 00:00");
  EXPECT_EQ(Text(read[1]), "2024-02-15 00:00");
  t = Day(2024, 3, 1);
  EXPECT_EQ(SendMessageA(FPicker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&t)), FALSE);
  SYSTEMTIME backwards[2] = {Day(2024, 5, 1), Day(2024, 4, 1)};
  EXPECT_EQ(SendMessageA(FPicker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(backwards)), FALSE);
  // Only a minimum: the maximum goes.
  EXPECT_EQ(SendMessageA(FPicker, DTM_SETRANGE, GDTR_MIN, reinterpret_cast<LPARAM>(range)), TRUE);
  EXPECT_EQ(SendMessageA(FPicker, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(read)), static_cast<LRESULT>(GDTR_MIN));
  EXPECT_TRUE(Heard().empty());
}

TEST_F(DateTimePickerTest, FormatsOfTheStylesAndOfItsOwn) {
  TFormatSettings& settings = FormatSettings();
  settings.ShortDateFormat = "m/d/yyyy";
  settings.LongDateFormat = "dddd, mmmm d, yyyy";
  settings.LongTimeFormat = "h:nn:ss AMPM";
  const SYSTEMTIME value = Day(2024, 3, 5, 14, 7);
  struct Case {
    DWORD Style;
    const char* Format;
    const char* Shown;
  };
  const Case cases[] = {
      {DTS_SHORTDATEFORMAT, nullptr, "3/5/2024"}, {DTS_LONGDATEFORMAT, nullptr, "Tuesday, March 5, 2024"},
      {DTS_TIMEFORMAT, nullptr, "2:07:00 PM"},    {0, "dd.mm.yy hh:nn", "05.03.24 14:07"},
      {0, "'Week day:' ddd", "Week day: Tue"},
  };
  for (const Case& c : cases) {
    MakePicker(c.Style, c.Format, value, 260);
    EXPECT_EQ(Shown(), c.Shown) << c.Shown;
    DestroyWindow(FPicker);
  }
  // Back to the style's format.
  MakePicker(DTS_LONGDATEFORMAT, "yyyy", value, 260);
  SendMessageA(FPicker, DTM_SETFORMAT, 0, 0);
  EXPECT_EQ(Shown(), "Tuesday, March 5, 2024");
}

TEST_F(DateTimePickerTest, ArrowsMoveBetweenFieldsAndStepThem) {
  MakePicker(0, "yyyy-mm-dd", Day(2024, 1, 31));
  Key(VK_UP);  // the year
  Key(VK_RIGHT);
  Key(VK_DOWN);  // the month, round to December
  Key(VK_UP);    // and on to January
  Key(VK_UP);    // February keeps the day within it
  Key(VK_RIGHT);
  Key(VK_UP);  // the day, round to the first
  Key(VK_RIGHT);
  Key(VK_UP);  // past the last field: the day still
  EXPECT_EQ(Heard(), (std::vector<std::string>{"change 2025-01-31 00:00", "change 2025-12-31 00:00",
                                               "change 2025-01-31 00:00", "change 2025-02-28 00:00",
                                               "change 2025-02-01 00:00", "change 2025-02-02 00:00"}));
  EXPECT_EQ(Shown(), "2025-02-02");
}

TEST_F(DateTimePickerTest, StepsStayWithinTheRange) {
  MakePicker(0, "yyyy-mm-dd", Day(2024, 3, 9));
  SYSTEMTIME range[2] = {Day(2024, 3, 1), Day(2024, 3, 10, 12, 0)};
  SendMessageA(FPicker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
  Key(VK_RIGHT);
  Key(VK_RIGHT);
  Key(VK_UP);
  Key(VK_UP);  // the 11th lies beyond: it stays the 10th
  Key(VK_LEFT);
  Key(VK_DOWN);  // February lies before
  Key(VK_UP);    // and April after
  EXPECT_EQ(Value(), "2024-03-10 00:00");
  EXPECT_EQ(Heard(), (std::vector<std::string>{"change 2024-03-10 00:00"}));
}

TEST_F(DateTimePickerTest, DigitsTypeIntoTheFields) {
  struct Case {
    const char* Format;
    SYSTEMTIME Start;
    const char* Typed;
    const char* Value;
  };
  // clang-format off
  const Case cases[] = {
      {"yyyy-mm-dd", Day(2024, 3, 5),         "1999",      "1999-03-05 00:00"},   // the year, taken whole
      {"yyyy-mm-dd", Day(2024, 3, 5),         "19991224",  "1999-12-24 00:00"},   // each field done moves on
      {"mm/dd/yyyy", Day(2024, 3, 5),         "2/30",      "2024-02-29 00:00"},   // a separator moves on; the day kept in its month
      {"mm/dd/yyyy", Day(2024, 3, 5),         "13",        "2024-03-05 00:00"},   // 13 is no month: the 3 starts it again
      {"dd.mm.yy",   Day(2024, 3, 5),         "0102",      "2024-02-01 00:00"},   // a day of 0 waits for its second digit
      {"dd.mm.yy",   Day(2024, 3, 5),         "....98",    "2098-03-05 00:00"},   // two-digit years keep the century
      {"h:nn am/pm", Day(2024, 3, 5, 9, 30),  "::p",       "2024-03-05 21:30"},   // am/pm by its letter
      {"h:nn am/pm", Day(2024, 3, 5, 21, 30), "1105a",     "2024-03-05 11:05"},   // 11, 05, then am
      {"hh:nn:ss",   Day(2024, 3, 5, 9, 30),  "235960",    "2024-03-05 23:59"},   // 60 is no second: 6, then 0
  };
  // clang-format on
  for (const Case& c : cases) {
    MakePicker(0, c.Format, c.Start);
    Type(c.Typed);
    EXPECT_EQ(Value(), c.Value) << c.Format << " " << c.Typed;
    DestroyWindow(FPicker);
  }
}

TEST_F(DateTimePickerTest, AYearIsTakenWhenTypingEnds) {
  MakePicker(0, "yyyy-mm-dd", Day(2024, 3, 5));
  Type("19");
  EXPECT_EQ(Shown(), "19-03-05");  // as typed, not yet taken
  EXPECT_TRUE(Heard().empty());
  Key(VK_RIGHT);
  EXPECT_EQ(Value(), "0019-03-05 00:00");
  EXPECT_EQ(Heard(), (std::vector<std::string>{"change 0019-03-05 00:00"}));
  Key(VK_LEFT);
  Type("2");
  // Losing the focus takes it as well.
  SetFocus(FForm);
  Pump();
  EXPECT_EQ(Value(), "0002-03-05 00:00");
}

TEST_F(DateTimePickerTest, TabMovesBetweenFieldsWhileThereIsOneThatWay) {
  MakePicker(0, "yyyy-mm-dd", Day(2024, 3, 5));
  MSG tab{FPicker, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_TRUE(SendMessageA(FPicker, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&tab)) & DLGC_WANTTAB);
  SendMessageA(FPicker, WM_KEYDOWN, VK_TAB, 0);
  SendMessageA(FPicker, WM_KEYDOWN, VK_TAB, 0);
  Key(VK_UP);
  EXPECT_EQ(Value(), "2024-03-06 00:00");
  // At the last field Tab is the dialog's again.
  EXPECT_FALSE(SendMessageA(FPicker, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&tab)) & DLGC_WANTTAB);
}

TEST_F(DateTimePickerTest, TheCheckBoxSaysWhetherThereIsADate) {
  MakePicker(DTS_SHOWNONE, "yyyy-mm-dd", Day(2024, 3, 5));
  // The check box lies at the left edge of the client area.
  InjectClickAt(FPicker, {8, 8});
  Pump();
  EXPECT_EQ(Value(), "none");
  Key(VK_SPACE);
  EXPECT_EQ(Value(), "2024-03-05 00:00");
  EXPECT_EQ(SendMessageA(FPicker, DTM_SETSYSTEMTIME, GDT_NONE, 0), TRUE);
  // An edit sets the check mark again.
  Key(VK_UP);
  EXPECT_EQ(Value(), "2025-03-05 00:00");
  EXPECT_EQ(Heard(), (std::vector<std::string>{"change none", "change 2024-03-05 00:00", "change 2025-03-05 00:00"}));
}

TEST_F(DateTimePickerTest, UpDownArrowsStepTheCurrentField) {
  MakePicker(DTS_UPDOWN, "hh:nn", Day(2024, 3, 5, 23, 59));
  RECT client;
  GetClientRect(FPicker, &client);
  InjectClickAt(FPicker, {client.Right - 4, 3});
  Pump();
  Clock().Advance(1000);
  InjectClickAt(FPicker, {client.Right - 4, client.Bottom - 3});
  Pump();
  Clock().Advance(1000);
  InjectClickAt(FPicker, {client.Right - 4, client.Bottom - 3});
  Pump();
  EXPECT_EQ(Heard(), (std::vector<std::string>{"change 2024-03-05 00:59", "change 2024-03-05 23:59",
                                               "change 2024-03-05 22:59"}));
  // No calendar in this mode.
  Key(VK_F4);
  EXPECT_EQ(Calendar(), nullptr);
}

TEST_F(DateTimePickerTest, F4DropsTheCalendarWhichHoldsTheCaptureWithoutTheActivation) {
  MakePicker(0, "yyyy-mm-dd", Day(2024, 3, 5, 10, 30));
  Key(VK_F4);
  const HWND calendar = Calendar();
  ASSERT_NE(calendar, nullptr);
  EXPECT_EQ(FCalendarAtDropDown, calendar);  // there before DTN_DROPDOWN
  EXPECT_TRUE(IsWindowVisible(calendar));
  EXPECT_EQ(GetCapture(), calendar);
  EXPECT_EQ(GetActiveWindow(), FForm);
  EXPECT_EQ(GetFocus(), FPicker);
  // Below the picker.
  RECT picker, dropped;
  GetWindowRect(FPicker, &picker);
  GetWindowRect(calendar, &dropped);
  EXPECT_EQ(dropped.Top, picker.Bottom);
  EXPECT_EQ(dropped.Left, picker.Left);
  SYSTEMTIME selection;
  SendMessageA(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&selection));
  EXPECT_EQ(Text(selection), "2024-03-05 00:00");
  // Its keys move the calendar's selection; Enter takes it, the time stays.
  Key(VK_RIGHT);
  Key(VK_DOWN);
  EXPECT_EQ(Value(), "2024-03-05 10:30");
  Key(VK_RETURN);
  EXPECT_FALSE(IsWindow(calendar));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"dropdown", "change 2024-03-13 10:30", "closeup"}));
}

TEST_F(DateTimePickerTest, EscapeAClickElsewhereOrTheFocusLeavingCloseWithoutAChange) {
  MakePicker(0, "yyyy-mm-dd", Day(2024, 3, 5));
  const HWND other = Make("other", WS_CHILD | WS_VISIBLE, Bounds(10, 200, 100, 30), FForm);
  struct Way {
    const char* Name;
    std::function<void()> Close;
  };
  const Way ways[] = {
      {"Escape", [this] { Key(VK_ESCAPE); }},
      {"click elsewhere",
       [&] {
         ClearLog();
         InjectClickAt(other, {5, 5});
         Pump();
         // The press went no further than the calendar.
         EXPECT_TRUE(Take({WM_LBUTTONDOWN}).empty());
       }},
      {"focus leaving",
       [&] {
         SetFocus(other);
         Pump();
       }},
  };
  for (const Way& way : ways) {
    SetFocus(FPicker);
    Key(VK_DOWN, {VK_MENU});
    Key(VK_RIGHT);
    ASSERT_NE(Calendar(), nullptr) << way.Name;
    way.Close();
    EXPECT_EQ(Calendar(), nullptr) << way.Name;
    EXPECT_EQ(GetCapture(), nullptr) << way.Name;
    EXPECT_EQ(Value(), "2024-03-05 00:00") << way.Name;
    EXPECT_EQ(Heard(), (std::vector<std::string>{"dropdown", "closeup"})) << way.Name;
    Clock().Advance(1000);
  }
}

TEST_F(DateTimePickerTest, ADayClickedInTheCalendarIsTaken) {
  MakePicker(0, "yyyy-mm-dd", Day(2024, 3, 5, 8, 15));
  RECT client;
  GetClientRect(FPicker, &client);
  InjectClickAt(FPicker, {client.Right - 4, client.Bottom / 2});
  Pump();
  ASSERT_NE(Calendar(), nullptr);
  // With Sunday first, Tuesday the 5th of March 2024 is in the second row;
  // Wednesday the 28th of February a row up and a column right.
  const TRect selected = SelectedCell();
  ASSERT_GT(selected.Width(), 0);
  InjectClickAt(Calendar(), {selected.Left + selected.Width() * 3 / 2, selected.Top - selected.Height() / 2});
  Pump();
  EXPECT_EQ(Calendar(), nullptr);
  EXPECT_EQ(Value(), "2024-02-28 08:15");
  EXPECT_EQ(Heard(), (std::vector<std::string>{"dropdown", "change 2024-02-28 08:15", "closeup"}));
}

TEST_F(DateTimePickerTest, TheCalendarShowsBelowOrAboveWithinTheScreen) {
  RECT work{};
  MONITORINFO info;
  GetMonitorInfoA(MonitorFromWindow(FForm, MONITOR_DEFAULTTONEAREST), &info);
  work = info.rcWork;
  SetWindowPos(FForm, nullptr, work.Right - 150, work.Bottom - 60, 400, 300, SWP_NOZORDER);
  MakePicker(0, "yyyy-mm-dd", Day(2024, 3, 5));
  Key(VK_F4);
  RECT picker, dropped;
  GetWindowRect(FPicker, &picker);
  GetWindowRect(Calendar(), &dropped);
  EXPECT_EQ(dropped.Bottom, picker.Top);
  EXPECT_EQ(dropped.Right, work.Right);
}

TEST_F(DateTimePickerTest, TheDropDownButtonAndTheArrowsFillTheRightEnd) {
  MakePicker(0, "yyyy", Day(2024, 3, 5), 60);
  // clang-format off
  EXPECT_EQ(RightEnd(FPicker, 16), (std::vector<std::string>{
                                       "wwwwwwwwwwwwwwwk",
                                       "w.............sk",
                                       "w.............sk",
                                       "w.............sk",
                                       "w.............sk",
                                       "w.............sk",
                                       "w...#######...sk",
                                       "w....#####....sk",
                                       "w.....###.....sk",
                                       "w......#......sk",
                                       "w.............sk",
                                       "w.............sk",
                                       "w.............sk",
                                       "w.............sk",
                                       "w.............sk",
                                       "wssssssssssssssk",
                                       "kkkkkkkkkkkkkkkk",
                                   }));
  // clang-format on
  // Pushed while the calendar shows.
  Key(VK_F4);
  // clang-format off
  EXPECT_EQ(RightEnd(FPicker, 16), (std::vector<std::string>{
                                       "ssssssssssssssss",
                                       "s..............s",
                                       "s..............s",
                                       "s..............s",
                                       "s..............s",
                                       "s..............s",
                                       "s..............s",
                                       "s....#######...s",
                                       "s.....#####....s",
                                       "s......###.....s",
                                       "s.......#......s",
                                       "s..............s",
                                       "s..............s",
                                       "s..............s",
                                       "s..............s",
                                       "s..............s",
                                       "ssssssssssssssss",
                                   }));
  // clang-format on
  Key(VK_ESCAPE);
  DestroyWindow(FPicker);
  // The up-down arrows share the height.
  MakePicker(DTS_UPDOWN, "yyyy", Day(2024, 3, 5), 60);
  // clang-format off
  EXPECT_EQ(RightEnd(FPicker, 16), (std::vector<std::string>{
                                       "wwwwwwwwwwwwwwwk",
                                       "w.............sk",
                                       "w.............sk",
                                       "w......#......sk",
                                       "w.....###.....sk",
                                       "w.............sk",
                                       "wssssssssssssssk",
                                       "kkkkkkkkkkkkkkkk",
                                       "wwwwwwwwwwwwwwwk",
                                       "w.............sk",
                                       "w.............sk",
                                       "w.....###.....sk",
                                       "w......#......sk",
                                       "w.............sk",
                                       "w.............sk",
                                       "wssssssssssssssk",
                                       "kkkkkkkkkkkkkkkk",
                                   }));
  // clang-format on
}

}  // namespace
}  // namespace plat::testing
