// Tracking popup menus: the public calls over the tracker.
#include "platform/win/Menus.h"
#include "platform/win/WinErrors.h"
#include "platform/win/detail/DefaultFrame.h"
#include "platform/win/detail/MenuLayout.h"
#include "platform/win/detail/MenuTracker.h"
#include "platform/win/detail/WindowManager.h"
#include "platform/win/detail/WindowMenus.h"

namespace plat {

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* params) {
  if (!MenuStore::Instance().FindOrFail(menu) || !WindowManager::Instance().FindOrFail(owner)) return FALSE;
  if (params && params->cbSize != sizeof(TPMPARAMS)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (MenuTracker::Current()) {
    SetLastError(ERROR_POPUP_ALREADY_ACTIVE);
    return FALSE;
  }
  const TRect exclude = params ? TRect(params->rcExclude) : TRect();
  const UINT chosen = MenuTracker::RunPopup(owner, menu, flags, {x, y}, params ? &exclude : nullptr);
  return (flags & TPM_RETURNCMD) ? static_cast<BOOL>(chosen) : TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
  return TrackPopupMenuEx(menu, flags, x, y, owner, nullptr);
}

bool EndMenu() {
  MenuTracker* tracker = MenuTracker::Current();
  if (tracker) tracker->Cancel();
  return tracker != nullptr;
}

bool GetMenuItemRect(HWND window, HMENU menu, UINT item, RECT* rect) {
  const Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w || !MenuStore::Instance().FindOrFail(menu) || !rect) return false;
  if (menu == MenuBarOf(w)) {
    const TRect area = LayOutWindowFrame(w, w->WindowBounds()).MenuBar;
    const BarLayout layout = LayOutMenuBar(window, menu, area.Width());
    if (item < layout.Items.size()) {
      const TPoint origin = w->ScreenOrigin() + area.TopLeft();
      *rect = layout.Items[item].Translated(origin.X, origin.Y);
      return true;
    }
  } else if (const MenuTracker* tracker = MenuTracker::Current()) {
    if (const auto open = tracker->OpenItemRect(menu, item)) {
      *rect = *open;
      return true;
    }
  }
  SetLastError(ERROR_MENU_ITEM_NOT_FOUND);
  return false;
}

}  // namespace plat
