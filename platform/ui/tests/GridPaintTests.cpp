// What the grid paints: ASCII pictures of small grids (fixed and data
// lines by the options, no lines and no gaps at GridLineWidth 0, the
// selection colours) and a reference screenshot of a string grid with
// texts, a focus rectangle and a selection.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/gdi/Brush.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Shapes.h"
#include "platform/ui/TStringGrid.h"
#include "platform/ui/tests/ReferencePicture.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/HeadlessDisplay.h"

namespace plat::testing {
namespace {

// A string grid whose DrawCell does something to the canvas before the
// default drawing of cell (1, 1).
class TPreparingGrid : public TStringGrid {
 public:
  using TStringGrid::TStringGrid;
  std::function<void(TCanvas& Canvas, const TRect& Rect)> Prepare;

 protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override {
    if (Prepare && ACol == 1 && ARow == 1) Prepare(*Canvas(), ARect);
    TStringGrid::DrawCell(ACol, ARow, ARect, AState);
  }
};

class GridPaint : public StdControlsTest {
 protected:
  // A 3 x 3 grid of 4 x 3 pixel cells without a border, not focused.
  template <typename TGrid = TStringGrid>
  TGrid* MakeTiny(TGridOptions Options, int LineWidth) {
    TGrid* grid = Make<TGrid>(Bounds(10, 10, 18, 13));
    grid->SetBorderStyle(TBorderStyle::bsNone);
    grid->SetScrollBars(TScrollStyle::ssNone);
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->SetDefaultColWidth(4);
    grid->SetDefaultRowHeight(3);
    grid->SetGridLineWidth(LineWidth);
    grid->SetOptions(Options);
    Pump();
    return grid;
  }
  // The client area as characters: # black, g grey, s silver, f button
  // face, . white, h highlight, ? anything else; rows joined by "|".
  std::string Ascii(TControl* Control) {
    std::string out;
    for (int y = 0; y < Control->ClientHeight(); ++y) {
      if (y) out += '|';
      for (int x = 0; x < Control->ClientWidth(); ++x) {
        const COLORREF c = PixelAt(Control, {x, y});
        const auto is = [c](TColor color) { return c == static_cast<COLORREF>(ColorToRGB(color)); };
        out += is(clBlack)       ? '#'
               : is(clGray)      ? 'g'
               : is(clSilver)    ? 's'
               : is(clBtnFace)   ? 'f'
               : is(clWhite)     ? '.'
               : is(clHighlight) ? 'h'
                                 : '?';
      }
    }
    return out;
  }
};

TEST_F(GridPaint, LinesFollowTheOptionsAndTheWidth) {
  struct Case {
    const char* Name;
    TGridOptions Options;
    int LineWidth;
    const char* Picture;
  };
  // Fixed cells show a raised edge (white top-left, grey bottom-right)
  // around their face when lines are drawn.
  const Case cases[] = {
      {"all lines",
       {TGridOption::goFixedVertLine, TGridOption::goFixedHorzLine, TGridOption::goVertLine, TGridOption::goHorzLine},
       1,
       "...g#...g#...g#...|"
       ".ffg#.ffg#.ffg#...|"
       "gggg#gggg#gggg#...|"
       "###############...|"
       "...g#....s....s...|"
       ".ffg#....s....s...|"
       "gggg#....s....s...|"
       "#####ssssssssss...|"
       "...g#....s....s...|"
       ".ffg#....s....s...|"
       "gggg#....s....s...|"
       "#####ssssssssss...|"
       ".................."},
      {"fixed lines only",
       {TGridOption::goFixedVertLine, TGridOption::goFixedHorzLine},
       1,
       "...g#...g#...g#...|"
       ".ffg#.ffg#.ffg#...|"
       "gggg#gggg#gggg#...|"
       "###############...|"
       "...g#.............|"
       ".ffg#.............|"
       "gggg#.............|"
       "#####.............|"
       "...g#.............|"
       ".ffg#.............|"
       "gggg#.............|"
       "#####.............|"
       ".................."},
      // No lines and no gaps; the fixed cells lose their edges too.
      {"no width",
       {TGridOption::goFixedVertLine, TGridOption::goVertLine, TGridOption::goHorzLine},
       0,
       "ffffffffffff......|"
       "ffffffffffff......|"
       "ffffffffffff......|"
       "ffff..............|"
       "ffff..............|"
       "ffff..............|"
       "ffff..............|"
       "ffff..............|"
       "ffff..............|"
       "..................|"
       "..................|"
       "..................|"
       ".................."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TStringGrid* grid = MakeTiny(c.Options, c.LineWidth);
    EXPECT_EQ(Ascii(grid), c.Picture);
    delete grid;
  }
}

TEST_F(GridPaint, SelectedCellsTakeTheHighlight) {
  TStringGrid* grid = MakeTiny({TGridOption::goRangeSelect}, 1);
  grid->SetSelection({1, 1, 2, 1});
  Pump();
  // Without line options the gaps take the grid's colour. The current cell
  // (2, 1) shows as selected only with goDrawFocusSelected.
  EXPECT_EQ(Ascii(grid).substr(19 * 5, 18), ".ffg.hhhh.........");
  grid->SetOptions(grid->Options() + TGridOptions{TGridOption::goDrawFocusSelected});
  Pump();
  EXPECT_EQ(Ascii(grid).substr(19 * 5, 18), ".ffg.hhhh.hhhh....");
  delete grid;
}

TEST_F(GridPaint, DrawCellFindsTheStatesColoursAlsoWithoutDefaultDrawing) {
  TStringGrid* grid = MakeTiny({TGridOption::goRangeSelect, TGridOption::goDrawFocusSelected}, 0);
  grid->SetFixedColor(clGray);
  grid->SetColor(clSilver);
  grid->SetDefaultDrawing(false);
  grid->SetSelection({1, 1, 1, 1});
  // Each cell fills itself with the brush it is given, after the cell
  // before it left the brush in another colour.
  grid->OnDrawCell = [grid](TObject*, int, int, const TRect& Rect, TGridDrawState) {
    grid->Canvas()->FillRect(Rect);
    grid->Canvas()->Brush()->SetColor(clBlack);
  };
  grid->Invalidate();
  Pump();
  const std::string picture = Ascii(grid);
  EXPECT_EQ(picture.substr(19 * 0, 18), "ggggggggggggssssss");  // fixed row
  EXPECT_EQ(picture.substr(19 * 3, 18), "gggghhhhssssssssss");  // the selected cell
  EXPECT_EQ(picture.substr(19 * 6, 18), "ggggssssssssssssss");
  delete grid;
}

TEST_F(GridPaint, TheDefaultDrawingFillsTheCellInTheBrushItFinds) {
  // Whatever DrawCell did before the default drawing, the cell shows the
  // brush the default drawing finds, or the grid's own fill under a clear
  // brush.
  struct Case {
    const char* Name;
    std::function<void(TCanvas&, const TRect&)> Prepare;
    const char* Cell;  // the top row of cell (1, 1)
  };
  const Case cases[] = {
      {"nothing done", nullptr, "...."},
      {"another brush colour", [](TCanvas& Canvas, const TRect&) { Canvas.Brush()->SetColor(clSilver); }, "ssss"},
      {"a clear brush", [](TCanvas& Canvas, const TRect&) { Canvas.Brush()->SetStyle(TBrushStyle::bsClear); }, "...."},
      {"drawn on, the brush put back",
       [](TCanvas& Canvas, const TRect& Rect) {
         const TColor color = Canvas.Brush()->Color();
         Canvas.Brush()->SetColor(clBlack);
         Canvas.FillRect(Rect);
         Canvas.Brush()->SetColor(color);
       },
       "...."},
      {"drawn on through its DC",
       [](TCanvas& Canvas, const TRect& Rect) {
         const RECT r = Rect;
         const HBRUSH black = CreateSolidBrush(0);
         FillRect(Canvas.Handle(), &r, black);
         DeleteObject(black);
       },
       "...."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    auto* grid = MakeTiny<TPreparingGrid>({TGridOption::goVertLine, TGridOption::goHorzLine}, 1);
    grid->Prepare = c.Prepare;
    grid->Invalidate();
    Pump();
    EXPECT_EQ(Ascii(grid).substr(19 * 4 + 5, 4), c.Cell);
    delete grid;
  }
}

TEST_F(GridPaint, AStringGridLooksAsItsReferencePicture) {
  Form()->SetBounds(100, 100, 360, 220);
  TStringGrid* grid = Make<TStringGrid>(Bounds(8, 8, 330, 170));
  grid->SetColCount(6);
  grid->SetRowCount(8);
  grid->SetOptions(grid->Options() + TGridOptions{TGridOption::goRangeSelect});
  const char* heads[] = {"", "Name", "Size", "Kind", "Date", "More"};
  for (int c = 0; c < 6; ++c) grid->SetCells(c, 0, heads[c]);
  for (int r = 1; r < 8; ++r) {
    grid->SetCells(0, r, std::to_string(r));
    for (int c = 1; c < 6; ++c) grid->SetCells(c, r, "Cell " + std::to_string(c) + "." + std::to_string(r));
  }
  grid->SetSelection({1, 2, 2, 3});
  grid->SetFocus();
  Pump();
  const std::unique_ptr<Bitmap> shot = WindowPicture(Form()->Handle());
  ASSERT_TRUE(shot);
  const TPictureMatch match = MatchReference(*shot, TestDataDir() + "/StringGrid.png", 24);
  const bool close = match.Loaded && match.Differing * 1000 <= shot->Width() * shot->Height();
  if (!close) {
    ADD_FAILURE() << "the grid does not match its reference (" << match.Differing << " pixels differ, loaded "
                  << match.Loaded << "); it is kept in " << KeepForInspection(*shot, "StringGrid.actual.png");
  }
}

}  // namespace
}  // namespace plat::testing
