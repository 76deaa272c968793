// Turning, tiling, three-part and nine-slice drawing, read back pixel by
// pixel: small pictures are written and compared as ASCII pictures, one
// letter per colour.
#include "skin/SkinPictures.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/gdi/TBitmap.h"

namespace zorbit {
namespace {

using plat::TBitmap;
using plat::TColor;
using plat::TRect;

const std::map<char, TColor> Palette{{'.', plat::clWhite}, {'r', plat::clRed},   {'g', plat::clLime},
                                     {'b', plat::clBlue},  {'k', plat::clBlack}, {'y', plat::clYellow},
                                     {'m', 0xFF00FF},      {'c', plat::clAqua}};

void Paint(TBitmap& bitmap, const std::vector<std::string>& rows) {
  bitmap.SetSize(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) bitmap.Canvas()->SetPixels(x, y, Palette.at(rows[y][x]));
}

std::vector<std::string> Picture(TBitmap& bitmap) {
  std::vector<std::string> rows;
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::string row;
    for (int x = 0; x < bitmap.Width(); ++x) {
      char letter = '?';
      for (const auto& [key, colour] : Palette)
        if (bitmap.Canvas()->Pixels(x, y) == colour) letter = key;
      row += letter;
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(SkinPictures, QuarterAndHalfTurnsMoveEveryPixelAndSwapTheSides) {
  const std::vector<std::string> source{"rgb", "kyc"};
  struct Case {
    const char* Name;
    void (*Turn)(TBitmap&);
    std::vector<std::string> Expected;
  };
  const Case cases[] = {
      {"left", RotateLeft, {"bc", "gy", "rk"}},
      {"half", Rotate180, {"cyk", "bgr"}},
      {"right", RotateRight, {"kr", "yg", "cb"}},
  };
  for (const Case& c : cases) {
    TBitmap bitmap;
    Paint(bitmap, source);
    c.Turn(bitmap);
    EXPECT_EQ(Picture(bitmap), c.Expected) << c.Name;
  }
  TBitmap empty;
  RotateLeft(empty);
  EXPECT_TRUE(empty.Empty());
}

TEST(SkinPictures, TilesStartAtTheOriginAndStopOnceTheRectangleIsCovered) {
  // A 10 x 10 tile marked red at its top-left corner, into 25 x 5 of a 40 x 12 canvas.
  TBitmap tile;
  tile.SetSize(10, 10);
  tile.Canvas()->Brush()->SetColor(plat::clBlue);
  tile.Canvas()->FillRect(TRect{0, 0, 10, 10});
  tile.Canvas()->SetPixels(0, 0, plat::clRed);
  TBitmap canvas;
  Paint(canvas, std::vector<std::string>(12, std::string(40, '.')));
  TileDraw(*canvas.Canvas(), tile, TRect{0, 0, 25, 5});
  const std::vector<std::string> rows = Picture(canvas);
  EXPECT_EQ(rows[0], "rbbbbbbbbbrbbbbbbbbbrbbbbbbbbb..........");
  EXPECT_EQ(rows[9], "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbb..........");
  EXPECT_EQ(rows[10], std::string(40, '.'));  // no second row of tiles

  TBitmap empty;
  TileDraw(*canvas.Canvas(), empty, TRect{0, 0, 40, 12});  // nothing to tile, nothing drawn
  EXPECT_EQ(Picture(canvas), rows);
}

TEST(SkinPictures, ThreePartsKeepTheEndsAndStretchTheMiddle) {
  TBitmap bar;
  Paint(bar, {"rmggbc",  //
              "rrggbb"});
  TBitmap canvas;
  Paint(canvas, std::vector<std::string>(3, std::string(10, '.')));
  DrawThreePart(bar, *canvas.Canvas(), TRect{1, 0, 9, 3}, true, false);
  // Magenta is left out; the middle is stretched over the rectangle's height.
  EXPECT_EQ(Picture(canvas), (std::vector<std::string>{".r.ggggbc.",  //
                                                       ".rrggggbb.",  //
                                                       "...gggg..."}));
}

TEST(SkinPictures, ThreePartsNarrowerThanTwoFramesOverlapAndTinyPicturesDrawNothing) {
  TBitmap bar;
  Paint(bar, {"rrggbb"});
  TBitmap canvas;
  Paint(canvas, {"......"});
  DrawThreePart(bar, *canvas.Canvas(), TRect{0, 0, 3, 1}, false, false);
  EXPECT_EQ(Picture(canvas), (std::vector<std::string>{"rbb..."}));

  for (int width : {0, 1, 2}) {
    TBitmap tiny;
    if (width > 0) Paint(tiny, {std::string(static_cast<std::size_t>(width), 'k')});
    Paint(canvas, {"......"});
    EXPECT_NO_THROW(DrawThreePart(tiny, *canvas.Canvas(), TRect{0, 0, 6, 1}, true, true));
    EXPECT_EQ(Picture(canvas), (std::vector<std::string>{"......"})) << width;
  }
}

// A 74 x 21 picture with no two neighbouring pixels alike and no magenta.
void PaintPattern(TBitmap& picture) {
  picture.SetSize(74, 21);
  for (int y = 0; y < 21; ++y)
    for (int x = 0; x < 74; ++x) picture.Canvas()->SetPixels(x, y, plat::RGB(x * 3, y * 12, (x * 7 + y * 5) % 200));
}

TEST(SkinPictures, NineSliceKeepsTheCornersPixelForPixel) {
  TBitmap picture;
  PaintPattern(picture);
  TBitmap canvas;
  canvas.SetSize(200, 60);
  DrawNineSlice(picture, *canvas.Canvas(), TRect{0, 0, 200, 60}, false);
  // Left and top corners are half the picture (37 x 10); right and bottom
  // ones start one past the middle (36 x 9).
  struct Corner {
    const char* Name;
    int SourceX, SourceY, TargetX, TargetY, Width, Height;
  };
  const Corner corners[] = {{"top-left", 0, 0, 0, 0, 37, 10},
                            {"top-right", 38, 0, 164, 0, 36, 10},
                            {"bottom-left", 0, 12, 0, 51, 37, 9},
                            {"bottom-right", 38, 12, 164, 51, 36, 9}};
  for (const Corner& c : corners) {
    int differing = 0;
    for (int y = 0; y < c.Height; ++y)
      for (int x = 0; x < c.Width; ++x)
        differing += picture.Canvas()->Pixels(c.SourceX + x, c.SourceY + y) !=
                     canvas.Canvas()->Pixels(c.TargetX + x, c.TargetY + y);
    EXPECT_EQ(differing, 0) << c.Name;
  }
  // The middle strips fill the gaps: column 37 and rows 10 and 11 of the picture.
  auto middleRow = [&](int canvasX, int pictureX) {
    const TColor shown = canvas.Canvas()->Pixels(canvasX, 30);
    return shown == picture.Canvas()->Pixels(pictureX, 10) || shown == picture.Canvas()->Pixels(pictureX, 11);
  };
  EXPECT_TRUE(middleRow(100, 37));
  EXPECT_TRUE(middleRow(0, 0));
  EXPECT_TRUE(middleRow(199, 73));
  EXPECT_EQ(canvas.Canvas()->Pixels(100, 0), picture.Canvas()->Pixels(37, 0));
  EXPECT_EQ(canvas.Canvas()->Pixels(100, 59), picture.Canvas()->Pixels(37, 20));
}

TEST(SkinPictures, NineSliceIntoLessThanThePictureShowsOnlyClippedCorners) {
  TBitmap picture;
  Paint(picture, {"rrmgg",  //
                  "rrcgg",  //
                  "kkmyy",  //
                  "kkcyy"});
  TBitmap canvas;
  Paint(canvas, {"..", ".."});
  DrawNineSlice(picture, *canvas.Canvas(), TRect{0, 0, 2, 2}, false);
  // Corners of at most 1 x 1, each the pixel next to its own corner.
  EXPECT_EQ(Picture(canvas), (std::vector<std::string>{"rg",  //
                                                       "ky"}));
  TBitmap empty;
  EXPECT_NO_THROW(DrawNineSlice(empty, *canvas.Canvas(), TRect{0, 0, 2, 2}, true));
}

TEST(SkinPictures, TransparentNineSliceLeavesMagentaCornersOut) {
  TBitmap picture;
  Paint(picture, {"mrrm",  //
                  "rggr",  //
                  "rggr",  //
                  "mrrm"});
  TBitmap canvas;
  Paint(canvas, std::vector<std::string>(6, "......"));
  DrawNineSlice(picture, *canvas.Canvas(), TRect{0, 0, 6, 6}, true);
  EXPECT_EQ(Picture(canvas), (std::vector<std::string>{".rrrr.",  //
                                                       "rggggr",  //
                                                       "rggggr",  //
                                                       "rggggr",  //
                                                       "rggggr",  //
                                                       ".rrrr."}));
}

}  // namespace
}  // namespace zorbit
