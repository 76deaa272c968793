#include "platform/gdi/Shapes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "platform/gdi/Brush.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/RasterOps.h"

namespace plat {

namespace {

using Spans = std::vector<std::pair<int, int>>;

DeviceContext* Dc(HDC dc) { return DeviceContext::IsLive(dc) && dc->Target() ? dc : nullptr; }

const Pen& CurrentPen(const DeviceContext& dc) {
  if (const Pen* pen = GdiObjectTable::As<Pen>(dc.State().Pen, OBJ_PEN)) return *pen;
  return *static_cast<const Pen*>(GetStockObject(BLACK_PEN));
}

const Brush& CurrentBrush(const DeviceContext& dc) {
  if (const Brush* brush = GdiObjectTable::As<Brush>(dc.State().Brush, OBJ_BRUSH)) return *brush;
  return *static_cast<const Brush*>(GetStockObject(WHITE_BRUSH));
}

// A brush handle, or a system colour index + 1 in its place.
const Brush* ResolveBrush(HBRUSH handle) {
  const auto value = reinterpret_cast<std::uintptr_t>(handle);
  if (value >= 1 && value <= static_cast<std::uintptr_t>(COLOR_COUNT))
    return GetSysColorBrush(static_cast<int>(value) - 1);
  return GdiObjectTable::As<Brush>(handle, OBJ_BRUSH);
}

// On and off run lengths of the styled pens, starting with "on".
std::span<const int> DashPattern(int style) {
  static constexpr std::array<int, 2> Dash{18, 6};
  static constexpr std::array<int, 2> Dot{3, 3};
  static constexpr std::array<int, 4> DashDot{9, 6, 3, 6};
  static constexpr std::array<int, 6> DashDotDot{9, 3, 3, 3, 3, 3};
  switch (style) {
    case PS_DASH: return Dash;
    case PS_DOT: return Dot;
    case PS_DASHDOT: return DashDot;
    case PS_DASHDOTDOT: return DashDotDot;
    default: return {};
  }
}

// Whether step `index` of a styled line is in an "on" run.
bool DashOn(std::span<const int> pattern, long long index) {
  int period = 0;
  for (int run : pattern) period += run;
  long long at = index % period;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (at < pattern[i]) return i % 2 == 0;
    at -= pattern[i];
  }
  return false;
}

// Draws pen lines in target coordinates; the dash phase runs on across the
// segments of one call.
class LineDrawer {
 public:
  LineDrawer(DeviceContext& dc, const Pen& pen)
      : FDc(dc),
        FPattern(pen.Width() <= 1 ? DashPattern(pen.Style()) : std::span<const int>{}),
        FWidth(std::max(pen.Width(), 1)),
        FColor(dc.TargetPixel(pen.Color())),
        FGapColor(dc.TargetPixel(dc.State().BkColor)),
        FOpaqueGaps(dc.State().BkMode == OPAQUE),
        FRop(dc.State().Rop2),
        FReach(dc.EffectiveClip().Bounds().Inflated(FWidth, FWidth)) {}

  // From a to b, leaving out b.
  void Segment(TPoint a, TPoint b) {
    const long long dx = std::llabs(static_cast<long long>(b.X) - a.X);
    const long long dy = std::llabs(static_cast<long long>(b.Y) - a.Y);
    const int sx = b.X >= a.X ? 1 : -1, sy = b.Y >= a.Y ? 1 : -1;
    const bool xMajor = dx >= dy;
    const long long major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    if (minor == 0 && FPattern.empty() && (FWidth == 1 || FRop == R2_COPYPEN)) {
      if (major > 0) StampRun(a, xMajor ? TPoint{b.X - sx, b.Y} : TPoint{b.X, b.Y - sy});
      FPhase += major;
      return;
    }
    auto point = [&](long long i) {
      const long long m = major == 0 ? 0 : (2 * i * minor + major) / (2 * major);
      const long long x = a.X + (xMajor ? i : m) * sx;
      const long long y = a.Y + (xMajor ? m : i) * sy;
      return std::pair{x, y};
    };
    // Only the steps that can reach the clip are walked.
    const auto [first, last] = VisibleSteps(major, point, sx, sy);
    for (long long i = first; i < last; ++i) {
      const auto [x, y] = point(i);
      const bool on = FPattern.empty() || DashOn(FPattern, FPhase + i);
      if (on || FOpaqueGaps) Stamp(static_cast<int>(x), static_cast<int>(y), on ? FColor : FGapColor);
    }
    FPhase += major;
  }

