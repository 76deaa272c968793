// The tool tip's behaviour, driven by its messages and by injected pointer
// input on the virtual clock: when a tip comes and goes, what its owner
// hears and in which order, tools added, read back and removed, tracking
// tips, and what it refuses.
#include <cstring>

#include "platform/win/Display.h"
#include "platform/win/Focus.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Mouse.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/detail/TopLevelKind.h"
#include "platform/win/tests/ToolTipFixture.h"

namespace plat::testing {
namespace {

using EventLog = std::vector<std::string>;

// A rectangle tool watched by the tip itself, its text asked of the form.
constexpr TRect kToolRect{10, 10, 110, 60};
constexpr TRect kOtherToolRect{110, 10, 210, 60};

class ToolTips : public ToolTipTest {
 protected:
  void SetUp() override {
    ToolTipTest::SetUp();
    ASSERT_NE(MakeTip(TTS_ALWAYSTIP), nullptr);
    ASSERT_TRUE(AddTool(TTF_SUBCLASS, 1, kToolRect, LPSTR_TEXTCALLBACK));
  }
  // Rests on the tool until its tip shows.
  void ShowFirstTip() {
    PointTo(Form(), {20, 20});
    Wait(500);
    ASSERT_TRUE(TipVisible());
    Events();
  }
};

TEST_F(ToolTips, ATipShowsOnceThePointerRestedOnTheToolForTheInitialDelay) {
  PointTo(Form(), {20, 20});
  Wait(300);
  PointTo(Form(), {30, 25});  // a move starts the wait again
  Wait(499);
  EXPECT_FALSE(TipVisible());
  EXPECT_EQ(Events(), EventLog{});
  Wait(1);
  EXPECT_TRUE(TipVisible());
  EXPECT_EQ(Events(), (EventLog{"TTN_GETDISPINFO 1 hidden", "TTN_SHOW 1 hidden"}));
  // Below the pointer, clear of its arrow.
  const TPoint pointer = ClientPointOnScreen(Form(), {30, 25});
  EXPECT_EQ(TipRect().TopLeft(), (TPoint{pointer.X, pointer.Y + 20}));
}

TEST_F(ToolTips, ATipGoesAfterTheAutopopDelayAndStaysAwayUntilThePointerLeftTheTool) {
  ShowFirstTip();
  Wait(4999);
  EXPECT_TRUE(TipVisible());
  Wait(1);
  EXPECT_FALSE(TipVisible());
  EXPECT_EQ(Events(), (EventLog{"TTN_POP 1 visible"}));
  PointTo(Form(), {40, 40});
  Wait(10000);
  EXPECT_EQ(Events(), EventLog{});
  // Off the tool and back: a new tip, its text asked again.
  PointTo(Form(), {300, 200});
  PointTo(Form(), {40, 40});
  Wait(500);
  EXPECT_EQ(Events(), (EventLog{"TTN_GETDISPINFO 1 hidden", "TTN_SHOW 1 hidden"}));
  EXPECT_EQ(Asked, 2);
}

struct DismissCase {
  const char* Name;
  void (*Act)(ToolTipTest& test);
};

const DismissCase kDismissCases[] = {
    {"Click",
     [](ToolTipTest& t) {
       InjectClickAt(t.Form(), {20, 20});
     }},
    {"RightClick",
     [](ToolTipTest& t) {
       InjectClick(ClientPointOnScreen(t.Form(), {20, 20}), MouseButton::Right);
     }},
    {"MoveOffTheTool",
     [](ToolTipTest& t) {
       InjectMouseMove(ClientPointOnScreen(t.Form(), {300, 200}));
     }},
    {"MoveOffTheForm",
     [](ToolTipTest&) {
       InjectMouseMove({900, 700});
     }},
    {"PointerLeavesTheDisplay", [](ToolTipTest&) { FeedMouseExit(); }},
    {"Pop", [](ToolTipTest& t) { SendMessageA(t.Tip(), TTM_POP, 0, 0); }},
    {"Deactivate", [](ToolTipTest& t) { SendMessageA(t.Tip(), TTM_ACTIVATE, FALSE, 0); }},
};

class ToolTipDismissal : public ToolTips, public ::testing::WithParamInterface<DismissCase> {};

TEST_P(ToolTipDismissal, ATipGoesAndItsOwnerHearsOfItBeforeItHides) {
  ShowFirstTip();
  GetParam().Act(*this);
  Pump();
  // Leaving the tool's window tells the tool nothing: the tip looks itself.
  Wait(100);
  EXPECT_FALSE(TipVisible());
  EXPECT_EQ(Events(), (EventLog{"TTN_POP 1 visible"}));
}

INSTANTIATE_TEST_SUITE_P(Ways, ToolTipDismissal, ::testing::ValuesIn(kDismissCases),
                         [](const ::testing::TestParamInfo<DismissCase>& test) { return test.param.Name; });

TEST_F(ToolTips, MovingOntoAnotherToolShowsItsTipAfterTheReshowDelay) {
  ASSERT_TRUE(AddTool(TTF_SUBCLASS, 2, kOtherToolRect, "Second tool"));
  ShowFirstTip();
  PointTo(Form(), {150, 20});
  EXPECT_EQ(Events(), (EventLog{"TTN_POP 1 visible"}));
  Wait(99);
  EXPECT_FALSE(TipVisible());
  Wait(1);
  EXPECT_TRUE(TipVisible());
  EXPECT_EQ(Events(), (EventLog{"TTN_SHOW 2 hidden"}));  // its own text: nothing asked
  // Off every tool, the next one waits the whole initial delay again.
  PointTo(Form(), {300, 200});
  PointTo(Form(), {20, 20});
  Wait(100);
  EXPECT_FALSE(TipVisible());
  Wait(400);
  EXPECT_TRUE(TipVisible());
}

TEST_F(ToolTips, AfterPopTheToolUnderThePointerShowsAgainAfterTheReshowDelay) {
  ShowFirstTip();
  Send(TTM_POP);
  EXPECT_EQ(Events(), (EventLog{"TTN_POP 1 visible"}));
  PointTo(Form(), {22, 22});
  Wait(100);
  EXPECT_TRUE(TipVisible());
  EXPECT_EQ(Events(), (EventLog{"TTN_GETDISPINFO 1 hidden", "TTN_SHOW 1 hidden"}));
}

TEST_F(ToolTips, PopupShowsTheTipOfTheToolUnderThePointerAtOnce) {
  PointTo(Form(), {20, 20});
  Send(TTM_POPUP);
  EXPECT_TRUE(TipVisible());
  EXPECT_EQ(Events(), (EventLog{"TTN_GETDISPINFO 1 hidden", "TTN_SHOW 1 hidden"}));
  Send(TTM_POP);
  PointTo(Form(), {300, 200});
  Send(TTM_POPUP);
  EXPECT_FALSE(TipVisible());
}

struct DelayCase {
  const char* Name;
  WPARAM Which;
  LPARAM Value;
  int Initial, AutoPop;
};

const DelayCase kDelayCases[] = {
    {"Initial", TTDT_INITIAL, 200, 200, 5000},           {"AutoPop", TTDT_AUTOPOP, 1200, 500, 1200},
    {"Automatic", TTDT_AUTOMATIC, 100, 100, 1000},       {"DefaultAgain", TTDT_INITIAL, -1, 500, 5000},
    {"AutomaticDefault", TTDT_AUTOMATIC, -1, 500, 5000},
};

class ToolTipDelays : public ToolTips, public ::testing::WithParamInterface<DelayCase> {};

TEST_P(ToolTipDelays, SetDelayTimeChangesWhenATipComesAndGoes) {
  const DelayCase& c = GetParam();
  Send(TTM_SETDELAYTIME, TTDT_AUTOMATIC, 50);  // something else first
  Send(TTM_SETDELAYTIME, c.Which, c.Value);
  if (c.Which != TTDT_AUTOMATIC) {
    // The other two back at their defaults.
    Send(TTM_SETDELAYTIME, c.Which == TTDT_INITIAL ? TTDT_AUTOPOP : TTDT_INITIAL, -1);
  }
  PointTo(Form(), {20, 20});
  Wait(c.Initial - 1);
  EXPECT_FALSE(TipVisible());
  Wait(1);
  EXPECT_TRUE(TipVisible());
  Wait(c.AutoPop - 1);
  EXPECT_TRUE(TipVisible());
  Wait(1);
  EXPECT_FALSE(TipVisible());
}

INSTANTIATE_TEST_SUITE_P(Delays, ToolTipDelays, ::testing::ValuesIn(kDelayCases),
                         [](const ::testing::TestParamInfo<DelayCase>& test) { return test.param.Name; });

TEST_F(ToolTips, AnInactiveControlShowsNothingUntilActivatedAgain) {
  Send(TTM_ACTIVATE, FALSE);
  PointTo(Form(), {20, 20});
  Wait(1000);
  EXPECT_FALSE(TipVisible());
  Send(TTM_ACTIVATE, TRUE);
  PointTo(Form(), {21, 21});
  Wait(500);
  EXPECT_TRUE(TipVisible());
}

TEST_F(ToolTips, AToolWithoutTextOrAnEmptyAnswerShowsNothingUntilThePointerMovesOn) {
  Answer.clear();
  PointTo(Form(), {20, 20});
  Wait(500);
  EXPECT_FALSE(TipVisible());
  EXPECT_EQ(Events(), (EventLog{"TTN_GETDISPINFO 1 hidden"}));
  Answer = "Now there is a text";
  PointTo(Form(), {25, 20});
  Wait(500);
  EXPECT_TRUE(TipVisible());
}

TEST_F(ToolTips, AnAnswerKeptWithSetItemIsNotAskedForAgain) {
  Handle(Form(), WM_NOTIFY, [this](HWND, UINT, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
    if (info->hdr.code == TTN_GETDISPINFOA) {
      ++Asked;
      std::strcpy(info->szText, "Kept");
      info->lpszText = info->szText;
      info->uFlags |= TTF_DI_SETITEM;
    }
    return 0;
  });
  ShowFirstTip();
  Send(TTM_POP);
  PointTo(Form(), {25, 25});
  Wait(500);
  EXPECT_TRUE(TipVisible());
  EXPECT_EQ(Asked, 1);
  char text[80] = {};
  TOOLINFOA info = Info(1);
  info.lpszText = text;
  ASSERT_TRUE(Send(TTM_GETTOOLINFO, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_STREQ(text, "Kept");
}

TEST_F(ToolTips, AnOwnerThatPlacesTheTipOnTTN_SHOWKeepsItsPlace) {
  Handle(Form(), WM_NOTIFY, [this](HWND, UINT, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->code == TTN_GETDISPINFOA) reinterpret_cast<NMTTDISPINFOA*>(lParam)->lpszText = Answer.data();
    if (header->code != TTN_SHOW) return 0;
    SetWindowPos(Tip(), nullptr, 600, 500, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
  });
  ShowFirstTip();
  EXPECT_EQ(TipRect().TopLeft(), (TPoint{600, 500}));
  // A change of content keeps it there.
  Send(TTM_SETTITLE, TTI_INFO, reinterpret_cast<LPARAM>("Title"));
  EXPECT_EQ(TipRect().TopLeft(), (TPoint{600, 500}));
}

TEST_F(ToolTips, NotificationHandlersThatPopOrDestroyTheTipStopTheShow) {
  // TTN_SHOW answered by TTM_POP: the tip never shows.
  Handle(Form(), WM_NOTIFY, [this](HWND, UINT, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->code == TTN_GETDISPINFOA) reinterpret_cast<NMTTDISPINFOA*>(lParam)->lpszText = Answer.data();
    if (header->code == TTN_SHOW) SendMessageA(Tip(), TTM_POP, 0, 0);
    return 0;
  });
  PointTo(Form(), {20, 20});
  Wait(500);
  EXPECT_FALSE(TipVisible());
  // TTN_GETDISPINFO answered by destroying the tip.
  Handle(Form(), WM_NOTIFY, [this](HWND, UINT, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    if (reinterpret_cast<NMHDR*>(lParam)->code == TTN_GETDISPINFOA) DestroyWindow(Tip());
    return 0;
  });
  PointTo(Form(), {30, 30});
  Wait(500);
  EXPECT_FALSE(IsWindow(Tip()));
  // The form goes on hearing its mouse.
  ClearLog();
  PointTo(Form(), {40, 40});
  EXPECT_EQ(Take({WM_MOUSEMOVE}), (Log{"form WM_MOUSEMOVE"}));
}

// How the pointer reaches the control: relayed by the owner, or watched by
// the tip itself in the tool window.
struct FeedCase {
  const char* Name;
  bool Relay;
  bool UnicodeTool;
};

const FeedCase kFeedCases[] = {
    {"Subclass", false, false},
    {"SubclassUnicodeWindow", false, true},
    {"Relay", true, false},
};

class ToolTipFeeds : public ToolTipTest, public ::testing::WithParamInterface<FeedCase> {};

TEST_P(ToolTipFeeds, AWindowToolShowsItsTipWhicheverWayThePointerIsTold) {
  const FeedCase& c = GetParam();
  ASSERT_NE(MakeTip(TTS_ALWAYSTIP), nullptr);
  const TRect childBounds{50, 50, 200, 120};
  HWND child = c.UnicodeTool ? MakeUnicode("child", WS_CHILD | WS_VISIBLE, childBounds, Form())
                             : Make("child", WS_CHILD | WS_VISIBLE, childBounds, Form());
  const auto original = GetWindowLongPtrA(child, GWLP_WNDPROC);
  ASSERT_TRUE(
      AddTool(TTF_IDISHWND | (c.Relay ? 0 : TTF_SUBCLASS), reinterpret_cast<UINT_PTR>(child), {}, "Window tool"));
  if (c.Relay) {
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN})
      Handle(child, message, [this](HWND window, UINT m, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
        MSG msg;
        msg.hwnd = window;
        msg.message = m;
        msg.wParam = wParam;
        msg.lParam = lParam;
        Send(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
        return std::nullopt;
      });
  }
  ClearLog();
  PointTo(child, {10, 10});
  Wait(500);
  EXPECT_TRUE(TipVisible());
  const UINT_PTR id = reinterpret_cast<UINT_PTR>(child);
  EXPECT_EQ(Events(), (EventLog{"TTN_SHOW " + std::to_string(id) + " hidden"}));
  // The tool window still hears its own mouse.
  EXPECT_EQ(Take({WM_MOUSEMOVE}), (Log{"child WM_MOUSEMOVE"}));
  InjectClickAt(child, {10, 10});
  Pump();
  EXPECT_FALSE(TipVisible());
  // Removing the tool gives the window its own procedure back.
  TOOLINFOA info = Info(id);
  Send(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(GetWindowLongPtrA(child, GWLP_WNDPROC), original);
  EXPECT_EQ(Send(TTM_GETTOOLCOUNT), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, ToolTipFeeds, ::testing::ValuesIn(kFeedCases),
                         [](const ::testing::TestParamInfo<FeedCase>& test) { return test.param.Name; });

// A procedure put on the tool window after the tip watches it.
WNDPROC gBeforeLater = nullptr;
int gLaterHeard = 0;
LRESULT LaterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MOUSEMOVE) ++gLaterHeard;
  return CallWindowProcA(gBeforeLater, window, message, wParam, lParam);
}

TEST_F(ToolTipTest, AProcedurePutOnTheToolWindowLaterKeepsItsChainWhenTheToolGoes) {
  ASSERT_NE(MakeTip(TTS_ALWAYSTIP), nullptr);
  HWND child = Make("child", WS_CHILD | WS_VISIBLE, Bounds(50, 50, 150, 70), Form());
  const UINT_PTR id = reinterpret_cast<UINT_PTR>(child);
  ASSERT_TRUE(AddTool(TTF_IDISHWND | TTF_SUBCLASS, id, {}, "Chained"));
  gLaterHeard = 0;
  gBeforeLater =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterProc)));
  TOOLINFOA info = Info(id);
  Send(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(GetWindowLongPtrA(child, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&LaterProc));
  ClearLog();
  PointTo(child, {10, 10});
  EXPECT_EQ(gLaterHeard, 1);
  EXPECT_EQ(Take({WM_MOUSEMOVE}), (Log{"child WM_MOUSEMOVE"}));
  Wait(1000);
  EXPECT_FALSE(TipVisible());
}

