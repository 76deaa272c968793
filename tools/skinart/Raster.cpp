#include "tools/skinart/Raster.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/Bitmap.h"

namespace skinart {

Rgb Mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto ch = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return {ch(a.R, b.R), ch(a.G, b.G), ch(a.B, b.B)};
}

Rgb Shade(Rgb c, double t) { return t >= 0 ? Mix(c, White, t) : Mix(c, Black, -t); }

namespace {
bool IsMagenta(Rgb c) { return c.R == 255 && c.G == 0 && c.B == 255; }

// Distance-based test of a point inside a rounded box.
bool InRoundBox(const Box& b, double r, double x, double y) {
  if (x < b.X || y < b.Y || x > b.X + b.W || y > b.Y + b.H) return false;
  r = std::min({r, b.W / 2, b.H / 2});
  const double cx = std::clamp(x, b.X + r, b.X + b.W - r);
  const double cy = std::clamp(y, b.Y + r, b.Y + b.H - r);
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}
}  // namespace

Raster::Raster(int width, int height, Rgb fill)
    : FWidth(width), FHeight(height), FPixels(static_cast<std::size_t>(width) * height, fill) {}

void Raster::Blend(int x, int y, Rgb c, double coverage) {
  if (x < 0 || y < 0 || x >= FWidth || y >= FHeight || coverage <= 0) return;
  Rgb& p = FPixels[y * FWidth + x];
  if (IsMagenta(p)) {
    if (coverage >= 0.5) p = c;
  } else {
    p = Mix(p, c, coverage);
  }
}

void Raster::FillRect(int x, int y, int w, int h, Rgb c) {
  for (int j = std::max(y, 0); j < std::min(y + h, FHeight); ++j)
    for (int i = std::max(x, 0); i < std::min(x + w, FWidth); ++i) Put(i, j, c);
}

void Raster::Shape(const std::function<bool(double, double)>& inside, const std::function<Rgb(int, int)>& colour) {
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x) {
      int hits = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) hits += inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4) ? 1 : 0;
      if (hits) Blend(x, y, colour(x, y), hits / 16.0);
    }
}

void Raster::RoundBox(Box b, double radius, const std::function<Rgb(double)>& colourAt) {
  Shape([&](double x, double y) { return InRoundBox(b, radius, x, y); },
        [&](int, int y) { return colourAt(std::clamp((y + 0.5 - b.Y) / b.H, 0.0, 1.0)); });
}

void Raster::RoundFrame(Box b, double radius, double width, Rgb c) {
  const Box inner{b.X + width, b.Y + width, b.W - 2 * width, b.H - 2 * width};
  Shape(
      [&](double x, double y) {
        return InRoundBox(b, radius, x, y) && !InRoundBox(inner, std::max(radius - width, 0.0), x, y);
      },
      [&](int, int) { return c; });
}

void Raster::Disc(double cx, double cy, double r, Rgb c) {
  Shape([&](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; },
        [&](int, int) { return c; });
}

void Raster::Stroke(double x1, double y1, double x2, double y2, double width, Rgb c) {
  const double dx = x2 - x1, dy = y2 - y1, len2 = dx * dx + dy * dy;
  Shape(
      [&](double x, double y) {
        const double t = len2 > 0 ? std::clamp(((x - x1) * dx + (y - y1) * dy) / len2, 0.0, 1.0) : 0;
        const double px = x1 + t * dx - x, py = y1 + t * dy - y;
        return px * px + py * py <= width * width / 4;
      },
      [&](int, int) { return c; });
}

void Raster::CopyTo(plat::Bitmap& target, int left) const {
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x) {
      const Rgb c = At(x, y);
      target.Put(left + x, y, (static_cast<plat::TPixel>(c.R) << 16) | (c.G << 8) | c.B);
    }
}

std::function<Rgb(double)> Gradient(Rgb top, Rgb bottom) {
  return [=](double t) { return Mix(top, bottom, t); };
}

std::function<Rgb(double)> Glass(Rgb top, Rgb mid, Rgb mid2, Rgb bottom, double split) {
  return [=](double t) { return t < split ? Mix(top, mid, t / split) : Mix(mid2, bottom, (t - split) / (1 - split)); };
}

}  // namespace skinart
