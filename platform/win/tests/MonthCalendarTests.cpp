// The common controls' month calendar on its own, as a child window and as
// a drop-down: the days it shows, its keys, buttons and range, what it
// draws for today and the selection, and what its parent hears.
#include "platform/win/MonthCalendar.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "platform/rtl/DateTime.h"
#include "platform/win/CommonControls.h"
#include "platform/win/Focus.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Mouse.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/detail/MonthGrid.h"
#include "platform/win/tests/WindowFixture.h"
#include "testing/LocaleScope.h"

namespace plat::testing {
namespace {

SYSTEMTIME Day(Word Year, Word Month, Word Day) {
  SYSTEMTIME t;
  t.wYear = Year;
  t.wMonth = Month;
  t.wDay = Day;
  return t;
}

std::string Text(const SYSTEMTIME& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.wYear, t.wMonth, t.wDay);
  return text;
}

std::string DateText(TDateTime Date) { return Text(DateTimeToSystemTime(Date)); }

TEST(MonthGrid, SixWeeksFromTheWeekOfTheFirst) {
  struct Case {
    Word Year, Month;
    int FirstDayOfWeek;
    const char* TopLeft;
    const char* BottomRight;
  };
  // clang-format off
  const Case cases[] = {
      {2024, 3, 0, "2024-02-25", "2024-04-06"},  // a Friday first, weeks from Sunday
      {2024, 3, 1, "2024-02-26", "2024-04-07"},  // weeks from Monday
      {2024, 9, 0, "2024-09-01", "2024-10-12"},  // a Sunday first begins the grid
      {2024, 9, 1, "2024-08-26", "2024-10-06"},
  };
  // clang-format on
  for (const Case& c : cases) {
    const TMonthGrid grid(c.Year, c.Month, c.FirstDayOfWeek);
    TDateTime first = 0, last = 0;
    ASSERT_TRUE(grid.DayAt(0, 0, first));
    ASSERT_TRUE(grid.DayAt(5, 6, last));
    EXPECT_EQ(DateText(first), c.TopLeft) << c.Year << "-" << c.Month << " " << c.FirstDayOfWeek;
    EXPECT_EQ(DateText(last), c.BottomRight) << c.Year << "-" << c.Month << " " << c.FirstDayOfWeek;
    EXPECT_EQ(grid.WeekDayOf(0), c.FirstDayOfWeek);
    bool firstInTopRow = false;
    for (int column = 0; column < TMonthGrid::Columns; ++column) {
      TDateTime day = 0;
      firstInTopRow = firstInTopRow || (grid.DayAt(0, column, day) && day == EncodeDate(c.Year, c.Month, 1));
    }
    EXPECT_TRUE(firstInTopRow);
    EXPECT_TRUE(grid.InMonth(EncodeDate(c.Year, c.Month, 1)));
    EXPECT_FALSE(grid.InMonth(first) && grid.InMonth(last));
  }
  // Beyond the years a date holds the cells are blanks.
  TDateTime day = 0;
  EXPECT_FALSE(TMonthGrid(1, 1, 0).DayAt(0, 0, day));
  EXPECT_FALSE(TMonthGrid(9999, 12, 0).DayAt(5, 6, day));
  Word year = 9999, month = 12;
  AddMonths(year, month, 1);
  EXPECT_EQ(year * 100 + month, 999912);
  AddMonths(year, month, -24);
  EXPECT_EQ(year * 100 + month, 999712);
}

class MonthCalendarTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    INITCOMMONCONTROLSEX init;
    init.dwICC = ICC_DATE_CLASSES;
    ASSERT_TRUE(InitCommonControlsEx(&init));
    FForm = Make("form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(100, 100, 400, 300));
    Handle(FForm, WM_NOTIFY, [this](HWND, UINT, WPARAM, LPARAM l) -> std::optional<LRESULT> {
      const auto* header = reinterpret_cast<const NMHDR*>(l);
      if (header->code == MCN_SELECT)
        FHeard.push_back("select " + Text(reinterpret_cast<const NMSELCHANGE*>(l)->stSelStart));
      if (header->code == NM_RELEASEDCAPTURE) FHeard.push_back("released capture");
      return 0;
    });
  }