 private:
  // The steps whose pixel lies within reach of the clip. Both coordinates
  // move monotonically along the line, so each bound is a binary search.
  template <class PointAt>
  std::pair<long long, long long> VisibleSteps(long long count, PointAt point, int sx, int sy) const {
    if (count == 0 || FReach.IsEmpty()) return {0, 0};
    auto firstWhere = [count](auto test) {  // test turns from false to true once
      long long lo = 0, hi = count;
      while (lo < hi) {
        const long long mid = lo + (hi - lo) / 2;
        if (test(mid))
          hi = mid;
        else
          lo = mid + 1;
      }
      return lo;
    };
    auto range = [&](auto coord, int dir, int low, int high) {
      if (dir > 0)
        return std::pair{firstWhere([&](long long i) { return coord(i) >= low; }),
                         firstWhere([&](long long i) { return coord(i) >= high; })};
      return std::pair{firstWhere([&](long long i) { return coord(i) < high; }),
                       firstWhere([&](long long i) { return coord(i) < low; })};
    };
    const auto [x0, x1] = range([&](long long i) { return point(i).first; }, sx, FReach.Left, FReach.Right);
    const auto [y0, y1] = range([&](long long i) { return point(i).second; }, sy, FReach.Top, FReach.Bottom);
    const long long first = std::max(x0, y0), last = std::min(x1, y1);
    return first < last ? std::pair{first, last} : std::pair{0LL, 0LL};
  }

  void Stamp(int x, int y, TPixel color) {
    if (FWidth == 1) return FDc.FillSpan(y, x, x + 1, color, FRop);
    const int from = -(FWidth - 1) / 2;
    for (int row = 0; row < FWidth; ++row) FDc.FillSpan(y + from + row, x + from, x + from + FWidth, color, FRop);
  }

  // The stamps of a solid horizontal or vertical run, centred from p to q
  // inclusive, cover one rectangle. Filling it once draws what stamping
  // each step would, as long as no pixel is stamped twice or a second stamp
  // changes nothing: one-pixel pens, or the plain copy mix.
  void StampRun(TPoint p, TPoint q) {
    const TRect centres = TRect{std::min(p.X, q.X), std::min(p.Y, q.Y), std::max(p.X, q.X) + 1,
                                std::max(p.Y, q.Y) + 1}
                              .Intersected(FReach);
    if (centres.IsEmpty()) return;
    const int from = -(FWidth - 1) / 2;
    FDc.FillRect({centres.Left + from, centres.Top + from, centres.Right + from + FWidth - 1,
                  centres.Bottom + from + FWidth - 1},
                 FColor, FRop);
  }

