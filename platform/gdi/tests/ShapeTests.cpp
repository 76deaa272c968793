// Lines, shapes and fills, checked pixel by pixel on small bitmaps.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "platform/gdi/Brush.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/tests/RasterFixture.h"

namespace plat {
namespace {

using testing::Selected;
using testing::Surface;
using Pixels = std::set<std::pair<int, int>>;

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Red = RGB(255, 0, 0);

Pixels BlackPixels(const Surface& s) {
  Pixels out;
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x)
      if (s.At(x, y) == Black) out.insert({x, y});
  return out;
}

// Fills a surface with a pattern so that mixes show what they did.
void Scribble(Surface& s) {
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x)
      s.Pixels().Put(x, y, static_cast<TPixel>((x * 37 + y * 91) * 2654435761u) & 0xFFFFFF);
}

struct LineCase {
  const char* name;
  TPoint from, to;
  int width;
  Pixels expected;
};

class LineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineTest, LeavesOutTheEndPoint) {
  const LineCase& c = GetParam();
  Surface s(8, 8);
  Selected pen(s.Dc(), CreatePen(PS_SOLID, c.width, Black));
  MoveToEx(s.Dc(), c.from.X, c.from.Y, nullptr);
  EXPECT_TRUE(LineTo(s.Dc(), c.to.X, c.to.Y));
  EXPECT_EQ(BlackPixels(s), c.expected);
  POINT pos{};
  GetCurrentPositionEx(s.Dc(), &pos);
  EXPECT_EQ(pos, c.to);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineTest,
    ::testing::Values(
        LineCase{"Right", {1, 1}, {5, 1}, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
        LineCase{"Left", {5, 1}, {1, 1}, 1, {{5, 1}, {4, 1}, {3, 1}, {2, 1}}},
        LineCase{"Down", {1, 1}, {1, 4}, 1, {{1, 1}, {1, 2}, {1, 3}}},
        LineCase{"Diagonal", {0, 0}, {3, 3}, 1, {{0, 0}, {1, 1}, {2, 2}}},
        LineCase{"AntiDiagonal", {3, 0}, {0, 3}, 1, {{3, 0}, {2, 1}, {1, 2}}},
        LineCase{"Shallow", {0, 0}, {4, 2}, 1, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}},
        LineCase{"WidthZeroIsOnePixel", {1, 1}, {4, 1}, 0, {{1, 1}, {2, 1}, {3, 1}}},
        LineCase{"Point", {2, 2}, {2, 2}, 1, {}},
        LineCase{"WidthThree",
                 {2, 3},
                 {4, 3},
                 3,
                 {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {1, 3}, {2, 3}, {3, 3}, {4, 3}, {1, 4}, {2, 4}, {3, 4}, {4, 4}}}),
    [](const auto& test) { return test.param.name; });

TEST(Lines, PolylineClosesWithoutDoubling) {
  // Each corner belongs to exactly one segment, so XOR leaves no gaps.
  Surface s(6, 6);
  Selected pen(s.Dc(), CreatePen(PS_SOLID, 1, White));
  SetROP2(s.Dc(), R2_XORPEN);
  const std::array<POINT, 5> square{POINT{1, 1}, POINT{4, 1}, POINT{4, 4}, POINT{1, 4}, POINT{1, 1}};
  EXPECT_TRUE(Polyline(s.Dc(), square.data(), 5));
  // clang-format off
  EXPECT_EQ(s.Picture(), (std::vector<std::string>{"......",
                                                   ".####.",
                                                   ".#..#.",
                                                   ".#..#.",
                                                   ".####.",
                                                   "......"}));
  // clang-format on
}

TEST(Lines, DottedPenRunsAndGaps) {
  Surface s(12, 2, Red);
  Selected pen(s.Dc(), CreatePen(PS_DOT, 1, Black));
  SetBkMode(s.Dc(), TRANSPARENT);
  MoveToEx(s.Dc(), 0, 0, nullptr);
  LineTo(s.Dc(), 12, 0);
  SetBkMode(s.Dc(), OPAQUE);
  SetBkColor(s.Dc(), White);
  MoveToEx(s.Dc(), 0, 1, nullptr);
  LineTo(s.Dc(), 12, 1);
  EXPECT_EQ(s.Picture({{Black, '#'}, {White, '.'}, {Red, 'r'}}),
            (std::vector<std::string>{"###rrr###rrr", "###...###..."}));
}

