#include "skin/detail/ButtonClasses.h"

#include "platform/ui/LayoutClasses.h"
#include "platform/ui/TCustomControl.h"
#include "skin/ImgBtn.h"
#include "skin/SkButton.h"
#include "skin/SkCheckBox.h"
#include "skin/SkImageButton.h"
#include "skin/SkMgr.h"

namespace zorbit::detail {

namespace {

constexpr const char* kUIStyleNames[] = {"FromThemeFile", "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"};
constexpr const char* kButtonLayoutNames[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};
constexpr const char* kGraphicLayoutNames[] = {
    "glGraphicTopLeft",    "glGraphicTopCenter", "glGraphicTopRight",     "glGraphicCenterLeft",  "glGraphicCenter",
    "glGraphicCenterRight", "glGraphicBottomLeft", "glGraphicBottomCenter", "glGraphicBottomRight"};
constexpr const char* kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr const char* kCheckBoxStateNames[] = {"cbUnchecked", "cbChecked", "cbGrayed"};

}  // namespace

void RegisterButtonClasses() {
  using plat::RegisterLayoutClass;
  RegisterLayoutClass<TskCustomButton, plat::TCustomControl>("TskCustomButton")
      .EnumProperty("UIStyle", &TskCustomButton::UIStyle, &TskCustomButton::SetUIStyle, kUIStyleNames)
      .BooleanProperty("Cancel", &TskCustomButton::Cancel, &TskCustomButton::SetCancel)
      .BooleanProperty("Default", &TskCustomButton::Default, &TskCustomButton::SetDefault)
      .IntegerProperty("ModalResult", &TskCustomButton::ModalResult, &TskCustomButton::SetModalResult)
      .IntegerProperty("MouseContinuouslyDownInterval", &TskCustomButton::MouseContinuouslyDownInterval,
                       &TskCustomButton::SetMouseContinuouslyDownInterval)
      .BooleanProperty("Transparent", &TskCustomButton::Transparent, &TskCustomButton::SetTransparent)
      .IntegerProperty("FocusedRectMargin", &TskCustomButton::FocusedRectMargin,
                       &TskCustomButton::SetFocusedRectMargin)
      .IntegerProperty("ResHandle", &TskCustomButton::ResHandle, &TskCustomButton::SetResHandle)
      .EventProperty("OnMouseExit", &TskCustomButton::OnMouseExit)
      .EventProperty("OnMouseContinuouslyDown", &TskCustomButton::OnMouseContinuouslyDown);
  RegisterLayoutClass<TskButton, TskCustomButton>("TskButton")
      .ComponentProperty("FileTheme", &TskButton::FileTheme, &TskButton::SetFileTheme)
      .EnumProperty("Layout", &TskButton::Layout, &TskButton::SetLayout, kButtonLayoutNames)
      .IntegerProperty("Spacing", &TskButton::Spacing, &TskButton::SetSpacing);
  RegisterLayoutClass<TskImageButton, TskCustomButton>("TskImageButton")
      .BooleanProperty("Stretch", &TskImageButton::Stretch, &TskImageButton::SetStretch)
      .BooleanProperty("DrawFocused", &TskImageButton::DrawFocused, &TskImageButton::SetDrawFocused);

  RegisterLayoutClass<TskCheckBox, plat::TCustomControl>("TskCheckBox")
      .EnumProperty("UIStyle", &TskCheckBox::UIStyle, &TskCheckBox::SetUIStyle, kUIStyleNames)
      .ComponentProperty("FileTheme", &TskCheckBox::FileTheme, &TskCheckBox::SetFileTheme)
      .BooleanProperty("Checked", &TskCheckBox::Checked, &TskCheckBox::SetChecked)
      .EnumProperty("State", &TskCheckBox::State, &TskCheckBox::SetState, kCheckBoxStateNames)
      .BooleanProperty("Transparent", &TskCheckBox::Transparent, &TskCheckBox::SetTransparent);

  RegisterLayoutClass<TImgBtn, plat::TImage>("TImgBtn")
      .IntegerProperty("DownColor", &TImgBtn::DownColor, &TImgBtn::SetDownColor)
      .BooleanProperty("Stateless", &TImgBtn::Stateless, &TImgBtn::SetStateless)
      .BooleanProperty("AllowAllUp", &TImgBtn::AllowAllUp, &TImgBtn::SetAllowAllUp)
      .IntegerProperty("GroupID", &TImgBtn::GroupID, &TImgBtn::SetGroupID)
      .EnumProperty("Layout", &TImgBtn::Layout, &TImgBtn::SetLayout, kGraphicLayoutNames)
      .EnumProperty("Alignment", &TImgBtn::Alignment, &TImgBtn::SetAlignment, kAlignmentNames)
      .BooleanProperty("WordWrap", &TImgBtn::WordWrap, &TImgBtn::SetWordWrap)
      .IntegerProperty("IdentX", &TImgBtn::IdentX, &TImgBtn::SetIdentX)
      .IntegerProperty("IdentY", &TImgBtn::IdentY, &TImgBtn::SetIdentY)
      .BooleanProperty("Flat", &TImgBtn::Flat, &TImgBtn::SetFlat)
      .IntegerProperty("SemiPercent", &TImgBtn::SemiPercent, &TImgBtn::SetSemiPercent)
      .BooleanProperty("ShowOver", &TImgBtn::ShowOver, &TImgBtn::SetShowOver);
}

}  // namespace zorbit::detail
