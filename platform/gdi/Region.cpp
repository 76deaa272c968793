#include "platform/gdi/Region.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace plat {

namespace {

using Span = std::pair<int, int>;  // [first, second)
using Spans = std::vector<Span>;

// Shaped regions are cut to this window so that a hostile size cannot make
// millions of bands.
constexpr int ShapeLimit = 65536;

// Half-width of an ellipse of axes a, b (centred on 0) at vertical offset dy.
double HalfWidthAt(double a, double b, double dy) {
  const double t = 1.0 - (dy * dy) / (b * b);
  return t <= 0 ? 0 : a * std::sqrt(t);
}

// The span of row y of the ellipse inscribed in bounds (exclusive right and
// bottom edges), sampled at the row's centre; empty when the row misses it.
Span EllipseRow(const TRect& r, int y) {
  const double a = r.Width() / 2.0;
  const double b = r.Height() / 2.0;
  const double cx = r.Left + a;
  const double dy = (y + 0.5) - (r.Top + b);
  const double hw = HalfWidthAt(a, b, dy);
  const int left = static_cast<int>(std::lround(cx - hw));
  const int right = static_cast<int>(std::lround(cx + hw));
  return {left, right};
}

int EdgeOf(const TRect& r, std::size_t k) { return k % 2 == 0 ? r.Left : r.Right; }

}  // namespace

Region::Region(const TRect& rect) {
  if (!rect.IsEmpty()) FRects.push_back(rect);
  Finish();
}

void Region::Finish() {
  FBounds = {};
  for (const TRect& r : FRects) FBounds = FBounds.United(r);
}

int Region::Kind() const {
  if (FRects.empty()) return NULLREGION;
  return FRects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

Region Region::FromRowSpans(int y0, const std::vector<Spans>& rows) {
  Region out;
  std::size_t bandStart = 0;  // index of the first rect of the last band
  bool haveBand = false;
  const Spans* lastSpans = nullptr;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Spans& spans = rows[i];
    const int y = y0 + static_cast<int>(i);
    if (spans.empty()) {
      haveBand = false;
      continue;
    }
    if (haveBand && lastSpans && *lastSpans == spans) {
      for (std::size_t k = bandStart; k < out.FRects.size(); ++k) out.FRects[k].Bottom = y + 1;
    } else {
      bandStart = out.FRects.size();
      for (const Span& s : spans) out.FRects.push_back({s.first, y, s.second, y + 1});
      haveBand = true;
    }
    lastSpans = &spans;
  }
  out.Finish();
  return out;
}

Region Region::FromRects(std::span<const TRect> rects) {
  Region out;
  for (const TRect& r : rects) out = out.United(Region(r));
  return out;
}

Region Region::Ellipse(const TRect& bounds) {
  const TRect r = bounds.Normalized();
  if (r.IsEmpty()) return {};
  const int top = std::max(r.Top, -ShapeLimit);
  const int bottom = std::min(r.Bottom, ShapeLimit);
  if (top >= bottom) return {};
  std::vector<Spans> rows(static_cast<std::size_t>(bottom - top));
  for (int y = top; y < bottom; ++y) {
    const Span s = EllipseRow(r, y);
    if (s.first < s.second) rows[static_cast<std::size_t>(y - top)].push_back(s);
  }
  return FromRowSpans(top, rows);
}

