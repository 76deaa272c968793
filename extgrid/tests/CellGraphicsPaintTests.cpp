// Cell graphics painted in the headless display: a grid holding every cell
// type against its reference picture, and pixel probes of where graphics
// stand and how each kind and look draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "extgrid/detail/RotatedOrigin.h"
#include "extgrid/tests/EveryCellType.h"
#include "extgrid/tests/ExtGridPaintFixture.h"
#include "grid/TCellProperties.h"
#include "platform/gdi/testing/RecordingThemeService.h"
#include "platform/ui/TImageList.h"
#include "testing/ProjectPaths.h"
#include "testing/ReferencePicture.h"
#include "testing/TempFolder.h"

namespace zorbit {
namespace {

class CellGraphicsPaint : public testing::ExtGridPaintTest {
 protected:
  // The grid's client area as a picture.
  plat::Bitmap Picture() {
    plat::Bitmap picture(FGrid->ClientWidth(), FGrid->ClientHeight());
    for (int y = 0; y < picture.Height(); ++y)
      for (int x = 0; x < picture.Width(); ++x) picture.Put(x, y, plat::PixelFromColorRef(PixelAt(FGrid, {x, y})));
    return picture;
  }
  // Pixels inside R (client coordinates) of the colour.
  int Count(const plat::TRect& R, plat::TColor Colour) {
    int n = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x) n += At(x, y) == plat::ColorToRGB(Colour);
    return n;
  }
  // A 3 x 3 grid of 80 x 30 cells, shown.
  void ShowLarge() {
    Show(3, 3);
    FGrid->SetDefaultColWidth(80);
    FGrid->SetDefaultRowHeight(30);
    FGrid->SetFixedRowHeight(30);
    FGrid->SetRowHeights(0, 30);
  }
  TCellGraphic* Make(int ACol, int ARow, TCellType Type) {
    TCellGraphic* graphic = FGrid->CreateCellGraphic(ACol, ARow);
    graphic->SetCellType(Type);
    return graphic;
  }
  // The canvas's text width of the grid's font, as the text is measured.
  int TextWidth(const plat::String& Text) {
    plat::TBitmap scratch;
    scratch.SetSize(1, 1);
    scratch.Canvas()->SetFont(*FGrid->Font());
    return scratch.Canvas()->TextWidth(Text);
  }
};

// The colour of the XP pictures' frames and ticks, as the screen shows them.
constexpr plat::TColor XPFrame = 0x80511C;
constexpr plat::TColor XPTick = 0x21A121;
constexpr plat::TColor XPDisabledFrame = 0xBBC8CA;
constexpr plat::TColor SilverFrame = 0x78736E;

TEST_F(CellGraphicsPaint, EveryCellTypeAgainstItsReference) {
  FForm->SetBounds(20, 20, 760, 440);
  FGrid->SetBounds(4, 4, 720, 394);
  plat::TImageList images(nullptr);
  testing::FillSampleImages(images);
  FGrid->SetGridImages(&images);
  Show(6, 9);
  FGrid->SetDefaultColWidth(118);
  FGrid->SetFixedCols(0);
  FGrid->SetOptions(FGrid->Options() + plat::TGridOptions{plat::TGridOption::goEditing});
  FGrid->SetDefaultRowHeight(32);
  FGrid->SetFixedRowHeight(22);
  FGrid->SetRowHeights(0, 22);
  testing::TTempFolder folder("celltypes");
  const std::vector<testing::TCellTypeSample>& samples = testing::CellTypeSamples();
  // Three pairs of columns: the type's name, then its cell; the node sits
  // in column 0, where nodes live, with the others beside it.
  for (int pair = 0; pair < 3; ++pair) {
    FGrid->SetCells(pair * 2, 0, "type");
    FGrid->SetCells(pair * 2 + 1, 0, "cell");
  }
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const int pair = static_cast<int>(i) / 8, row = static_cast<int>(i) % 8 + 1;
    if (samples[i].Type == TCellType::ctNode) continue;
    FGrid->SetCells(pair * 2, row, samples[i].Name);
    testing::MakeSampleCell(*FGrid, pair * 2 + 1, row, samples[i], folder.Path());
  }
  // The node: row 8 of column 0 heads itself alone.
  FGrid->SetCells(0, 8, "");
  FGrid->AddNode(8, 1);
  FGrid->SetCellText(0, 8, "ctNode");
  FGrid->SetCol(1);
  Repaint();
  const plat::Bitmap shot = Picture();
  const std::string kept = testing::KeepForInspection(shot, "extgrid/cell-types.png");
  const testing::TPictureMatch match =
      testing::MatchReference(shot, testing::SourcePath("extgrid/tests/data/CellTypes.png"), 24);
  EXPECT_TRUE(match.Loaded && match.Differing * 1000 <= shot.Width() * shot.Height())
      << "the cell types do not match their reference (" << match.Differing << " pixels differ); see " << kept;
}

