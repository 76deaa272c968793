// Timers and the caret on the virtual clock.
#include "platform/win/Caret.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Painting.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {
namespace {

class Timers : public WindowTest {
 protected:
  // The ids of the WM_TIMER messages the window got, in order.
  std::vector<UINT_PTR>& CollectTimers(HWND window) {
    Handle(window, WM_TIMER, [this](HWND, UINT, WPARAM id, LPARAM) -> std::optional<LRESULT> {
      FFired.push_back(id);
      return 0;
    });
    return FFired;
  }
  std::vector<UINT_PTR> FFired;
};

TEST_F(Timers, FireInOrderOfTheirDueTimes) {
  HWND w = Make("w", WS_POPUP, Bounds(0, 0, 10, 10));
  auto& fired = CollectTimers(w);
  SetTimer(w, 50, 50, nullptr);
  SetTimer(w, 30, 30, nullptr);
  SetTimer(w, 70, 70, nullptr);
  // Step by step to 100 ms: 30 at 30, 60, 90; 50 at 50, 100; 70 at 70.
  for (int ms = 0; ms < 100; ms += 10) {
    Clock().Advance(10);
    Pump();
  }
  EXPECT_EQ(fired, (std::vector<UINT_PTR>{30, 50, 30, 70, 30, 50}));
  // A long jump does not make up the missed periods: one each, in the order
  // they fell due (30 at 120, 70 at 140, 50 at 150).
  fired.clear();
  Clock().Advance(1000);
  Pump();
  EXPECT_EQ(fired, (std::vector<UINT_PTR>{30, 70, 50}));
}

TEST_F(Timers, ResettingKillingAndDestroyingStopThem) {
  HWND w = Make("w", WS_POPUP, Bounds(0, 0, 10, 10));
  auto& fired = CollectTimers(w);
  EXPECT_NE(SetTimer(w, 1, 100, nullptr), 0u);
  Clock().Advance(60);
  SetTimer(w, 1, 100, nullptr);  // restarted: due 100 from now
  Clock().Advance(60);
  Pump();
  EXPECT_TRUE(fired.empty());
  Clock().Advance(40);
  Pump();
  EXPECT_EQ(fired, (std::vector<UINT_PTR>{1}));
  EXPECT_TRUE(KillTimer(w, 1));
  EXPECT_FALSE(KillTimer(w, 1));
  Clock().Advance(500);
  EXPECT_EQ(Pump(), 0);
  // A window's timers end with it.
  SetTimer(w, 2, 10, nullptr);
  DestroyWindow(w);
  Clock().Advance(500);
  EXPECT_EQ(Pump(), 0);
  EXPECT_EQ(SetTimer(w, 3, 10, nullptr), 0u);  // a stale handle is refused
}

std::vector<UINT_PTR> gProcTimers;
void TimerProc(HWND, UINT message, UINT_PTR id, DWORD) {
  if (message == WM_TIMER) gProcTimers.push_back(id);
}

TEST_F(Timers, ThreadTimersWithProceduresAndTinyIntervals) {
  gProcTimers.clear();
  const UINT_PTR first = SetTimer(nullptr, 0, 0, TimerProc);  // 0 becomes the minimum, 10 ms
  const UINT_PTR second = SetTimer(nullptr, 0, 25, TimerProc);
  ASSERT_NE(first, 0u);
  ASSERT_NE(second, first);
  Clock().Advance(9);
  Pump();
  EXPECT_TRUE(gProcTimers.empty());
  Clock().Advance(16);
  Pump();
  EXPECT_EQ(gProcTimers, (std::vector<UINT_PTR>{first, second}));
  // A made-up timer message is not a way to call an arbitrary address.
  MSG fake{};
  fake.message = WM_TIMER;
  fake.wParam = 12345;
  fake.lParam = reinterpret_cast<LPARAM>(&TimerProc);
  DispatchMessage(&fake);
  EXPECT_EQ(gProcTimers.size(), 2u);
  KillTimer(nullptr, first);
  KillTimer(nullptr, second);
}

TEST_F(Timers, AWaitingLoopJumpsToTheNextTimerOnAnAdvancingClock) {
  HWND w = Make("w", WS_POPUP, Bounds(0, 0, 10, 10));
  auto& fired = CollectTimers(w);
  SetTimer(w, 9, 5000, nullptr);
  Clock().SetAutoAdvance(true);
  const std::int64_t start = Clock().Now();
  MSG msg;
  ASSERT_EQ(GetMessage(&msg, nullptr, 0, 0), 1);
  DispatchMessage(&msg);
  EXPECT_EQ(fired, (std::vector<UINT_PTR>{9}));
  EXPECT_EQ(Clock().Now() - start, 5000);
}

TEST_F(Timers, AStandingClockWithNothingToWakeTheQueueIsAnError) {
  MSG msg;
  EXPECT_THROW(GetMessage(&msg, nullptr, 0, 0), Exception);
}

class CaretTest : public WindowTest {};

TEST_F(CaretTest, BlinksByInvertingItsPixels) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  Pump();
  Fill(w, RGB(255, 255, 255));
  ASSERT_TRUE(CreateCaret(w, nullptr, 2, 12));
  SetCaretPos(10, 20);
  EXPECT_EQ(PixelAt(w, {10, 20}), RGB(255, 255, 255));  // created hidden
  ShowCaret(w);
  EXPECT_EQ(PixelAt(w, {10, 20}), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(w, {11, 31}), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(w, {12, 20}), RGB(255, 255, 255));
  Clock().Advance(GetCaretBlinkTime());
  Clock().SetAutoAdvance(true);
  SetTimer(w, 1, GetCaretBlinkTime() * 2, nullptr);  // something to wait for beyond the blink
  WaitMessage();
  EXPECT_EQ(PixelAt(w, {10, 20}), RGB(255, 255, 255));  // off
  // Hidden while the window paints, back after.
  Clock().SetAutoAdvance(false);
  HideCaret(w);
  ShowCaret(w);
  EXPECT_EQ(PixelAt(w, {10, 20}), RGB(0, 0, 0));
  InvalidateRect(w, nullptr, false);
  COLORREF duringPaint = 0;
  Handle(w, WM_PAINT, [&duringPaint](HWND h, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    PAINTSTRUCT ps;
    BeginPaint(h, &ps);
    duringPaint = PixelAt(h, {10, 20});
    EndPaint(h, &ps);
    return 0;
  });
  Pump();
  EXPECT_EQ(duringPaint, RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(w, {10, 20}), RGB(0, 0, 0));
  // Moving it takes it off its old place.
  SetCaretPos(50, 20);
  EXPECT_EQ(PixelAt(w, {10, 20}), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(w, {50, 20}), RGB(0, 0, 0));
  POINT pos;
  GetCaretPos(&pos);
  EXPECT_EQ(pos, (POINT{50, 20}));
  DestroyCaret();
  EXPECT_EQ(PixelAt(w, {50, 20}), RGB(255, 255, 255));
  EXPECT_FALSE(ShowCaret(w));
  KillTimer(w, 1);
}

TEST_F(CaretTest, GoesWithItsWindow) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  CreateCaret(w, nullptr, 1, 10);
  DestroyWindow(w);
  POINT pos;
  EXPECT_FALSE(GetCaretPos(&pos));
  EXPECT_FALSE(CreateCaret(w, nullptr, 1, 10));
}

}  // namespace
}  // namespace plat::testing
