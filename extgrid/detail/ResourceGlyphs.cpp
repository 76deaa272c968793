#include "extgrid/detail/ResourceGlyphs.h"

#include <memory>

#include "grid/ExtUtilDrawing.h"
#include "platform/gdi/TBitmap.h"
#include "platform/rtl/Exception.h"

namespace zorbit::detail {

namespace {

std::unique_ptr<plat::TBitmap> LoadGlyph(const plat::String& Name) {
  auto glyph = std::make_unique<plat::TBitmap>();
  try {
    glyph->LoadFromResourceName(nullptr, Name);
  } catch (const plat::Exception&) {
    return nullptr;
  }
  return glyph;
}

}  // namespace

void DrawResourceGlyph(plat::TCanvas& Canvas, int X, int Y, const plat::String& Name) {
  if (const auto glyph = LoadGlyph(Name)) DrawBitmapTransparent(Canvas, X, Y, glyph.get(), plat::clNone);
}

void DrawResourceGlyphCentred(plat::TCanvas& Canvas, const plat::TRect& Rect, const plat::String& Name) {
  const auto glyph = LoadGlyph(Name);
  if (!glyph || glyph->Empty()) return;
  DrawBitmapTransparent(Canvas, Rect.Left + (Rect.Width() - glyph->Width()) / 2,
                        Rect.Top + (Rect.Height() - glyph->Height()) / 2, glyph.get(), plat::clNone);
}

}  // namespace zorbit::detail
