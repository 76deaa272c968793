// The menu store: items inserted, modified, deleted and removed, their
// states and records, stale handles, a window's menu bar and system menu,
// and the message filter hooks menu loops call.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/rtl/ResourceStrings.h"
#include "platform/win/Menus.h"
#include "platform/win/MessageHooks.h"
#include "platform/win/WinConsts.h"
#include "platform/win/WinErrors.h"
#include "platform/win/Windows.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {
namespace {

const UINT None = static_cast<UINT>(-1);

// "A(1) B(2) S[C(3) D(4)] -" : text and command of each item, a sub-menu's
// items in brackets after its text, "-" for a separator.
std::string Describe(HMENU menu) {
  std::string out;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    if (!out.empty()) out += ' ';
    char text[64] = {};
    GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) {
      out += '-';
    } else if (HMENU sub = GetSubMenu(menu, i)) {
      out += std::string(text) + "[" + Describe(sub) + "]";
    } else {
      out += std::string(text) + "(" + std::to_string(GetMenuItemID(menu, i)) + ")";
    }
  }
  return out;
}

// A(1) B(2) S[C(3) D(4)] E(5), with the sub-menu's handle.
struct Sample {
  HMENU Menu = CreateMenu();
  HMENU Sub = CreatePopupMenu();
  Sample() {
    AppendMenuA(Menu, MF_STRING, 1, "A");
    AppendMenuA(Menu, MF_STRING, 2, "B");
    AppendMenuA(Sub, MF_STRING, 3, "C");
    AppendMenuA(Sub, MF_STRING, 4, "D");
    AppendMenuA(Menu, MF_POPUP, reinterpret_cast<UINT_PTR>(Sub), "S");
    AppendMenuA(Menu, MF_STRING, 5, "E");
  }
  ~Sample() { DestroyMenu(Menu); }
  Sample(const Sample&) = delete;
  Sample& operator=(const Sample&) = delete;
};

struct InsertCase {
  const char* Name;
  UINT Position;
  UINT Flags;
  bool Succeeds;
  const char* After;
};

class MenuInsert : public ::testing::TestWithParam<InsertCase> {};

TEST_P(MenuInsert, PlacesTheItemOrRefusesWithoutChange) {
  const InsertCase& c = GetParam();
  Sample s;
  SetLastError(0);
  EXPECT_EQ(InsertMenuA(s.Menu, c.Position, c.Flags | MF_STRING, 10, "X"), c.Succeeds);
  if (!c.Succeeds) {
    EXPECT_EQ(GetLastError(), ERROR_MENU_ITEM_NOT_FOUND);
  }
  EXPECT_EQ(Describe(s.Menu), c.After);
}

const InsertCase kInsertCases[] = {
    {"FirstByPosition", 0, MF_BYPOSITION, true, "X(10) A(1) B(2) S[C(3) D(4)] E(5)"},
    {"MiddleByPosition", 2, MF_BYPOSITION, true, "A(1) B(2) X(10) S[C(3) D(4)] E(5)"},
    {"PastTheEndAppends", 99, MF_BYPOSITION, true, "A(1) B(2) S[C(3) D(4)] E(5) X(10)"},
    {"MinusOneAppends", None, MF_BYPOSITION, true, "A(1) B(2) S[C(3) D(4)] E(5) X(10)"},
    {"BeforeACommand", 5, MF_BYCOMMAND, true, "A(1) B(2) S[C(3) D(4)] X(10) E(5)"},
    {"BeforeACommandInASubMenu", 4, MF_BYCOMMAND, true, "A(1) B(2) S[C(3) X(10) D(4)] E(5)"},
    {"MissingCommand", 77, MF_BYCOMMAND, false, "A(1) B(2) S[C(3) D(4)] E(5)"},
};
INSTANTIATE_TEST_SUITE_P(Cases, MenuInsert, ::testing::ValuesIn(kInsertCases),
                         [](const auto& test) { return std::string(test.param.Name); });

