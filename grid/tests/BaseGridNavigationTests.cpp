// Moving through a TBaseGrid with keys and the wheel: the current cell
// steps over merged ranges whole and lands on base cells, ranges that run
// past the grid end at its last column or row, Page Down stops on the last
// shown row when the last row is hidden; and the undo recorder's levels and
// its link with the grid.
#include <gtest/gtest.h>

#include <string>

#include "grid/TBaseGrid.h"
#include "grid/TCellProperties.h"
#include "grid/TExtGridUndoRedo.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Messages.h"

namespace zorbit {
namespace {

class BaseGridNavigation : public plat::testing::StdControlsTest {
 protected:
  // A focused grid of Cols x Rows cells of 40 x 20 pixels, one fixed row
  // and column, no scroll bars, client area 300 x 200.
  TBaseGrid* MakeGrid(int Cols, int Rows) {
    TBaseGrid* grid = Make<TBaseGrid>({10, 10, 304, 204});
    grid->SetScrollBars(plat::TScrollStyle::ssNone);
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows);
    grid->SetDefaultColWidth(40);
    grid->SetDefaultRowHeight(20);
    grid->SetFocus();
    Pump();
    return grid;
  }
  static std::string At(TBaseGrid* Grid) { return std::to_string(Grid->Col()) + "," + std::to_string(Grid->Row()); }
};

TEST_F(BaseGridNavigation, KeysStepOverMergedRangesWhole) {
  struct Case {
    const char* Name;
    int MergeCol, MergeRow, MergeCols, MergeRows;
    int StartCol, StartRow;
    const char* Keys;
    const char* Expected;
  };
  const Case cases[] = {
      {"Right from a member of a 3 x 1 range goes past its last column", 2, 5, 3, 1, 3, 5, "{RIGHT}", "5,5"},
      {"Left from a member goes to the column before the range", 2, 5, 3, 1, 3, 5, "{LEFT}", "1,5"},
      {"Left from the base is the ordinary move", 2, 5, 3, 1, 2, 5, "{LEFT}", "1,5"},
      {"Right from the base leaves the range", 2, 5, 3, 1, 2, 5, "{RIGHT}", "5,5"},
      {"Down from the base of a 1 x 3 range goes past its last row", 3, 4, 1, 3, 3, 4, "{DOWN}", "3,7"},
      {"Up from its last row goes to the row before it", 3, 4, 1, 3, 3, 6, "{UP}", "3,3"},
      {"Right into a range lands on its base", 2, 5, 3, 1, 1, 5, "{RIGHT}", "2,5"},
      {"Left into a range lands on its base", 2, 5, 3, 1, 5, 5, "{LEFT}", "2,5"},
      // A range that runs past the grid: the move ends on its last column
      // (row) inside the grid, raising nothing, and snaps back to the base.
      {"Right through a range past the grid stays in the grid", 6, 2, 4, 1, 6, 2, "{RIGHT}", "6,2"},
      {"Down through a range past the grid stays in the grid", 2, 8, 1, 5, 2, 8, "{DOWN}", "2,8"},
      {"Right from a member of a range past the grid", 6, 2, 4, 1, 7, 2, "{RIGHT}", "6,2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TBaseGrid* grid = MakeGrid(8, 10);
    grid->MergeCellRange(c.MergeCol, c.MergeRow, c.MergeCols, c.MergeRows);
    grid->SetCol(c.StartCol);
    grid->SetRow(c.StartRow);
    Type(c.Keys);
    EXPECT_EQ(At(grid), c.Expected);
    delete grid;
  }
}

TEST_F(BaseGridNavigation, TheWheelLandsOnBaseCells) {
  TBaseGrid* grid = MakeGrid(5, 10);
  grid->MergeCellRange(2, 3, 1, 3);
  grid->SetCol(2);
  grid->SetRow(2);
  const plat::TRect r = grid->CellRect(2, 2);
  const plat::TPoint where = OnScreen(grid, {r.Left + 5, r.Top + 5});
  plat::InjectWheel(where, -plat::WHEEL_DELTA);
  Pump();
  EXPECT_EQ(At(grid), "2,3");
  grid->SetRow(5);  // the range's last row, set by the program
  plat::InjectWheel(where, plat::WHEEL_DELTA);
  Pump();
  EXPECT_EQ(At(grid), "2,3");  // up one, to row 4, which snaps to the base
}

TEST_F(BaseGridNavigation, PageDownStopsOnTheLastShownRowWhenTheLastRowIsHidden) {
  TBaseGrid* grid = MakeGrid(4, 8);
  grid->SetHideLastRow(true);
  grid->SetRow(2);
  Type("{PGDN}");
  EXPECT_EQ(At(grid), "1,6");  // the last page shows: the last shown row
  Type("{PGDN}");
  EXPECT_EQ(At(grid), "1,6");
  // A long grid: the ordinary page move first, then the last shown row.
  delete grid;
  grid = MakeGrid(4, 30);
  grid->SetHideLastRow(true);
  const int page = grid->VisibleRowCount();
  Type("{PGDN}");
  EXPECT_EQ(grid->Row(), 1 + page);
  for (int i = 0; i < 5; ++i) Type("{PGDN}");
  EXPECT_EQ(grid->Row(), 28);
  // Only one row besides the fixed one: Page Down never lands on the fixed row.
  delete grid;
  grid = MakeGrid(4, 2);
  grid->SetHideLastRow(true);
  Type("{PGDN}");
  EXPECT_GE(grid->Row(), grid->FixedRows());
}

TEST_F(BaseGridNavigation, UndoLevelsKeepTheLastChangesUpToMaxLevel) {
  TExtGridUndoRedo recorder(nullptr);
  recorder.SetMaxLevel(2);
  recorder.AddChange(1, 1, "a", "b");
  recorder.AddChange(2, 1, "c", "d");
  recorder.AddChange(3, 1, "e", "f");
  ASSERT_EQ(recorder.Items()->Count(), 2);
  EXPECT_EQ(recorder.Level(), 2);
  EXPECT_EQ(recorder.Items()->Items(0)->Col(), 2);
  EXPECT_EQ(recorder.Items()->Items(0)->OrigValue(), "c");
  EXPECT_EQ(recorder.Items()->Items(1)->Value(), "f");
  EXPECT_EQ(recorder.Items()->Items(1)->Row(), 1);
  // A lowered MaxLevel takes effect at the next change.
  recorder.SetMaxLevel(1);
  recorder.AddChange(4, 1, "g", "h");
  EXPECT_EQ(recorder.Items()->Count(), 1);
  EXPECT_EQ(recorder.Level(), 1);
  // 0 keeps all.
  TExtGridUndoRedo unlimited(nullptr);
  for (int i = 0; i < 50; ++i) unlimited.AddChange(i, 1, "", std::to_string(i));
  EXPECT_EQ(unlimited.Items()->Count(), 50);
  EXPECT_EQ(unlimited.Level(), 50);
}

TEST_F(BaseGridNavigation, TheGridAndTheRecorderForgetEachOtherWhicheverGoesFirst) {
  TBaseGrid* grid = MakeGrid(4, 4);
  {
    TExtGridUndoRedo recorder(nullptr);  // owned elsewhere than the grid
    grid->SetUndoRedo(&recorder);
    EXPECT_EQ(recorder.Grid(), grid);
  }
  EXPECT_EQ(grid->UndoRedo(), nullptr);
  TExtGridUndoRedo recorder(nullptr);
  grid->SetUndoRedo(&recorder);
  delete grid;
  EXPECT_EQ(recorder.Grid(), nullptr);
}

}  // namespace
}  // namespace zorbit
