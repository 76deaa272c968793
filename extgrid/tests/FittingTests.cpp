// Column widths and row heights fitted to the cells, and the row exchange.
// Expected sizes are worked out from text measured on a canvas of its own,
// by the rule: width = 2 * GridLineWidth + widest text + margin + 2,
// height = 2 * GridLineWidth + tallest text + margin.
#include <gtest/gtest.h>

#include "extgrid/TExtStringGrid.h"
#include "grid/TCellProperties.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TextConstants.h"
#include "platform/gdi/TFont.h"
#include "platform/rtl/Exception.h"
#include "platform/ui/ControlPaint.h"
#include "platform/ui/TForm.h"
#include "testing/FormTest.h"

namespace zorbit {
namespace {

int TextWidthIn(const plat::TFont& Font, const plat::String& Text) {
  plat::TBitmap scratch;
  scratch.SetSize(1, 1);
  scratch.Canvas()->SetFont(Font);
  return scratch.Canvas()->TextWidth(Text);
}

int LineHeightIn(const plat::TFont& Font) {
  plat::TBitmap scratch;
  scratch.SetSize(1, 1);
  scratch.Canvas()->SetFont(Font);
  return scratch.Canvas()->TextHeight("gh");
}

// Word-wrapped text is measured by DrawText, in the font, in the cell's
// width less the margins and two pixels each side.
int WrappedHeightIn(const plat::TFont& Font, const plat::String& Text, int CellWidth) {
  plat::TBitmap scratch;
  scratch.SetSize(1, 1);
  scratch.Canvas()->SetFont(Font);
  plat::TRect r{0, 0, CellWidth - 2 * (TExtStringGrid::CellHorzMargin + 2), 0};
  plat::DrawCanvasText(*scratch.Canvas(), Text, r,
                       plat::DT_CALCRECT | plat::DT_WORDBREAK | plat::DT_EDITCONTROL | plat::DT_NOPREFIX);
  return r.Height();
}

class Fitting : public testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    FForm = new plat::TForm(nullptr);
    FGrid = new TExtStringGrid(FForm);
    FGrid->SetColCount(3);
    FGrid->SetRowCount(4);
  }
  void TearDown() override {
    delete FForm;
    FormTest::TearDown();
  }
  // The width the rule gives a column whose widest text is Text in Font.
  int RuleWidth(const plat::TFont& Font, const plat::String& Text) const {
    return 2 * FGrid->GridLineWidth() + TextWidthIn(Font, Text) + TExtStringGrid::CellHorzMargin + 2;
  }
  plat::TForm* FForm = nullptr;
  TExtStringGrid* FGrid = nullptr;
};

TEST_F(Fitting, FitColumnsToTextLeavesFixedColumnsAndAddsTheExtra) {
  FGrid->SetCells(0, 1, "a fixed column's long text");
  FGrid->SetCells(1, 0, "Hdr");  // fixed row: measured in FixedFont (bold Tahoma)
  FGrid->SetCells(1, 1, "Hdr");
  FGrid->SetCells(1, 2, "Hd");
  FGrid->SetCells(2, 1, "Serial number 0123456789");
  FGrid->SetCells(2, 3, "short");
  const int fixedWidth = FGrid->ColWidths(0);
  FGrid->FitColumnsToText(false, 10);
  EXPECT_EQ(FGrid->ColWidths(0), fixedWidth);
  const int header = RuleWidth(*FGrid->FixedFont(), "Hdr");
  ASSERT_GT(header, RuleWidth(*FGrid->Font(), "Hdr")) << "the fixed font must be the wider one";
  EXPECT_EQ(FGrid->ColWidths(1), header + 10);
  EXPECT_EQ(FGrid->ColWidths(2), RuleWidth(*FGrid->Font(), "Serial number 0123456789") + 10);

  FGrid->FitColumnsToText(true, 0);
  EXPECT_EQ(FGrid->ColWidths(0), RuleWidth(*FGrid->FixedFont(), "a fixed column's long text"));
  EXPECT_EQ(FGrid->ColWidths(2), RuleWidth(*FGrid->Font(), "Serial number 0123456789"));
}

