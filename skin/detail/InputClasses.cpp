#include "skin/detail/InputClasses.h"

#include "platform/ui/IdentMap.h"
#include "platform/ui/LayoutClasses.h"
#include "skin/SkEdit.h"
#include "skin/SkGroupBox.h"
#include "skin/SkImagePanel.h"
#include "skin/SkListBox.h"
#include "skin/SkMgr.h"
#include "skin/SkScrollBar.h"
#include "skin/SkTrackBar.h"

namespace zorbit::detail {

namespace {

constexpr const char* kStyleNames[] = {"FromThemeFile", "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"};
constexpr const char* kDrawStyleNames[] = {"skNormal", "skStretch", "skTile"};
constexpr const char* kOrientationNames[] = {"skHorizontal", "skVertical"};
constexpr const char* kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};

}  // namespace

void RegisterInputClasses() {
  using plat::ColorIdents;
  using plat::RegisterLayoutClass;

  RegisterLayoutClass<TskEdit, plat::TCustomEdit>("TskEdit")
      .ComponentProperty("FileTheme", &TskEdit::FileTheme, &TskEdit::SetFileTheme)
      .EnumProperty("UIStyle", &TskEdit::UIStyle, &TskEdit::SetUIStyle, kStyleNames)
      .IntegerProperty("BorderColor", &TskEdit::BorderColor, &TskEdit::SetBorderColor, ColorIdents());

  RegisterLayoutClass<TskListBox, plat::TCustomListBox>("TskListBox")
      .ComponentProperty("FileTheme", &TskListBox::FileTheme, &TskListBox::SetFileTheme)
      .EnumProperty("UIStyle", &TskListBox::UIStyle, &TskListBox::SetUIStyle, kStyleNames)
      .IntegerProperty("BorderColor", &TskListBox::BorderColor, &TskListBox::SetBorderColor, ColorIdents())
      .EnumProperty("Alignment", &TskListBox::Alignment, &TskListBox::SetAlignment, kAlignmentNames)
      .IntegerProperty("SelectedColor", &TskListBox::SelectedColor, &TskListBox::SetSelectedColor, ColorIdents())
      .IntegerProperty("SelectedTextColor", &TskListBox::SelectedTextColor, &TskListBox::SetSelectedTextColor,
                       ColorIdents())
      .IntegerProperty("DisabledTextColor", &TskListBox::DisabledTextColor, &TskListBox::SetDisabledTextColor,
                       ColorIdents())
      .BooleanProperty("ShowFocusRect", &TskListBox::ShowFocusRect, &TskListBox::SetShowFocusRect)
      .ComponentProperty("VScrollBar", &TskListBox::VScrollBar, &TskListBox::SetVScrollBar);

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

  RegisterLayoutClass<TskTrackBar, plat::TCustomPanel>("TskTrackBar")
      .EnumProperty("Orientation", &TskTrackBar::Orientation, &TskTrackBar::SetOrientation, kOrientationNames)
      .ComponentProperty("FileTheme", &TskTrackBar::FileTheme, &TskTrackBar::SetFileTheme)
      .EnumProperty("UIStyle", &TskTrackBar::UIStyle, &TskTrackBar::SetUIStyle, kStyleNames)
      .IntegerProperty("Min", &TskTrackBar::Min, &TskTrackBar::SetMin)
      .IntegerProperty("Max", &TskTrackBar::Max, &TskTrackBar::SetMax)
      .IntegerProperty("Position", &TskTrackBar::Position, &TskTrackBar::SetPosition)
      .IntegerProperty("PageSize", &TskTrackBar::PageSize, &TskTrackBar::SetPageSize)
      .IntegerProperty("LineSize", &TskTrackBar::LineSize, &TskTrackBar::SetLineSize)
      .BooleanProperty("ShowTick", &TskTrackBar::ShowTick, &TskTrackBar::SetShowTick)
      .IntegerProperty("Frequency", &TskTrackBar::Frequency, &TskTrackBar::SetFrequency)
      .BooleanProperty("Transparent", &TskTrackBar::Transparent, &TskTrackBar::SetTransparent)
      .EventProperty("OnChange", &TskTrackBar::OnChange);

  RegisterLayoutClass<TskScrollBar, plat::TCustomPanel>("TskScrollBar")
      .ComponentProperty("FileTheme", &TskScrollBar::FileTheme, &TskScrollBar::SetFileTheme)
      .EnumProperty("UIStyle", &TskScrollBar::UIStyle, &TskScrollBar::SetUIStyle, kStyleNames)
      .EnumProperty("Orientation", &TskScrollBar::Orientation, &TskScrollBar::SetOrientation, kOrientationNames)
      .IntegerProperty("LineButton", &TskScrollBar::LineButton, &TskScrollBar::SetLineButton)
      .IntegerProperty("Max", &TskScrollBar::Max, &TskScrollBar::SetMax)
      .IntegerProperty("Min", &TskScrollBar::Min, &TskScrollBar::SetMin)
      .IntegerProperty("Position", &TskScrollBar::Position, &TskScrollBar::SetPosition)
      .IntegerProperty("PageSize", &TskScrollBar::PageSize, &TskScrollBar::SetPageSize)
      .IntegerProperty("LargeChange", &TskScrollBar::LargeChange, &TskScrollBar::SetLargeChange)
      .IntegerProperty("SmallChange", &TskScrollBar::SmallChange, &TskScrollBar::SetSmallChange)
      .EventProperty("OnChange", &TskScrollBar::OnChange);
}

}  // namespace zorbit::detail
