#pragma once
// The menu tests' common ground: a form that owns the menus, a sample
// popup menu, the owner's menu messages written into a log with their
// parameters ("select 2 mouse", "popup Recent 3"), and helpers to find the
// open menu windows and to drive a menu loop from the display's modal hook.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/win/Menus.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {

class MenuTest : public WindowTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Commands of the sample menu.
  enum : UINT { IdOpen = 1, IdSave = 2, IdDisabled = 3, IdExit = 4, IdFirst = 11, IdSecond = 12 };
  // "&Open" "&Save\tCtrl+S" - "&Recent" [ "&First" "S&econd" ] "&Disabled" (grayed) "E&xit".
  HMENU MakeSampleMenu();

  // Names menus in the log.
  void Name(HMENU menu, const std::string& name) { FMenuNames[menu] = name; }
  // Logs the owner's menu messages (and WM_COMMAND, WM_SYSCOMMAND, clicks).
  void RecordMenuMessages(HWND owner);
  std::vector<std::string> TakeMenuLog();

  // Runs once, in the menu loop, when it first has nothing to do.
  void WhenMenuOpens(std::function<void()> action);
  // The menu windows open now, the first opened first.
  static std::vector<HWND> MenuWindows();
  // The centre of an open popup's item, on the screen.
  TPoint ItemCentre(HWND owner, HMENU menu, UINT position);

  HWND FForm = nullptr;
  std::vector<std::string> FMenuLog;
  std::map<HMENU, std::string> FMenuNames;
};

}  // namespace plat::testing