TEST(MenuStore, ModifyReplacesTheItemAndDestroysTheSubMenuItLoses) {
  Sample s;
  // The same sub-menu again keeps it alive with a new text.
  EXPECT_TRUE(ModifyMenuA(s.Menu, 2, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(s.Sub), "T"));
  EXPECT_EQ(Describe(s.Menu), "A(1) B(2) T[C(3) D(4)] E(5)");
  EXPECT_TRUE(ModifyMenuA(s.Menu, 2, MF_BYPOSITION | MF_STRING | MF_CHECKED, 7, "Plain"));
  EXPECT_EQ(Describe(s.Menu), "A(1) B(2) Plain(7) E(5)");
  EXPECT_FALSE(IsMenu(s.Sub));
  EXPECT_EQ(GetMenuState(s.Menu, 7, MF_BYCOMMAND), MF_CHECKED);
  // By command, into a separator.
  EXPECT_TRUE(ModifyMenuA(s.Menu, 1, MF_BYCOMMAND | MF_SEPARATOR, 0, nullptr));
  EXPECT_EQ(Describe(s.Menu), "- B(2) Plain(7) E(5)");
  SetLastError(0);
  EXPECT_FALSE(ModifyMenuA(s.Menu, 42, MF_BYCOMMAND, 8, "none"));
  EXPECT_EQ(GetLastError(), ERROR_MENU_ITEM_NOT_FOUND);
}

TEST(MenuStore, DeleteDestroysTheSubMenuAndRemoveLeavesItAlive) {
  struct Case {
    bool (*Detach)(HMENU, UINT, UINT);
    bool SubSurvives;
  };
  for (const Case& c : {Case{DeleteMenu, false}, Case{RemoveMenu, true}}) {
    Sample s;
    HMENU inner = CreatePopupMenu();
    AppendMenuA(s.Sub, MF_POPUP, reinterpret_cast<UINT_PTR>(inner), "Inner");
    EXPECT_TRUE(c.Detach(s.Menu, 2, MF_BYPOSITION));
    EXPECT_EQ(Describe(s.Menu), "A(1) B(2) E(5)");
    EXPECT_EQ(IsMenu(s.Sub), c.SubSurvives);
    EXPECT_EQ(IsMenu(inner), c.SubSurvives);
    // By command, reaching into a sub-menu.
    EXPECT_TRUE(c.Detach(s.Menu, 5, MF_BYCOMMAND));
    EXPECT_EQ(Describe(s.Menu), "A(1) B(2)");
    EXPECT_FALSE(c.Detach(s.Menu, 5, MF_BYCOMMAND));
    EXPECT_EQ(GetLastError(), ERROR_MENU_ITEM_NOT_FOUND);
    if (c.SubSurvives) {
      EXPECT_TRUE(DestroyMenu(s.Sub));
    }
  }
}

TEST(MenuStore, DestroyMenuTakesEverySubMenuBelow) {
  Sample s;
  HMENU inner = CreatePopupMenu();
  AppendMenuA(s.Sub, MF_POPUP, reinterpret_cast<UINT_PTR>(inner), "Inner");
  ASSERT_TRUE(DestroyMenu(s.Menu));
  EXPECT_FALSE(IsMenu(s.Menu));
  EXPECT_FALSE(IsMenu(s.Sub));
  EXPECT_FALSE(IsMenu(inner));
  s.Menu = CreateMenu();  // for the destructor
}

