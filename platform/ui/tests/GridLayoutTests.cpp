// Grids and memos declared in layouts: their published properties and
// events arrive, and a fixed count at or above its count is a load error
// that names the property.
#include <gtest/gtest.h>

#include <string>

#include "platform/ui/LayoutError.h"
#include "platform/ui/LayoutHandlers.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TCustomMemo.h"
#include "platform/ui/TStringGrid.h"
#include "platform/ui/tests/StdControlsFixture.h"

namespace plat::testing {
namespace {

class GridLayout : public StdControlsTest {};

TEST_F(GridLayout, GridsAndMemosTakeTheirPublishedProperties) {
  TForm form(nullptr);
  TLayoutHandlers handlers;
  std::string committed;
  handlers.RegisterHandler("CellEdited", [&](TObject*, int c, int r, const String& v) {
    committed = std::to_string(c) + "," + std::to_string(r) + " " + v;
  });
  ReadLayoutText(form, R"({
    "Components": [
      {"Class": "TStringGrid", "Name": "grdData", "Left": 4, "Top": 4, "Width": 300, "Height": 120,
       "ColCount": 8, "RowCount": 30, "FixedCols": 2, "FixedRows": 1, "DefaultColWidth": 50,
       "DefaultRowHeight": 18, "GridLineWidth": 2, "FixedColor": "clInfoBk", "ScrollBars": "ssVertical",
       "Options": ["goFixedVertLine", "goFixedHorzLine", "goEditing", "goTabs"], "DefaultDrawing": false,
       "OnSetEditText": "CellEdited"},
      {"Class": "TMemo", "Name": "memNotes", "Left": 4, "Top": 130, "Width": 200, "Height": 80,
       "Lines": ["first", "second"], "WordWrap": false, "WantTabs": true, "ScrollBars": "ssBoth",
       "Alignment": "taCenter"}
    ]})",
                 "GridForm", handlers);
  auto* grid = dynamic_cast<TStringGrid*>(form.FindComponent("grdData"));
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->ColCount(), 8);
  EXPECT_EQ(grid->RowCount(), 30);
  EXPECT_EQ(grid->FixedCols(), 2);
  EXPECT_EQ(grid->DefaultColWidth(), 50);
  EXPECT_EQ(grid->RowHeights(5), 18);
  EXPECT_EQ(grid->GridLineWidth(), 2);
  EXPECT_EQ(grid->FixedColor(), clInfoBk);
  EXPECT_EQ(grid->ScrollBars(), TScrollStyle::ssVertical);
  EXPECT_EQ(grid->Options(), (TGridOptions{TGridOption::goFixedVertLine, TGridOption::goFixedHorzLine,
                                           TGridOption::goEditing, TGridOption::goTabs}));
  EXPECT_FALSE(grid->DefaultDrawing());
  ASSERT_TRUE(grid->OnSetEditText);
  grid->OnSetEditText(grid, 3, 4, "x");
  EXPECT_EQ(committed, "3,4 x");
  auto* memo = dynamic_cast<TMemo*>(form.FindComponent("memNotes"));
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(memo->Text(), "first\r\nsecond\r\n");
  EXPECT_FALSE(memo->WordWrap());
  EXPECT_TRUE(memo->WantTabs());
  EXPECT_EQ(memo->ScrollBars(), TScrollStyle::ssBoth);
  EXPECT_EQ(memo->Alignment(), TAlignment::taCenter);
}

TEST_F(GridLayout, AFixedCountAtItsCountIsALoadError) {
  TForm form(nullptr);
  const TLayoutHandlers handlers;
  try {
    ReadLayoutText(form, R"({"Components": [{"Class": "TStringGrid", "Name": "g", "ColCount": 3, "FixedCols": 3}]})",
                   "BadGrid", handlers);
    ADD_FAILURE() << "no error";
  } catch (const ELayoutError& e) {
    const std::string text = e.what();
    EXPECT_NE(text.find("FixedCols"), std::string::npos) << text;
    EXPECT_NE(text.find("Fixed column count must be less than column count"), std::string::npos) << text;
  }
  EXPECT_EQ(form.FindComponent("g"), nullptr);
}

}  // namespace
}  // namespace plat::testing
