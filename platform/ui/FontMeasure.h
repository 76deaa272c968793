#pragma once
// Measuring text in a font outside painting: controls place carets, size
// themselves and hit-test characters with it before and without a window.
#include <vector>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Types.h"

namespace plat {

class TFont;

class TFontMeasure {
 public:
  // The font is read once; measure again after it changes.
  explicit TFontMeasure(TFont* Font);
  ~TFontMeasure();
  TFontMeasure(const TFontMeasure&) = delete;
  TFontMeasure& operator=(const TFontMeasure&) = delete;

  TSize TextExtent(const String& Text);
  int TextWidth(const String& Text) { return TextExtent(Text).cx; }
  // The font's cell height (ascent and descent).
  int TextHeight();
  // Where each character of Text starts and the last one ends: one entry
  // per code point and one more, from 0.
  std::vector<int> CharEdges(const String& Text);
  HDC DC() const { return FDC; }

 private:
  HDC FDC = nullptr;
  HGDIOBJ FOldFont = nullptr;
};

}  // namespace plat
