#include "extgrid/detail/ResourceGlyphs.h"

#include <map>
#include <memory>

#include "grid/ExtUtilDrawing.h"
#include "platform/gdi/TBitmap.h"
#include "platform/rtl/Exception.h"

namespace zorbit::detail {

namespace {

// Each glyph decoded once per process: the resources never change, and
// painting a page of check boxes would otherwise decode one per cell. The
// cache is never destroyed, so no glyph outlives the drawing layer at exit.
plat::TBitmap* LoadGlyph(const plat::String& Name) {
  static auto& cache = *new std::map<plat::String, std::unique_ptr<plat::TBitmap>>;
  auto& glyph = cache[Name];
  if (!glyph) {
    glyph = std::make_unique<plat::TBitmap>();
    try {
      glyph->LoadFromResourceName(nullptr, Name);
    } catch (const plat::Exception&) {
      glyph.reset();
      return nullptr;
    }
  }
  return glyph.get();
}

}  // namespace

void DrawResourceGlyph(plat::TCanvas& Canvas, int X, int Y, const plat::String& Name) {
  if (plat::TBitmap* glyph = LoadGlyph(Name)) DrawBitmapTransparent(Canvas, X, Y, glyph, plat::clNone);
}

void DrawResourceGlyphCentred(plat::TCanvas& Canvas, const plat::TRect& Rect, const plat::String& Name) {
  const auto glyph = LoadGlyph(Name);
  if (!glyph || glyph->Empty()) return;
  DrawBitmapTransparent(Canvas, Rect.Left + (Rect.Width() - glyph->Width()) / 2,
                        Rect.Top + (Rect.Height() - glyph->Height()) / 2, glyph, plat::clNone);
}

}  // namespace zorbit::detail