TEST(Lines, XorDrawnTwiceRestores) {
  // The grid's sizing line: a dotted XOR line drawn twice to erase it.
  Surface s(40, 30);
  Scribble(s);
  const auto before = s.Snapshot();
  Selected pen(s.Dc(), CreatePen(PS_DOT, 1, Black));
  SetROP2(s.Dc(), R2_NOT);
  for (int pass = 0; pass < 2; ++pass) {
    MoveToEx(s.Dc(), 7, 0, nullptr);
    LineTo(s.Dc(), 7, 30);
    Rectangle(s.Dc(), 2, 3, 35, 25);
    Ellipse(s.Dc(), 5, 5, 30, 20);
    if (pass == 0) {
      EXPECT_NE(s.Snapshot(), before);
    }
  }
  EXPECT_EQ(s.Snapshot(), before);
}

TEST(Lines, StraightRunsKeepToAClipWithAHole) {
  Surface s(9, 7);
  ExcludeClipRect(s.Dc(), 3, 2, 6, 5);
  {
    Selected pen(s.Dc(), CreatePen(PS_SOLID, 1, Black));
    MoveToEx(s.Dc(), 0, 3, nullptr);
    LineTo(s.Dc(), 9, 3);
    MoveToEx(s.Dc(), 4, 0, nullptr);
    LineTo(s.Dc(), 4, 7);
  }
  Selected wide(s.Dc(), CreatePen(PS_SOLID, 3, Black));
  MoveToEx(s.Dc(), 2, 1, nullptr);
  LineTo(s.Dc(), 6, 1);
  // clang-format off
  EXPECT_EQ(s.Picture(), (std::vector<std::string>{".######..",
                                                   ".######..",
                                                   ".##...#..",
                                                   "###...###",
                                                   ".........",
                                                   "....#....",
                                                   "....#...."}));
  // clang-format on
}

TEST(Lines, SolidXorOutlinesTouchEachPixelOnce) {
  // White XOR white turns black once and back at a second touch: only the
  // crossing of two separate lines is touched twice.
  Surface s(8, 6);
  Selected pen(s.Dc(), CreatePen(PS_SOLID, 1, White));
  SelectObject(s.Dc(), GetStockObject(NULL_BRUSH));
  SetROP2(s.Dc(), R2_XORPEN);
  Rectangle(s.Dc(), 1, 1, 5, 5);
  MoveToEx(s.Dc(), 6, 0, nullptr);
  LineTo(s.Dc(), 6, 6);
  MoveToEx(s.Dc(), 0, 5, nullptr);
  LineTo(s.Dc(), 8, 5);
  // clang-format off
  EXPECT_EQ(s.Picture(), (std::vector<std::string>{"......#.",
                                                   ".####.#.",
                                                   ".#..#.#.",
                                                   ".#..#.#.",
                                                   ".####.#.",
                                                   "######.#"}));
  // clang-format on
}

TEST(Lines, FarAwayEndsAreRefusedOrClipped) {
  Surface s(10, 3);
  Selected pen(s.Dc(), CreatePen(PS_SOLID, 1, Black));
  EXPECT_FALSE(LineTo(s.Dc(), 2000000000, 1));
  // A line crossing far outside only walks the visible part (this would not
  // finish otherwise).
  MoveToEx(s.Dc(), -100000000, 1, nullptr);
  EXPECT_TRUE(LineTo(s.Dc(), 100000000, 1));
  // clang-format off
  EXPECT_EQ(s.Picture(), (std::vector<std::string>{"..........",
                                                   "##########",
                                                   ".........."}));
  // clang-format on
}

TEST(Shapes, RectangleOutlineAndInterior) {
  Surface s(7, 6);
  Selected brush(s.Dc(), CreateSolidBrush(Red));
  EXPECT_TRUE(Rectangle(s.Dc(), 1, 1, 6, 5));
  EXPECT_EQ(s.Picture({{Black, '#'}, {White, '.'}, {Red, 'r'}}),
            // clang-format off
            (std::vector<std::string>{".......",
                                      ".#####.",
                                      ".#rrr#.",
                                      ".#rrr#.",
                                      ".#####.",
                                      "......."}));
  // clang-format on
}

