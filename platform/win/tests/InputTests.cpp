// Input: mouse capture, leave tracking, double clicks, the wheel, cursors,
// key messages and their bits, characters, key state and the key map.
#include <functional>

#include "platform/win/Cursors.h"
#include "platform/win/Focus.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Mouse.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {
namespace {

class Input : public WindowTest {
 protected:
  // Records the last message of a kind a window got.
  MSG& Watch(HWND window, UINT message) {
    auto slot = std::make_shared<MSG>();
    FWatched.push_back(slot);
    Handle(window, message, [slot](HWND h, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
      *slot = MSG{h, m, w, l, 0, {}};
      return std::nullopt;
    });
    return *slot;
  }
  std::vector<std::shared_ptr<MSG>> FWatched;

  static void TrackLeave(HWND window) {
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = window;
    TrackMouseEvent(&track);
  }
  static HWND TrackedWindow() {
    TRACKMOUSEEVENT query;
    query.dwFlags = TME_QUERY;
    TrackMouseEvent(&query);
    return query.hwndTrack;
  }
};

TEST_F(Input, CaptureKeepsMouseMessagesOnTheCapturingWindow) {
  HWND left = Make("left", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  HWND right = Make("right", WS_POPUP | WS_VISIBLE, Bounds(200, 0, 100, 100));
  Pump();
  const MSG& move = Watch(left, WM_MOUSEMOVE);
  SetCapture(left);
  EXPECT_EQ(GetCapture(), left);
  ClearLog();
  InjectMouseMove({250, 50});  // over the right window, outside the left one
  InjectMouseUp({250, 50});
  Pump();
  EXPECT_EQ(Take({WM_MOUSEMOVE, WM_LBUTTONUP, WM_SETCURSOR}), (Log{"left WM_MOUSEMOVE", "left WM_LBUTTONUP"}));
  EXPECT_EQ(GET_X_LPARAM(move.lParam), 250);  // client coordinates of the capturing window
  // A new holder: the old one hears of it.
  SetCapture(right);
  EXPECT_EQ(Take({WM_CAPTURECHANGED}), (Log{"left WM_CAPTURECHANGED"}));
  ReleaseCapture();
  EXPECT_EQ(Take({WM_CAPTURECHANGED}), (Log{"right WM_CAPTURECHANGED"}));
  EXPECT_EQ(GetCapture(), nullptr);
  InjectMouseMove({50, 50});
  Pump();
  EXPECT_EQ(Take({WM_MOUSEMOVE}), (Log{"left WM_MOUSEMOVE"}));
}

TEST_F(Input, MouseLeaveComesOnceWhenThePointerLeaves) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE | WS_BORDER, Bounds(0, 0, 100, 100));
  HWND other = Make("other", WS_POPUP | WS_VISIBLE, Bounds(200, 0, 100, 100));
  InjectMouseMove({50, 50});
  Pump();
  TRACKMOUSEEVENT track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = w;
  ASSERT_TRUE(TrackMouseEvent(&track));
  TRACKMOUSEEVENT query;
  query.dwFlags = TME_QUERY;
  TrackMouseEvent(&query);
  EXPECT_EQ(query.hwndTrack, w);
  EXPECT_EQ(query.dwFlags, TME_LEAVE);
  ClearLog();
  InjectMouseMove({60, 60});   // still inside
  InjectMouseMove({0, 0});     // onto the border: out of the client area
  InjectMouseMove({250, 50});  // elsewhere
  Pump();
  EXPECT_EQ(Take({WM_MOUSELEAVE}), (Log{"w WM_MOUSELEAVE"}));
  // Tracking a window the pointer is not over reports the leave at once.
  track.hwndTrack = w;
  TrackMouseEvent(&track);
  Pump();
  EXPECT_EQ(Take({WM_MOUSELEAVE}), (Log{"w WM_MOUSELEAVE"}));
  // Leaving every window of the program (the desktop's pointer went elsewhere).
  InjectMouseMove({250, 50});
  Pump();
  track.hwndTrack = other;
  TrackMouseEvent(&track);
  FeedMouseExit();
  Pump();
  EXPECT_EQ(Take({WM_MOUSELEAVE}), (Log{"other WM_MOUSELEAVE"}));
}

