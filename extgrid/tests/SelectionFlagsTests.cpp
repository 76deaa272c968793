// Row and column selection flags: their bounds, their repaints, how they
// follow rows through the row operations, and the operations on what they
// mark (removing rows, clearing cells).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extgrid/ExtGridError.h"
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/FlagList.h"
#include "extgrid/tests/GridRowsFixture.h"
#include "platform/win/Painting.h"

namespace zorbit {
namespace {

class SelectionFlags : public testing::GridRowsTest {
 protected:
  // Ten real rows tagged 0..9 below one fixed row, disjunct row selection.
  TExtStringGrid* MakeSelectableGrid(bool Persistent) {
    MakeGrid(10);
    FGrid->MouseActions()->SetDisjunctRowSelect(true);
    FGrid->MouseActions()->SetRowSelectPersistent(Persistent);
    return FGrid;
  }
  // The tags of the display rows whose flag is set, as the grid keeps it.
  std::string FlaggedTags() const {
    std::string tags;
    const bool persistent = FGrid->MouseActions()->RowSelectPersistent();
    for (int r = 0; r < FGrid->RowCount(); ++r)
      if (FGrid->IsRowSelected(persistent ? FGrid->DisplayToRealRow(r) : r))
        tags += (tags.empty() ? "" : " ") + FGrid->Cells(1, r);
    return tags;
  }
  bool RepaintPending() {
    plat::RECT r{};
    return plat::GetUpdateRect(FGrid->Handle(), &r, false);
  }
  void ForgetRepaints() { plat::ValidateRect(FGrid->Handle(), nullptr); }
};

TEST(FlagList, FlagsFollowInsertionsAndRemovals) {
  detail::TFlagList flags;
  EXPECT_FALSE(flags.Get(40));
  EXPECT_TRUE(flags.Set(3, true));
  EXPECT_FALSE(flags.Set(3, true));
  flags.Set(6, true);
  flags.Set(8, true);
  flags.Insert(2, 2);    // 5, 8, 10
  flags.Insert(50, 4);   // beyond the end: nothing
  flags.Remove(9, 1);    // 5, 8, 9
  flags.RemoveEach({0, 5, 7});  // 5, 6
  EXPECT_EQ(flags.SetIndexes(), (std::vector<int>{5, 6}));
  flags.Remove(5, 100);
  EXPECT_TRUE(flags.SetIndexes().empty());
}

TEST_F(SelectionFlags, IndexesAreCheckedAgainstTheRowsCountingHiddenOnes) {
  MakeSelectableGrid(true);
  EXPECT_THROW(FGrid->IsRowSelected(10), EExtGridError);
  EXPECT_THROW(FGrid->IsRowSelected(-1), EExtGridError);
  EXPECT_THROW(FGrid->SetRowSelected(10, true), EExtGridError);
  FGrid->HideRowRange(9, 9);
  FGrid->SetRowSelected(9, true);
  EXPECT_TRUE(FGrid->IsRowSelected(9));
  EXPECT_THROW(FGrid->IsColSelected(-1), EExtGridError);
  EXPECT_THROW(FGrid->SetColSelected(3, true), EExtGridError);
  try {
    FGrid->IsColSelected(3);
    FAIL();
  } catch (const EExtGridError& e) {
    EXPECT_EQ(std::string(e.Message()), "Invalid column accessed");
  }
  try {
    FGrid->IsRowSelected(20);
    FAIL();
  } catch (const EExtGridError& e) {
    EXPECT_EQ(std::string(e.Message()), "Invalid row accessed");
  }
}

TEST_F(SelectionFlags, OnlyAChangedFlagRepaints) {
  MakeSelectableGrid(false);
  FForm->Show();
  ForgetRepaints();
  FGrid->SetRowSelected(3, true);
  EXPECT_TRUE(RepaintPending());
  ForgetRepaints();
  FGrid->SetRowSelected(3, true);
  EXPECT_FALSE(RepaintPending());
  FGrid->SetColSelected(1, true);
  EXPECT_TRUE(RepaintPending());
  ForgetRepaints();
  FGrid->ClearColSelection();
  EXPECT_TRUE(RepaintPending());
  EXPECT_FALSE(FGrid->IsColSelected(1));
}

TEST_F(SelectionFlags, WithoutDisjunctSelectionTheSelectionsRowsCount) {
  MakeGrid(10);
  FGrid->SetSelection({1, 6, 2, 4});
  EXPECT_FALSE(FGrid->IsRowSelected(3));
  EXPECT_TRUE(FGrid->IsRowSelected(4));
  EXPECT_TRUE(FGrid->IsRowSelected(6));
  EXPECT_FALSE(FGrid->IsRowSelected(7));
}

TEST_F(SelectionFlags, RangeSelectionFlagsTheSelectionsRows) {
  MakeSelectableGrid(false);
  FGrid->SetRowSelected(8, true);
  FGrid->SetSelection({1, 3, 2, 4});
  FGrid->SelectRowsInRange(false);
  EXPECT_EQ(FlaggedTags(), "3 4 8");
  FGrid->SelectRowsInRange(true);
  EXPECT_EQ(FlaggedTags(), "3 4");
  FGrid->SetSelection({2, 1, 2, 1});
  FGrid->SelectColsInRange(false);
  EXPECT_TRUE(FGrid->IsColSelected(2));
  EXPECT_FALSE(FGrid->IsColSelected(1));
}

TEST_F(SelectionFlags, FlagsStayWithTheirRows) {
  struct Case {
    const char* Name;
    bool Persistent;
    Steps Run;
    const char* Shown;
    const char* Flagged;
  };
  // Rows 2, 5 and 7 flagged before the steps.
  const Case cases[] = {
      {"InsertRows", false, [](TExtStringGrid* g) { g->InsertRows(3, 2); }, "0 1 2 _ _ 3 4 5 6 7 8 9", "2 5 7"},
      {"DeleteRows", false, [](TExtStringGrid* g) { g->DeleteRows(1, 2); }, "0 3 4 5 6 7 8 9", "5 7"},
      {"RemoveRows", false, [](TExtStringGrid* g) { g->RemoveRows(4, 2); }, "0 1 2 3 6 7 8 9", "2 7"},
      {"persistent, around a hidden row", true,
       [](TExtStringGrid* g) {
         g->HideRowRange(4, 4);
         g->DeleteRows(2, 2);
         g->InsertRows(1, 1);
       },
       "0 _ 1 4 5 6 7 8 9", "5 7"},
      {"sorted rows swap their flags", false,
       [](TExtStringGrid* g) {
         g->Navigation()->SetMoveRowOnSort(true);
         g->ExchangeRows(2, 3);
       },
       "0 1 3 2 4 5 6 7 8 9", "2 5 7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    MakeSelectableGrid(c.Persistent);
    for (const int row : {2, 5, 7}) FGrid->SetRowSelected(row, true);
    c.Run(FGrid);
    FGrid->UnhideAllRows();
    EXPECT_EQ(Shown(), c.Shown);
    EXPECT_EQ(FlaggedTags(), c.Flagged);
    FGrid->ClearRowSelection();
    FGrid->SetRowCount(2);
  }
}

TEST_F(SelectionFlags, RemoveSelectedRowsRemovesExactlyTheMarkedNormalRows) {
  struct Case {
    const char* Name;
    bool Disjunct, Persistent;
    Steps Run;
    const char* Shown;
    std::vector<int> Hidden;
    const char* Flagged = "";
  };
  const auto flag = [](std::vector<int> Rows) {
    return [Rows](TExtStringGrid* g) {
      for (const int row : Rows) g->SetRowSelected(row, true);
    };
  };
  const Case cases[] = {
      {"flagged rows", true, false, flag({2, 3, 6}), "0 1 4 5 7 8 9", {}},
      // Used to remove every row from the first flagged one on.
      {"one flagged row, persistent", true, true, flag({2}), "0 1 3 4 5 6 7 8 9", {}},
      {"persistent around a hidden row", true, true,
       [&flag](TExtStringGrid* g) {
         g->HideRowRange(5, 5);
         flag({4, 6})(g);
       },
       "0 1 2 3 7 8 9", {4}},
      {"fixed and footer rows stay", true, false,
       [&flag](TExtStringGrid* g) {
         g->SetFixedFooters(1);
         flag({0, 1, 9})(g);
       },
       "0 2 3 4 5 6 7 8 9", {}, "0 9"},
      {"the selection's rows", false, false, [](TExtStringGrid* g) { g->SetSelection({1, 3, 2, 5}); },
       "0 1 2 6 7 8 9", {}},
      {"the selection's rows, persistent", false, true,
       [](TExtStringGrid* g) {
         g->HideRowRange(1, 1);
         g->SetSelection({1, 2, 2, 3});
       },
       "0 2 5 6 7 8 9", {1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    MakeSelectableGrid(c.Persistent);
    FGrid->MouseActions()->SetDisjunctRowSelect(c.Disjunct);
    c.Run(FGrid);
    FGrid->RemoveSelectedRows();
    EXPECT_EQ(Shown(), c.Shown);
    EXPECT_EQ(Hidden(), c.Hidden);
    EXPECT_EQ(FGrid->UpdateCount(), 0);
    FGrid->MouseActions()->SetDisjunctRowSelect(true);
    EXPECT_EQ(FlaggedTags(), c.Flagged);
    FGrid->ClearRowSelection();
    FGrid->UnhideAllRows();
    FGrid->SetFixedFooters(0);
    FGrid->SetRowCount(2);
  }
}

TEST_F(SelectionFlags, ClearSelectedCellsClearsWhatIsMarked) {
  struct Case {
    const char* Name;
    Steps Run;
    const char* Shown;
  };
  const Case cases[] = {
      {"flagged rows",
       [](TExtStringGrid* g) {
         g->MouseActions()->SetDisjunctRowSelect(true);
         g->SetRowSelected(2, true);
         g->SetRowSelected(4, true);
       },
       "0 1 _ 3 _ 5"},
      {"flagged rows, persistent past a hidden row",
       [](TExtStringGrid* g) {
         g->MouseActions()->SetDisjunctRowSelect(true);
         g->MouseActions()->SetRowSelectPersistent(true);
         g->HideRowRange(1, 1);
         g->SetRowSelected(1, true);
         g->SetRowSelected(3, true);
       },
       "0 2 _ 4 5"},
      {"flagged column",
       [](TExtStringGrid* g) {
         g->MouseActions()->SetDisjunctColSelect(true);
         g->SetColSelected(1, true);
       },
       "_ _ _ _ _ _"},
      {"the selection", [](TExtStringGrid* g) { g->SetSelection({1, 3, 2, 4}); }, "0 1 2 _ _ 5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    MakeGrid(6);
    c.Run(FGrid);
    FGrid->ClearSelectedCells();
    EXPECT_EQ(Shown(), c.Shown);
    FGrid->UnhideAllRows();
    FGrid->ClearRowSelection();
    FGrid->ClearColSelection();
    FGrid->MouseActions()->SetDisjunctRowSelect(false);
    FGrid->MouseActions()->SetDisjunctColSelect(false);
    FGrid->MouseActions()->SetRowSelectPersistent(false);
    FGrid->SetRowCount(2);
  }
}

TEST_F(SelectionFlags, OperationsReportTheCellsTheyChanged) {
  struct Case {
    const char* Name;
    Steps Run;
    std::vector<plat::TRect> Reported;
  };
  const Case cases[] = {
      {"RemoveRows", [](TExtStringGrid* g) { g->RemoveRows(2, 3); }, {{0, 2, 2, 5}}},
      {"DeleteRows", [](TExtStringGrid* g) { g->DeleteRows(1, 1); }, {{0, 1, 2, 2}}},
      {"RemoveRowsFreeing", [](TExtStringGrid* g) { g->RemoveRowsFreeing(3, 2); }, {{0, 3, 2, 5}}},
      {"InsertRows", [](TExtStringGrid* g) { g->InsertRows(1, 2); }, {{0, 1, 2, 3}}},
      {"ClearRect", [](TExtStringGrid* g) { g->ClearRect(-1, 1, 1, 2); }, {{0, 1, 1, 2}}},
      {"RemoveCols", [](TExtStringGrid* g) { g->RemoveCols(1, 1); }, {{1, 0, 2, 5}}},
      {"InsertCols", [](TExtStringGrid* g) { g->InsertCols(0, 2); }, {{0, 0, 2, 5}}},
      {"refused", [](TExtStringGrid* g) { g->RemoveRows(8, 1); g->ClearRect(2, 2, 1, 1); }, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    MakeGrid(6);
    std::vector<plat::TRect> reported;
    FGrid->OnCellsChanged = [&reported](plat::TObject*, const plat::TRect& r) { reported.push_back(r); };
    c.Run(FGrid);
    EXPECT_EQ(reported, c.Reported);
    FGrid->OnCellsChanged = nullptr;
    FGrid->SetColCount(3);
    FGrid->SetRowCount(2);
  }
}

}  // namespace
}  // namespace zorbit
