#include "grid/GridObjectClasses.h"

#include "grid/TExtGridButton.h"
#include "grid/TPopupButton.h"
#include "platform/ui/ClassLibrary.h"
#include "platform/ui/IdentMap.h"
#include "platform/ui/LayoutClasses.h"

namespace zorbit {

namespace {

constexpr const char* kButtonLayoutNames[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};
constexpr const char* kButtonStyleNames[] = {"tasButton", "tasCheck"};

}  // namespace

void RegisterGridObjectClasses() {
  plat::InitClassLibrary();
  using B = TExtGridButton;
  plat::RegisterLayoutClass<B, plat::TGraphicControl>("TExtGridButton")
      .BooleanProperty("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp)
      .BooleanProperty("AutoThemeAdapt", &B::AutoThemeAdapt, &B::SetAutoThemeAdapt)
      .BooleanProperty("AutoXPStyle", &B::AutoXPStyle, &B::SetAutoXPStyle)
      .IntegerProperty("BorderColor", &B::BorderColor, &B::SetBorderColor, plat::ColorIdents())
      .IntegerProperty("BorderDownColor", &B::BorderDownColor, &B::SetBorderDownColor, plat::ColorIdents())
      .IntegerProperty("BorderHotColor", &B::BorderHotColor, &B::SetBorderHotColor, plat::ColorIdents())
      .IntegerProperty("ColorTo", &B::ColorTo, &B::SetColorTo, plat::ColorIdents())
      .IntegerProperty("ColorDown", &B::ColorDown, &B::SetColorDown, plat::ColorIdents())
      .IntegerProperty("ColorDownTo", &B::ColorDownTo, &B::SetColorDownTo, plat::ColorIdents())
      .IntegerProperty("ColorHot", &B::ColorHot, &B::SetColorHot, plat::ColorIdents())
      .IntegerProperty("ColorHotTo", &B::ColorHotTo, &B::SetColorHotTo, plat::ColorIdents())
      .IntegerProperty("ColorChecked", &B::ColorChecked, &B::SetColorChecked, plat::ColorIdents())
      .IntegerProperty("ColorCheckedTo", &B::ColorCheckedTo, &B::SetColorCheckedTo, plat::ColorIdents())
      .IntegerProperty("GroupIndex", &B::GroupIndex, &B::SetGroupIndex)
      .BooleanProperty("Down", &B::Down, &B::SetDown)
      .BooleanProperty("DropDownButton", &B::DropDownButton, &B::SetDropDownButton)
      .BooleanProperty("Flat", &B::Flat, &B::SetFlat)
      .EnumProperty("Layout", &B::Layout, &B::SetLayout, kButtonLayoutNames)
      .IntegerProperty("Margin", &B::Margin, &B::SetMargin)
      .BooleanProperty("Rounded", &B::Rounded, &B::SetRounded)
      .BooleanProperty("Shaded", &B::Shaded, &B::SetShaded)
      .BooleanProperty("ShowCaption", &B::ShowCaption, &B::SetShowCaption)
      .IntegerProperty("Spacing", &B::Spacing, &B::SetSpacing)
      .EnumProperty("Style", &B::Style, &B::SetStyle, kButtonStyleNames)
      .EventProperty("OnDropDown", &B::OnDropDown);
  plat::RegisterLayoutClass<TPopupButton, plat::TCustomControl>("TPopupButton")
      .BooleanProperty("Flat", &TPopupButton::Flat, &TPopupButton::SetFlat)
      .IntegerProperty("GradFrom", &TPopupButton::GradFrom, &TPopupButton::SetGradFrom, plat::ColorIdents())
      .IntegerProperty("GradTo", &TPopupButton::GradTo, &TPopupButton::SetGradTo, plat::ColorIdents());
}

}  // namespace zorbit
