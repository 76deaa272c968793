// Row and column insertion, removal and clearing: what moves with the rows
// (texts, properties, heights, hidden rows' real indexes), what the bounds
// rules refuse, and which cells the clearing operations spare.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/tests/GridRowsFixture.h"
#include "grid/TCellProperties.h"

namespace zorbit {
namespace {

class RowOps : public testing::GridRowsTest {};

TEST_F(RowOps, RowOperationsKeepHiddenRowsInStep) {
  using Case = RowsCase;
  // Twelve real rows, real row 10 hidden: display rows 0..9 are real 0..9,
  // display 10 is real 11.
  const Case cases[] = {
      {"RemoveRows(2, 3)", [](TExtStringGrid* g) { g->RemoveRows(2, 3); }, "0 1 5 6 7 8 9 11", {7}},
      {"DeleteRows(2, 3)", [](TExtStringGrid* g) { g->DeleteRows(2, 3); }, "0 1 5 6 7 8 9 11", {7}},
      {"RemoveRowsFreeing(2, 3)", [](TExtStringGrid* g) { g->RemoveRowsFreeing(2, 3); }, "0 1 5 6 7 8 9 11", {7}},
      {"keeping heights, not adjusting",
       [](TExtStringGrid* g) { g->RemoveRowsKeepingHeights(2, 3, false); }, "0 1 5 6 7 8 9 11", {10}},
      {"count clamped", [](TExtStringGrid* g) { g->RemoveRows(9, 5); }, "0 1 2 3 4 5 6 7 8", {9}},
      {"around the hidden row", [](TExtStringGrid* g) { g->DeleteRows(9, 2); }, "0 1 2 3 4 5 6 7 8", {9}},
      {"hidden row below", [](TExtStringGrid* g) { g->HideRowRange(1, 1); g->DeleteRows(2, 2); },
       "0 2 5 6 7 8 9 11", {1, 8}},
      {"hidden row inside the block's span", [](TExtStringGrid* g) { g->HideRowRange(3, 3); g->DeleteRows(2, 3); },
       "0 1 6 7 8 9 11", {2, 7}},
      {"InsertRows(1, 2)", [](TExtStringGrid* g) { g->InsertRows(1, 2); }, "0 _ _ 1 2 3 4 5 6 7 8 9 11", {12}},
      {"InsertRows after the hidden row", [](TExtStringGrid* g) { g->InsertRows(10, 1); },
       "0 1 2 3 4 5 6 7 8 9 _ 11", {10}},
      {"InsertRows index clamped", [](TExtStringGrid* g) { g->InsertRows(50, 1); },
       "0 1 2 3 4 5 6 7 8 9 11 _", {10}},
      {"InsertRows index below 0", [](TExtStringGrid* g) { g->InsertRows(-4, 1); },
       "_ 0 1 2 3 4 5 6 7 8 9 11", {11}},
      {"AddRow", [](TExtStringGrid* g) { g->AddRow(); }, "0 1 2 3 4 5 6 7 8 9 11 _", {10}},
  };
  const std::vector<std::pair<const char*, Steps>> refused = {
      {"RemoveRows(-1, 2)", [](TExtStringGrid* g) { g->RemoveRows(-1, 2); }},
      {"RemoveRows(11, 1)", [](TExtStringGrid* g) { g->RemoveRows(11, 1); }},
      {"RemoveRows(2, 0)", [](TExtStringGrid* g) { g->RemoveRows(2, 0); }},
      {"DeleteRows(-2, 1)", [](TExtStringGrid* g) { g->DeleteRows(-2, 1); }},
      {"DeleteRows(40, 1)", [](TExtStringGrid* g) { g->DeleteRows(40, 1); }},
      {"DeleteRows(3, -1)", [](TExtStringGrid* g) { g->DeleteRows(3, -1); }},
      {"RemoveRowsFreeing(11, 1)", [](TExtStringGrid* g) { g->RemoveRowsFreeing(11, 1); }},
      {"InsertRows(2, 0)", [](TExtStringGrid* g) { g->InsertRows(2, 0); }},
      {"RemoveCols(-1, 1)", [](TExtStringGrid* g) { g->RemoveCols(-1, 1); }},
      {"RemoveCols(3, 1)", [](TExtStringGrid* g) { g->RemoveCols(3, 1); }},
      {"RemoveCols(1, 0)", [](TExtStringGrid* g) { g->RemoveCols(1, 0); }},
      {"InsertCols(1, 0)", [](TExtStringGrid* g) { g->InsertCols(1, 0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    MakeGrid(12);
    FGrid->HideRowRange(10, 10);
    c.Run(FGrid);
    EXPECT_EQ(Shown(), c.Shown);
    EXPECT_EQ(Hidden(), c.Hidden);
    EXPECT_EQ(FGrid->UpdateCount(), 0);
    FGrid->UnhideAllRows();
    FGrid->SetRowCount(2);
  }
  for (const auto& [name, run] : refused) {
    SCOPED_TRACE(name);
    MakeGrid(12);
    FGrid->HideRowRange(10, 10);
    run(FGrid);
    EXPECT_EQ(Shown(), "0 1 2 3 4 5 6 7 8 9 11");
    EXPECT_EQ(Hidden(), std::vector<int>{10});
    EXPECT_EQ(FGrid->ColCount(), 3);
    FGrid->UnhideAllRows();
    FGrid->SetRowCount(2);
  }
}

TEST_F(RowOps, InsertedRowsPushPropertiesAndHeightsAlong) {
  MakeGrid(6);
  TCellProperties* properties = FGrid->GetCellProperties(1, 1);
  FGrid->SetRowHeights(1, 40);
  FGrid->InsertRows(1, 2);
  EXPECT_EQ(FGrid->GetGridObject(1, 3), properties);
  EXPECT_FALSE(FGrid->HasCellProperties(1, 1));
  EXPECT_FALSE(FGrid->HasCellProperties(1, 2));
  EXPECT_EQ(FGrid->RowHeights(3), 40);
  EXPECT_EQ(FGrid->RowHeights(1), FGrid->DefaultRowHeight());
  EXPECT_EQ(FGrid->RowHeights(2), FGrid->DefaultRowHeight());
}

TEST_F(RowOps, RemovedRowsLeaveNothingBehindForTheGridToGrowInto) {
  MakeGrid(8);
  FGrid->GetCellProperties(2, 6);
  FGrid->GetCellProperties(0, 2);
  FGrid->RemoveRows(2, 3);
  EXPECT_EQ(Shown(), "0 1 5 6 7");
  EXPECT_TRUE(FGrid->HasCellProperties(2, 3));
  FGrid->SetRowCount(8);
  EXPECT_EQ(Shown(), "0 1 5 6 7 _ _ _");
  for (int r = 5; r < 8; ++r) EXPECT_FALSE(FGrid->HasCellProperties(2, r));
  // Shrinking drops the rows beyond; their cells do not come back.
  FGrid->SetRowCount(3);
  FGrid->SetRowCount(5);
  EXPECT_EQ(Shown(), "0 1 5 _ _");
  EXPECT_FALSE(FGrid->HasCellProperties(2, 3));
  // Shrinking the columns keeps their cells: hidden columns live there.
  FGrid->SetColCount(1);
  FGrid->SetColCount(3);
  EXPECT_EQ(Shown(), "0 1 5 _ _");
}

TEST_F(RowOps, DeletingTheCurrentRowSelectsTheNextOrTheLastNormalRow) {
  struct Case {
    int Current, Index, Count, Selected;
  };
  for (const Case& c : {Case{3, 3, 2, 3}, Case{6, 5, 3, 4}, Case{2, 4, 1, 2}}) {
    SCOPED_TRACE(c.Current);
    MakeGrid(8);
    FGrid->SetRow(c.Current);
    FGrid->DeleteRows(c.Index, c.Count);
    EXPECT_EQ(FGrid->Row(), c.Selected);
    FGrid->SetRowCount(2);
  }
}

TEST_F(RowOps, ColumnsMoveWithTheirWidthsAndVisibility) {
  MakeGrid(3);
  FGrid->SetColCount(5);
  for (int c = 0; c < 5; ++c) FGrid->SetCells(c, 2, "c" + std::to_string(c));
  FGrid->SetColWidths(3, 90);
  FGrid->SetColumnShown(4, false);
  FGrid->GetCellProperties(1, 2);
  FGrid->RemoveCols(1, 2);
  EXPECT_EQ(FGrid->ColCount(), 3);
  EXPECT_EQ(FGrid->Cells(1, 2), "c3");
  EXPECT_EQ(FGrid->Cells(2, 2), "c4");
  EXPECT_EQ(FGrid->ColWidths(1), 90);
  EXPECT_FALSE(FGrid->ColumnShown(2));
  EXPECT_TRUE(FGrid->ColumnShown(4));
  EXPECT_EQ(FGrid->HiddenColCount(), 1);
  EXPECT_FALSE(FGrid->HasCellProperties(1, 2));
  FGrid->InsertCols(1, 1);
  EXPECT_EQ(FGrid->ColCount(), 4);
  EXPECT_EQ(FGrid->Cells(1, 2), "");
  EXPECT_EQ(FGrid->Cells(2, 2), "c3");
  EXPECT_EQ(FGrid->ColWidths(1), FGrid->DefaultColWidth());
  EXPECT_EQ(FGrid->ColWidths(2), 90);
  EXPECT_TRUE(FGrid->ColumnShown(1));
  EXPECT_FALSE(FGrid->ColumnShown(3));
}

TEST_F(RowOps, ClearingSparesWhatItShould) {
  // A 6 x 7 grid: one fixed row and column, a fixed right column, a footer
  // row, and one hidden column stored beyond ColCount (column 6).
  struct Case {
    const char* Name;
    std::function<void(TExtStringGrid*)> Run;
    std::vector<std::string> Picture;  // "#" a cell with text, "." an empty one
  };
  // clang-format off
  const Case cases[] = {
      {"ClearDataCells", [](TExtStringGrid* g) { g->ClearDataCells(); },
       {"#######",
        "#....#.",
        "#....#.",
        "#....#.",
        "#....#.",
        "#######"}},
      {"ClearRows(2, 2)", [](TExtStringGrid* g) { g->ClearRows(2, 2); },
       {"#######",
        "#######",
        ".......",
        ".......",
        "#######",
        "#######"}},
      {"ClearCols(1, 2)", [](TExtStringGrid* g) { g->ClearCols(1, 2); },
       {"#..####",
        "#..####",
        "#..####",
        "#..####",
        "#..####",
        "#..####"}},
      {"ClearRect", [](TExtStringGrid* g) { g->ClearRect(-3, 4, 1, 9); },
       {"#######",
        "#######",
        "#######",
        "#######",
        "..#####",
        "..#####"}},
      {"ClearAll", [](TExtStringGrid* g) { g->ClearAll(); },
       {".......",
        ".......",
        ".......",
        ".......",
        ".......",
        "......."}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    MakeGrid(6);
    FGrid->SetColCount(6);
    FGrid->SetFixedRightCols(1);
    FGrid->SetFixedFooters(1);
    FGrid->SetColumnShown(2, false);
    for (int r = 0; r < 6; ++r)
      for (int col = 0; col < 7; ++col) FGrid->SetCells(col, r, "x");
    FGrid->GetCellProperties(3, 3);
    c.Run(FGrid);
    std::vector<std::string> picture;
    for (int r = 0; r < 6; ++r) {
      std::string line;
      for (int col = 0; col < 7; ++col) line += FGrid->Cells(col, r).empty() ? '.' : '#';
      picture.push_back(line);
    }
    EXPECT_EQ(picture, c.Picture);
    FGrid->SetColumnShown(2, true);
  }
}

}  // namespace
}  // namespace zorbit

namespace zorbit {
namespace {

class ColumnMerges : public testing::GridRowsTest {
 protected:
  // Column 1 of rows 1..5 reads a, a, b, b, b.
  void Fill() {
    MakeGrid(6);
    const char* texts[] = {"a", "a", "b", "b", "b"};
    for (int r = 1; r <= 5; ++r) FGrid->SetCells(1, r, texts[r - 1]);
  }
  // The vertical span of each row's range in the column (0: in none).
  std::string Spans(int ACol) {
    std::string spans;
    for (int r = 0; r < FGrid->RowCount(); ++r) spans += std::to_string(FGrid->GetCellSpan(ACol, r).Y);
    return spans;
  }
};

TEST_F(ColumnMerges, RunsOfEqualTextsMergeSeparately) {
  Fill();
  FGrid->MergeEqualCells(1, true);
  EXPECT_EQ(Spans(1), "011222");
  FGrid->SplitColumnMerges(1);
  EXPECT_EQ(Spans(1), "000000");
}

TEST_F(ColumnMerges, WithoutIgnoringRunsFollowTheOtherColumnsMerges) {
  Fill();
  FGrid->MergeEqualCells(1, false);
  EXPECT_EQ(Spans(1), "000000");  // no other column merges the rows
  FGrid->MergeCellRange(0, 1, 1, 4);
  FGrid->MergeEqualCells(1, false);
  EXPECT_EQ(Spans(1), "011110");  // b, b, b is cut where column 0's range ends
}

TEST_F(ColumnMerges, TheMergedColumnsListKeepsItsColumnsMerged) {
  Fill();
  for (int r = 1; r <= 5; ++r) FGrid->SetCells(2, r, "x");
  FGrid->MergeCellRange(0, 1, 1, 5);  // split by the list's first change
  TIntList* merged = FGrid->MergedColumns();
  merged->Add(1);
  EXPECT_EQ(Spans(0), "000000");
  EXPECT_EQ(Spans(1), "011222");
  // The later column merges only inside the leading column's runs.
  merged->Add(2);
  EXPECT_EQ(Spans(2), "011222");
  merged->Delete(0);
  EXPECT_EQ(Spans(1), "000000");
  EXPECT_EQ(Spans(2), "044444");
  merged->Add(40);  // beyond the columns: passed over
  EXPECT_EQ(Spans(2), "044444");
  EXPECT_EQ(FGrid->UpdateCount(), 0);
}

TEST_F(ColumnMerges, SplittingReachesTheLastRow) {
  MakeGrid(6);
  FGrid->MergeCellRange(1, 5, 2, 1);
  FGrid->MergeCellRange(1, 1, 1, 3);
  FGrid->SplitColumnMerges(1);
  EXPECT_FALSE(FGrid->IsMergedCell(1, 5));
  EXPECT_FALSE(FGrid->IsMergedCell(1, 1));
}

TEST_F(ColumnMerges, UnicodeCellsAreKnownByTheirMark) {
  MakeGrid(3);
  FGrid->SetCells(1, 1, "|\\ab");
  FGrid->SetCells(2, 1, "plain |\\");
  EXPECT_TRUE(FGrid->IsUnicodeCell(1, 1));
  EXPECT_FALSE(FGrid->IsUnicodeCell(2, 1));
  EXPECT_FALSE(FGrid->IsUnicodeCell(0, 2));
}

}  // namespace
}  // namespace zorbit