TEST(Shapes, AnOutlineInTheBrushsOwnColourIsOneFillOfTheBox) {
  // Clipped across the box's right side, over pixels that show any mix.
  Surface outlined(9, 8), filled(9, 8);
  for (Surface* s : {&outlined, &filled}) {
    Scribble(*s);
    IntersectClipRect(s->Dc(), 0, 0, 6, 8);
  }
  {
    Selected pen(outlined.Dc(), CreatePen(PS_SOLID, 1, Red));
    Selected brush(outlined.Dc(), CreateSolidBrush(Red));
    EXPECT_TRUE(Rectangle(outlined.Dc(), 1, 1, 8, 7));
  }
  const HBRUSH red = CreateSolidBrush(Red);
  const RECT box{1, 1, 8, 7};
  FillRect(filled.Dc(), &box, red);
  DeleteObject(red);
  EXPECT_EQ(outlined.Snapshot(), filled.Snapshot());

  // A dotted outline in the same colour keeps its gaps in the background colour.
  Surface dotted(12, 4);
  Selected pen(dotted.Dc(), CreatePen(PS_DOT, 1, Red));
  Selected brush(dotted.Dc(), CreateSolidBrush(Red));
  Rectangle(dotted.Dc(), 0, 0, 12, 4);
  EXPECT_EQ(dotted.At(1, 0), Red);
  EXPECT_EQ(dotted.At(4, 0), White);
}

TEST(Shapes, NullPenMakesShapesOnePixelSmaller) {
  Surface s(6, 5);
  Selected pen(s.Dc(), GetStockObject(NULL_PEN));
  Selected brush(s.Dc(), CreateSolidBrush(Black));
  Rectangle(s.Dc(), 1, 1, 5, 4);
  // clang-format off
  EXPECT_EQ(s.Picture(), (std::vector<std::string>{"......",
                                                   ".###..",
                                                   ".###..",
                                                   "......",
                                                   "......"}));
  // clang-format on
}

TEST(Shapes, EllipseIsSymmetricWithOutline) {
  Surface s(11, 9, Red);
  Ellipse(s.Dc(), 1, 0, 10, 9);
  const auto pic = s.Picture({{Black, '#'}, {White, '.'}, {Red, 'r'}});
  for (int y = 0; y < 9; ++y) {
    for (int x = 1; x < 10; ++x) EXPECT_EQ(pic[y][x], pic[y][10 - x]) << x << "," << y;
    EXPECT_EQ(pic[y], std::string(pic[8 - y]));
  }
  EXPECT_EQ(pic[4], "r#.......#r");
  EXPECT_EQ(pic[0][5], '#');
  EXPECT_EQ(pic[0][1], 'r');
  EXPECT_EQ(pic[4][5], '.');
}

TEST(Shapes, RoundRectCornersAreCut) {
  Surface s(10, 8, Red);
  Selected brush(s.Dc(), CreateSolidBrush(White));
  RoundRect(s.Dc(), 0, 0, 10, 8, 6, 6);
  const auto pic = s.Picture({{Black, '#'}, {White, '.'}, {Red, 'r'}});
  for (auto [x, y] : std::array<std::pair<int, int>, 4>{{{0, 0}, {9, 0}, {0, 7}, {9, 7}}}) EXPECT_EQ(pic[y][x], 'r');
  EXPECT_EQ(pic[4], "#........#");
  EXPECT_EQ(pic[0].substr(3, 4), "####");
}

TEST(Shapes, ArcAndPieKeepToTheirSector) {
  // From the ray to the right, counter-clockwise to the ray upwards: the
  // top-right quarter of a circle centred on (10, 10).
  Surface arc(21, 21);
  Arc(arc.Dc(), 0, 0, 20, 20, 20, 10, 10, 0);
  Surface pie(21, 21);
  Selected brush(pie.Dc(), CreateSolidBrush(Red));
  Pie(pie.Dc(), 0, 0, 20, 20, 20, 10, 10, 0);
  for (const Surface* s : {&arc, &pie})
    for (int y = 0; y < 21; ++y)
      for (int x = 0; x < 21; ++x) {
        if (x < 10 || y > 10) {
          EXPECT_EQ(s->At(x, y), White) << x << "," << y;
        }
      }
  EXPECT_EQ(arc.At(19, 9), Black);
  EXPECT_EQ(arc.At(14, 6), White);
  EXPECT_EQ(pie.At(14, 6), Red);
  for (int x = 10; x < 20; ++x) EXPECT_EQ(pie.At(x, 10), Black) << x;  // the radii
  for (int y = 1; y <= 10; ++y) EXPECT_EQ(pie.At(10, y), Black) << y;
}

