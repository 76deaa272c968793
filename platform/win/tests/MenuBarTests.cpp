// A window's menu bar in the default frame: its row and hit test, opening
// with the mouse and the keyboard (click, hover, Left/Right, Alt+letter,
// F10, Alt alone), and the system menu from Alt+Space.
#include <algorithm>

#include "platform/gdi/Colors.h"
#include "platform/win/Focus.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Mouse.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/MenuFixture.h"

namespace plat::testing {
namespace {

using Entries = std::vector<std::string>;

// Entries about popups opening and closing and what is chosen.
Entries Popups(const Entries& log) {
  Entries out;
  for (const std::string& e : log)
    if (e.rfind("popup", 0) == 0 || e.rfind("close", 0) == 0 || e.rfind("command", 0) == 0 ||
        e.rfind("syscommand", 0) == 0)
      out.push_back(e);
  return out;
}

class MenuBar : public MenuTest {
 protected:
  enum : UINT { IdNew = 101, IdQuit = 102, IdCopy = 201, IdHelp = 301 };

  void SetUp() override {
    MenuTest::SetUp();
    RECT client;
    GetClientRect(FForm, &client);
    FClientBefore = client;
    FBar = CreateMenu();
    HMENU file = CreatePopupMenu(), edit = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, IdNew, "&New");
    AppendMenuA(file, MF_STRING, IdQuit, "&Quit");
    AppendMenuA(edit, MF_STRING, IdCopy, "&Copy");
    AppendMenuA(FBar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(FBar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
    AppendMenuA(FBar, MF_STRING, IdHelp, "&Help");
    Name(FBar, "Bar");
    Name(file, "File");
    Name(edit, "Edit");
    Name(GetSystemMenu(FForm, false), "System");
    ASSERT_TRUE(SetMenu(FForm, FBar));
    Pump();
    RecordMenuMessages(FForm);
  }

  TPoint BarItem(UINT position) { return ItemCentre(FForm, FBar, position); }
  HMENU File() const { return GetSubMenu(FBar, 0); }

  HMENU FBar = nullptr;
  TRect FClientBefore;
};

TEST_F(MenuBar, TakesARowBelowTheCaptionAndAnswersHtMenu) {
  RECT client, window, file, edit;
  GetClientRect(FForm, &client);
  GetWindowRect(FForm, &window);
  EXPECT_EQ(client.Bottom, FClientBefore.Bottom - GetSystemMetrics(SM_CYMENU));
  ASSERT_TRUE(GetMenuItemRect(FForm, FBar, 0, &file));
  ASSERT_TRUE(GetMenuItemRect(FForm, FBar, 1, &edit));
  // Below the 4-pixel frame and the caption with its line.
  EXPECT_EQ(file.TopLeft(), TPoint(window.Left + 4, window.Top + 4 + 19));
  EXPECT_EQ(file.Height(), GetSystemMetrics(SM_CYMENU));
  EXPECT_EQ(edit.Left, file.Right);
  TPoint clientOrigin{0, 0};
  ClientToScreen(FForm, &clientOrigin);
  EXPECT_EQ(clientOrigin.Y, file.Bottom);
  auto hit = [&](TPoint p) { return SendMessageA(FForm, WM_NCHITTEST, 0, PointToLParam(p.X, p.Y)); };
  EXPECT_EQ(hit(BarItem(0)), HTMENU);
  EXPECT_EQ(hit({file.Right + 200, file.Top + 2}), HTMENU);  // the rest of the row
  EXPECT_EQ(hit({file.Left + 2, file.Bottom}), HTCLIENT);
  EXPECT_EQ(hit({file.Left + 2, file.Top - 5}), HTCAPTION);
  // The row is drawn in the menu colour with the items' text.
  Pump();
  EXPECT_EQ(PixelAt(FForm, {file.Right + 150 - clientOrigin.X, -10}), GetSysColor(COLOR_MENU));
  // A window that loses its bar gets the row back; AdjustWindowRectEx counts it.
  SetMenu(FForm, nullptr);
  GetClientRect(FForm, &client);
  EXPECT_EQ(client.Bottom, FClientBefore.Bottom);
  RECT withMenu{0, 0, 100, 100}, without{0, 0, 100, 100};
  AdjustWindowRectEx(&withMenu, WS_OVERLAPPEDWINDOW, true, 0);
  AdjustWindowRectEx(&without, WS_OVERLAPPEDWINDOW, false, 0);
  EXPECT_EQ(withMenu.Top, without.Top - GetSystemMetrics(SM_CYMENU));
  SetMenu(FForm, FBar);
}

TEST_F(MenuBar, AClickOpensTheItemsPopupBelowIt) {
  RECT file;
  GetMenuItemRect(FForm, FBar, 0, &file);
  TRect popup;
  COLORREF selectedItem = 0;
  WhenMenuOpens([&] {
    GetWindowRect(MenuWindows().front(), &popup);
    TPoint inWindow{file.Left + 3, file.Top + 3};
    ScreenToClient(FForm, &inWindow);
    selectedItem = PixelAt(FForm, inWindow);
    InjectMouseMove(ItemCentre(FForm, File(), 0));
    InjectClick(ItemCentre(FForm, File(), 0));
  });
  InjectClick(BarItem(0));
  Pump();
  EXPECT_EQ(popup.TopLeft(), TPoint(file.Left, file.Bottom));
  EXPECT_EQ(selectedItem, GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(TakeMenuLog(), (Entries{"enter 0", "init Bar", "select 0 popup mouse in Bar", "popup File 0",
                                    "select 101 mouse in File", "select end", "close File", "exit 0", "command 101"}));
  EXPECT_TRUE(MenuWindows().empty());
  EXPECT_EQ(GetCapture(), nullptr);
  // The bar is drawn plain again.
  TPoint inWindow{file.Left + 3, file.Top + 3};
  ScreenToClient(FForm, &inWindow);
  EXPECT_EQ(PixelAt(FForm, inWindow), GetSysColor(COLOR_MENU));
}

TEST_F(MenuBar, HoverAndArrowsMoveAlongTheBar) {
  WhenMenuOpens([&] {
    InjectMouseMove(BarItem(1));  // Edit opens in File's place
    InjectKeyPress(VK_RIGHT);     // Help: a command, nothing to open
    InjectKeyPress(VK_RIGHT);     // round to File, opened with New selected
    InjectKeyPress(VK_LEFT);      // back to Help
    InjectKeyPress(VK_LEFT);      // Edit
    InjectKeyPress(VK_ESCAPE);    // closes Edit's popup, the bar stays
    InjectKeyPress(VK_RIGHT);     // Help, and nothing opens
    InjectKeyPress(VK_RIGHT);     // File, and nothing opens
    InjectKeyPress(VK_ESCAPE);    // leaves the bar
  });
  InjectClick(BarItem(0));
  Pump();
  EXPECT_EQ(Popups(TakeMenuLog()), (Entries{"popup File 0", "close File", "popup Edit 1", "close Edit", "popup File 0",
                                            "close File", "popup Edit 1", "close Edit"}));
  EXPECT_TRUE(MenuWindows().empty());
}

TEST_F(MenuBar, AltWithALetterOpensOrChoosesTheItem) {
  WhenMenuOpens([] { InjectKeyPress(VK_RETURN); });
  InjectKeyPress('E', {VK_MENU});
  Pump();
  const Entries log = TakeMenuLog();
  // Alt+E became SC_KEYMENU with the letter.
  EXPECT_EQ(Popups(log), (Entries{"syscommand 0xF100", "popup Edit 1", "close Edit", "command 201"}));
  EXPECT_EQ(log[3], "select 1 popup in Bar");  // by the keyboard
  // A command on the bar is chosen at once.
  InjectKeyPress('H', {VK_MENU});
  Pump();
  EXPECT_EQ(Popups(TakeMenuLog()), (Entries{"syscommand 0xF100", "command 301"}));
  // A letter no item has opens nothing.
  InjectKeyPress('Z', {VK_MENU});
  Pump();
  EXPECT_EQ(TakeMenuLog(), Entries{"syscommand 0xF100"});
}

TEST_F(MenuBar, F10OrAltAloneSelectsTheBar) {
  struct Case {
    const char* Name;
    std::function<void()> Press;
    std::function<void()> Then;
    Entries Expected;
  };
  const Case cases[] = {
      {"F10",
       [] { InjectKeyPress(VK_F10); },
       [] { InjectKeyPress(VK_DOWN), InjectKeyPress(VK_RETURN); },
       {"syscommand 0xF100", "popup File 0", "close File", "command 101"}},
      {"AltAlone",
       [] { InjectKeyPress(VK_MENU); },
       [] { InjectKeyPress(VK_RIGHT), InjectKeyPress(VK_RETURN), InjectKeyPress(VK_RETURN); },
       {"syscommand 0xF100", "popup Edit 1", "close Edit", "command 201"}},
      {"EscapeLeaves", [] { InjectKeyPress(VK_F10); }, [] { InjectKeyPress(VK_ESCAPE); }, {"syscommand 0xF100"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    bool barSelectedFirst = false;
    WhenMenuOpens([&] {
      barSelectedFirst = MenuWindows().empty();
      c.Then();
    });
    c.Press();
    Pump();
    const Entries log = TakeMenuLog();
    EXPECT_TRUE(barSelectedFirst);
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[3], "select 0 popup in Bar");
    EXPECT_EQ(Popups(log), c.Expected);
  }
  // Alt held with another key is no menu key.
  InjectKeyPress(VK_F5, {VK_MENU});
  Pump();
  EXPECT_EQ(TakeMenuLog(), Entries{});
}

TEST_F(MenuBar, AltSpaceOpensTheSystemMenuAndCloseClosesTheWindow) {
  RECT window;
  GetWindowRect(FForm, &window);
  TRect popup;
  WhenMenuOpens([&] {
    GetWindowRect(MenuWindows().front(), &popup);
    InjectKeyPress('C');
  });
  InjectKeyPress(VK_SPACE, {VK_MENU});
  Pump();
  // Below the caption at the window's left edge, the window's state
  // deciding what is offered.
  EXPECT_EQ(popup.TopLeft(), TPoint(window.Left + 4, window.Top + 4 + 19));
  const Entries log = TakeMenuLog();
  EXPECT_EQ(Popups(log), (Entries{"syscommand 0xF100", "popup System 0 system", "close System", "syscommand 0xF060"}));
  EXPECT_NE(std::find(log.begin(), log.end(), "select 61728 grayed system in System"), log.end());
  EXPECT_FALSE(IsWindow(FForm));  // SC_CLOSE became WM_CLOSE
}

TEST_F(MenuBar, TheSystemMenuOffersWhatTheWindowCanDo) {
  HWND dialog = Make("dialog", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, Bounds(200, 200, 200, 100));
  Name(GetSystemMenu(dialog, false), "DialogSystem");
  std::string states;
  WhenMenuOpens([&] {
    HMENU menu = GetSystemMenu(dialog, false);
    for (UINT command : {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE})
      states += (GetMenuState(menu, command, MF_BYCOMMAND) & MF_GRAYED) ? '-' : '+';
    InjectKeyPress(VK_ESCAPE);
  });
  SendMessageA(dialog, WM_SYSCOMMAND, SC_KEYMENU, ' ');
  EXPECT_EQ(states, "-+---+");
  EXPECT_TRUE(IsWindow(dialog));
  DestroyWindow(dialog);
}

}  // namespace
}  // namespace plat::testing
