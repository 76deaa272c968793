// The SDL display on a private X server: what the server shows must be the
// window's backing bitmap, shaped by its region, the pointer moved on the
// server must reach the window, and the active window must hold the
// server's keyboard focus. A balloon tool tip comes and goes with the
// server's pointer, shaped and asking for its translucency.
#include <SDL2/SDL_keyboard.h>
#include <SDL2/SDL_video.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "platform/gdi/Brush.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Shapes.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/CrossProcessWindows.h"
#include "platform/win/LayeredWindows.h"
#include "platform/win/Focus.h"
#include "platform/win/Menus.h"
#include "platform/win/Timers.h"
#include "platform/win/Display.h"
#include "platform/win/Monitors.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/Painting.h"
#include "platform/win/ToolTips.h"
#include "platform/win/detail/WakeSources.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowText.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/XvfbServer.h"
#include "testing/EnvironmentVariable.h"

namespace plat {
namespace {

using testing::XvfbServer;
using zorbit::testing::TEnvironmentVariable;

// Paints four coloured bands and a dark diagonal, so that misplaced or
// mis-ordered pixels show; records the last mouse position it was told.
TPoint gLastMouse{-1, -1};

LRESULT ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      const COLORREF colours[] = {0x2040E0, 0x30C060, 0xE08020, 0xC0C0C0};
      for (int band = 0; band < 4; ++band) {
        RECT part{client.Left, band * client.Bottom / 4, client.Right, (band + 1) * client.Bottom / 4};
        HBRUSH brush = CreateSolidBrush(colours[band]);
        FillRect(dc, &part, brush);
        DeleteObject(brush);
      }
      for (int i = 0; i < std::min(client.Right, client.Bottom); ++i) SetPixel(dc, i, i, 0x101010);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_MOUSEMOVE: gLastMouse = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; return 0;
    case WM_CREATE:
      // Asked for in the window's text: shaped while it is being made.
      if (WindowText(window) == "shaped at creation") SetWindowRgn(window, CreateEllipticRgn(0, 0, 150, 110), false);
      return 0;
    default: return DefWindowProc(window, message, wParam, lParam);
  }
}

class SdlDisplayUnderXvfb : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!XvfbServer::Available()) return;
    // SDL looks for an input method on the session bus. The test's desktop
    // has none: a bus that cannot be there keeps libdbus from trying to
    // launch one (and from the allocation it loses when that fails).
    FNoSessionBus =
        std::make_unique<TEnvironmentVariable>("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zorbit-test-bus");
    FServer = std::make_unique<XvfbServer>();
    WNDCLASSA windowClass;
    windowClass.lpfnWndProc = ProbeProc;
    windowClass.lpszClassName = "TSdlProbe";
    RegisterClassA(&windowClass);
  }
  static void TearDownTestSuite() {
    FServer.reset();
    FNoSessionBus.reset();
  }

  void SetUp() override {
    if (!FServer) GTEST_SKIP() << "Xvfb is not installed";
    FDisplayVariable.emplace("DISPLAY", FServer->DisplayName());
    FVideoDriver.emplace("SDL_VIDEODRIVER", "x11");
    SetDisplay(CreateSdlDisplay());
    ASSERT_STREQ(CurrentDisplay().Name(), "sdl");
  }
  void TearDown() override {
    if (FWindow != nullptr) DestroyWindow(FWindow);
    if (FServer) SetDisplay(CreateHeadlessDisplay());
  }

  void OpenProbe(int x, int y, int width, int height, const char* text = "SDL probe") {
    FWindow = CreateWindowExA(0, "TSdlProbe", text, WS_POPUP, x, y, width, height, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(FWindow, nullptr);
    ShowWindow(FWindow, SW_SHOW);
    UpdateWindow(FWindow);
  }

  // Runs the message loop (without blocking on it) until done() holds or
  // the time runs out.
  static bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    MSG message;
    while (std::chrono::steady_clock::now() < deadline) {
      while (PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessage(&message);
      }
      if (done()) return true;
      PollWakeSources(20);
    }
    return done();
  }

  // Whether the screen shows the window's bitmap at its place: every pixel
  // inside the region (all when none) equal, every pixel outside the root's
  // black.
  bool ScreenShowsWindow(const TRect& bounds, const Region* region) const {
    const Bitmap* surface = WindowSurface(FWindow);
    if (surface == nullptr) return false;
    const std::vector<std::uint32_t> screen = FServer->Grab(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    if (screen.size() != static_cast<std::size_t>(bounds.Width() * bounds.Height())) return false;
    for (int y = 0; y < bounds.Height(); ++y)
      for (int x = 0; x < bounds.Width(); ++x) {
        const bool inside = region == nullptr || region->Contains({x, y});
        const std::uint32_t expected = inside ? (surface->At(x, y) & 0xFFFFFF) : 0;
        if (screen[static_cast<std::size_t>(y * bounds.Width() + x)] != expected) return false;
      }
    return true;
  }

  static inline std::unique_ptr<TEnvironmentVariable> FNoSessionBus;
  static inline std::unique_ptr<XvfbServer> FServer;
  std::optional<TEnvironmentVariable> FDisplayVariable;
  std::optional<TEnvironmentVariable> FVideoDriver;
  HWND FWindow = nullptr;
};

