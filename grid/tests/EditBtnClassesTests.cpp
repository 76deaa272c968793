// Edit-with-button editors declared in a layout: their published settings
// and the click event linked by name.
#include <gtest/gtest.h>

#include "grid/EditBtnClasses.h"
#include "grid/EsgEditBtn.h"
#include "grid/EsgUnitEditBtn.h"
#include "platform/ui/LayoutHandlers.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TForm.h"
#include "platform/ui/tests/StdControlsFixture.h"

namespace zorbit {
namespace {

class EditBtnClasses : public plat::testing::StdControlsTest {};

TEST_F(EditBtnClasses, ALayoutDeclaresEditsWithButtonsAndTheirClickByName) {
  RegisterEditBtnClasses();
  RegisterEditBtnClasses();  // again: nothing new
  plat::TForm form(nullptr);
  plat::TLayoutHandlers handlers;
  int clicks = 0;
  handlers.RegisterHandler("Pick", [&clicks](plat::TObject*) { ++clicks; });
  plat::ReadLayoutText(form, R"({
    "Components": [
      {"Class": "TEsgEditBtn", "Name": "ebnPath", "Left": 4, "Top": 4, "Width": 120, "Height": 24,
       "ButtonWidth": 24, "ButtonCaption": "...", "IsWinXP": true, "EditorEnabled": false,
       "RightAlign": true, "OnClickBtn": "Pick"},
      {"Class": "TEsgUnitEditBtn", "Name": "uebSize", "Left": 4, "Top": 40, "Width": 120, "Height": 24,
       "UnitID": "cm", "UnitSpace": 30}
    ]})",
                       "EditBtnForm", handlers);
  auto* path = dynamic_cast<TEsgEditBtn*>(form.FindComponent("ebnPath"));
  auto* size = dynamic_cast<TEsgUnitEditBtn*>(form.FindComponent("uebSize"));
  ASSERT_NE(path, nullptr);
  ASSERT_NE(size, nullptr);
  EXPECT_EQ(path->ButtonWidth(), 24);
  EXPECT_EQ(path->ButtonCaption(), "...");
  EXPECT_TRUE(path->IsWinXP());
  EXPECT_FALSE(path->EditorEnabled());
  EXPECT_TRUE(path->RightAlign());
  path->ClickButton();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(size->UnitID(), "cm");
  EXPECT_EQ(size->UnitSpace(), 30);
  EXPECT_TRUE(size->RightAlign());
}

}  // namespace
}  // namespace zorbit