  DeviceContext& FDc;
  std::span<const int> FPattern;
  int FWidth;
  TPixel FColor;
  TPixel FGapColor;
  bool FOpaqueGaps;
  int FRop;
  TRect FReach;
  long long FPhase = 0;
};

void FillSolid(DeviceContext& dc, const Region& target, COLORREF color, int rop2) {
  dc.FillRegionWithBrush(target, Brush(BS_SOLID, color, 0), rop2);
}

// A closed shape: interior with the brush and the DC's ROP2, then the ring
// between outer and interior with the pen colour.
void FillShape(DeviceContext& dc, const Region& outer, const Region& interior, bool withPen) {
  dc.FillRegionWithBrush(interior, CurrentBrush(dc), dc.State().Rop2);
  if (withPen) FillSolid(dc, outer.Subtracted(interior), CurrentPen(dc).Color(), dc.State().Rop2);
}

// The shape's box in target coordinates, and the pen's thickness (0 = none).
struct ShapeBox {
  TRect Box;
  int PenWidth;
};

ShapeBox PrepareShape(const DeviceContext& dc, int left, int top, int right, int bottom) {
  const Pen& pen = CurrentPen(dc);
  TRect box = dc.ToTarget(TRect{left, top, right, bottom}.Normalized());
  if (pen.IsNull()) {
    box.Right -= 1;
    box.Bottom -= 1;
    return {box, 0};
  }
  return {box, std::max(pen.Width(), 1)};
}

// Keeps the pixels of region whose centres pass test(x + 0.5, y + 0.5).
template <class Test>
Region Filter(const Region& region, Test test) {
  const TRect b = region.Bounds();
  if (b.IsEmpty()) return {};
  std::vector<Spans> rows(static_cast<std::size_t>(b.Height()));
  for (const TRect& r : region.Rects())
    for (int y = r.Top; y < r.Bottom; ++y) {
      Spans& row = rows[static_cast<std::size_t>(y - b.Top)];
      for (int x = r.Left; x < r.Right; ++x) {
        if (!test(x + 0.5, y + 0.5)) continue;
        if (!row.empty() && row.back().second == x)
          row.back().second = x + 1;
        else
          row.push_back({x, x + 1});
      }
    }
  return Region::FromRowSpans(b.Top, rows);
}

double AngleOf(double dx, double dy) {  // y grows downwards on the device
  const double a = std::atan2(-dy, dx);
  return a < 0 ? a + 2 * std::numbers::pi : a;
}

// The sector counter-clockwise from the start ray to the end ray.
struct Sector {
  double CenterX, CenterY, Start, Sweep;  // Sweep 0: the whole turn
  bool Contains(double x, double y) const {
    if (Sweep == 0) return true;
    double d = AngleOf(x - CenterX, y - CenterY) - Start;
    if (d < 0) d += 2 * std::numbers::pi;
    return d <= Sweep;
  }
};

Sector MakeSector(const TRect& box, TPoint start, TPoint end) {
  const double cx = (box.Left + box.Right) / 2.0, cy = (box.Top + box.Bottom) / 2.0;
  const double a0 = AngleOf(start.X - cx, start.Y - cy);
  const double a1 = AngleOf(end.X - cx, end.Y - cy);
  double sweep = a1 - a0;
  if (sweep < 0) sweep += 2 * std::numbers::pi;
  return {cx, cy, a0, sweep};
}

// Where the ray from the centre through p leaves the ellipse.
TPoint EllipsePoint(const TRect& box, const Sector& s, TPoint p) {
  const double a = box.Width() / 2.0, b = box.Height() / 2.0;
  const double phi = AngleOf(p.X - s.CenterX, p.Y - s.CenterY);
  const double c = std::cos(phi), sn = std::sin(phi);
  const double t = 1.0 / std::sqrt((c * c) / (a * a) + (sn * sn) / (b * b));
  return {static_cast<int>(std::lround(s.CenterX + t * c)), static_cast<int>(std::lround(s.CenterY - t * sn))};
}

bool ArcOrPie(HDC hdc, int left, int top, int right, int bottom, TPoint start, TPoint end, bool pie) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !CoordinatesInRange({left, top, right, bottom, start.X, start.Y, end.X, end.Y})) return false;
  const ShapeBox shape = PrepareShape(*dc, left, top, right, bottom);
  if (shape.Box.IsEmpty()) return true;
  const Region visible(dc->EffectiveClip().Bounds());
  const Sector sector = MakeSector(shape.Box, dc->ToTarget(start), dc->ToTarget(end));
  auto inSector = [&](double x, double y) { return sector.Contains(x, y); };
  const int w = std::max(shape.PenWidth, pie ? 0 : 1);
  const Region outer = Region::Ellipse(shape.Box).Intersected(visible);
  const Region interior = Region::Ellipse(shape.Box.Inflated(-w, -w)).Intersected(visible);
  if (pie) dc->FillRegionWithBrush(Filter(interior, inSector), CurrentBrush(*dc), dc->State().Rop2);
  if (shape.PenWidth == 0 && pie) return true;
  FillSolid(*dc, Filter(outer.Subtracted(interior), inSector), CurrentPen(*dc).Color(), dc->State().Rop2);
  if (pie) {
    const TPoint center{static_cast<int>(std::lround(sector.CenterX)), static_cast<int>(std::lround(sector.CenterY))};
    LineDrawer lines(*dc, CurrentPen(*dc));
    lines.Segment(center, EllipsePoint(shape.Box, sector, dc->ToTarget(start)));
    lines.Segment(center, EllipsePoint(shape.Box, sector, dc->ToTarget(end)));
  }
  return true;
}

