// Popup menus tracked with injected mouse and keys: what the owner hears
// and in which order, what is chosen, what dismisses the menu, where the
// menu window goes, message filter hooks, owner-drawn items and the look of
// a plain menu.
#include <algorithm>
#include <cstdio>
#include <functional>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/PngCodec.h"
#include "platform/win/Focus.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageHooks.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Mouse.h"
#include "platform/win/Painting.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WinErrors.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/MenuFixture.h"

namespace plat::testing {
namespace {

using Entries = std::vector<std::string>;

// The width of a popup's sub-menu arrow column.
constexpr int MenuArrowColumnForTest = 17;

// Runs a test's check from inside the menu loop, as a message filter sees
// each message.
std::function<void(const MSG&)> gWatch;
LRESULT Watch(int code, WPARAM, LPARAM l) {
  if (code == MSGF_MENU && gWatch) gWatch(*reinterpret_cast<const MSG*>(l));
  return 0;
}

class WatchedMenu {
 public:
  explicit WatchedMenu(std::function<void(const MSG&)> watch)
      : FHook(SetWindowsHookExA(WH_MSGFILTER, Watch, nullptr, 0)) {
    gWatch = std::move(watch);
  }
  ~WatchedMenu() {
    UnhookWindowsHookEx(FHook);
    gWatch = nullptr;
  }
  WatchedMenu(const WatchedMenu&) = delete;
  WatchedMenu& operator=(const WatchedMenu&) = delete;

 private:
  HHOOK FHook;
};

class MenuTracking : public MenuTest {
 protected:
  void SetUp() override {
    MenuTest::SetUp();
    FMenu = MakeSampleMenu();
    RecordMenuMessages(FForm);
  }
  void TearDown() override {
    DestroyMenu(FMenu);
    MenuTest::TearDown();
  }
  // Tracks the sample menu at (200, 150) and runs the queue afterwards.
  BOOL Track(UINT flags = TPM_LEFTALIGN | TPM_LEFTBUTTON) {
    const BOOL answer = TrackPopupMenu(FMenu, flags, 200, 150, 0, FForm, nullptr);
    Pump();
    return answer;
  }
  void Keys(std::initializer_list<UINT> keys) {
    for (UINT key : keys) InjectKeyPress(key);
  }
  HMENU Recent() const { return GetSubMenu(FMenu, 3); }

  HMENU FMenu = nullptr;
};

TEST_F(MenuTracking, AClickChoosesAndTheOwnerHearsEachStepInOrder) {
  std::vector<HWND> open;
  WhenMenuOpens([&] {
    open = MenuWindows();
    InjectMouseMove(ItemCentre(FForm, FMenu, 1));
    InjectClick(ItemCentre(FForm, FMenu, 1));
  });
  EXPECT_TRUE(Track());
  EXPECT_EQ(open.size(), 1u);
  EXPECT_TRUE(MenuWindows().empty());
  EXPECT_EQ(TakeMenuLog(), (Entries{"enter 1", "init Sample", "popup Sample 0", "select 2 mouse in Sample",
                                    "select end", "close Sample", "exit 1", "command 2"}));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MenuTracking, ArrowsGoIntoASubMenuAndBack) {
  WhenMenuOpens([&] { Keys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_LEFT, VK_UP, VK_ESCAPE}); });
  EXPECT_TRUE(Track());
  EXPECT_EQ(TakeMenuLog(),
            (Entries{"enter 1", "init Sample", "popup Sample 0", "select 1 in Sample", "select 2 in Sample",
                     "select 3 popup in Sample",  // the separator is passed over
                     "popup Recent 3", "select 11 in Recent", "select 12 in Recent", "close Recent",
                     "select 2 in Sample", "select end", "close Sample", "exit 1"}));
}

TEST_F(MenuTracking, EnterChoosesInASubMenuAndDisabledItemsAreOnlyHighlighted) {
  // Up from nothing wraps to the last item; Up again reaches the grayed
  // one, where Enter does nothing; into Recent, Second is chosen.
  WhenMenuOpens([&] { Keys({VK_UP, VK_UP, VK_RETURN, VK_UP, VK_RETURN, VK_DOWN, VK_RETURN}); });
  EXPECT_TRUE(Track());
  const Entries log = TakeMenuLog();
  EXPECT_EQ(std::count(log.begin(), log.end(), "select 3 grayed in Sample"), 1);
  EXPECT_EQ(log.back(), "command 12");
  EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& e) { return e.rfind("command", 0) == 0; }), 1);
}

