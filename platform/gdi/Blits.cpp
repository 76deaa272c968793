#include "platform/gdi/Blits.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/gdi/Brush.h"
#include "platform/gdi/RasterOps.h"

namespace plat {

namespace {

DeviceContext* Dc(HDC dc) { return DeviceContext::IsLive(dc) && dc->Target() ? dc : nullptr; }

const Brush* CurrentBrush(const DeviceContext& dc) { return GdiObjectTable::As<Brush>(dc.State().Brush, OBJ_BRUSH); }

// Maps destination pixels (target coordinates) to source pixels.
struct Mapping {
  TRect Dest;    // normalised, target coordinates of the destination
  TRect Source;  // normalised, target coordinates of the source
  bool MirrorX = false;
  bool MirrorY = false;

  static Mapping Make(const DeviceContext& dst, int x, int y, int w, int h, const DeviceContext& src, int sx, int sy,
                      int sw, int sh) {
    Mapping m;
    m.Dest = dst.ToTarget(Extent(x, y, w, h));
    m.Source = src.ToTarget(Extent(sx, sy, sw, sh));
    m.MirrorX = (w < 0) != (sw < 0);
    m.MirrorY = (h < 0) != (sh < 0);
    return m;
  }
  // A negative size runs back from the start pixel, which stays inside:
  // (w - 1, 0) with width -w covers columns w - 1 down to 0.
  static TRect Extent(int x, int y, int w, int h) {
    const auto axis = [](int start, int size) {
      return size >= 0 ? std::pair{start, start + size} : std::pair{start + size + 1, start + 1};
    };
    const auto [left, right] = axis(x, w);
    const auto [top, bottom] = axis(y, h);
    return {left, top, right, bottom};
  }
  bool Scaled() const { return Dest.Width() != Source.Width() || Dest.Height() != Source.Height(); }
  // Source column for destination column x (pixel centres).
  int SourceX(int x) const { return Axis(x - Dest.Left, Dest.Width(), Source.Left, Source.Width(), MirrorX); }
  int SourceY(int y) const { return Axis(y - Dest.Top, Dest.Height(), Source.Top, Source.Height(), MirrorY); }

  static int Axis(int i, int destSize, int sourceStart, int sourceSize, bool mirror) {
    long long j = (static_cast<long long>(2 * i + 1) * sourceSize) / (2LL * destSize);
    if (mirror) j = sourceSize - 1 - j;
    return sourceStart + static_cast<int>(j);
  }
};

// Reads source pixels already turned into the destination's format.
class SourceReader {
 public:
  SourceReader(const DeviceContext& src, const DeviceContext& dst)
      : FBitmap(*src.Target()),
        FToColor(FBitmap.IsMonochrome() && !dst.Target()->IsMonochrome()),
        FToMono(!FBitmap.IsMonochrome() && dst.Target()->IsMonochrome()),
        FText(dst.TargetPixel(dst.State().TextColor)),
        FBack(dst.TargetPixel(dst.State().BkColor)),
        FSourceBack(PixelFromColorRef(src.State().BkColor)) {}

  void Snapshot(const TRect& area) {
    // Copying within one bitmap reads from a copy, so overlapping areas work.
    FCopy.emplace(area.Width(), area.Height(), FBitmap.IsMonochrome());
    for (int y = area.Top; y < area.Bottom; ++y)
      std::copy_n(FBitmap.Row(y) + area.Left, area.Width(), FCopy->Row(y - area.Top));
    FCopyAt = area.TopLeft();
  }

  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < FBitmap.Width() && y < FBitmap.Height(); }

  const TPixel* RawAt(int x, int y) const {
    return FCopy ? FCopy->Row(y - FCopyAt.Y) + (x - FCopyAt.X) : FBitmap.Row(y) + x;
  }
  TPixel Raw(int x, int y) const { return *RawAt(x, y); }
  int Width() const { return FBitmap.Width(); }
  int Height() const { return FBitmap.Height(); }

