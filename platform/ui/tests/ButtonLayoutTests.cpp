// The speed-button layout rule on its own: margins and spacings given,
// centred (-1) and spread (-1) along each layout, an area that does not
// start at the origin, and a button with only a glyph.
#include <gtest/gtest.h>

#include "platform/ui/ButtonLayout.h"

namespace plat {
namespace {

TEST(ButtonLayout, GlyphAndCaptionPlaces) {
  struct Case {
    const char* Name;
    TRect Area;
    TSize Glyph;
    TSize Text;
    TButtonLayout Layout;
    int Margin;
    int Spacing;
    TPoint GlyphPos;
    TRect TextRect;
  };
  // A 100 x 40 area, a 16 x 16 glyph and a 30 x 12 caption unless stated.
  const TRect area{0, 0, 100, 40};
  const Case cases[] = {
      {"left, margin 5, spacing 4",
       area,
       {16, 16},
       {30, 12},
       TButtonLayout::blGlyphLeft,
       5,
       4,
       {5, 12},
       {25, 14, 55, 26}},
      {"left, centred", area, {16, 16}, {30, 12}, TButtonLayout::blGlyphLeft, -1, 4, {25, 12}, {45, 14, 75, 26}},
      {"left, spread", area, {16, 16}, {30, 12}, TButtonLayout::blGlyphLeft, -1, -1, {18, 12}, {52, 14, 82, 26}},
      {"left, margin 5, spread",
       area,
       {16, 16},
       {30, 12},
       TButtonLayout::blGlyphLeft,
       5,
       -1,
       {5, 12},
       {45, 14, 75, 26}},
      {"right, margin 5", area, {16, 16}, {30, 12}, TButtonLayout::blGlyphRight, 5, 4, {79, 12}, {45, 14, 75, 26}},
      {"top, margin 2", area, {16, 16}, {30, 12}, TButtonLayout::blGlyphTop, 2, 4, {42, 2}, {35, 22, 65, 34}},
      {"bottom, centred", area, {16, 16}, {30, 12}, TButtonLayout::blGlyphBottom, -1, 4, {42, 20}, {35, 4, 65, 16}},
      {"glyph only, centred", area, {16, 16}, {0, 0}, TButtonLayout::blGlyphLeft, -1, 4, {42, 12}, {58, 20, 58, 20}},
      {"moved area",
       {10, 20, 110, 60},
       {16, 16},
       {30, 12},
       TButtonLayout::blGlyphLeft,
       5,
       4,
       {15, 32},
       {35, 34, 65, 46}},
  };
  for (const Case& c : cases) {
    const TButtonContentPlace place = LayoutButtonContent(c.Area, c.Glyph, c.Text, c.Layout, c.Margin, c.Spacing);
    EXPECT_EQ(place.GlyphPos, c.GlyphPos) << c.Name;
    EXPECT_EQ(place.TextRect, c.TextRect) << c.Name;
  }
}

}  // namespace
}  // namespace plat
