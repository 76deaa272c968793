#include "skin/SkinClasses.h"

#include "platform/ui/ClassLibrary.h"
#include "platform/ui/LayoutClasses.h"
#include "skin/SkFormClasses.h"
#include "skin/SkMgr.h"

namespace zorbit {

void RegisterSkinClasses() {
  plat::InitClassLibrary();
  plat::RegisterLayoutClass<TskFileTheme, plat::TComponent>("TskFileTheme")
      .StringProperty("ThemeFile", &TskFileTheme::ThemeFile, &TskFileTheme::SetThemeFile);
  RegisterSkinFrameClasses();
}

}  // namespace zorbit