Region Region::RoundRect(const TRect& bounds, int ellipseWidth, int ellipseHeight) {
  const TRect r = bounds.Normalized();
  if (r.IsEmpty()) return {};
  const int ew = std::clamp(std::abs(ellipseWidth), 0, r.Width());
  const int eh = std::clamp(std::abs(ellipseHeight), 0, r.Height());
  if (ew < 2 || eh < 2) return Region(r);
  const int top = std::max(r.Top, -ShapeLimit);
  const int bottom = std::min(r.Bottom, ShapeLimit);
  if (top >= bottom) return {};
  // The corners are quarters of an ew x eh ellipse; rows between them are full.
  const TRect topCorner = plat::Bounds(r.Left, r.Top, ew, eh);
  const TRect bottomCorner = plat::Bounds(r.Left, r.Bottom - eh, ew, eh);
  std::vector<Spans> rows(static_cast<std::size_t>(bottom - top));
  for (int y = top; y < bottom; ++y) {
    int inset = 0;
    if (y < r.Top + eh / 2) {
      inset = EllipseRow(topCorner, y).first - r.Left;
    } else if (y >= r.Bottom - eh / 2) {
      inset = EllipseRow(bottomCorner, y).first - r.Left;
    }
    inset = std::clamp(inset, 0, ew / 2);
    if (r.Left + inset < r.Right - inset)
      rows[static_cast<std::size_t>(y - top)].push_back({r.Left + inset, r.Right - inset});
  }
  return FromRowSpans(top, rows);
}

Region Region::Polygon(std::span<const TPoint> points, int fillMode) {
  if (points.size() < 3) return {};
  int minY = points[0].Y, maxY = points[0].Y;
  for (const TPoint& p : points) {
    minY = std::min(minY, p.Y);
    maxY = std::max(maxY, p.Y);
  }
  const int top = std::max(minY, -ShapeLimit);
  const int bottom = std::min(maxY, ShapeLimit);
  if (top >= bottom) return {};
  std::vector<Spans> rows(static_cast<std::size_t>(bottom - top));
  struct Crossing {
    double x;
    int dir;
  };
  std::vector<Crossing> crossings;
  for (int y = top; y < bottom; ++y) {
    const double sy = y + 0.5;  // pixel centres decide
    crossings.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const TPoint& a = points[i];
      const TPoint& b = points[(i + 1) % points.size()];
      if (a.Y == b.Y) continue;
      const bool down = a.Y < b.Y;
      const TPoint& lo = down ? a : b;
      const TPoint& hi = down ? b : a;
      if (sy < lo.Y || sy >= hi.Y) continue;
      const double x = lo.X + (sy - lo.Y) * (static_cast<double>(hi.X) - lo.X) / (static_cast<double>(hi.Y) - lo.Y);
      crossings.push_back({x, down ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
    Spans& row = rows[static_cast<std::size_t>(y - top)];
    int winding = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
      winding += crossings[i].dir;
      const bool inside = fillMode == WINDING ? winding != 0 : (i % 2) == 0;
      if (!inside) continue;
      // Pixel x is inside when its centre x + 0.5 lies in [x0, x1).
      const int x0 = static_cast<int>(std::ceil(crossings[i].x - 0.5));
      const int x1 = static_cast<int>(std::ceil(crossings[i + 1].x - 0.5));
      if (x0 >= x1) continue;
      if (!row.empty() && row.back().second >= x0)
        row.back().second = std::max(row.back().second, x1);
      else
        row.push_back({x0, x1});
    }
  }
  return FromRowSpans(top, rows);
}

Region Region::Combine(const Region& other, Op op) const {
  // Every band edge of either region; between two neighbouring edges each
  // region has one set of spans, which combine one-dimensionally.
  std::vector<int> edges;
  edges.reserve((FRects.size() + other.FRects.size()) * 2);
  for (const TRect& r : FRects) edges.insert(edges.end(), {r.Top, r.Bottom});
  for (const TRect& r : other.FRects) edges.insert(edges.end(), {r.Top, r.Bottom});
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

  Region out;
  std::size_t ia = 0, ib = 0;
  std::size_t lastBand = 0;
  bool lastBandOpen = false;
  Spans spans;
  for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
    const int y0 = edges[e], y1 = edges[e + 1];
    while (ia < FRects.size() && FRects[ia].Bottom <= y0) ++ia;
    while (ib < other.FRects.size() && other.FRects[ib].Bottom <= y0) ++ib;
    std::size_t ea = ia, eb = ib;
    while (ea < FRects.size() && FRects[ea].Top <= y0 && FRects[ea].Top == FRects[ia].Top) ++ea;
    while (eb < other.FRects.size() && other.FRects[eb].Top <= y0 && other.FRects[eb].Top == other.FRects[ib].Top) ++eb;
    // Walk the x edges of both span lists: edge k of a band is rect k/2's
    // Left (k even) or Right (k odd).
    spans.clear();
    const std::size_t countA = (ea - ia) * 2, countB = (eb - ib) * 2;
    std::size_t ka = 0, kb = 0;
    bool inA = false, inB = false, open = false;
    int openAt = 0;
    while (ka < countA || kb < countB) {
      const int xa = ka < countA ? EdgeOf(FRects[ia + ka / 2], ka) : 0;
      const int xb = kb < countB ? EdgeOf(other.FRects[ib + kb / 2], kb) : 0;
      const int x = ka >= countA ? xb : kb >= countB ? xa : std::min(xa, xb);
      if (ka < countA && xa == x) {
        inA = !inA;
        ++ka;
      }
      if (kb < countB && xb == x) {
        inB = !inB;
        ++kb;
      }
      bool in = false;
      switch (op) {
        case Op::Or: in = inA || inB; break;
        case Op::And: in = inA && inB; break;
        case Op::Diff: in = inA && !inB; break;
        case Op::Xor: in = inA != inB; break;
      }
      if (in && !open) {
        open = true;
        openAt = x;
      } else if (!in && open) {
        open = false;
        if (openAt < x) spans.push_back({openAt, x});
      }
    }
    if (spans.empty()) {
      lastBandOpen = false;
      continue;
    }
    // Merge with the band above when it touches and has the same spans.
    bool merged = false;
    if (lastBandOpen && out.FRects[lastBand].Bottom == y0 && out.FRects.size() - lastBand == spans.size()) {
      merged = true;
      for (std::size_t k = 0; k < spans.size(); ++k) {
        const TRect& r = out.FRects[lastBand + k];
        if (r.Left != spans[k].first || r.Right != spans[k].second) {
          merged = false;
          break;
        }
      }
    }
    if (merged) {
      for (std::size_t k = lastBand; k < out.FRects.size(); ++k) out.FRects[k].Bottom = y1;
    } else {
      lastBand = out.FRects.size();
      for (const Span& s : spans) out.FRects.push_back({s.first, y0, s.second, y1});
    }
    lastBandOpen = true;
  }
  out.Finish();
  return out;
}

