// The picture panel on a real form: the picture at the origin, stretched
// and tiled, Color without a picture, the parent showing through a
// transparent panel, sizing to the picture, and the caption's alignment.
#include "skin/SkImagePanel.h"

#include <gtest/gtest.h>

#include "platform/gdi/TCanvas.h"
#include "skin/SkinCanvas.h"
#include "skin/tests/ControlForm.h"

namespace skintest {
namespace {

using namespace zorbit;
using plat::COLORREF;
using plat::TColor;

class SkinImagePanel : public ControlForm {
 protected:
  // A picture of four quadrants: red, lime / blue, yellow.
  static void Quadrants(plat::TPicture& Picture, int Width, int Height) {
    plat::TBitmap& bitmap = *Picture.Bitmap();
    bitmap.SetSize(Width, Height);
    plat::TCanvas& canvas = *bitmap.Canvas();
    const int w = Width / 2;
    const int h = Height / 2;
    FillRectColor(canvas, {0, 0, w, h}, plat::clRed);
    FillRectColor(canvas, {w, 0, Width, h}, plat::clLime);
    FillRectColor(canvas, {0, h, w, Height}, plat::clBlue);
    FillRectColor(canvas, {w, h, Width, Height}, plat::clYellow);
  }
};

COLORREF C(TColor Color) { return static_cast<COLORREF>(Color); }

TEST_F(SkinImagePanel, DrawsThePictureByItsDrawStyle) {
  plat::TPicture picture;
  Quadrants(picture, 8, 8);
  struct TCase {
    TskDrawStyle Style;
    plat::TPoint Probe;
    TColor Expected;
  };
  const TCase cases[] = {
      {TskDrawStyle::skNormal, {1, 1}, plat::clRed},      {TskDrawStyle::skNormal, {6, 6}, plat::clYellow},
      {TskDrawStyle::skNormal, {20, 20}, plat::clSilver},  // Color beyond the picture
      {TskDrawStyle::skStretch, {5, 5}, plat::clRed},     {TskDrawStyle::skStretch, {35, 5}, plat::clLime},
      {TskDrawStyle::skStretch, {5, 35}, plat::clBlue},   {TskDrawStyle::skStretch, {35, 35}, plat::clYellow},
      {TskDrawStyle::skTile, {9, 1}, plat::clRed},        {TskDrawStyle::skTile, {14, 14}, plat::clYellow},
      {TskDrawStyle::skTile, {33, 37}, plat::clBlue},
  };
  auto* panel = Add<TskImagePanel>(10, 10, 40, 40);
  panel->SetColor(plat::clSilver);
  panel->SetPicture(&picture);
  ShowForm();
  for (const TCase& c : cases) {
    panel->SetDrawStyle(c.Style);
    Pump();
    EXPECT_EQ(PixelAt(panel, c.Probe), C(c.Expected))
        << static_cast<int>(c.Style) << " at " << c.Probe.X << "," << c.Probe.Y;
  }
}

TEST_F(SkinImagePanel, TilingAPictureLargerThanThePanelDrawsItOnce) {
  plat::TPicture picture;
  Quadrants(picture, 60, 60);
  auto* panel = Add<TskImagePanel>(10, 10, 40, 40);
  panel->SetDrawStyle(TskDrawStyle::skTile);
  panel->SetPicture(&picture);
  ShowForm();
  EXPECT_EQ(Row(panel, 5, 0, 40, plat::clRed), std::string(30, '#') + std::string(10, '.'));
  EXPECT_EQ(Row(panel, 35, 0, 40, plat::clBlue), std::string(30, '#') + std::string(10, '.'));
}

TEST_F(SkinImagePanel, WithoutAPictureShowsColorAndATransparentOneShowsItsParent) {
  auto* opaque = Add<TskImagePanel>(10, 10, 30, 30);
  opaque->SetColor(plat::clTeal);
  FForm->SetColor(plat::clFuchsia);
  auto* seeThrough = Add<TskImagePanel>(50, 10, 30, 30);
  seeThrough->SetColor(plat::clTeal);
  seeThrough->SetTransparent(true);
  ShowForm();
  EXPECT_EQ(PixelAt(opaque, {15, 15}), C(plat::clTeal));
  EXPECT_EQ(PixelAt(seeThrough, {15, 15}), C(plat::clFuchsia));
}

TEST_F(SkinImagePanel, AutoSizeTakesThePicturesSizeWhereTheAlignmentLeavesIt) {
  plat::TPicture picture;
  Quadrants(picture, 33, 21);
  auto* free = Add<TskImagePanel>(10, 10, 100, 100);
  free->SetAutoSize(true);
  free->SetPicture(&picture);
  EXPECT_EQ(free->Width(), 33);
  EXPECT_EQ(free->Height(), 21);
  auto* top = Add<TskImagePanel>(10, 10, 100, 100);
  top->SetAlign(plat::TAlign::alTop);
  const int width = top->Width();
  top->SetPicture(&picture);
  top->SetAutoSize(true);
  EXPECT_EQ(top->Width(), width);
  EXPECT_EQ(top->Height(), 21);
  // A change inside the picture resizes too.
  free->Picture()->Bitmap()->SetSize(12, 7);
  EXPECT_EQ(free->Width(), 12);
  EXPECT_EQ(free->Height(), 7);
}

TEST_F(SkinImagePanel, TheCaptionIsAlignedOnOneLine) {
  const struct {
    plat::TAlignment Alignment;
    bool InkLeft;
    bool InkRight;
  } cases[] = {{plat::TAlignment::taLeftJustify, true, false},
               {plat::TAlignment::taRightJustify, false, true},
               {plat::TAlignment::taCenter, false, false}};
  auto* panel = Add<TskImagePanel>(10, 10, 200, 30);
  panel->SetColor(plat::clWhite);
  panel->SetCaption("MMMM");
  ShowForm();
  for (const auto& c : cases) {
    panel->SetAlignment(c.Alignment);
    Pump();
    // White everywhere reads as a row of marks only.
    const std::string left = Row(panel, 15, 0, 40, plat::clWhite);
    const std::string right = Row(panel, 15, 160, 200, plat::clWhite);
    EXPECT_EQ(left.find('.') != std::string::npos, c.InkLeft) << left;
    EXPECT_EQ(right.find('.') != std::string::npos, c.InkRight) << right;
  }
}

}  // namespace
}  // namespace skintest