TEST_F(Fitting, OneColumnFollowsLimitsOnlyGrowAndTheEvent) {
  FGrid->SetCells(1, 2, "some cell text");
  const int fitted = RuleWidth(*FGrid->Font(), "some cell text");
  struct Case {
    const char* name;
    int before, minWidth, maxWidth;
    bool onlyGrow;
    int eventWidth;  // 0: no handler
    int expected;
  };
  const Case cases[] = {
      {"shrinks", 300, 0, 0, false, 0, fitted},
      {"widens", 5, 0, 0, false, 0, fitted},
      {"only grow keeps wider", 300, 0, 0, true, 0, 300},
      {"only grow widens", 5, 0, 0, true, 0, fitted},
      {"minimum", 5, 200, 0, false, 0, 200},
      {"maximum", 5, 0, 20, false, 0, 20},
      {"equal limits keep the value", 5, 50, 50, false, 0, fitted},
      {"event then clamp", 5, 0, 70, false, 90, 70},
      {"event", 5, 0, 0, false, 33, 33},
  };
  for (const Case& c : cases) {
    FGrid->SetColWidths(1, c.before);
    FGrid->SetMinColWidth(c.minWidth);
    FGrid->SetMaxColWidth(c.maxWidth);
    FGrid->SetOnlyGrow(c.onlyGrow);
    int askedCol = -1;
    FGrid->OnUpdateColumnSize = nullptr;
    if (c.eventWidth) {
      FGrid->OnUpdateColumnSize = [&](plat::TObject* Sender, int ACol, int& AWidth) {
        EXPECT_EQ(Sender, FGrid);
        EXPECT_EQ(AWidth, fitted);
        askedCol = ACol;
        AWidth = c.eventWidth;
      };
    }
    FGrid->FitColumnToContents(1);
    EXPECT_EQ(FGrid->ColWidths(1), c.expected) << c.name;
    EXPECT_EQ(askedCol, c.eventWidth ? 1 : -1) << c.name;
  }
}

TEST_F(Fitting, ColumnSkipsCellsMergedAcrossColumnsAndTakesTheColourHooksFont) {
  FGrid->SetCells(1, 1, "a very long text that spans two columns");
  FGrid->MergeCellRange(1, 1, 2, 1);
  FGrid->SetCells(1, 2, "abc");
  FGrid->SetGridLineWidth(0);
  FGrid->FitColumnToContents(1);
  EXPECT_EQ(FGrid->ColWidths(1), RuleWidth(*FGrid->Font(), "abc"));

  plat::TFont large;
  large.Assign(*FGrid->Font());
  large.SetSize(large.Size() + 12);
  FGrid->OnGetCellColor = [&](plat::TObject*, int ARow, int, plat::TGridDrawState, plat::TBrush*, plat::TFont* AFont) {
    if (ARow == 2) AFont->SetSize(large.Size());
  };
  FGrid->FitColumnToContents(1);
  EXPECT_EQ(FGrid->ColWidths(1), RuleWidth(large, "abc"));
}

TEST_F(Fitting, ColumnsAndRowsAreMeasuredInTheRealColumnsShown) {
  // Real column 1 is hidden: display column 1 shows real column 2.
  FGrid->SetColumnShown(1, false);
  FGrid->SetWordWrap(false);
  FGrid->SetMultilinecells(true);
  FGrid->SetCells(1, 2, "a hidden column's much longer text\r\n2\r\n3");
  FGrid->SetCells(2, 2, "shown");
  FGrid->FitColumnToContents(1);
  EXPECT_EQ(FGrid->ColWidths(1), RuleWidth(*FGrid->Font(), "shown"));
  FGrid->FitRowToContents(2);
  EXPECT_EQ(FGrid->RowHeights(2), 2 + LineHeightIn(*FGrid->Font()) + TExtStringGrid::CellVertMargin);
}

TEST_F(Fitting, ABoldCaptionRowIsMeasuredBold) {
  // As the System Info window writes its group captions.
  FGrid->SetCells(1, 1, "Motherboard");
  FGrid->GetCellProperties(1, 1)->SetFontStyle({plat::TFontStyle::fsBold});
  FGrid->SetCells(1, 2, "  Serial");
  FGrid->FitColumnsToText(false, 10);
  plat::TFont bold;
  bold.Assign(*FGrid->Font());
  bold.SetStyle({plat::TFontStyle::fsBold});
  ASSERT_GT(TextWidthIn(bold, "Motherboard"), TextWidthIn(*FGrid->Font(), "Motherboard"));
  EXPECT_EQ(FGrid->ColWidths(1), RuleWidth(bold, "Motherboard") + 10);
}

