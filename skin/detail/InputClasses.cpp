#include "skin/detail/InputClasses.h"

#include "platform/ui/IdentMap.h"
#include "platform/ui/LayoutClasses.h"
#include "skin/SkEdit.h"
#include "skin/SkGroupBox.h"
#include "skin/SkImagePanel.h"
#include "skin/SkMgr.h"

namespace zorbit::detail {

namespace {

constexpr const char* kStyleNames[] = {"FromThemeFile", "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"};
constexpr const char* kDrawStyleNames[] = {"skNormal", "skStretch", "skTile"};

}  // namespace

void RegisterInputClasses() {
  using plat::ColorIdents;
  using plat::RegisterLayoutClass;

  RegisterLayoutClass<TskEdit, plat::TCustomEdit>("TskEdit")
      .ComponentProperty("FileTheme", &TskEdit::FileTheme, &TskEdit::SetFileTheme)
      .EnumProperty("UIStyle", &TskEdit::UIStyle, &TskEdit::SetUIStyle, kStyleNames)
      .IntegerProperty("BorderColor", &TskEdit::BorderColor, &TskEdit::SetBorderColor, ColorIdents());

  RegisterLayoutClass<TskCustomPanel, plat::TCustomPanel>("TskCustomPanel");
  RegisterLayoutClass<TskImagePanel, TskCustomPanel>("TskImagePanel")
      .ObjectProperty("Picture", &TskImagePanel::Picture)
      .EnumProperty("DrawStyle", &TskImagePanel::DrawStyle, &TskImagePanel::SetDrawStyle, kDrawStyleNames);

  RegisterLayoutClass<TskCustomGroupBox, TskCustomPanel>("TskCustomGroupBox")
      .ComponentProperty("FileTheme", &TskCustomGroupBox::FileTheme, &TskCustomGroupBox::SetFileTheme)
      .EnumProperty("UIStyle", &TskCustomGroupBox::UIStyle, &TskCustomGroupBox::SetUIStyle, kStyleNames)
      .StringProperty("Caption", &TskCustomGroupBox::Caption, &TskCustomGroupBox::SetCaption);
  RegisterLayoutClass<TskGroupBox, TskCustomGroupBox>("TskGroupBox")
      .IntegerProperty("BorderColor", &TskGroupBox::BorderColor, &TskGroupBox::SetBorderColor, ColorIdents());
}

}  // namespace zorbit::detail