TEST_F(SdlDisplayUnderXvfb, TheServerShowsTheBackingBitmapWhereverTheWindowGoes) {
  OpenProbe(40, 30, 160, 120);
  const TRect first{40, 30, 200, 150};
  EXPECT_TRUE(PumpUntil([&] { return ScreenShowsWindow(first, nullptr); }));

  MoveWindow(FWindow, 300, 200, 220, 100, true);
  const TRect moved{300, 200, 520, 300};
  EXPECT_TRUE(PumpUntil([&] { return ScreenShowsWindow(moved, nullptr); }));
  const Bitmap* surface = WindowSurface(FWindow);
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(surface->Width(), 220);
  // The old place is bare root again.
  const auto old = FServer->Grab(40, 30, 10, 10);
  EXPECT_EQ(std::count(old.begin(), old.end(), 0u), 100);
}

TEST_F(SdlDisplayUnderXvfb, TheServersScreenIsTheOneMonitor) {
  const std::vector<MonitorArea> monitors = CurrentDisplay().Monitors();
  ASSERT_EQ(monitors.size(), 1u);
  EXPECT_EQ(monitors[0].Bounds, (TRect{0, 0, 1024, 768}));
  EXPECT_TRUE(monitors[0].Bounds.Contains(monitors[0].WorkArea));
  EXPECT_EQ(monitors[0].WorkArea, CurrentDisplay().WorkArea());
  MONITORINFO info;
  ASSERT_TRUE(GetMonitorInfo(MonitorFromPoint({5000, 5000}, MONITOR_DEFAULTTONEAREST), &info));
  EXPECT_EQ(info.rcMonitor, monitors[0].Bounds);
  EXPECT_EQ(info.dwFlags, MONITORINFOF_PRIMARY);
}

TEST_F(SdlDisplayUnderXvfb, TheWindowRegionShapesTheNativeWindow) {
  OpenProbe(100, 80, 150, 110);
  const Region ellipse = Region::Ellipse({0, 0, 150, 110});
  SetWindowRgn(FWindow, CreateEllipticRgn(0, 0, 150, 110), true);
  EXPECT_TRUE(PumpUntil([&] { return ScreenShowsWindow({100, 80, 250, 190}, &ellipse); }));
}

TEST_F(SdlDisplayUnderXvfb, ARegionGivenWhileTheWindowIsMadeShapesItToo) {
  OpenProbe(100, 80, 150, 110, "shaped at creation");
  const Region ellipse = Region::Ellipse({0, 0, 150, 110});
  EXPECT_TRUE(PumpUntil([&] { return ScreenShowsWindow({100, 80, 250, 190}, &ellipse); }));
}

TEST_F(SdlDisplayUnderXvfb, ThePointerOnTheServerReachesTheWindow) {
  OpenProbe(60, 50, 120, 90);
  ASSERT_TRUE(PumpUntil([&] { return ScreenShowsWindow({60, 50, 180, 140}, nullptr); }));
  gLastMouse = {-1, -1};
  FServer->MovePointer(60 + 25, 50 + 40);
  EXPECT_TRUE(PumpUntil([] { return gLastMouse == TPoint{25, 40}; }));
  FServer->MovePointer(60 + 100, 50 + 7);
  EXPECT_TRUE(PumpUntil([] { return gLastMouse == TPoint{100, 7}; }));
}

TEST_F(SdlDisplayUnderXvfb, AHintIsANativePopupThatTakesNoFocus) {
  OpenProbe(50, 50, 300, 200);
  SetForegroundWindow(FWindow);
  ASSERT_TRUE(PumpUntil([] { return SDL_GetKeyboardFocus() != nullptr; }));
  HWND hint = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, "TSdlProbe", "hint",
                              WS_POPUP | WS_BORDER, 120, 100, 80, 30, FWindow, nullptr, nullptr, nullptr);
  ASSERT_NE(hint, nullptr);
  ShowWindow(hint, SW_SHOWNOACTIVATE);
  std::optional<XvfbServer::NativeWindowState> shown;
  EXPECT_TRUE(PumpUntil([&] { return (shown = FServer->ShownWindowAt(120, 100, 80, 30)).has_value(); }));
  // The desktop neither manages nor focuses it: the keyboard stays with the
  // form, which stays active.
  EXPECT_TRUE(shown && shown->OverrideRedirect);
  EXPECT_TRUE(shown && !shown->Focused);
  EXPECT_TRUE(PumpUntil([] {
    SDL_Window* focused = SDL_GetKeyboardFocus();
    return focused != nullptr && String(SDL_GetWindowTitle(focused)) == "SDL probe";
  }));
  EXPECT_EQ(GetActiveWindow(), FWindow);
  DestroyWindow(hint);
}