TEST_F(ToolTipTest, AWatchedToolWindowThatGoesTakesItsTipAlong) {
  ASSERT_NE(MakeTip(TTS_ALWAYSTIP), nullptr);
  HWND child = Make("child", WS_CHILD | WS_VISIBLE, Bounds(50, 50, 150, 70), Form());
  ASSERT_TRUE(AddTool(TTF_IDISHWND | TTF_SUBCLASS, reinterpret_cast<UINT_PTR>(child), {}, "Going"));
  PointTo(child, {10, 10});
  Wait(500);
  ASSERT_TRUE(TipVisible());
  DestroyWindow(child);
  Wait(100);
  EXPECT_FALSE(TipVisible());
  PointTo(Form(), {60, 60});
  Wait(1000);
  EXPECT_FALSE(TipVisible());
}

TEST_F(ToolTipTest, WithoutAlwaysTipTipsShowOnlyWhileTheToolsWindowIsActive) {
  for (const DWORD style : {DWORD{0}, TTS_ALWAYSTIP}) {
    SCOPED_TRACE(style);
    HWND other = Make("other", WS_POPUP | WS_VISIBLE, Bounds(600, 100, 200, 200));
    SetActiveWindow(other);
    ASSERT_NE(MakeTip(style), nullptr);
    ASSERT_TRUE(AddTool(TTF_SUBCLASS, 1, kToolRect, "Tool"));
    PointTo(Form(), {20, 20});
    Wait(500);
    EXPECT_EQ(TipVisible(), style == TTS_ALWAYSTIP);
    EXPECT_EQ(GetActiveWindow(), other) << "a tip never takes the activation";
    DestroyWindow(Tip());
    DestroyWindow(other);
    PointTo(Form(), {300, 200});
  }
}