// The ways the pointer leaves a window's client area: w lies at (0, 0, 100,
// 100) with a border, "other" at (200, 0, 100, 100); the pointer was at (50, 50).
struct LeaveCase {
  const char* Name;
  std::function<void()> Leave;
};

class LeaveHandler : public Input, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeaveHandler, TrackingAgainHearsOfNoSecondLeave) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE | WS_BORDER, Bounds(0, 0, 100, 100));
  Make("other", WS_POPUP | WS_VISIBLE, Bounds(200, 0, 100, 100));
  InjectMouseMove({50, 50});
  Pump();
  // As a control library does: whoever hears of a leave asks for the next one.
  Handle(w, WM_MOUSELEAVE, [](HWND window, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    TrackLeave(window);
    return 0;
  });
  TrackLeave(w);
  ClearLog();

  GetParam().Leave();
  PumpAtMost(50);
  EXPECT_EQ(Take({WM_MOUSELEAVE}), (Log{"w WM_MOUSELEAVE"}));
  MSG msg;
  EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(TrackedWindow(), nullptr);

  // Back over it, it is tracked again, and hears of the next leave.
  InjectMouseMove({50, 50});
  Pump();
  TrackLeave(w);
  EXPECT_EQ(TrackedWindow(), w);
  InjectMouseMove({250, 50});
  PumpAtMost(50);
  EXPECT_EQ(Take({WM_MOUSELEAVE}), (Log{"w WM_MOUSELEAVE"}));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ways, LeaveHandler, ::testing::Values(
    LeaveCase{"OntoTheBorder",      [] { InjectMouseMove({0, 0}); }},
    LeaveCase{"OntoAnotherWindow",  [] { InjectMouseMove({250, 50}); }},
    LeaveCase{"OntoTheBareDesktop", [] { InjectMouseMove({600, 400}); }},
    // The display tells no point: the last one seen lies inside w.
    LeaveCase{"OutOfEveryWindow",   [] { FeedMouseExit(); }}),
    [](const ::testing::TestParamInfo<LeaveCase>& test) { return std::string(test.param.Name); });
// clang-format on

TEST_F(Input, OnceThePointerLeftEveryWindowTrackingReportsTheLeaveAndArmsNothing) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  InjectMouseMove({50, 50});
  FeedMouseExit();
  Pump();
  ClearLog();
  // The last point seen lies inside w, but the pointer is elsewhere.
  TrackLeave(w);
  EXPECT_EQ(TrackedWindow(), nullptr);
  Pump();
  EXPECT_EQ(Take({WM_MOUSELEAVE}), (Log{"w WM_MOUSELEAVE"}));
  // Seen over w again, it is tracked.
  InjectMouseMove({50, 50});
  Pump();
  TrackLeave(w);
  EXPECT_EQ(TrackedWindow(), w);
}

TEST_F(Input, AClickIntoAnInactiveWindowActivatesItAndGivesItTheKeyboard) {
  HWND back = Make("back", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 200, 200));
  HWND front = Make("front", WS_POPUP | WS_VISIBLE, Bounds(300, 0, 200, 200));
  Pump();
  ASSERT_EQ(Display().KeyboardWindow(), front);
  InjectClick({50, 50});
  Pump();
  EXPECT_EQ(GetActiveWindow(), back);
  EXPECT_EQ(GetFocus(), back);
  EXPECT_EQ(Display().KeyboardWindow(), back);
}

// Where a click goes once the desktop moved its keyboard focus to no window
// of ours while the program stayed active: into the active window, or into
// its owner, disabled for it.
struct KeyboardBackCase {
  const char* Name;
  TPoint Click;
};

class KeyboardBack : public Input, public ::testing::WithParamInterface<KeyboardBackCase> {};

