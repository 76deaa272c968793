// What the advanced grid paints, probed in the window: bands, grid lines,
// fixed cells under the looks, the selection, the focus rectangle, text
// cut with or without an ellipsis, and the measured size of cell content.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extgrid/detail/RotatedExtent.h"
#include "extgrid/tests/ExtGridPaintFixture.h"
#include "grid/ExtUtilDrawing.h"
#include "grid/TCellProperties.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/win/HeadlessDisplay.h"
#include "testing/ReferencePicture.h"

namespace zorbit {
namespace {

using plat::TColor;

class Paint : public testing::ExtGridPaintTest {
 protected:
  // Distinct rows holding ink in the last Columns pixel columns of the
  // cell's text area.
  int InkRowsAtTextEnd(int Col, int Row, int Columns) {
    const plat::TRect r = FGrid->CellRect(Col, Row);
    const TColor fill = CellColour(Col, Row);
    int rows = 0;
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
      bool ink = false;
      for (int x = r.Right - 3 - Columns; x < r.Right - 3; ++x) ink = ink || At(x, y) != fill;
      rows += ink;
    }
    return rows;
  }
};

TEST_F(Paint, BandsAlternateInTheDataRowsOnly) {
  FGrid->SetFixedFooters(1);
  FGrid->SetFixedRightCols(1);
  FGrid->Bands()->SetPrimaryColor(plat::clInfoBk);
  FGrid->Bands()->SetPrimaryLength(2);
  FGrid->Bands()->SetSecondaryColor(plat::clAqua);
  FGrid->Bands()->SetSecondaryLength(1);
  FGrid->Bands()->SetActive(true);
  Show(4, 9);
  Keep("bands");
  const TColor primary = plat::ColorToRGB(plat::clInfoBk);
  const TColor fixed = plat::ColorToRGB(FGrid->FixedColor());
  const TColor expected[] = {primary, primary, plat::clAqua, primary, primary, plat::clAqua, primary};
  for (int row = 1; row <= 7; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(CellColour(2, row), expected[row - 1]);
    EXPECT_EQ(CellColour(3, row), fixed) << "right fixed column";
  }
  EXPECT_EQ(CellColour(2, 8), fixed) << "footer row";
}

TEST_F(Paint, DataGridLinesAreSilverAndTheCurrentCellShowsTheSelectionColour) {
  Show(4, 5);
  const plat::TRect cell = FGrid->CellRect(2, 2);
  EXPECT_EQ(At(cell.Right - 1, cell.Top + 5), 0xC0C0C0);
  EXPECT_EQ(At(cell.Left + 5, cell.Bottom - 1), 0xC0C0C0);
  EXPECT_EQ(CellColour(1, 1), FGrid->SelectionColor());
  EXPECT_EQ(CellColour(2, 2), plat::ColorToRGB(FGrid->Color()));
}

TEST_F(Paint, FixedCellsTakeTheLookGradientUnlessTheyHaveAColourOfTheirOwn) {
  FGrid->SetFixedGradientFrom(plat::clWhite);
  FGrid->SetFixedGradientTo(0x808080);
  Show(4, 5);
  FGrid->SetCellBrushColor(0, 2, plat::clRed);
  Repaint();
  Keep("fixed-cells");
  EXPECT_EQ(CellColour(0, 2), plat::clRed);
  // A gradient runs from light at the top to dark at the bottom.
  const plat::TRect r = FGrid->CellRect(0, 3);
  const TColor top = At(r.Left + 3, r.Top + 1), bottom = At(r.Left + 3, r.Bottom - 3);
  EXPECT_GT(top & 0xFF, bottom & 0xFF);
  EXPECT_GE(top & 0xFF, 0xE0);
  EXPECT_LE(bottom & 0xFF, 0xA0);
  // The classic look keeps the fixed colour, framed.
  FGrid->SetLook(TGridLook::glClassic);
  Repaint();
  EXPECT_EQ(At(r.Left + 5, (r.Top + r.Bottom) / 2), plat::ColorToRGB(FGrid->FixedColor()));
  EXPECT_EQ(CellColour(0, 2), plat::clRed);
}

TEST_F(Paint, TheFocusRectangleIsDrawnOnlyWhileTheGridHasTheFocus) {
  auto* edit = new plat::TEdit(FForm);
  edit->SetParent(FForm);
  edit->SetBounds(4, 320, 100, 20);
  Show(4, 5);
  FGrid->SetCol(2);
  FGrid->SetRow(2);
  const auto dotted = [this] {
    const plat::TRect r = FGrid->CellRect(2, 2);
    int n = 0;
    for (int x = r.Left; x < r.Right - 1; ++x) n += At(x, r.Top) != FGrid->SelectionColor();
    return n;
  };
  FGrid->SetFocus();
  Pump();
  ASSERT_TRUE(FGrid->Focused());
  Keep("focused-cell");
  EXPECT_GT(dotted(), 10);
  edit->SetFocus();
  Pump();
  EXPECT_EQ(dotted(), 0);
  FGrid->SetFocus();
  FGrid->SetHideFocusRect(true);
  Repaint();
  EXPECT_EQ(dotted(), 0);
  FGrid->SetHideFocusRect(false);
  FGrid->SetOptions(FGrid->Options() + plat::TGridOptions{plat::TGridOption::goRowSelect});
  Repaint();
  EXPECT_EQ(dotted(), 0) << "whole rows are selected, no cell has the focus";
}

TEST_F(Paint, ASingleLineThatDoesNotFitEndsInAnEllipsisOnlyWithEnhTextSize) {
  FGrid->SetWordWrap(false);
  Show(4, 5);
  FGrid->SetCellText(2, 2, "WWWWWWWWWWWWWWWWWWWW");
  FGrid->SetCellText(2, 3, "WWWWWWWWWWWWWWWWWWWW");
  FGrid->SetCellFontStyle(2, 3, {});
  Repaint();
  const int cutRows = InkRowsAtTextEnd(2, 2, 8);
  FGrid->SetEnhTextSize(true);
  Repaint();
  Keep("ellipsis");
  // Dots stand on the base line; the cut letters reach from top to bottom.
  EXPECT_GE(cutRows, 6);
  EXPECT_LE(InkRowsAtTextEnd(2, 2, 8), 2);
}

TEST_F(Paint, TheSizeOfATurnedTextHoldsTheWholeTurnedBox) {
  struct Case {
    int Angle;
    int Width, Height;
  };
  // 40 x 10 pixels of text; at 45 degrees each side is the sum of the two
  // projections (28 + 7).
  const Case cases[] = {{0, 52, 22}, {90, 22, 52}, {180, 52, 22}, {270, 22, 52}, {45, 47, 47}, {-30, 52, 41}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Angle);
    const plat::TPoint size = RotatedTextExtent(40, 10, c.Angle);
    EXPECT_EQ(size.X, c.Width);
    EXPECT_EQ(size.Y, c.Height);
  }
}

