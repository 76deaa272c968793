#include "skin/SkFormClasses.h"

#include "platform/ui/IdentMap.h"
#include "platform/ui/LayoutClasses.h"
#include "platform/ui/TCustomPanel.h"
#include "skin/SkForm.h"
#include "skin/SkMainMenu.h"
#include "skin/SkMgr.h"
#include "skin/SkPopupMenu.h"

namespace zorbit {

const char* const kUIStyleNames[6] = {"FromThemeFile", "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"};

namespace {

constexpr const char* kButtonTypeNames[] = {"skMax", "skMin", "skClose", "skHelp", "skControlBox", "skCustom"};
constexpr const char* kSectionAlignNames[] = {"skLeft", "skRight", "skClient"};

template <typename TMenuClass, typename TBase>
void RegisterSkinnedMenu(const char* Name) {
  plat::RegisterLayoutClass<TMenuClass, TBase>(Name)
      .EnumProperty("UIStyle", &TMenuClass::UIStyle, &TMenuClass::SetUIStyle, kUIStyleNames)
      .ComponentProperty("FileTheme", &TMenuClass::FileTheme, &TMenuClass::SetFileTheme)
      .IntegerProperty("MenuItemHeight", &TMenuClass::MenuItemHeight, &TMenuClass::SetMenuItemHeight)
      .IntegerProperty("SeparatorHeight", &TMenuClass::SeparatorHeight, &TMenuClass::SetSeparatorHeight)
      .IntegerProperty("BarWidth", &TMenuClass::BarWidth, &TMenuClass::SetBarWidth)
      .IntegerProperty("BarColor", &TMenuClass::BarColor, &TMenuClass::SetBarColor, plat::ColorIdents())
      .IntegerProperty("Color", &TMenuClass::Color, &TMenuClass::SetColor, plat::ColorIdents())
      .IntegerProperty("SeparatorColor", &TMenuClass::SeparatorColor, &TMenuClass::SetSeparatorColor,
                       plat::ColorIdents())
      .IntegerProperty("SelectedBorderColor", &TMenuClass::SelectedBorderColor, &TMenuClass::SetSelectedBorderColor,
                       plat::ColorIdents())
      .IntegerProperty("SelectedColor", &TMenuClass::SelectedColor, &TMenuClass::SetSelectedColor, plat::ColorIdents())
      .IntegerProperty("SelectedFontColor", &TMenuClass::SelectedFontColor, &TMenuClass::SetSelectedFontColor,
                       plat::ColorIdents())
      .IntegerProperty("FontColor", &TMenuClass::FontColor, &TMenuClass::SetFontColor, plat::ColorIdents())
      .IntegerProperty("BorderColor", &TMenuClass::BorderColor, &TMenuClass::SetBorderColor, plat::ColorIdents())
      .BooleanProperty("FlatMenu", &TMenuClass::FlatMenu, &TMenuClass::SetFlatMenu)
      .StringProperty("FontName", &TMenuClass::FontName, &TMenuClass::SetFontName)
      .IntegerProperty("FontSize", &TMenuClass::FontSize, &TMenuClass::SetFontSize)
      .BooleanProperty("UseSystemFont", &TMenuClass::UseSystemFont, &TMenuClass::SetUseSystemFont);
}

}  // namespace

void RegisterSkinFrameClasses() {
  plat::RegisterLayoutClass<TskTitleBarButton>("TskTitleBarButton")
      .EnumProperty("UIStyle", &TskTitleBarButton::UIStyle, &TskTitleBarButton::SetUIStyle, kUIStyleNames)
      .EnumProperty("ButtonType", &TskTitleBarButton::ButtonType, &TskTitleBarButton::SetButtonType, kButtonTypeNames)
      .BooleanProperty("Transparent", &TskTitleBarButton::Transparent, &TskTitleBarButton::SetTransparent)
      .IntegerProperty("Top", &TskTitleBarButton::Top, &TskTitleBarButton::SetTop)
      .ComponentProperty("ControlBoxMenu", &TskTitleBarButton::ControlBoxMenu, &TskTitleBarButton::SetControlBoxMenu)
      .BooleanProperty("Visible", &TskTitleBarButton::Visible, &TskTitleBarButton::SetVisible);
  plat::RegisterLayoutClass<TskTitleBarSection>("TskTitleBarSection")
      .BooleanProperty("AutoSize", &TskTitleBarSection::AutoSize, &TskTitleBarSection::SetAutoSize)
      .IntegerProperty("Width", &TskTitleBarSection::Width, &TskTitleBarSection::SetWidth)
      .EnumProperty("Align", &TskTitleBarSection::Align, &TskTitleBarSection::SetAlign, kSectionAlignNames)
      .BooleanProperty("Stretch", &TskTitleBarSection::Stretch, &TskTitleBarSection::SetStretch);
  plat::RegisterLayoutClass<TskForm, plat::TCustomPanel>("TskForm")
      .EnumProperty("UIStyle", &TskForm::UIStyle, &TskForm::SetUIStyle, kUIStyleNames)
      .ComponentProperty("FileTheme", &TskForm::FileTheme, &TskForm::SetFileTheme)
      .BooleanProperty("UIStyleAutoUpdateSub", &TskForm::UIStyleAutoUpdateSub, &TskForm::SetUIStyleAutoUpdateSub)
      .IntegerProperty("BorderColor", &TskForm::BorderColor, &TskForm::SetBorderColor, plat::ColorIdents())
      .IntegerProperty("BorderWidth", &TskForm::BorderWidth, &TskForm::SetBorderWidth)
      .IntegerProperty("Color", &TskForm::Color, &TskForm::SetColor, plat::ColorIdents())
      .StringProperty("Caption", &TskForm::Caption, &TskForm::SetCaption)
      .BooleanProperty("TitleBarVisible", &TskForm::TitleBarVisible, &TskForm::SetTitleBarVisible)
      .BooleanProperty("TitleBarCustom", &TskForm::TitleBarCustom, &TskForm::SetTitleBarCustom)
      .BooleanProperty("TitleBarDrawAppIcon", &TskForm::TitleBarDrawAppIcon, &TskForm::SetTitleBarDrawAppIcon)
      .CollectionProperty("TitleBarButtons", &TskForm::TitleBarButtons)
      .CollectionProperty("TitleBarSections", &TskForm::TitleBarSections)
      .ObjectProperty("Font", &TskForm::Font)
      .IntegerProperty("RoundCorner", &TskForm::RoundCorner, &TskForm::SetRoundCorner)
      .IntegerProperty("RoundCornerBottom", &TskForm::RoundCornerBottom, &TskForm::SetRoundCornerBottom)
      .ComponentProperty("Menu", &TskForm::Menu, &TskForm::SetMenu)
      .IntegerProperty("MenuBarColor", &TskForm::MenuBarColor, &TskForm::SetMenuBarColor, plat::ColorIdents())
      .IntegerProperty("MenuBarHeight", &TskForm::MenuBarHeight, &TskForm::SetMenuBarHeight)
      .ComponentProperty("FormPanel", &TskForm::FormPanel, &TskForm::SetFormPanel)
      .StringProperty("Version", &TskForm::Version, &TskForm::SetVersion);
  RegisterSkinnedMenu<TskPopupMenu, plat::TPopupMenu>("TskPopupMenu");
  RegisterSkinnedMenu<TskMainMenu, plat::TMainMenu>("TskMainMenu");
}

}  // namespace zorbit
