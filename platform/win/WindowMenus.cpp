// A window's menus: the menu bar it shows and its system menu.
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/Unicode.h"
#include "platform/win/Menus.h"
#include "platform/win/Messages.h"
#include "platform/win/WinConsts.h"
#include "platform/win/WinErrors.h"
#include "platform/win/WindowPos.h"
#include "platform/win/detail/DefaultFrame.h"
#include "platform/win/detail/MenuLayout.h"
#include "platform/win/detail/MenuStore.h"
#include "platform/win/detail/WindowManager.h"
#include "platform/win/detail/WindowMenus.h"

namespace plat {
namespace {

HMENU MakeSystemMenu(HWND window) {
  const HMENU menu = CreatePopupMenu();
  MenuStore::Instance().Find(menu)->SystemMenuOf = window;
  const std::pair<const TResStringRec*, WPARAM> items[] = {
      {&SMenuRestore, SC_RESTORE},   {&SMenuMove, SC_MOVE}, {&SMenuSize, SC_SIZE},  {&SMenuMinimize, SC_MINIMIZE},
      {&SMenuMaximize, SC_MAXIMIZE}, {nullptr, 0},          {&SMenuClose, SC_CLOSE}};
  for (const auto& [text, command] : items) {
    if (text)
      AppendMenuA(menu, MF_STRING, command, LoadResString(*text).c_str());
    else
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  }
  SetMenuDefaultItem(menu, SC_CLOSE, false);
  return menu;
}

// Recomputes the frame, so the menu-bar row comes or goes, and repaints it.
void RefreshFrame(HWND window) {
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace

HMENU MenuBarOf(const Window* w) {
  if (w->IsChild() || !w->Id) return nullptr;
  const HMENU menu = reinterpret_cast<HMENU>(w->Id);
  return MenuStore::Instance().Find(menu) ? menu : nullptr;
}

void DestroyMenusOf(Window* w) {
  MenuStore& store = MenuStore::Instance();
  if (const HMENU bar = MenuBarOf(w)) store.Destroy(bar);
  if (w->SystemMenu && store.Find(w->SystemMenu)) store.Destroy(w->SystemMenu);
  w->SystemMenu = nullptr;
  if (!w->IsChild()) w->Id = 0;
}

int MenuBarItemAt(const Window* w, TPoint screen) {
  const HMENU bar = MenuBarOf(w);
  if (!bar) return -1;
  const TRect area = LayOutWindowFrame(w, w->WindowBounds()).MenuBar;
  const TPoint q = screen - w->ScreenOrigin() - area.TopLeft();
  const BarLayout layout = LayOutMenuBar(w->Handle(), bar, area.Width());
  for (std::size_t i = 0; i < layout.Items.size(); ++i)
    if (layout.Items[i].Contains(q)) return static_cast<int>(i);
  return -1;
}

int MenuBarItemFor(const Window* w, char32_t character) {
  const MenuRecord* bar = MenuStore::Instance().Find(MenuBarOf(w));
  const char32_t wanted = UnicodeLower(character);
  for (std::size_t i = 0; bar && i < bar->Items.size(); ++i)
    if (!bar->Items[i].IsSeparator() && MnemonicOf(bar->Items[i].Text) == wanted) return static_cast<int>(i);
  return -1;
}

HMENU GetMenu(HWND window) {
  const Window* w = WindowManager::Instance().FindOrFail(window);
  return w ? MenuBarOf(w) : nullptr;
}

bool SetMenu(HWND window, HMENU menu) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return false;
  if (w->IsChild()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  if (menu && !MenuStore::Instance().FindOrFail(menu)) return false;
  w->Id = reinterpret_cast<LONG_PTR>(menu);
  RefreshFrame(window);
  return true;
}

bool DrawMenuBar(HWND window) {
  const Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return false;
  if (!MenuBarOf(w)) {
    SetLastError(ERROR_INVALID_MENU_HANDLE);
    return false;
  }
  RefreshFrame(window);
  return true;
}

HMENU GetSystemMenu(HWND window, bool revert) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return nullptr;
  MenuStore& store = MenuStore::Instance();
  const bool have = w->SystemMenu && store.Find(w->SystemMenu);
  if (revert) {
    if (have) store.Destroy(w->SystemMenu);
    w->SystemMenu = nullptr;
    return nullptr;
  }
  if (!have) w->SystemMenu = MakeSystemMenu(window);
  return w->SystemMenu;
}

}  // namespace plat
