// Modal loops and the message box, answered through the headless
// display's modal hook, and where the activation goes when they end.
#include "platform/rtl/ResourceStrings.h"
#include "platform/win/Focus.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageBox.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/ModalLoop.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowText.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {
namespace {

// What a test reads of a message box.
struct BoxContents {
  String Caption;
  String Text;
  std::vector<String> Buttons;
  String Focused;
};

BoxContents Read(HWND box) {
  BoxContents c;
  c.Caption = WindowText(box);
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (WindowClassName(child) == "MessageBoxText")
      c.Text = WindowText(child);
    else
      c.Buttons.push_back(WindowText(child));
  }
  c.Focused = WindowText(GetFocus());
  return c;
}

HWND Button(HWND box, const String& caption) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (WindowText(child) == caption) return child;
  return nullptr;
}

void ClickButton(HWND box, const String& caption) {
  RECT r;
  GetClientRect(Button(box, caption), &r);
  InjectClickAt(Button(box, caption), {r.Width() / 2, r.Height() / 2});
}

class Modal : public WindowTest {};

TEST_F(Modal, NestedLoopsEndOnQuitOneAfterTheOther) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  std::vector<std::string> events;
  int announced = 0;
  Display().SetModalHook([&](HWND) {
    ++announced;
    if (announced == 1) {
      // Inside the first loop, a second one opens.
      const bool inner = RunModalLoop(w, [] { return false; });
      events.push_back(inner ? "inner finished" : "inner quit");
    } else {
      EXPECT_EQ(ModalLoopDepth(), 2);
      PostQuitMessage(7);
    }
  });
  const bool outer = RunModalLoop(w, [] { return false; });
  events.push_back(outer ? "outer finished" : "outer quit");
  EXPECT_EQ(events, (std::vector<std::string>{"inner quit", "outer quit"}));
  EXPECT_EQ(ModalLoopDepth(), 0);
  // The quit is still there for the program's own loop.
  MSG msg;
  EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), 0);
  EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(Modal, ALoopEndsWhenItsConditionHolds) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  bool done = false;
  Handle(w, WM_USER, [&done](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    done = true;
    return 0;
  });
  Display().SetModalHook([w](HWND modal) {
    EXPECT_EQ(modal, w);
    PostMessage(w, WM_USER, 0, 0);
  });
  EXPECT_TRUE(RunModalLoop(w, [&done] { return done; }));
  EXPECT_EQ(Display().ModalWindows(), std::vector<HWND>{w});
}

