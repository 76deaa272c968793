// Nodes: adding and removing them, their levels and spans, contracting and
// expanding (nested ones too), the parent of a row, child rows, the tree
// line kinds, and the row operations that keep the node count.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/tests/GridRowsFixture.h"
#include "grid/TCellProperties.h"

namespace zorbit {
namespace {

class Nodes : public testing::GridRowsTest {
 protected:
  // The node levels of rows 0..RowCount-1.
  std::vector<int> Levels() {
    std::vector<int> levels;
    for (int r = 0; r < FGrid->RowCount(); ++r)
      levels.push_back(FGrid->HasCellProperties(0, r) ? FGrid->GetCellProperties(0, r)->NodeLevel() : 0);
    return levels;
  }
  // Twelve rows; a node at 1 spanning 1..8 holds a node at 3 spanning 3..5.
  void MakeTree() {
    MakeGrid(12);
    FGrid->AddNode(1, 8);
    FGrid->AddNode(3, 3);
  }
};

TEST_F(Nodes, AddingANodeRaisesItsSpansLevelsAndMovesOffColumnZero) {
  MakeGrid(8);
  EXPECT_EQ(FGrid->GetParentNode(3), -1);  // no nodes yet
  FGrid->SetFixedCols(0);
  FGrid->SetCol(0);
  FGrid->AddNode(2, 3);
  EXPECT_EQ(FGrid->Col(), 1);
  EXPECT_EQ(FGrid->NodeCount(), 1);
  EXPECT_TRUE(FGrid->IsNodeRow(2));
  EXPECT_TRUE(FGrid->IsNode(2));
  EXPECT_FALSE(FGrid->IsNodeRow(3));
  EXPECT_FALSE(FGrid->IsNodeRow(-1));
  EXPECT_EQ(FGrid->GetNodeSpan(2), 3);
  EXPECT_EQ(FGrid->GetNodeSpan(3), -1);
  EXPECT_EQ(FGrid->GetNodeLevel(2), 1);
  EXPECT_EQ(FGrid->GetNodeLevel(3), -1);
  EXPECT_EQ(Levels(), (std::vector<int>{0, 0, 1, 1, 1, 0, 0, 0}));
  const TCellGraphic* node = FGrid->FindCellGraphic(0, 2);
  EXPECT_EQ(node->CellHAlign(), TCellHAlign::haBeforeText);
  EXPECT_EQ(node->CellVAlign(), TCellVAlign::vaCenter);
  EXPECT_EQ(node->NodeValue(), -1);
  EXPECT_FALSE(FGrid->IsNodeContracted(2));
  // A span past the rows is held to them.
  FGrid->AddNode(6, 40);
  EXPECT_EQ(FGrid->GetNodeSpan(6), 2);
  FGrid->AdjustNodeSpan(6, -1);
  EXPECT_EQ(FGrid->GetNodeSpan(6), 1);
  FGrid->MarkSummaryRow(5);
  EXPECT_TRUE(FGrid->IsSummaryRow(5));
  EXPECT_TRUE(FGrid->IsSummary(5));
}

TEST_F(Nodes, ContractingAndExpandingRestoresTextsAndHeights) {
  MakeTree();
  FGrid->SetRowHeights(4, 37);
  FGrid->SetCells(2, 4, "four");
  FGrid->ContractNode(3);
  EXPECT_TRUE(FGrid->IsNodeContracted(3));
  EXPECT_EQ(Shown(), "0 1 2 3 6 7 8 9 10 11");
  EXPECT_EQ(Hidden(), (std::vector<int>{4, 5}));
  FGrid->ContractNode(3);  // already contracted: nothing
  EXPECT_EQ(Hidden(), (std::vector<int>{4, 5}));
  FGrid->ExpandNode(3);
  EXPECT_FALSE(FGrid->IsNodeContracted(3));
  EXPECT_EQ(Shown(), "0 1 2 3 4 5 6 7 8 9 10 11");
  EXPECT_EQ(FGrid->RowHeights(4), 37);
  EXPECT_EQ(FGrid->Cells(2, 4), "four");
  EXPECT_EQ(Levels(), (std::vector<int>{0, 1, 1, 2, 2, 2, 1, 1, 1, 0, 0, 0}));
}

TEST_F(Nodes, AnInnerNodeShowsExpandedAfterItsOuterNodeContracts) {
  MakeTree();
  FGrid->SetRowHeights(5, 33);  // inside the inner node
  FGrid->SetRowHeights(7, 44);  // inside the outer one only
  FGrid->ContractNode(3);
  FGrid->ContractNode(1);
  EXPECT_EQ(Shown(), "0 1 9 10 11");
  EXPECT_EQ(Hidden(), (std::vector<int>{2, 3, 4, 5, 6, 7, 8}));
  FGrid->ExpandNode(1);
  EXPECT_EQ(Shown(), "0 1 2 3 4 5 6 7 8 9 10 11");
  EXPECT_EQ(FGrid->RowHeights(5), 33);
  EXPECT_EQ(FGrid->RowHeights(7), 44);
  EXPECT_FALSE(FGrid->IsNodeContracted(3));
  EXPECT_EQ(Levels(), (std::vector<int>{0, 1, 1, 2, 2, 2, 1, 1, 1, 0, 0, 0}));
}

TEST_F(Nodes, RemovingAContractedNodeShowsItsRows) {
  MakeTree();
  FGrid->ContractNode(3);
  EXPECT_TRUE(FGrid->RemoveNode(3));
  EXPECT_EQ(Shown(), "0 1 2 3 4 5 6 7 8 9 10 11");
  EXPECT_FALSE(FGrid->IsNodeRow(3));
  EXPECT_EQ(FGrid->NodeCount(), 1);
  EXPECT_EQ(Levels(), (std::vector<int>{0, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0}));
  EXPECT_FALSE(FGrid->RemoveNode(3));
}

TEST_F(Nodes, RemovingAllNodesShowsEveryRowAndClearsTheLevels) {
  MakeTree();
  FGrid->AddNode(10, 2);
  FGrid->ContractNode(10);
  FGrid->ContractNode(1);
  FGrid->RemoveAllNodes();
  EXPECT_EQ(Shown(), "0 1 2 3 4 5 6 7 8 9 10 11");
  EXPECT_EQ(FGrid->NodeCount(), 0);
  EXPECT_EQ(Levels(), std::vector<int>(12, 0));
  for (int r = 0; r < 12; ++r) EXPECT_FALSE(FGrid->IsNodeRow(r));
}

TEST_F(Nodes, AllNodesContractAndExpandTogether) {
  MakeTree();
  FGrid->AddNode(9, 0);  // span 0: to the next node row or the end
  FGrid->ContractAllNodes();
  // The outer node's span holds the inner one, which stays expanded.
  EXPECT_EQ(Shown(), "0 1 9");
  EXPECT_TRUE(FGrid->IsNodeContracted(1));
  EXPECT_TRUE(FGrid->IsNodeContracted(2));  // the span-0 node, now row 2
  FGrid->ExpandAllNodes();
  EXPECT_EQ(Shown(), "0 1 2 3 4 5 6 7 8 9 10 11");
  EXPECT_FALSE(FGrid->IsNodeContracted(1));
  EXPECT_FALSE(FGrid->IsNodeContracted(3));
  EXPECT_FALSE(FGrid->IsNodeContracted(9));
}

TEST_F(Nodes, ExpandOneContractsTheOtherNodes) {
  MakeGrid(10);
  FGrid->AddNode(1, 3);
  FGrid->AddNode(5, 3);
  FGrid->ContractAllNodes();
  FGrid->CellNode()->SetExpandOne(true);
  FGrid->ExpandNode(1);
  EXPECT_EQ(Shown(), "0 1 2 3 4 5 8 9");
  FGrid->ExpandNode(5);
  EXPECT_EQ(Shown(), "0 1 4 5 6 7 8 9");
}

TEST_F(Nodes, TheParentIsTheNearestShallowerNodeWhoseSpanReachesTheRow) {
  MakeTree();
  struct Case {
    int Row, Parent;
  };
  for (const Case& c : {Case{0, -1}, {1, 1}, {2, 1}, {3, 1}, {4, 3}, {5, 3}, {6, 1}, {8, 1}, {9, -1}, {11, -1}}) {
    SCOPED_TRACE(c.Row);
    EXPECT_EQ(FGrid->GetParentNode(c.Row), c.Parent);
  }
}

TEST_F(Nodes, AChildRowGrowsEveryEnclosingNode) {
  MakeTree();
  FGrid->ContractNode(3);
  FGrid->InsertNodeChildRow(3, 1);
  EXPECT_EQ(Shown(), "0 1 2 3 _ 4 5 6 7 8 9 10 11");
  EXPECT_EQ(FGrid->GetNodeSpan(3), 4);
  EXPECT_EQ(FGrid->GetNodeSpan(1), 9);
  EXPECT_EQ(FGrid->GetCellProperties(0, 4)->NodeLevel(), 2);
  FGrid->RemoveNodeChildRow(4);
  EXPECT_EQ(Shown(), "0 1 2 3 4 5 6 7 8 9 10 11");
  EXPECT_EQ(FGrid->GetNodeSpan(3), 3);
  EXPECT_EQ(FGrid->GetNodeSpan(1), 8);
}

TEST_F(Nodes, ChildRowsMoveTheHiddenRowsBehindThem) {
  MakeGrid(12);
  FGrid->AddNode(1, 3);
  FGrid->AddNode(6, 3);
  FGrid->ContractNode(6);
  EXPECT_EQ(Hidden(), (std::vector<int>{7, 8}));
  FGrid->InsertNodeChildRow(1, 1);
  EXPECT_EQ(Hidden(), (std::vector<int>{8, 9}));
  FGrid->ExpandNode(7);
  EXPECT_EQ(Shown(), "0 1 _ 2 3 4 5 6 7 8 9 10 11");
}

TEST_F(Nodes, TreeLineKinds) {
  MakeTree();
  FGrid->SetRowCount(12);
  struct Case {
    int Row, Kind;
  };
  // A node row 0; a row whose next row is at least as deep 2; else 1.
  for (const Case& c : {Case{1, 0}, {2, 2}, {3, 0}, {5, 1}, {8, 1}, {9, 1}, {11, 1}}) {
    SCOPED_TRACE(c.Row);
    EXPECT_EQ(FGrid->GetNodeLineKind(c.Row), c.Kind);
  }
}

TEST_F(Nodes, TheButtonHitLiesInTheRowsLastIndent) {
  MakeTree();
  const int indent = FGrid->CellNode()->NodeIndent();
  EXPECT_FALSE(FGrid->NodeButtonHit(3, indent));
  EXPECT_TRUE(FGrid->NodeButtonHit(3, indent + 1));
  EXPECT_TRUE(FGrid->NodeButtonHit(3, 2 * indent - 1));
  EXPECT_FALSE(FGrid->NodeButtonHit(3, 2 * indent));
  EXPECT_TRUE(FGrid->NodeButtonHit(1, 1));
}

TEST_F(Nodes, RowOperationsKeepTheNodeCount) {
  MakeTree();
  FGrid->DeleteRows(3, 1);
  EXPECT_EQ(FGrid->NodeCount(), 1);
  FGrid->SetFixedCols(0);
  FGrid->SetCol(0);
  FGrid->RemoveRowsKeepingHeights(5, 1, true);
  EXPECT_EQ(FGrid->Col(), 1);
  FGrid->ClearRows(1, 1);
  EXPECT_EQ(FGrid->NodeCount(), 0);
  // Clearing everything takes the nodes first, showing their rows.
  FGrid->AddNode(2, 3);
  FGrid->ContractNode(2);
  FGrid->ClearAll();
  EXPECT_EQ(FGrid->NodeCount(), 0);
  EXPECT_EQ(FGrid->HiddenRowCount(), 0);
}

TEST_F(Nodes, ClearingTheDataCellsTakesTheNodesOnlyWithoutFixedColumns) {
  MakeGrid(6);
  FGrid->AddNode(1, 2);
  FGrid->ClearDataCells();
  EXPECT_TRUE(FGrid->IsNodeRow(1));  // column 0 is fixed: the node stays
  FGrid->SetFixedCols(0);
  FGrid->ClearDataCells();
  EXPECT_FALSE(FGrid->IsNodeRow(1));
  EXPECT_EQ(FGrid->NodeCount(), 0);
}

}  // namespace
}  // namespace zorbit