TEST_F(SdlDisplayUnderXvfb, ABalloonTipComesWithTheServersPointerShapedAndTranslucentAndGoesWithIt) {
  OpenProbe(50, 50, 300, 200);
  SetForegroundWindow(FWindow);
  ASSERT_TRUE(PumpUntil([this] { return ScreenShowsWindow({50, 50, 350, 250}, nullptr); }));
  HWND tip = CreateWindowExA(0, TOOLTIPS_CLASS, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_BALLOON, 0, 0, 0, 0, FWindow,
                             nullptr, nullptr, nullptr);
  ASSERT_NE(tip, nullptr);
  TOOLINFOA tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = FWindow;
  tool.uId = reinterpret_cast<UINT_PTR>(FWindow);
  tool.lpszText = const_cast<char*>("A balloon on the X server");
  ASSERT_TRUE(SendMessageA(tip, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&tool)));
  SendMessageA(tip, TTM_SETDELAYTIME, TTDT_INITIAL, 50);
  SetWindowLongPtrA(tip, GWL_EXSTYLE, GetWindowLongPtrA(tip, GWL_EXSTYLE) | WS_EX_LAYERED);
  ASSERT_TRUE(SetLayeredWindowAttributes(tip, 0, 204, LWA_ALPHA));

  FServer->MovePointer(150, 110);
  ASSERT_TRUE(PumpUntil([tip] { return IsWindowVisible(tip) != FALSE; }, 20000));
  RECT r;
  GetWindowRect(tip, &r);
  EXPECT_EQ(r.Top, 110);  // the stem's tip on the pointer
  std::optional<XvfbServer::NativeWindowState> shown;
  EXPECT_TRUE(PumpUntil([&] { return (shown = FServer->ShownWindowAt(r.Left, r.Top, r.Width(), r.Height())).has_value(); }));
  EXPECT_TRUE(shown && shown->OverrideRedirect && !shown->Focused);
  ASSERT_TRUE(shown && shown->Opacity);
  EXPECT_NEAR(*shown->Opacity / 4294967295.0, 204 / 255.0, 1e-6);
  // The server shows the balloon inside its shape and the form around it.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(tip, region), COMPLEXREGION);
  const auto shaped = [&] {
    const Bitmap* balloon = WindowSurface(tip);
    const Bitmap* form = WindowSurface(FWindow);
    const std::vector<std::uint32_t> screen = FServer->Grab(r.Left, r.Top, r.Width(), r.Height());
    if (!balloon || !form || screen.size() != static_cast<std::size_t>(r.Width() * r.Height())) return false;
    for (int y = 0; y < r.Height(); ++y)
      for (int x = 0; x < r.Width(); ++x) {
        const bool inside = PtInRegion(region, x, y);
        const std::uint32_t expected =
            (inside ? balloon->At(x, y) : form->At(r.Left + x - 50, r.Top + y - 50)) & 0xFFFFFF;
        if (screen[static_cast<std::size_t>(y * r.Width() + x)] != expected) return false;
      }
    return true;
  };
  EXPECT_TRUE(PumpUntil(shaped));
  DeleteObject(region);

  // Off the form, the tip goes.
  FServer->MovePointer(900, 700);
  EXPECT_TRUE(PumpUntil([tip] { return IsWindowVisible(tip) == FALSE; }, 20000));
  DestroyWindow(tip);
}

TEST_F(SdlDisplayUnderXvfb, AnOwnerWhoseModalPopupWentHasTheServersKeyboardAgain) {
  OpenProbe(50, 50, 300, 200);
  const auto focused = [this](int x, int y, int width, int height) {
    const std::optional<XvfbServer::NativeWindowState> shown = FServer->ShownWindowAt(x, y, width, height);
    return shown && shown->Focused;
  };
  ASSERT_TRUE(PumpUntil([&] { return focused(50, 50, 300, 200); }));
  HWND popup =
      CreateWindowExA(0, "TSdlProbe", "popup", WS_POPUP, 100, 100, 120, 80, FWindow, nullptr, nullptr, nullptr);
  EnableWindow(FWindow, false);
  ShowWindow(popup, SW_SHOW);
  ASSERT_TRUE(PumpUntil([&] { return focused(100, 100, 120, 80); }));
  // The run ends as a form library may end it: the popup hidden while its
  // owner is still disabled (the server's keyboard then goes to no window),
  // the owner enabled and activated.
  ShowWindow(popup, SW_HIDE);
  EnableWindow(FWindow, true);
  SetActiveWindow(FWindow);
  EXPECT_TRUE(PumpUntil([&] { return focused(50, 50, 300, 200); }));
  EXPECT_EQ(GetActiveWindow(), FWindow);
  DestroyWindow(popup);
}