TEST_F(CellGraphicsPaint, AGraphicStandsWhereItsAlignmentPutsIt) {
  ShowLarge();
  struct Case {
    const char* Name;
    TCellHAlign HAlign;
    TCellVAlign VAlign;
    plat::TAlignment TextAlign;
    plat::TPoint At;  // the graphic's top-left in the cell
  };
  const int text = TextWidth("ab") + 2;
  // The text stands in the cell less its margins and the graphic's width.
  const int centredText = 2 + 6 + (80 - 4 - 6 - text + 2) / 2;
  // clang-format off
  const Case cases[] = {
      {"left, top",               TCellHAlign::haLeft,       TCellVAlign::vaTop,       plat::TAlignment::taLeftJustify,  {1, 1}},
      {"right, bottom",           TCellHAlign::haRight,      TCellVAlign::vaBottom,    plat::TAlignment::taLeftJustify,  {73, 23}},
      {"centred both ways",       TCellHAlign::haCenter,     TCellVAlign::vaCenter,    plat::TAlignment::taLeftJustify,  {37, 12}},
      {"full",                    TCellHAlign::haFull,       TCellVAlign::vaFull,      plat::TAlignment::taLeftJustify,  {0, 0}},
      {"under the text",          TCellHAlign::haLeft,       TCellVAlign::vaUnderText, plat::TAlignment::taLeftJustify,  {1, 24}},
      {"above the text",          TCellHAlign::haLeft,       TCellVAlign::vaAboveText, plat::TAlignment::taLeftJustify,  {1, 1}},
      {"before left text",        TCellHAlign::haBeforeText, TCellVAlign::vaTop,       plat::TAlignment::taLeftJustify,  {1, 1}},
      {"before right text",       TCellHAlign::haBeforeText, TCellVAlign::vaTop,       plat::TAlignment::taRightJustify, {80 - text - 6, 1}},
      {"before centred text",     TCellHAlign::haBeforeText, TCellVAlign::vaTop,       plat::TAlignment::taCenter,       {centredText - 6 - 1, 1}},
      {"after left text",         TCellHAlign::haAfterText,  TCellVAlign::vaTop,       plat::TAlignment::taLeftJustify,  {text, 1}},
      {"after right text",        TCellHAlign::haAfterText,  TCellVAlign::vaTop,       plat::TAlignment::taRightJustify, {73, 1}},
  };
  // clang-format on
  const plat::TRect cell = FGrid->CellRect(2, 2);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    FGrid->SetCells(2, 2, "ab");
    FGrid->GetCellProperties(2, 2)->SetAlignment(c.TextAlign);
    TCellGraphic* graphic = Make(2, 2, TCellType::ctBitmap);
    graphic->TakeObject(testing::SampleBitmap(6, 6, plat::clRed, plat::clRed));
    graphic->SetCellHAlign(c.HAlign);
    graphic->SetCellVAlign(c.VAlign);
    Repaint();
    const int x = cell.Left + c.At.X, y = cell.Top + c.At.Y;
    EXPECT_EQ(At(x, y), plat::clRed);
    EXPECT_EQ(At(x + 5, y + 5), plat::clRed);
    EXPECT_NE(At(x - 1, y), plat::clRed);
    EXPECT_NE(At(x + 6, y + 5), plat::clRed);
    if (c.At.Y > 0) {
      EXPECT_NE(At(x, y - 1), plat::clRed);
    }
  }
}

