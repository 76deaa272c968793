#pragma once
// A menu that pops up over a control (right click, the menu key). This is
// its place in the class library; its items and their drawing come with
// the menus.
#include "platform/ui/TComponent.h"

namespace plat {

class TControl;

class TPopupMenu : public TComponent {
 public:
  using TComponent::TComponent;

  // The control it was last popped up for.
  TControl* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TControl* Value);
  // Shows the menu at a screen point; raises OnPopup first.
  virtual void Popup(int X, int Y);

  TNotifyEvent OnPopup;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TControl* FPopupComponent = nullptr;
};

}  // namespace plat