TEST_F(Paint, MeasuredPlainTextCountsItsLinesOnlyWithMultilinecells) {
  Show(4, 5);
  FGrid->SetCellText(1, 1, "one\r\ntwo\r\nthree");
  int w = 0, h1 = 0, h3 = 0;
  FGrid->GetCellTextSize(1, 1, w, h1, false);
  FGrid->SetMultilinecells(true);
  FGrid->GetCellTextSize(1, 1, w, h3, false);
  EXPECT_EQ(h3 - 4, 3 * (h1 - 4));
  int wBold = 0, h = 0;
  FGrid->SetCellText(1, 2, "three");
  FGrid->GetCellTextSize(1, 2, w, h, false);
  FGrid->SetCellFontStyle(1, 2, {plat::TFontStyle::fsBold});
  FGrid->GetCellTextSize(1, 2, wBold, h, false);
  EXPECT_GT(wBold, w);
}

TEST_F(Paint, NumbersAlignRightWithAutoNumAlignUnlessTheCellSaysOtherwise) {
  FGrid->SetAutoNumAlign(true);
  FGrid->SetCellText(1, 1, "12.5");
  FGrid->SetCellText(1, 2, "12.5");
  FGrid->GetCellProperties(1, 2)->SetAlignment(plat::TAlignment::taCenter);
  FGrid->SetCellText(1, 3, "abc");
  const plat::TAlignment expected[] = {plat::TAlignment::taRightJustify, plat::TAlignment::taCenter,
                                       plat::TAlignment::taLeftJustify};
  for (int row = 1; row <= 3; ++row) {
    plat::TAlignment h{};
    TVAlignment v{};
    FGrid->GetCellAlignment(1, row, h, v);
    EXPECT_EQ(h, expected[row - 1]) << row;
    EXPECT_EQ(v, TVAlignment::vtaTop);
  }
}