TEST_F(CellGraphicsPaint, ACheckBoxFollowsItsTextDownWhenTheCellIsBottomAligned) {
  ShowLarge();
  FGrid->SetOptions(FGrid->Options() + plat::TGridOptions{plat::TGridOption::goEditing});
  Make(2, 2, TCellType::ctCheckBox)->SetCellVAlign(TCellVAlign::vaTop);
  FGrid->OnGetAlignment = [](plat::TObject*, int, int, plat::TAlignment&, TVAlignment& VAlign) {
    VAlign = TVAlignment::vtaBottom;
  };
  Repaint();
  const plat::TRect cell = FGrid->CellRect(2, 2);
  const int size = FGrid->ControlLook()->CheckSize();
  // The XP picture's frame, one pixel inside its 15-pixel square.
  EXPECT_EQ(At(cell.Left + 2, cell.Bottom - 1 - size + 1), XPFrame);
  EXPECT_EQ(Count({cell.Left, cell.Top, cell.Right, cell.Top + 10}, XPFrame), 0);
}

TEST_F(CellGraphicsPaint, ACheckBoxInEachControlStyle) {
  ShowLarge();
  FGrid->SetOptions(FGrid->Options() + plat::TGridOptions{plat::TGridOption::goEditing});
  plat::TBitmap glyph;
  glyph.SetSize(9, 9);
  glyph.Canvas()->Brush()->SetColor(plat::clPurple);
  glyph.Canvas()->FillRect({0, 0, 9, 9});
  glyph.Canvas()->SetPixels(0, 0, plat::clFuchsia);  // the transparent corner
  FGrid->ControlLook()->SetCheckedGlyph(&glyph);
  FGrid->ControlLook()->SetColor(plat::clBlue);
  const plat::TRect cell = FGrid->CellRect(2, 2);
  // The box: 15 pixels, left-aligned, centred down the 30-pixel cell.
  const plat::TRect box = plat::Bounds(cell.Left + 1, cell.Top + 7, 15, 15);
  struct Case {
    const char* Name;
    TControlStyle Style;
    bool Enabled;
    std::function<bool()> Shows;
  };
  // clang-format off
  const Case cases[] = {
      {"classic: sunken frame, black tick", TControlStyle::csClassic, true,
       [&] { return At(box.Left, box.Top) == plat::ColorToRGB(plat::clBtnShadow) && Count(box, plat::clBlack) > 8; }},
      {"flat: a one-pixel frame",           TControlStyle::csFlat,    true,
       [&] { return At(box.Left, box.Top) == plat::ColorToRGB(plat::clBtnShadow) && Count(box, plat::clBlack) > 4; }},
      {"XP picture",                        TControlStyle::csWinXP,   true,
       [&] { return At(box.Left + 1, box.Top + 1) == XPFrame && Count(box, XPTick) > 8; }},
      {"XP picture, disabled",              TControlStyle::csWinXP,   false,
       [&] { return At(box.Left + 1, box.Top + 1) == XPDisabledFrame && Count(box, XPTick) == 0; }},
      {"silver picture",                    TControlStyle::csSilver,  true,
       [&] { return At(box.Left + 1, box.Top + 1) == SilverFrame; }},
      {"Corvane: raised square, tick in the look's colour", TControlStyle::csCorvane, true,
       [&] { return At(box.Left, box.Top + 7) == plat::ColorToRGB(plat::clBtnHighlight) &&
                    At(box.Right - 1, box.Top + 7) == plat::ColorToRGB(plat::clBtnShadow) &&
                    Count(box, plat::clBlue) > 8; }},
      {"the user's glyph",                  TControlStyle::csGlyph,   true,
       [&] { return Count(box, plat::clPurple) == 80; }},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    FGrid->ControlLook()->SetControlStyle(c.Style);
    Make(2, 2, TCellType::ctCheckBox)->SetCellBoolean(true);
    FGrid->FindCellGraphic(2, 2)->SetCellVAlign(TCellVAlign::vaCenter);
    FGrid->GetCellProperties(2, 2)->SetReadOnly(!c.Enabled);
    Repaint();
    EXPECT_TRUE(c.Shows());
    Keep("check-box-style-" + std::to_string(static_cast<int>(c.Style)) + (c.Enabled ? "" : "-disabled"));
  }
  // The visual style's check box, only while a style is active.
  plat::testing::ThemeRecorder themes;
  FGrid->ControlLook()->SetControlStyle(TControlStyle::csTheme);
  FGrid->GetCellProperties(2, 2)->SetReadOnly(false);
  Repaint();
  const auto& calls = themes.Service().Calls();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back(), (plat::testing::RecordingThemeService::DrawCall{u"button", 3, 5, box}));
}

