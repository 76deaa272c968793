#include "skin/detail/InputClasses.h"

#include "platform/ui/IdentMap.h"
#include "platform/ui/LayoutClasses.h"
#include "skin/SkEdit.h"
#include "skin/SkMgr.h"

namespace zorbit::detail {

namespace {

constexpr const char* kStyleNames[] = {"FromThemeFile", "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"};

}  // namespace

void RegisterInputClasses() {
  using plat::ColorIdents;
  using plat::RegisterLayoutClass;

  RegisterLayoutClass<TskEdit, plat::TCustomEdit>("TskEdit")
      .ComponentProperty("FileTheme", &TskEdit::FileTheme, &TskEdit::SetFileTheme)
      .EnumProperty("UIStyle", &TskEdit::UIStyle, &TskEdit::SetUIStyle, kStyleNames)
      .IntegerProperty("BorderColor", &TskEdit::BorderColor, &TskEdit::SetBorderColor, ColorIdents());
}

}  // namespace zorbit::detail
