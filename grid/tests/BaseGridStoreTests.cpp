// The grid base's cell store: texts at any index, properties made on first
// use and owned by the grid (freed also beyond the counts), the display
// hooks below DisplayRowLimit, the clearing operations, cell graphics, and
// merged ranges with their base cells, spans and geometry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/TBaseGrid.h"
#include "grid/TCellGraphic.h"
#include "grid/TCellProperties.h"
#include "grid/TExtGridUndoRedo.h"
#include "platform/rtl/Exception.h"
#include "platform/ui/tests/StdControlsFixture.h"

namespace zorbit {
namespace {

using plat::TPoint;
using plat::TRect;

// Counts its own destruction, to see what the grid frees.
class TCounted : public plat::TObject {
 public:
  explicit TCounted(int& Count) : FCount(Count) {}
  ~TCounted() override { ++FCount; }

 private:
  int& FCount;
};

// Records the hidden-last-row hook.
class THookGrid : public TBaseGrid {
 public:
  using TBaseGrid::TBaseGrid;
  int HiddenLastRowCalls = 0;

 protected:
  void HiddenLastRowChanged() override { ++HiddenLastRowCalls; }
};

class BaseGridStore : public plat::testing::StdControlsTest {
 protected:
  void SetUp() override {
    StdControlsTest::SetUp();
    FGrid = Make<THookGrid>({10, 10, 300, 200});
    FGrid->SetColCount(6);
    FGrid->SetRowCount(6);
    for (int c = 0; c < 6; ++c)
      for (int r = 0; r < 6; ++r) FGrid->SetRawCellText(c, r, std::to_string(c) + "," + std::to_string(r));
  }
  // The texts of the cells (1..3, 1..2) as shown, row by row.
  std::string RangeTexts() {
    std::string out;
    for (int r = 1; r <= 2; ++r)
      for (int c = 1; c <= 3; ++c) out += FGrid->GetCellText(c, r) + " ";
    return out;
  }
  THookGrid* FGrid = nullptr;
};

TEST_F(BaseGridStore, CreationSettings) {
  EXPECT_FALSE(FGrid->DefaultDrawing());
  EXPECT_FALSE(FGrid->plat::TCustomGrid::DefaultDrawing());
  EXPECT_EQ(FGrid->GridLineWidth(), 1);
  EXPECT_EQ(FGrid->plat::TCustomGrid::GridLineWidth(), 0);  // no gaps between cells
  EXPECT_EQ(FGrid->GridLineColor(), 0xC0C0C0);
  EXPECT_EQ(FGrid->PaintPass() >= 1, true);
  EXPECT_TRUE(FGrid->Options().Contains(plat::TGridOption::goDrawFocusSelected));
  EXPECT_FALSE(FGrid->HideLastRow());
  EXPECT_EQ(FGrid->DisplayRowLimit(), 0);
  EXPECT_EQ(FGrid->UndoRedo(), nullptr);
  EXPECT_TRUE(FGrid->WordWrap());
  EXPECT_FALSE(FGrid->ActiveRowShow());
  EXPECT_EQ(FGrid->ActiveRowColor(), plat::clInfoBk);
  FGrid->SetGridLineWidth(3);
  EXPECT_EQ(FGrid->GridLineWidth(), 3);
  EXPECT_EQ(FGrid->plat::TCustomGrid::GridLineWidth(), 0);
}

TEST_F(BaseGridStore, CellsBeyondTheCountsAreKeptAndNegativeIndexesAreListErrors) {
  EXPECT_EQ(FGrid->GetCellText(3, 40), "");
  FGrid->SetCellText(3, 40, "far");
  EXPECT_EQ(FGrid->GetCellText(3, 40), "far");
  FGrid->SetRowCount(41);
  EXPECT_EQ(FGrid->Cells(3, 40), "far");
  try {
    FGrid->GetCellText(0, -1);
    FAIL() << "no error";
  } catch (const plat::EListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (-1)");
  }
  EXPECT_THROW(FGrid->SetCellText(-2, 0, "x"), plat::EListError);
  EXPECT_THROW(FGrid->GetCellProperties(0, -3), plat::EListError);
  EXPECT_EQ(FGrid->GetCellText(0, 0), "0,0");
}

TEST_F(BaseGridStore, PropertiesAreMadeOnFirstUseOnly) {
  EXPECT_FALSE(FGrid->HasCellProperties(2, 2));
  // Reading makes none.
  FGrid->GetCellText(2, 2);
  FGrid->GetCellRect(2, 2);
  EXPECT_FALSE(FGrid->IsMergedCell(2, 2));
  EXPECT_EQ(FGrid->GetCellGraphic(2, 2), nullptr);
  EXPECT_EQ(FGrid->GetCellSpan(2, 2), TPoint(0, 0));
  EXPECT_FALSE(FGrid->HasCellProperties(2, 2));
  FGrid->SetWordWrap(false);
  TCellProperties* p = FGrid->GetCellProperties(2, 2);
  EXPECT_EQ(FGrid->GetCellProperties(2, 2), p);
  EXPECT_EQ(FGrid->GetGridObject(2, 2), p);
  EXPECT_EQ(p->OwnerGrid(), FGrid);
  EXPECT_EQ(p->OwnerCol(), 2);
  EXPECT_EQ(p->OwnerRow(), 2);
  EXPECT_FALSE(p->WordWrap());  // the grid's value
  EXPECT_TRUE(p->IsBaseCell());
  EXPECT_EQ(p->CellSpanX(), -1);
  EXPECT_EQ(p->CellSpanY(), -1);
  EXPECT_EQ(p->BrushColor(), plat::clNone);
  EXPECT_EQ(p->BrushColorTo(), plat::clNone);
  EXPECT_EQ(p->FontColor(), plat::clNone);
  EXPECT_EQ(p->Editor(), TEditorType::edNormal);
  EXPECT_EQ(p->VAlignment(), TVAlignment::vtaTop);
  EXPECT_EQ(p->PaintStamp(), 0);
}

TEST_F(BaseGridStore, TheGridFreesItsObjectsAndReplacingWithTheSameObjectKeepsIt) {
  int freed = 0;
  auto* a = new TCounted(freed);
  FGrid->SetGridObject(1, 1, a);
  FGrid->ReplaceCellObject(1, 1, a);  // the slot keeps a live object
  EXPECT_EQ(freed, 0);
  EXPECT_EQ(FGrid->GetGridObject(1, 1), a);
  FGrid->ReplaceCellObject(1, 1, new TCounted(freed));
  EXPECT_EQ(freed, 1);
  FGrid->FreeCellProperties(1, 1);
  EXPECT_EQ(freed, 2);
  EXPECT_FALSE(FGrid->HasCellProperties(1, 1));
  for (int c = 0; c < 3; ++c)
    for (int r = 0; r < 2; ++r) FGrid->SetGridObject(c, r, new TCounted(freed));
  FGrid->FreeCellPropertiesRange(0, 0, 1, 1);
  EXPECT_EQ(freed, 6);
  FGrid->FreeCellPropertiesRange(2, 1, 1, 1);  // empty: nothing
  EXPECT_EQ(freed, 6);
  EXPECT_TRUE(FGrid->HasCellProperties(2, 0));
}

TEST_F(BaseGridStore, DestructionFreesEveryObjectAlsoOutsideTheCounts) {
  int freed = 0;
  FGrid->SetGridObject(1, 1, new TCounted(freed));
  FGrid->SetGridObject(50, 3, new TCounted(freed));     // beyond ColCount
  FGrid->SetGridObject(2, 90000, new TCounted(freed));  // beyond RowCount
  FGrid->GetCellProperties(70, 70);                     // properties, too
  FGrid->MergeCellRange(4, 4, 4, 4);                    // a range past the grid
  delete FGrid;
  EXPECT_EQ(freed, 3);  // and the sanitizers see no leak of the properties
}

TEST_F(BaseGridStore, MergedRangeMembersReportTheirBaseAndSpan) {
  FGrid->MergeCellRange(1, 1, 3, 2);
  TCellProperties* base = FGrid->GetCellProperties(1, 1);
  TCellProperties* last = FGrid->GetCellProperties(3, 2);
  EXPECT_TRUE(base->IsBaseCell());
  EXPECT_EQ(TPoint(base->CellSpanX(), base->CellSpanY()), TPoint(2, 1));
  EXPECT_FALSE(last->IsBaseCell());
  EXPECT_EQ(TPoint(last->CellSpanX(), last->CellSpanY()), TPoint(2, 1));
  for (int c = 1; c <= 3; ++c) {
    for (int r = 1; r <= 2; ++r) {
      SCOPED_TRACE(std::to_string(c) + "," + std::to_string(r));
      EXPECT_EQ(FGrid->GetBaseCell(c, r), TPoint(1, 1));
      EXPECT_EQ(FGrid->GetCellSpan(c, r), TPoint(2, 1));
      EXPECT_TRUE(FGrid->IsMergedCell(c, r));
      EXPECT_TRUE(FGrid->IsHorzMergedCell(c, r));
      EXPECT_TRUE(FGrid->IsVertMergedCell(c, r));
      EXPECT_EQ(FGrid->IsBaseCellAt(c, r), c == 1 && r == 1);
      int bc = -1, br = -1;
      EXPECT_EQ(FGrid->ResolveBaseCell(c, r, bc, br), c == 1 && r == 1);
      EXPECT_EQ(TPoint(bc, br), TPoint(1, 1));
    }
  }
  // The range shows its base cell's text; a member's text goes there.
  EXPECT_EQ(RangeTexts(), "1,1 1,1 1,1 1,1 1,1 1,1 ");
  FGrid->SetCellText(3, 2, "T");
  EXPECT_EQ(FGrid->GetRawCellText(1, 1), "T");
  EXPECT_EQ(RangeTexts(), "T T T T T T ");
  EXPECT_EQ(FGrid->GetRawCellText(3, 2), "3,2");  // kept, unseen
  // Splitting from any member resets all six; the members show their own texts again.
  FGrid->SplitMergedCell(2, 2);
  for (int c = 1; c <= 3; ++c) {
    for (int r = 1; r <= 2; ++r) {
      TCellProperties* p = FGrid->GetCellProperties(c, r);
      EXPECT_TRUE(p->IsBaseCell());
      EXPECT_EQ(TPoint(p->CellSpanX(), p->CellSpanY()), TPoint(-1, -1));
      EXPECT_FALSE(FGrid->IsMergedCell(c, r));
    }
  }
  EXPECT_EQ(RangeTexts(), "T 2,1 3,1 1,2 2,2 3,2 ");
  // A cell in no range: splitting changes nothing.
  FGrid->SplitMergedCell(5, 5);
  EXPECT_EQ(FGrid->GetCellSpan(5, 5), TPoint(0, 0));
}

TEST_F(BaseGridStore, AOneByOneMergeIsNoMergeAndCountsBelowOneChangeNothing) {
  FGrid->MergeCellRange(2, 3, 1, 1);
  TCellProperties* p = FGrid->GetCellProperties(2, 3);
  EXPECT_TRUE(p->IsBaseCell());
  EXPECT_EQ(TPoint(p->CellSpanX(), p->CellSpanY()), TPoint(0, 0));
  EXPECT_FALSE(FGrid->IsMergedCell(2, 3));
  EXPECT_EQ(FGrid->GetCellSpan(2, 3), TPoint(0, 0));
  FGrid->MergeCellRange(4, 4, 0, 3);
  FGrid->MergeCellRange(4, 4, 2, -1);
  EXPECT_FALSE(FGrid->HasCellProperties(4, 4));
}

TEST_F(BaseGridStore, RowsShareMergesWhenEveryVerticalRangeAgrees) {
  EXPECT_FALSE(FGrid->RowsShareMerges(1, 2));  // no vertical range at all
  FGrid->MergeCellRange(1, 1, 1, 3);
  EXPECT_TRUE(FGrid->RowsShareMerges(1, 3));
  EXPECT_FALSE(FGrid->RowsShareMerges(3, 4));  // row 4 lies in no range
  // Two ranges stacked in one column: rows 1 and 2 lie in different ones.
  FGrid->MergeCellRange(4, 0, 1, 2);
  FGrid->MergeCellRange(4, 2, 1, 2);
  EXPECT_FALSE(FGrid->RowsShareMerges(1, 2));
  EXPECT_TRUE(FGrid->RowsShareMerges(2, 3));
}

TEST_F(BaseGridStore, ClearingACellEmptiesItsBaseAndClearingAColumnItsOwnTexts) {
  int freed = 0;
  FGrid->MergeCellRange(1, 1, 3, 2);
  TCellProperties* member = FGrid->GetCellProperties(2, 2);
  FGrid->ClearCell(2, 2);
  EXPECT_EQ(FGrid->GetRawCellText(1, 1), "");     // the base's text
  EXPECT_EQ(FGrid->GetRawCellText(2, 2), "2,2");  // its own stays
  EXPECT_FALSE(FGrid->HasCellProperties(2, 2));   // the slot only: not freed
  delete member;
  FGrid->SetRawCellText(1, 1, "base");
  auto* counted = new TCounted(freed);
  FGrid->SetGridObject(3, 5, counted);
  // The range's column 3: the caller takes its objects before clearing.
  TCellProperties* kept = FGrid->GetCellProperties(3, 1);
  TCellProperties* kept2 = FGrid->GetCellProperties(3, 2);
  FGrid->ClearColCells(3);
  EXPECT_EQ(FGrid->GetRawCellText(1, 1), "base");
  for (int r = 0; r < 6; ++r) EXPECT_EQ(FGrid->GetRawCellText(3, r), "") << r;
  EXPECT_EQ(FGrid->GetGridObject(3, 5), nullptr);
  EXPECT_EQ(freed, 0);
  delete kept;
  delete kept2;
  FGrid->ClearRowCells(4);
  for (int c = 0; c < 6; ++c) EXPECT_EQ(FGrid->GetRawCellText(c, 4), "") << c;
  delete counted;  // handed back: the caller frees it
}

TEST_F(BaseGridStore, DisplayHooksRunBelowTheLimitAndAWideHandlerGivesTheEncodedForm) {
  FGrid->SetRawCellText(1, 2, "ab");
  std::vector<std::string> seen;
  FGrid->OnGetDisplText = [&](plat::TObject*, int ACol, int ARow, plat::String& Value) {
    seen.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + ":" + Value);
  };
  EXPECT_EQ(FGrid->GetCellText(1, 2), "ab");
  EXPECT_TRUE(seen.empty());  // limit 0: no hook
  FGrid->SetDisplayRowLimit(3);
  FGrid->OnGetDisplWideText = [](plat::TObject*, int, int, plat::WideString&) {};
  EXPECT_EQ(FGrid->GetCellText(1, 2), std::string("|\\\0a\0b", 6));
  EXPECT_EQ(seen, std::vector<std::string>{"1,2:ab"});
  EXPECT_EQ(FGrid->GetCellText(1, 3), "1,3");  // at the limit: plain
  // Members of a range run the hooks with the base cell.
  FGrid->MergeCellRange(1, 2, 2, 1);
  FGrid->GetCellText(2, 2);
  EXPECT_EQ(seen.back(), "1,2:ab");
  FGrid->OnGetDisplWideText = [](plat::TObject*, int, int, plat::WideString& Value) { Value = u"\u20AC"; };
  EXPECT_EQ(FGrid->GetCellText(2, 2), std::string("|\\\x20\xAC", 4));
}

TEST_F(BaseGridStore, TheHiddenLastRowHookFollowsTheRowAskedFor) {
  FGrid->SetCellText(1, 5, "x");
  EXPECT_EQ(FGrid->HiddenLastRowCalls, 0);
  FGrid->SetHideLastRow(true);
  FGrid->SetCellText(1, 5, "x");
  FGrid->SetCellText(1, 4, "x");
  EXPECT_EQ(FGrid->HiddenLastRowCalls, 1);
  FGrid->MergeCellRange(2, 4, 1, 2);
  FGrid->SetCellText(2, 5, "y");  // the base is row 4, the row asked for is the last
  EXPECT_EQ(FGrid->HiddenLastRowCalls, 2);
  EXPECT_EQ(FGrid->GetRawCellText(2, 4), "y");
}

TEST_F(BaseGridStore, AGraphicLeavesAnEmptyCellEmpty) {
  auto* graphic = new TCellGraphic;
  FGrid->SetRawCellText(4, 1, "");
  FGrid->SetCellGraphic(4, 1, graphic);
  EXPECT_EQ(FGrid->GetCellGraphic(4, 1), graphic);
  EXPECT_EQ(FGrid->GetRawCellText(4, 1), "");
  FGrid->SetCellGraphic(4, 2, new TCellGraphic);
  EXPECT_EQ(FGrid->GetRawCellText(4, 2), "4,2");
}

TEST_F(BaseGridStore, CellRectsCoverRangesAndPastTheCountsTakeTheDefaultSizes) {
  FGrid->SetDefaultColWidth(30);
  FGrid->SetDefaultRowHeight(10);
  FGrid->SetColWidths(2, 50);
  EXPECT_EQ(FGrid->GetCellRect(2, 1), TRect(60, 10, 110, 20));
  EXPECT_EQ(FGrid->GetFixedColsWidth(), 30);
  EXPECT_EQ(FGrid->GetFixedRowsHeight(), 10);
  FGrid->MergeCellRange(1, 1, 3, 2);
  EXPECT_EQ(FGrid->GetCellRect(3, 2), TRect(30, 10, 140, 30));
  EXPECT_EQ(FGrid->GetCellSize(2, 1), TPoint(110, 20));
  EXPECT_EQ(FGrid->GetCellSize(4, 4), TPoint(30, 10));
  // A range that runs past the counts: default sizes beyond them.
  FGrid->MergeCellRange(4, 4, 5, 5);
  EXPECT_EQ(FGrid->GetCellRect(4, 4), TRect(140, 40, 140 + 5 * 30, 40 + 5 * 10));
  // Scrolled: the range keeps its full size, moved by the view.
  FGrid->SetColCount(30);
  FGrid->SetLeftCol(2);
  ASSERT_EQ(FGrid->LeftCol(), 2);
  EXPECT_EQ(FGrid->GetCellRect(2, 1), TRect(0, 10, 110, 30));
}

TEST_F(BaseGridStore, SettersRepaintWithoutAWindowWithoutRaising) {
  THookGrid loose(nullptr);  // no parent, no window
  TCellProperties* p = loose.GetCellProperties(1, 1);
  p->SetBrushColor(plat::clRed);
  p->SetWordWrap(false);
  p->SetVAlignment(TVAlignment::vtaBottom);
  loose.MergeCellRange(1, 1, 2, 2);
  EXPECT_FALSE(loose.HandleAllocated());
}

TEST_F(BaseGridStore, AssignCopiesTheDocumentedSettings) {
  TCellProperties* source = FGrid->GetCellProperties(1, 1);
  source->SetBrushColor(plat::clRed);
  source->SetBrushColorTo(plat::clBlue);
  source->SetFontName("Arial");
  source->SetEditor(TEditorType::edUniMemo);
  source->SetNodeLevel(3);
  source->SetWordWrap(false);
  source->SetCellObject(FGrid);
  TCellProperties* target = FGrid->GetCellProperties(4, 4);
  target->Assign(source);
  EXPECT_EQ(target->BrushColor(), plat::clRed);
  EXPECT_EQ(target->BrushColorTo(), plat::clNone);  // not copied
  EXPECT_EQ(target->FontName(), "Arial");
  EXPECT_EQ(target->Editor(), TEditorType::edUniMemo);
  EXPECT_EQ(target->NodeLevel(), 3);
  EXPECT_FALSE(target->WordWrap());
  EXPECT_EQ(target->CellObject(), nullptr);  // not copied
  EXPECT_EQ(target->OwnerCol(), 1);          // copied
  TUndoRedoCollection other;                 // a persistent object of another kind
  EXPECT_THROW(target->Assign(&other), plat::Exception);
}

}  // namespace
}  // namespace zorbit
