#include <gtest/gtest.h>

#include "platform/gdi/Colors.h"

namespace plat {
namespace {

struct ColorCase {
  TColor color;
  std::int32_t rgb;
};

class ColorToRGBTest : public ::testing::TestWithParam<ColorCase> {};

TEST_P(ColorToRGBTest, GivesPlainColours) { EXPECT_EQ(ColorToRGB(GetParam().color), GetParam().rgb); }

INSTANTIATE_TEST_SUITE_P(Values, ColorToRGBTest,
                         ::testing::Values(ColorCase{clRed, 0x0000FF}, ColorCase{clWhite, 0xFFFFFF},
                                           ColorCase{clBtnFace, 0xC8D0D4},  // 212,208,200
                                           ColorCase{clWindow, 0xFFFFFF}, ColorCase{clInfoBk, 0xE1FFFF},
                                           ColorCase{clHighlight, 0x6A240A},  // 10,36,106
                                           ColorCase{cl3DDkShadow, 0x404040}, ColorCase{clMenuBar, 0xC8D0D4},
                                           ColorCase{SystemColor(25), 0},   // the unnamed slot
                                           ColorCase{SystemColor(200), 0},  // beyond the table
                                           ColorCase{static_cast<TColor>(0x80000005),
                                                     0xFFFFFF},  // any negative: the low byte's colour
                                           ColorCase{clNone, 0xFFFFFF}, ColorCase{clDefault, 0},
                                           ColorCase{0x02123456, 0x123456}));  // flag bytes are dropped

TEST(Colors, ComponentsAndSystemValues) {
  constexpr COLORREF c = RGB(1, 2, 3);
  static_assert(c == 0x030201);
  static_assert(GetRValue(c) == 1 && GetGValue(c) == 2 && GetBValue(c) == 3);
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGB(128, 128, 128));
  EXPECT_EQ(GetSysColor(-1), 0u);
  EXPECT_EQ(clBtnFace, static_cast<TColor>(0xFF00000F));
}

}  // namespace
}  // namespace plat
