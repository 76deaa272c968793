#pragma once
// Paints laid-out text on a device context: glyph masks, the background box
// and the underline and strike-out lines. Positions are given in the text
// frame of the font (u along the baseline, v downwards across it) relative to
// a logical origin, so turned text needs nothing special from callers. Text
// ignores the DC's mix: colours are copied. Internal to the drawing layer.
#include <span>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/RealizedFont.h"

namespace plat {

class TextPainter {
 public:
  // clip (logical), when given, narrows the DC's clip.
  TextPainter(DeviceContext& dc, Font& font, const TRect* clip);

  // Fills a logical rectangle, whatever the direction of the text.
  void FillRect(const TRect& logicalRect, COLORREF color);
  // Fills the frame rectangle.
  void FillFrame(TPoint origin, const TRect& frameRect, COLORREF color);
  // Draws glyphs from pen position (u, baselineV), advancing by advances.
  void PaintGlyphs(TPoint origin, long long u, int baselineV, std::span<const char32_t> points,
                   std::span<const int> advances, COLORREF color);
  // The underline from u0 to u1 under the baseline.
  void PaintUnderline(TPoint origin, int u0, int u1, int baselineV, COLORREF color);
  // The logical font's own underline and strike-out, when it has them.
  void PaintDecorations(TPoint origin, int u0, int u1, int baselineV, COLORREF color);

 private:
  DeviceContext& FDc;
  Font& FFont;
  RealizedFont& FRealized;
  TRect FClip;  // logical: the DC's clip box narrowed by the caller's clip
};

}  // namespace plat