TEST_F(Paint, ASystemInformationLikeGridShowsBandsCaptionsAndTheFocusedCell) {
  FGrid->SetFixedCols(0);
  FGrid->SetColumnHeaders(nullptr);
  FGrid->Bands()->SetActive(true);
  Show(2, 8);
  const char* rows[][2] = {{"Motherboard", ""}, {"  Serial number", "MB-1234"}, {"", ""},
                           {"BIOS", ""},        {"  Vendor", "Ovra"},          {"  Version", "1.07"}};
  for (int i = 0; i < 6; ++i) {
    FGrid->SetCellText(0, i + 1, rows[i][0]);
    FGrid->SetCellText(1, i + 1, rows[i][1]);
  }
  FGrid->SetCellText(0, 0, "Item");
  FGrid->SetCellText(1, 0, "Value");
  FGrid->SetCellFontStyle(0, 1, {plat::TFontStyle::fsBold});
  FGrid->SetCellFontStyle(0, 4, {plat::TFontStyle::fsBold});
  FGrid->SetCol(1);
  FGrid->SetRow(5);
  FGrid->SetFocus();
  Pump();
  Keep("system-info-like");
  EXPECT_EQ(CellColour(0, 2), plat::ColorToRGB(FGrid->Bands()->SecondaryColor()));
  EXPECT_EQ(CellColour(0, 1), plat::ColorToRGB(FGrid->Bands()->PrimaryColor()));
  EXPECT_EQ(CellColour(1, 5), FGrid->SelectionColor());
}

TEST_F(Paint, EachCellsDrawingEndsWithTheDrawEventsInOrder) {
  Show(3, 3);
  std::vector<std::string> log;
  const auto text = [](const char* What, int Col, int Row, const plat::TRect& R) {
    return std::string(What) + " " + std::to_string(Col) + "," + std::to_string(Row) + " " + std::to_string(R.Left) +
           "," + std::to_string(R.Top) + "," + std::to_string(R.Right) + "," + std::to_string(R.Bottom);
  };
  FGrid->OnDrawCell = [&](plat::TObject*, int ACol, int ARow, const plat::TRect& R, plat::TGridDrawState) {
    if (ACol == 2 && ARow == 2) log.push_back(text("draw", ACol, ARow, R));
  };
  FGrid->OnCustomCellDraw = [&](plat::TObject*, plat::TCanvas*, int ACol, int ARow, plat::TGridDrawState,
                                const plat::TRect& R, bool Printing) {
    if (ACol == 2 && ARow == 2) log.push_back(text(Printing ? "print" : "custom", ACol, ARow, R));
  };
  Repaint();
  const plat::TRect r = FGrid->CellRect(2, 2);
  const std::vector<std::string> expected = {
      text("draw", 2, 2, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}),
      text("custom", 2, 2, r),
  };
  EXPECT_EQ(log, expected);
}

