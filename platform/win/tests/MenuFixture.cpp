#include "platform/win/tests/MenuFixture.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/win/Focus.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"

namespace plat::testing {

void MenuTest::SetUp() {
  WindowTest::SetUp();
  FForm = Make("form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(100, 100, 400, 300));
  SetActiveWindow(FForm);
  Pump();
  ClearLog();
}

void MenuTest::TearDown() {
  Display().SetModalHook(nullptr);
  WindowTest::TearDown();
}

HMENU MenuTest::MakeSampleMenu() {
  HMENU menu = CreatePopupMenu();
  HMENU recent = CreatePopupMenu();
  AppendMenuA(recent, MF_STRING, IdFirst, "&First");
  AppendMenuA(recent, MF_STRING, IdSecond, "S&econd");
  AppendMenuA(menu, MF_STRING, IdOpen, "&Open");
  AppendMenuA(menu, MF_STRING, IdSave, "&Save\tCtrl+S");
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "&Recent");
  AppendMenuA(menu, MF_STRING | MF_GRAYED, IdDisabled, "&Disabled");
  AppendMenuA(menu, MF_STRING, IdExit, "E&xit");
  Name(menu, "Sample");
  Name(recent, "Recent");
  return menu;
}

void MenuTest::RecordMenuMessages(HWND owner) {
  auto name = [this](LPARAM menu) {
    const auto found = FMenuNames.find(reinterpret_cast<HMENU>(menu));
    return found == FMenuNames.end() ? std::string("?") : found->second;
  };
  auto log = [this](std::string entry) -> std::optional<LRESULT> {
    FMenuLog.push_back(std::move(entry));
    return std::nullopt;
  };
  Handle(owner, WM_ENTERMENULOOP, [=](HWND, UINT, WPARAM w, LPARAM) { return log("enter " + std::to_string(w)); });
  Handle(owner, WM_EXITMENULOOP, [=](HWND, UINT, WPARAM w, LPARAM) { return log("exit " + std::to_string(w)); });
  Handle(owner, WM_INITMENU, [=](HWND, UINT, WPARAM w, LPARAM) { return log("init " + name(static_cast<LPARAM>(w))); });
  Handle(owner, WM_INITMENUPOPUP, [=](HWND, UINT, WPARAM w, LPARAM l) {
    return log("popup " + name(static_cast<LPARAM>(w)) + " " + std::to_string(LOWORD(l)) +
               (HIWORD(l) ? " system" : ""));
  });
  Handle(owner, WM_UNINITMENUPOPUP,
         [=](HWND, UINT, WPARAM w, LPARAM) { return log("close " + name(static_cast<LPARAM>(w))); });
  Handle(owner, WM_MENUSELECT, [=](HWND, UINT, WPARAM w, LPARAM l) {
    const UINT flags = HIWORD(w);
    if (flags == 0xFFFF && !l) return log("select end");
    std::string entry = "select " + std::to_string(LOWORD(w));
    if (flags & MF_POPUP) entry += " popup";
    if (flags & MF_GRAYED) entry += " grayed";
    if (flags & MF_MOUSESELECT) entry += " mouse";
    if (flags & MF_SYSMENU) entry += " system";
    return log(entry + " in " + name(l));
  });
  Handle(owner, WM_COMMAND, [=](HWND, UINT, WPARAM w, LPARAM) { return log("command " + std::to_string(LOWORD(w))); });
  Handle(owner, WM_SYSCOMMAND, [=](HWND, UINT, WPARAM w, LPARAM) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%04X", static_cast<unsigned>(w & 0xFFF0));
    return log(std::string("syscommand ") + hex);
  });
}

std::vector<std::string> MenuTest::TakeMenuLog() {
  std::vector<std::string> log = std::move(FMenuLog);
  FMenuLog.clear();
  return log;
}

void MenuTest::WhenMenuOpens(std::function<void()> action) {
  Display().SetModalHook([this, action = std::move(action)](HWND) {
    // Clearing the hook destroys this lambda: keep what it holds first.
    const std::function<void()> run = action;
    Display().SetModalHook(nullptr);
    run();
  });
}

std::vector<HWND> MenuTest::MenuWindows() {
  std::vector<HWND> found;
  EnumWindows(
      [](HWND window, LPARAM list) {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::strcmp(name, MenuWindowClass) == 0 && IsWindowVisible(window))
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  std::reverse(found.begin(), found.end());  // the newest lies on top
  return found;
}

TPoint MenuTest::ItemCentre(HWND owner, HMENU menu, UINT position) {
  RECT r;
  EXPECT_TRUE(GetMenuItemRect(owner, menu, position, &r)) << "item " << position;
  return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

}  // namespace plat::testing
