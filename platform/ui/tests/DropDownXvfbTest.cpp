// The combo box's list and the date-time picker's calendar through the SDL
// display on a private X server, driven by input the server makes itself
// (xdotool's XTEST): a drop-down shows without taking the activation or the
// server's keyboard focus from its form, holds the pointer while it shows,
// takes a click on an item and closes on a click outside, which goes no
// further. Skipped when Xvfb or xdotool is missing.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/gdi/Bitmap.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/TCustomComboBox.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TForm.h"
#include "platform/win/Clock.h"
#include "platform/win/DateTimePicker.h"
#include "platform/win/Display.h"
#include "platform/win/Focus.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Mouse.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowPos.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/XvfbServer.h"
#include "testing/EnvironmentVariable.h"
#include "testing/FormTest.h"
#include "testing/LocaleScope.h"
#include "testing/RunProgram.h"
#include "testing/WaitUntil.h"

namespace plat::testing {
namespace {

using zorbit::testing::TEnvironmentVariable;

constexpr char kXdotool[] = "/usr/bin/xdotool";

bool XdotoolAvailable() { return zorbit::testing::RunProgram({kXdotool, "--version"}).ExitCode == 0; }

class DropDownUnderXvfb : public zorbit::testing::FormTest {
 protected:
  static void SetUpTestSuite() {
    if (!XvfbServer::Available() || !XdotoolAvailable()) return;
    // SDL asks the session bus for an input method; there is none here.
    FNoSessionBus =
        std::make_unique<TEnvironmentVariable>("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zorbit-test-bus");
    FServer = std::make_unique<XvfbServer>();
  }
  static void TearDownTestSuite() {
    FServer.reset();
    FNoSessionBus.reset();
  }

  void SetUp() override {
    if (!FServer) GTEST_SKIP() << "Xvfb or xdotool is not installed";
    FormTest::SetUp();
    SetClock(nullptr);  // the server's events come in real time
    FDisplayVariable.emplace("DISPLAY", FServer->DisplayName());
    FVideoDriver.emplace("SDL_VIDEODRIVER", "x11");
    SetDisplay(CreateSdlDisplay());
    FForm = new TForm(Application);
    FForm->SetBounds(120, 90, 360, 260);
    FOther = new TEdit(FForm);
    FOther->SetParent(FForm);
    FOther->SetBounds(230, 20, 100, 21);  // beside the drop-downs, never under them
    FOther->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { FOtherPressed = true; };
  }

  void TearDown() override {
    if (FServer) FormTest::TearDown();
  }

  // Shows the form and waits until the server gives it the keyboard focus.
  void ShowForm() {
    FForm->Show();
    ASSERT_TRUE(PumpUntil([this] { return FormHoldsTheServersFocus(); }));
  }

  bool FormHoldsTheServersFocus() const {
    RECT bounds;
    GetWindowRect(FForm->Handle(), &bounds);
    const auto state =
        FServer->ShownWindowAt(bounds.Left, bounds.Top, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top);
    return state && state->Focused && GetActiveWindow() == FForm->Handle();
  }

  // The server clicks at a screen point (the pointer moves there first).
  static void Click(TPoint At) { Xdotool({"mousemove", std::to_string(At.X), std::to_string(At.Y), "click", "1"}); }
  static void Press(const char* Key) { Xdotool({"key", Key}); }
  static void Xdotool(std::vector<std::string> Arguments) {
    Arguments.insert(Arguments.begin(), kXdotool);
    ASSERT_EQ(zorbit::testing::RunProgram(Arguments).ExitCode, 0);
  }

  // Runs the queue until Done holds, within the shared bound for a loaded
  // machine (the X server is another process).
  static bool PumpUntil(const std::function<bool()>& Done) {
    const auto deadline = std::chrono::steady_clock::now() + zorbit::testing::kDefaultWait;
    // A timer wakes the wait now and then, so the deadline is seen.
    const UINT_PTR ticker = SetTimer(nullptr, 0, 20, nullptr);
    MSG message;
    bool done = false;
    while (!(done = Done()) && std::chrono::steady_clock::now() < deadline) {
      while (PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessage(&message);
      }
      if ((done = Done())) break;
      WaitMessage();
    }
    KillTimer(nullptr, ticker);
    return done;
  }

  // The native window of a shown drop-down: the server shows it, outside
  // the desktop's management.
  bool ServerShows(HWND Window) const {
    RECT bounds;
    GetWindowRect(Window, &bounds);
    const auto state =
        FServer->ShownWindowAt(bounds.Left, bounds.Top, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top);
    return state && !state->Focused;
  }