TEST(RotatedTextOrigin, TheStartPointInEachQuadrant) {
  struct Case {
    int Angle;
    plat::TAlignment HAlign;
    TVAlignment VAlign;
    plat::TPoint Origin;
  };
  using H = plat::TAlignment;
  using V = TVAlignment;
  // A text of 40 x 10 in a box of 100 x 50 (already inset); at 45 degrees
  // its sides project as 28 and 7 pixels.
  // clang-format off
  const Case cases[] = {
      {0,   H::taLeftJustify,  V::vtaTop,    {0, 0}},
      {0,   H::taRightJustify, V::vtaBottom, {60, 40}},
      {0,   H::taCenter,       V::vtaCenter, {30, 20}},
      {45,  H::taLeftJustify,  V::vtaTop,    {0, 28}},
      {45,  H::taRightJustify, V::vtaBottom, {65, 43}},
      {45,  H::taCenter,       V::vtaCenter, {32, 35}},
      {90,  H::taCenter,       V::vtaCenter, {45, 45}},
      {135, H::taLeftJustify,  V::vtaTop,    {28, 35}},
      {135, H::taRightJustify, V::vtaBottom, {93, 50}},
      {135, H::taCenter,       V::vtaCenter, {61, 42}},
      {225, H::taLeftJustify,  V::vtaTop,    {35, 7}},
      {225, H::taRightJustify, V::vtaBottom, {100, 22}},
      {225, H::taCenter,       V::vtaCenter, {68, 14}},
      {315, H::taLeftJustify,  V::vtaTop,    {7, 0}},
      {315, H::taRightJustify, V::vtaBottom, {72, 15}},
      {315, H::taCenter,       V::vtaCenter, {39, 7}},
      {-45, H::taLeftJustify,  V::vtaTop,    {7, 0}},   // modulo 360
      {405, H::taLeftJustify,  V::vtaTop,    {0, 28}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.Angle) + " degrees");
    EXPECT_EQ(detail::RotatedTextOrigin({0, 0, 100, 50}, c.Angle, c.HAlign, c.VAlign, 40, 10), c.Origin);
  }
}

TEST_F(CellGraphicsPaint, RotatedTextStaysInsideItsCell) {
  ShowLarge();
  FGrid->SetCells(1, 1, "WWWWWWWWWWWWWWWW");
  Make(1, 1, TCellType::ctRotated)->SetCellAngle(90);
  Repaint();
  const plat::TRect cell = FGrid->CellRect(1, 1);
  EXPECT_GT(Count(cell.Inflated(-2, -2), plat::clBlack), 20);
  // Clipped to the cell less 2 pixels: the cell below and the edge stay clear.
  EXPECT_EQ(Count(FGrid->CellRect(1, 2), plat::clBlack), 0);
  EXPECT_EQ(Count({cell.Left, cell.Top, cell.Right, cell.Top + 2}, plat::clBlack), 0);
}

TEST_F(CellGraphicsPaint, AProgressBarOfOneHundredAndFiftyStaysInsideItsCell) {
  ShowLarge();
  struct Case {
    const char* Text;
    bool Done;  // the bar's right end shows the done colour: full
    bool Rest;  // its left end shows the rest's colour: empty
  };
  for (const Case& c : {Case{"150", true, false}, Case{"-20", false, true}, Case{"50", false, false}}) {
    SCOPED_TRACE(c.Text);
    FGrid->SetCells(1, 1, c.Text);
    Make(1, 1, TCellType::ctProgress);
    Repaint();
    const plat::TRect cell = FGrid->CellRect(1, 1);
    // The bar: the cell less 2 and the 2-pixel margins, inside its frame.
    EXPECT_EQ(At(cell.Right - 6, cell.Top + 8) == plat::ColorToRGB(plat::clRed), c.Done);
    EXPECT_EQ(At(cell.Left + 6, cell.Top + 8) == plat::ColorToRGB(plat::clWhite), c.Rest);
    EXPECT_EQ(Count(FGrid->CellRect(2, 1), plat::clRed), 0);
    EXPECT_EQ(Count({cell.Right - 3, cell.Top, cell.Right, cell.Bottom}, plat::clRed), 0);
  }
}

