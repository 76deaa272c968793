// A grid declared in a layout with nested settings objects: the settings
// arrive, the headers fill row 0 and column 0, and the grid paints in a
// headless form.
#include <gtest/gtest.h>

#include "extgrid/ExtGridClasses.h"
#include "extgrid/TExtStringGrid.h"
#include "platform/ui/LayoutHandlers.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TForm.h"
#include "platform/win/HeadlessDisplay.h"
#include "testing/FormTest.h"
#include "testing/ReferencePicture.h"

namespace zorbit {
namespace {

class ExtGridLayout : public testing::FormTest {
 protected:
  void TearDown() override {
    delete FForm;
    FormTest::TearDown();
  }
  plat::TForm* FForm = nullptr;
};

TEST_F(ExtGridLayout, NestedSettingsLoadAndTheGridPaints) {
  RegisterExtGridClasses();
  FForm = new plat::TForm(nullptr);
  plat::TLayoutHandlers handlers;
  handlers.RegisterHandler("CheckedText", [](plat::TObject*, int, int, plat::String& Value) { Value = "yes"; });
  plat::ReadLayoutText(*FForm, R"({
    "Width": 460, "Height": 260, "Caption": "Grid",
    "Components": [
      {"Class": "TExtStringGrid", "Name": "esgSystemInfo", "Left": 8, "Top": 8, "Width": 420, "Height": 200,
       "ColCount": 3, "RowCount": 6, "FixedCols": 1, "FixedRows": 1, "ScrollBars": "ssVertical",
       "ColumnHeaders": ["Item", "Value", "Note"], "RowHeaders": ["", "one", "two", "three"],
       "ColumnSize": {"Save": false, "Stretch": true, "StretchColumn": -1},
       "CellNode": {"ShowTree": false, "NodeIndent": 16},
       "Navigation": {"AdvanceOnEnter": true, "TabAdvanceDirection": "adTopBottom"},
       "MouseActions": {"RowSelect": true, "WheelIncrement": 3},
       "SortSettings": {"Show": true, "Direction": "sdDescending", "Row": 0},
       "PrintSettings": {"Centered": false, "TitleText": "System", "HeaderFont": {"Size": 14}},
       "Bands": {"Active": true, "PrimaryColor": "clInfoBk", "SecondaryColor": "clWindow"},
       "ControlLook": {"ControlStyle": "csFlat"},
       "Filter": [{"Column": 1, "Condition": ">2"}],
       "Look": "glSoft", "Version": "1.0", "OnGetCheckTrue": "CheckedText"}
    ]})",
                       "ExtGridForm", handlers);
  auto* grid = dynamic_cast<TExtStringGrid*>(FForm->FindComponent("esgSystemInfo"));
  ASSERT_NE(grid, nullptr);
  EXPECT_FALSE(grid->CellNode()->ShowTree());
  EXPECT_EQ(grid->CellNode()->NodeIndent(), 16);
  EXPECT_TRUE(grid->Navigation()->AdvanceOnEnter());
  EXPECT_EQ(grid->Navigation()->TabAdvanceDirection(), TAdvanceDirection::adTopBottom);
  EXPECT_TRUE(grid->MouseActions()->RowSelect());
  EXPECT_EQ(grid->MouseActions()->WheelIncrement(), 3);
  EXPECT_EQ(grid->SortSettings()->Direction(), TSortDirection::sdDescending);
  EXPECT_FALSE(grid->PrintSettings()->Centered());
  EXPECT_EQ(grid->PrintSettings()->HeaderFont()->Size(), 14);
  EXPECT_TRUE(grid->Bands()->Active());
  EXPECT_EQ(grid->ControlLook()->ControlStyle(), TControlStyle::csFlat);
  ASSERT_EQ(grid->Filter()->Count(), 1);
  EXPECT_EQ(grid->Filter()->Items(0)->Condition(), ">2");
  EXPECT_EQ(grid->Look(), TGridLook::glSoft);
  EXPECT_EQ(grid->Version(), "3.3.0.1");
  EXPECT_EQ(grid->SavedFixedRows(), 1);
  EXPECT_EQ(grid->Cells(1, 0), "Value");
  EXPECT_EQ(grid->Cells(0, 2), "two");
  plat::String checked;
  grid->GetCheckTrue(1, 1, checked);
  EXPECT_EQ(checked, "yes");
  grid->SetCells(1, 1, "alpha");
  grid->SetCells(2, 3, "beta");

  FForm->Show();
  Pump();
  EXPECT_GT(grid->PaintPass(), 1);
  auto picture = plat::WindowPicture(FForm->Handle());
  ASSERT_NE(picture, nullptr);
  testing::KeepForInspection(*picture, "extgrid/layout-grid.png");
  // A cell of the fixed row is drawn in the fixed colour, a normal cell in
  // the window colour.
  const plat::TRect fixedCell = grid->CellRect(1, 0);
  EXPECT_EQ(PixelAt(grid, {fixedCell.Left + 40, fixedCell.Top + 3}), plat::ColorToRGB(grid->FixedColor()));
}

}  // namespace
}  // namespace zorbit
