#include "skin/ThemeLink.h"

#include "skin/SkMgr.h"

namespace zorbit {

void LinkFileTheme(plat::TComponent& Control, TskFileTheme*& Field, TskFileTheme* Theme) {
  if (Field == Theme) return;
  if (Field) Field->RemoveFreeNotification(&Control);
  Field = Theme;
  if (Field) Field->FreeNotification(&Control);
}

bool ForgetFreedTheme(TskFileTheme*& Field, const plat::TComponent* AComponent, plat::TOperation Operation) {
  if (Operation != plat::TOperation::opRemove || !Field || AComponent != Field) return false;
  Field = nullptr;
  return true;
}

}  // namespace zorbit