  HWND MakeCalendar(SYSTEMTIME Selection) {
    FCalendar =
        CreateWindowExA(0, MONTHCAL_CLASS, "", WS_CHILD | WS_VISIBLE, 10, 10, 10, 10, FForm, nullptr, nullptr, nullptr);
    RECT needed{};
    SendMessageA(FCalendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&needed));
    SetWindowPos(FCalendar, nullptr, 0, 0, needed.Right, needed.Bottom, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageA(FCalendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&Selection));
    const SYSTEMTIME today = Day(2024, 3, 20);
    SendMessageA(FCalendar, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(&today));
    Pump();
    return FCalendar;
  }

  std::string Selection() const {
    SYSTEMTIME t;
    SendMessageA(FCalendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&t));
    return Text(t);
  }

  void Key(UINT VirtualKey) {
    SendMessageA(FCalendar, WM_KEYDOWN, VirtualKey, 0);
    Pump();
  }

  // The selected day's cell: where the highlight is, below the title
  // (whose rows begin in the caption colour).
  TRect SelectedCell() const {
    RECT client;
    GetClientRect(FCalendar, &client);
    TRect cell{client.Right, client.Bottom, 0, 0};
    for (int y = 0; y < client.Bottom; ++y) {
      if (PixelAt(FCalendar, {0, y}) == GetSysColor(COLOR_ACTIVECAPTION)) continue;
      for (int x = 0; x < client.Right; ++x)
        if (PixelAt(FCalendar, {x, y}) == GetSysColor(COLOR_HIGHLIGHT)) {
          cell.Left = std::min(cell.Left, x);
          cell.Top = std::min(cell.Top, y);
          cell.Right = std::max(cell.Right, x + 1);
          cell.Bottom = std::max(cell.Bottom, y + 1);
        }
    }
    return cell;
  }

  std::vector<std::string> Heard() {
    std::vector<std::string> heard;
    heard.swap(FHeard);
    return heard;
  }

  zorbit::testing::TLocaleScope FLocale{TFormatSettings::English()};
  HWND FForm = nullptr;
  HWND FCalendar = nullptr;
  std::vector<std::string> FHeard;
};

TEST_F(MonthCalendarTest, KeysMoveTheSelectionAndEnterChoosesIt) {
  MakeCalendar(Day(2024, 3, 5));
  const std::pair<UINT, const char*> steps[] = {
      {VK_RIGHT, "2024-03-06"}, {VK_DOWN, "2024-03-13"}, {VK_PRIOR, "2024-02-13"}, {VK_END, "2024-02-29"},
      {VK_HOME, "2024-02-01"},  {VK_LEFT, "2024-01-31"}, {VK_UP, "2024-01-24"},    {VK_NEXT, "2024-02-24"},
  };
  for (const auto& [key, selected] : steps) {
    Key(key);
    EXPECT_EQ(Selection(), selected) << key;
  }
  EXPECT_TRUE(Heard().empty());
  Key(VK_RETURN);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"select 2024-02-24"}));
}

TEST_F(MonthCalendarTest, TheRangeHoldsTheSelection) {
  MakeCalendar(Day(2024, 3, 5));
  SYSTEMTIME range[2] = {Day(2024, 3, 3), Day(2024, 3, 8)};
  EXPECT_EQ(SendMessageA(FCalendar, MCM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range)), TRUE);
  Key(VK_DOWN);
  EXPECT_EQ(Selection(), "2024-03-08");
  Key(VK_HOME);
  EXPECT_EQ(Selection(), "2024-03-03");
  SYSTEMTIME outside = Day(2024, 3, 9);
  EXPECT_EQ(SendMessageA(FCalendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&outside)), FALSE);
  SYSTEMTIME invalid = Day(2024, 2, 30);
  EXPECT_EQ(SendMessageA(FCalendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&invalid)), FALSE);
  SYSTEMTIME read[2];
  EXPECT_EQ(SendMessageA(FCalendar, MCM_GETRANGE, 0, reinterpret_cast<LPARAM>(read)),
            static_cast<LRESULT>(GDTR_MIN | GDTR_MAX));
  EXPECT_EQ(Text(read[1]), "2024-03-08");
  SYSTEMTIME backwards[2] = {Day(2024, 3, 9), Day(2024, 3, 1)};
  EXPECT_EQ(SendMessageA(FCalendar, MCM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(backwards)), FALSE);
}

