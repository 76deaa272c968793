#include "skin/SkMainMenu.h"

#include "platform/ui/TCustomForm.h"
#include "skin/SkForm.h"
#include "skin/ThemeChoice.h"

namespace zorbit {

TskMainMenu::TskMainMenu(plat::TComponent* AOwner) : TskSkinnedMenu<plat::TMainMenu>(AOwner) {
  SetUIStyle(GetOwnerFormUIStyle(AOwner));
  auto* form = dynamic_cast<plat::TCustomForm*>(AOwner);
  if (!form) return;
  if (form->Menu() == this) form->SetMenu(nullptr);
  for (int i = 0; i < form->ControlCount(); ++i) {
    if (auto* frame = dynamic_cast<TskForm*>(form->Controls(i))) {
      frame->SetMenu(this);
      break;
    }
  }
}

TskMainMenu::~TskMainMenu() {
  if (FFrame) FFrame->SetMenu(nullptr);
}

void TskMainMenu::SetUseSystemFont(bool Value) {
  TskSkinnedMenu<plat::TMainMenu>::SetUseSystemFont(Value);
  if (FFrame) FFrame->MenuFontChanged();
}

void TskMainMenu::Loaded() {
  TskSkinnedMenu<plat::TMainMenu>::Loaded();
  if (FFrame) FFrame->SetMenu(this);
}

void TskMainMenu::MenuChanged(plat::TObject* Sender, plat::TMenuItem* Source, bool Rebuild) {
  TskSkinnedMenu<plat::TMainMenu>::MenuChanged(Sender, Source, Rebuild);
  if (FFrame) FFrame->RefreshMenuBar();
}

}  // namespace zorbit