TEST_F(CellGraphicsPaint, AnImageIndexOutsideTheListDrawsNothing) {
  ShowLarge();
  plat::TImageList images(nullptr);
  testing::FillSampleImages(images);  // red, green, blue
  FGrid->SetGridImages(&images);
  struct Case {
    const char* Name;
    TCellType Type;
    int Index;
    const char* Text;
    plat::TColor Shows;  // clNone: nothing
  };
  // clang-format off
  const Case cases[] = {
      {"image 2",                    TCellType::ctImageList, 2,  "",  plat::clBlue},
      {"image past the list",        TCellType::ctImageList, 3,  "",  plat::clNone},
      {"image below 0",              TCellType::ctImageList, -1, "",  plat::clNone},
      {"data image 0 + 1",           TCellType::ctDataImage, 0,  "1", plat::clGreen},
      {"data image -1 + 0",          TCellType::ctDataImage, -1, "0", plat::clNone},
      {"data image 1 + 2",           TCellType::ctDataImage, 1,  "2", plat::clNone},
      {"data image of no number",    TCellType::ctDataImage, 0,  "x", plat::clNone},
  };
  // clang-format on
  const plat::TRect cell = FGrid->CellRect(1, 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    FGrid->SetCells(1, 1, c.Text);
    Make(1, 1, c.Type)->SetCellIndex(c.Index);
    Repaint();
    for (const plat::TColor colour : {plat::clRed, plat::clGreen, plat::clBlue})
      EXPECT_EQ(Count(cell, colour) > 0, colour == c.Shows);
  }
  FGrid->SetGridImages(nullptr);
  FGrid->SetCells(1, 1, "");
  Make(1, 1, TCellType::ctImageList)->SetCellIndex(0);
  Repaint();
  EXPECT_EQ(Count(cell, plat::clRed), 0);
}

TEST_F(CellGraphicsPaint, NodeGlyphsInEachNodeType) {
  ShowLarge();
  FGrid->SetRowCount(3);
  FGrid->AddNode(1, 2);
  plat::TBitmap glyph;
  glyph.SetSize(7, 7);
  glyph.Canvas()->Brush()->SetColor(plat::clPurple);
  glyph.Canvas()->FillRect({0, 0, 7, 7});
  glyph.Canvas()->SetPixels(0, 0, plat::clFuchsia);
  FGrid->CellNode()->SetExpandGlyph(&glyph);
  FGrid->CellNode()->SetContractGlyph(&glyph);
  FGrid->CellNode()->SetNodeColor(plat::clRed);
  FGrid->CellNode()->SetColor(plat::clYellow);
  const plat::TRect cell = FGrid->CellRect(0, 1);
  // The glyph's place: the first indent of the cell.
  const plat::TRect place{cell.Left, cell.Top, cell.Left + 16, cell.Bottom};
  struct Case {
    const char* Name;
    TNodeType Type;
    plat::TColor Colour;  // a colour the glyph shows
    int AtLeast;
  };
  // clang-format off
  const Case cases[] = {
      {"flat: a frame in the node colour", TNodeType::cnFlat,  plat::clRed,    20},
      {"XP picture",                       TNodeType::cnXP,    0x99887A,       20},
      {"leaf picture",                     TNodeType::cnLeaf,  0x18648A,       20},
      {"the user's glyphs",                TNodeType::cnGlyph, plat::clPurple, 48},
      {"3-D: the cell in the node colour", TNodeType::cn3D,    plat::clYellow, 200},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    FGrid->CellNode()->SetNodeType(c.Type);
    Repaint();
    EXPECT_GE(Count(c.Type == TNodeType::cn3D ? cell : place, c.Colour), c.AtLeast);
  }
  // The XP box shows a minus while expanded, a plus once contracted.
  FGrid->CellNode()->SetNodeType(TNodeType::cnXP);
  Repaint();
  const int minus = Count(place, plat::clBlack);
  FGrid->ContractNode(1);
  Repaint();
  EXPECT_EQ(Count(place, plat::clBlack) - minus, 4);
}