TEST_F(Paint, BorderAndAlignmentEventsShapeTheCell) {
  FGrid->SetWordWrap(false);
  Show(3, 3);
  FGrid->SetCellText(2, 2, "ii");
  FGrid->SetCellText(2, 1, "ii");
  FGrid->OnGetCellBorder = [](plat::TObject*, int ARow, int ACol, plat::TPen* APen, TCellBorders& Borders) {
    if (ACol != 2 || ARow != 2) return;
    APen->SetColor(plat::clRed);
    Borders = TCellBorders{TCellBorder::cbBottom, TCellBorder::cbLeft};
  };
  FGrid->OnGetAlignment = [](plat::TObject*, int ARow, int, plat::TAlignment& HAlign, TVAlignment&) {
    if (ARow == 2) HAlign = plat::TAlignment::taRightJustify;
  };
  FGrid->SetRow(1);
  FGrid->SetCol(1);
  Repaint();
  Keep("borders-alignment");
  const plat::TRect r = FGrid->CellRect(2, 2);
  EXPECT_EQ(At(r.Left + 20, r.Bottom - 2), plat::clRed);
  EXPECT_EQ(At(r.Left + 1, r.Top + 10), plat::clRed);
  EXPECT_NE(At(r.Right - 2, r.Top + 10), plat::clRed);
  // The right-aligned text stands in the right half, the other in the left.
  const auto inkIn = [this](int Row, int From, int To) {
    const plat::TRect c = FGrid->CellRect(2, Row);
    int n = 0;
    for (int y = c.Top + 2; y < c.Bottom - 3; ++y)
      for (int x = c.Left + From; x < c.Left + To; ++x) n += At(x, y) != plat::ColorToRGB(FGrid->Color());
    return n;
  };
  EXPECT_EQ(inkIn(2, 2, CellW / 2), 0);
  EXPECT_GT(inkIn(2, CellW / 2, CellW - 3), 0);
  EXPECT_GT(inkIn(1, 2, CellW / 2), 0);
}

TEST_F(Paint, TheActiveCellsHeadersTakeTheActiveColourUnlessTheyHaveTheirOwn) {
  FGrid->SetActiveCellShow(true);
  FGrid->SetLook(TGridLook::glClassic);
  Show(4, 4);
  FGrid->SetCol(2);
  FGrid->SetRow(2);
  // Moving the current cell repaints the headers as selection handling
  // does; here the whole grid is.
  Repaint();
  const TColor active = plat::ColorToRGB(FGrid->ActiveCellColor());
  EXPECT_EQ(CellColour(0, 2), active);
  EXPECT_EQ(CellColour(2, 0), active);
  EXPECT_NE(CellColour(0, 1), active);
  FGrid->SetCellBrushColor(0, 2, plat::clRed);
  Repaint();
  EXPECT_EQ(CellColour(0, 2), plat::clRed);
}

TEST_F(Paint, TheRowIndicatorStandsAtTheCurrentRowsHeader) {
  plat::TBitmap arrow;
  arrow.SetSize(8, 8);
  arrow.Canvas()->Brush()->SetColor(plat::clWhite);
  arrow.Canvas()->FillRect({0, 0, 8, 8});
  arrow.Canvas()->Brush()->SetColor(plat::clBlue);
  arrow.Canvas()->FillRect({2, 2, 6, 6});
  FGrid->SetRowIndicator(&arrow);
  FGrid->SetLook(TGridLook::glClassic);
  Show(3, 4);
  FGrid->SetRow(2);
  Repaint();
  const auto blue = [this](int Row) {
    const plat::TRect r = FGrid->CellRect(0, Row);
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += At(x, y) == plat::clBlue;
    return n;
  };
  EXPECT_EQ(blue(2), 16);
  EXPECT_EQ(blue(1), 0);
  // The white corner is left out: the header keeps its colour there.
  const plat::TRect r = FGrid->CellRect(0, 2);
  EXPECT_EQ(At(r.Left + 2, r.Top + 2), plat::ColorToRGB(FGrid->FixedColor()));
}

TEST_F(Paint, TheRowLineCountIsTheMostLinesOfAShownCell) {
  FGrid->SetColCount(3);
  FGrid->SetCellText(2, 1, "a\r\nb\r\nc");
  FGrid->SetCellText(0, 1, "a\r\nb");
  EXPECT_EQ(FGrid->GetRowLineCount(1), 1);
  FGrid->SetMultilinecells(true);
  EXPECT_EQ(FGrid->GetRowLineCount(1), 3) << "the last shown column counts";
  EXPECT_EQ(FGrid->GetRowLineCount(2), 1);
}