  TPixel Get(int x, int y) const {
    const TPixel p = Raw(x, y) & ColorMask;
    if (FToColor) return p ? FBack : FText;
    if (FToMono) return p == FSourceBack ? ColorMask : 0;
    return p;
  }

  bool SameFormat() const { return !FToColor && !FToMono; }

 private:
  const Bitmap& FBitmap;
  bool FToColor;
  bool FToMono;
  TPixel FText;
  TPixel FBack;
  TPixel FSourceBack;
  std::optional<Bitmap> FCopy;
  TPoint FCopyAt;
};

// The source column of each visible destination column, worked out once per
// call, and the run of them that falls inside the source.
class ColumnMap {
 public:
  ColumnMap(const Mapping& m, const TRect& visible, int sourceWidth) : FLeft(visible.Left) {
    FColumns.resize(static_cast<std::size_t>(std::max(visible.Width(), 0)));
    First = visible.Right;
    Last = visible.Left;
    for (int x = visible.Left; x < visible.Right; ++x) {
      const int c = m.SourceX(x);
      FColumns[static_cast<std::size_t>(x - FLeft)] = c;
      if (c >= 0 && c < sourceWidth) {  // columns are monotonic, so this is one run
        First = std::min(First, x);
        Last = x + 1;
      }
    }
  }
  int operator()(int x) const { return FColumns[static_cast<std::size_t>(x - FLeft)]; }

  int First;
  int Last;

 private:
  int FLeft;
  std::vector<int> FColumns;
};

// Visits every visible destination pixel whose source pixel exists, as
// runs visit(y, x0, x1, sourceY).
template <class Visit>
void ForEachVisibleRun(const DeviceContext& dst, const Mapping& m, const SourceReader& src, const ColumnMap& columns,
                       Visit visit) {
  for (const TRect& c : dst.EffectiveClip().Rects()) {
    const TRect r = c.Intersected(m.Dest);
    const int x0 = std::max(r.Left, columns.First), x1 = std::min(r.Right, columns.Last);
    if (r.IsEmpty() || x0 >= x1) continue;
    for (int y = r.Top; y < r.Bottom; ++y) {
      const int sy = m.SourceY(y);
      if (sy >= 0 && sy < src.Height()) visit(y, x0, x1, sy);
    }
  }
}

// Copies in pieces of 2 KB: longer copies make the C library switch to
// string-move instructions, which run several times slower than its vector
// loop on some processors.
void CopyPixels(TPixel* to, const TPixel* from, int count) {
  constexpr int Piece = 512;
  for (int done = 0; done < count; done += Piece)
    std::memcpy(to + done, from + done, static_cast<std::size_t>(std::min(Piece, count - done)) * sizeof(TPixel));
}

TRect VisibleDest(const DeviceContext& dst, const Mapping& m) {
  return m.Dest.Intersected(dst.EffectiveClip().Bounds());
}

// The average of a source box, for HALFTONE shrinking.
TPixel BoxAverage(const SourceReader& src, int x0, int x1, int y0, int y1) {
  unsigned long long sum[3] = {0, 0, 0};
  unsigned long long n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      if (!src.Inside(x, y)) continue;
      const TPixel p = src.Get(x, y);
      sum[0] += p & 0xFF;
      sum[1] += (p >> 8) & 0xFF;
      sum[2] += (p >> 16) & 0xFF;
      ++n;
    }
  if (n == 0) return 0;
  return static_cast<TPixel>((sum[0] + n / 2) / n) | static_cast<TPixel>((sum[1] + n / 2) / n) << 8 |
         static_cast<TPixel>((sum[2] + n / 2) / n) << 16;
}

bool InRange(int x, int y, int w, int h, int sx, int sy, int sw, int sh) {
  return CoordinatesInRange({x, y, w, h, sx, sy, sw, sh});
}

