// Grouping the grid: captions as nodes over the runs of a column, summary
// rows, the column removed and given back, in-place levels and their
// removal, refused columns, the settings' colours and merges, and a picture
// of a grouped grid.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "extgrid/tests/SortGridFixture.h"
#include "platform/win/HeadlessDisplay.h"
#include "testing/ReferencePicture.h"

namespace zorbit::testing {
namespace {

class GroupingTest : public SortGridTest {
 protected:
  // Each normal row: "[span]" for a caption (its node span), "=" for a
  // summary row, else its texts joined by ",".
  std::string Layout() {
    std::string picture;
    for (int r = FGrid->FixedRows(); r < FGrid->RowCount() - FGrid->FixedFooters(); ++r) {
      if (!picture.empty()) picture += " ";
      if (FGrid->IsNodeRow(r)) {
        picture += FGrid->Cells(1, r) + "[" + std::to_string(FGrid->GetNodeSpan(r)) + "]";
        continue;
      }
      if (FGrid->IsSummaryRow(r)) {
        picture += "=";
        continue;
      }
      for (int c = 1; c < FGrid->ColCount(); ++c) picture += (c > 1 ? "," : "") + FGrid->Cells(c, r);
    }
    return picture;
  }
  void FillFruit() { Fill({"#|kind|name", "|a|x", "|b|y", "|a|z"}); }
};

TEST_F(GroupingTest, RunsGetCaptionsAndTheColumnComesBack) {
  FillFruit();
  FGrid->SetColWidths(1, 77);
  FGrid->GroupOnColumn(1);
  EXPECT_EQ(FGrid->GroupColumn(), 1);
  EXPECT_EQ(FGrid->ColCount(), 2);
  // The caption's node spans itself and its run's rows.
  EXPECT_EQ(Layout(), "a[3] x z b[2] y");
  EXPECT_EQ(FGrid->Row(), 1);
  FGrid->RemoveGrouping();
  EXPECT_EQ(FGrid->GroupColumn(), -1);
  EXPECT_EQ(FGrid->ColCount(), 3);
  EXPECT_EQ(Layout(), "a,x a,z b,y");
  EXPECT_EQ(FGrid->Cells(1, 0), "kind");
  EXPECT_EQ(FGrid->ColWidths(1), 77);
  EXPECT_EQ(FGrid->NodeCount(), 0);
}

// The grouped column's fixed and footer cells leave with the column and
// come back with it, not only the title in row 0.
TEST_F(GroupingTest, FixedAndFooterCellsOfTheColumnComeBack) {
  Fill({"#|kind|name", "#|unit|-", "|a|x", "|b|y", "|a|z", "|sum|3"});
  FGrid->SetFixedRows(2);
  FGrid->SetFixedFooters(1);
  FGrid->GroupOnColumn(1);
  EXPECT_EQ(Layout(), "a[3] x z b[2] y");
  FGrid->RemoveGrouping();
  EXPECT_EQ(Layout(), "a,x a,z b,y");
  EXPECT_EQ(FGrid->Cells(1, 0), "kind");
  EXPECT_EQ(FGrid->Cells(1, 1), "unit");
  EXPECT_EQ(FGrid->Cells(1, FGrid->RowCount() - 1), "sum");
  EXPECT_EQ(FGrid->Cells(2, FGrid->RowCount() - 1), "3");
}

TEST_F(GroupingTest, SummariesCloseEachRunInsideItsNode) {
  Fill({"#|name|kind|n", "|x|a|1", "|y|b|2", "|z|a|3"});
  FGrid->Grouping()->SetSummary(true);
  FGrid->GroupOnColumn(2);
  EXPECT_EQ(Layout(), "a[4] x,1 z,3 = b[3] y,2 =");
  EXPECT_TRUE(FGrid->IsSummaryRow(4));
  // Contracting a group hides its summary too.
  FGrid->ContractNode(1);
  EXPECT_EQ(FGrid->RowCount(), 5);
  FGrid->RemoveGrouping();
  EXPECT_EQ(Layout(), "x,a,1 z,a,3 y,b,2");
}

TEST_F(GroupingTest, RemovingGroupingTakesOnlyMarkedSummaryRows) {
  struct Case {
    const char* Name;
    bool SummaryWhenGrouping;
    bool SummaryWhenRemoving;
  };
  const Case cases[] = {
      {"summaries switched off before removing", true, false},
      {"summaries switched on before removing", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    FillFruit();
    FGrid->Grouping()->SetSummary(c.SummaryWhenGrouping);
    FGrid->GroupOnColumn(1);
    FGrid->Grouping()->SetSummary(c.SummaryWhenRemoving);
    FGrid->RemoveGrouping();
    EXPECT_EQ(Layout(), "a,x a,z b,y");
  }
}

TEST_F(GroupingTest, RefusedColumnsChangeNothing) {
  struct Case {
    const char* Name;
    std::function<void(TExtStringGrid*)> Group;
  };
  const Case cases[] = {
      {"column 0", [](TExtStringGrid* G) { G->GroupOnColumn(0); }},
      {"below the fixed columns",
       [](TExtStringGrid* G) {
         G->SetFixedCols(2);
         G->GroupOnColumn(1);
         G->SetFixedCols(1);
       }},
      {"past the columns", [](TExtStringGrid* G) { G->GroupOnColumn(3); }},
      {"negative", [](TExtStringGrid* G) { G->GroupOnColumn(-1); }},
      {"removing without grouping", [](TExtStringGrid* G) { G->RemoveGrouping(); }},
      {"in place on column 0", [](TExtStringGrid* G) { G->GroupOnColumnInPlace(0); }},
      {"in place without a caption column", [](TExtStringGrid* G) { G->GroupOnColumnInPlace(2); }},
      {"removing a level that is not there", [](TExtStringGrid* G) { G->RemoveGroupLevel(1); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    FillFruit();
    c.Group(FGrid);
    EXPECT_EQ(Layout(), "a,x b,y a,z");
    EXPECT_EQ(FGrid->GroupColumn(), -1);
    EXPECT_EQ(FGrid->ColCount(), 3);
  }
  // Two columns leave no room for captions once the column goes.
  Fill({"#|kind", "|a", "|b"});
  FGrid->GroupOnColumn(1);
  EXPECT_EQ(Layout(), "a b");
}

TEST_F(GroupingTest, InPlaceLevelsRoundTrip) {
  struct Case {
    const char* Name;
    bool Summary;
    bool Outer;
    const char* Grouped;
  };
  const Case cases[] = {
      {"one level", false, false, "[2] ,x [2] ,y [2] ,z"},
      {"one level with a summary", true, false, "[2] ,x [2] ,y [3] ,z ="},
      {"inside grouped captions", false, true, "k[5] [2] ,x [2] ,y q[3] [2] ,z"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Fill({"#|outer|kind|name", "|k|a|x", "|k|b|y", "|q|a|z"});
    FGrid->SortSettings()->SetAutoSortForGrouping(false);
    FGrid->Grouping()->SetSummary(false);
    if (c.Outer) FGrid->GroupOnColumn(1);
    const std::string before = Layout();
    const int kind = 1;
    if (!c.Outer) FGrid->RemoveCols(1, 1);
    FGrid->Grouping()->SetSummary(c.Summary);
    FGrid->GroupOnColumnInPlace(kind);
    std::string grouped;
    for (int r = 1; r < FGrid->RowCount(); ++r) {
      if (!grouped.empty()) grouped += " ";
      if (FGrid->IsNodeRow(r)) {
        grouped += (FGrid->GetNodeLevel(r) == 1 && c.Outer ? FGrid->Cells(1, r) : std::string()) + "[" +
                   std::to_string(FGrid->GetNodeSpan(r)) + "]";
      } else if (FGrid->IsSummaryRow(r)) {
        grouped += "=";
      } else {
        grouped += FGrid->Cells(kind, r) + "," + FGrid->Cells(kind + 1, r);
      }
    }
    EXPECT_EQ(grouped, c.Grouped);
    FGrid->RemoveGroupLevel(kind);
    if (c.Outer) {
      EXPECT_EQ(Layout(), before);
      FGrid->RemoveGrouping();
      EXPECT_EQ(Layout(), "k,a,x k,b,y q,a,z");
    } else {
      EXPECT_EQ(Layout(), "a,x b,y a,z");
    }
    FGrid->RemoveAllNodes();
  }
}

TEST_F(GroupingTest, CaptionsAndSummariesTakeTheSettingsLooks) {
  FillFruit();
  TGrouping* g = FGrid->Grouping();
  g->SetSummary(true);
  g->SetMergeHeader(true);
  g->SetHeaderColor(0x00FF00);
  g->SetSummaryColor(0x0000FF);
  g->SetSummaryTextColor(0xFF0000);
  FGrid->GroupOnColumn(1);
  // A merged caption spans from column 1 to the last and takes the colour.
  EXPECT_EQ(FGrid->GetCellSpan(1, 1).X, FGrid->ColCount() - 2);
  EXPECT_EQ(FGrid->GetCellBrushColor(1, 1), 0x00FF00);
  // An unmerged summary row is coloured across.
  EXPECT_FALSE(FGrid->IsMergedCell(1, 4));
  EXPECT_EQ(FGrid->GetCellBrushColor(1, 4), 0x0000FF);
  EXPECT_EQ(FGrid->GetCellBrushColor(1, 2), plat::clNone);
}

TEST_F(GroupingTest, AssignCopiesTheLooksButNotTheSummarySwitchOrLines) {
  TGrouping source, target;
  source.SetHeaderColor(1);
  source.SetMergeSummary(true);
  source.SetSummary(true);
  source.SetSummaryLine(true);
  source.SetSummaryLineWidth(9);
  source.SetHeaderLineColor(5);
  target.Assign(&source);
  EXPECT_EQ(target.HeaderColor(), 1);
  EXPECT_TRUE(target.MergeSummary());
  EXPECT_TRUE(target.SummaryLine());
  EXPECT_FALSE(target.Summary());
  EXPECT_EQ(target.SummaryLineWidth(), 2);
  EXPECT_EQ(target.HeaderLineColor(), 0xFF0000);
}

TEST_F(GroupingTest, PictureOfAGroupedGrid) {
  Fill({"#|Kind|Name|Qty", "|Fruit|Apple|3", "|Tool|Saw|1", "|Fruit|Pear|5", "|Tool|Drill|2", "|Fruit|Fig|7"});
  FGrid->SetBounds(0, 0, 400, 300);
  TGrouping* g = FGrid->Grouping();
  g->SetSummary(true);
  g->SetMergeHeader(true);
  g->SetHeaderColor(0xF0D0B0);
  g->SetHeaderUnderline(true);
  g->SetSummaryColor(0xE0E0E0);
  g->SetSummaryLine(true);
  FGrid->GroupOnColumn(1);
  for (int r = 1; r < FGrid->RowCount(); ++r)
    if (FGrid->IsSummaryRow(r)) FGrid->SetCells(2, r, "total");
  FForm->Show();
  Pump();
  KeepForInspection(*plat::WindowPicture(FForm->Handle()), "extgrid/grouped.png");
  EXPECT_EQ(Layout(), "Fruit[5] Apple,3 Fig,7 Pear,5 = Tool[4] Drill,2 Saw,1 =");
}

}  // namespace
}  // namespace zorbit::testing