TEST_P(KeyboardBack, AClickGivesTheActiveWindowTheKeyboardAgain) {
  HWND owner = Make("owner", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 300, 300));
  HWND modal = Make("modal", WS_POPUP, Bounds(50, 50, 100, 100), owner);
  EnableWindow(owner, false);
  ShowWindow(modal, SW_SHOW);
  Pump();
  ASSERT_EQ(GetActiveWindow(), modal);
  Display().WindowActivated(nullptr);  // as the desktop does when the focused window goes
  InjectClick(GetParam().Click);
  Pump();
  EXPECT_EQ(GetActiveWindow(), modal);
  EXPECT_EQ(Display().KeyboardWindow(), modal);
}

INSTANTIATE_TEST_SUITE_P(Targets, KeyboardBack,
                         ::testing::Values(KeyboardBackCase{"TheActiveWindow", {100, 100}},
                                           KeyboardBackCase{"ItsDisabledOwner", {250, 250}}),
                         [](const ::testing::TestParamInfo<KeyboardBackCase>& test) {
                           return std::string(test.param.Name);
                         });

TEST_F(Input, HoverComesAfterTheHoverTimeOnTheClock) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  InjectMouseMove({50, 50});
  Pump();
  TRACKMOUSEEVENT track;
  track.dwFlags = TME_HOVER;
  track.hwndTrack = w;
  track.dwHoverTime = 300;
  TrackMouseEvent(&track);
  ClearLog();
  Clock().Advance(299);
  Pump();
  MSG msg;
  EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
  Clock().SetAutoAdvance(true);  // let the wait jump to the hover time
  WaitMessage();
  Pump();
  EXPECT_EQ(Take({WM_MOUSEHOVER}), (Log{"w WM_MOUSEHOVER"}));
}

TEST_F(Input, DoubleClicksNeedTheClassStyleAndTheTime) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));  // class has CS_DBLCLKS
  Pump();
  ClearLog();
  InjectDoubleClick({50, 50});
  Pump();
  EXPECT_EQ(Take({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}), (Log{"w WM_LBUTTONDOWN", "w WM_LBUTTONDBLCLK"}));
  // Too slow: two single clicks.
  Clock().Advance(1000);
  InjectClick({50, 50});
  Clock().Advance(GetDoubleClickTime() + 1);
  Pump();
  InjectClick({50, 50});
  Pump();
  EXPECT_EQ(Take({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}), (Log{"w WM_LBUTTONDOWN", "w WM_LBUTTONDOWN"}));
  // Too far apart: two single clicks.
  Clock().Advance(1000);
  InjectClick({50, 50});
  InjectClick({58, 50});
  Pump();
  EXPECT_EQ(Take({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}), (Log{"w WM_LBUTTONDOWN", "w WM_LBUTTONDOWN"}));
  // A class without CS_DBLCLKS never gets them.
  SetClassLongPtr(w, GCL_STYLE, 0);
  Clock().Advance(1000);
  InjectDoubleClick({50, 50});
  Pump();
  EXPECT_EQ(Take({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}), (Log{"w WM_LBUTTONDOWN", "w WM_LBUTTONDOWN"}));
  SetClassLongPtr(w, GCL_STYLE, CS_DBLCLKS);
}

TEST_F(Input, MouseMessagesCarryKeyFlagsAndClientPositions) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, Bounds(100, 100, 100, 100));
  Pump();
  const MSG& down = Watch(w, WM_RBUTTONDOWN);
  InjectKeyDown(VK_SHIFT);
  InjectMouseDown({110, 120}, MouseButton::Right);
  InjectMouseUp({110, 120}, MouseButton::Right);
  InjectKeyUp(VK_SHIFT);
  Pump();
  EXPECT_EQ(down.wParam, MK_RBUTTON | MK_SHIFT);
  EXPECT_EQ(GET_X_LPARAM(down.lParam), 10);
  EXPECT_EQ(GET_Y_LPARAM(down.lParam), 20);
}