Region Region::United(const Region& other) const { return Combine(other, Op::Or); }
Region Region::Intersected(const Region& other) const { return Combine(other, Op::And); }
Region Region::Subtracted(const Region& other) const { return Combine(other, Op::Diff); }
Region Region::Xored(const Region& other) const { return Combine(other, Op::Xor); }
Region Region::Intersected(const TRect& rect) const {
  if (rect.Contains(FBounds)) return *this;
  return Combine(Region(rect), Op::And);
}

void Region::Offset(int dx, int dy) {
  for (TRect& r : FRects) r = r.Translated(dx, dy);
  if (!FRects.empty()) FBounds = FBounds.Translated(dx, dy);
}

std::span<const TRect> Region::BandAt(int y) const {
  if (y < FBounds.Top || y >= FBounds.Bottom) return {};
  // First rect whose band ends below y.
  auto it = std::partition_point(FRects.begin(), FRects.end(), [y](const TRect& r) { return r.Bottom <= y; });
  if (it == FRects.end() || it->Top > y) return {};
  auto end = it;
  while (end != FRects.end() && end->Top == it->Top) ++end;
  return {&*it, static_cast<std::size_t>(end - it)};
}

bool Region::Contains(TPoint p) const {
  for (const TRect& r : BandAt(p.Y))
    if (p.X >= r.Left && p.X < r.Right) return true;
  return false;
}