TEST_F(Paint, MultilinecellsChangesOnlyItsOwnGridsDrawing) {
  auto* other = new TExtStringGrid(FForm);
  other->SetParent(FForm);
  other->SetBorderStyle(plat::TBorderStyle::bsNone);
  other->SetScrollBars(plat::TScrollStyle::ssNone);
  other->SetBounds(4, 200, 300, 100);
  FGrid->SetHeight(150);
  for (TExtStringGrid* grid : {FGrid, other}) {
    grid->SetWordWrap(false);
    grid->SetDefaultRowHeight(40);
    grid->SetCellText(1, 1, "top\r\nbottom");
  }
  FGrid->SetMultilinecells(true);
  Show(3, 3);
  for (TExtStringGrid* grid : {FGrid, other}) {
    grid->SetDefaultRowHeight(40);
    grid->SetCol(2);  // the current cell away from the probed one
  }
  Pump();
  testing::KeepForInspection(*plat::WindowPicture(FForm->Handle()), "extgrid/multiline.png");
  // The second line stands in the cell's lower half only where asked for.
  const auto ink = [this](TExtStringGrid* Grid, int From, int To) {
    const plat::TRect r = Grid->CellRect(1, 1);
    int n = 0;
    for (int y = r.Top + From; y < r.Top + To; ++y)
      for (int x = r.Left + 1; x < r.Right - 2; ++x)
        n += PixelAt(Grid, {x, y}) != static_cast<plat::COLORREF>(plat::ColorToRGB(Grid->Color()));
    return n;
  };
  const auto lowerInk = [&](TExtStringGrid* Grid) { return ink(Grid, 20, 37); };
  EXPECT_GT(ink(other, 1, 19), 20) << "the first line is drawn";
  EXPECT_GT(lowerInk(FGrid), 20);
  EXPECT_EQ(lowerInk(other), 0);
}

TEST_F(Paint, TheOpenEditorIsFramedInTheGridLineColour) {
  FGrid->SetOptions(FGrid->Options() + plat::TGridOptions{plat::TGridOption::goEditing});
  FGrid->SetGridLineColor(plat::clRed);
  Show(4, 4);
  FGrid->SetCol(2);
  FGrid->SetRow(2);
  FGrid->SetFocus();
  FGrid->SetEditorMode(true);
  Repaint();
  Keep("editor-frame");
  ASSERT_TRUE(FGrid->EditorMode());
  const plat::TRect r = FGrid->CellRect(2, 2);
  EXPECT_EQ(At(r.Left - 1, r.Top + 8), plat::clRed);
  EXPECT_EQ(At(r.Left + 20, r.Top - 1), plat::clRed);
}

TEST_F(Paint, CellsPickedOneByOneShowTheSelectionAndTheCurrentCellOnlyWhenPicked) {
  FGrid->MouseActions()->SetDisjunctCellSelect(true);
  Show(5, 5);
  FGrid->SetCol(1);
  FGrid->SetRow(1);
  FGrid->MarkCellSelected(3, 2, true);
  FGrid->MarkCellSelected(2, 4, true);
  Repaint();
  Keep("picked-cells");
  const TColor selected = FGrid->SelectionColor(), window = plat::ColorToRGB(FGrid->Color());
  EXPECT_EQ(CellColour(3, 2), selected);
  EXPECT_EQ(CellColour(2, 4), selected);
  EXPECT_EQ(CellColour(1, 1), window) << "the current cell, not picked";
  EXPECT_EQ(CellColour(2, 2), window);
  FGrid->MarkCellSelected(1, 1, true);
  FGrid->MarkCellSelected(3, 2, false);
  Pump();
  EXPECT_EQ(CellColour(1, 1), selected);
  EXPECT_EQ(CellColour(3, 2), window);
  FGrid->ClearCellSelectionMarks();
  Pump();
  EXPECT_EQ(CellColour(2, 4), window);
  EXPECT_TRUE(FGrid->SelectedCells().empty());
}

