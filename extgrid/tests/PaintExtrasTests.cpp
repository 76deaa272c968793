// What painting draws around the text, probed in the window: the filter
// glyph, the sort indicator, HTML and Unicode cells, the selection frame,
// pictures behind the cells and beyond them, the dotted sizing lines, the
// desktop colour scheme and number formats.
#include <gtest/gtest.h>

#include <memory>

#include "extgrid/tests/ExtGridPaintFixture.h"
#include "grid/ExtUtilUnicode.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/ThemeServices.h"

namespace zorbit {
namespace {

using plat::TColor;

// A grid whose header cells of column 2 carry the filter glyph.
class TFilteredGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::TExtStringGrid;
  using TExtStringGrid::DrawSortIndicator;
  bool HasFilterGlyph(int ACol, int) override { return ACol == 2; }
};

class PaintExtras : public testing::ExtGridPaintTest {
 protected:
  void SetUp() override {
    ExtGridPaintTest::SetUp();
    // The fixture's grid replaced by one with the filter glyph.
    delete FGrid;
    FGrid = new TFilteredGrid(FForm);
    FGrid->SetParent(FForm);
    FGrid->SetBorderStyle(plat::TBorderStyle::bsNone);
    FGrid->SetScrollBars(plat::TScrollStyle::ssNone);
    FGrid->SetBounds(4, 4, 480, 300);
  }
  int Count(TColor Colour, const plat::TRect& Area) {
    int n = 0;
    for (int y = Area.Top; y < Area.Bottom; ++y)
      for (int x = Area.Left; x < Area.Right; ++x) n += At(x, y) == Colour;
    return n;
  }
};

TEST_F(PaintExtras, TheFilterGlyphStandsInTheHeadersRightmostPixels) {
  Show(4, 4);
  Keep("filter-glyph");
  const plat::TRect filtered = FGrid->CellRect(2, 0);
  const plat::TRect plain = FGrid->CellRect(1, 0);
  const TColor body = 0xB06030;  // the funnel's blue, as 00BBGGRR
  const plat::TRect glyph{filtered.Right - 16, filtered.Top, filtered.Right, filtered.Bottom};
  EXPECT_GT(Count(body, glyph), 20);
  EXPECT_EQ(Count(body, {plain.Left, plain.Top, plain.Right, plain.Bottom}), 0);
  EXPECT_EQ(Count(plat::clFuchsia, glyph), 0) << "the corner colour is left out";
}

TEST_F(PaintExtras, TheSortIndicatorPointsTheSortsWay) {
  FGrid->SortSettings()->SetShow(true);
  FGrid->SortSettings()->SetColumn(1);
  FGrid->SetFixedGradientFrom(plat::clSilver);
  FGrid->SetFixedGradientTo(plat::clSilver);
  Show(4, 5);
  const plat::TRect header = FGrid->CellRect(1, 0);
  const plat::TRect other = FGrid->CellRect(2, 0);
  // Inside the cells' own grey lines.
  const auto gray = [&](const plat::TRect& r) { return Count(plat::ColorToRGB(plat::clGray), r.Inflated(-2, -2)); };
  EXPECT_GE(gray(header), 6);
  EXPECT_EQ(gray(other), 0);
  // Ascending: the lit edge is the bottom one.
  const int y = header.Top + 1 + 8;  // inside the cell line, 8 below the top
  const int x = header.Left + 1 + 12;  // 10 past the empty text's width of 2
  EXPECT_EQ(At(x, y + 4), plat::clWhite);
  FGrid->SortSettings()->SetDirection(TSortDirection::sdDescending);
  Repaint();
  Keep("sort-indicator");
  EXPECT_EQ(At(x, y - 4), plat::clWhite);
  EXPECT_EQ(At(x - 2, y), plat::ColorToRGB(plat::clGray));
}

TEST_F(PaintExtras, HtmlAndUnicodeCellsShowTheirTextNotTheirMarkup) {
  Show(4, 4);
  FGrid->SetCellText(1, 1, "<B>x</B>");
  FGrid->SetCellText(2, 1, "x");
  FGrid->SetCellFontStyle(2, 1, {plat::TFontStyle::fsBold});
  FGrid->SetCellWideText(1, 2, u"x");
  FGrid->SetCellText(2, 2, "x");
  FGrid->SetRow(3);
  Repaint();
  Keep("html-unicode");
  const TColor window = FGrid->Color();
  EXPECT_EQ(Ink(1, 1, window), Ink(2, 1, window));
  EXPECT_EQ(Ink(1, 2, window), Ink(2, 2, window));
  EXPECT_GT(Ink(1, 1, window), 0);
}

TEST_F(PaintExtras, TheSelectionRectangleFramesTheSelectionsOuterEdges) {
  FGrid->SetSelectionRectangle(true);
  FGrid->SetSelectionResizer(true);
  Show(5, 5);
  FGrid->SetSelection({1, 1, 2, 2});
  Pump();
  Keep("selection-frame");
  const plat::TRect topLeft = FGrid->CellRect(1, 1);
  const plat::TRect bottomRight = FGrid->CellRect(2, 2);
  EXPECT_EQ(At(topLeft.Left + 1, topLeft.Top + 8), plat::clBlack);
  // The frame is two pixels wide, inside the cells' lines.
  EXPECT_EQ(At(topLeft.Left + 20, topLeft.Top + 1), plat::clBlack);
  EXPECT_EQ(At(topLeft.Left + 20, topLeft.Top + 3), FGrid->SelectionColor());
  EXPECT_NE(At(topLeft.Right - 1, topLeft.Top + 8), plat::clBlack) << "an inner edge";
  EXPECT_EQ(At(bottomRight.Right - 4, bottomRight.Bottom - 4), plat::clBlack) << "the resizer";
}

TEST_F(PaintExtras, APictureIsTiledBehindNormalCellsAndBeyondThem) {
  plat::TBitmap tile;
  tile.SetSize(8, 8);
  tile.Canvas()->Brush()->SetColor(plat::clLime);
  tile.Canvas()->FillRect({0, 0, 8, 8});
  tile.Canvas()->Brush()->SetColor(plat::clBlue);
  tile.Canvas()->FillRect({0, 0, 4, 4});
  FGrid->BackGround()->SetBitmap(&tile);
  Show(3, 3);
  Keep("background-tiles");
  const plat::TRect cell = FGrid->CellRect(2, 2);
  EXPECT_GT(Count(plat::clLime, cell), 100);
  EXPECT_EQ(Count(plat::clLime, FGrid->CellRect(0, 1)), 0) << "fixed cells keep their look";
  // Beyond the last column.
  EXPECT_GT(Count(plat::clBlue, {cell.Right + 2, 0, FGrid->ClientWidth(), 60}), 100);
}

TEST_F(PaintExtras, ASizingLineDrawnTwiceLeavesNothing) {
  Show(4, 4);
  const TColor before = At(100, 30);
  FGrid->DrawColSizingLine(100);
  FGrid->DrawRowSizingLine(30);
  Pump();
  int changed = 0;
  for (int y = 0; y < 80; ++y) changed += At(100, y) != before && At(100, y) != 0xC0C0C0;
  EXPECT_GT(changed, 0);
  FGrid->DrawColSizingLine(100);
  FGrid->DrawRowSizingLine(30);
  Pump();
  EXPECT_EQ(At(100, 30), before);
}

// A desktop style with a colour scheme of our choosing.
class TSchemeService : public plat::IThemeService {
 public:
  explicit TSchemeService(std::u16string Name) : FName(std::move(Name)) {}
  bool IsThemeActive() override { return true; }
  bool CurrentThemeName(plat::WideString& File, plat::WideString& Colour, plat::WideString& Size) override {
    File = u"luna.msstyles";
    Colour = FName;
    Size = u"NormalSize";
    return true;
  }
  plat::HTHEME OpenThemeData(plat::HWND, const plat::WideString&) override { return nullptr; }
  plat::HRESULT CloseThemeData(plat::HTHEME) override { return plat::E_HANDLE; }
  plat::HRESULT DrawThemeBackground(plat::HTHEME, plat::HDC, int, int, const plat::RECT&, const plat::RECT*) override {
    return plat::S_OK;
  }

