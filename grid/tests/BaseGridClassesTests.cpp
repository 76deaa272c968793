// The grid base declared in a layout: its published settings, its display
// event bound by name, and its link to an undo recorder declared beside it.
#include <gtest/gtest.h>

#include <string>

#include "grid/BaseGridClasses.h"
#include "grid/TBaseGrid.h"
#include "grid/TExtGridUndoRedo.h"
#include "platform/ui/LayoutHandlers.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TForm.h"
#include "platform/ui/tests/StdControlsFixture.h"

namespace zorbit {
namespace {

class BaseGridClasses : public plat::testing::StdControlsTest {};

TEST_F(BaseGridClasses, ALayoutDeclaresAGridLinkedToItsRecorder) {
  RegisterBaseGridClasses();
  plat::TForm form(nullptr);
  plat::TLayoutHandlers handlers;
  handlers.RegisterHandler("ShowText", [](plat::TObject*, int, int, plat::String& Value) { Value += "!"; });
  plat::ReadLayoutText(form, R"({
    "Components": [
      {"Class": "TExtGridUndoRedo", "Name": "undo", "MaxLevel": 5},
      {"Class": "TBaseGrid", "Name": "grid", "Left": 4, "Top": 4, "Width": 300, "Height": 120,
       "ColCount": 4, "RowCount": 6, "GridLineWidth": 2, "GridLineColor": "clRed", "DefaultDrawing": true,
       "ActiveRowShow": true, "ActiveRowColor": "clYellow", "UndoRedo": "undo", "OnGetDisplText": "ShowText"}
    ]})",
                       "BaseGridForm", handlers);
  auto* grid = dynamic_cast<TBaseGrid*>(form.FindComponent("grid"));
  auto* undo = dynamic_cast<TExtGridUndoRedo*>(form.FindComponent("undo"));
  ASSERT_NE(grid, nullptr);
  ASSERT_NE(undo, nullptr);
  EXPECT_EQ(undo->MaxLevel(), 5);
  EXPECT_EQ(grid->GridLineWidth(), 2);
  EXPECT_EQ(grid->plat::TCustomGrid::GridLineWidth(), 0);
  EXPECT_EQ(grid->GridLineColor(), plat::clRed);
  EXPECT_TRUE(grid->DefaultDrawing());
  EXPECT_FALSE(grid->plat::TCustomGrid::DefaultDrawing());
  EXPECT_TRUE(grid->ActiveRowShow());
  EXPECT_EQ(grid->ActiveRowColor(), plat::clYellow);
  EXPECT_EQ(grid->UndoRedo(), undo);
  EXPECT_EQ(undo->Grid(), grid);
  grid->SetDisplayRowLimit(6);
  grid->SetCellText(1, 1, "a");
  EXPECT_EQ(grid->GetCellText(1, 1), "a!");
}

}  // namespace
}  // namespace zorbit