TEST_F(Fitting, HtmlIsMeasuredWithoutItsTags) {
  // Mark-up takes 2 pixels beyond its rendered width, as where it is drawn.
  const plat::String text = "plain words wider than a narrow column";
  FGrid->SetCells(1, 1, "<B></B>" + text);
  FGrid->SetColWidths(1, 20);
  FGrid->FitColumnToContents(1);
  EXPECT_EQ(FGrid->ColWidths(1), RuleWidth(*FGrid->Font(), text) + 2);
  FGrid->SetEnableHTML(false);
  FGrid->FitColumnToContents(1);
  EXPECT_EQ(FGrid->ColWidths(1), RuleWidth(*FGrid->Font(), "<B></B>" + text));
}

TEST_F(Fitting, RowHeightCountsLinesAndWrapping) {
  const int line = LineHeightIn(*FGrid->Font());
  FGrid->SetWordWrap(false);
  FGrid->SetMultilinecells(true);
  FGrid->SetCells(1, 2, "one\r\ntwo\r\nthree");
  FGrid->FitRowToContents(2);
  EXPECT_EQ(FGrid->RowHeights(2), 2 + 3 * line + TExtStringGrid::CellVertMargin);

  FGrid->SetMultilinecells(false);
  FGrid->SetWordWrap(true);
  const plat::String words = "word word word word word word";
  FGrid->SetCells(1, 2, words);
  FGrid->SetColWidths(1, 40);
  FGrid->FitRowToContents(2);
  const int wrapped = 2 + WrappedHeightIn(*FGrid->Font(), words, 40) + TExtStringGrid::CellVertMargin;
  ASSERT_GT(WrappedHeightIn(*FGrid->Font(), words, 40), 2 * WrappedHeightIn(*FGrid->Font(), words, 400));
  EXPECT_EQ(FGrid->RowHeights(2), wrapped);
  FGrid->SetOnlyGrow(true);
  FGrid->SetColWidths(1, 400);
  FGrid->FitRowToContents(2);
  EXPECT_EQ(FGrid->RowHeights(2), wrapped);
  FGrid->SetOnlyGrow(false);
  FGrid->FitRowToContents(2);
  EXPECT_EQ(FGrid->RowHeights(2), 2 + WrappedHeightIn(*FGrid->Font(), words, 400) + TExtStringGrid::CellVertMargin);
  FGrid->SetMaxRowHeight(10);
  FGrid->FitRowToContents(2);
  EXPECT_EQ(FGrid->RowHeights(2), 10);
}

TEST_F(Fitting, SizeWhileTypingKeepsTheCurrentCellInViewWhenARowOutgrowsTheGrid) {
  FForm->SetBounds(0, 0, 600, 400);
  FGrid->SetParent(FForm);
  FGrid->SetBounds(0, 0, 300, 130);
  FGrid->HandleNeeded();
  FGrid->SetRowCount(5);
  FGrid->SetDefaultRowHeight(20);
  FGrid->SetRow(4);
  ASSERT_EQ(FGrid->TopRow(), 1);
  ASSERT_GE(FGrid->VisibleRowCount(), 4) << "all rows shown to start with";
  FGrid->SetWordWrap(false);
  FGrid->SetMultilinecells(true);
  FGrid->SetCells(1, 1, "1\r2\r3\r4\r5\r6");
  FGrid->FitRowToContents(1);
  EXPECT_EQ(FGrid->TopRow(), 1) << "without the flag the view stays";
  FGrid->SetRowHeights(1, 20);
  FGrid->SizeWhileTyping()->SetHeight(true);
  FGrid->FitRowToContents(1);
  EXPECT_GT(FGrid->TopRow(), 1);
  EXPECT_LE(FGrid->TopRow(), 4);
  EXPECT_GE(FGrid->TopRow() + FGrid->VisibleRowCount(), 5) << "row 4 in view";
}

TEST_F(Fitting, SetRowLinesGivesAnEighthOfALineBetweenLines) {
  const int h = LineHeightIn(*FGrid->Font());
  FGrid->SetRowLines(1, 3, 4);
  EXPECT_EQ(FGrid->RowHeights(1), 4 + 3 * (h + h / 8));
  FGrid->SetMinRowHeight(200);
  FGrid->SetRowLines(1, 1, 0);
  EXPECT_EQ(FGrid->RowHeights(1), 200);
}

TEST_F(Fitting, AutoSizeFitsAtOnce) {
  FGrid->SetCells(2, 1, "a text wider than a default column");
  FGrid->SetAutoSize(true);
  EXPECT_TRUE(FGrid->AutoSize());
  EXPECT_EQ(FGrid->ColWidths(2), RuleWidth(*FGrid->Font(), "a text wider than a default column") + 10);
}