 private:
  std::u16string FName;
};

TEST_F(PaintExtras, TheDesktopSchemeGivesTheFixedGradientAndActiveCellColours) {
  struct Case {
    const char16_t* Scheme;
    TColor From, To, Active;
  };
  const Case cases[] = {
      {u"HomeStead", 0xCFF0EA, 0x8CC0B1, 0x94E6FB},
      {u"Metallic", 0xECE2E1, 0xB39698, 0x94E6FB},
      {u"Royale", plat::clWhite, plat::ColorToRGB(plat::clBtnFace), plat::clWhite},
  };
  for (const Case& c : cases) {
    auto previous = plat::SetThemeService(std::make_unique<TSchemeService>(c.Scheme));
    FGrid->SetAutoThemeAdapt(true);
    plat::SetThemeService(std::move(previous));
    EXPECT_EQ(FGrid->FixedGradientFrom(), c.From);
    EXPECT_EQ(FGrid->FixedGradientTo(), c.To);
    EXPECT_EQ(FGrid->ActiveCellColor(), c.Active);
  }
  EXPECT_EQ(FGrid->ControlLook()->FixedGradientFrom(), plat::clNone);
}

TEST_F(PaintExtras, NumberCellsTakeTheFloatFormatTheEventGives) {
  FGrid->SetCellText(1, 1, "2.5");
  FGrid->SetCellText(1, 2, "abc");
  FGrid->SetCellText(1, 3, "7");
  FGrid->OnGetFloatFormat = [](plat::TObject*, int, int ARow, bool& IsFloat, plat::String& Format) {
    if (ARow == 3) IsFloat = false;
    Format = "%.3f";
  };
  plat::String text;
  FGrid->GetDisplayText(1, 1, text);
  EXPECT_EQ(text, "2.500");
  FGrid->GetDisplayText(1, 2, text);
  EXPECT_EQ(text, "abc");
  FGrid->GetDisplayText(1, 3, text);
  EXPECT_EQ(text, "7");
  FGrid->OnGetFloatFormat = [](plat::TObject*, int, int, bool&, plat::String& Format) { Format = "%d"; };
  FGrid->GetDisplayText(1, 1, text);
  EXPECT_EQ(text, "2.5") << "a format that does not fit shows the raw text";
}

TEST_F(PaintExtras, RichTextIsDrawnByTheRichEditAndAnUnreadableOneAsItsRawText) {
  FGrid->SetWordWrap(false);
  Show(4, 5);
  FGrid->SetColWidths(1, 150);
  FGrid->SetColWidths(2, 150);
  FGrid->SetCellText(1, 1, R"({\rtf1 {\b bold} plain})");
  FGrid->SetCellText(1, 2, R"({\rtf1 {\b unbalanced})");
  FGrid->SetCellText(2, 2, R"({\rtf1 {\b unbalanced})");
  FGrid->SetCellFontStyle(2, 2, {});
  FGrid->SetRow(4);
  Repaint();
  Keep("rich-text");
  const TColor window = FGrid->Color();
  EXPECT_GT(Ink(1, 1, window), 40);
  EXPECT_EQ(Ink(1, 2, window), Ink(2, 2, window));
  EXPECT_TRUE(Exceptions().empty());
  int w = 0, h = 0, plainW = 0;
  FGrid->GetCellTextSize(1, 1, w, h, false);
  FGrid->SetCellText(3, 1, "bold plain");
  FGrid->GetCellTextSize(3, 1, plainW, h, false);
  EXPECT_GT(w, plainW / 2);
  EXPECT_LT(w, plainW * 2);
}

TEST_F(PaintExtras, AVerticalGradientRunsDownTheWholeControlBehindTheCells) {
  FGrid->BackGround()->SetColor(plat::clWhite);
  FGrid->BackGround()->SetColorTo(plat::clBlack);
  FGrid->BackGround()->SetDisplay(TBackGroundDisplay::bdGradientVert);
  Show(3, 3);
  Keep("background-gradient");
  const auto level = [this](int X, int Y) { return static_cast<int>(At(X, Y) & 0xFF); };
  const plat::TRect cell = FGrid->CellRect(2, 2);
  // A cell takes its slice of the control's gradient; the area below the
  // cells goes on darkening to the bottom.
  const int atCell = level(cell.Left + 30, cell.Top + 10);
  const int expected = 255 - 255 * (cell.Top + 10) / FGrid->Height();
  EXPECT_NEAR(atCell, expected, 8);
  EXPECT_LT(level(cell.Left + 30, FGrid->ClientHeight() - 3), 20);
  EXPECT_GT(level(cell.Left + 30, cell.Bottom + 3), atCell - 30);
}

TEST_F(PaintExtras, LinksShowWithoutTheirProtocolInTheLinkColour) {
  FGrid->SetWordWrap(false);
  Show(4, 4);
  FGrid->SetColWidths(1, 120);
  FGrid->SetColWidths(2, 120);
  FGrid->SetCellText(1, 1, "http://ovra.example");
  FGrid->SetCellText(2, 1, "ovra.example");
  FGrid->SetRow(3);
  FGrid->SetURLShow(true);
  FGrid->SetURLColor(plat::clBlue);
  Repaint();
  Keep("link");
  const plat::TRect link = FGrid->CellRect(1, 1), plain = FGrid->CellRect(2, 1);
  const int blue = Count(plat::clBlue, link);
  EXPECT_GT(blue, Ink(2, 1, FGrid->Color())) << "the same text, underlined";
  EXPECT_EQ(Count(plat::clBlue, plain), 0);
  FGrid->SetURLFull(true);
  Repaint();
  EXPECT_GT(Count(plat::clBlue, link), blue) << "with its protocol";
}

}  // namespace
}  // namespace zorbit