TEST_F(ToolTips, TheTipIsATopmostPopupThatLetsTheMouseThroughToTheTool) {
  ShowFirstTip();
  EXPECT_EQ(GetActiveWindow(), Form());
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(Tip(), GWL_EXSTYLE));
  EXPECT_EQ(exStyle & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE),
            WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE);
  EXPECT_EQ(KindOfTopLevel(static_cast<DWORD>(GetWindowLongPtrA(Tip(), GWL_STYLE)), exStyle), TopLevelKind::Tip);
  EXPECT_EQ(GetWindow(Tip(), GW_OWNER), Form());
  // A point under the tip is the form's.
  const TRect tip = TipRect();
  EXPECT_EQ(WindowFromPoint({tip.Left + 2, tip.Top + 2}), Form());
  // Classes compare without regard to case.
  EXPECT_NE(FindWindowClass("Tooltips_Class32"), nullptr);
}

TEST_F(ToolTipTest, TrackingTipsStandWhereTheyAreAskedAndFollowThePoint) {
  ASSERT_NE(MakeTip(0), nullptr);
  ASSERT_TRUE(AddTool(TTF_TRACK | TTF_ABSOLUTE, 5, {}, "Tracked"));
  ASSERT_TRUE(AddTool(TTF_TRACK, 6, {}, "Kept on the screen"));
  TOOLINFOA absolute = Info(5), kept = Info(6);
  Send(TTM_TRACKPOSITION, 0, MAKELPARAM(300, 200));
  Send(TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&absolute));
  EXPECT_TRUE(TipVisible());
  EXPECT_EQ(TipRect().TopLeft(), (TPoint{300, 200}));
  Send(TTM_TRACKPOSITION, 0, MAKELPARAM(320, 240));
  EXPECT_EQ(TipRect().TopLeft(), (TPoint{320, 240}));
  // No timers: it stays until told.
  Wait(60000);
  EXPECT_TRUE(TipVisible());
  // Near the screen's corner the other one stays inside the work area.
  Send(TTM_TRACKPOSITION, 0, MAKELPARAM(1020, 760));
  Send(TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&kept));
  const TRect work = CurrentDisplay().WorkArea();
  EXPECT_TRUE(work.Contains(TipRect())) << TipRect().Left << "," << TipRect().Top;
  Send(TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&kept));
  EXPECT_FALSE(TipVisible());
  EXPECT_EQ(Events(), (EventLog{"TTN_SHOW 5 hidden", "TTN_POP 5 visible", "TTN_SHOW 6 hidden", "TTN_POP 6 visible"}));
}

