// The hooks apply the grid's own rule before the event, and the event may
// change every var argument; Assign copies another grid.
#include <gtest/gtest.h>

#include "extgrid/ExtGridClasses.h"
#include "extgrid/TExtStringGrid.h"
#include "grid/TCellProperties.h"
#include "platform/gdi/TBrush.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/LayoutHandlers.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TForm.h"
#include "testing/FormTest.h"

namespace zorbit {
namespace {

class Hooks : public testing::FormTest {
 protected:
  void TearDown() override {
    delete FForm;
    FormTest::TearDown();
  }
  plat::TForm* FForm = new plat::TForm(nullptr);
  TExtStringGrid* FGrid = new TExtStringGrid(FForm);
};

TEST_F(Hooks, IsFixedCellTakesTheFixedCountsThenAsksTheEvent) {
  struct Case {
    int col, row;
    bool expected;
  };
  const Case cases[] = {{0, 3, true}, {3, 0, true}, {2, 2, false}};
  for (const Case& c : cases) {
    bool fixed = false;
    FGrid->IsFixedCell(c.col, c.row, fixed);
    EXPECT_EQ(fixed, c.expected) << c.col << "," << c.row;
  }
  int asked = 0;
  FGrid->OnIsFixedCell = [&](plat::TObject*, int ARow, int ACol, bool& IsFixed) {
    ++asked;
    IsFixed = ARow == 2 && ACol == 2;
  };
  bool fixed = false;
  FGrid->IsFixedCell(0, 0, fixed);  // already fixed: the event is not asked
  EXPECT_EQ(asked, 0);
  fixed = false;
  FGrid->IsFixedCell(2, 2, fixed);
  EXPECT_TRUE(fixed);
  EXPECT_EQ(asked, 1);
}

TEST_F(Hooks, CanEditCellFollowsReadOnlyAndTheEditingOption) {
  FGrid->GetCellProperties(2, 2)->SetReadOnly(true);
  bool canEdit = true;
  FGrid->CanEditCell(2, 2, canEdit);
  EXPECT_FALSE(canEdit);
  FGrid->GetCellProperties(3, 3);
  canEdit = true;
  FGrid->CanEditCell(3, 3, canEdit);
  EXPECT_FALSE(canEdit);  // the options lack editing
  FGrid->SetOptions(FGrid->Options() + plat::TGridOptions{plat::TGridOption::goEditing});
  canEdit = true;
  FGrid->CanEditCell(3, 3, canEdit);
  EXPECT_TRUE(canEdit);
  FGrid->OnCanEditCell = [](plat::TObject*, int, int, bool& CanEdit) { CanEdit = false; };
  FGrid->CanEditCell(1, 1, canEdit);
  EXPECT_FALSE(canEdit);
}

TEST_F(Hooks, CellColoursComeFromTheActiveCellAndTheCellsProperties) {
  plat::TBrush brush;
  plat::TFont font;
  FGrid->SetActiveCellShow(true);
  FGrid->SetCol(2);
  FGrid->SetRow(3);
  FGrid->ApplyCellColors(0, 3, {}, &brush, &font);
  EXPECT_EQ(brush.Color(), FGrid->ActiveCellColor());
  EXPECT_TRUE(font.Style().Contains(plat::TFontStyle::fsBold));
  TCellProperties* props = FGrid->GetCellProperties(1, 1);
  props->SetBrushColor(plat::clRed);
  props->SetFontColor(plat::clBlue);
  props->SetFontSize(15);
  FGrid->ApplyCellColors(1, 1, {}, &brush, &font);
  EXPECT_EQ(brush.Color(), plat::clRed);
  EXPECT_EQ(font.Color(), plat::clBlue);
  EXPECT_EQ(font.Size(), 15);
  FGrid->OnGetCellColor = [](plat::TObject*, int, int, plat::TGridDrawState, plat::TBrush* ABrush, plat::TFont*) {
    ABrush->SetColor(plat::clLime);
  };
  FGrid->ApplyCellColors(1, 1, {}, &brush, &font);
  EXPECT_EQ(brush.Color(), plat::clLime);
}

TEST_F(Hooks, SmallHooksAndTheirDefaults) {
  plat::TAlignment h = plat::TAlignment::taLeftJustify;
  TVAlignment v = TVAlignment::vtaTop;
  FGrid->MouseActions()->SetHotmailRowSelect(true);
  FGrid->AdjustCellAlignment(0, 1, h, v);
  EXPECT_EQ(h, plat::TAlignment::taCenter);
  EXPECT_EQ(v, TVAlignment::vtaCenter);
  plat::String text;
  FGrid->GetCheckFalse(1, 1, text);
  EXPECT_EQ(text, "N");
  EXPECT_FALSE(FGrid->HasComboBox(1, 1));
  FGrid->OnHasComboBox = [](plat::TObject*, int ACol, int, bool& Has) { Has = ACol == 2; };
  EXPECT_TRUE(FGrid->HasComboBox(2, 1));
  EXPECT_FALSE(FGrid->HasFilterGlyph(0, 0));
  bool canAdd = true;
  FGrid->OnCanAddRow = [](plat::TObject*, bool& CanAdd) { CanAdd = false; };
  FGrid->CanAddRow(canAdd);
  EXPECT_FALSE(canAdd);
  FGrid->AddRow();
  EXPECT_EQ(FGrid->RowCount(), 11);
}

TEST_F(Hooks, AssignCopiesAnotherGridAndIgnoresOtherSources) {
  auto* source = new TExtStringGrid(FForm);
  source->SetColCount(3);
  source->SetRowCount(4);
  source->SetCells(2, 3, "last");
  source->Navigation()->SetAdvanceOnEnter(true);
  source->SortSettings()->SetColumn(2);
  source->SetActiveCellColor(plat::clRed);
  FGrid->Assign(source);
  EXPECT_EQ(FGrid->ColCount(), 3);
  EXPECT_EQ(FGrid->RowCount(), 4);
  EXPECT_EQ(FGrid->Cells(2, 3), "last");
  EXPECT_TRUE(FGrid->Navigation()->AdvanceOnEnter());
  EXPECT_EQ(FGrid->SortSettings()->Column(), 2);
  EXPECT_EQ(FGrid->ActiveCellColor(), plat::clRed);
  FGrid->Assign(source->Navigation());
  EXPECT_EQ(FGrid->ColCount(), 3);
}

TEST_F(Hooks, FreedPictureSourcesAreForgotten) {
  auto* images = new plat::TImageList(FForm);
  FGrid->SetGridImages(images);
  EXPECT_EQ(FGrid->GridImages(), images);
  delete images;
  EXPECT_EQ(FGrid->GridImages(), nullptr);
}

// While a layout is read the fixed rows may come after the sort row.
TEST_F(Hooks, TheSortRowIsNotCheckedWhileALayoutIsRead) {
  RegisterExtGridClasses();
  plat::ReadLayoutText(*FForm, R"({"Components": [
      {"Class": "TExtStringGrid", "Name": "grid", "SortSettings": {"Row": 2}, "RowCount": 8, "FixedRows": 3}]})",
                       "SortRowForm", plat::TLayoutHandlers());
  auto* grid = dynamic_cast<TExtStringGrid*>(FForm->FindComponent("grid"));
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->SortSettings()->Row(), 2);
  EXPECT_EQ(grid->FixedRows(), 3);
}

}  // namespace
}  // namespace zorbit