TEST_F(Paint, FlaggedRowsAndColumnsShowTheSelectionInsteadOfTheCurrentCell) {
  FGrid->MouseActions()->SetDisjunctRowSelect(true);
  Show(4, 6);
  FGrid->SetRowSelected(2, true);
  FGrid->SetRowSelected(4, true);
  Repaint();
  Keep("flagged-rows");
  const TColor selected = FGrid->SelectionColor(), window = plat::ColorToRGB(FGrid->Color());
  for (const int col : {1, 2, 3}) {
    EXPECT_EQ(CellColour(col, 2), selected);
    EXPECT_EQ(CellColour(col, 4), selected);
    EXPECT_EQ(CellColour(col, 3), window);
  }
  EXPECT_EQ(CellColour(1, 1), window) << "the current cell, not flagged";
  EXPECT_NE(CellColour(0, 2), selected) << "the fixed column";
  FGrid->SetRowSelected(2, false);
  Pump();
  EXPECT_EQ(CellColour(2, 2), window);

  FGrid->MouseActions()->SetDisjunctRowSelect(false);
  FGrid->MouseActions()->SetDisjunctColSelect(true);
  FGrid->SetColSelected(3, true);
  Repaint();
  for (const int row : {1, 3, 5}) EXPECT_EQ(CellColour(3, row), selected);
  EXPECT_EQ(CellColour(2, 4), window);
}

TEST_F(Paint, AModifiedRowIsMarkedAtTheRightOfItsFirstCellOnlyWithShowModified) {
  FGrid->ShowModified()->SetColor(plat::clRed);
  Show(3, 4);
  FGrid->SetRowModified(2, true);
  Repaint();
  const plat::TRect r = FGrid->CellRect(0, 2);
  EXPECT_NE(At(r.Right - 3, r.Top + 5), plat::clRed) << "ShowModified is off";
  FGrid->ShowModified()->SetEnabled(true);
  Repaint();
  Keep("modified-row");
  // Four pixels wide, against the cell's right edge line.
  std::string line;
  for (int x = r.Right - 8; x < r.Right; ++x) line += At(x, r.Top + 5) == plat::clRed ? '#' : '.';
  EXPECT_EQ(line, "...####.");
  EXPECT_NE(At(r.Right - 3, FGrid->CellRect(0, 1).Top + 5), plat::clRed) << "an unmarked row";
  FGrid->InsertRows(1, 1);
  Pump();
  EXPECT_TRUE(FGrid->IsRowModified(3));
  EXPECT_EQ(At(r.Right - 3, FGrid->CellRect(0, 3).Top + 5), plat::clRed);
  EXPECT_FALSE(FGrid->IsRowModified(-1));
}

TEST_F(Paint, PickedCellsAreKeptByColumnAndRowWithoutLimit) {
  FGrid->MarkCellSelected(1, 70000, true);
  FGrid->MarkCellSelected(70000, 1, true);
  EXPECT_TRUE(FGrid->IsCellMarkedSelected(1, 70000));
  EXPECT_FALSE(FGrid->IsCellMarkedSelected(1, 70000 - 65536));
  EXPECT_FALSE(FGrid->IsCellMarkedSelected(70000 - 65536, 1));
  FGrid->MarkCellSelected(1, 70000, true);
  EXPECT_EQ(FGrid->SelectedCells().size(), 2u);
}

// The colour resolution, open to the test.
class TResolvingGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::TExtStringGrid;
  struct Look {
    TColor Brush;
    plat::String FontName;
    bool Fixed;
  };
  Look Resolve(int ACol, int ARow, bool Print) {
    plat::TBrush brush;
    plat::TFont font;
    plat::TGridDrawState state;
    TColor colorTo = plat::clNone;
    bool wrap = false;
    plat::TAlignment h{};
    TVAlignment v{};
    GetCellColor(ACol, ARow, state, Print, true, true, &brush, colorTo, &font, wrap, h, v);
    return {brush.Color(), font.Name(), state.Contains(plat::TGridDrawStateItem::gdFixed)};
  }
};

