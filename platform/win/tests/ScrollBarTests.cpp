// A window's standard scroll bars: range, page and position kept in bounds,
// the bar shown only when there is something to scroll, what
// GetScrollBarInfo reports, and the mouse on the bar turned into scroll
// requests.
#include "platform/win/InputInjection.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {
namespace {

// A 200 x 150 popup at (100, 100): its vertical bar is x 184..200, with
// 16-pixel arrows and a 118-pixel track.
class ScrollBars : public WindowTest {
 protected:
  HWND MakeScrolled(int min, int max, int page, int pos) {
    HWND w = Make("w", WS_POPUP | WS_VISIBLE, Bounds(100, 100, 200, 150));
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    info.nMin = min;
    info.nMax = max;
    info.nPage = static_cast<UINT>(page);
    info.nPos = pos;
    SetScrollInfo(w, SB_VERT, &info, true);
    return w;
  }

  // Records the scroll requests and, like a window that scrolls, takes
  // the new position.
  void RecordRequests(HWND w) {
    Handle(w, WM_VSCROLL, [this](HWND window, UINT, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
      const int code = LOWORD(wParam);
      const int pos = HIWORD(wParam);
      FRequests.push_back({code, pos});
      int next = GetScrollPos(window, SB_VERT);
      if (code == SB_LINEDOWN) next += 1;
      if (code == SB_LINEUP) next -= 1;
      if (code == SB_PAGEDOWN) next += 10;
      if (code == SB_PAGEUP) next -= 10;
      if (code == SB_THUMBPOSITION) next = pos;
      SetScrollPos(window, SB_VERT, next, true);
      if (OnRequest) OnRequest(code);
      return 0;
    });
  }

  struct Request {
    int Code;
    int Pos;
    bool operator==(const Request&) const = default;
    friend void PrintTo(const Request& r, std::ostream* out) { *out << "{" << r.Code << ", " << r.Pos << "}"; }
  };
  std::vector<Request> FRequests;
  std::function<void(int code)> OnRequest;
};

TEST_F(ScrollBars, RangePageAndPositionStayInBounds) {
  struct Case {
    int min, max, page, pos;
    int wantPage, wantPos;
    bool shown;
  };
  const Case cases[] = {
      {0, 99, 10, 45, 10, 45, true},   // ordinary
      {0, 99, 10, 95, 10, 90, true},   // the last page starts at 90
      {0, 99, 200, 5, 100, 0, false},  // the page covers the range
      {0, 9, 10, 0, 10, 0, false},     // exactly one page
      {5, 5, 0, 7, 0, 5, false},       // no range
      {10, 0, 0, 3, 0, 10, false},     // max below min counts as min
      {-50, 50, 0, -80, 0, -50, true},
  };
  for (const Case& c : cases) {
    HWND w = MakeScrolled(c.min, c.max, c.page, c.pos);
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(w, SB_VERT, &info));
    EXPECT_EQ(static_cast<int>(info.nPage), c.wantPage) << c.min << ".." << c.max;
    EXPECT_EQ(info.nPos, c.wantPos) << c.min << ".." << c.max;
    EXPECT_EQ((GetWindowLong(w, GWL_STYLE) & WS_VSCROLL) != 0, c.shown) << c.min << ".." << c.max;
    DestroyWindow(w);
  }
}

TEST_F(ScrollBars, ShowingTheBarNarrowsTheClientArea) {
  HWND w = MakeScrolled(0, 5, 10, 0);
  RECT client;
  GetClientRect(w, &client);
  EXPECT_EQ(client.Width(), 200);
  ClearLog();
  SetScrollRange(w, SB_VERT, 0, 40, true);
  GetClientRect(w, &client);
  EXPECT_EQ(client.Width(), 184);
  EXPECT_EQ(Take({WM_SIZE}), Log{"w WM_SIZE"});
  // The disabled look keeps the bar where there is nothing to scroll.
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_DISABLENOSCROLL;
  info.nMax = 3;
  SetScrollInfo(w, SB_VERT, &info, true);
  GetClientRect(w, &client);
  EXPECT_EQ(client.Width(), 184);
  SCROLLBARINFO bar;
  ASSERT_TRUE(GetScrollBarInfo(w, OBJID_VSCROLL, &bar));
  EXPECT_EQ(bar.rgstate[0], STATE_SYSTEM_UNAVAILABLE);
}

TEST_F(ScrollBars, ShownAndDisabledOnRequest) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, Bounds(100, 100, 200, 150));
  EXPECT_TRUE(ShowScrollBar(w, SB_BOTH, true));
  RECT client;
  GetClientRect(w, &client);
  EXPECT_EQ(client, (RECT{0, 0, 184, 134}));
  EXPECT_FALSE(ShowScrollBar(w, 5, true));
  // A disabled bar takes no clicks.
  SetScrollRange(w, SB_VERT, 0, 99, false);
  RecordRequests(w);
  EXPECT_TRUE(EnableScrollBar(w, SB_VERT, ESB_DISABLE_BOTH));
  SCROLLBARINFO bar;
  ASSERT_TRUE(GetScrollBarInfo(w, OBJID_VSCROLL, &bar));
  EXPECT_TRUE(bar.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
  InjectClick({292, 120});
  Pump();
  EXPECT_TRUE(FRequests.empty());
  EnableScrollBar(w, SB_VERT, ESB_ENABLE_BOTH);
  InjectClick({292, 120});
  Pump();
  EXPECT_FALSE(FRequests.empty());
  ShowScrollBar(w, SB_BOTH, false);
  GetClientRect(w, &client);
  EXPECT_EQ(client, (RECT{0, 0, 200, 150}));
}

