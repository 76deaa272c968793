#pragma once
// TskMainMenu: a form's main menu drawn in the skin's colours
// (SkMenuLook.h) that the form's TskForm shows as its own menu bar instead
// of the window's. Made on a form, it takes the form's menu place away from
// the window and gives itself to the first TskForm among the form's
// controls; every change of its items reaches that frame's bar.
#include "platform/ui/TMainMenu.h"
#include "skin/SkMenuLook.h"

namespace zorbit {

class TskForm;

class TskMainMenu : public TskSkinnedMenu<plat::TMainMenu> {
 public:
  explicit TskMainMenu(plat::TComponent* AOwner);
  ~TskMainMenu() override;

  // The frame showing it (null: none); set by the frame's Menu.
  TskForm* Frame() const { return FFrame; }
  void SetFrame(TskForm* Value) { FFrame = Value; }
  // Also makes the frame's bar take the font again.
  void SetUseSystemFont(bool Value) override;

 protected:
  void Loaded() override;
  void MenuChanged(plat::TObject* Sender, plat::TMenuItem* Source, bool Rebuild) override;

 private:
  TskForm* FFrame = nullptr;
};

}  // namespace zorbit