  // Where a calendar shows its selection: the highlight below its title
  // (whose rows begin in the caption colour), in client coordinates.
  static TRect HighlightedCell(HWND Calendar) {
    const Bitmap* surface = WindowSurface(Calendar);
    if (!surface) return {};
    RECT client;
    GetClientRect(Calendar, &client);
    const TPoint origin = ClientPointOnScreen(Calendar, {0, 0});
    RECT window;
    GetWindowRect(Calendar, &window);
    const TPoint offset = origin - TPoint{window.Left, window.Top};
    const auto pixel = [&](int x, int y) {
      return ColorRefFromPixel(surface->At(offset.X + x, offset.Y + y)) & 0xFFFFFF;
    };
    TRect cell{client.Right, client.Bottom, 0, 0};
    for (int y = 0; y < client.Bottom; ++y) {
      if (pixel(0, y) == GetSysColor(COLOR_ACTIVECAPTION)) continue;
      for (int x = 0; x < client.Right; ++x)
        if (pixel(x, y) == GetSysColor(COLOR_HIGHLIGHT)) {
          cell.Left = std::min(cell.Left, x);
          cell.Top = std::min(cell.Top, y);
          cell.Right = std::max(cell.Right, x + 1);
          cell.Bottom = std::max(cell.Bottom, y + 1);
        }
    }
    return cell;
  }

  static inline std::unique_ptr<TEnvironmentVariable> FNoSessionBus;
  static inline std::unique_ptr<XvfbServer> FServer;
  std::optional<TEnvironmentVariable> FDisplayVariable;
  std::optional<TEnvironmentVariable> FVideoDriver;
  zorbit::testing::TLocaleScope FLocale{TFormatSettings::English()};
  TForm* FForm = nullptr;
  TEdit* FOther = nullptr;
  bool FOtherPressed = false;
};

TEST_F(DropDownUnderXvfb, TheComboListHoldsThePointerWithoutTakingTheFocus) {
  auto* combo = new TComboBox(FForm);
  combo->SetParent(FForm);
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  combo->SetBounds(20, 20, 150, 21);
  for (const char* item : {"alpha", "beta", "gamma", "delta"}) combo->Items()->Add(item);
  ShowForm();
  Click(combo->ClientToScreen({10, combo->ClientHeight() / 2}));
  ASSERT_TRUE(PumpUntil([&] { return combo->DroppedDown(); }));
  const HWND list = GetCapture();
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(PumpUntil([&] { return ServerShows(list); }));
  EXPECT_TRUE(FormHoldsTheServersFocus());
  EXPECT_TRUE(combo->Focused());
  // A click on the third item takes it.
  RECT shown;
  GetWindowRect(list, &shown);
  Click({shown.Left + 20, shown.Top + 1 + 2 * combo->ItemHeight() + combo->ItemHeight() / 2});
  ASSERT_TRUE(PumpUntil([&] { return !combo->DroppedDown(); }));
  EXPECT_EQ(combo->Text(), "gamma");
  EXPECT_EQ(GetCapture(), nullptr);
  // Dropped by its key, closed by a click elsewhere, which goes no further.
  Press("F4");
  ASSERT_TRUE(PumpUntil([&] { return combo->DroppedDown(); }));
  Click(FOther->ClientToScreen({10, 10}));
  ASSERT_TRUE(PumpUntil([&] { return !combo->DroppedDown(); }));
  EXPECT_EQ(combo->Text(), "gamma");
  EXPECT_FALSE(FOtherPressed);
  EXPECT_TRUE(combo->Focused());
  EXPECT_TRUE(PumpUntil([this] { return FormHoldsTheServersFocus(); }));
}

TEST_F(DropDownUnderXvfb, ThePickersCalendarTakesADayAndClosesOnAClickElsewhere) {
  auto* picker = new TDateTimePicker(FForm);
  picker->SetParent(FForm);
  picker->SetBounds(20, 20, 150, 21);
  picker->SetDateTime(EncodeDate(2024, 3, 5));
  ShowForm();
  Click(picker->ClientToScreen({picker->ClientWidth() - 5, picker->ClientHeight() / 2}));
  ASSERT_TRUE(PumpUntil([&] { return picker->DroppedDown(); }));
  const auto calendar = reinterpret_cast<HWND>(SendMessage(picker->Handle(), DTM_GETMONTHCAL, 0, 0));
  ASSERT_NE(calendar, nullptr);
  EXPECT_EQ(GetCapture(), calendar);
  EXPECT_TRUE(PumpUntil([&] { return ServerShows(calendar); }));
  EXPECT_TRUE(FormHoldsTheServersFocus());
  // A click elsewhere closes it without a change.
  Click(FOther->ClientToScreen({10, 10}));
  ASSERT_TRUE(PumpUntil([&] { return !picker->DroppedDown(); }));
  EXPECT_EQ(picker->DateTime(), EncodeDate(2024, 3, 5));
  EXPECT_FALSE(FOtherPressed);
  // Dropped again by its key: a click on the day after the selected one
  // (the highlighted cell) takes it.
  Press("F4");
  ASSERT_TRUE(PumpUntil([&] { return picker->DroppedDown(); }));
  const auto dropped = reinterpret_cast<HWND>(SendMessage(picker->Handle(), DTM_GETMONTHCAL, 0, 0));
  const TRect fifth = HighlightedCell(dropped);
  ASSERT_GT(fifth.Width(), 0);
  Click(ClientPointOnScreen(dropped, {fifth.Left + fifth.Width() * 3 / 2, fifth.Top + fifth.Height() / 2}));
  ASSERT_TRUE(PumpUntil([&] { return !picker->DroppedDown(); }));
  EXPECT_EQ(picker->DateTime(), EncodeDate(2024, 3, 6));
  EXPECT_TRUE(PumpUntil([this] { return FormHoldsTheServersFocus(); }));
}

}  // namespace
}  // namespace plat::testing
