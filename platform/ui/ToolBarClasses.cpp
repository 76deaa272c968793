#include "platform/ui/ToolBarClasses.h"

#include "platform/ui/LayoutClasses.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TToolBar.h"
#include "platform/ui/TToolButton.h"

namespace plat {

namespace {

constexpr const char* kEdgeBorderNames[] = {"ebLeft", "ebTop", "ebRight", "ebBottom"};
constexpr const char* kEdgeStyleNames[] = {"esNone", "esRaised", "esLowered"};
constexpr const char* kToolButtonStyleNames[] = {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"};

}  // namespace

void RegisterToolBarClasses() {
  RegisterLayoutClass<TToolWindow, TCustomControl>("TToolWindow")
      .SetProperty("EdgeBorders", &TToolWindow::EdgeBorders, &TToolWindow::SetEdgeBorders, kEdgeBorderNames)
      .EnumProperty("EdgeInner", &TToolWindow::EdgeInner, &TToolWindow::SetEdgeInner, kEdgeStyleNames)
      .EnumProperty("EdgeOuter", &TToolWindow::EdgeOuter, &TToolWindow::SetEdgeOuter, kEdgeStyleNames);

  RegisterLayoutClass<TToolBar, TToolWindow>("TToolBar")
      .IntegerProperty("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth)
      .IntegerProperty("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight)
      .BooleanProperty("Flat", &TToolBar::Flat, &TToolBar::SetFlat)
      .BooleanProperty("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions)
      .BooleanProperty("List", &TToolBar::List, &TToolBar::SetList)
      .IntegerProperty("Indent", &TToolBar::Indent, &TToolBar::SetIndent)
      .BooleanProperty("Wrapable", &TToolBar::Wrapable, &TToolBar::SetWrapable)
      .BooleanProperty("Transparent", &TToolBar::Transparent, &TToolBar::SetTransparent)
      .ComponentProperty("Images", &TToolBar::Images, &TToolBar::SetImages)
      .ComponentProperty("HotImages", &TToolBar::HotImages, &TToolBar::SetHotImages)
      .ComponentProperty("DisabledImages", &TToolBar::DisabledImages, &TToolBar::SetDisabledImages)
      .EventProperty("OnCustomDraw", &TToolBar::OnCustomDraw)
      .EventProperty("OnCustomDrawButton", &TToolBar::OnCustomDrawButton)
      .EventProperty("OnAdvancedCustomDraw", &TToolBar::OnAdvancedCustomDraw)
      .EventProperty("OnAdvancedCustomDrawButton", &TToolBar::OnAdvancedCustomDrawButton);

  RegisterLayoutClass<TToolButton, TGraphicControl>("TToolButton")
      .EnumProperty("Style", &TToolButton::Style, &TToolButton::SetStyle, kToolButtonStyleNames)
      .BooleanProperty("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped)
      .BooleanProperty("AllowAllUp", &TToolButton::AllowAllUp, &TToolButton::SetAllowAllUp)
      .BooleanProperty("Down", &TToolButton::Down, &TToolButton::SetDown)
      .IntegerProperty("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex)
      .BooleanProperty("Indeterminate", &TToolButton::Indeterminate, &TToolButton::SetIndeterminate)
      .BooleanProperty("Marked", &TToolButton::Marked, &TToolButton::SetMarked)
      .BooleanProperty("Wrap", &TToolButton::Wrap, &TToolButton::SetWrap)
      .ComponentProperty("DropdownMenu", &TToolButton::DropdownMenu, &TToolButton::SetDropdownMenu)
      .ComponentProperty("MenuItem", &TToolButton::MenuItem, &TToolButton::SetMenuItem);
}

}  // namespace plat