TEST_F(MenuTracking, AClickOnADisabledItemLeavesTheMenuOpen) {
  WhenMenuOpens([&] {
    InjectClick(ItemCentre(FForm, FMenu, 4));  // "&Disabled"
    InjectClick(ItemCentre(FForm, FMenu, 0));  // still there to be clicked
  });
  EXPECT_TRUE(Track());
  const Entries log = TakeMenuLog();
  EXPECT_EQ(log.back(), "command 1");
  EXPECT_NE(std::find(log.begin(), log.end(), "select 3 grayed mouse in Sample"), log.end());
}

TEST_F(MenuTracking, EscapeAndOutsideClicksDismissWithoutACommand) {
  HWND other = Make("other", WS_POPUP | WS_VISIBLE, Bounds(600, 400, 100, 100));
  SetActiveWindow(FForm);
  struct Case {
    const char* Name;
    std::function<void()> Dismiss;
  };
  const Case cases[] = {
      {"Escape", [] { InjectKeyPress(VK_ESCAPE); }},
      {"ClickOnAnotherWindow",
       [] {
         InjectClick({650, 450});
       }},
      {"RightClickOnTheOwner",
       [] {
         InjectClick({150, 350}, MouseButton::Right);
       }},
      {"EndMenu", [] { EXPECT_TRUE(EndMenu()); }},
      {"CancelMode", [this] { SendMessageA(MenuWindows().front(), WM_CANCELMODE, 0, 0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    WhenMenuOpens(c.Dismiss);
    ClearLog();
    EXPECT_TRUE(Track());
    const Entries log = TakeMenuLog();
    EXPECT_EQ(log.back(), "exit 1");
    EXPECT_TRUE(MenuWindows().empty());
    // The dismissing click reaches no window.
    EXPECT_EQ(Take({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP}), Log{});
  }
  EXPECT_EQ(GetActiveWindow(), FForm);
  EXPECT_FALSE(EndMenu());  // nothing to end now
  DestroyWindow(other);
}

TEST_F(MenuTracking, TheOwnerLosingTheActivationEndsTheMenu) {
  HWND other = Make("other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(600, 100, 200, 200));
  SetActiveWindow(FForm);
  WhenMenuOpens([&] { SetActiveWindow(other); });
  EXPECT_TRUE(Track());
  EXPECT_EQ(TakeMenuLog().back(), "exit 1");
  EXPECT_TRUE(MenuWindows().empty());
  DestroyWindow(other);
}

TEST_F(MenuTracking, MnemonicsChooseOrOpenAndUnknownLettersAskTheOwner) {
  struct Case {
    const char* Name;
    const char* Typed;
    LRESULT MenuCharAnswer;
    const char* LastEntry;
  };
  const Case cases[] = {
      {"ChoosesAnItem", "x", 0, "command 4"},
      {"OpensASubMenuAndChoosesInIt", "re", 0, "command 12"},
      {"DisabledIsOnlySelected", "do", 0, "command 1"},
      {"OwnerExecutes", "q", MAKELRESULT(1, MNC_EXECUTE), "command 2"},
      {"OwnerCloses", "q", MAKELRESULT(0, MNC_CLOSE), "exit 1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    int asked = 0;
    Handle(FForm, WM_MENUCHAR, [&](HWND, UINT, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
      ++asked;
      EXPECT_EQ(LOWORD(w), 'q');
      EXPECT_EQ(HIWORD(w), MF_POPUP);
      EXPECT_EQ(reinterpret_cast<HMENU>(l), FMenu);
      return c.MenuCharAnswer;
    });
    WhenMenuOpens([&] { InjectText(c.Typed); });
    EXPECT_TRUE(Track());
    EXPECT_EQ(TakeMenuLog().back(), c.LastEntry);
    EXPECT_EQ(asked, c.Typed[0] == 'q' ? 1 : 0);
  }
}

TEST_F(MenuTracking, ReturnCmdAnswersTheCommandInsteadOfPostingIt) {
  WhenMenuOpens([] { InjectKeyPress(VK_DOWN), InjectKeyPress(VK_DOWN), InjectKeyPress(VK_RETURN); });
  EXPECT_EQ(Track(TPM_RETURNCMD), static_cast<BOOL>(IdSave));
  EXPECT_EQ(TakeMenuLog().back(), "exit 1");
  WhenMenuOpens([] { InjectKeyPress(VK_ESCAPE); });
  EXPECT_EQ(Track(TPM_RETURNCMD), 0);
  TakeMenuLog();
  // TPM_NONOTIFY keeps the owner out of it.
  WhenMenuOpens([] { InjectKeyPress(VK_DOWN), InjectKeyPress(VK_RETURN); });
  EXPECT_EQ(Track(TPM_RETURNCMD | TPM_NONOTIFY), static_cast<BOOL>(IdOpen));
  EXPECT_EQ(TakeMenuLog(), Entries{});
}

TEST_F(MenuTracking, InputQueuedAheadDrivesTheMenu) {
  InjectKeyPress(VK_DOWN);
  InjectKeyPress(VK_RETURN);
  EXPECT_TRUE(Track());
  EXPECT_EQ(TakeMenuLog().back(), "command 1");
}

TEST_F(MenuTracking, ThePressThatOpenedTheMenuDoesNotChooseOnItsRelease) {
  // A menu opened from a button press; the release comes over an item.
  Handle(FForm, WM_RBUTTONDOWN, [&](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    TrackPopupMenu(FMenu, TPM_RIGHTBUTTON, 300, 200, 0, FForm, nullptr);
    return 0;
  });
  // The menu's first item lies under the pointer (from 303, 203).
  InjectMouseDown({320, 210}, MouseButton::Right);
  InjectMouseUp({320, 210}, MouseButton::Right);
  InjectKeyPress(VK_ESCAPE);
  Pump();
  EXPECT_EQ(TakeMenuLog().back(), "exit 1");
}

TEST_F(MenuTracking, AMenuOrOwnerDestroyedWhileOpenEndsTheLoop) {
  struct Case {
    const char* Name;
    bool DestroyOwner;
  };
  for (const Case& c : {Case{"Menu", false}, Case{"Owner", true}}) {
    SCOPED_TRACE(c.Name);
    HWND owner = Make("owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(100, 100, 300, 200));
    HMENU menu = MakeSampleMenu();
    WhenMenuOpens([&] {
      if (c.DestroyOwner)
        DestroyWindow(owner);
      else
        DestroyMenu(menu);
      InjectKeyPress(VK_RETURN);  // whatever comes next finds the menu gone
    });
    EXPECT_TRUE(TrackPopupMenu(menu, 0, 200, 150, 0, owner, nullptr));
    Pump();
    EXPECT_TRUE(MenuWindows().empty());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(IsWindow(owner), !c.DestroyOwner);
    EXPECT_EQ(IsMenu(menu), c.DestroyOwner);
    DestroyMenu(menu);
    DestroyWindow(owner);
  }
}

TEST_F(MenuTracking, BadHandlesAndASecondMenuAreRefused) {
  HMENU stale = CreatePopupMenu();
  DestroyMenu(stale);
  SetLastError(0);
  EXPECT_FALSE(TrackPopupMenu(stale, 0, 10, 10, 0, FForm, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_MENU_HANDLE);
  EXPECT_FALSE(TrackPopupMenu(FMenu, 0, 10, 10, 0, reinterpret_cast<HWND>(0x1235), nullptr));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  TPMPARAMS bad;
  bad.cbSize = 3;
  EXPECT_FALSE(TrackPopupMenuEx(FMenu, 0, 10, 10, FForm, &bad));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  bool refused = false;
  WhenMenuOpens([&] {
    refused = !TrackPopupMenu(FMenu, 0, 10, 10, 0, FForm, nullptr) && GetLastError() == ERROR_POPUP_ALREADY_ACTIVE;
    InjectKeyPress(VK_ESCAPE);
  });
  EXPECT_TRUE(Track());
  EXPECT_TRUE(refused);
  EXPECT_TRUE(MenuWindows().empty());
}

TEST_F(MenuTracking, TheMenuWindowStaysAboveItsActiveOwner) {
  HWND edit = Make("edit", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 100, 20), FForm);
  SetFocus(edit);
  HWND menuWindow = nullptr;
  HWND activeWhileOpen = nullptr, focusWhileOpen = nullptr;
  bool aboveOwner = false;
  WhenMenuOpens([&] {
    menuWindow = MenuWindows().front();
    activeWhileOpen = GetActiveWindow();
    focusWhileOpen = GetFocus();
    for (HWND h = GetWindow(menuWindow, GW_HWNDNEXT); h; h = GetWindow(h, GW_HWNDNEXT)) aboveOwner |= h == FForm;
    InjectKeyPress(VK_ESCAPE);
  });
  Track();
  char name[16] = {};
  EXPECT_EQ(activeWhileOpen, FForm);
  EXPECT_EQ(focusWhileOpen, edit);
  EXPECT_TRUE(aboveOwner);
  EXPECT_FALSE(IsWindow(menuWindow));
  EXPECT_EQ(GetClassNameA(menuWindow, name, sizeof name), 0);
  EXPECT_EQ(GetFocus(), edit);
}

struct PlacementCase {
  const char* Name;
  TPoint At;
  UINT Flags;
  std::optional<TRect> Exclude;
  // Where the menu's corner nearest to the point lies.
  std::function<bool(const TRect& menu, TSize size)> Expected;
};

class MenuPlacement : public MenuTest, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(MenuPlacement, StaysInsideTheWorkArea) {
  const PlacementCase& c = GetParam();
  HMENU menu = MakeSampleMenu();
  TRect placed;
  WhenMenuOpens([&] {
    GetWindowRect(MenuWindows().front(), &placed);
    InjectKeyPress(VK_ESCAPE);
  });
  TPMPARAMS params;
  if (c.Exclude) params.rcExclude = *c.Exclude;
  TrackPopupMenuEx(menu, c.Flags, c.At.X, c.At.Y, FForm, c.Exclude ? &params : nullptr);
  const TRect work = Display().WorkArea();
  EXPECT_TRUE(work.Contains(placed.TopLeft()) && placed.Right <= work.Right && placed.Bottom <= work.Bottom)
      << placed.Left << "," << placed.Top << " " << placed.Right << "," << placed.Bottom;
  EXPECT_TRUE(c.Expected(placed, {placed.Width(), placed.Height()}))
      << placed.Left << "," << placed.Top << " " << placed.Right << "," << placed.Bottom;
  DestroyMenu(menu);
}

const PlacementCase kPlacementCases[] = {
    {"TopLeftAtThePoint",
     {200, 150},
     TPM_LEFTALIGN | TPM_TOPALIGN,
     std::nullopt,
     [](const TRect& r, TSize) {
       return r.TopLeft() == TPoint{200, 150};
     }},
    {"RightAndBottomAligned",
     {500, 400},
     TPM_RIGHTALIGN | TPM_BOTTOMALIGN,
     std::nullopt,
     [](const TRect& r, TSize) { return r.Right == 500 && r.Bottom == 400; }},
    {"Centred",
     {500, 400},
     TPM_CENTERALIGN | TPM_VCENTERALIGN,
     std::nullopt,
     [](const TRect& r, TSize s) { return r.Left == 500 - s.cx / 2 && r.Top == 400 - s.cy / 2; }},
    {"FlipsAtTheRightAndBottomEdges",
     {1020, 730},
     TPM_LEFTALIGN | TPM_TOPALIGN,
     std::nullopt,
     [](const TRect& r, TSize) { return r.Right == 1020 && r.Bottom == 730; }},
    {"ShiftsWhenFlippingCannotHelp",
     {2, 2},
     TPM_RIGHTALIGN | TPM_BOTTOMALIGN,
     std::nullopt,
     [](const TRect& r, TSize) {
       return r.TopLeft() == TPoint{2, 2};
     }},
    {"StepsBelowTheExcludedRectangle",
     {300, 300},
     TPM_LEFTALIGN | TPM_BOTTOMALIGN | TPM_VERTICAL,
     TRect{290, 280, 400, 320},
     [](const TRect& r, TSize) { return r.Top == 320 && r.Left == 300; }},
    {"StepsBesideTheExcludedRectangle",
     {300, 300},
     TPM_LEFTALIGN | TPM_TOPALIGN,
     TRect{250, 280, 400, 320},
     [](const TRect& r, TSize) { return r.Left == 400 && r.Top == 300; }},
};
INSTANTIATE_TEST_SUITE_P(Cases, MenuPlacement, ::testing::ValuesIn(kPlacementCases),
                         [](const auto& test) { return std::string(test.param.Name); });

TEST_F(MenuTracking, ASubMenuOpensBesideItsItemOrOnTheOtherSide) {
  for (const int x : {200, 900}) {
    SCOPED_TRACE(x);
    TRect parent, child, item;
    WhenMenuOpens([&] {
      InjectMouseMove(ItemCentre(FForm, FMenu, 3));
      InjectKeyPress(VK_F1);
      InjectKeyPress(VK_ESCAPE);
      InjectKeyPress(VK_ESCAPE);
    });
    const WatchedMenu watch([&](const MSG& msg) {
      if (msg.message != WM_KEYDOWN || msg.wParam != VK_F1) return;
      const auto open = MenuWindows();
      ASSERT_EQ(open.size(), 2u);
      GetWindowRect(open[0], &parent);
      GetWindowRect(open[1], &child);
      GetMenuItemRect(FForm, Recent(), 0, &item);
    });
    TrackPopupMenu(FMenu, 0, x, 150, 0, FForm, nullptr);
    ASSERT_FALSE(child.IsEmpty());
    if (x == 200)
      EXPECT_EQ(child.Left, parent.Right - 3);
    else
      EXPECT_EQ(child.Right, parent.Left + 3);
    RECT row;
    EXPECT_TRUE(GetMenuItemRect(FForm, FMenu, 3, &row) == false);  // closed again
    EXPECT_TRUE(child.Contains(item.TopLeft()));
    EXPECT_EQ(TakeMenuLog()[3], "select 3 popup mouse in Sample");
  }
}

// A hook that eats Escape and counts what it was shown.
int gFiltered = 0;
LRESULT EatEscape(int code, WPARAM, LPARAM l) {
  const MSG* msg = reinterpret_cast<const MSG*>(l);
  if (code != MSGF_MENU) return 0;
  ++gFiltered;
  return msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE ? 1 : 0;
}

TEST_F(MenuTracking, MessageFiltersSeeEachMessageFirstAndCanSwallowIt) {
  gFiltered = 0;
  HHOOK hook = SetWindowsHookExA(WH_MSGFILTER, EatEscape, nullptr, GetCurrentThreadId());
  WhenMenuOpens([&] { Keys({VK_ESCAPE, VK_DOWN, VK_RETURN}); });
  EXPECT_TRUE(Track());
  EXPECT_TRUE(UnhookWindowsHookEx(hook));
  EXPECT_EQ(TakeMenuLog().back(), "command 1");
  EXPECT_GE(gFiltered, 6);  // three presses and three releases at least
}

TEST_F(MenuTracking, OwnerDrawnItemsAreMeasuredOnceAndDrawnByTheOwner) {
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_OWNERDRAW, 21, reinterpret_cast<const char*>(static_cast<std::uintptr_t>(0xD1)));
  AppendMenuA(menu, MF_OWNERDRAW | MF_CHECKED | MF_GRAYED, 22,
              reinterpret_cast<const char*>(static_cast<std::uintptr_t>(0xD2)));
  std::vector<std::string> owner;
  Handle(FForm, WM_MEASUREITEM, [&](HWND, UINT, WPARAM, LPARAM l) -> std::optional<LRESULT> {
    auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
    owner.push_back("measure " + std::to_string(mis->itemID) + " data " + std::to_string(mis->itemData) +
                    (mis->CtlType == ODT_MENU ? " menu" : ""));
    mis->itemWidth = 80;
    mis->itemHeight = 20;
    return TRUE;
  });
  Handle(FForm, WM_DRAWITEM, [&](HWND, UINT, WPARAM, LPARAM l) -> std::optional<LRESULT> {
    const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(l);
    std::string state;
    for (auto [bit, name] : {std::pair{ODS_SELECTED, "selected"},
                             {ODS_GRAYED, "grayed"},
                             {ODS_CHECKED, "checked"},
                             {ODS_NOACCEL, "noaccel"}})
      if (dis->itemState & bit) state += std::string(" ") + name;
    owner.push_back("draw " + std::to_string(dis->itemID) + state + " " + std::to_string(dis->rcItem.Top) + ".." +
                    std::to_string(dis->rcItem.Bottom));
    EXPECT_EQ(reinterpret_cast<HMENU>(dis->hwndItem), menu);
    // Whatever the owner selects into the DC is undone.
    SelectObject(dis->hDC, GetStockObject(BLACK_BRUSH));
    return TRUE;
  });
  TRect size;
  WhenMenuOpens([&] {
    GetWindowRect(MenuWindows().front(), &size);
    InjectKeyPress(VK_DOWN);
    InjectKeyPress(VK_F1);  // ignored by the menu: the moment to paint
    InjectKeyPress(VK_ESCAPE);
  });
  {
    const WatchedMenu watch([](const MSG& msg) {
      if (msg.message == WM_KEYDOWN && msg.wParam == VK_F1) UpdateWindow(MenuWindows().front());
    });
    TrackPopupMenu(menu, 0, 200, 150, 0, FForm, nullptr);
  }
  EXPECT_EQ(size.Width(), 80 + 6);
  EXPECT_EQ(size.Height(), 40 + 6);
  EXPECT_EQ(owner, (Entries{"measure 21 data 209 menu", "measure 22 data 210 menu", "draw 21 noaccel 3..23",
                            "draw 22 grayed checked noaccel 23..43", "draw 21 selected noaccel 3..23",
                            "draw 22 grayed checked noaccel 23..43"}));
  // Opened again: drawn again, not measured again.
  owner.clear();
  WhenMenuOpens([] { InjectKeyPress(VK_ESCAPE); });
  TrackPopupMenu(menu, 0, 200, 150, 0, FForm, nullptr);
  EXPECT_EQ(std::count_if(owner.begin(), owner.end(), [](const std::string& e) { return e.rfind("measure", 0) == 0; }),
            0);
  EXPECT_EQ(owner.size(), 2u);
  DestroyMenu(menu);
}

TEST_F(MenuTracking, PictureItemsTakeTheirBitmapsSizeAndStaleOnesDrawNothing) {
  HMENU menu = CreatePopupMenu();
  HBITMAP picture = CreateBitmap(20, 10, 1, 32, nullptr);
  AppendMenuA(menu, MF_BITMAP, 41, reinterpret_cast<const char*>(picture));
  AppendMenuA(menu, MF_BITMAP, 42, reinterpret_cast<const char*>(static_cast<std::uintptr_t>(0x300)));
  TRect size;
  WhenMenuOpens([&] {
    GetWindowRect(MenuWindows().front(), &size);
    InjectKeyPress(VK_F1);
    InjectKeyPress(VK_DOWN);
    InjectKeyPress(VK_DOWN);
    InjectKeyPress(VK_RETURN);
  });
  const WatchedMenu watch([](const MSG& msg) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_F1) UpdateWindow(MenuWindows().front());
  });
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 200, 150, 0, FForm, nullptr), 42);
  // The picture's item: check column, 20 pixels, arrow column; 10 + 4 high.
  // The stale one measures as an empty text item.
  EXPECT_EQ(size.Width(), 17 + 20 + 17 + 6);
  EXPECT_EQ(size.Height(), 14 + 17 + 6);
  DestroyMenu(menu);
  DeleteObject(picture);
}

TEST_F(MenuTracking, LettersOfOwnerDrawnItemsAreTheOwnersToAnswer) {
  HMENU menu = CreatePopupMenu();
  Name(menu, "Drawn");
  AppendMenuA(menu, MF_OWNERDRAW, 31, nullptr);
  AppendMenuA(menu, MF_OWNERDRAW, 32, nullptr);
  Handle(FForm, WM_MEASUREITEM, [](HWND, UINT, WPARAM, LPARAM l) -> std::optional<LRESULT> {
    reinterpret_cast<MEASUREITEMSTRUCT*>(l)->itemWidth = 50;
    return TRUE;
  });
  Handle(FForm, WM_MENUCHAR, [](HWND, UINT, WPARAM w, LPARAM) -> std::optional<LRESULT> {
    return LOWORD(w) == 'b' ? MAKELRESULT(1, MNC_EXECUTE) : MAKELRESULT(0, MNC_IGNORE);
  });
  WhenMenuOpens([] { InjectText("ab"); });
  TrackPopupMenu(menu, 0, 200, 150, 0, FForm, nullptr);
  Pump();
  EXPECT_EQ(TakeMenuLog().back(), "command 32");
  DestroyMenu(menu);
}

// The plain look, probed: the raised frame, the menu colour, the selected
// row in the highlight colours, the check mark, the shortcut text at the
// right, the separator and the sub-menu arrow.
TEST_F(MenuTracking, APlainMenuIsDrawnInTheStandardLooks) {
  CheckMenuItem(FMenu, IdOpen, MF_CHECKED);
  std::unique_ptr<Bitmap> picture;
  TRect save;
  WhenMenuOpens([&] {
    InjectKeyPress(VK_DOWN);
    InjectKeyPress(VK_DOWN);
    InjectKeyPress(VK_F1);  // a key the menu ignores: the moment to look
    InjectKeyPress(VK_ESCAPE);
  });
  const WatchedMenu watch([&](const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_F1) return;
    const HWND window = MenuWindows().front();
    UpdateWindow(window);
    picture = WindowPicture(window);
    GetMenuItemRect(FForm, FMenu, 1, &save);
    RECT r;
    GetWindowRect(window, &r);
    save = save.Translated(-r.Left, -r.Top);
  });
  Track();
  ASSERT_NE(picture, nullptr);
  auto at = [&](int x, int y) { return ColorRefFromPixel(picture->At(x, y)) & 0xFFFFFF; };
  auto count = [&](const TRect& area, int colorIndex) {
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x) n += at(x, y) == GetSysColor(colorIndex) ? 1 : 0;
    return n;
  };
  const int w = picture->Width(), h = picture->Height();
  // The raised frame and the menu colour inside it.
  EXPECT_EQ(at(0, 0), GetSysColor(COLOR_3DLIGHT));
  EXPECT_EQ(at(w - 1, h - 1), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(at(w - 10, 10), GetSysColor(COLOR_MENU));
  // Rows: Open 3..20, Save 20..37, separator 37..46, Recent 46..63, Disabled 63..80, Exit 80..97.
  EXPECT_EQ(h, 97 + 3);
  EXPECT_EQ(save, TRect(3, 20, w - 3, 37));
  EXPECT_EQ(at(5, 21), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_GT(count({3, 20, w - 3, 37}, COLOR_HIGHLIGHTTEXT), 20);  // "Save" and its shortcut
  // The shortcut ends near the right, before the arrow column.
  int rightmost = 0;
  for (int x = 3; x < w - 3; ++x)
    for (int y = 20; y < 37; ++y)
      if (at(x, y) == GetSysColor(COLOR_HIGHLIGHTTEXT)) rightmost = x;
  EXPECT_GT(rightmost, w - 3 - MenuArrowColumnForTest - 4);
  EXPECT_LT(rightmost, w - 3 - MenuArrowColumnForTest);
  // The check mark of Open (its first column at 8, rows 10..12) and the
  // arrow of Recent (its tip column at w - 14, rows 51..57).
  EXPECT_EQ(at(8, 11), GetSysColor(COLOR_MENUTEXT));
  EXPECT_EQ(at(7, 11), GetSysColor(COLOR_MENU));
  EXPECT_EQ(at(w - 14, 54), GetSysColor(COLOR_MENUTEXT));
  EXPECT_EQ(at(w - 15, 54), GetSysColor(COLOR_MENU));
  // The separator's etched line, the grayed item in gray text only.
  EXPECT_EQ(at(10, 40), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(at(10, 41), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_GT(count({3, 63, w - 3, 80}, COLOR_GRAYTEXT), 10);
  EXPECT_EQ(count({3, 63, w - 3, 80}, COLOR_MENUTEXT), 0);
}

}  // namespace
}  // namespace plat::testing