bool Flood(DeviceContext& dc, TPoint seed, COLORREF color, UINT type) {
  const Region& clip = dc.EffectiveClip();
  if (!clip.Contains(seed)) return false;
  const Bitmap& target = *dc.Target();
  const TPixel key = dc.TargetPixel(color);
  auto fillable = [&](int x, int y) {
    const bool same = (target.At(x, y) & ColorMask) == key;
    return type == FLOODFILLSURFACE ? same : !same;
  };
  if (!fillable(seed.X, seed.Y)) return false;
  const TRect b = clip.Bounds();
  std::vector<bool> seen(static_cast<std::size_t>(b.Width()) * static_cast<std::size_t>(b.Height()));
  auto mark = [&](int x, int y) {
    return seen[static_cast<std::size_t>(y - b.Top) * static_cast<std::size_t>(b.Width()) +
                static_cast<std::size_t>(x - b.Left)];
  };
  std::vector<Spans> rows(static_cast<std::size_t>(b.Height()));
  std::vector<TPoint> stack{seed};
  auto ok = [&](int x, int y) { return clip.Contains({x, y}) && !mark(x, y) && fillable(x, y); };
  while (!stack.empty()) {
    const TPoint p = stack.back();
    stack.pop_back();
    if (!ok(p.X, p.Y)) continue;
    int x0 = p.X, x1 = p.X + 1;
    while (ok(x0 - 1, p.Y)) --x0;
    while (ok(x1, p.Y)) ++x1;
    for (int x = x0; x < x1; ++x) mark(x, p.Y) = true;
    rows[static_cast<std::size_t>(p.Y - b.Top)].push_back({x0, x1});
    for (int ny : {p.Y - 1, p.Y + 1}) {
      bool run = false;
      for (int x = x0; x < x1; ++x) {
        const bool can = ok(x, ny);
        if (can && !run) stack.push_back({x, ny});
        run = can;
      }
    }
  }
  for (Spans& row : rows) std::sort(row.begin(), row.end());
  dc.FillRegionWithBrush(Region::FromRowSpans(b.Top, rows), CurrentBrush(dc), R2_COPYPEN);
  return true;
}

bool AllInRange(const POINT* points, int count) {
  if (!points || count < 0) return false;
  for (int i = 0; i < count; ++i)
    if (!CoordinatesInRange({points[i].X, points[i].Y})) return false;
  return true;
}

Region Shifted(const Region& region, int dx, int dy) {
  Region moved = region;
  moved.Offset(dx, dy);
  return moved;
}

// Keeps the points whose neighbours up to `reach` away along one axis all
// belong to the region, in a logarithmic number of steps: each step widens
// the checked reach by at most one more than it already covers.
Region Erode(const Region& region, int reachX, int reachY) {
  Region kept = region;
  const int reach = std::max(reachX, reachY);
  const int limit = std::max(region.Bounds().Width(), region.Bounds().Height());
  for (int covered = 0; covered < reach && !kept.IsEmpty();) {
    if (covered >= limit) return {};
    const int step = std::min(covered + 1, reach - covered);
    const int dx = reachX ? step : 0, dy = reachY ? step : 0;
    kept = kept.Intersected(Shifted(kept, dx, dy)).Intersected(Shifted(kept, -dx, -dy));
    covered += step;
  }
  return kept;
}

Region LogicalRegionToTarget(const DeviceContext& dc, const Region& region) {
  return Shifted(region, dc.OffsetX(), dc.OffsetY());
}

}  // namespace

bool MoveToEx(HDC hdc, int x, int y, POINT* old) {
  if (!DeviceContext::IsLive(hdc) || !CoordinatesInRange({x, y})) return false;
  if (old) *old = hdc->State().CurrentPos;
  hdc->SetCurrentPos({x, y});
  return true;
}

bool LineTo(HDC hdc, int x, int y) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !CoordinatesInRange({x, y})) return false;
  const Pen& pen = CurrentPen(*dc);
  if (!pen.IsNull()) LineDrawer(*dc, pen).Segment(dc->ToTarget(dc->State().CurrentPos), dc->ToTarget(TPoint{x, y}));
  dc->SetCurrentPos({x, y});
  return true;
}

bool Polyline(HDC hdc, const POINT* points, int count) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !AllInRange(points, count) || count < 2) return false;
  const Pen& pen = CurrentPen(*dc);
  if (pen.IsNull()) return true;
  LineDrawer lines(*dc, pen);
  for (int i = 0; i + 1 < count; ++i) lines.Segment(dc->ToTarget(points[i]), dc->ToTarget(points[i + 1]));
  return true;
}

