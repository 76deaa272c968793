// The application and the screen: the hidden application window others
// find, the message loop, exceptions shown to the user, the screen's
// measures and pointers.
#include <gtest/gtest.h>

#include "platform/ui/TButton.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TTimer.h"
#include "platform/ui/tests/FormTestFixture.h"
#include "platform/win/CrossProcessWindows.h"
#include "platform/win/Cursors.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowText.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/PublishedWindows.h"

namespace uitest {
namespace {

class Applications : public FormTest {};

TEST_F(Applications, TheHiddenApplicationWindowCarriesTheTitleForOtherProcesses) {
  Application->SetTitle("Ovra Test Program");
  Application->Initialize();
  const HWND window = Application->Handle();
  EXPECT_EQ(WindowClassName(window), "TApplication");
  EXPECT_EQ(WindowText(window), "Ovra Test Program");
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(FindWindow("TApplication", "Ovra Test Program"), window);
  Application->SetTitle("Renamed");
  EXPECT_EQ(FindWindow("TApplication", "Renamed"), window);

  // What other processes read: this process's published list.
  const auto windows = plat::testing::EveryPublishedWindow();
  ASSERT_TRUE(windows.has_value());
  bool published = false;
  for (const TPublishedWindow& w : *windows)
    published = published || (w.ClassName == "TApplication" && w.Title == "Renamed" && !w.Visible);
  EXPECT_TRUE(published);
}

TEST_F(Applications, RunShowsTheMainFormAndEndsWhenItCloses) {
  TForm* main = nullptr;
  Application->CreateForm(main);
  main->SetCaption("Main");
  auto* timer = new TTimer(main);
  timer->SetInterval(100);
  int ticks = 0;
  timer->OnTimer = [&](TObject*) {
    EXPECT_TRUE(main->Visible());
    if (++ticks == 2) main->Close();
  };
  // The loop's waits jump to the next timer.
  Clock().SetAutoAdvance(true);
  Application->Run();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(ticks, 2);
}

TEST_F(Applications, OnMessageSeesAndMayTakeEveryQueuedMessage) {
  auto* form = new TForm(Application);
  int reached = 0;
  const TWndMethod previous = form->WindowProc;
  form->WindowProc = [&reached, previous](TMessage& message) {
    if (message.Msg == WM_USER + 7) ++reached;
    previous(message);
  };
  std::vector<WPARAM> seen;
  Application->OnMessage = [&seen](MSG& msg, bool& handled) {
    if (msg.message != WM_USER + 7) return;
    seen.push_back(msg.wParam);
    handled = msg.wParam == 2;
  };
  PostMessage(form->Handle(), WM_USER + 7, 1, 0);
  PostMessage(form->Handle(), WM_USER + 7, 2, 0);
  Application->ProcessMessages();
  EXPECT_EQ(seen, (std::vector<WPARAM>{1, 2}));
  EXPECT_EQ(reached, 1);
}

TEST_F(Applications, AnUnhandledExceptionIsShownWithItsText) {
  Application->SetTitle("Ovra Test Program");
  Application->OnException = nullptr;
  auto* form = new TForm(Application);
  auto* button = new TButton(form);
  button->SetParent(form);
  button->OnClick = [](TObject*) { throw Exception("Something failed"); };
  form->Show();
  Pump();
  String caption, text;
  Display().SetModalHook([&](HWND box) {
    caption = WindowText(box);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if (WindowClassName(child) == "MessageBoxText") text = WindowText(child);
    InjectKeyPress(VK_RETURN);
  });
  ClickControl(button);
  Application->ProcessMessages();
  EXPECT_EQ(caption, "Ovra Test Program");
  EXPECT_EQ(text, "Something failed.");

  // A silent exception shows nothing.
  text.clear();
  button->OnClick = [](TObject*) { throw EAbort("quiet"); };
  Clock().Advance(1000);
  ClickControl(button);
  Application->ProcessMessages();
  EXPECT_TRUE(text.empty());
}

TEST_F(Applications, MinimizeAndRestoreTheMainForm) {
  TForm* main = nullptr;
  Application->CreateForm(main);
  main->Show();
  Pump();
  int minimized = 0;
  Application->OnMinimize = [&minimized](TObject*) { ++minimized; };
  // The system's minimize command on the main form minimizes the application.
  SendMessage(main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump();
  EXPECT_TRUE(IsIconic(main->Handle()));
  EXPECT_EQ(minimized, 1);
  EXPECT_EQ(main->WindowState(), TWindowState::wsMinimized);
  Application->Restore();
  Pump();
  EXPECT_FALSE(IsIconic(main->Handle()));
  EXPECT_EQ(main->WindowState(), TWindowState::wsNormal);
}

TEST_F(Applications, TheScreenKnowsItsMeasuresPointersAndForms) {
  EXPECT_EQ(Screen->Width(), Display().ScreenSize().cx);
  EXPECT_EQ(Screen->Height(), Display().ScreenSize().cy);
  EXPECT_EQ(Screen->WorkAreaRect(), Display().WorkArea());
  EXPECT_EQ(Screen->WorkAreaHeight(), Display().WorkArea().Height());
  EXPECT_EQ(Screen->PixelsPerInch(), 96);

  EXPECT_EQ(Screen->Cursors(crDefault), LoadCursor(nullptr, IDC_ARROW));
  EXPECT_EQ(Screen->Cursors(crHandPoint), LoadCursor(nullptr, IDC_HAND));
  EXPECT_EQ(Screen->Cursors(crIBeam), LoadCursor(nullptr, IDC_IBEAM));
  EXPECT_EQ(Screen->Cursors(crNone), nullptr);
  // The class library's own pointers have pictures of their own.
  for (TCursor own : {crDrag, crMultiDrag, crHSplit, crVSplit}) {
    EXPECT_NE(Screen->Cursors(own), Screen->Cursors(crArrow)) << own;
    EXPECT_NE(GetCursorPicture(Screen->Cursors(own)).Color, nullptr) << own;
  }
  const HCURSOR own = LoadCursor(nullptr, IDC_CROSS);
  Screen->SetCursors(5, own);
  EXPECT_EQ(Screen->Cursors(5), own);

  // The pointer over a control is the control's; the screen's overrides it.
  auto* form = new TForm(Application);
  form->SetBounds(100, 100, 300, 200);
  form->SetCursor(crHandPoint);
  form->Show();
  Pump();
  InjectMouseMove(form->ClientToScreen({50, 50}));
  Pump();
  EXPECT_EQ(Display().Cursor(), Screen->Cursors(crHandPoint));
  Screen->SetCursor(crHourGlass);
  EXPECT_EQ(Display().Cursor(), Screen->Cursors(crHourGlass));
  Screen->SetCursor(crDefault);
  EXPECT_EQ(Display().Cursor(), Screen->Cursors(crHandPoint));

  EXPECT_EQ(Screen->FormCount(), 1);
  EXPECT_EQ(Screen->Forms(0), form);
  EXPECT_EQ(Screen->ActiveForm(), form);
  EXPECT_THROW(Screen->Forms(1), EListError);
  delete form;
  EXPECT_EQ(Screen->FormCount(), 0);
  EXPECT_EQ(Screen->ActiveForm(), nullptr);
}

}  // namespace
}  // namespace uitest
