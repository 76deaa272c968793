// The grid's shape: fixed counts kept by FixedRowAlways, heights,
// IntegralHeight, the scroll-bar policy, headers, the stretch column,
// scrolling into view and the form's resize subscription.
#include <gtest/gtest.h>
#include <stdexcept>

#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"
#include "platform/rtl/Exception.h"
#include "platform/ui/TForm.h"
#include "platform/win/ScrollBars.h"
#include "testing/FormTest.h"

namespace zorbit {
namespace {

class Shape : public testing::FormTest {
 protected:
  plat::TForm* FForm = new plat::TForm(nullptr);
  TExtStringGrid* FGrid = new TExtStringGrid(FForm);
  void TearDown() override {
    delete FForm;
    FormTest::TearDown();
  }
  void Place() {
    FForm->SetBounds(0, 0, 600, 400);
    FGrid->SetParent(FForm);
    FGrid->HandleNeeded();
  }
};

TEST_F(Shape, IntegralHeightRoundsToWholeRows) {
  FGrid->SetIntegralHeight(true);
  FGrid->SetHeight(250);
  // 250 - 2 = 248, down to 11 rows of 21 = 231, plus twice the border.
  EXPECT_EQ(FGrid->Height(), 235);
  FGrid->BeginUpdate();
  FGrid->SetHeight(250);
  EXPECT_EQ(FGrid->Height(), 250);
  FGrid->EndUpdate();
}

TEST_F(Shape, UpdateScopeClosesWhenTheOperationThrows) {
  EXPECT_THROW(
      {
        TGridUpdateScope outer(*FGrid);
        TGridUpdateScope inner(*FGrid);
        EXPECT_EQ(FGrid->UpdateCount(), 2);
        throw std::runtime_error("failed mid-way");
      },
      std::runtime_error);
  EXPECT_EQ(FGrid->UpdateCount(), 0);
}

TEST_F(Shape, FixedRowAlwaysKeepsAFixedRow) {
  FGrid->SetFixedRowAlways(true);
  FGrid->SetFixedRows(0);
  EXPECT_EQ(FGrid->FixedRows(), 1);
  FGrid->SetFixedRows(2);
  FGrid->SetRowCount(1);
  EXPECT_EQ(FGrid->FixedRows(), 1);
  FGrid->SetRowCount(8);
  EXPECT_EQ(FGrid->FixedRows(), 2);
  EXPECT_EQ(FGrid->NormalRowCount(), 8);
}

TEST_F(Shape, FixedColWidthAndRowHeight) {
  FGrid->SetFixedColWidth(FGrid->DefaultColWidth());
  EXPECT_EQ(FGrid->FixedColWidth(), 64);
  FGrid->SetFixedColWidth(30);
  EXPECT_EQ(FGrid->ColWidths(0), 30);
  EXPECT_EQ(FGrid->ColWidths(1), 64);
  FGrid->SetFixedRowHeight(30);
  EXPECT_EQ(FGrid->RowHeights(0), 30);
  EXPECT_EQ(FGrid->RowHeights(1), 21);
  FGrid->SetDefaultRowHeight(25);
  EXPECT_EQ(FGrid->FloatingFooter()->Height(), 25);
}

TEST_F(Shape, HeadersFillRowAndColumnZero) {
  plat::TStringList headers;
  headers.Add("a\\nb");
  for (int i = 1; i < 7; ++i) headers.Add("h" + std::to_string(i));
  FGrid->SetColumnHeaders(&headers);
  EXPECT_EQ(FGrid->Cells(0, 0), "a\rb");
  EXPECT_EQ(FGrid->Cells(4, 0), "h4");
  EXPECT_EQ(FGrid->Cells(5, 0), "");  // beyond ColCount
  FGrid->RowHeaders()->Add("r0");
  FGrid->RowHeaders()->Add("r1");
  EXPECT_EQ(FGrid->Cells(0, 1), "r1");
  FGrid->SetFixedCols(0);
  FGrid->RowHeaders()->Add("r2");
  EXPECT_EQ(FGrid->Cells(0, 2), "");
}

TEST_F(Shape, StretchColumnTakesTheRestAndRefusesBadIndexes) {
  FGrid->ColumnSize()->SetStretch(true);  // no parent: the flag only
  EXPECT_EQ(FGrid->ColWidths(4), 64);
  Place();
  FGrid->StretchColumn(-1);
  int total = 0;
  for (int col = 0; col < FGrid->ColCount(); ++col) total += FGrid->ColWidths(col);
  EXPECT_EQ(total, FGrid->ClientWidth() - 1);
  for (int index : {-2, 5, 100}) {
    try {
      FGrid->StretchColumn(index);
      ADD_FAILURE() << index;
    } catch (const plat::Exception& e) {
      EXPECT_EQ(e.Message(), "Stretch column index out of range");
    }
  }
}

TEST_F(Shape, ScrollInViewMovesTheViewAndIgnoresBadIndexes) {
  Place();
  FGrid->SetRowCount(200);
  FGrid->ScrollInView(-1, 150);
  FGrid->ScrollInView(2, -5);
  EXPECT_EQ(FGrid->TopRow(), 1);
  FGrid->ScrollInView(1, 150);
  EXPECT_EQ(FGrid->Row(), 150);
  EXPECT_GT(FGrid->TopRow(), 100);
  EXPECT_LE(FGrid->TopRow(), 150);
}

TEST_F(Shape, ScrollBarAlwaysKeepsADisabledBar) {
  Place();
  FGrid->SetScrollBarAlways(TScrollBarAlways::saVert);
  plat::SCROLLBARINFO vert;
  ASSERT_TRUE(plat::GetScrollBarInfo(FGrid->Handle(), plat::OBJID_VSCROLL, &vert));
  EXPECT_FALSE(vert.rgstate[0] & plat::STATE_SYSTEM_INVISIBLE);
  EXPECT_TRUE(vert.rgstate[0] & plat::STATE_SYSTEM_UNAVAILABLE);
  plat::SCROLLBARINFO horz;
  ASSERT_TRUE(plat::GetScrollBarInfo(FGrid->Handle(), plat::OBJID_HSCROLL, &horz));
  EXPECT_TRUE(horz.rgstate[0] & plat::STATE_SYSTEM_INVISIBLE);
}

// Grids freed in any order leave the form calling none of them.
TEST_F(Shape, GridsLeaveTheFormsResizeWhenFreed) {
  auto* second = new TExtStringGrid(FForm);
  delete FGrid;
  FForm->SetBounds(0, 0, 500, 300);
  delete second;
  FForm->SetBounds(0, 0, 520, 310);
  EXPECT_EQ(FForm->Width(), 520);
}

}  // namespace
}  // namespace zorbit
