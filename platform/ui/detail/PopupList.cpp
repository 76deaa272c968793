#include "platform/ui/detail/PopupList.h"

#include <algorithm>

#include "platform/ui/TApplication.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"

namespace plat::detail {

namespace {

constexpr const char* kPopupListClass = "ZorbitPopupList";

}  // namespace

TPopupList& PopupList() {
  static TPopupList list;
  return list;
}

void TPopupList::Add(TPopupMenu* Menu) { FMenus.push_back(Menu); }

void TPopupList::Remove(TPopupMenu* Menu) {
  std::erase(FMenus, Menu);
  if (FMenus.empty() && FWindow) {
    const HWND window = FWindow;
    FWindow = nullptr;
    if (IsWindow(window)) DestroyWindow(window);
  }
}

HWND TPopupList::Window() {
  if (FWindow && IsWindow(FWindow)) return FWindow;
  if (!FindWindowClass(kPopupListClass)) {
    WNDCLASSA wc;
    wc.lpfnWndProc = WindowProc;
    wc.lpszClassName = kPopupListClass;
    RegisterClassA(&wc);
  }
  FWindow =
      CreateWindowExA(WS_EX_TOOLWINDOW, kPopupListClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  return FWindow;
}

LRESULT TPopupList::WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage message{Msg, WParam, LParam, 0};
  try {
    // A handler may delete menus: ask those of a copy that are still listed.
    const std::vector<TPopupMenu*> menus = PopupList().FMenus;
    for (TPopupMenu* menu : menus) {
      const auto& listed = PopupList().FMenus;
      if (std::find(listed.begin(), listed.end(), menu) == listed.end()) continue;
      if (menu->DispatchMenuMessage(message)) return message.Result;
    }
  } catch (...) {
    if (!Application) throw;
    Application->HandleException(nullptr);
    return 0;
  }
  return DefWindowProcA(Window, Msg, WParam, LParam);
}

}  // namespace plat::detail