bool Region::Intersects(const TRect& rect) const {
  if (!FBounds.Intersects(rect)) return false;
  for (const TRect& r : FRects)
    if (r.Intersects(rect)) return true;
  return false;
}

int Region::Describe(int size, void* buffer) const {
  (void)size;
  (void)buffer;
  return 0;  // regions have no GetObject description
}

// The handle calls.

namespace {

Region* Rgn(HRGN h) { return GdiObjectTable::As<Region>(h, OBJ_REGION); }

HRGN Adopt(Region region) { return GdiObjectTable::Adopt(std::make_unique<Region>(std::move(region))); }

// Coordinates beyond the drawing range are pulled in, so later sums cannot overflow.
TRect Clamped(int left, int top, int right, int bottom) {
  auto c = [](int v) { return std::clamp(v, -MaxCoordinate, MaxCoordinate); };
  return TRect{c(left), c(top), c(right), c(bottom)}.Normalized();
}

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  return Adopt(Region(Clamped(left, top, right, bottom)));
}
HRGN CreateRectRgnIndirect(const RECT* rect) {
  return rect ? CreateRectRgn(rect->Left, rect->Top, rect->Right, rect->Bottom) : nullptr;
}
HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
  return Adopt(Region::Ellipse(Clamped(left, top, right, bottom)));
}
HRGN CreateEllipticRgnIndirect(const RECT* rect) {
  return rect ? CreateEllipticRgn(rect->Left, rect->Top, rect->Right, rect->Bottom) : nullptr;
}
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
  return Adopt(Region::RoundRect(Clamped(left, top, right, bottom), std::clamp(ellipseWidth, 0, MaxCoordinate),
                                 std::clamp(ellipseHeight, 0, MaxCoordinate)));
}
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
  if (!points || count < 0) return nullptr;
  for (int i = 0; i < count; ++i)
    if (!CoordinatesInRange({points[i].X, points[i].Y})) return nullptr;
  return Adopt(Region::Polygon({points, static_cast<std::size_t>(count)}, fillMode));
}

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
  Region* d = Rgn(dest);
  Region* a = Rgn(src1);
  if (!d || !a) return ERROR;
  if (mode == RGN_COPY) {
    *d = *a;
    return d->Kind();
  }
  Region* b = Rgn(src2);
  if (!b) return ERROR;
  switch (mode) {
    case RGN_AND: *d = a->Intersected(*b); break;
    case RGN_OR: *d = a->United(*b); break;
    case RGN_XOR: *d = a->Xored(*b); break;
    case RGN_DIFF: *d = a->Subtracted(*b); break;
    default: return ERROR;
  }
  return d->Kind();
}

int OffsetRgn(HRGN region, int dx, int dy) {
  Region* r = Rgn(region);
  if (!r) return ERROR;
  // Region coordinates stay within the drawing range (both are at most 2^27).
  if (!CoordinatesInRange({dx, dy}) || (!r->IsEmpty() && !CoordinatesInRange(r->Bounds().Translated(dx, dy))))
    return ERROR;
  r->Offset(dx, dy);
  return r->Kind();
}

int GetRgnBox(HRGN region, RECT* box) {
  Region* r = Rgn(region);
  if (!r || !box) return ERROR;
  *box = r->Bounds();
  return r->Kind();
}

bool SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
  Region* r = Rgn(region);
  if (!r) return false;
  *r = Region(Clamped(left, top, right, bottom));
  return true;
}

bool PtInRegion(HRGN region, int x, int y) {
  Region* r = Rgn(region);
  return r && r->Contains({x, y});
}

bool RectInRegion(HRGN region, const RECT* rect) {
  Region* r = Rgn(region);
  return r && rect && r->Intersects(rect->Normalized());
}

bool EqualRgn(HRGN a, HRGN b) {
  Region* ra = Rgn(a);
  Region* rb = Rgn(b);
  return ra && rb && *ra == *rb;
}

}  // namespace plat
