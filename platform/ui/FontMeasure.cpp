#include "platform/ui/FontMeasure.h"

#include "platform/gdi/Font.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/TextOut.h"
#include "platform/rtl/Unicode.h"

namespace plat {

TFontMeasure::TFontMeasure(TFont* Font) : FDC(CreateCompatibleDC(nullptr)) {
  if (FDC && Font) FOldFont = SelectObject(FDC, Font->Handle());
}

TFontMeasure::~TFontMeasure() {
  if (!FDC) return;
  if (FOldFont) SelectObject(FDC, FOldFont);
  DeleteDC(FDC);
}

TSize TFontMeasure::TextExtent(const String& Text) {
  SIZE size{0, 0};
  if (FDC) GetTextExtentPoint32A(FDC, Text.data(), static_cast<int>(Text.size()), &size);
  return size;
}

int TFontMeasure::TextHeight() {
  TEXTMETRICA metrics{};
  return FDC && GetTextMetricsA(FDC, &metrics) ? metrics.tmHeight : 0;
}

std::vector<int> TFontMeasure::CharEdges(const String& Text) {
  std::vector<int> edges{0};
  if (Text.empty() || !FDC) return edges;
  // Partial extents come per byte; a character's last byte ends it.
  std::vector<int> extents(Text.size());
  SIZE size{0, 0};
  if (!GetTextExtentExPointA(FDC, Text.data(), static_cast<int>(Text.size()), 0, nullptr, extents.data(), &size)) {
    extents.assign(Text.size(), 0);
  }
  for (std::size_t pos = 0; pos < Text.size();) {
    pos = Utf8NextPos(Text, pos);
    edges.push_back(extents[pos - 1]);
  }
  return edges;
}

}  // namespace plat
