#pragma once
// The glyphs the grid paints from the program's bitmap resources (check
// boxes, radio buttons, node glyphs), drawn with their top-left pixel's
// colour left out, each decoded once per process (user-interface thread
// only). A missing or damaged resource draws nothing: painting raises
// nothing.
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Types.h"

namespace plat {
class TCanvas;
}

namespace zorbit::detail {

// The glyph with its top-left corner at X, Y.
void DrawResourceGlyph(plat::TCanvas& Canvas, int X, int Y, const plat::String& Name);
// The glyph centred in Rect.
void DrawResourceGlyphCentred(plat::TCanvas& Canvas, const plat::TRect& Rect, const plat::String& Name);

}  // namespace zorbit::detail