// What a menu loop under the SDL display saw, told by a timer that runs
// inside the loop (the loop blocks the test until the menu ends).
struct MenuWatch {
  XvfbServer* Server = nullptr;
  HWND Form = nullptr;
  HMENU Menu = nullptr;
  std::chrono::steady_clock::time_point Deadline;
  HWND MenuWindow = nullptr;
  std::optional<XvfbServer::NativeWindowState> Shown;
  HWND ActiveWhileOpen = nullptr;
  String KeyboardFocusWhileOpen;
  bool AboveForm = false;
  bool Clicked = false;
  bool TimedOut = false;
};
MenuWatch gMenuWatch;

void WatchMenu(HWND, UINT, UINT_PTR, DWORD) {
  MenuWatch& w = gMenuWatch;
  if (std::chrono::steady_clock::now() > w.Deadline) {
    w.TimedOut = true;
    EndMenu();
    return;
  }
  if (w.Clicked) return;
  w.MenuWindow = FindWindowA(MenuWindowClass, nullptr);
  RECT r;
  if (!w.MenuWindow || !GetWindowRect(w.MenuWindow, &r)) return;
  w.Shown = w.Server->ShownWindowAt(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
  SDL_Window* focused = SDL_GetKeyboardFocus();
  if (!w.Shown || focused == nullptr) return;
  w.ActiveWhileOpen = GetActiveWindow();
  w.KeyboardFocusWhileOpen = SDL_GetWindowTitle(focused);
  for (HWND h = GetWindow(w.MenuWindow, GW_HWNDNEXT); h; h = GetWindow(h, GW_HWNDNEXT)) w.AboveForm |= h == w.Form;
  // On the form's native window, away from the menu.
  w.Server->Click(70, 300);
  w.Clicked = true;
}

TEST_F(SdlDisplayUnderXvfb, AMenuIsANativePopupAboveItsActiveFormAndAClickOutsideEndsIt) {
  OpenProbe(50, 50, 400, 300);
  SetForegroundWindow(FWindow);
  ASSERT_TRUE(PumpUntil([] { return SDL_GetKeyboardFocus() != nullptr; }));
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 1, "&One");
  AppendMenuA(menu, MF_STRING, 2, "&Two");
  gMenuWatch = MenuWatch();
  gMenuWatch.Server = FServer.get();
  gMenuWatch.Form = FWindow;
  gMenuWatch.Menu = menu;
  gMenuWatch.Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, WatchMenu);
  const BOOL chosen = TrackPopupMenu(menu, TPM_RETURNCMD, 200, 150, 0, FWindow, nullptr);
  KillTimer(nullptr, timer);
  const MenuWatch& seen = gMenuWatch;
  EXPECT_FALSE(seen.TimedOut);
  EXPECT_TRUE(seen.Clicked);
  EXPECT_EQ(chosen, 0);  // dismissed
  EXPECT_TRUE(seen.Shown && seen.Shown->OverrideRedirect);
  EXPECT_TRUE(seen.Shown && !seen.Shown->Focused);
  EXPECT_TRUE(seen.AboveForm);
  EXPECT_EQ(seen.ActiveWhileOpen, FWindow);
  EXPECT_EQ(seen.KeyboardFocusWhileOpen, "SDL probe");
  EXPECT_FALSE(IsWindow(seen.MenuWindow));
  EXPECT_EQ(GetActiveWindow(), FWindow);
  DestroyMenu(menu);
}

TEST_F(SdlDisplayUnderXvfb, PlainTextGoesBothWaysThroughTheDesktopClipboard) {
  OpenProbe(0, 0, 40, 40);  // the clipboard lives with a native window
  Display& display = CurrentDisplay();
  EXPECT_EQ(display.DesktopClipboardText(), std::nullopt);  // nobody has set any

  display.ClipboardTextChanged("Zorbit \xC3\xA4 text");
  EXPECT_EQ(display.DesktopClipboardText(), std::nullopt);  // our own, not the desktop's
  FServer->RequestClipboardText();
  std::optional<std::string> seen;
  EXPECT_TRUE(PumpUntil([&] { return (seen = FServer->ClipboardTextArrived()).has_value(); }));
  EXPECT_EQ(seen, "Zorbit \xC3\xA4 text");

  FServer->OfferClipboardText("from another program");
  EXPECT_EQ(display.DesktopClipboardText(), "from another program");
}

}  // namespace
}  // namespace plat
