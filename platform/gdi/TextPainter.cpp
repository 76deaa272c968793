#include "platform/gdi/TextPainter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gdi/TextOut.h"

namespace plat {

TextPainter::TextPainter(DeviceContext& dc, Font& font, const TRect* clip)
    : FDc(dc), FFont(font), FRealized(font.Realized()), FClip(dc.ClipBoxLogical()) {
  if (clip != nullptr) FClip = FClip.Intersected(clip->Normalized());
}

void TextPainter::FillRect(const TRect& logicalRect, COLORREF color) {
  const TRect area = logicalRect.Normalized().Intersected(FClip);
  if (!area.IsEmpty()) FDc.FillRect(FDc.ToTarget(area), FDc.TargetPixel(color), R2_COPYPEN);
}

void TextPainter::FillFrame(TPoint origin, const TRect& frameRect, COLORREF color) {
  if (frameRect.IsEmpty() || FClip.IsEmpty()) return;
  const TextDirection& d = FRealized.Direction();
  if (d.IsQuarterTurn()) {
    const TPoint a = d.Map(frameRect.Left, frameRect.Top);
    const TPoint b = d.Map(frameRect.Right, frameRect.Bottom);
    FillRect(TRect{a.X, a.Y, b.X, b.Y}.Normalized().Translated(origin.X, origin.Y), color);
    return;
  }
  // Any other angle: the pixels whose centres fall inside the turned rectangle.
  double minX = 1e18, minY = 1e18, maxX = -1e18, maxY = -1e18;
  for (int u : {frameRect.Left, frameRect.Right}) {
    for (int v : {frameRect.Top, frameRect.Bottom}) {
      minX = std::min(minX, d.X(u, v)), maxX = std::max(maxX, d.X(u, v));
      minY = std::min(minY, d.Y(u, v)), maxY = std::max(maxY, d.Y(u, v));
    }
  }
  const TRect box = TRect{static_cast<int>(std::floor(minX)) + origin.X, static_cast<int>(std::floor(minY)) + origin.Y,
                          static_cast<int>(std::ceil(maxX)) + origin.X, static_cast<int>(std::ceil(maxY)) + origin.Y}
                        .Intersected(FClip);
  if (box.IsEmpty()) return;
  std::vector<Byte> coverage(static_cast<std::size_t>(box.Width()));
  for (int y = box.Top; y < box.Bottom; ++y) {
    for (int x = box.Left; x < box.Right; ++x) {
      const double dx = x - origin.X + 0.5;
      const double dy = y - origin.Y + 0.5;
      const double u = dx * d.Cos - dy * d.Sin;
      const double v = dx * d.Sin + dy * d.Cos;
      const bool inside = u >= frameRect.Left && u < frameRect.Right && v >= frameRect.Top && v < frameRect.Bottom;
      coverage[static_cast<std::size_t>(x - box.Left)] = inside ? 255 : 0;
    }
    FDc.BlendSpan(box.Left, y, coverage.data(), box.Width(), color, &FClip);
  }
}

// Glyph masks are written straight into the target: text is a copy of one
// colour wherever a mask is set, so there is nothing to mix or blend.
void TextPainter::PaintGlyphs(TPoint origin, long long u, int baselineV, std::span<const char32_t> points,
                              std::span<const int> advances, COLORREF color) {
  if (FClip.IsEmpty() || FDc.Target() == nullptr) return;
  const TextDirection& d = FRealized.Direction();
  const Region& clip = FDc.EffectiveClip();
  const TRect area = FDc.ToTarget(FClip).Intersected(clip.Bounds());
  if (area.IsEmpty()) return;
  Bitmap& target = *FDc.Target();
  const TPixel ink = FDc.TargetPixel(color);
  const std::size_t count = std::min(points.size(), advances.size());
  for (std::size_t i = 0; i < count; ++i) {
    const long long penU = u;
    u += advances[i];
    if (penU < -MaxTextCoordinate || penU > MaxTextCoordinate) continue;
    const Glyph& glyph = FRealized.TurnedGlyphOf(points[i]);
    const TPoint pen = FDc.ToTarget(origin + d.Map(static_cast<int>(penU), baselineV));
    const TRect box = Bounds(pen.X + glyph.OffsetX, pen.Y + glyph.OffsetY, glyph.Width, glyph.Height);
    const TRect visible = box.Intersected(area);
    if (visible.IsEmpty()) continue;
    for (const TRect& band : clip.Rects()) {
      const TRect part = band.Intersected(visible);
      for (int y = part.Top; y < part.Bottom; ++y) {
        TPixel* row = target.Row(y);
        const Byte* mask = glyph.Mask.data() + static_cast<std::size_t>(y - box.Top) * glyph.Width;
        for (int x = part.Left; x < part.Right; ++x) {
          if (mask[x - box.Left]) row[x] = ink;
        }
      }
    }
  }
}

void TextPainter::PaintUnderline(TPoint origin, int u0, int u1, int baselineV, COLORREF color) {
  const int top = baselineV + FRealized.UnderlineOffset();
  FillFrame(origin, {u0, top, u1, top + FRealized.UnderlineThickness()}, color);
}

void TextPainter::PaintDecorations(TPoint origin, int u0, int u1, int baselineV, COLORREF color) {
  if (FFont.LogFont().lfUnderline != 0) PaintUnderline(origin, u0, u1, baselineV, color);
  if (FFont.LogFont().lfStrikeOut != 0) {
    const int top = baselineV - FRealized.StrikeOutOffset();
    FillFrame(origin, {u0, top, u1, top + FRealized.StrikeOutThickness()}, color);
  }
}

}  // namespace plat
