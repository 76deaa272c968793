// The repaint operations: what part of the window each one invalidates.
#include <gtest/gtest.h>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/tests/GridRowsFixture.h"
#include "platform/win/Painting.h"

namespace zorbit {
namespace {

class Repaint : public testing::GridRowsTest {
 protected:
  void SetUp() override {
    GridRowsTest::SetUp();
    MakeGrid(40);
    FForm->Show();
    Pump();
    plat::ValidateRect(FGrid->Handle(), nullptr);
  }
  // The bounds of what waits to be painted; empty when nothing does.
  plat::TRect Pending() {
    plat::RECT r{};
    plat::GetUpdateRect(FGrid->Handle(), &r, false);
    plat::ValidateRect(FGrid->Handle(), nullptr);
    return r;
  }
};

TEST_F(Repaint, EachOperationInvalidatesItsCells) {
  const plat::TRect client = FGrid->ClientRect();
  const plat::TRect a = FGrid->CellRect(1, 2), b = FGrid->CellRect(2, 4);
  FGrid->RepaintRect({1, 2, 2, 4});
  EXPECT_EQ(Pending(), a.United(b));
  FGrid->RepaintRect({-1, 2, 2, 4});
  EXPECT_TRUE(Pending().IsEmpty()) << "a negative index";
  FGrid->RepaintRect({1, 2, 2, 39});
  EXPECT_EQ(Pending(), client) << "a corner out of view";

  FGrid->RepaintRow(3);
  const plat::TRect row = Pending();
  EXPECT_EQ(row.Top, FGrid->CellRect(0, 3).Top);
  EXPECT_EQ(row.Left, 0);
  FGrid->RepaintCol(2);
  const plat::TRect col = Pending();
  EXPECT_EQ(col.Left, FGrid->CellRect(2, 0).Left);
  EXPECT_EQ(col.Top, 0);

  FGrid->RepaintHeadings(1, 2, 2, 1);
  EXPECT_EQ(Pending(), FGrid->CellRect(0, 0).United(FGrid->CellRect(1, 0)).United(FGrid->CellRect(0, 2)));
}

}  // namespace
}  // namespace zorbit