TEST(CellLooks, PrintingTakesItsOwnFontsHookAndBandsSetting) {
  TResolvingGrid grid(nullptr);
  grid.Bands()->SetActive(true);
  grid.Bands()->SetPrimaryColor(plat::clAqua);
  grid.PrintSettings()->SetUseDisplayFont(false);
  grid.PrintSettings()->Font()->SetName("Print Body");
  grid.PrintSettings()->FixedFont()->SetName("Print Head");
  std::vector<std::string> log;
  grid.OnGetCellColor = [&](plat::TObject*, int, int, plat::TGridDrawState, plat::TBrush*, plat::TFont*) {
    log.push_back("screen");
  };
  grid.OnGetCellPrintColor = [&](plat::TObject*, int, int, plat::TGridDrawState, plat::TBrush*, plat::TFont*) {
    log.push_back("print");
  };
  grid.SetColCount(4);
  // Column 2: away from the current cell, which shows the selection.
  const auto screen = grid.Resolve(2, 1, false);
  const auto print = grid.Resolve(2, 1, true);
  const auto printedHead = grid.Resolve(2, 0, true);
  EXPECT_EQ(log, (std::vector<std::string>{"screen", "print", "print"}));
  EXPECT_EQ(screen.Brush, plat::clAqua);
  EXPECT_EQ(print.Brush, grid.Color()) << "bands print only when asked";
  EXPECT_EQ(print.FontName, "Print Body");
  EXPECT_EQ(printedHead.FontName, "Print Head");
  EXPECT_TRUE(printedHead.Fixed);
  grid.Bands()->SetPrint(true);
  EXPECT_EQ(grid.Resolve(2, 1, true).Brush, plat::clAqua);
}

TEST(CellLooks, AFixedCellOnTheScreenTakesTheFixedLooksThenItsOwn) {
  TResolvingGrid grid(nullptr);
  grid.OnIsFixedCell = [](plat::TObject*, int ARow, int ACol, bool& IsFixed) { IsFixed = ACol == 2 && ARow == 2; };
  grid.SetColCount(4);
  grid.GetCellProperties(2, 2)->SetFontName("Own");
  grid.GetCellProperties(2, 3)->SetBrushColor(plat::clRed);
  const auto hooked = grid.Resolve(2, 2, false);
  EXPECT_TRUE(hooked.Fixed);
  EXPECT_EQ(hooked.Brush, grid.FixedColor());
  EXPECT_EQ(hooked.FontName, "Own");
  EXPECT_EQ(grid.Resolve(3, 2, false).Brush, grid.Color());
  EXPECT_EQ(grid.Resolve(2, 3, false).Brush, plat::clRed);
  EXPECT_EQ(grid.Resolve(1, 1, false).Brush, grid.SelectionColor()) << "the current cell";
}

TEST_F(Paint, EachLookEdgesTheFixedCellsItsOwnWay) {
  const TColor white = plat::clWhite, half = HalfBrightColor(plat::clBtnFace), grey = 0x808080, black = 0;
  const TColor face = plat::ColorToRGB(plat::clBtnFace);
  struct Case {
    TGridLook Look;
    TColor Top, Bottom, Right, Inside;
  };
  // Top, bottom and right edge, and a pixel just inside the top edge.
  const Case cases[] = {
      {TGridLook::glStandard, face, grey, grey, face},
      {TGridLook::glClassic, white, black, black, face},
      {TGridLook::glSoft, white, half, white, face},
      {TGridLook::glSilver, white, half, grey, white},
      {TGridLook::glXP, white, half, grey, white},
      {TGridLook::glListView, face, grey, grey, white},
  };
  FGrid->SetFixedGradientFrom(plat::clWhite);
  FGrid->SetFixedGradientTo(plat::clWhite);
  Show(3, 3);
  const plat::TRect r = FGrid->CellRect(1, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Look));
    FGrid->SetLook(c.Look);
    Repaint();
    EXPECT_EQ(At(r.Left + 20, r.Top), c.Top);
    EXPECT_EQ(At(r.Left + 20, r.Bottom - 1), c.Bottom);
    EXPECT_EQ(At(r.Right - 1, r.Top + 8), c.Right);
    EXPECT_EQ(At(r.Left + 20, r.Top + 1), c.Inside);
  }
}

}  // namespace
}  // namespace zorbit
