#pragma once
// TskPopupMenu: a popup menu drawn in the skin's colours (SkMenuLook.h),
// for context menus and the title bar's control menu. A new one takes the
// style of the frame on its owner form (DeepBlue without one).
#include "platform/ui/TPopupMenu.h"
#include "skin/SkMenuLook.h"

namespace zorbit {

class TskPopupMenu : public TskSkinnedMenu<plat::TPopupMenu> {
 public:
  explicit TskPopupMenu(plat::TComponent* AOwner);
};

}  // namespace zorbit