bool Transfer(DeviceContext& dst, const Mapping& m, DeviceContext& src, DWORD rop) {
  if (m.Dest.IsEmpty() || m.Source.IsEmpty()) return true;
  SourceReader reader(src, dst);
  if (src.Target() == dst.Target()) reader.Snapshot(m.Source.Intersected(src.Target()->Bounds()));
  Bitmap& target = *dst.Target();
  const Brush* brush = RopUsesPattern(rop) ? CurrentBrush(dst) : nullptr;
  if (RopUsesPattern(rop) && (!brush || brush->IsNull())) return true;  // nothing to paint with
  const bool halftone = dst.State().StretchMode == HALFTONE && !target.IsMonochrome() &&
                        (m.Source.Width() > m.Dest.Width() || m.Source.Height() > m.Dest.Height());
  // A same-format copy moves whole pixels, the fourth byte included.
  const bool plainCopy = rop == SRCCOPY && reader.SameFormat() && !m.Scaled() && !m.MirrorX && !m.MirrorY;
  const ColumnMap columns(m, VisibleDest(dst, m), reader.Width());
  ForEachVisibleRun(dst, m, reader, columns, [&](int y, int x0, int x1, int sy) {
    TPixel* row = target.Row(y);
    if (plainCopy) {
      CopyPixels(row + x0, reader.RawAt(columns(x0), sy), x1 - x0);
      return;
    }
    for (int x = x0; x < x1; ++x) {
      TPixel s = 0;
      if (halftone) {
        const int bx0 = m.Source.Left +
                        static_cast<int>(static_cast<long long>(x - m.Dest.Left) * m.Source.Width() / m.Dest.Width());
        const int bx1 = std::max(bx0 + 1, m.Source.Left + static_cast<int>(static_cast<long long>(x + 1 - m.Dest.Left) *
                                                                           m.Source.Width() / m.Dest.Width()));
        const int by0 = m.Source.Top +
                        static_cast<int>(static_cast<long long>(y - m.Dest.Top) * m.Source.Height() / m.Dest.Height());
        const int by1 = std::max(by0 + 1, m.Source.Top + static_cast<int>(static_cast<long long>(y + 1 - m.Dest.Top) *
                                                                          m.Source.Height() / m.Dest.Height()));
        s = m.MirrorX || m.MirrorY ? reader.Get(columns(x), sy) : BoxAverage(reader, bx0, bx1, by0, by1);
      } else {
        s = reader.Get(columns(x), sy);
      }
      const TPixel p = brush ? dst.PatternPixel(*brush, x, y) : 0;
      row[x] = target.Quantize(rop == SRCCOPY ? s : Rop3(rop, p, s, row[x] & ColorMask));
    }
  });
  return true;
}

}  // namespace

bool BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop) {
  if (!RopUsesSource(rop)) return PatBlt(dest, x, y, width, height, rop);
  DeviceContext* dst = Dc(dest);
  DeviceContext* src = Dc(source);
  if (!dst || !src || !InRange(x, y, width, height, sourceX, sourceY, width, height)) return false;
  return Transfer(*dst, Mapping::Make(*dst, x, y, width, height, *src, sourceX, sourceY, width, height), *src, rop);
}

bool StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, int sourceWidth,
                int sourceHeight, DWORD rop) {
  if (!RopUsesSource(rop)) return PatBlt(dest, x, y, width, height, rop);
  DeviceContext* dst = Dc(dest);
  DeviceContext* src = Dc(source);
  if (!dst || !src || !InRange(x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight)) return false;
  return Transfer(*dst, Mapping::Make(*dst, x, y, width, height, *src, sourceX, sourceY, sourceWidth, sourceHeight),
                  *src, rop);
}