TEST_F(Modal, MessageBoxShowsItsPartsAndAnswersTheButtonClicked) {
  HWND owner = Make("owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(100, 100, 400, 300));
  Pump();
  BoxContents seen;
  bool ownerDisabled = false;
  Display().SetModalHook([&](HWND box) {
    seen = Read(box);
    ownerDisabled = !IsWindowEnabled(owner);
    EXPECT_EQ(GetActiveWindow(), box);
    EXPECT_EQ(WindowClassName(box), MessageBoxClassName);
    ClickButton(box, "&No");
  });
  const int answer =
      MessageBox(owner, "Save the changes?", "Question", MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2);
  EXPECT_EQ(answer, IDNO);
  EXPECT_EQ(seen.Caption, "Question");
  EXPECT_EQ(seen.Text, "Save the changes?");
  EXPECT_EQ(seen.Buttons, (std::vector<String>{"&Yes", "&No", "Cancel"}));
  EXPECT_EQ(seen.Focused, "&No");  // the default button
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(GetActiveWindow(), owner);
}

struct KeyAnswerCase {
  const char* name;
  UINT type;
  std::function<void()> keys;
  int answer;
};

class MessageBoxKeys : public Modal, public ::testing::WithParamInterface<KeyAnswerCase> {};

TEST_P(MessageBoxKeys, AnswerFromTheKeyboard) {
  const KeyAnswerCase& c = GetParam();
  Display().SetModalHook([&](HWND box) {
    const String last = Read(box).Buttons.back();
    c.keys();
    // Keys that do not answer leave the box up: then the last button does.
    ClickButton(box, last);
  });
  EXPECT_EQ(MessageBox(nullptr, "Text", "Caption", c.type), c.answer);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MessageBoxKeys,
    ::testing::Values(
        KeyAnswerCase{"EnterTakesTheDefault", MB_OKCANCEL | MB_DEFBUTTON2, [] { InjectKeyPress(VK_RETURN); }, IDCANCEL},
        KeyAnswerCase{"EscapeCancels", MB_YESNOCANCEL, [] { InjectKeyPress(VK_ESCAPE); }, IDCANCEL},
        KeyAnswerCase{"EscapeOnOkIsOk", MB_OK, [] { InjectKeyPress(VK_ESCAPE); }, IDOK},
        KeyAnswerCase{"EscapeIsIgnoredWithoutCancel", MB_YESNO, [] { InjectKeyPress(VK_ESCAPE); }, IDNO},
        KeyAnswerCase{"MnemonicLetter", MB_YESNO, [] { InjectText("n"); }, IDNO},
        KeyAnswerCase{"TabThenSpace", MB_ABORTRETRYIGNORE,
                      [] {
                        InjectKeyPress(VK_TAB);
                        InjectKeyPress(VK_SPACE);
                      },
                      IDRETRY},
        KeyAnswerCase{"AltF4IsTheCloseBox", MB_RETRYCANCEL, [] { InjectKeyPress(VK_F4, {VK_MENU}); }, IDCANCEL}),
    [](const ::testing::TestParamInfo<KeyAnswerCase>& test) { return std::string(test.param.name); });

TEST_F(Modal, MessageBoxCaptionsAreTranslated) {
  SetResourceTextTranslator([](const String& text) { return text == "OK" ? String("Gut") : text; });
  std::vector<String> buttons;
  Display().SetModalHook([&](HWND box) {
    buttons = Read(box).Buttons;
    ClickButton(box, "Gut");
  });
  EXPECT_EQ(MessageBox(nullptr, "x", "", MB_OK | MB_ICONERROR), IDOK);
  SetResourceTextTranslator(nullptr);
  EXPECT_EQ(buttons, std::vector<String>{"Gut"});
}

TEST_F(Modal, BeepsReachTheDisplayInOrderWithoutAWindow) {
  EXPECT_TRUE(MessageBeep(MB_OK));
  EXPECT_TRUE(MessageBeep(MB_ICONEXCLAMATION));
  EXPECT_TRUE(MessageBeep(0xFFFFFFFF));
  EXPECT_EQ(Display().Beeps(), (std::vector<UINT>{MB_OK, MB_ICONEXCLAMATION, 0xFFFFFFFF}));
  EXPECT_TRUE(Display().ModalWindows().empty());
}

TEST_F(Modal, MessageBoxRefusesWhatItCannotShow) {
  EXPECT_EQ(MessageBox(nullptr, "x", "y", 0x0F), 0);
  HWND gone = Make("gone", WS_POPUP, Bounds(0, 0, 10, 10));
  DestroyWindow(gone);
  EXPECT_EQ(MessageBox(gone, "x", "y", MB_OK), 0);
  EXPECT_TRUE(Display().ModalWindows().empty());
}

TEST_F(Modal, MessageBoxEndsWithTheProgram) {
  Display().SetModalHook([](HWND) { PostQuitMessage(3); });
  EXPECT_EQ(MessageBox(nullptr, "x", "y", MB_OK), 0);
  MSG msg;
  EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), 0);
  EXPECT_EQ(FindWindowClass(MessageBoxClassName)->WindowCount, 0);
}

TEST_F(Modal, MessageBoxLeftByAnExceptionTakesItsWindowAlong) {
  HWND owner = Make("owner", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 50, 50));
  Display().SetModalHook([](HWND) { throw std::runtime_error("handler failed"); });
  EXPECT_THROW(MessageBox(owner, "x", "y", MB_OK), std::runtime_error);
  EXPECT_EQ(FindWindowClass(MessageBoxClassName)->WindowCount, 0);
  EXPECT_TRUE(IsWindowEnabled(owner));
  DestroyWindow(owner);
}

