#pragma once
// The class library's window for popup menus. Tracking a popup needs an
// owner window that hears the menu messages (WM_INITMENUPOPUP,
// WM_MEASUREITEM, WM_DRAWITEM, WM_COMMAND); one hidden window serves every
// popup menu and hands each message to the menu whose item it concerns.
// The window exists while popup menus do: made on first use, destroyed
// when the last menu leaves the list.
#include <vector>

#include "platform/win/WinTypes.h"

namespace plat {

class TPopupMenu;

namespace detail {

class TPopupList {
 public:
  TPopupList() = default;
  TPopupList(const TPopupList&) = delete;
  TPopupList& operator=(const TPopupList&) = delete;

  void Add(TPopupMenu* Menu);
  void Remove(TPopupMenu* Menu);
  // The hidden window, made on demand.
  HWND Window();

 private:
  static LRESULT WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

  std::vector<TPopupMenu*> FMenus;
  HWND FWindow = nullptr;
};

// The one list of the program's popup menus.
TPopupList& PopupList();

}  // namespace detail
}  // namespace plat