TEST_F(CellGraphicsPaint, TheCommentMarkSitsInTheTopRightCorner) {
  ShowLarge();
  TCellGraphic* comment = Make(1, 1, TCellType::ctComment);
  const plat::TRect cell = FGrid->CellRect(1, 1);
  const plat::TRect corner{cell.Right - 8, cell.Top, cell.Right, cell.Top + 8};
  Repaint();
  EXPECT_EQ(At(cell.Right - 3, cell.Top + 2), plat::ColorToRGB(FGrid->ControlLook()->CommentColor()));
  EXPECT_EQ(Count({cell.Left, cell.Top + 8, cell.Right, cell.Bottom}, FGrid->ControlLook()->CommentColor()), 0);
  comment->SetCellColor(plat::clBlue);
  Repaint();
  EXPECT_EQ(At(cell.Right - 3, cell.Top + 2), plat::clBlue);
  FGrid->ControlLook()->SetCommentColor(plat::clNone);
  Repaint();
  EXPECT_EQ(Count(corner, plat::clBlue), 0);
}

TEST_F(CellGraphicsPaint, AButtonKeepsWhereItStandsForTheMouse) {
  ShowLarge();
  TCellGraphic* button = Make(1, 1, TCellType::ctButton);
  button->SetCellIndex(40 | 16 << 16);
  button->SetCellHAlign(TCellHAlign::haRight);
  button->SetCellVAlign(TCellVAlign::vaBottom);
  button->SetCellText("Go");
  plat::testing::ThemeRecorder themes;
  Repaint();
  const plat::TRect cell = FGrid->CellRect(1, 1);
  plat::TRect rect;
  FGrid->GetButtonRect(1, 1, rect);
  EXPECT_EQ(rect, plat::TRect(cell.Right - 41, cell.Bottom - 17, cell.Right - 1, cell.Bottom - 1));
  const auto& calls = themes.Service().Calls();
  ASSERT_FALSE(calls.empty());
  // Not editable here: the disabled look, unless buttons never look so.
  EXPECT_EQ(calls.back(), (plat::testing::RecordingThemeService::DrawCall{u"button", 1, 4, rect}));
  FGrid->ControlLook()->SetNoDisabledButtonLook(true);
  button->SetCellBoolean(true);
  Repaint();
  EXPECT_EQ(calls.back(), (plat::testing::RecordingThemeService::DrawCall{u"button", 1, 3, rect}));
}

TEST_F(CellGraphicsPaint, ThemedProgressBarsAndRadioButtons) {
  ShowLarge();
  plat::testing::ThemeRecorder themes;
  FGrid->ControlLook()->SetProgressXP(true);
  FGrid->SetCells(1, 1, "50");
  Make(1, 1, TCellType::ctProgress);
  Repaint();
  const plat::TRect cell = FGrid->CellRect(1, 1);
  const plat::TRect bar = cell.Inflated(-2, -2);
  const plat::TRect chunk{bar.Left + 2, bar.Top + 2, bar.Left + 2 + (bar.Width() - 4) / 2, bar.Bottom - 2};
  using Call = plat::testing::RecordingThemeService::DrawCall;
  const auto& calls = themes.Service().Calls();
  EXPECT_NE(std::find(calls.begin(), calls.end(), Call{u"progress", 1, 1, bar}), calls.end());
  EXPECT_NE(std::find(calls.begin(), calls.end(), Call{u"progress", 3, 1, chunk}), calls.end());
  // Radio buttons in the visual style: part 2, the selected one state 5.
  FGrid->ControlLook()->SetControlStyle(TControlStyle::csTheme);
  FGrid->ControlLook()->SetRadioAlwaysActive(true);
  TCellGraphic* radio = Make(1, 1, TCellType::ctRadio);
  auto captions = std::make_unique<plat::TStringList>();
  captions->Add("a");
  captions->Add("b");
  radio->TakeObject(std::move(captions));
  radio->SetCellIndex(1);
  const std::size_t before = calls.size();
  Repaint();
  std::vector<int> states;
  for (std::size_t i = before; i < calls.size(); ++i)
    if (calls[i].ClassName == u"button" && calls[i].PartId == 2) states.push_back(calls[i].StateId);
  EXPECT_EQ(states, (std::vector<int>{1, 5}));
  EXPECT_EQ(themes.Service().OpenCount(), 0u);
}

}  // namespace
}  // namespace zorbit
