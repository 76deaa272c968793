#include "skin/SkinClasses.h"

#include "platform/ui/ClassLibrary.h"
#include "platform/ui/LayoutClasses.h"
#include "skin/SkFormClasses.h"
#include "skin/SkMgr.h"
#include "skin/detail/ButtonClasses.h"
#include "skin/detail/InputClasses.h"

namespace zorbit {

void RegisterSkinClasses() {
  plat::InitClassLibrary();
  plat::RegisterLayoutClass<TskFileTheme, plat::TComponent>("TskFileTheme")
      .StringProperty("ThemeFile", &TskFileTheme::ThemeFile, &TskFileTheme::SetThemeFile);
  RegisterSkinFrameClasses();
  detail::RegisterButtonClasses();
  detail::RegisterInputClasses();
}

}  // namespace zorbit
