// Per-cell and per-row colours and fonts as the cell store keeps them and
// as the window shows them, and the small accessors beside them.
#include <gtest/gtest.h>

#include <functional>

#include "extgrid/tests/ExtGridPaintFixture.h"
#include "grid/TCellProperties.h"

namespace zorbit {
namespace {

using plat::TColor;

class CellColors : public testing::ExtGridPaintTest {};

TEST_F(CellColors, ReadingABrushColourMakesNoPropertiesButReadOnlyDoes) {
  EXPECT_EQ(FGrid->GetCellBrushColor(2, 3), plat::clNone);
  EXPECT_FALSE(FGrid->HasCellProperties(2, 3));
  EXPECT_EQ(FGrid->GetCellControl(2, 3), nullptr);
  EXPECT_FALSE(FGrid->HasCellProperties(2, 3));
  EXPECT_FALSE(FGrid->GetCellReadOnly(2, 3));
  EXPECT_TRUE(FGrid->HasCellProperties(2, 3));
}

TEST_F(CellColors, CellSettersWriteOneFieldEvenBeyondTheCounts) {
  FGrid->SetCellBrushColor(40, 50, plat::clRed);
  FGrid->SetCellBrushColorTo(40, 50, plat::clBlue);
  FGrid->SetCellFontColor(40, 50, plat::clGreen);
  FGrid->SetCellFontStyle(40, 50, {plat::TFontStyle::fsItalic});
  const TCellProperties* props = FGrid->GetCellProperties(40, 50);
  EXPECT_EQ(props->BrushColor(), plat::clRed);
  EXPECT_EQ(props->BrushColorTo(), plat::clBlue);
  EXPECT_EQ(props->FontColor(), plat::clGreen);
  EXPECT_EQ(props->FontStyle(), plat::TFontStyles{plat::TFontStyle::fsItalic});
  EXPECT_EQ(FGrid->GetCellBrushColor(40, 50), plat::clRed);
}

TEST_F(CellColors, RowSettersWriteTheDataCellsAndNoneFreesTheirSettings) {
  FGrid->SetColCount(4);
  FGrid->SetFixedCols(1);
  struct Case {
    const char* Name;
    std::function<void(TExtStringGrid&, int, TColor)> Set;
    std::function<TColor(const TCellProperties&)> Get;
  };
  const Case cases[] = {
      {"brush", &TExtStringGrid::SetRowBrushColor, &TCellProperties::BrushColor},
      {"gradient end", &TExtStringGrid::SetRowBrushColorTo, &TCellProperties::BrushColorTo},
      {"font", &TExtStringGrid::SetRowFontColor, &TCellProperties::FontColor},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    c.Set(*FGrid, 2, 0x123456);
    EXPECT_FALSE(FGrid->HasCellProperties(0, 2));
    for (int col = 1; col < 4; ++col) EXPECT_EQ(c.Get(*FGrid->GetCellProperties(col, 2)), 0x123456);
    // Any setting of the data cells goes with clNone, not only the colour.
    FGrid->GetCellProperties(1, 2)->SetAlignment(plat::TAlignment::taCenter);
    FGrid->GetCellProperties(0, 2)->SetBrushColor(plat::clAqua);
    c.Set(*FGrid, 2, plat::clNone);
    for (int col = 1; col < 4; ++col) EXPECT_FALSE(FGrid->HasCellProperties(col, 2));
    EXPECT_EQ(FGrid->GetCellBrushColor(0, 2), plat::clAqua);
    FGrid->FreeCellProperties(0, 2);
  }
}

TEST_F(CellColors, ABoldCaptionCellDrawsHeavierThanItsNeighbours) {
  FGrid->SetFixedCols(0);
  Show(2, 5);
  for (const auto& [col, row] : {std::pair{0, 2}, {1, 2}, {0, 3}}) FGrid->SetCellText(col, row, "Motherboard");
  FGrid->SetCellFontStyle(0, 2, {plat::TFontStyle::fsBold});
  FGrid->SetRow(4);
  Repaint();
  Keep("bold-caption");
  const TColor window = FGrid->Color();
  EXPECT_GT(Ink(0, 2, window), Ink(0, 3, window) * 11 / 10);
  EXPECT_EQ(Ink(1, 2, window), Ink(0, 3, window));
  EXPECT_FALSE(FGrid->HasCellProperties(1, 2));
}

TEST_F(CellColors, FixedGradientColoursStartAsTheLookColoursAndAreKeptAsRgb) {
  EXPECT_EQ(FGrid->FixedGradientFrom(), FGrid->LookColor1());
  EXPECT_EQ(FGrid->FixedGradientTo(), FGrid->LookColor2());
  FGrid->SetFixedGradientFrom(plat::clBtnFace);
  FGrid->SetFixedGradientTo(plat::clRed);
  EXPECT_EQ(FGrid->FixedGradientFrom(), plat::ColorToRGB(plat::clBtnFace));
  EXPECT_EQ(FGrid->FixedGradientTo(), plat::clRed);
}

TEST_F(CellColors, TheCurrentCellTextOfAMergedCellIsItsBaseCells) {
  Show(4, 4);
  FGrid->MergeCellRange(1, 1, 2, 2);
  FGrid->SetCol(2);
  FGrid->SetRow(2);
  FGrid->SetCurrentCellText("base");
  EXPECT_EQ(FGrid->Cells(1, 1), "base");
  EXPECT_EQ(FGrid->CurrentCellText(), "base");
  FGrid->SetCurrentCellEditText("edited");
  EXPECT_EQ(FGrid->Cells(1, 1), "edited");
}

TEST_F(CellColors, TheGridKeepsTheCursorItWasGiven) {
  FGrid->SetCursor(plat::crHandPoint);
  EXPECT_EQ(FGrid->Cursor(), plat::crHandPoint);
  EXPECT_EQ(FGrid->GridCursor(), plat::crHandPoint);
}

TEST_F(CellColors, SizeWithFormFollowsTheFormsChangeWhileBothSidesStayPositive) {
  Show(3, 3);
  FGrid->SetSizeWithForm(true);
  FForm->SetBounds(20, 20, 560, 330);
  EXPECT_EQ(FGrid->Width(), 520);
  EXPECT_EQ(FGrid->Height(), 270);
  // A shrink that would leave no grid is not followed, but remembered.
  FGrid->SetWidth(30);
  FForm->SetBounds(20, 20, 500, 330);
  EXPECT_EQ(FGrid->Width(), 30);
  FForm->SetBounds(20, 20, 540, 330);
  EXPECT_EQ(FGrid->Width(), 70);
}

}  // namespace
}  // namespace zorbit
