// The order of the messages in the usual sequences: creating and showing a
// window, clicking, typing while the focus moves, closing; and input that
// gets its turn while posted messages keep coming.
#include <unistd.h>

#include "platform/rtl/ScopeExit.h"
#include "platform/win/Display.h"
#include "platform/win/Focus.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Painting.h"
#include "platform/win/Timers.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/detail/WakeSources.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {
namespace {

class MessageOrder : public WindowTest {
 protected:
  // Every WM_USER the window gets posts the next: the queue never runs dry.
  HWND MakeChain() {
    HWND main = Make("main", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
    Pump();
    Handle(main, WM_USER, [](HWND window, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
      PostMessage(window, WM_USER, 0, 0);
      return 0;
    });
    PostMessage(main, WM_USER, 0, 0);
    return main;
  }
};

TEST_F(MessageOrder, CreateThenShowSizesActivatesAndPaints) {
  HWND main = Make("main", WS_OVERLAPPEDWINDOW, Bounds(100, 100, 300, 200));
  EXPECT_EQ(Take(), (Log{"main WM_GETMINMAXINFO", "main WM_NCCREATE", "main WM_NCCALCSIZE", "main WM_CREATE",
                         "main WM_SIZE", "main WM_MOVE"}));

  ShowWindow(main, SW_SHOW);
  EXPECT_EQ(Take(), (Log{"main WM_SHOWWINDOW", "main WM_WINDOWPOSCHANGING", "main WM_ACTIVATEAPP", "main WM_NCACTIVATE",
                         "main WM_ACTIVATE", "main WM_SETFOCUS", "main WM_NCPAINT", "main WM_ERASEBKGND",
                         "main WM_WINDOWPOSCHANGED"}));
  // The client area is painted once nothing else waits.
  Pump();
  EXPECT_EQ(Take(), (Log{"main WM_PAINT"}));
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(GetFocus(), main);
}

TEST_F(MessageOrder, VisibleChildIsShownWithinCreation) {
  HWND main = Make("main", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 200, 200));
  Pump();
  ClearLog();
  Make("child", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 50), main, 0, 7);
  EXPECT_EQ(Take(), (Log{"child WM_NCCREATE", "child WM_NCCALCSIZE", "child WM_CREATE", "child WM_SIZE",
                         "child WM_MOVE", "main WM_PARENTNOTIFY", "child WM_SHOWWINDOW", "child WM_WINDOWPOSCHANGING",
                         "child WM_NCPAINT", "child WM_ERASEBKGND", "child WM_WINDOWPOSCHANGED"}));
  Pump();
  EXPECT_EQ(Take(), (Log{"child WM_PAINT"}));
}

TEST_F(MessageOrder, ClickOnInactiveWindowActivatesThenDeliversButtons) {
  HWND back = Make("back", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 200, 200));
  HWND front = Make("front", WS_POPUP | WS_VISIBLE, Bounds(300, 0, 200, 200));
  Pump();
  ASSERT_EQ(GetActiveWindow(), front);
  ClearLog();

  InjectClick({50, 50});
  Pump();
  EXPECT_EQ(
      Take({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_MOUSEACTIVATE, WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS,
            WM_SETFOCUS, WM_LBUTTONDOWN, WM_LBUTTONUP}),
      (Log{"back WM_NCHITTEST", "back WM_SETCURSOR", "back WM_MOUSEMOVE",  // the move to the spot
           "back WM_NCHITTEST", "back WM_MOUSEACTIVATE", "front WM_NCACTIVATE", "front WM_ACTIVATE",
           "back WM_NCACTIVATE", "back WM_ACTIVATE", "front WM_KILLFOCUS", "back WM_SETFOCUS", "back WM_SETCURSOR",
           "back WM_LBUTTONDOWN", "back WM_NCHITTEST", "back WM_SETCURSOR", "back WM_LBUTTONUP"}));
  EXPECT_EQ(GetActiveWindow(), back);
  (void)front;
}