TEST_F(Input, WheelGoesToTheFocusAndUpToParents) {
  HWND parent = Make("parent", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 200, 200));
  HWND child = Make("child", WS_CHILD | WS_VISIBLE, Bounds(0, 0, 50, 50), parent);
  SetFocus(child);
  const MSG& wheel = Watch(parent, WM_MOUSEWHEEL);
  ClearLog();
  InjectWheel({150, 150}, -WHEEL_DELTA);  // over the parent, but the child has the focus
  Pump();
  EXPECT_EQ(Take({WM_MOUSEWHEEL}), (Log{"child WM_MOUSEWHEEL", "parent WM_MOUSEWHEEL"}));
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheel.wParam), -WHEEL_DELTA);
  EXPECT_EQ(GET_X_LPARAM(wheel.lParam), 150);  // screen coordinates
}

TEST_F(Input, CursorComesFromTheClassOrTheFrame) {
  HWND w = Make("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(100, 100, 300, 200));
  Pump();
  InjectMouseMove({250, 200});
  Pump();
  EXPECT_EQ(Display().Cursor(), LoadCursor(nullptr, IDC_ARROW));
  InjectMouseMove({101, 200});
  Pump();
  EXPECT_EQ(Display().Cursor(), LoadCursor(nullptr, IDC_SIZEWE));
  // A procedure that sets its own keeps it.
  Handle(w, WM_SETCURSOR, [](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    return TRUE;
  });
  InjectMouseMove({250, 200});
  Pump();
  EXPECT_EQ(Display().Cursor(), LoadCursor(nullptr, IDC_HAND));
  ShowCursor(false);
  EXPECT_EQ(Display().Cursor(), nullptr);
  ShowCursor(true);
  EXPECT_EQ(Display().Cursor(), LoadCursor(nullptr, IDC_HAND));
}

TEST_F(Input, StandardCursorsHavePictures) {
  for (const char* id : {IDC_ARROW, IDC_IBEAM, IDC_WAIT, IDC_CROSS, IDC_UPARROW, IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZEWE,
                         IDC_SIZENS, IDC_SIZEALL, IDC_NO, IDC_HAND, IDC_APPSTARTING, IDC_HELP}) {
    const CursorPicture p = GetCursorPicture(LoadCursor(nullptr, id));
    ASSERT_NE(p.Color, nullptr);
    ASSERT_NE(p.Mask, nullptr);
    // The hot spot lies on a drawn (not see-through) pixel.
    EXPECT_EQ(p.Mask->At(p.HotSpot.X, p.HotSpot.Y), 0u) << reinterpret_cast<std::uintptr_t>(id);
  }
  EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(1)), nullptr);
  EXPECT_EQ(GetCursorPicture(reinterpret_cast<HCURSOR>(&Display())).Color, nullptr);
}

struct KeyBitsCase {
  const char* name;
  std::vector<UINT> held;
  UINT key;
  UINT message;
  WPARAM vk;
  LPARAM bits;  // lParam without the repeat count
};

class KeyBits : public Input, public ::testing::WithParamInterface<KeyBitsCase> {};

