#include "platform/ui/TPopupMenu.h"

#include "platform/ui/detail/PopupList.h"
#include "platform/win/Menus.h"

namespace plat {

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) { detail::PopupList().Add(this); }

TPopupMenu::~TPopupMenu() {
  Destroying();
  detail::PopupList().Remove(this);
}

HMENU TPopupMenu::CreateMenuHandle() { return CreatePopupMenu(); }

void TPopupMenu::SetPopupComponent(TComponent* Value) { FPopupComponent = Value; }

void TPopupMenu::DoPopup(TObject* Sender) {
  if (OnPopup) OnPopup(Sender);
}

void TPopupMenu::Popup(int X, int Y) {
  static constexpr UINT kAlignment[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
  DoPopup(this);
  UpdateItems();
  const UINT flags = kAlignment[static_cast<int>(FAlignment)] | TPM_RETURNCMD |
                     (FTrackButton == TTrackButton::tbLeftButton ? TPM_LEFTBUTTON : TPM_RIGHTBUTTON);
  // The choice comes back rather than as a posted WM_COMMAND, so that it
  // runs once the menu is closed, before Popup returns.
  const auto command =
      static_cast<Word>(TrackPopupMenu(Handle(), flags, X, Y, 0, detail::PopupList().Window(), nullptr));
  if (command != 0) DispatchCommand(command);
}

}  // namespace plat
