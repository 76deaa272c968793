// What the floating footer panel shows in its three styles: ASCII pictures
// of a tiny footer without text, the column preview and the template drawn
// on it, and a screenshot of a grid with its sums for a person to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/tests/ExtGridPaintFixture.h"
#include "grid/TCellProperties.h"
#include "platform/gdi/Colors.h"

namespace zorbit {
namespace {

class FooterPaint : public testing::ExtGridPaintTest {
 protected:
  // Three columns of 6 pixels in a grid 24 wide, the footer 5 high: the
  // footer silver, the grid white.
  void ShowTiny(TFooterStyle Style) {
    // A new grid for each case of a table.
    delete FGrid;
    FGrid = new TExtStringGrid(FForm);
    FGrid->SetParent(FForm);
    FGrid->SetBorderStyle(plat::TBorderStyle::bsNone);
    FGrid->SetScrollBars(plat::TScrollStyle::ssNone);
    FGrid->SetBounds(4, 4, 24, 30);
    FGrid->SetColCount(3);
    FGrid->SetRowCount(4);
    FGrid->SetDefaultColWidth(6);
    FGrid->SetDefaultRowHeight(5);
    FGrid->SetFixedRowHeight(5);
    FGrid->SetColor(plat::clWhite);
    FGrid->FloatingFooter()->SetColor(plat::clSilver);
    FGrid->FloatingFooter()->SetFooterStyle(Style);
    FGrid->FloatingFooter()->SetVisible(true);
    FForm->Show();
    Pump();
  }
  void RepaintFooter() {
    FGrid->FooterPanel()->Invalidate();
    Pump();
  }
  // The panel as characters: . white, s silver, g grey, # black, ? other;
  // rows joined by "|".
  std::string Ascii() {
    plat::TControl* panel = FGrid->FooterPanel();
    std::string out;
    for (int y = 0; y < panel->ClientHeight(); ++y) {
      if (y) out += '|';
      for (int x = 0; x < panel->ClientWidth(); ++x) {
        const plat::COLORREF c = PixelAt(panel, {x, y});
        const auto is = [c](plat::TColor Color) { return c == static_cast<plat::COLORREF>(plat::ColorToRGB(Color)); };
        out += is(plat::clWhite) ? '.' : is(plat::clSilver) ? 's' : is(plat::clGray) ? 'g' : is(plat::clBlack) ? '#' : '?';
      }
    }
    return out;
  }
  int Count(char C) {
    const std::string picture = Ascii();
    return static_cast<int>(std::count(picture.begin(), picture.end(), C));
  }
};

TEST_F(FooterPaint, TheLastRowUnderTheColumns) {
  ShowTiny(TFooterStyle::fsFixedLastRow);
  // The footer's colour under the columns, the grid's beyond them.
  // clang-format off
  EXPECT_EQ(Ascii(),
            "ssssssssssssssssss......|"
            "ssssssssssssssssss......|"
            "ssssssssssssssssss......|"
            "ssssssssssssssssss......|"
            "ssssssssssssssssss......");
  // clang-format on
  // The soft look separates the columns with white and grey lines.
  FGrid->SetLook(TGridLook::glSoft);
  FGrid->SetOptions(FGrid->Options() + plat::TGridOptions{plat::TGridOption::goFixedVertLine});
  RepaintFooter();
  // clang-format off
  EXPECT_EQ(Ascii(),
            ".ssssg.ssssg.ssssg......|"
            ".ssssg.ssssg.ssssg......|"
            ".ssssg.ssssg.ssssg......|"
            ".ssssg.ssssg.ssssg......|"
            ".ssssg.ssssg.ssssg......");
  // clang-format on
  // A footer cell with a colour of its own shows it.
  FGrid->GetCellProperties(1, 3)->SetBrushColor(plat::clBlack);
  RepaintFooter();
  EXPECT_EQ(Ascii().substr(0, 24), ".ssssg.####g.ssssg......");
}

TEST_F(FooterPaint, ThePreviewsAreFramed) {
  for (TFooterStyle style : {TFooterStyle::fsColumnPreview, TFooterStyle::fsCustomPreview}) {
    SCOPED_TRACE(static_cast<int>(style));
    ShowTiny(style);
    // White top and left, grey bottom and right, over the colours beneath.
    // clang-format off
    EXPECT_EQ(Ascii(),
              ".......................g|"
              ".sssssssssssssssss.....g|"
              ".sssssssssssssssss.....g|"
              ".sssssssssssssssss.....g|"
              "gggggggggggggggggggggggg");
    // clang-format on
  }
}

TEST_F(FooterPaint, TheColumnPreviewShowsTheCurrentRowInBlack) {
  Show(4, 5);
  FGrid->FloatingFooter()->SetColumn(2);
  FGrid->FloatingFooter()->SetFooterStyle(TFooterStyle::fsColumnPreview);
  FGrid->FloatingFooter()->SetVisible(true);
  FGrid->SetCells(2, 3, "Preview");
  FGrid->SetRow(3);
  FGrid->SetCol(2);
  FGrid->SetSelectionTextColor(plat::clRed);
  RepaintFooter();
  EXPECT_GT(Count('#'), 10);
  Keep("footer-column-preview");
  // The handler paints in the grid's place.
  int asked = -1;
  FGrid->OnFooterPaint = [&](plat::TObject*, int AColumn, plat::TCanvas*, const plat::TRect&) { asked = AColumn; };
  RepaintFooter();
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(Count('#'), 0);
  // A column outside the grid shows nothing.
  FGrid->OnFooterPaint = nullptr;
  FGrid->FloatingFooter()->SetColumn(9);
  RepaintFooter();
  EXPECT_EQ(Count('#'), 0);
  FGrid->FloatingFooter()->SetColumn(-1);
  RepaintFooter();
  EXPECT_EQ(Count('#'), 0);
}

TEST_F(FooterPaint, TheTemplateStandsTwoPixelsLower) {
  Show(4, 5);
  FGrid->FloatingFooter()->SetFooterStyle(TFooterStyle::fsCustomPreview);
  FGrid->FloatingFooter()->SetVisible(true);
  FGrid->FloatingFooter()->SetCustomTemplate("Total: <#2>");
  FGrid->SetCells(2, 2, "42");
  FGrid->SetRow(2);
  RepaintFooter();
  const std::string picture = Ascii();
  const int width = FGrid->FooterPanel()->ClientWidth();
  EXPECT_GT(Count('#'), 10);
  // Nothing in the frame's top line and the two rows below it.
  EXPECT_GE(static_cast<int>(picture.find('#')) / (width + 1), 3);
  Keep("footer-custom-preview");
}

TEST_F(FooterPaint, AGridWithItsSums) {
  Show(4, 8);
  FGrid->SetDefaultColWidth(90);
  const char* names[] = {"Name", "Apples", "Pears", "Plums"};
  for (int col = 0; col < 4; ++col) FGrid->SetCells(col, 0, names[col]);
  const char* rows[][4] = {{"North", "12", "7", "3.5"}, {"South", "30", "2", "1"}, {"East", "8", "x", "4"},
                           {"West", "15", "11", ""}, {"Centre", "5", "6", "2.25"}, {"Isles", "1", "0", "9"}};
  for (int r = 0; r < 6; ++r)
    for (int col = 0; col < 4; ++col) FGrid->SetCells(col, r + 1, rows[r][col]);
  FGrid->FloatingFooter()->SetColor(0xE8F0FF);
  FGrid->FloatingFooter()->SetVisible(true);
  FGrid->SetCells(0, 7, "Total");
  for (int col = 1; col < 4; ++col) FGrid->GetCellProperties(col, 7)->SetCalcType(1);
  FGrid->CalcFooter(-1);
  Pump();
  EXPECT_EQ(FGrid->Cells(1, 7), "71.00");
  EXPECT_EQ(FGrid->Cells(2, 7), "26.00");
  EXPECT_EQ(FGrid->Cells(3, 7), "19.75");
  Keep("footer-sums");
}

}  // namespace
}  // namespace zorbit