TEST_P(KeyBits, CarryScanCodeAndFlags) {
  const KeyBitsCase& c = GetParam();
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  Pump();
  ASSERT_EQ(GetFocus(), w);
  for (UINT held : c.held) InjectKeyDown(held);
  Pump();
  const MSG& seen = Watch(w, c.message);
  InjectKeyDown(c.key);
  Pump();
  EXPECT_EQ(seen.wParam, c.vk);
  EXPECT_EQ(seen.lParam & ~LPARAM{0xFFFF}, c.bits);
  EXPECT_EQ(seen.lParam & 0xFFFF, 1);
  InjectKeyUp(c.key);
  for (UINT held : c.held) InjectKeyUp(held);
  Pump();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyBits,
    ::testing::Values(
        KeyBitsCase{"Letter", {}, 'A', WM_KEYDOWN, 'A', 0x1E << 16},
        KeyBitsCase{"Arrow", {}, VK_LEFT, WM_KEYDOWN, VK_LEFT, (0x4B << 16) | KF_EXTENDED_BIT},
        KeyBitsCase{"RightCtrl", {}, VK_RCONTROL, WM_KEYDOWN, VK_CONTROL, (0x1D << 16) | KF_EXTENDED_BIT},
        KeyBitsCase{"LeftShift", {}, VK_SHIFT, WM_KEYDOWN, VK_SHIFT, 0x2A << 16},
        KeyBitsCase{"RightShift", {}, VK_RSHIFT, WM_KEYDOWN, VK_SHIFT, 0x36 << 16},
        KeyBitsCase{"Repeat", {'B'}, 'B', WM_KEYDOWN, 'B', (0x30 << 16) | KF_REPEAT_BIT},
        KeyBitsCase{"AltMakesSystemKeys", {VK_MENU}, 'F', WM_SYSKEYDOWN, 'F', (0x21 << 16) | KF_ALTDOWN_BIT},
        KeyBitsCase{"F10IsASystemKey", {}, VK_F10, WM_SYSKEYDOWN, VK_F10, 0x44 << 16},
        KeyBitsCase{"AltWithCtrlIsNot", {VK_CONTROL, VK_MENU}, 'Q', WM_KEYDOWN, 'Q', (0x10 << 16) | KF_ALTDOWN_BIT}),
    [](const ::testing::TestParamInfo<KeyBitsCase>& test) { return std::string(test.param.name); });

TEST_F(Input, KeyUpSetsTheTransitionBits) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  Pump();
  const MSG& up = Watch(w, WM_KEYUP);
  InjectKeyPress(VK_DELETE);
  Pump();
  EXPECT_EQ(static_cast<std::uint32_t>(up.lParam),
            static_cast<std::uint32_t>(1 | (0x53 << 16) | KF_EXTENDED_BIT | KF_REPEAT_BIT | KF_UP_BIT));
}

struct TypingCase {
  const char* name;
  std::vector<UINT> held;
  UINT key;
  std::u16string chars;
};

class Typing : public Input, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(Typing, TranslateMessageMakesUsLayoutCharacters) {
  const TypingCase& c = GetParam();
  HWND w = MakeUnicode("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  Pump();
  std::u16string typed;
  for (UINT m : {WM_CHAR, WM_SYSCHAR})
    Handle(w, m, [&typed](HWND, UINT, WPARAM ch, LPARAM) -> std::optional<LRESULT> {
      typed.push_back(static_cast<char16_t>(ch));
      return 0;
    });
  for (UINT held : c.held) InjectKeyDown(held);
  InjectKeyPress(c.key);
  for (UINT held : c.held) InjectKeyUp(held);
  Pump();
  EXPECT_EQ(typed, c.chars);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Typing,
    ::testing::Values(TypingCase{"Lower", {}, 'A', u"a"}, TypingCase{"Shifted", {VK_SHIFT}, 'A', u"A"},
                      TypingCase{"ShiftedDigit", {VK_SHIFT}, '2', u"@"}, TypingCase{"Punctuation", {}, VK_OEM_1, u";"},
                      TypingCase{"ControlLetter", {VK_CONTROL}, 'C', u"\x03"},
                      TypingCase{"Enter", {}, VK_RETURN, u"\r"}, TypingCase{"Keypad", {}, VK_NUMPAD7, u"7"},
                      TypingCase{"AltLetterIsASystemChar", {VK_MENU}, 'X', u"x"},
                      TypingCase{"ArrowMakesNone", {}, VK_UP, u""}),
    [](const ::testing::TestParamInfo<TypingCase>& test) { return std::string(test.param.name); });

TEST_F(Input, CapsLockTogglesAndShiftsLetters) {
  HWND w = MakeUnicode("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  Pump();
  std::u16string typed;
  Handle(w, WM_CHAR, [&typed](HWND, UINT, WPARAM ch, LPARAM) -> std::optional<LRESULT> {
    typed.push_back(static_cast<char16_t>(ch));
    return 0;
  });
  EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 0);
  InjectKeyPress(VK_CAPITAL);
  InjectKeyPress('Q');
  InjectKeyPress('Q', {VK_SHIFT});
  Pump();
  EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1);
  EXPECT_EQ(typed, u"Qq");
  InjectKeyPress(VK_CAPITAL);
  Pump();
  EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 0);
}

