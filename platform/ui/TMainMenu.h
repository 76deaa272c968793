#pragma once
// A form's menu bar. The form it is given to (TCustomForm::SetMenu) shows
// it in its window and hands it the menu messages; the bar follows every
// change of the items at once, since it is always on show.
//
// Promises: deleting the menu takes the bar off its form's window first;
// a form that loses its window or is deleted takes the bar off (the window
// would otherwise destroy the menu's handle with it).
#include "platform/ui/TMenu.h"

namespace plat {

class TMainMenu : public TMenu {
 public:
  using TMenu::TMenu;
  ~TMainMenu() override;

  HWND WindowHandle() const override { return FWindowHandle; }
  // The window that shows the bar (null: none); the previous one loses it.
  void SetWindowHandle(HWND Value);

 protected:
  HMENU CreateMenuHandle() override;
  void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) override;

 private:
  HWND FWindowHandle = nullptr;
};

}  // namespace plat
