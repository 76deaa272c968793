// Hidden rows and columns: the display-to-real mappings, hiding and
// unhiding row ranges and lists, the hidden-aware cell text and the
// current-row notification.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/tests/GridRowsFixture.h"
#include "grid/TCellProperties.h"

namespace zorbit {
namespace {

class HiddenRows : public testing::GridRowsTest {};

TEST_F(HiddenRows, WithNothingHiddenEveryMappingIsTheIdentity) {
  MakeGrid(10);
  for (int index : {-1, 0, 1, 5, 9, 10, 511, 512, 1000}) {
    SCOPED_TRACE(index);
    EXPECT_EQ(FGrid->DisplayToRealCol(index), index);
    EXPECT_EQ(FGrid->RealToDisplayCol(index), index);
    EXPECT_EQ(FGrid->DisplayToRealRow(index), index);
    EXPECT_EQ(FGrid->RealToDisplayRow(index), index);
    EXPECT_FALSE(FGrid->RowIsHidden(index));
  }
  EXPECT_EQ(FGrid->HiddenRowCount(), 0);
  EXPECT_EQ(FGrid->HiddenColCount(), 0);
}

TEST_F(HiddenRows, HiddenColumnsAreSkippedInsideTheTableOnly) {
  MakeGrid(3);
  FGrid->SetColumnShown(2, false);
  FGrid->SetColumnShown(4, false);
  FGrid->SetColumnShown(4, false);  // counted once
  FGrid->SetColumnShown(600, false);  // outside the table: ignored
  EXPECT_EQ(FGrid->HiddenColCount(), 2);
  struct Case {
    int Display, Real;
  };
  // Display 510 is past the 510 shown columns of the table.
  for (const Case& c : {Case{0, 0}, {1, 1}, {2, 3}, {3, 5}, {509, 511}, {510, 0}, {512, 512}, {700, 700}, {-3, -3}}) {
    SCOPED_TRACE(c.Display);
    EXPECT_EQ(FGrid->DisplayToRealCol(c.Display), c.Real);
  }
  for (const Case& c : {Case{0, 0}, {2, 2}, {3, 2}, {5, 3}, {511, 509}, {512, 512}, {800, 800}, {-1, -1}}) {
    SCOPED_TRACE(c.Display);
    EXPECT_EQ(FGrid->RealToDisplayCol(c.Display), c.Real);
  }
  FGrid->SetCol(2);
  EXPECT_EQ(FGrid->CurrentRealCol(), 3);
}

TEST_F(HiddenRows, HidingRealRowsThreeToFiveAndUnhidingThem) {
  MakeGrid(10);
  FGrid->SetRowHeights(4, 40);
  TCellProperties* properties = FGrid->GetCellProperties(2, 4);
  FGrid->HideRowRange(3, 5);
  EXPECT_EQ(Shown(), "0 1 2 6 7 8 9");
  EXPECT_EQ(Hidden(), (std::vector<int>{3, 4, 5}));
  EXPECT_EQ(FGrid->DisplayToRealRow(3), 6);
  EXPECT_EQ(FGrid->DisplayToRealRow(2), 2);
  EXPECT_EQ(FGrid->RealToDisplayRow(6), 3);
  EXPECT_TRUE(FGrid->RowIsHidden(4));
  EXPECT_FALSE(FGrid->RowIsHidden(6));
  EXPECT_EQ(FGrid->HiddenRow(1)->Height(), 40);
  EXPECT_EQ(FGrid->GetHiddenAwareCellText(1, 4), "4");
  EXPECT_EQ(FGrid->GetHiddenAwareCellText(1, 7), "7");
  EXPECT_EQ(FGrid->GetHiddenAwareCellText(300, 4), "");  // beyond what was stored
  EXPECT_FALSE(FGrid->HasCellProperties(2, 4));
  FGrid->UnhideRowRange(3, 5);
  EXPECT_EQ(Shown(), "0 1 2 3 4 5 6 7 8 9");
  EXPECT_TRUE(Hidden().empty());
  EXPECT_EQ(FGrid->RowHeights(4), 40);
  EXPECT_EQ(FGrid->RowHeights(6), FGrid->DefaultRowHeight());
  EXPECT_EQ(FGrid->GetGridObject(2, 4), properties);
}

TEST_F(HiddenRows, AHiddenRowTakesItsPropertiesAlongWhenTheGridGoes) {
  MakeGrid(6);
  FGrid->GetCellProperties(1, 2);
  FGrid->GetCellProperties(0, 3);
  FGrid->HideRowRange(2, 3);
  // The sanitizer's leak check covers the objects the hidden rows own.
  EXPECT_EQ(FGrid->HiddenRow(0)->Items()->Objects(1) != nullptr, true);
}

TEST_F(HiddenRows, RangesAndListsHideAndUnhide) {
  using Case = RowsCase;
  const Case cases[] = {
      {"hidden twice", [](TExtStringGrid* g) { g->HideRowRange(3, 5); g->HideRowRange(3, 5); },
       "0 1 2 6 7 8 9", {3, 4, 5}},
      {"overlapping", [](TExtStringGrid* g) { g->HideRowRange(3, 5); g->HideRowRange(4, 7); },
       "0 1 2 8 9", {3, 4, 5, 6, 7}},
      {"clamped low", [](TExtStringGrid* g) { g->HideRowRange(-5, 2); }, "3 4 5 6 7 8 9", {0, 1, 2}},
      {"clamped high", [](TExtStringGrid* g) { g->HideRowRange(8, 50); }, "0 1 2 3 4 5 6 7", {8, 9}},
      {"beyond the rows", [](TExtStringGrid* g) { g->HideRowRange(12, 50); }, "0 1 2 3 4 5 6 7 8 9", {}},
      {"a visible row between hidden ones",
       [](TExtStringGrid* g) { g->HideRowRange(3, 3); g->HideRowRange(5, 5); g->UnhideRowRange(3, 5); },
       "0 1 2 3 4 5 6 7 8 9", {}},
      {"first row of the range shown",
       [](TExtStringGrid* g) { g->HideRowRange(4, 4); g->UnhideRowRange(3, 5); }, "0 1 2 3 5 6 7 8 9", {4}},
      {"part of a hidden range", [](TExtStringGrid* g) { g->HideRowRange(3, 5); g->UnhideRowRange(3, 4); },
       "0 1 2 3 4 6 7 8 9", {5}},
      {"unhide clamped", [](TExtStringGrid* g) { g->HideRowRange(8, 9); g->UnhideRowRange(8, 90); },
       "0 1 2 3 4 5 6 7 8 9", {}},
      {"a list", [](TExtStringGrid* g) { g->HideRowList({7, 2, 2, 40, -1}); }, "0 1 3 4 5 6 8 9", {2, 7}},
      {"a list among hidden rows",
       [](TExtStringGrid* g) { g->HideRowRange(5, 6); g->HideRowList({3, 4, 8}); }, "0 1 2 7 9", {3, 4, 5, 6, 8}},
      {"all back", [](TExtStringGrid* g) { g->HideRowRange(2, 3); g->HideRowList({6, 7, 9}); g->UnhideAllRows(); },
       "0 1 2 3 4 5 6 7 8 9", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    MakeGrid(10);
    c.Run(FGrid);
    EXPECT_EQ(Shown(), c.Shown);
    EXPECT_EQ(Hidden(), c.Hidden);
    // Every shown row maps to the real row its tag names, and back.
    for (int r = 0; r < FGrid->RowCount(); ++r) {
      EXPECT_EQ(std::to_string(FGrid->DisplayToRealRow(r)), FGrid->Cells(1, r));
      EXPECT_EQ(FGrid->RealToDisplayRow(FGrid->DisplayToRealRow(r)), r);
    }
    FGrid->UnhideAllRows();
    EXPECT_EQ(Shown(), "0 1 2 3 4 5 6 7 8 9");
    EXPECT_EQ(FGrid->UpdateCount(), 0);
  }
}

TEST_F(HiddenRows, TheRowStandingInForAllHiddenRowsGoesWhenRowsComeBack) {
  const RowsCase cases[] = {
      {"range", [](TExtStringGrid* g) { g->HideRowRange(0, 3); }, "0 1 2 3", {}},
      {"list", [](TExtStringGrid* g) { g->HideRowList({3, 1, 0, 2}); }, "0 1 2 3", {}},
      {"part back", [](TExtStringGrid* g) { g->HideRowRange(0, 3); g->UnhideRowRange(1, 2); }, "0 1 2 3", {}},
      // Written to, the stand-in is a row of the grid's.
      {"written to", [](TExtStringGrid* g) { g->HideRowRange(0, 3); g->SetCells(1, 0, "new"); }, "0 1 2 3 new", {}},
  };
  for (const RowsCase& c : cases) {
    SCOPED_TRACE(c.Name);
    MakeGrid(4);
    FGrid->SetFixedRows(0);
    c.Run(FGrid);
    FGrid->UnhideAllRows();
    EXPECT_EQ(Shown(), c.Shown);
    EXPECT_EQ(Hidden(), c.Hidden);
    FGrid->SetRowCount(1);
  }
}

TEST_F(HiddenRows, OnRowUpdateFiresOncePerChange) {
  MakeGrid(10);
  std::vector<std::string> log;
  FGrid->OnRowUpdate = [&log](plat::TObject*, int OldRow, int NewRow) {
    log.push_back(std::to_string(OldRow) + ">" + std::to_string(NewRow));
  };
  FGrid->SetRow(2);
  FGrid->SetRow(2);
  FGrid->SetRow(3);
  FGrid->BeginUpdate();
  FGrid->SetRow(5);
  FGrid->EndUpdate();
  EXPECT_EQ(log, (std::vector<std::string>{"-1>2", "2>3"}));
  // The change made during the update is reported with the next one.
  FGrid->SetRow(6);
  EXPECT_EQ(log.back(), "3>6");
  EXPECT_EQ(log.size(), 3u);
}

}  // namespace
}  // namespace zorbit
