#include "grid/detail/GlyphShades.h"

#include <cstdint>

#include "platform/gdi/Colors.h"
#include "platform/gdi/TCanvas.h"

namespace zorbit::detail {

namespace {

constexpr plat::TColor kShadeColor = static_cast<plat::TColor>(0x808080);

int Channel(std::int32_t Rgb, int Shift) { return (Rgb >> Shift) & 0xFF; }

}  // namespace

void MakeGreyGlyph(plat::TBitmap& Glyph, plat::TBitmap& Grey) {
  Grey.SetSize(Glyph.Width(), Glyph.Height());
  plat::TCanvas& from = *Glyph.Canvas();
  plat::TCanvas& to = *Grey.Canvas();
  for (int y = 0; y < Glyph.Height(); ++y)
    for (int x = 0; x < Glyph.Width(); ++x) {
      const std::int32_t c = plat::ColorToRGB(from.Pixels(x, y));
      const int sum = Channel(c, 0) + Channel(c, 8) + Channel(c, 16);
      const int level = (sum + 1) / 3 / 2 + 96;
      to.SetPixels(x, y, static_cast<plat::TColor>(level | level << 8 | level << 16));
    }
}

void MakeGlyphShade(plat::TBitmap& Glyph, plat::TBitmap& Shade) {
  Shade.SetSize(Glyph.Width(), Glyph.Height());
  if (Glyph.Empty()) return;
  const std::int32_t clear = plat::ColorToRGB(Glyph.TransparentColor());
  plat::TCanvas& from = *Glyph.Canvas();
  plat::TCanvas& to = *Shade.Canvas();
  for (int y = 0; y < Glyph.Height(); ++y)
    for (int x = 0; x < Glyph.Width(); ++x)
      to.SetPixels(x, y, plat::ColorToRGB(from.Pixels(x, y)) == clear ? plat::clWhite : kShadeColor);
}

}  // namespace zorbit::detail