bool Polygon(HDC hdc, const POINT* points, int count) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !AllInRange(points, count) || count < 2) return false;
  std::vector<TPoint> target(points, points + count);
  for (TPoint& p : target) p = dc->ToTarget(p);
  dc->FillRegionWithBrush(Region::Polygon(target, dc->State().PolyFillMode), CurrentBrush(*dc), dc->State().Rop2);
  const Pen& pen = CurrentPen(*dc);
  if (pen.IsNull()) return true;
  LineDrawer lines(*dc, pen);
  for (int i = 0; i < count; ++i)
    lines.Segment(target[static_cast<std::size_t>(i)], target[static_cast<std::size_t>((i + 1) % count)]);
  return true;
}

bool Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !CoordinatesInRange({left, top, right, bottom})) return false;
  const ShapeBox shape = PrepareShape(*dc, left, top, right, bottom);
  const TRect& r = shape.Box;
  if (r.IsEmpty()) return true;
  const Pen& pen = CurrentPen(*dc);
  const bool thin = shape.PenWidth == 1 && r.Width() > 2 && r.Height() > 2;
  if (!thin) {
    FillShape(*dc, Region(r), Region(r.Inflated(-shape.PenWidth, -shape.PenWidth)), shape.PenWidth > 0);
    return true;
  }
  const Brush& brush = CurrentBrush(*dc);
  const int rop2 = dc->State().Rop2;
  // A solid outline copied in the brush's own colour: the box is one fill.
  if (rop2 == R2_COPYPEN && brush.Style() == BS_SOLID && DashPattern(pen.Style()).empty() &&
      dc->TargetPixel(pen.Color()) == dc->TargetPixel(brush.Color())) {
    dc->FillRect(r, dc->TargetPixel(brush.Color()), rop2);
    return true;
  }
  // A one-pixel outline goes round once, so mixes like XOR touch each pixel once.
  dc->FillRectWithBrush(r.Inflated(-1, -1), brush, rop2);
  LineDrawer lines(*dc, pen);
  const std::array<TPoint, 4> corners{TPoint{r.Left, r.Top}, TPoint{r.Right - 1, r.Top},
                                      TPoint{r.Right - 1, r.Bottom - 1}, TPoint{r.Left, r.Bottom - 1}};
  for (std::size_t i = 0; i < 4; ++i) lines.Segment(corners[i], corners[(i + 1) % 4]);
  return true;
}

bool RoundRect(HDC hdc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !CoordinatesInRange({left, top, right, bottom, ellipseWidth, ellipseHeight})) return false;
  const ShapeBox shape = PrepareShape(*dc, left, top, right, bottom);
  if (shape.Box.IsEmpty()) return true;
  const int w = shape.PenWidth;
  const Region visible(dc->EffectiveClip().Bounds());
  FillShape(
      *dc, Region::RoundRect(shape.Box, ellipseWidth, ellipseHeight).Intersected(visible),
      Region::RoundRect(shape.Box.Inflated(-w, -w), std::abs(ellipseWidth) - 2 * w, std::abs(ellipseHeight) - 2 * w)
          .Intersected(visible),
      w > 0);
  return true;
}

bool Ellipse(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !CoordinatesInRange({left, top, right, bottom})) return false;
  const ShapeBox shape = PrepareShape(*dc, left, top, right, bottom);
  if (shape.Box.IsEmpty()) return true;
  const int w = shape.PenWidth;
  const Region visible(dc->EffectiveClip().Bounds());
  FillShape(*dc, Region::Ellipse(shape.Box).Intersected(visible),
            Region::Ellipse(shape.Box.Inflated(-w, -w)).Intersected(visible), w > 0);
  return true;
}

bool Arc(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  return ArcOrPie(dc, left, top, right, bottom, {xStart, yStart}, {xEnd, yEnd}, false);
}

bool Pie(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  return ArcOrPie(dc, left, top, right, bottom, {xStart, yStart}, {xEnd, yEnd}, true);
}

bool FloodFill(HDC dc, int x, int y, COLORREF color) { return ExtFloodFill(dc, x, y, color, FLOODFILLBORDER); }

