#pragma once
// The speed-button layout rule: where a button's glyph and caption go in
// its content area. Layout puts the glyph to the left of, right of, above
// or below the caption; Margin is the distance from that side to the glyph
// (-1 centres glyph and caption together); Spacing is the distance between
// them (-1 spreads them with equal gaps; with Margin -1 too, the margins
// and the gap are equal). With only one of the two (an empty size), there
// is no gap. Across the other direction both are centred.
#include "platform/gdi/Geometry.h"

namespace plat {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TButtonContentPlace {
  TPoint GlyphPos;  // the glyph's top-left corner
  TRect TextRect;   // the caption's rectangle, of TextSize
};

TButtonContentPlace LayoutButtonContent(const TRect& Area, TSize GlyphSize, TSize TextSize, TButtonLayout Layout,
                                        int Margin, int Spacing);

}  // namespace plat