TEST_F(ScrollBars, BarInfoGivesThePlaceAndTheThumb) {
  HWND w = MakeScrolled(0, 99, 10, 45);
  SCROLLBARINFO bar;
  ASSERT_TRUE(GetScrollBarInfo(w, OBJID_VSCROLL, &bar));
  EXPECT_EQ(bar.rcScrollBar, (RECT{284, 100, 300, 250}));
  EXPECT_EQ(bar.dxyLineButton, 16);
  // Thumb: 118 * 10 / 100 = 11 pixels; 45 of 90 places it at 16 + 107 * 45 / 90.
  EXPECT_EQ(bar.xyThumbTop, 69);
  EXPECT_EQ(bar.xyThumbBottom, 80);
  EXPECT_EQ(bar.rgstate[0], 0u);

  HWND plain = Make("plain", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 50, 50));
  ASSERT_TRUE(GetScrollBarInfo(plain, OBJID_VSCROLL, &bar));
  EXPECT_TRUE(bar.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  EXPECT_FALSE(GetScrollInfo(plain, SB_VERT, &info));

  bar.cbSize = 12;
  EXPECT_FALSE(GetScrollBarInfo(w, OBJID_VSCROLL, &bar));
  EXPECT_FALSE(GetScrollBarInfo(w, OBJID_CLIENT, &bar));
  EXPECT_EQ(SetScrollInfo(w, 7, &info, false), 0);
  EXPECT_FALSE(GetScrollInfo(w, SB_CTL, &info));
}

TEST_F(ScrollBars, ClicksOnArrowsAndTrackRequestLinesAndPages) {
  HWND w = MakeScrolled(0, 99, 10, 45);
  RecordRequests(w);
  InjectClick({292, 105});  // up arrow
  InjectClick({292, 245});  // down arrow
  InjectClick({292, 120});  // track above the thumb
  InjectClick({292, 230});  // track below it
  Pump();
  const std::vector<Request> expected = {{SB_LINEUP, 0}, {SB_ENDSCROLL, 0}, {SB_LINEDOWN, 0}, {SB_ENDSCROLL, 0},
                                         {SB_PAGEUP, 0}, {SB_ENDSCROLL, 0}, {SB_PAGEDOWN, 0}, {SB_ENDSCROLL, 0}};
  EXPECT_EQ(FRequests, expected);
  EXPECT_EQ(GetScrollPos(w, SB_VERT), 45);
}

TEST_F(ScrollBars, DraggingTheThumbTracksAndEndsWithItsPosition) {
  HWND w = MakeScrolled(0, 99, 10, 0);
  RecordRequests(w);
  // The thumb is at 16..27; 53 of the 107 free pixels are 44 of 90 places.
  InjectDrag({292, 120}, {292, 173});
  Pump();
  ASSERT_GE(FRequests.size(), 3u);
  EXPECT_EQ(FRequests[FRequests.size() - 3].Code, SB_THUMBTRACK);
  EXPECT_EQ(FRequests[FRequests.size() - 2], (Request{SB_THUMBPOSITION, 44}));
  EXPECT_EQ(FRequests.back(), (Request{SB_ENDSCROLL, 0}));
  EXPECT_EQ(GetScrollPos(w, SB_VERT), 44);
  // Dragging past the end stops at the last page.
  FRequests.clear();
  SCROLLBARINFO bar;
  GetScrollBarInfo(w, OBJID_VSCROLL, &bar);
  InjectDrag({292, 100 + bar.xyThumbTop + 2}, {292, 400});
  Pump();
  ASSERT_GE(FRequests.size(), 2u);
  EXPECT_EQ(FRequests[FRequests.size() - 2], (Request{SB_THUMBPOSITION, 90}));
}

TEST_F(ScrollBars, HoldingAnArrowRepeatsOnTheClock) {
  HWND w = MakeScrolled(0, 99, 10, 0);
  RecordRequests(w);
  // The clock moves on to the next timer whenever the queue would wait.
  Clock().SetAutoAdvance(true);
  int lines = 0;
  OnRequest = [&](int code) {
    if (code == SB_LINEDOWN && ++lines == 3) InjectMouseUp({292, 245});
  };
  InjectMouseMove({292, 245});
  InjectMouseDown({292, 245});
  Pump();
  EXPECT_EQ(lines, 3);
  EXPECT_EQ(GetScrollPos(w, SB_VERT), 3);
  EXPECT_EQ(FRequests.back().Code, SB_ENDSCROLL);
}

}  // namespace
}  // namespace plat::testing