TEST_F(MessageOrder, KeyPressMovesFocusAndTypes) {
  HWND main = Make("main", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 200, 200));
  HWND first = Make("first", WS_CHILD | WS_VISIBLE, Bounds(0, 0, 100, 20), main, 0, 1);
  HWND second = Make("second", WS_CHILD | WS_VISIBLE, Bounds(0, 30, 100, 20), main, 0, 2);
  SetFocus(first);
  Pump();
  // Tab moves the focus on its key down, as a dialog would.
  Handle(first, WM_KEYDOWN, [second](HWND, UINT, WPARAM key, LPARAM) -> std::optional<LRESULT> {
    if (key == VK_TAB) SetFocus(second);
    return 0;
  });
  ClearLog();

  InjectKeyPress(VK_TAB);
  InjectText("a");
  Pump();
  EXPECT_EQ(Take({WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_KILLFOCUS, WM_SETFOCUS}),
            (Log{"first WM_KEYDOWN", "first WM_KILLFOCUS", "second WM_SETFOCUS", "first WM_CHAR", "second WM_KEYUP",
                 "second WM_KEYDOWN", "second WM_CHAR", "second WM_KEYUP"}));
}

TEST_F(MessageOrder, CloseRequestDestroysAndDeactivates) {
  HWND main = Make("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(100, 100, 300, 200));
  HWND child = Make("child", WS_CHILD | WS_VISIBLE, Bounds(0, 0, 50, 50), main);
  SetFocus(child);
  Pump();
  ClearLog();

  FeedCloseRequest(main);
  Pump();
  EXPECT_EQ(Take({WM_SYSCOMMAND, WM_CLOSE, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_NCACTIVATE, WM_ACTIVATE,
                  WM_ACTIVATEAPP, WM_KILLFOCUS, WM_DESTROY, WM_NCDESTROY}),
            (Log{"main WM_SYSCOMMAND", "main WM_CLOSE", "main WM_WINDOWPOSCHANGING", "main WM_WINDOWPOSCHANGED",
                 "main WM_NCACTIVATE", "main WM_ACTIVATE", "main WM_ACTIVATEAPP", "child WM_KILLFOCUS",
                 "main WM_DESTROY", "child WM_DESTROY", "child WM_NCDESTROY", "main WM_NCDESTROY"}));
  EXPECT_FALSE(IsWindow(main));
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(MessageOrder, PostedBeforeInputBeforePaintBeforeTimer) {
  HWND main = Make("main", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  Pump();
  SetTimer(main, 1, 10, nullptr);
  Clock().Advance(10);
  InvalidateRect(main, nullptr, false);
  InjectKeyPress('X');
  PostMessage(main, WM_USER, 0, 0);
  ClearLog();
  Pump();
  EXPECT_EQ(Take({WM_USER, WM_KEYDOWN, WM_PAINT, WM_TIMER}),
            (Log{"main WM_USER", "main WM_KEYDOWN", "main WM_PAINT", "main WM_TIMER"}));
}

TEST_F(MessageOrder, MessagesPostedWhilePostedOnesAreHandledLetInputHaveItsTurn) {
  MakeChain();
  InjectKeyPress('X');
  ClearLog();
  PumpAtMost(6);
  EXPECT_EQ(Take({WM_USER, WM_KEYDOWN, WM_CHAR, WM_KEYUP}),
            (Log{"main WM_USER", "main WM_KEYDOWN", "main WM_CHAR", "main WM_USER", "main WM_KEYUP", "main WM_USER"}));
}

TEST_F(MessageOrder, InputADisplayHasReadyJoinsTheQueueWhilePostedMessagesKeepComing) {
  MakeChain();
  // A display whose input arrives on a descriptor: a byte there is a key press.
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  const WakeSourceId source = AddWakeSource(pipeEnds[0], [&pipeEnds] {
    char byte;
    if (read(pipeEnds[0], &byte, 1) != 1) return;
    FeedKey('X', true);
    FeedKey('X', false);
  });
  const ScopeExit closed([&pipeEnds, source] {
    RemoveWakeSource(source);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
  });
  PumpAtMost(1);  // the chain runs
  ASSERT_EQ(write(pipeEnds[1], "k", 1), 1);
  ClearLog();
  PumpAtMost(6);
  EXPECT_EQ(Take({WM_USER, WM_KEYDOWN, WM_KEYUP}),
            (Log{"main WM_USER", "main WM_KEYDOWN", "main WM_USER", "main WM_KEYUP", "main WM_USER"}));
}

}  // namespace
}  // namespace plat::testing