TEST(Shapes, FloodFillBorderAndSurface) {
  Surface s(8, 8);
  {
    Selected brush(s.Dc(), GetStockObject(NULL_BRUSH));
    Rectangle(s.Dc(), 1, 1, 7, 7);
  }
  Selected red(s.Dc(), CreateSolidBrush(Red));
  EXPECT_TRUE(FloodFill(s.Dc(), 3, 3, Black));
  EXPECT_EQ(s.At(2, 2), Red);
  EXPECT_EQ(s.At(5, 5), Red);
  EXPECT_EQ(s.At(1, 1), Black);
  EXPECT_EQ(s.At(0, 0), White);
  // Filling the white surface outside reaches around the frame, no further.
  EXPECT_TRUE(ExtFloodFill(s.Dc(), 0, 0, White, FLOODFILLSURFACE));
  EXPECT_EQ(s.At(7, 7), Red);
  EXPECT_EQ(s.At(1, 1), Black);
  // Nothing to fill: the seed is on the border colour.
  EXPECT_FALSE(FloodFill(s.Dc(), 1, 1, Black));
  EXPECT_FALSE(FloodFill(s.Dc(), 50, 50, Black));
}

TEST(Fills, FillRectTakesSystemColourIndexes) {
  Surface s(4, 4);
  RECT r{1, 1, 3, 3};
  EXPECT_EQ(FillRect(s.Dc(), &r, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)), 1);
  EXPECT_EQ(s.At(1, 1), RGB(212, 208, 200));
  EXPECT_EQ(s.At(3, 3), White);
  EXPECT_EQ(FillRect(s.Dc(), &r, nullptr), 0);
}

