// Filtering: how one row meets the conditions, which rows switching the
// filter on hides, what switching it off gives back, progress and footers.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/tests/GridRowsFixture.h"

namespace zorbit {
namespace {

using Op = TFilterOperation;

struct Condition {
  const char* Pattern;
  Op Operation = Op::foSHORT;
  const char* Prefix = "";
  const char* Suffix = "";
  bool CaseSensitive = true;
  int Column = 2;
  TFilterCells Data = TFilterCells::fcVirtual;
};

class Filtering : public testing::GridRowsTest {
 protected:
  // Rows real rows tagged in column 1; column 2 of row r holds Texts[r]
  // (row 0, the fixed one, "header" unless given).
  TExtStringGrid* MakeGridWith(const std::vector<std::string>& Texts) {
    MakeGrid(static_cast<int>(Texts.size()));
    for (int r = 0; r < FGrid->RowCount(); ++r) FGrid->SetCells(2, r, Texts[r]);
    return FGrid;
  }
  static void AddConditions(TExtStringGrid* Grid, const std::vector<Condition>& Conditions) {
    for (const Condition& c : Conditions) {
      TFilterData* item = Grid->Filter()->Add();
      item->SetColumn(c.Column);
      item->SetCondition(c.Pattern);
      item->SetOperation(c.Operation);
      item->SetPrefix(c.Prefix);
      item->SetSuffix(c.Suffix);
      item->SetCaseSensitive(c.CaseSensitive);
      item->SetData(c.Data);
    }
  }
  // Header row, then rows 1..5 alternating "odd" and "even" by real row.
  TExtStringGrid* MakeParityGrid() { return MakeGridWith({"header", "odd", "even", "odd", "even", "odd"}); }
};

TEST_F(Filtering, ARowMeetsItsConditionsInTheirOrderWithoutPrecedence) {
  struct Case {
    const char* Name;
    const char* Text;
    std::vector<Condition> Conditions;
    bool Expected;
  };
  const Case cases[] = {
      {"no conditions", "anything", {}, true},
      {"one met", "apple", {{"a*"}}, true},
      {"one failed", "pear", {{"a*"}}, false},
      // A failed short condition ends the test: the "or" after it is never asked.
      {"short fails first", "pear", {{"a*"}, {"p*", Op::foOR}}, false},
      {"short met, then or", "apple", {{"a*"}, {"x", Op::foOR}}, true},
      {"none: a later one decides alone", "pear", {{"x", Op::foNONE}, {"p*", Op::foNONE}}, true},
      {"none: undoes an earlier pass", "pear", {{"p*"}, {"x", Op::foNONE}}, false},
      {"and", "pear", {{"p*"}, {"*r", Op::foAND}}, true},
      {"and failing", "pear", {{"p*"}, {"*x", Op::foAND}}, false},
      {"xor of two passes", "pear", {{"p*"}, {"*r", Op::foXOR}}, false},
      {"xor of pass and fail", "pear", {{"p*"}, {"x", Op::foXOR}}, true},
      // (met or failed) and failed, not met or (failed and failed).
      {"left to right", "pear", {{"p*", Op::foNONE}, {"x", Op::foOR}, {"y", Op::foAND}}, false},
      {"or after a failed none", "pear", {{"x", Op::foNONE}, {"pe*", Op::foOR}}, true},
      {"case sensitive by default", "Pear", {{"pear"}}, false},
      {"case ignored", "Pear", {{"pear", Op::foSHORT, "", "", false}}, true},
      {"prefix removed", "$12", {{"12", Op::foSHORT, "$"}}, true},
      {"prefix removed before a comparison", "$12", {{">10", Op::foSHORT, "$"}}, true},
      {"prefix only at the start", "1$2", {{"1$2", Op::foSHORT, "$"}}, true},
      {"prefix is the whole text", "$", {{"", Op::foSHORT, "$"}}, true},
      {"suffix removed", "5kg", {{"5", Op::foSHORT, "", "kg"}}, true},
      {"suffix occurring earlier stays", "aa", {{"a", Op::foSHORT, "", "a"}}, false},
      {"suffix occurring earlier stays, whole text", "aa", {{"aa", Op::foSHORT, "", "a"}}, true},
      {"suffix longer than the text", "g", {{"g", Op::foSHORT, "", "kg"}}, true},
      {"prefix and suffix", "$5kg", {{"5", Op::foSHORT, "$", "kg"}}, true},
      {"a column with no cells", "pear", {{"", Op::foSHORT, "", "", true, 40}}, true},
      {"a negative column has no text", "pear", {{"pear", Op::foSHORT, "", "", true, -3}}, false},
      {"a negative column, empty text", "pear", {{"", Op::foSHORT, "", "", true, -3}}, true},
      {"a negative column, stored text", "pear", {{"", Op::foSHORT, "", "", true, -3, TFilterCells::fcNormal}}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    MakeGridWith({"header", c.Text});
    FGrid->Filter()->Clear();
    AddConditions(FGrid, c.Conditions);
    EXPECT_EQ(FGrid->FilterRowMatches(1), c.Expected);
  }
}

TEST_F(Filtering, VirtualConditionsSeeTheDisplayTextNormalOnesTheStoredText) {
  MakeGridWith({"header", "stored", "stored"});
  FGrid->OnGetDisplText = [](plat::TObject*, int ACol, int ARow, plat::String& Value) {
    if (ACol == 2 && ARow == 1) Value = "shown";
  };
  struct Case {
    TFilterCells Data;
    const char* Pattern;
    bool Row1, Row2;
  };
  for (const Case& c : {Case{TFilterCells::fcVirtual, "shown", true, false},
                        Case{TFilterCells::fcVirtual, "stored", false, true},
                        Case{TFilterCells::fcNormal, "stored", true, true},
                        Case{TFilterCells::fcNormal, "shown", false, false}}) {
    SCOPED_TRACE(c.Pattern);
    FGrid->Filter()->Clear();
    AddConditions(FGrid, {{c.Pattern, Op::foSHORT, "", "", true, 2, c.Data}});
    EXPECT_EQ(FGrid->FilterRowMatches(1), c.Row1);
    EXPECT_EQ(FGrid->FilterRowMatches(2), c.Row2);
  }
}

TEST_F(Filtering, SwitchingOnHidesTheNormalRowsThatFail) {
  using Case = RowsCase;
  auto filterEven = [](TExtStringGrid* g) { AddConditions(g, {{"even"}}); };
  const Case cases[] = {
      {"an empty filter hides nothing", [](TExtStringGrid* g) { g->SetFilterActive(true); }, "0 1 2 3 4 5", {}},
      {"the odd rows go",
       [&](TExtStringGrid* g) {
         filterEven(g);
         g->SetFilterActive(true);
       },
       "0 2 4", {1, 3, 5}},
      {"what the rows show decides",
       [&](TExtStringGrid* g) {
         g->OnGetDisplText = [](plat::TObject*, int ACol, int ARow, plat::String& Value) {
           if (ACol == 2 && (ARow == 1 || ARow == 5)) Value = "even";
         };
         filterEven(g);
         g->SetFilterActive(true);
       },
       "0 1 2 4 5", {3}},
      {"fixed rows are not tested",
       [&](TExtStringGrid* g) {
         g->SetFixedRows(2);
         filterEven(g);
         g->SetFilterActive(true);
       },
       "0 1 2 4", {3, 5}},
      {"fixed footers are not tested",
       [&](TExtStringGrid* g) {
         g->SetFixedFooters(1);
         filterEven(g);
         g->SetFilterActive(true);
       },
       "0 2 4 5", {1, 3}},
      {"every normal row fails",
       [](TExtStringGrid* g) {
         AddConditions(g, {{"none"}});
         g->SetFilterActive(true);
       },
       "0", {1, 2, 3, 4, 5}},
      // The grid kept no fixed row for the header, which is still not tested.
      {"applied again once every normal row went",
       [](TExtStringGrid* g) {
         AddConditions(g, {{"none"}});
         g->SetFilterActive(true);
         g->ApplyFilter();
       },
       "0", {1, 2, 3, 4, 5}},
      // Real row 2 is hidden already, so display rows 2.. are real rows 3..;
      // the rows hidden are the failing rows' real ones.
      {"among rows hidden before",
       [&](TExtStringGrid* g) {
         g->HideRowRange(2, 2);
         filterEven(g);
         g->SetFilterActive(true);
       },
       "0 4", {1, 2, 3, 5}},
      {"a changed filter waits while on",
       [&](TExtStringGrid* g) {
         filterEven(g);
         g->SetFilterActive(true);
         AddConditions(g, {{"4", Op::foAND, "", "", true, 1}});
       },
       "0 2 4", {1, 3, 5}},
      {"applied again while on",
       [&](TExtStringGrid* g) {
         filterEven(g);
         g->SetFilterActive(true);
         AddConditions(g, {{"4", Op::foAND, "", "", true, 1}});
         g->ApplyFilter();
       },
       "0 4", {1, 2, 3, 5}},
      {"switched off and on again",
       [&](TExtStringGrid* g) {
         filterEven(g);
         g->SetFilterActive(true);
         AddConditions(g, {{"4", Op::foAND, "", "", true, 1}});
         g->SetFilterActive(false);
         g->SetFilterActive(true);
       },
       "0 4", {1, 2, 3, 5}},
      {"switched on twice",
       [&](TExtStringGrid* g) {
         filterEven(g);
         g->SetFilterActive(true);
         g->Filter()->Clear();
         AddConditions(g, {{"odd"}});
         g->SetFilterActive(true);
       },
       "0 2 4", {1, 3, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    MakeParityGrid();
    FGrid->SetFixedRows(1);
    FGrid->SetFixedFooters(0);
    FGrid->Filter()->Clear();
    FGrid->OnGetDisplText = nullptr;
    c.Run(FGrid);
    EXPECT_EQ(Shown(), c.Shown);
    EXPECT_EQ(Hidden(), c.Hidden);
    EXPECT_TRUE(FGrid->FilterActive());
    EXPECT_EQ(FGrid->UpdateCount(), 0);
    FGrid->SetFilterActive(false);
    EXPECT_EQ(Shown(), "0 1 2 3 4 5");
    EXPECT_TRUE(Hidden().empty());
  }
}

TEST_F(Filtering, SwitchingOffShowsEveryHiddenRowAndGivesBackTheFixedRows) {
  MakeParityGrid();
  FGrid->SetFixedRows(2);
  FGrid->HideRowRange(4, 4);
  AddConditions(FGrid, {{"none"}});
  FGrid->SetFilterActive(true);
  EXPECT_EQ(Shown(), "0 1");
  // The grid keeps a normal row below its fixed ones, so one fixed row is left.
  EXPECT_EQ(FGrid->FixedRows(), 1);
  FGrid->SetFilterActive(false);
  EXPECT_FALSE(FGrid->FilterActive());
  EXPECT_EQ(Shown(), "0 1 2 3 4 5");  // the row hidden before comes back too
  EXPECT_EQ(FGrid->FixedRows(), 2);
  EXPECT_EQ(FGrid->SavedFixedRows(), 2);
}

TEST_F(Filtering, AGridWithoutFixedRowsGetsExactlyItsRowsBack) {
  MakeParityGrid();
  FGrid->SetFixedRows(0);
  AddConditions(FGrid, {{"none"}});
  FGrid->SetFilterActive(true);
  EXPECT_EQ(Shown(), "_");  // the one row a grid keeps, standing in
  FGrid->SetFilterActive(false);
  EXPECT_EQ(Shown(), "0 1 2 3 4 5");
}

TEST_F(Filtering, SwitchingOffAfterTheRowsWentKeepsTheFixedRowsTheGridCanHold) {
  MakeParityGrid();
  FGrid->SetFixedRows(2);
  FGrid->SetFilterActive(true);
  FGrid->SetRowCount(2);
  ASSERT_EQ(FGrid->FixedRows(), 1);
  // Two fixed rows need three rows; the one that can be fixed is.
  FGrid->SetFilterActive(false);
  EXPECT_EQ(FGrid->RowCount(), 2);
  EXPECT_EQ(FGrid->FixedRows(), 1);
}

TEST_F(Filtering, ASelectionSavedWhileFilteredComesBackAndOneSavedBeforeIsForgotten) {
  MakeParityGrid();
  FGrid->SetSelection({2, 3, 2, 3});
  FGrid->SaveSelection();
  AddConditions(FGrid, {{"even"}});
  FGrid->SetFilterActive(true);
  EXPECT_FALSE(FGrid->SelectionSaved());
  FGrid->SetSelection({1, 2, 2, 2});
  FGrid->SaveSelection();
  FGrid->SetSelection({1, 1, 1, 1});
  FGrid->SetFilterActive(false);
  EXPECT_FALSE(FGrid->SelectionSaved());
  const plat::TGridRect restored = FGrid->Selection();
  EXPECT_EQ((std::vector<int>{restored.Left, restored.Top, restored.Right, restored.Bottom}),
            (std::vector<int>{1, 2, 2, 2}));

  // Nothing saved: the selection stays on its row (real row 2, shown second
  // while filtered), which the rows coming back move down.
  FGrid->SetFilterActive(true);
  FGrid->SetSelection({2, 1, 2, 1});
  FGrid->SetFilterActive(false);
  const plat::TGridRect kept = FGrid->Selection();
  EXPECT_EQ((std::vector<int>{kept.Left, kept.Top, kept.Right, kept.Bottom}), (std::vector<int>{2, 2, 2, 2}));
}

TEST_F(Filtering, ProgressCountsTheNormalRowsTestedThenReportsTheEndOnceMore) {
  struct Case {
    const char* Name;
    int Rows;
    int FixedFooters;
    std::vector<int> Reports;
  };
  const Case cases[] = {
      {"four normal rows", 5, 0, {25, 50, 75, 100, 100}},
      {"three normal rows", 5, 1, {33, 67, 100, 100}},
      {"one normal row", 2, 0, {100, 100}},
      {"no normal rows", 2, 1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    MakeGrid(c.Rows);
    FGrid->SetFixedFooters(c.FixedFooters);
    AddConditions(FGrid, {{"*"}});
    std::vector<int> reports;
    FGrid->OnFilterProgress = [&reports](plat::TObject*, std::int16_t Progress) { reports.push_back(Progress); };
    FGrid->ApplyFilter();
    EXPECT_EQ(reports, c.Reports);
    FGrid->Filter()->Clear();
  }
}

TEST_F(Filtering, TheFilterRunsWithRedrawHeldBackAndReleasesItWhenItFails) {
  MakeParityGrid();
  AddConditions(FGrid, {{"even"}});
  std::vector<int> counts;
  FGrid->OnFilterProgress = [&](plat::TObject*, std::int16_t Progress) {
    counts.push_back(FGrid->UpdateCount());
    if (Progress >= 60) throw std::runtime_error("stop");
  };
  EXPECT_THROW(FGrid->SetFilterActive(true), std::runtime_error);
  EXPECT_EQ(counts, (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(FGrid->UpdateCount(), 0);
  EXPECT_EQ(Shown(), "0 1 2 3 4 5");  // stopped before anything was hidden
  FGrid->OnFilterProgress = nullptr;
  FGrid->SetFilterActive(false);
  EXPECT_EQ(Shown(), "0 1 2 3 4 5");
  EXPECT_EQ(FGrid->FixedRows(), 1);
}

// A grid that records the footer recalculations it is asked for.
class TFooterLogGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::TExtStringGrid;
  void CalcFooter(int ACol) override { Footers.push_back(ACol); }
  std::vector<int> Footers;
};

TEST_F(Filtering, EverySwitchRecalculatesEveryFooterChangedOrNot) {
  auto* grid = new TFooterLogGrid(FForm);
  grid->SetParent(FForm);
  grid->SetColCount(3);
  grid->SetRowCount(4);
  for (int r = 0; r < 4; ++r) grid->SetCells(1, r, std::to_string(r));
  grid->HandleNeeded();
  AddConditions(grid, {{"2", Op::foSHORT, "", "", true, 1}});
  grid->SetFilterActive(false);
  EXPECT_EQ(grid->Footers, (std::vector<int>{-1}));
  grid->SetFilterActive(true);
  EXPECT_EQ(grid->RowCount(), 2);
  grid->SetFilterActive(true);
  EXPECT_EQ(grid->RowCount(), 2);
  EXPECT_EQ(grid->HiddenRowCount(), 2);
  grid->SetFilterActive(false);
  EXPECT_EQ(grid->RowCount(), 4);
  EXPECT_EQ(grid->Footers, (std::vector<int>{-1, -1, -1, -1}));
}

}  // namespace
}  // namespace zorbit