TEST_F(MonthCalendarTest, TheButtonsTurnTheMonthAndADayClickedIsChosen) {
  MakeCalendar(Day(2024, 3, 5));
  const TRect fifth = SelectedCell();
  ASSERT_GT(fifth.Width(), 0);
  // The next button lies at the title's right end.
  RECT client;
  GetClientRect(FCalendar, &client);
  InjectClickAt(FCalendar, {client.Right - 10, 10});
  Pump();
  Clock().Advance(1000);
  // April 2024 begins on a Monday: the cell where the 5th of March stood
  // (second row, third column) now shows the 9th of April.
  InjectClickAt(FCalendar, {fifth.Left + fifth.Width() / 2, fifth.Top + fifth.Height() / 2});
  Pump();
  EXPECT_EQ(Selection(), "2024-04-09");
  EXPECT_EQ(Heard(), (std::vector<std::string>{"select 2024-04-09"}));
}

TEST_F(MonthCalendarTest, TodayIsFramedAndTheSelectionFilled) {
  // The 19th selected beside the 20th, today, in one row.
  MakeCalendar(Day(2024, 3, 19));
  const TRect selected = SelectedCell();
  ASSERT_GT(selected.Width(), 0);
  const std::map<COLORREF, char> names{
      {GetSysColor(COLOR_HIGHLIGHT), 'h'}, {GetSysColor(COLOR_WINDOW), '.'}, {RGB(255, 0, 0), 'r'}};
  const auto row = [&](int y) {
    std::string text;
    for (int x = selected.Left - 1; x < selected.Right + selected.Width() + 1; ++x) {
      const auto found = names.find(PixelAt(FCalendar, {x, y}));
      text += found == names.end() ? '#' : found->second;
    }
    return text;
  };
  const std::string fill(static_cast<std::size_t>(selected.Width()), 'h');
  const std::string frame(static_cast<std::size_t>(selected.Width()), 'r');
  const std::string inside = "r" + std::string(static_cast<std::size_t>(selected.Width() - 2), '.') + "r";
  // Above the cells' text: the selection's fill, then today's frame.
  EXPECT_EQ(row(selected.Top - 1), "." + std::string(2 * static_cast<std::size_t>(selected.Width()), '.') + ".");
  EXPECT_EQ(row(selected.Top), "." + fill + frame + ".");
  EXPECT_EQ(row(selected.Top + 1), "." + fill + inside + ".");
  EXPECT_EQ(row(selected.Bottom - 1), "." + fill + frame + ".");
}

TEST_F(MonthCalendarTest, ADropDownLetsTheCaptureGoOnAPressElsewhere) {
  const HWND under = Make("under", WS_CHILD | WS_VISIBLE, Bounds(10, 250, 100, 30), FForm);
  FCalendar = CreateWindowExA(WS_EX_TOOLWINDOW, MONTHCAL_CLASS, "", WS_POPUP | WS_BORDER, 150, 150, 200, 150, FForm,
                              nullptr, nullptr, FForm);
  ShowWindow(FCalendar, SW_SHOWNOACTIVATE);
  SetCapture(FCalendar);
  Pump();
  EXPECT_EQ(GetActiveWindow(), FForm);
  ClearLog();
  InjectClickAt(under, {5, 5});
  Pump();
  EXPECT_TRUE(Take({WM_LBUTTONDOWN}).empty());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"released capture"}));
  // A click on it takes no activation either.
  InjectClickAt(FCalendar, {20, 20});
  Pump();
  EXPECT_EQ(GetActiveWindow(), FForm);
}

}  // namespace
}  // namespace plat::testing
