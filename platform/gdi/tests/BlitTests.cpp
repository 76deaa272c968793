// Block transfers: raster operations, scaling, colour keys, alpha and the
// conversions between monochrome and colour bitmaps.
#include <gtest/gtest.h>

#include "platform/gdi/Blits.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/tests/RasterFixture.h"

namespace plat {
namespace {

using testing::Selected;
using testing::Surface;

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Magenta = RGB(255, 0, 255);

// A 2x2 source: red, blue / white, black.
void PaintQuad(Surface& s) {
  SetPixel(s.Dc(), 0, 0, Red);
  SetPixel(s.Dc(), 1, 0, Blue);
  SetPixel(s.Dc(), 0, 1, White);
  SetPixel(s.Dc(), 1, 1, Black);
}

const std::map<COLORREF, char> Key{{White, '.'}, {Black, '#'}, {Red, 'r'}, {Blue, 'b'}, {Magenta, 'm'}};

struct RopCase {
  const char* name;
  DWORD rop;
  COLORREF expected;  // for source 0x0F0F0F over destination 0x3355FF (pattern: brush 0x00FF00)
};

class RopTest : public ::testing::TestWithParam<RopCase> {};

TEST_P(RopTest, MixesPatternSourceAndDestination) {
  Surface src(1, 1, RGB(0x0F, 0x0F, 0x0F));
  Surface dst(1, 1, RGB(0x33, 0x55, 0xFF));
  Selected brush(dst.Dc(), CreateSolidBrush(RGB(0, 0xFF, 0)));
  EXPECT_TRUE(BitBlt(dst.Dc(), 0, 0, 1, 1, src.Dc(), 0, 0, GetParam().rop));
  EXPECT_EQ(dst.At(0, 0), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, RopTest,
    ::testing::Values(
        RopCase{"SrcCopy", SRCCOPY, RGB(0x0F, 0x0F, 0x0F)}, RopCase{"SrcPaint", SRCPAINT, RGB(0x3F, 0x5F, 0xFF)},
        RopCase{"SrcAnd", SRCAND, RGB(0x03, 0x05, 0x0F)}, RopCase{"SrcInvert", SRCINVERT, RGB(0x3C, 0x5A, 0xF0)},
        RopCase{"SrcErase", SRCERASE, RGB(0x0C, 0x0A, 0x00)}, RopCase{"NotSrcCopy", NOTSRCCOPY, RGB(0xF0, 0xF0, 0xF0)},
        RopCase{"NotSrcErase", NOTSRCERASE, RGB(0xC0, 0xA0, 0x00)},
        RopCase{"MergeCopy", MERGECOPY, RGB(0x00, 0x0F, 0x00)},
        RopCase{"MergePaint", MERGEPAINT, RGB(0xF3, 0xF5, 0xFF)}, RopCase{"PatCopy", PATCOPY, RGB(0x00, 0xFF, 0x00)},
        RopCase{"PatInvert", PATINVERT, RGB(0x33, 0xAA, 0xFF)}, RopCase{"DstInvert", DSTINVERT, RGB(0xCC, 0xAA, 0x00)},
        RopCase{"Blackness", BLACKNESS, RGB(0, 0, 0)}, RopCase{"Whiteness", WHITENESS, RGB(0xFF, 0xFF, 0xFF)}),
    [](const auto& test) { return test.param.name; });

TEST(BitBlt, CopiesOnlyWhereTheSourceExists) {
  Surface src(2, 2);
  PaintQuad(src);
  Surface dst(4, 3, Magenta);
  EXPECT_TRUE(BitBlt(dst.Dc(), 1, 0, 3, 3, src.Dc(), 0, 0, SRCCOPY));
  // clang-format off
  EXPECT_EQ(dst.Picture(Key), (std::vector<std::string>{"mrbm",
                                                        "m.#m",
                                                        "mmmm"}));
  // clang-format on
}

TEST(BitBlt, InvertTwiceRestoresAndScrollingOverlaps) {
  Surface s(6, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) s.Pixels().Put(x, y, static_cast<TPixel>(x * 40 + y * 7));
  const auto before = s.Snapshot();
  Surface pattern(6, 6, RGB(0x5A, 0xA5, 0x3C));
  BitBlt(s.Dc(), 0, 0, 6, 6, pattern.Dc(), 0, 0, SRCINVERT);
  EXPECT_NE(s.Snapshot(), before);
  BitBlt(s.Dc(), 0, 0, 6, 6, pattern.Dc(), 0, 0, SRCINVERT);
  EXPECT_EQ(s.Snapshot(), before);
  // Scrolling up by one row within the same bitmap reads the rows before they change.
  BitBlt(s.Dc(), 0, 0, 6, 5, s.Dc(), 0, 1, SRCCOPY);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(s.Pixels().At(x, y), before[static_cast<std::size_t>((y + 1) * 6 + x)]);
}

TEST(BitBlt, MonochromeAndColourConvertThroughTheDcColours) {
  Surface mono(3, 1, White, true);
  SetPixel(mono.Dc(), 1, 0, Black);
  Surface colour(3, 1);
  SetTextColor(colour.Dc(), Red);  // 0 bits
  SetBkColor(colour.Dc(), Blue);   // 1 bits
  BitBlt(colour.Dc(), 0, 0, 3, 1, mono.Dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(colour.Picture(Key)[0], "brb");
  // Colour to monochrome: the source's background colour becomes white.
  SetBkColor(colour.Dc(), Red);
  mono.Fill(Black);
  BitBlt(mono.Dc(), 0, 0, 3, 1, colour.Dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(mono.Picture()[0], "#.#");
}

TEST(StretchBlt, EnlargesShrinksAndMirrors) {
  Surface src(2, 2);
  PaintQuad(src);
  Surface big(4, 4);
  EXPECT_TRUE(StretchBlt(big.Dc(), 0, 0, 4, 4, src.Dc(), 0, 0, 2, 2, SRCCOPY));
  // clang-format off
  EXPECT_EQ(big.Picture(Key), (std::vector<std::string>{"rrbb",
                                                        "rrbb",
                                                        "..##",
                                                        "..##"}));
  // clang-format on
  Surface mirrored(2, 2);
  StretchBlt(mirrored.Dc(), 1, 0, -2, 2, src.Dc(), 0, 0, 2, 2, SRCCOPY);
  EXPECT_EQ(mirrored.Picture(Key), (std::vector<std::string>{"br", "#."}));
  // Shrinking samples pixel centres; HALFTONE averages instead.
  Surface small(1, 1);
  SetStretchBltMode(small.Dc(), COLORONCOLOR);
  StretchBlt(small.Dc(), 0, 0, 1, 1, big.Dc(), 0, 0, 4, 4, SRCCOPY);
  EXPECT_EQ(small.At(0, 0), Black);
  SetStretchBltMode(small.Dc(), HALFTONE);
  StretchBlt(small.Dc(), 0, 0, 1, 1, src.Dc(), 0, 0, 2, 2, SRCCOPY);
  EXPECT_EQ(small.At(0, 0), RGB(128, 64, 128));  // (red + blue + white + black) / 4, rounded
}

TEST(TransparentBlt, LeavesTheMagentaKeyOut) {
  Surface src(3, 2, Magenta);
  SetPixel(src.Dc(), 1, 0, Black);
  SetPixel(src.Dc(), 0, 1, Red);
  Surface dst(6, 4, White);
  EXPECT_TRUE(TransparentBlt(dst.Dc(), 0, 0, 6, 4, src.Dc(), 0, 0, 3, 2, Magenta));
  // clang-format off
  EXPECT_EQ(dst.Picture(Key), (std::vector<std::string>{"..##..",
                                                        "..##..",
                                                        "rr....",
                                                        "rr...."}));
  // clang-format on
  EXPECT_FALSE(TransparentBlt(dst.Dc(), 0, 0, 0, 4, src.Dc(), 0, 0, 3, 2, Magenta));
}

TEST(AlphaBlend, ConstantAndPerPixelAlpha) {
  Surface src(2, 1, White);
  Surface dst(2, 1, Black);
  EXPECT_TRUE(AlphaBlend(dst.Dc(), 0, 0, 2, 1, src.Dc(), 0, 0, 2, 1, BLENDFUNCTION{AC_SRC_OVER, 0, 128, 0}));
  EXPECT_EQ(dst.At(0, 0), RGB(128, 128, 128));
  // Premultiplied: a half-transparent red over white.
  src.Pixels().Put(0, 0, 0x80800000);
  dst.Fill(White);
  EXPECT_TRUE(AlphaBlend(dst.Dc(), 0, 0, 1, 1, src.Dc(), 0, 0, 1, 1, BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA}));
  EXPECT_EQ(dst.At(0, 0), RGB(255, 127, 127));
  // The source rectangle must lie inside the source.
  EXPECT_FALSE(AlphaBlend(dst.Dc(), 0, 0, 1, 1, src.Dc(), 1, 0, 2, 1, BLENDFUNCTION{AC_SRC_OVER, 0, 255, 0}));
}

TEST(PatBlt, UsesTheBrushOnly) {
  Surface s(4, 1);
  Selected brush(s.Dc(), CreateSolidBrush(Red));
  EXPECT_TRUE(PatBlt(s.Dc(), 1, 0, 2, 1, PATCOPY));
  EXPECT_EQ(s.Picture(Key)[0], ".rr.");
  PatBlt(s.Dc(), 0, 0, 4, 1, DSTINVERT);
  EXPECT_EQ(s.At(0, 0), Black);
  EXPECT_EQ(s.At(1, 0), RGB(0, 255, 255));
  EXPECT_FALSE(PatBlt(nullptr, 0, 0, 1, 1, PATCOPY));
}

TEST(Blits, BadArgumentsFailCleanly) {
  Surface s(2, 2);
  HDC gone = CreateCompatibleDC(nullptr);
  DeleteDC(gone);
  EXPECT_FALSE(BitBlt(s.Dc(), 0, 0, 2, 2, gone, 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(s.Dc(), 0, 0, 1 << 30, 2, s.Dc(), 0, 0, SRCCOPY));
  EXPECT_FALSE(StretchBlt(s.Dc(), 0, 0, 2, 2, s.Dc(), 0, 0, -2147483647 - 1, 2, SRCCOPY));
  EXPECT_TRUE(StretchBlt(s.Dc(), 0, 0, 2, 2, s.Dc(), 0, 0, 0, 2, SRCCOPY)) << "an empty source copies nothing";
}

}  // namespace
}  // namespace plat
