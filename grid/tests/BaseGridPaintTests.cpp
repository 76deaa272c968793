// What TBaseGrid paints, read back from the headless display as ASCII
// pictures and probe tables: its own lines (silver in data cells, grey and
// one pixel wide in fixed cells, none at width 0), the active row, the
// hidden last row, a 64-band gradient, a merged range drawn whole with its
// text centred across it and clipped off the fixed cells, at most twice per
// paint pass, and the caller's clip region given back.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "grid/TBaseGrid.h"
#include "grid/TCellProperties.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/TBrush.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/tests/StdControlsFixture.h"

namespace zorbit {
namespace {

using plat::TColor;
using plat::TRect;

// Takes the fill colours from the cells' properties, as the grid above
// does, and counts the texts drawn per cell.
class TPaintGrid : public TBaseGrid {
 public:
  using TBaseGrid::TBaseGrid;
  std::map<std::pair<int, int>, int> TextsDrawn;
  bool SetCallersClip = false;
  bool CallersClipKept = false;

 protected:
  void GetCellColor(int ACol, int ARow, plat::TGridDrawState&, bool, bool, bool, plat::TBrush* ABrush, TColor& AColorTo,
                    plat::TFont*, bool&, plat::TAlignment&, TVAlignment&) override {
    if (!HasCellProperties(ACol, ARow)) return;
    const TCellProperties* p = GetCellProperties(ACol, ARow);
    if (p->BrushColor() != plat::clNone) ABrush->SetColor(p->BrushColor());
    AColorTo = p->BrushColorTo();
  }
  void DrawCellText(plat::TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect,
                    plat::TGridDrawState AState) override {
    ++TextsDrawn[{ACol, ARow}];
    TBaseGrid::DrawCellText(ACanvas, ACol, ARow, ARect, AState);
  }
  void Paint() override {
    if (!SetCallersClip) {
      TBaseGrid::Paint();
      return;
    }
    const plat::HDC dc = Canvas()->Handle();
    const plat::HRGN callers = plat::CreateRectRgn(0, 0, Width(), Height() - 1);
    plat::SelectClipRgn(dc, callers);
    TBaseGrid::Paint();
    const plat::HRGN after = plat::CreateRectRgn(0, 0, 0, 0);
    CallersClipKept = plat::GetClipRgn(dc, after) == 1 && plat::EqualRgn(after, callers);
    plat::SelectClipRgn(dc, nullptr);
    plat::DeleteObject(after);
    plat::DeleteObject(callers);
  }
};

class BaseGridPaint : public plat::testing::StdControlsTest {
 protected:
  // A grid without border and scroll bars, Cols x Rows cells of W x H
  // pixels, fixed cells in aqua, the current cell at (Cols-1, Rows-1).
  TPaintGrid* MakeGrid(int ClientW, int ClientH, int Cols, int Rows, int W, int H) {
    auto* grid = Make<TPaintGrid>({10, 10, 10 + ClientW, 10 + ClientH});
    grid->SetBorderStyle(plat::TBorderStyle::bsNone);
    grid->SetScrollBars(plat::TScrollStyle::ssNone);
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows);
    grid->SetDefaultColWidth(W);
    grid->SetDefaultRowHeight(H);
    grid->SetFixedColor(plat::clAqua);
    grid->SetCol(Cols - 1);
    grid->SetRow(Rows - 1);
    Pump();
    return grid;
  }
  // The client area as characters: s C0C0C0, g 808080, a aqua, . white,
  // h highlight, i info background, # black, ? anything else; rows joined
  // by "|".
  std::string Ascii(plat::TControl* Control, int Top = 0, int Bottom = -1) {
    std::string out;
    if (Bottom < 0) Bottom = Control->ClientHeight();
    for (int y = Top; y < Bottom; ++y) {
      if (y > Top) out += '|';
      for (int x = 0; x < Control->ClientWidth(); ++x) out += Char(PixelAt(Control, {x, y}));
    }
    return out;
  }
  static char Char(plat::COLORREF c) {
    const auto is = [c](TColor color) { return c == static_cast<plat::COLORREF>(plat::ColorToRGB(color)); };
    return is(0xC0C0C0)            ? 's'
           : is(0x808080)          ? 'g'
           : is(plat::clAqua)      ? 'a'
           : is(plat::clWhite)     ? '.'
           : is(plat::clHighlight) ? 'h'
           : is(plat::clInfoBk)    ? 'i'
           : is(plat::clBlack)     ? '#'
                                   : '?';
  }
  void Repaint(plat::TControl* Control) {
    Control->Invalidate();
    Pump();
  }
};

TEST_F(BaseGridPaint, LinesActiveRowAndHiddenLastRow) {
  struct Case {
    const char* Name;
    int LineWidth;
    bool ActiveRow;
    bool HideLastRow;
    const char* Picture;
  };
  const Case cases[] = {
      {"silver lines in data cells, grey one-pixel lines in fixed cells", 1, false, false,
       "aaaaagaaaaagaaaaag|aaaaagaaaaagaaaaag|aaaaagaaaaagaaaaag|gggggggggggggggggg|"
       "aaaaag.....s.....s|aaaaag.....s.....s|aaaaag.....s.....s|ggggggssssssssssss|"
       "aaaaag.....shhhhhs|aaaaag.....shhhhhs|aaaaag.....shhhhhs|ggggggssssssssssss"},
      {"width 0: no lines and no shrinking in data cells, fixed cells keep theirs", 0, false, false,
       "aaaaagaaaaagaaaaag|aaaaagaaaaagaaaaag|aaaaagaaaaagaaaaag|gggggggggggggggggg|"
       "aaaaag............|aaaaag............|aaaaag............|gggggg............|"
       "aaaaag......hhhhhh|aaaaag......hhhhhh|aaaaag......hhhhhh|gggggg......hhhhhh"},
      // The pen keeps the cell's own colour: the fill's outline stays white.
      {"the current row's other cells in the active-row colour", 1, true, false,
       "aaaaagaaaaagaaaaag|aaaaagaaaaagaaaaag|aaaaagaaaaagaaaaag|gggggggggggggggggg|"
       "aaaaag.....s.....s|aaaaag.....s.....s|aaaaag.....s.....s|ggggggssssssssssss|"
       "aaaaag.....shhhhhs|aiiiig.iiiishhhhhs|aiiiig.iiiishhhhhs|ggggggssssssssssss"},
      {"the hidden last row in the grid's colour", 1, false, true,
       "aaaaagaaaaagaaaaag|aaaaagaaaaagaaaaag|aaaaagaaaaagaaaaag|gggggggggggggggggg|"
       "aaaaag.....s.....s|aaaaag.....s.....s|aaaaag.....s.....s|ggggggssssssssssss|"
       "..................|..................|..................|.................."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TPaintGrid* grid = MakeGrid(18, 12, 3, 3, 6, 4);
    grid->SetGridLineWidth(c.LineWidth);
    grid->SetActiveRowShow(c.ActiveRow);
    grid->SetHideLastRow(c.HideLastRow);
    Repaint(grid);
    EXPECT_EQ(Ascii(grid), c.Picture);
    delete grid;
  }
}

TEST_F(BaseGridPaint, AGradientCellFillsItsRowsInSixtyFourBands) {
  TPaintGrid* grid = MakeGrid(40, 80, 2, 3, 20, 8);
  grid->SetRowHeights(1, 64);
  TCellProperties* p = grid->GetCellProperties(1, 1);
  p->SetBrushColor(plat::clBlack);
  p->SetBrushColorTo(0xFC0000);  // blue 252: band n is blue round(n * 252 / 64)
  Repaint(grid);
  struct Probe {
    int Y;  // from the cell's top
    int Blue;
  };
  const Probe probes[] = {{0, 0}, {1, 4}, {2, 8}, {16, 63}, {31, 122}, {32, 126}, {48, 189}, {62, 244}};
  for (const Probe& probe : probes) {
    const plat::COLORREF c = PixelAt(grid, {30, 8 + probe.Y});
    EXPECT_EQ(c, static_cast<plat::COLORREF>(probe.Blue << 16)) << "row " << probe.Y;
  }
  // The last row of the cell is its line, and so is its last column.
  EXPECT_EQ(Char(PixelAt(grid, {30, 8 + 63})), 's');
  EXPECT_EQ(Char(PixelAt(grid, {39, 8 + 20})), 's');
  delete grid;
}

TEST_F(BaseGridPaint, AMergedRangeIsDrawnWholeWithItsTextCentredAndNeverOverTheFixedCells) {
  TPaintGrid* grid = MakeGrid(100, 48, 5, 3, 30, 16);
  grid->Font()->SetName("Arial");
  grid->Font()->SetSize(10);
  grid->SetCol(1);
  grid->SetRow(2);
  grid->SetLeftCol(1);
  grid->MergeCellRange(1, 1, 3, 1);
  grid->SetCellText(2, 1, "WW");
  Repaint(grid);
  // No line inside the range; the text's ink centred across its 90 pixels.
  EXPECT_EQ(Char(PixelAt(grid, {59, 20})), '.');
  EXPECT_EQ(Char(PixelAt(grid, {89, 20})), '.');
  int left = 1000, right = -1;
  for (int y = 16; y < 32; ++y)
    for (int x = 0; x < 100; ++x)
      if (Char(PixelAt(grid, {x, y})) == '#') {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  ASSERT_GE(right, left);
  EXPECT_NEAR((left + right + 1) / 2.0, 75.0, 1.0);
  // Each pass draws the range at most twice: once as its base, once for
  // the first member the pass reaches.
  grid->TextsDrawn.clear();
  Repaint(grid);
  const int drawn = grid->TextsDrawn[std::make_pair(1, 1)];
  EXPECT_GE(drawn, 1);
  EXPECT_LE(drawn, 2);
  EXPECT_EQ(grid->TextsDrawn.count({2, 1}) + grid->TextsDrawn.count({3, 1}), 0u);
  // Scrolled so that the range's middle lies under the fixed column: drawn
  // for its members, clipped off the fixed cells.
  grid->SetLeftCol(3);
  ASSERT_EQ(grid->LeftCol(), 3);
  Repaint(grid);
  EXPECT_EQ(Ascii(grid, 16, 32).substr(0, 30), "aaaaaaaaaaaaaaaaaaaaaaaaaaaaag");
  for (int y = 16; y < 31; ++y)
    for (int x = 0; x < 29; ++x) ASSERT_EQ(Char(PixelAt(grid, {x, y})), 'a') << x << "," << y;
  delete grid;
}

TEST_F(BaseGridPaint, DrawingGivesBackTheCallersClipRegionAndCountsPasses) {
  TPaintGrid* grid = MakeGrid(100, 48, 5, 3, 30, 16);
  grid->MergeCellRange(1, 1, 3, 1);
  grid->SetLeftCol(2);  // the range reaches under the fixed column: clipped
  grid->SetCallersClip = true;
  const std::int64_t before = grid->PaintPass();
  Repaint(grid);
  EXPECT_TRUE(grid->CallersClipKept);
  EXPECT_EQ(grid->PaintPass(), before + 1);
  delete grid;
}

TEST_F(BaseGridPaint, EachDrawnCellEndsInTheDrawEvent) {
  TPaintGrid* grid = MakeGrid(100, 48, 3, 3, 30, 16);
  std::vector<std::string> drawn;
  grid->OnDrawCell = [&](plat::TObject* Sender, int ACol, int ARow, const TRect& R, plat::TGridDrawState AState) {
    EXPECT_EQ(Sender, grid);
    if (ACol != 1 || ARow != 1) return;
    drawn.push_back(std::to_string(R.Left) + "," + std::to_string(R.Top) + "," + std::to_string(R.Right) + "," +
                    std::to_string(R.Bottom) + (AState.Contains(plat::TGridDrawStateItem::gdFixed) ? " fixed" : ""));
  };
  Repaint(grid);
  // Inside the cell's lines: the cell less the grid line width all round.
  const TRect cell = grid->GetCellRect(1, 1);
  EXPECT_EQ(drawn, std::vector<std::string>{std::to_string(cell.Left + 1) + "," + std::to_string(cell.Top + 1) + "," +
                                            std::to_string(cell.Right - 1) + "," + std::to_string(cell.Bottom - 1)});
  delete grid;
}

}  // namespace
}  // namespace zorbit
