// Spin editors declared in a layout: their published settings, the kind
// normalising the text once the layout is read, and a spin button linked
// to its focus control and click handlers by name.
#include <gtest/gtest.h>

#include "grid/EsgSpinButton.h"
#include "grid/EsgSpinEdit.h"
#include "grid/SpinEditClasses.h"
#include "platform/ui/LayoutHandlers.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TForm.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "testing/LocaleScope.h"

namespace zorbit {
namespace {

class SpinEditClasses : public plat::testing::StdControlsTest {};

TEST_F(SpinEditClasses, ALayoutDeclaresSpinEditorsAndAButtonLinkedByName) {
  const testing::TLocaleScope english(plat::TFormatSettings::English());
  RegisterSpinEditClasses();
  RegisterSpinEditClasses();  // again: nothing new
  plat::TForm form(nullptr);
  plat::TLayoutHandlers handlers;
  int ups = 0;
  handlers.RegisterHandler("Up", [&ups](plat::TObject*) { ++ups; });
  plat::ReadLayoutText(form, R"({
    "Components": [
      {"Class": "TEsgSpinEdit", "Name": "spnCount", "Left": 4, "Top": 4, "Width": 80, "Height": 24,
       "MinValue": 1, "MaxValue": 9, "Value": 50, "Increment": 2, "ReturnIsTab": true,
       "EditorEnabled": false, "EditAlign": "eaRight", "Direction": "spHorizontal", "SpinFlat": true},
      {"Class": "TEsgSpinEdit", "Name": "spnRatio", "Left": 4, "Top": 40, "Width": 80, "Height": 24,
       "SpinType": "sptFloat", "Precision": 3, "ExcelStyleDecimalSeparator": true, "SpinTransparent": true},
      {"Class": "TEsgSpinButton", "Name": "spbStep", "Left": 100, "Top": 4, "Height": 30,
       "FocusControl": "spnCount", "UpNumGlyphs": 1, "DownNumGlyphs": 1, "OnUpClick": "Up"}
    ]})",
                       "SpinForm", handlers);
  auto* count = dynamic_cast<TEsgSpinEdit*>(form.FindComponent("spnCount"));
  auto* ratio = dynamic_cast<TEsgSpinEdit*>(form.FindComponent("spnRatio"));
  auto* step = dynamic_cast<TEsgSpinButton*>(form.FindComponent("spbStep"));
  ASSERT_NE(count, nullptr);
  ASSERT_NE(ratio, nullptr);
  ASSERT_NE(step, nullptr);
  EXPECT_EQ(count->Text(), "9");
  EXPECT_EQ(count->Increment(), 2);
  EXPECT_TRUE(count->ReturnIsTab());
  EXPECT_FALSE(count->EditorEnabled());
  EXPECT_EQ(count->EditAlign(), TEditAlign::eaRight);
  EXPECT_EQ(count->Direction(), TSpinDirection::spHorizontal);
  EXPECT_TRUE(count->SpinFlat());
  EXPECT_EQ(ratio->SpinType(), TEsgSpinType::sptFloat);
  EXPECT_EQ(ratio->Text(), "0.000");
  EXPECT_TRUE(ratio->ExcelStyleDecimalSeparator());
  EXPECT_TRUE(ratio->SpinTransparent());
  EXPECT_EQ(step->FocusControl(), count);
  step->UpButton()->Click();
  EXPECT_EQ(ups, 1);
}

}  // namespace
}  // namespace zorbit
