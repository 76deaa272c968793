#include "skin/tests/TestFrame.h"

#include "platform/ui/LayoutClasses.h"
#include "skin/SkMgr.h"
#include "skin/SkinClasses.h"

namespace skintest {

namespace {
constexpr const char* kStyleNames[] = {"FromThemeFile", "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"};
}  // namespace

void RegisterTestFrame() {
  zorbit::RegisterSkinClasses();
  plat::RegisterLayoutClass<TskForm, plat::TCustomPanel>("TskForm")
      .EnumProperty("UIStyle", &TskForm::UIStyle, &TskForm::SetUIStyle, kStyleNames)
      .ComponentProperty("FileTheme", &TskForm::FileTheme, &TskForm::SetFileTheme);
}

}  // namespace skintest