TEST_F(ToolTipTest, AnAbsoluteTrackingBalloonPointsItsStemAtThePoint) {
  ASSERT_NE(MakeTip(TTS_BALLOON), nullptr);
  ASSERT_TRUE(AddTool(TTF_TRACK | TTF_ABSOLUTE, 5, {}, "Stem here"));
  TOOLINFOA info = Info(5);
  Send(TTM_TRACKPOSITION, 0, MAKELPARAM(300, 200));
  Send(TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
  const TRect tip = TipRect();
  EXPECT_EQ(tip.Top, 200);
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(Tip(), shape), COMPLEXREGION);
  // The stem's tip is the shape's topmost pixel, on the point.
  EXPECT_TRUE(PtInRegion(shape, 300 - tip.Left, 0));
  for (int x = 0; x < tip.Width(); ++x) {
    if (x == 300 - tip.Left) continue;
    EXPECT_FALSE(PtInRegion(shape, x, 0)) << x;
  }
  DeleteObject(shape);
}

TEST_F(ToolTips, ToolsAreReadBackCountedEnumeratedChangedAndRemoved) {
  ASSERT_TRUE(AddTool(TTF_SUBCLASS, 2, kOtherToolRect, "Second \xC3\xA9"));
  EXPECT_EQ(Send(TTM_GETTOOLCOUNT), 2);
  char text[80];
  TOOLINFOA info = Info(2);
  info.lpszText = text;
  ASSERT_TRUE(Send(TTM_GETTOOLINFO, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_EQ(info.uFlags, TTF_SUBCLASS);
  EXPECT_EQ(info.rect, kOtherToolRect);
  EXPECT_STREQ(text, "Second \xC3\xA9");
  TOOLINFOA first = Info(0);
  first.hwnd = nullptr;
  ASSERT_TRUE(Send(TTM_ENUMTOOLS, 0, reinterpret_cast<LPARAM>(&first)));
  EXPECT_EQ(first.uId, 1u);
  EXPECT_EQ(first.lpszText, LPSTR_TEXTCALLBACK);
  EXPECT_FALSE(Send(TTM_ENUMTOOLS, 2, reinterpret_cast<LPARAM>(&first)));

  // A new rectangle and a new text.
  info = Info(2);
  info.rect = {300, 200, 350, 250};
  Send(TTM_NEWTOOLRECT, 0, reinterpret_cast<LPARAM>(&info));
  info.lpszText = const_cast<char*>("Renamed");
  Send(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&info));
  PointTo(Form(), {310, 210});
  Wait(500);
  EXPECT_EQ(Events(), (EventLog{"TTN_SHOW 2 hidden"}));
  const TRect wide = TipRect();
  // A longer text while it shows makes it wider at once.
  info.lpszText = const_cast<char*>("Renamed to a much longer text");
  Send(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_GT(TipRect().Width(), wide.Width());

  // Removing the tool that shows takes the tip away.
  Send(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_FALSE(TipVisible());
  EXPECT_EQ(Events(), (EventLog{"TTN_POP 2 visible"}));
  EXPECT_EQ(Send(TTM_GETTOOLCOUNT), 1);
}

TEST_F(ToolTips, ALongTextIsReadBackCutAtACharacterToTheCallersBuffer) {
  String text(78, 'x');
  text += "\xC3\xA9\xC3\xA9";  // the first two-byte character would end at byte 80
  ASSERT_TRUE(AddTool(0, 3, {}, text.c_str()));
  char buffer[80];
  std::memset(buffer, '?', sizeof buffer);
  TOOLINFOA info = Info(3);
  info.lpszText = buffer;
  ASSERT_TRUE(Send(TTM_GETTOOLINFO, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_EQ(String(buffer), String(78, 'x'));
}

TEST_F(ToolTips, BadRecordsAreRefusedAndNothingIsLost) {
  TOOLINFOA tooSmall = Info(7);
  tooSmall.cbSize = TTTOOLINFOA_V1_SIZE - 1;
  TOOLINFOA tooLarge = Info(7);
  tooLarge.cbSize = sizeof(TOOLINFOA) + 1;
  TOOLINFOA taken = Info(1);
  TOOLINFOA noWindow = Info(7, reinterpret_cast<HWND>(static_cast<std::intptr_t>(0x7FFFFF)));
  TOOLINFOA resourceText = Info(7);
  resourceText.lpszText = const_cast<char*>(MAKEINTRESOURCE(101));
  TOOLINFOA deadWindowTool = Info(0);
  deadWindowTool.uFlags = TTF_IDISHWND;
  deadWindowTool.uId = 0x7FFFFF;
  for (const TOOLINFOA* bad : {&tooSmall, &tooLarge, &taken, &noWindow, &resourceText, &deadWindowTool})
    EXPECT_FALSE(Send(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(bad)));
  EXPECT_FALSE(Send(TTM_ADDTOOL, 0, 0));
  EXPECT_EQ(Send(TTM_GETTOOLCOUNT), 1);
  // The oldest size is enough; the tool it added reads back.
  TOOLINFOA oldest = Info(8);
  oldest.cbSize = TTTOOLINFOA_V1_SIZE;
  oldest.lpszText = const_cast<char*>("Old");
  EXPECT_TRUE(Send(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&oldest)));
  // Reading a tool that is not there, or through a bad record, fails.
  TOOLINFOA missing = Info(9);
  EXPECT_FALSE(Send(TTM_GETTOOLINFO, 0, reinterpret_cast<LPARAM>(&missing)));
  EXPECT_FALSE(Send(TTM_GETTOOLINFO, 0, reinterpret_cast<LPARAM>(&tooSmall)));
  // A text given as a resource number leaves the tool's text as it was.
  resourceText.uId = 8;
  Send(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&resourceText));
  char text[80];
  oldest.lpszText = text;
  ASSERT_TRUE(Send(TTM_GETTOOLINFO, 0, reinterpret_cast<LPARAM>(&oldest)));
  EXPECT_STREQ(text, "Old");
}

TEST_F(ToolTips, TitlesOfAtMost100CharactersAndTheFourIconsAreTaken) {
  ShowFirstTip();
  const String longest(100, 't');
  EXPECT_TRUE(Send(TTM_SETTITLE, TTI_ERROR, reinterpret_cast<LPARAM>(longest.c_str())));
  const TRect titled = TipRect();
  const String tooLong(101, 't');
  EXPECT_FALSE(Send(TTM_SETTITLE, TTI_INFO, reinterpret_cast<LPARAM>(tooLong.c_str())));
  EXPECT_FALSE(Send(TTM_SETTITLE, TTI_ERROR + 1, reinterpret_cast<LPARAM>("Title")));
  EXPECT_FALSE(Send(TTM_SETTITLE, TTI_INFO, 0));
  EXPECT_EQ(TipRect(), titled) << "the title and its icon as they were";
  // 100 characters of two bytes each count as 100.
  String accented;
  for (int i = 0; i < 100; ++i) accented += "\xC3\xA9";
  EXPECT_TRUE(Send(TTM_SETTITLE, TTI_WARNING, reinterpret_cast<LPARAM>(accented.c_str())));
}

}  // namespace
}  // namespace plat::testing