TEST_F(Modal, MessageBoxLooksLikeOne) {
  std::unique_ptr<Bitmap> picture;
  Display().SetModalHook([&](HWND box) {
    picture = WindowPicture(box);
    ClickButton(box, "OK");
  });
  MessageBox(nullptr, "Something went wrong.", "Oops", MB_OK | MB_ICONERROR);
  ASSERT_NE(picture, nullptr);
  // The caption bar of the active window and the button face below it.
  EXPECT_EQ(ColorRefFromPixel(picture->At(10, 10)) & 0xFFFFFF, GetSysColor(COLOR_ACTIVECAPTION));
  EXPECT_EQ(ColorRefFromPixel(picture->At(picture->Width() / 2, picture->Height() - 6)) & 0xFFFFFF,
            GetSysColor(COLOR_3DFACE));
  // The error icon's red lies in the top left of the client area.
  bool red = false;
  for (int y = 25; y < 70; ++y)
    for (int x = 5; x < 50; ++x) red = red || (ColorRefFromPixel(picture->At(x, y)) & 0xFFFFFF) == RGB(220, 0, 0);
  EXPECT_TRUE(red);
}

// The ways a modal window's run ends, over an owner at (100, 100, 400, 300)
// that is disabled meanwhile: the message box's own; a popup destroyed once
// its owner is enabled again; a popup hidden while its owner is still
// disabled, the owner activated once enabled (as a form library may do it).
struct ModalEndCase {
  const char* Name;
  std::function<void(HWND owner)> Run;
};

class ModalEnd : public Modal, public ::testing::WithParamInterface<ModalEndCase> {};

TEST_P(ModalEnd, GivesTheOwnerTheActivationTheFocusAndTheDesktopsKeyboard) {
  HWND owner = Make("owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(100, 100, 400, 300));
  Pump();
  ASSERT_EQ(Display().KeyboardWindow(), owner);
  HWND seenActive = nullptr;
  HWND seenKeyboard = nullptr;
  Display().SetModalHook([&](HWND modal) {
    seenActive = GetActiveWindow();
    seenKeyboard = Display().KeyboardWindow();
    EXPECT_EQ(seenActive, modal);
    if (WindowClassName(modal) == MessageBoxClassName)
      ClickButton(modal, "OK");
    else
      PostMessage(modal, WM_NULL, 0, 0);  // the loop looks at its end after a message
  });
  ClearLog();
  GetParam().Run(owner);
  EXPECT_EQ(seenKeyboard, seenActive);
  EXPECT_EQ(GetActiveWindow(), owner);
  EXPECT_EQ(GetFocus(), owner);
  EXPECT_EQ(Display().KeyboardWindow(), owner);
  Log ownerLog;
  for (const std::string& entry : Take({WM_ACTIVATE, WM_SETFOCUS}))
    if (entry.starts_with("owner ")) ownerLog.push_back(entry);
  EXPECT_EQ(ownerLog, (Log{"owner WM_ACTIVATE", "owner WM_ACTIVATE", "owner WM_SETFOCUS"}));
}

// A popup owned by the window, shown while its owner is disabled; its loop
// runs until the modal hook has seen it.
HWND RunModalPopup(HWND owner) {
  EnableWindow(owner, false);
  HWND popup = CreateWindowExA(0, "Logged", "popup", WS_POPUP | WS_CAPTION, 150, 150, 200, 100, owner, nullptr, nullptr,
                               nullptr);
  ShowWindow(popup, SW_SHOW);
  RunModalLoop(popup, [] { return !CurrentHeadlessDisplay()->ModalWindows().empty(); });
  return popup;
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ModalEnd,
    ::testing::Values(ModalEndCase{"MessageBox", [](HWND owner) { MessageBox(owner, "x", "y", MB_OK); }},
                      ModalEndCase{"PopupDestroyedAfterItsOwnerIsEnabled",
                                   [](HWND owner) {
                                     HWND popup = RunModalPopup(owner);
                                     EnableWindow(owner, true);
                                     DestroyWindow(popup);
                                   }},
                      ModalEndCase{"PopupHiddenBeforeItsOwnerIsEnabled",
                                   [](HWND owner) {
                                     HWND popup = RunModalPopup(owner);
                                     ShowWindow(popup, SW_HIDE);
                                     EnableWindow(owner, true);
                                     SetActiveWindow(owner);
                                     DestroyWindow(popup);
                                   }}),
    [](const ::testing::TestParamInfo<ModalEndCase>& test) { return std::string(test.param.Name); });

}  // namespace
}  // namespace plat::testing