bool ExtFloodFill(HDC hdc, int x, int y, COLORREF color, UINT type) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !CoordinatesInRange({x, y}) || (type != FLOODFILLBORDER && type != FLOODFILLSURFACE)) return false;
  return Flood(*dc, dc->ToTarget(TPoint{x, y}), color, type);
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  DeviceContext* dc = Dc(hdc);
  const Brush* b = ResolveBrush(brush);
  if (!dc || !rect || !b || !CoordinatesInRange(*rect)) return 0;
  dc->FillRectWithBrush(dc->ToTarget(*rect), *b, R2_COPYPEN);
  return 1;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  DeviceContext* dc = Dc(hdc);
  const Brush* b = ResolveBrush(brush);
  if (!dc || !rect || !b || !CoordinatesInRange(*rect)) return 0;
  const TRect r = dc->ToTarget(*rect);
  if (r.IsEmpty()) return 1;
  dc->FillRegionWithBrush(Region(r).Subtracted(Region(r.Inflated(-1, -1))), *b, R2_COPYPEN);
  return 1;
}

bool InvertRect(HDC hdc, const RECT* rect) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !rect || !CoordinatesInRange(*rect)) return false;
  dc->FillRect(dc->ToTarget(*rect), 0, R2_NOT);
  return true;
}

bool FillRgn(HDC hdc, HRGN region, HBRUSH brush) {
  DeviceContext* dc = Dc(hdc);
  const Region* r = GdiObjectTable::As<Region>(region, OBJ_REGION);
  const Brush* b = ResolveBrush(brush);
  if (!dc || !r || !b) return false;
  dc->FillRegionWithBrush(LogicalRegionToTarget(*dc, *r), *b, R2_COPYPEN);
  return true;
}

bool FrameRgn(HDC hdc, HRGN region, HBRUSH brush, int width, int height) {
  DeviceContext* dc = Dc(hdc);
  const Region* r = GdiObjectTable::As<Region>(region, OBJ_REGION);
  const Brush* b = ResolveBrush(brush);
  if (!dc || !r || !b || width < 0 || height < 0) return false;
  // The frame is what erosion by a width x height cross takes away.
  const Region area = LogicalRegionToTarget(*dc, *r);
  const Region inner = Erode(area, width, 0).Intersected(Erode(area, 0, height));
  dc->FillRegionWithBrush(area.Subtracted(inner), *b, R2_COPYPEN);
  return true;
}

bool PaintRgn(HDC hdc, HRGN region) {
  DeviceContext* dc = Dc(hdc);
  const Region* r = GdiObjectTable::As<Region>(region, OBJ_REGION);
  if (!dc || !r) return false;
  dc->FillRegionWithBrush(LogicalRegionToTarget(*dc, *r), CurrentBrush(*dc), dc->State().Rop2);
  return true;
}

bool InvertRgn(HDC hdc, HRGN region) {
  DeviceContext* dc = Dc(hdc);
  const Region* r = GdiObjectTable::As<Region>(region, OBJ_REGION);
  if (!dc || !r) return false;
  const Region area = LogicalRegionToTarget(*dc, *r);
  for (const TRect& rect : area.Rects()) dc->FillRect(rect, 0, R2_NOT);
  return true;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !CoordinatesInRange({x, y})) return CLR_INVALID;
  const TPoint t = dc->ToTarget(TPoint{x, y});
  if (!dc->EffectiveClip().Contains(t)) return CLR_INVALID;
  const TPixel p = dc->TargetPixel(color);
  dc->Target()->Put(t.X, t.Y, p);
  return ColorRefFromPixel(p);
}

COLORREF GetPixel(HDC hdc, int x, int y) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !CoordinatesInRange({x, y})) return CLR_INVALID;
  const TPoint t = dc->ToTarget(TPoint{x, y});
  if (!dc->EffectiveClip().Contains(t)) return CLR_INVALID;
  return ColorRefFromPixel(dc->Target()->At(t.X, t.Y) & ColorMask);
}