TEST(MenuStore, ASubMenuCannotHoldTheMenuItGoesInto) {
  Sample s;
  SetLastError(0);
  EXPECT_FALSE(AppendMenuA(s.Sub, MF_POPUP, reinterpret_cast<UINT_PTR>(s.Menu), "loop"));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(AppendMenuA(s.Menu, MF_POPUP, reinterpret_cast<UINT_PTR>(s.Menu), "self"));
  MENUITEMINFOA info;
  info.fMask = MIIM_SUBMENU;
  info.hSubMenu = s.Menu;
  EXPECT_FALSE(SetMenuItemInfoA(s.Sub, 0, true, &info));
  EXPECT_EQ(Describe(s.Menu), "A(1) B(2) S[C(3) D(4)] E(5)");
  // Two kinds of item at once are refused too.
  EXPECT_FALSE(AppendMenuA(s.Menu, MF_SEPARATOR | MF_OWNERDRAW, 9, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
}

struct StateCase {
  const char* Name;
  DWORD (*Change)(HMENU menu);
  DWORD Answer;     // what the call answers
  UINT StateAfter;  // GetMenuState of command 2 afterwards
};

class MenuStates : public ::testing::TestWithParam<StateCase> {};

TEST_P(MenuStates, AnswerThePreviousStateAndChangeIt) {
  const StateCase& c = GetParam();
  Sample s;
  CheckMenuItem(s.Menu, 2, MF_BYCOMMAND | MF_CHECKED);
  EnableMenuItem(s.Menu, 2, MF_BYCOMMAND | MF_GRAYED);
  EXPECT_EQ(c.Change(s.Menu), c.Answer);
  EXPECT_EQ(GetMenuState(s.Menu, 2, MF_BYCOMMAND), c.StateAfter);
}

const StateCase kStateCases[] = {
    {"Uncheck", [](HMENU m) { return CheckMenuItem(m, 2, MF_BYCOMMAND | MF_UNCHECKED); }, MF_CHECKED, MF_GRAYED},
    {"CheckAgain", [](HMENU m) { return CheckMenuItem(m, 1, MF_BYPOSITION | MF_CHECKED); }, MF_CHECKED,
     MF_GRAYED | MF_CHECKED},
    {"CheckMissing", [](HMENU m) { return CheckMenuItem(m, 99, MF_BYCOMMAND | MF_CHECKED); }, static_cast<DWORD>(-1),
     MF_GRAYED | MF_CHECKED},
    {"Enable", [](HMENU m) { return static_cast<DWORD>(EnableMenuItem(m, 2, MF_BYCOMMAND | MF_ENABLED)); }, MF_GRAYED,
     MF_CHECKED},
    {"Disable", [](HMENU m) { return static_cast<DWORD>(EnableMenuItem(m, 1, MF_BYPOSITION | MF_DISABLED)); },
     MF_GRAYED, MF_DISABLED | MF_CHECKED},
    {"EnableMissing", [](HMENU m) { return static_cast<DWORD>(EnableMenuItem(m, 5, MF_BYPOSITION | MF_ENABLED)); },
     static_cast<DWORD>(-1), MF_GRAYED | MF_CHECKED},
    {"MakeDefault", [](HMENU m) { return static_cast<DWORD>(SetMenuDefaultItem(m, 2, false)); }, 1,
     MF_GRAYED | MF_CHECKED | MF_DEFAULT},
};
INSTANTIATE_TEST_SUITE_P(Cases, MenuStates, ::testing::ValuesIn(kStateCases),
                         [](const auto& test) { return std::string(test.param.Name); });

TEST(MenuStore, StateOfASubMenuItemCarriesItsItemCount) {
  Sample s;
  EXPECT_EQ(GetMenuState(s.Menu, 2, MF_BYPOSITION), (2u << 8) | MF_POPUP);
  EXPECT_EQ(GetMenuItemID(s.Menu, 2), None);
  EXPECT_EQ(GetSubMenu(s.Menu, 2), s.Sub);
  EXPECT_EQ(GetSubMenu(s.Menu, 0), nullptr);
  EXPECT_EQ(GetMenuItemID(s.Menu, 9), None);
  EXPECT_EQ(GetMenuItemID(s.Menu, -1), None);
}

TEST(MenuStore, DefaultItemIsOneAtMostAndCanBeCleared) {
  Sample s;
  EXPECT_EQ(GetMenuDefaultItem(s.Menu, false, 0), None);
  EXPECT_TRUE(SetMenuDefaultItem(s.Menu, 1, false));
  EXPECT_TRUE(SetMenuDefaultItem(s.Menu, 3, true));
  EXPECT_EQ(GetMenuDefaultItem(s.Menu, true, 0), 3u);
  EXPECT_EQ(GetMenuDefaultItem(s.Menu, false, 0), 5u);
  EXPECT_FALSE(GetMenuState(s.Menu, 1, MF_BYCOMMAND) & MF_DEFAULT);
  // A disabled default counts only when asked.
  EnableMenuItem(s.Menu, 5, MF_BYCOMMAND | MF_GRAYED);
  EXPECT_EQ(GetMenuDefaultItem(s.Menu, false, 0), None);
  EXPECT_EQ(GetMenuDefaultItem(s.Menu, false, GMDI_USEDISABLED), 5u);
  // Into a default sub-menu's own default.
  SetMenuDefaultItem(s.Menu, 2, true);
  SetMenuDefaultItem(s.Sub, 4, false);
  EXPECT_EQ(GetMenuDefaultItem(s.Menu, false, GMDI_GOINTOPOPUPS), 4u);
  EXPECT_EQ(GetMenuDefaultItem(s.Menu, true, 0), 2u);
  EXPECT_FALSE(SetMenuDefaultItem(s.Menu, 44, false));
  EXPECT_EQ(GetLastError(), ERROR_MENU_ITEM_NOT_FOUND);
  EXPECT_TRUE(SetMenuDefaultItem(s.Menu, None, false));
  EXPECT_EQ(GetMenuDefaultItem(s.Menu, true, GMDI_USEDISABLED), None);
}

TEST(MenuStore, RadioItemsCheckOneOfTheRange) {
  HMENU menu = CreatePopupMenu();
  for (UINT id = 10; id <= 14; ++id) AppendMenuA(menu, MF_STRING, id, "r");
  CheckMenuItem(menu, 10, MF_CHECKED);
  CheckMenuItem(menu, 14, MF_CHECKED);
  EXPECT_TRUE(CheckMenuRadioItem(menu, 10, 13, 12, MF_BYCOMMAND));
  std::string checks;
  for (UINT id = 10; id <= 14; ++id) checks += (GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) ? 'x' : '.';
  EXPECT_EQ(checks, "..x.x");  // 14 lies outside the range
  MENUITEMINFOA info;
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoA(menu, 12, false, &info);
  EXPECT_EQ(info.fType, MFT_RADIOCHECK);
  EXPECT_TRUE(CheckMenuRadioItem(menu, 0, 1, 0, MF_BYPOSITION));
  EXPECT_TRUE(GetMenuState(menu, 0, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_FALSE(CheckMenuRadioItem(menu, 10, 11, 12, MF_BYCOMMAND));  // outside its own range
  EXPECT_FALSE(CheckMenuRadioItem(menu, 50, 60, 55, MF_BYCOMMAND));
  DestroyMenu(menu);
}

TEST(MenuStore, ItemInfoRoundTripsEveryMember) {
  HMENU menu = CreatePopupMenu();
  HMENU sub = CreatePopupMenu();
  HBITMAP checked = reinterpret_cast<HBITMAP>(0x100), unchecked = reinterpret_cast<HBITMAP>(0x200);
  MENUITEMINFOA in;
  in.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_FTYPE | MIIM_DATA | MIIM_STRING;
  in.fType = MFT_OWNERDRAW | MFT_RADIOCHECK | MFT_MENUBREAK;
  in.fState = MFS_CHECKED | MFS_DEFAULT | MFS_GRAYED;
  in.wID = 77;
  in.hSubMenu = sub;
  in.hbmpChecked = checked;
  in.hbmpUnchecked = unchecked;
  in.dwItemData = 0xC0FFEE;
  in.dwTypeData = const_cast<char*>("Grün &Item");
  ASSERT_TRUE(InsertMenuItemA(menu, 0, true, &in));

  char text[32] = {};
  MENUITEMINFOA out;
  out.fMask = in.fMask;
  out.dwTypeData = text;
  out.cch = sizeof text;
  ASSERT_TRUE(GetMenuItemInfoA(menu, 77, false, &out));
  EXPECT_EQ(out.fType, in.fType);
  EXPECT_EQ(out.fState, in.fState);
  EXPECT_EQ(out.wID, 77u);
  EXPECT_EQ(out.hSubMenu, sub);
  EXPECT_EQ(out.hbmpChecked, checked);
  EXPECT_EQ(out.hbmpUnchecked, unchecked);
  EXPECT_EQ(out.dwItemData, 0xC0FFEEu);
  EXPECT_STREQ(text, "Grün &Item");
  EXPECT_EQ(out.cch, 11u);  // UTF-8 units

  // The wide form counts UTF-16 units, reads the length without a buffer
  // and never cuts a character.
  MENUITEMINFOW wide;
  wide.fMask = MIIM_STRING;
  ASSERT_TRUE(GetMenuItemInfoW(menu, 0, true, &wide));
  EXPECT_EQ(wide.cch, 10u);
  char16_t wbuf[11] = {};
  wide.dwTypeData = wbuf;
  wide.cch = 11;
  ASSERT_TRUE(GetMenuItemInfoW(menu, 0, true, &wide));
  EXPECT_EQ(std::u16string(wbuf), u"Grün &Item");
  char small[4] = {};
  EXPECT_EQ(GetMenuStringA(menu, 0, small, sizeof small, MF_BYPOSITION), 2);
  EXPECT_STREQ(small, "Gr");  // the two bytes of "ü" do not both fit
  EXPECT_EQ(GetMenuStringA(menu, 0, nullptr, 0, MF_BYPOSITION), 11);

  // Text set through the wide form reads back as UTF-8; MIIM_TYPE with a bitmap.
  MENUITEMINFOW setWide;
  setWide.fMask = MIIM_STRING;
  setWide.dwTypeData = const_cast<char16_t*>(u"Über");
  ASSERT_TRUE(SetMenuItemInfoW(menu, 0, true, &setWide));
  EXPECT_EQ(GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION), 5);
  EXPECT_STREQ(text, "Über");
  MENUITEMINFOA pic;
  pic.fMask = MIIM_TYPE;
  pic.fType = MFT_BITMAP;
  pic.dwTypeData = reinterpret_cast<char*>(checked);
  ASSERT_TRUE(SetMenuItemInfoA(menu, 0, true, &pic));
  MENUITEMINFOA picOut;
  picOut.fMask = MIIM_TYPE | MIIM_BITMAP;
  ASSERT_TRUE(GetMenuItemInfoA(menu, 0, true, &picOut));
  EXPECT_EQ(picOut.fType, MFT_BITMAP);
  EXPECT_EQ(reinterpret_cast<HBITMAP>(picOut.dwTypeData), checked);
  EXPECT_EQ(picOut.hbmpItem, checked);

  // A record of the wrong size is refused.
  MENUITEMINFOA bad;
  bad.cbSize = 12;
  bad.fMask = MIIM_ID;
  SetLastError(0);
  EXPECT_FALSE(GetMenuItemInfoA(menu, 0, true, &bad));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(SetMenuItemInfoA(menu, 0, true, nullptr));
  DestroyMenu(menu);
}

TEST(MenuStore, AppendTakesBitmapsOwnerDataAndWideText) {
  HMENU menu = CreatePopupMenu();
  HBITMAP picture = reinterpret_cast<HBITMAP>(0x300);
  AppendMenuA(menu, MF_BITMAP, 1, reinterpret_cast<const char*>(picture));
  AppendMenuA(menu, MF_OWNERDRAW, 2, reinterpret_cast<const char*>(static_cast<std::uintptr_t>(0xABC)));
  AppendMenuW(menu, MF_STRING, 3, u"Wide €");
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  MENUITEMINFOA info;
  info.fMask = MIIM_BITMAP | MIIM_FTYPE;
  GetMenuItemInfoA(menu, 1, false, &info);
  EXPECT_EQ(info.hbmpItem, picture);
  EXPECT_EQ(info.fType, MFT_BITMAP);
  info.fMask = MIIM_DATA | MIIM_FTYPE;
  GetMenuItemInfoA(menu, 2, false, &info);
  EXPECT_EQ(info.dwItemData, 0xABCu);
  EXPECT_EQ(info.fType, MFT_OWNERDRAW);
  EXPECT_EQ(Describe(menu), "(1) (2) Wide €(3) -");
  char16_t wide[16] = {};
  EXPECT_EQ(GetMenuStringW(menu, 3, wide, 16, MF_BYCOMMAND), 6);
  EXPECT_EQ(std::u16string(wide), u"Wide €");
  DestroyMenu(menu);
}

TEST(MenuStore, StaleAndMadeUpHandlesFailWithTheMenuError) {
  HMENU stale = CreatePopupMenu();
  DestroyMenu(stale);
  HMENU fresh = CreatePopupMenu();
  EXPECT_NE(fresh, stale);  // never handed out again
  for (HMENU bad : {stale, static_cast<HMENU>(nullptr), reinterpret_cast<HMENU>(0x1234567)}) {
    auto failsWithMenuError = [](bool failed) {
      const bool ok = failed && GetLastError() == ERROR_INVALID_MENU_HANDLE;
      SetLastError(0);
      return ok;
    };
    SetLastError(0);
    EXPECT_FALSE(IsMenu(bad));
    EXPECT_TRUE(failsWithMenuError(!DestroyMenu(bad)));
    EXPECT_TRUE(failsWithMenuError(!AppendMenuA(bad, MF_STRING, 1, "x")));
    EXPECT_TRUE(failsWithMenuError(!InsertMenuA(bad, 0, MF_BYPOSITION, 1, "x")));
    EXPECT_TRUE(failsWithMenuError(!ModifyMenuA(bad, 0, MF_BYPOSITION, 1, "x")));
    EXPECT_TRUE(failsWithMenuError(!DeleteMenu(bad, 0, MF_BYPOSITION)));
    EXPECT_TRUE(failsWithMenuError(!RemoveMenu(bad, 0, MF_BYPOSITION)));
    EXPECT_TRUE(failsWithMenuError(GetMenuItemCount(bad) == -1));
    EXPECT_TRUE(failsWithMenuError(GetMenuItemID(bad, 0) == None));
    EXPECT_TRUE(failsWithMenuError(GetSubMenu(bad, 0) == nullptr));
    EXPECT_TRUE(failsWithMenuError(GetMenuState(bad, 0, MF_BYPOSITION) == None));
    EXPECT_TRUE(failsWithMenuError(GetMenuStringA(bad, 0, nullptr, 0, MF_BYPOSITION) == 0));
    EXPECT_TRUE(failsWithMenuError(CheckMenuItem(bad, 0, MF_BYPOSITION) == static_cast<DWORD>(-1)));
    EXPECT_TRUE(failsWithMenuError(EnableMenuItem(bad, 0, MF_BYPOSITION) == -1));
    EXPECT_TRUE(failsWithMenuError(!CheckMenuRadioItem(bad, 0, 1, 0, MF_BYPOSITION)));
    EXPECT_TRUE(failsWithMenuError(!SetMenuDefaultItem(bad, 0, true)));
    EXPECT_TRUE(failsWithMenuError(GetMenuDefaultItem(bad, true, 0) == None));
    MENUITEMINFOA info;
    info.fMask = MIIM_ID;
    EXPECT_TRUE(failsWithMenuError(!GetMenuItemInfoA(bad, 0, true, &info)));
    EXPECT_TRUE(failsWithMenuError(!SetMenuItemInfoA(bad, 0, true, &info)));
    EXPECT_TRUE(failsWithMenuError(!InsertMenuItemA(bad, 0, true, &info)));
    // As a sub-menu of a good menu.
    EXPECT_TRUE(failsWithMenuError(!AppendMenuA(fresh, MF_POPUP, reinterpret_cast<UINT_PTR>(bad), "x")));
  }
  EXPECT_EQ(GetMenuItemCount(fresh), 0);
  DestroyMenu(fresh);
}

TEST(MenuStore, SystemMenuTextsComeThroughTheTranslator) {
  std::set<int> seen;
  for (const TResStringRec* rec : WinResStringTable()) {
    EXPECT_TRUE(seen.insert(rec->Identifier).second) << rec->Text;
    EXPECT_LT(rec->Identifier, 65536);
  }
  EXPECT_EQ(LoadResString(SMenuClose), "&Close\tAlt+F4");
}

class WindowMenus : public WindowTest {};

TEST_F(WindowMenus, TheMenuBarAndSystemMenuDieWithTheirWindowUnlessDetached) {
  HWND form = Make("form", WS_OVERLAPPEDWINDOW, Bounds(10, 10, 300, 200));
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_STRING, 1, "&File");
  EXPECT_TRUE(SetMenu(form, bar));
  EXPECT_EQ(GetMenu(form), bar);
  HMENU system = GetSystemMenu(form, false);
  EXPECT_EQ(GetSystemMenu(form, false), system);  // the same copy each time
  DestroyWindow(form);
  EXPECT_FALSE(IsMenu(bar));
  EXPECT_FALSE(IsMenu(system));

  HWND other = Make("other", WS_OVERLAPPEDWINDOW, Bounds(10, 10, 300, 200));
  HMENU kept = CreateMenu();
  SetMenu(other, kept);
  EXPECT_TRUE(SetMenu(other, nullptr));
  EXPECT_EQ(GetMenu(other), nullptr);
  HMENU copy = GetSystemMenu(other, false);
  EXPECT_EQ(GetSystemMenu(other, true), nullptr);
  EXPECT_FALSE(IsMenu(copy));
  DestroyWindow(other);
  EXPECT_TRUE(IsMenu(kept));
  DestroyMenu(kept);
}

TEST_F(WindowMenus, ChildWindowsAndBadMenusAreRefused) {
  HWND form = Make("form", WS_OVERLAPPEDWINDOW, Bounds(10, 10, 300, 200));
  HWND child = Make("child", WS_CHILD | WS_VISIBLE, Bounds(0, 0, 50, 50), form, 0, 7);
  HMENU menu = CreateMenu();
  SetLastError(0);
  EXPECT_FALSE(SetMenu(child, menu));
  EXPECT_EQ(GetMenu(child), nullptr);
  EXPECT_EQ(GetDlgCtrlID(child), 7);
  EXPECT_FALSE(SetMenu(form, reinterpret_cast<HMENU>(0x777)));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_MENU_HANDLE);
  EXPECT_EQ(GetMenu(form), nullptr);
  // A window created with a menu shows it as its bar.
  HWND withMenu =
      CreateWindowExA(0, "Logged", "m", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, menu, nullptr, nullptr);
  EXPECT_EQ(GetMenu(withMenu), menu);
  DestroyWindow(withMenu);
  EXPECT_FALSE(IsMenu(menu));
  EXPECT_EQ(CreateWindowExA(0, "Logged", "m", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                            reinterpret_cast<HMENU>(0x777), nullptr, nullptr),
            nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_MENU_HANDLE);
}

TEST_F(WindowMenus, SystemMenuHoldsTheStandardCommands) {
  HWND form = Make("form", WS_OVERLAPPEDWINDOW, Bounds(10, 10, 300, 200));
  HMENU system = GetSystemMenu(form, false);
  EXPECT_EQ(Describe(system),
            "&Restore(61728) &Move(61456) &Size(61440) Mi&nimize(61472) Ma&ximize(61488) - &Close\tAlt+F4(61536)");
  EXPECT_EQ(GetMenuDefaultItem(system, false, 0), static_cast<UINT>(SC_CLOSE));
  // Translated as it is made.
  GetSystemMenu(form, true);
  SetResourceTextTranslator([](const String& text) { return text == "&Move" ? String("&Verschieben") : text; });
  system = GetSystemMenu(form, false);
  SetResourceTextTranslator(nullptr);
  char text[32] = {};
  GetMenuStringA(system, SC_MOVE, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "&Verschieben");
}

// Message filter hooks: newest first, passed on by CallNextHookEx.
std::vector<std::string>& HookCalls() {
  static std::vector<std::string> calls;
  return calls;
}
HHOOK gFirst = nullptr, gSecond = nullptr;
LRESULT FirstHook(int code, WPARAM wParam, LPARAM lParam) {
  HookCalls().push_back("first " + std::to_string(code));
  const MSG* msg = reinterpret_cast<const MSG*>(lParam);
  if (msg->message == WM_KEYDOWN) return 1;
  return CallNextHookEx(gFirst, code, wParam, lParam);
}
LRESULT SecondHook(int code, WPARAM wParam, LPARAM lParam) {
  HookCalls().push_back("second " + std::to_string(code));
  return CallNextHookEx(gSecond, code, wParam, lParam);
}

TEST(MessageHooks, ChainNewestFirstAndSwallowWhatTheyAnswer) {
  HookCalls().clear();
  gFirst = SetWindowsHookExA(WH_MSGFILTER, FirstHook, nullptr, GetCurrentThreadId());
  gSecond = SetWindowsHookExA(WH_MSGFILTER, SecondHook, nullptr, 0);
  ASSERT_NE(gFirst, nullptr);
  ASSERT_NE(gSecond, nullptr);
  MSG key;
  key.message = WM_KEYDOWN;
  MSG move;
  move.message = WM_MOUSEMOVE;
  EXPECT_TRUE(CallMsgFilter(&key, MSGF_MENU));
  EXPECT_FALSE(CallMsgFilter(&move, MSGF_MENU));
  EXPECT_EQ(HookCalls(), (std::vector<std::string>{"second 2", "first 2", "second 2", "first 2"}));
  EXPECT_TRUE(UnhookWindowsHookEx(gSecond));
  SetLastError(0);
  EXPECT_FALSE(UnhookWindowsHookEx(gSecond));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HOOK_HANDLE);
  HookCalls().clear();
  EXPECT_FALSE(CallMsgFilter(&move, MSGF_MENU));
  EXPECT_EQ(HookCalls(), (std::vector<std::string>{"first 2"}));
  EXPECT_TRUE(UnhookWindowsHookEx(gFirst));
  EXPECT_FALSE(CallMsgFilter(&key, MSGF_MENU));
}

TEST(MessageHooks, OnlyMessageFiltersOfThisThreadAreKept) {
  SetLastError(0);
  EXPECT_EQ(SetWindowsHookExA(4, FirstHook, nullptr, 0), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HOOK_FILTER);
  EXPECT_EQ(SetWindowsHookExA(WH_MSGFILTER, nullptr, nullptr, 0), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FILTER_PROC);
  EXPECT_EQ(SetWindowsHookExA(WH_MSGFILTER, FirstHook, nullptr, GetCurrentThreadId() + 1), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

}  // namespace
}  // namespace plat::testing