TEST_F(Fitting, IndexesOutsideTheGridAreIgnored) {
  FGrid->FitColumnToContents(-1);
  FGrid->FitColumnToContents(3);
  FGrid->FitRowToContents(4);
  FGrid->SetRowLines(-2, 1, 0);
  EXPECT_EQ(FGrid->ColWidths(2), 64);
}

class TLoadingGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::Loaded;
  using TExtStringGrid::TExtStringGrid;
};

TEST_F(Fitting, LoadingSetsTheMinimumsThatKeepEmptyColumnsAndRowsUsable) {
  auto* grid = new TLoadingGrid(FForm);
  EXPECT_EQ(grid->MinColWidth(), 0);
  EXPECT_EQ(grid->MinRowHeight(), 0);
  grid->SetDefaultRowHeight(25);
  grid->Loaded();
  EXPECT_EQ(grid->MinColWidth(), 10);
  EXPECT_EQ(grid->MinRowHeight(), 25);
  grid->FitColumnToContents(2);  // empty: 2 + 0 + 2 + 2 would be 6
  EXPECT_EQ(grid->ColWidths(2), 10);
  EXPECT_EQ(grid->MaxColWidth(), 0);
  EXPECT_EQ(grid->MaxRowHeight(), 0);
}

// A descendant answers the width hook in place of the event.
class TFixedWidthGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::TExtStringGrid;
  void UpdateColumnSize(int, int& AWidth) override { AWidth = 77; }
};

TEST_F(Fitting, ADescendantAnswersTheWidthHook) {
  auto* grid = new TFixedWidthGrid(FForm);
  bool asked = false;
  grid->OnUpdateColumnSize = [&](plat::TObject*, int, int&) { asked = true; };
  grid->SetCells(1, 1, "text");
  grid->FitColumnToContents(1);
  EXPECT_EQ(grid->ColWidths(1), 77);
  EXPECT_FALSE(asked);
}

class RowSwap : public Fitting {};

TEST_F(RowSwap, ExchangesTextsObjectsAndHeights) {
  FGrid->SetCells(0, 1, "a0");
  FGrid->SetCells(2, 1, "a2");
  FGrid->SetCells(1, 3, "b1");
  TCellProperties* properties = FGrid->GetCellProperties(1, 3);
  FGrid->SetRowHeights(3, 40);
  FGrid->ExchangeRows(1, 3);
  EXPECT_EQ(FGrid->Cells(0, 3), "a0");
  EXPECT_EQ(FGrid->Cells(2, 3), "a2");
  EXPECT_EQ(FGrid->Cells(1, 1), "b1");
  EXPECT_EQ(FGrid->Cells(0, 1), "");
  EXPECT_EQ(FGrid->Objects(1, 1), properties);
  EXPECT_EQ(FGrid->Objects(1, 3), nullptr);
  EXPECT_EQ(FGrid->RowHeights(1), 40);
  EXPECT_EQ(FGrid->RowHeights(3), 21);
  EXPECT_EQ(FGrid->SwapCount(), 1);
}

TEST_F(RowSwap, SingleColumnExchangesOnlyTheSortColumn) {
  FGrid->SortSettings()->SetSingleColumn(true);
  FGrid->SortSettings()->SetColumn(2);
  FGrid->SetCells(1, 1, "stays");
  FGrid->SetCells(2, 1, "moves");
  FGrid->SetRowHeights(1, 30);
  FGrid->ExchangeRows(1, 2);
  EXPECT_EQ(FGrid->Cells(1, 1), "stays");
  EXPECT_EQ(FGrid->Cells(2, 2), "moves");
  EXPECT_EQ(FGrid->Cells(2, 1), "");
  EXPECT_EQ(FGrid->RowHeights(1), 30);
}

TEST_F(RowSwap, ARowOutsideTheGridRaisesAndChangesNothing) {
  FGrid->SetCells(1, 1, "kept");
  EXPECT_THROW(FGrid->ExchangeRows(1, 4), plat::EListError);
  EXPECT_THROW(FGrid->ExchangeRows(-1, 1), plat::EListError);
  FGrid->SortSettings()->SetSingleColumn(true);
  FGrid->SortSettings()->SetColumn(-1);
  EXPECT_THROW(FGrid->ExchangeRows(1, 2), plat::EListError);
  EXPECT_EQ(FGrid->Cells(1, 1), "kept");
  EXPECT_EQ(FGrid->SwapCount(), 0);
}

}  // namespace
}  // namespace zorbit
