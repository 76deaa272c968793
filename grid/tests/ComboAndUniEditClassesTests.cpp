// The flat combo boxes and the Unicode editors declared in a layout: their
// published settings, and texts outside Latin-1 as the layout gives them.
#include <gtest/gtest.h>

#include "grid/ComboClasses.h"
#include "grid/EditBtnClasses.h"
#include "grid/EsgComboBox.h"
#include "grid/EsgUniComboBox.h"
#include "grid/EsgUniEdit.h"
#include "grid/EsgUniEditBtn.h"
#include "grid/EsgUniMemo.h"
#include "grid/UniEditClasses.h"
#include "platform/ui/LayoutHandlers.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TForm.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/SystemMetrics.h"

namespace zorbit {
namespace {

class EditorLayoutClasses : public plat::testing::StdControlsTest {};

TEST_F(EditorLayoutClasses, ALayoutDeclaresFlatCombosAndUnicodeEditors) {
  RegisterComboClasses();
  RegisterComboClasses();  // again: nothing new
  RegisterUniEditClasses();
  RegisterEditBtnClasses();
  plat::TForm form(nullptr);
  plat::TLayoutHandlers handlers;
  plat::ReadLayoutText(form, R"({
    "Components": [
      {"Class": "TESGComboBox", "Name": "cbxKind", "Left": 4, "Top": 4, "Width": 120,
       "Style": "csDropDownList", "Items": ["one", "two"], "AutoFocus": true, "ButtonWidth": 20,
       "Etched": true, "FocusBorder": true, "DropWidth": 200, "Version": "0.0.0.1"},
      {"Class": "TESGUniComboBox", "Name": "cbxWide", "Left": 4, "Top": 30, "Width": 120,
       "Flat": false, "ButtonWidth": 40, "Items": ["\u0416"]},
      {"Class": "TEsgUniEdit", "Name": "edtWide", "Left": 4, "Top": 60, "Width": 120, "Height": 21,
       "Text": "\u0416\u20AC", "MaxLength": 5},
      {"Class": "TEsgUniMemo", "Name": "memWide", "Left": 4, "Top": 90, "Text": "\u4E2D",
       "WordWrap": false, "ScrollBars": "ssBoth"},
      {"Class": "TEsgUniEditBtn", "Name": "ebnWide", "Left": 4, "Top": 200, "Width": 120, "Height": 24,
       "ButtonCaption": "...", "EditorEnabled": false}
    ]})",
                       "EditorForm", handlers);
  auto* kind = dynamic_cast<TESGComboBox*>(form.FindComponent("cbxKind"));
  auto* wide = dynamic_cast<TESGUniComboBox*>(form.FindComponent("cbxWide"));
  auto* edit = dynamic_cast<TEsgUniEdit*>(form.FindComponent("edtWide"));
  auto* memo = dynamic_cast<TEsgUniMemo*>(form.FindComponent("memWide"));
  auto* button = dynamic_cast<TEsgUniEditBtn*>(form.FindComponent("ebnWide"));
  ASSERT_TRUE(kind && wide && edit && memo && button);
  EXPECT_EQ(kind->Items()->Count(), 2);
  EXPECT_TRUE(kind->AutoFocus());
  EXPECT_EQ(kind->ButtonWidth(), 20);
  EXPECT_TRUE(kind->Etched());
  EXPECT_TRUE(kind->FocusBorder());
  EXPECT_EQ(kind->DropWidth(), 200);
  EXPECT_EQ(kind->Version(), "1.2.0.0");
  EXPECT_FALSE(wide->Flat());
  EXPECT_EQ(wide->ButtonWidth(), plat::GetSystemMetrics(plat::SM_CXVSCROLL) + 4);  // 40 is refused
  EXPECT_EQ(wide->Items()->Strings(0), u"\u0416");
  EXPECT_EQ(edit->Text(), u"\u0416\u20AC");
  EXPECT_EQ(edit->MaxLength(), 5);
  EXPECT_EQ(memo->Text(), u"\u4E2D");
  EXPECT_FALSE(memo->WordWrap());
  EXPECT_EQ(memo->ScrollBars(), plat::TScrollStyle::ssBoth);
  EXPECT_EQ(button->ButtonCaption(), "...");
  EXPECT_FALSE(button->EditorEnabled());
  EXPECT_EQ(button->Text(), u"");
}

}  // namespace
}  // namespace zorbit