TEST(Fills, FrameAndInvertRect) {
  Surface s(5, 5);
  Scribble(s);
  const auto before = s.Snapshot();
  RECT r{0, 0, 5, 5};
  InvertRect(s.Dc(), &r);
  EXPECT_EQ(s.Pixels().At(2, 2), ~before[12] & 0xFFFFFF);
  InvertRect(s.Dc(), &r);
  EXPECT_EQ(s.Snapshot(), before);
  s.Fill(White);
  RECT f{1, 1, 4, 4};
  FrameRect(s.Dc(), &f, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  // clang-format off
  EXPECT_EQ(s.Picture(), (std::vector<std::string>{".....",
                                                   ".###.",
                                                   ".#.#.",
                                                   ".###.",
                                                   "....."}));
  // clang-format on
}

TEST(Fills, RegionsFillFrameAndInvert) {
  Surface s(8, 6);
  HRGN region = CreateRectRgn(1, 1, 7, 6);
  HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  EXPECT_TRUE(FrameRgn(s.Dc(), region, black, 2, 1));
  EXPECT_EQ(s.Picture(),
            // clang-format off
            (std::vector<std::string>{"........",
                                      ".######.",
                                      ".##..##.",
                                      ".##..##.",
                                      ".##..##.",
                                      ".######."}));
  // clang-format on
  EXPECT_TRUE(InvertRgn(s.Dc(), region));
  EXPECT_EQ(s.Picture()[2], "...##...");
  EXPECT_TRUE(FillRgn(s.Dc(), region, black));
  EXPECT_EQ(s.Picture()[3], ".######.");
  // A frame wider than the region covers all of it, without walking every step.
  s.Fill(RGB(255, 255, 255));
  EXPECT_TRUE(FrameRgn(s.Dc(), region, black, 100000000, 100000000));
  EXPECT_EQ(s.Picture()[3], ".######.");
  EXPECT_FALSE(FrameRgn(s.Dc(), region, black, -1, 1));
  DeleteObject(region);
}

TEST(Fills, HatchBrushesInBothBackgroundModes) {
  Surface s(8, 8, Red);
  Selected brush(s.Dc(), CreateHatchBrush(HS_CROSS, Black));
  RECT r{0, 0, 8, 8};
  SetBkMode(s.Dc(), TRANSPARENT);
  FillRect(s.Dc(), &r, static_cast<HBRUSH>(GetCurrentObject(s.Dc(), OBJ_BRUSH)));
  auto pic = s.Picture({{Black, '#'}, {White, '.'}, {Red, 'r'}});
  EXPECT_EQ(pic[0], "rrrr#rrr");
  EXPECT_EQ(pic[4], "########");
  SetBkMode(s.Dc(), OPAQUE);
  SetBkColor(s.Dc(), White);
  FillRect(s.Dc(), &r, static_cast<HBRUSH>(GetCurrentObject(s.Dc(), OBJ_BRUSH)));
  pic = s.Picture({{Black, '#'}, {White, '.'}, {Red, 'r'}});
  EXPECT_EQ(pic[0], "....#...");
}

TEST(Fills, MonochromePatternTakesTextAndBackgroundColours) {
  const std::array<Byte, 4> bits{0x80, 0, 0x40, 0};  // 2 rows of 16-bit words: "1." / ".1" (1 = white)
  HBITMAP pattern = CreateBitmap(2, 2, 1, 1, bits.data());
  HBRUSH brush = CreatePatternBrush(pattern);
  DeleteObject(pattern);  // the brush keeps its own copy
  Surface s(4, 2);
  SetTextColor(s.Dc(), Red);
  SetBkColor(s.Dc(), Black);
  RECT r{0, 0, 4, 2};
  FillRect(s.Dc(), &r, brush);
  EXPECT_EQ(s.Picture({{Black, '#'}, {Red, 'r'}}), (std::vector<std::string>{"#r#r", "r#r#"}));
  DeleteObject(brush);
}

TEST(Fills, GradientsRunFromColourToColour) {
  Surface s(256, 4);
  const std::array<TRIVERTEX, 2> h{TRIVERTEX{0, 0, 0, 0, 0, 0}, TRIVERTEX{256, 2, 0xFF00, 0, 0x8000, 0}};
  GRADIENT_RECT rect{0, 1};
  EXPECT_TRUE(GradientFill(s.Dc(), h.data(), 2, &rect, 1, GRADIENT_FILL_RECT_H));
  // The first and last columns take the vertex colours.
  for (int x : {0, 1, 127, 128, 255})
    EXPECT_EQ(s.At(x, 0), RGB(static_cast<Byte>(x), 0, static_cast<Byte>(128 * x / 255))) << x;
  EXPECT_EQ(s.At(10, 2), White);
  const std::array<TRIVERTEX, 2> v{TRIVERTEX{0, 2, 0, 0, 0, 0}, TRIVERTEX{256, 4, 0, 0xFF00, 0, 0}};
  EXPECT_TRUE(GradientFill(s.Dc(), v.data(), 2, &rect, 1, GRADIENT_FILL_RECT_V));
  EXPECT_EQ(s.At(5, 2), RGB(0, 0, 0));
  EXPECT_EQ(s.At(5, 3), RGB(0, 255, 0));
  // A mesh naming a vertex that is not there is refused before anything is drawn.
  GRADIENT_RECT bad{0, 7};
  EXPECT_FALSE(GradientFill(s.Dc(), v.data(), 2, &bad, 1, GRADIENT_FILL_RECT_H));
}

TEST(Pixels, SetAndGetRespectTheClip) {
  Surface s(4, 4);
  EXPECT_EQ(SetPixel(s.Dc(), 1, 1, Red), Red);
  EXPECT_EQ(GetPixel(s.Dc(), 1, 1), Red);
  EXPECT_EQ(GetPixel(s.Dc(), 4, 0), CLR_INVALID);
  EXPECT_EQ(SetPixel(s.Dc(), -1, 0, Red), CLR_INVALID);
  IntersectClipRect(s.Dc(), 2, 2, 4, 4);
  EXPECT_EQ(SetPixel(s.Dc(), 1, 1, Black), CLR_INVALID);
  EXPECT_EQ(s.At(1, 1), Red);
}

TEST(Pixels, MonochromeTargetsStoreBlackOrWhite) {
  Surface s(3, 1, White, true);
  EXPECT_EQ(SetPixel(s.Dc(), 0, 0, RGB(200, 200, 200)), White);
  EXPECT_EQ(SetPixel(s.Dc(), 1, 0, RGB(100, 100, 100)), Black);
  EXPECT_EQ(GetDeviceCaps(s.Dc(), BITSPIXEL), 1);
}

}  // namespace
}  // namespace plat