TEST_F(Input, KeyStateFollowsTheMessagesAsyncStateTheInput) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  Pump();
  SHORT duringKeyDown = 0;
  Handle(w, WM_KEYDOWN, [&duringKeyDown](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    duringKeyDown = GetKeyState('K');
    return 0;
  });
  InjectKeyDown('K');
  EXPECT_LT(GetAsyncKeyState('K'), 0);  // down as fed...
  EXPECT_GE(GetKeyState('K'), 0);       // ...but no message handed out yet
  Pump();
  EXPECT_LT(duringKeyDown, 0);
  InjectKeyUp('K');
  Pump();
  EXPECT_GE(GetKeyState('K'), 0);
  // Either shift key holds the generic one.
  InjectKeyDown(VK_LSHIFT);
  InjectKeyDown(VK_RSHIFT);
  InjectKeyUp(VK_LSHIFT);
  Pump();
  EXPECT_LT(GetKeyState(VK_SHIFT), 0);
  InjectKeyUp(VK_RSHIFT);
  Pump();
  EXPECT_GE(GetKeyState(VK_SHIFT), 0);
}

TEST_F(Input, MapVirtualKeyUsesSetOneScanCodes) {
  struct Case {
    UINT code, type, expected;
  };
  const Case cases[] = {
      {'A', MAPVK_VK_TO_VSC, 0x1E},
      {VK_ESCAPE, MAPVK_VK_TO_VSC, 0x01},
      {VK_RETURN, MAPVK_VK_TO_VSC, 0x1C},
      {VK_SHIFT, MAPVK_VK_TO_VSC, 0x2A},
      {VK_RSHIFT, MAPVK_VK_TO_VSC, 0x36},
      {VK_F12, MAPVK_VK_TO_VSC, 0x58},
      {VK_HOME, MAPVK_VK_TO_VSC, 0x47},
      {VK_NUMPAD7, MAPVK_VK_TO_VSC, 0x47},
      {0x1E, MAPVK_VSC_TO_VK, 'A'},
      {0x2A, MAPVK_VSC_TO_VK, VK_SHIFT},
      {0x2A, MAPVK_VSC_TO_VK_EX, VK_LSHIFT},
      {0x36, MAPVK_VSC_TO_VK_EX, VK_RSHIFT},
      {0x47, MAPVK_VSC_TO_VK, VK_HOME},
      {'A', MAPVK_VK_TO_CHAR, 'A'},
      {VK_OEM_2, MAPVK_VK_TO_CHAR, '/'},
      {0xE8, MAPVK_VK_TO_VSC, 0},
      {0x7F, MAPVK_VSC_TO_VK, 0},
      {'A', 99, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(MapVirtualKey(c.code, c.type), c.expected) << c.code << " " << c.type;
  EXPECT_EQ(VkKeyScan('a'), 'A');
  EXPECT_EQ(VkKeyScan('?'), 0x100 | VK_OEM_2);
  EXPECT_EQ(VkKeyScanW(u'\u00E9'), -1);
}

TEST_F(Input, TextReachesAnsiWindowsAsUtf8Bytes) {
  HWND ansi = Make("ansi", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  Pump();
  std::string bytes;
  Handle(ansi, WM_CHAR, [&bytes](HWND, UINT, WPARAM ch, LPARAM) -> std::optional<LRESULT> {
    bytes.push_back(static_cast<char>(ch));
    return 0;
  });
  InjectText("h\xC3\xA9\xF0\x9F\x98\x80");  // h, e-acute, an emoji outside the BMP
  Pump();
  EXPECT_EQ(bytes, "h\xC3\xA9\xF0\x9F\x98\x80");

  HWND wide = MakeUnicode("wide", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  Pump();
  std::u16string units;
  Handle(wide, WM_CHAR, [&units](HWND, UINT, WPARAM ch, LPARAM) -> std::optional<LRESULT> {
    units.push_back(static_cast<char16_t>(ch));
    return 0;
  });
  InjectText("h\xC3\xA9\xF0\x9F\x98\x80");
  Pump();
  EXPECT_EQ(units, u"h\u00E9\U0001F600");
  // Bytes posted to a Unicode window become its characters too.
  units.clear();
  for (char b : std::string("\xC3\xA9")) PostMessageA(wide, WM_CHAR, static_cast<unsigned char>(b), 0);
  Pump();
  EXPECT_EQ(units, u"\u00E9");
}

// Characters sent one unit at a time to a window of the other form: a
// broken sequence gives U+FFFD and never swallows the unit that broke it.
TEST_F(Input, BrokenCharacterSequencesLoseNoCharacter) {
  HWND ansi = Make("ansi", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  HWND wide = MakeUnicode("wide", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  std::string bytes;
  Handle(ansi, WM_CHAR, [&bytes](HWND, UINT, WPARAM ch, LPARAM) -> std::optional<LRESULT> {
    bytes.push_back(static_cast<char>(ch));
    return 0;
  });
  std::u16string units;
  Handle(wide, WM_CHAR, [&units](HWND, UINT, WPARAM ch, LPARAM) -> std::optional<LRESULT> {
    units.push_back(static_cast<char16_t>(ch));
    return 0;
  });
  const std::string fffd = "\xEF\xBF\xBD";
  struct UnitsCase {
    const char* Rule;
    std::u16string Sent;
    std::string Received;
  };
  const UnitsCase toAnsi[] = {
      {"a pair", u"\U0001F600", "\xF0\x9F\x98\x80"},
      {"a high surrogate, then a letter", u"\xD83Dx", fffd + "x"},
      {"two high surrogates, then a low one", u"\xD83D\xD83D\xDE00", fffd + "\xF0\x9F\x98\x80"},
      {"a low surrogate alone", u"\xDE00y", fffd + "y"},
  };
  for (const UnitsCase& c : toAnsi) {
    bytes.clear();
    for (char16_t unit : c.Sent) SendMessageW(ansi, WM_CHAR, unit, 0);
    EXPECT_EQ(bytes, c.Received) << c.Rule;
  }
  struct BytesCase {
    const char* Rule;
    std::string Sent;
    std::u16string Received;
  };
  const BytesCase toWide[] = {
      {"a whole character", "\xE4\xB8\xAD", u"\u4E2D"},
      {"a lead byte, then a letter", "\xE4x", u"\uFFFDx"},
      {"two bytes of three, then a letter", "\xE4\xB8x", u"\uFFFD\uFFFDx"},
      {"a stray continuation byte", "\xB8z", u"\uFFFDz"},
      {"a new lead byte starts afresh", "\xC3\xE4\xB8\xAD", u"\uFFFD\u4E2D"},
  };
  for (const BytesCase& c : toWide) {
    units.clear();
    for (char b : c.Sent) SendMessageA(wide, WM_CHAR, static_cast<unsigned char>(b), 0);
    EXPECT_EQ(units, c.Received) << c.Rule;
  }
}

TEST_F(Input, ClicksOnAWindowDisabledForAModalOneActivateTheModalOne) {
  HWND owner = Make("owner", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 300, 300));
  HWND modal = Make("modal", WS_POPUP | WS_VISIBLE, Bounds(400, 0, 100, 100), owner);
  EnableWindow(owner, false);
  HWND other = Make("other", WS_POPUP | WS_VISIBLE, Bounds(600, 0, 100, 100));
  Pump();
  ASSERT_EQ(GetActiveWindow(), other);
  ClearLog();
  InjectClick({50, 50});
  Pump();
  EXPECT_EQ(GetActiveWindow(), modal);
  EXPECT_EQ(Take({WM_LBUTTONDOWN, WM_LBUTTONUP}), Log{});
  // Nor can it take the focus or be activated directly.
  EXPECT_EQ(SetFocus(owner), nullptr);
  EXPECT_EQ(SetActiveWindow(owner), nullptr);
  EXPECT_EQ(GetActiveWindow(), modal);
}

}  // namespace
}  // namespace plat::testing