bool PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !CoordinatesInRange({x, y, width, height})) return false;
  const TRect area = dc->ToTarget(TRect{x, y, x + width, y + height}).Normalized();
  const Brush* brush = CurrentBrush(*dc);
  if (rop == PATCOPY) {
    if (brush) dc->FillRectWithBrush(area, *brush, R2_COPYPEN);
    return true;
  }
  if (RopUsesPattern(rop) && (!brush || brush->IsNull())) return true;
  Bitmap& target = *dc->Target();
  for (const TRect& c : dc->EffectiveClip().Rects()) {
    const TRect r = c.Intersected(area);
    for (int py = r.Top; py < r.Bottom; ++py) {
      TPixel* row = target.Row(py);
      for (int px = r.Left; px < r.Right; ++px) {
        const TPixel p = brush ? dc->PatternPixel(*brush, px, py) : 0;
        row[px] = target.Quantize(Rop3(rop, p, 0, row[px] & ColorMask));
      }
    }
  }
  return true;
}

bool TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                    int sourceWidth, int sourceHeight, UINT transparentColor) {
  DeviceContext* dst = Dc(dest);
  DeviceContext* src = Dc(source);
  if (!dst || !src || width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0 ||
      !InRange(x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight))
    return false;
  const Mapping m = Mapping::Make(*dst, x, y, width, height, *src, sourceX, sourceY, sourceWidth, sourceHeight);
  SourceReader reader(*src, *dst);
  if (src->Target() == dst->Target()) reader.Snapshot(m.Source.Intersected(src->Target()->Bounds()));
  const TPixel key = PixelFromColorRef(transparentColor & 0x00FFFFFF);
  Bitmap& target = *dst->Target();
  const ColumnMap columns(m, VisibleDest(*dst, m), reader.Width());
  ForEachVisibleRun(*dst, m, reader, columns, [&](int py, int x0, int x1, int sy) {
    TPixel* row = target.Row(py);
    for (int px = x0; px < x1; ++px) {
      const int sx = columns(px);
      if ((reader.Raw(sx, sy) & ColorMask) == key) continue;
      row[px] = target.Quantize(reader.Get(sx, sy));
    }
  });
  return true;
}

bool AlphaBlend(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, int sourceWidth,
                int sourceHeight, BLENDFUNCTION blend) {
  DeviceContext* dst = Dc(dest);
  DeviceContext* src = Dc(source);
  if (!dst || !src || width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0 ||
      !InRange(x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight))
    return false;
  if (blend.BlendOp != AC_SRC_OVER) return false;
  const Mapping m = Mapping::Make(*dst, x, y, width, height, *src, sourceX, sourceY, sourceWidth, sourceHeight);
  if (!src->Target()->Bounds().Contains(m.Source)) return false;
  SourceReader reader(*src, *dst);
  if (src->Target() == dst->Target()) reader.Snapshot(m.Source);
  const unsigned constant = blend.SourceConstantAlpha;
  const bool perPixel = blend.AlphaFormat == AC_SRC_ALPHA;
  Bitmap& target = *dst->Target();
  auto scale = [](unsigned v, unsigned a) { return (v * a + 127) / 255; };
  const ColumnMap columns(m, VisibleDest(*dst, m), reader.Width());
  ForEachVisibleRun(*dst, m, reader, columns, [&](int py, int x0, int x1, int sy) {
    TPixel* row = target.Row(py);
    for (int px = x0; px < x1; ++px) {
      const TPixel s = reader.Raw(columns(px), sy);
      const TPixel d = row[px];
      TPixel out = 0;
      if (perPixel) {
        // Premultiplied source: out = s * constant + d * (1 - source alpha * constant).
        const unsigned sa = scale(s >> 24, constant);
        for (int shift = 0; shift < 32; shift += 8) {
          const unsigned v = scale((s >> shift) & 0xFF, constant) + scale((d >> shift) & 0xFF, 255 - sa);
          out |= static_cast<TPixel>(std::min(v, 255u)) << shift;
        }
      } else {
        for (int shift = 0; shift < 32; shift += 8)
          out |= static_cast<TPixel>(scale((s >> shift) & 0xFF, constant) + scale((d >> shift) & 0xFF, 255 - constant))
                 << shift;
      }
      row[px] = target.IsMonochrome() ? target.Quantize(out) : out;
    }
  });
  return true;
}

}  // namespace plat
