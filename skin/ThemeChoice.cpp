#include "skin/ThemeChoice.h"

#include "platform/ui/TCustomForm.h"
#include "platform/ui/TypInfo.h"
#include "skin/SkMgr.h"

namespace zorbit {

bool UsingFileTheme(const TskFileTheme* Theme, TskUIStyle Style, TskUIStyle& OutStyle) {
  OutStyle = Style;
  if (Style != TskUIStyle::FromThemeFile) return false;
  if (Theme && Theme->CanUse()) return true;
  OutStyle = TskUIStyle::DeepBlue;
  return false;
}

TskUIStyle GetOwnerFormUIStyle(const plat::TComponent* Owner) {
  const auto* form = dynamic_cast<const plat::TCustomForm*>(Owner);
  if (!form) return TskUIStyle::DeepBlue;
  for (int i = 0; i < form->ControlCount(); ++i) {
    const plat::TControl* control = form->Controls(i);
    if (control->ClassName() == "TskForm" && plat::IsReadableProp(*control, "UIStyle")) {
      return static_cast<TskUIStyle>(plat::GetOrdProp(*control, "UIStyle"));
    }
  }
  return TskUIStyle::DeepBlue;
}

}  // namespace zorbit
