#include "platform/ui/TPopupMenu.h"

#include "platform/ui/TControl.h"

namespace plat {

void TPopupMenu::SetPopupComponent(TControl* Value) {
  if (FPopupComponent == Value) return;
  if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
  FPopupComponent = Value;
  if (Value) Value->FreeNotification(this);
}

void TPopupMenu::Popup(int, int) {
  if (OnPopup) OnPopup(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

}  // namespace plat
