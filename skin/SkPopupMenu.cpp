#include "skin/SkPopupMenu.h"

#include "skin/ThemeChoice.h"

namespace zorbit {

TskPopupMenu::TskPopupMenu(plat::TComponent* AOwner) : TskSkinnedMenu<plat::TPopupMenu>(AOwner) {
  SetUIStyle(GetOwnerFormUIStyle(AOwner));
}

}  // namespace zorbit
