#pragma once
// The pictures a button makes from its glyph: a grey copy for the disabled
// look, and the grey silhouette drawn behind a lifted glyph. The glyph's
// bottom-left pixel is its transparent colour.
#include "platform/gdi/TBitmap.h"

namespace zorbit::detail {

// Each pixel becomes round((R + G + B) / 3) / 2 + 96 in all three channels.
void MakeGreyGlyph(plat::TBitmap& Glyph, plat::TBitmap& Grey);
// The glyph's shape in 808080 on white (the shade's own transparent
// colour, being its bottom-left pixel).
void MakeGlyphShade(plat::TBitmap& Glyph, plat::TBitmap& Shade);

}  // namespace zorbit::detail
