#include "grid/SpinEditClasses.h"

#include "grid/EsgSpinButton.h"
#include "grid/EsgSpinEdit.h"
#include "platform/ui/ClassLibrary.h"
#include "platform/ui/LayoutClasses.h"

namespace zorbit {

namespace {

constexpr const char* kSpinDirectionNames[] = {"spVertical", "spHorizontal"};
constexpr const char* kSpinTypeNames[] = {"sptNormal", "sptFloat", "sptDate", "sptTime"};
constexpr const char* kEditAlignNames[] = {"eaLeft", "eaRight", "eaCenter"};

}  // namespace

void RegisterSpinEditClasses() {
  plat::InitClassLibrary();
  plat::RegisterLayoutClass<TEsgSpinButton, plat::TWinControl>("TEsgSpinButton")
      .EnumProperty("Direction", &TEsgSpinButton::Direction, &TEsgSpinButton::SetDirection, kSpinDirectionNames)
      .IntegerProperty("UpNumGlyphs", &TEsgSpinButton::UpNumGlyphs, &TEsgSpinButton::SetUpNumGlyphs)
      .IntegerProperty("DownNumGlyphs", &TEsgSpinButton::DownNumGlyphs, &TEsgSpinButton::SetDownNumGlyphs)
      .ComponentProperty("FocusControl", &TEsgSpinButton::FocusControl, &TEsgSpinButton::SetFocusControl)
      .EventProperty("OnUpClick", &TEsgSpinButton::OnUpClick)
      .EventProperty("OnDownClick", &TEsgSpinButton::OnDownClick);
  plat::RegisterLayoutClass<TEsgSpinEdit, plat::TCustomMaskEdit>("TEsgSpinEdit")
      .BooleanProperty("ExcelStyleDecimalSeparator", &TEsgSpinEdit::ExcelStyleDecimalSeparator,
                       &TEsgSpinEdit::SetExcelStyleDecimalSeparator)
      .EnumProperty("Direction", &TEsgSpinEdit::Direction, &TEsgSpinEdit::SetDirection, kSpinDirectionNames)
      .BooleanProperty("ReturnIsTab", &TEsgSpinEdit::ReturnIsTab, &TEsgSpinEdit::SetReturnIsTab)
      .IntegerProperty("Precision", &TEsgSpinEdit::Precision, &TEsgSpinEdit::SetPrecision)
      .EnumProperty("SpinType", &TEsgSpinEdit::SpinType, &TEsgSpinEdit::SetSpinType, kSpinTypeNames)
      .IntegerProperty("Value", &TEsgSpinEdit::Value, &TEsgSpinEdit::SetValue)
      .BooleanProperty("SpinFlat", &TEsgSpinEdit::SpinFlat, &TEsgSpinEdit::SetSpinFlat)
      .BooleanProperty("SpinTransparent", &TEsgSpinEdit::SpinTransparent, &TEsgSpinEdit::SetSpinTransparent)
      .EnumProperty("EditAlign", &TEsgSpinEdit::EditAlign, &TEsgSpinEdit::SetEditAlign, kEditAlignNames)
      .BooleanProperty("EditorEnabled", &TEsgSpinEdit::EditorEnabled, &TEsgSpinEdit::SetEditorEnabled)
      .IntegerProperty("Increment", &TEsgSpinEdit::Increment, &TEsgSpinEdit::SetIncrement)
      .IntegerProperty("MinValue", &TEsgSpinEdit::MinValue, &TEsgSpinEdit::SetMinValue)
      .IntegerProperty("MaxValue", &TEsgSpinEdit::MaxValue, &TEsgSpinEdit::SetMaxValue);
}

}  // namespace zorbit
