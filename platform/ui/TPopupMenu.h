#pragma once
// A menu that pops up over a control (right click, the menu key) or
// wherever the program asks (Popup).
//
// Popup raises OnPopup, runs the update pass and tracks the menu through
// the window layer until the user chooses or dismisses it; the chosen
// item's Click runs once, after the menu is gone. The menu messages of
// every popup menu go to one hidden window of the class library, which
// hands each to the menu it concerns.
//
// A control's PopupMenu pops up on a right click only with AutoPopup; the
// control becomes PopupComponent.
#include "platform/ui/TMenu.h"
#include "platform/ui/TComponentRef.h"

namespace plat {

class TControl;

// Where the menu lies around the point: its left edge, right edge or middle.
enum class TPopupAlignment { paLeft, paRight, paCenter };
// The mouse button that chooses items.
enum class TTrackButton { tbRightButton, tbLeftButton };

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;

  // Shows the menu at a screen point and returns once it is closed.
  virtual void Popup(int X, int Y);

  // The component it was last popped up for.
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value);
  TPopupAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }
  TTrackButton TrackButton() const { return FTrackButton; }
  void SetTrackButton(TTrackButton Value) { FTrackButton = Value; }

  TNotifyEvent OnPopup;

 protected:
  HMENU CreateMenuHandle() override;
  virtual void DoPopup(TObject* Sender);

 private:
  TComponentRef<TComponent> FPopupComponent;
  TPopupAlignment FAlignment = TPopupAlignment::paLeft;
  bool FAutoPopup = true;
  TTrackButton FTrackButton = TTrackButton::tbRightButton;
};

}  // namespace plat