namespace {

// A vertex colour t/n of the way from a to b: the first and last pixels
// of a gradient take the vertex colours.
TPixel Lerp(const TRIVERTEX& a, const TRIVERTEX& b, long long t, long long n) {
  auto mix = [&](COLOR16 ca, COLOR16 cb) {
    return static_cast<TPixel>((ca + (static_cast<long long>(cb) - ca) * t / n) >> 8);
  };
  return (mix(a.Red, b.Red) << 16) | (mix(a.Green, b.Green) << 8) | mix(a.Blue, b.Blue);
}

void GradientRect(DeviceContext& dc, const TRIVERTEX& v1, const TRIVERTEX& v2, bool horizontal) {
  TRect r = dc.ToTarget(TRect{v1.x, v1.y, v2.x, v2.y});
  // A reversed rectangle runs its colours the other way.
  const bool flip = horizontal ? r.Right < r.Left : r.Bottom < r.Top;
  const TRIVERTEX& from = flip ? v2 : v1;
  const TRIVERTEX& to = flip ? v1 : v2;
  r = r.Normalized();
  const TRect visible = r.Intersected(dc.EffectiveClip().Bounds());
  if (visible.IsEmpty()) return;
  if (horizontal) {
    for (int x = visible.Left; x < visible.Right; ++x)
      dc.FillRect({x, visible.Top, x + 1, visible.Bottom},
                  dc.Target()->Quantize(Lerp(from, to, x - r.Left, std::max(r.Width() - 1, 1))), R2_COPYPEN);
  } else {
    for (int y = visible.Top; y < visible.Bottom; ++y)
      dc.FillSpan(y, visible.Left, visible.Right,
                  dc.Target()->Quantize(Lerp(from, to, y - r.Top, std::max(r.Height() - 1, 1))), R2_COPYPEN);
  }
}

void GradientTriangle(DeviceContext& dc, const TRIVERTEX& a, const TRIVERTEX& b, const TRIVERTEX& c) {
  const std::array<TPoint, 3> pts{dc.ToTarget(TPoint{a.x, a.y}), dc.ToTarget(TPoint{b.x, b.y}),
                                  dc.ToTarget(TPoint{c.x, c.y})};
  const double area = static_cast<double>(pts[1].X - pts[0].X) * (pts[2].Y - pts[0].Y) -
                      static_cast<double>(pts[2].X - pts[0].X) * (pts[1].Y - pts[0].Y);
  if (area == 0) return;
  const Region inside = Region::Polygon(pts, ALTERNATE).Intersected(dc.EffectiveClip());
  auto channel = [](double wa, double wb, double wc, COLOR16 ca, COLOR16 cb, COLOR16 cc) {
    const double v = std::clamp(wa * ca + wb * cb + wc * cc, 0.0, 65535.0);
    return static_cast<TPixel>(static_cast<unsigned>(v) >> 8);
  };
  for (const TRect& r : inside.Rects())
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) {
        const double px = x + 0.5, py = y + 0.5;
        const double wa = ((pts[1].X - px) * (pts[2].Y - py) - (pts[2].X - px) * (pts[1].Y - py)) / area;
        const double wb = ((pts[2].X - px) * (pts[0].Y - py) - (pts[0].X - px) * (pts[2].Y - py)) / area;
        const double wc = 1.0 - wa - wb;
        const TPixel p = (channel(wa, wb, wc, a.Red, b.Red, c.Red) << 16) |
                         (channel(wa, wb, wc, a.Green, b.Green, c.Green) << 8) |
                         channel(wa, wb, wc, a.Blue, b.Blue, c.Blue);
        dc.Target()->Put(x, y, dc.Target()->Quantize(p));
      }
}

}  // namespace

bool GradientFill(HDC hdc, const TRIVERTEX* vertices, DWORD vertexCount, const void* mesh, DWORD meshCount,
                  DWORD mode) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !vertices || !mesh) return false;
  for (DWORD i = 0; i < vertexCount; ++i)
    if (!CoordinatesInRange({vertices[i].x, vertices[i].y})) return false;
  auto valid = [vertexCount](DWORD index) { return index < vertexCount; };
  if (mode == GRADIENT_FILL_RECT_H || mode == GRADIENT_FILL_RECT_V) {
    const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
    for (DWORD i = 0; i < meshCount; ++i)
      if (!valid(rects[i].UpperLeft) || !valid(rects[i].LowerRight)) return false;
    for (DWORD i = 0; i < meshCount; ++i)
      GradientRect(*dc, vertices[rects[i].UpperLeft], vertices[rects[i].LowerRight], mode == GRADIENT_FILL_RECT_H);
    return true;
  }
  if (mode == GRADIENT_FILL_TRIANGLE) {
    const auto* tris = static_cast<const GRADIENT_TRIANGLE*>(mesh);
    for (DWORD i = 0; i < meshCount; ++i)
      if (!valid(tris[i].Vertex1) || !valid(tris[i].Vertex2) || !valid(tris[i].Vertex3)) return false;
    for (DWORD i = 0; i < meshCount; ++i)
      GradientTriangle(*dc, vertices[tris[i].Vertex1], vertices[tris[i].Vertex2], vertices[tris[i].Vertex3]);
    return true;
  }
  return false;
}

}  // namespace plat
