#pragma once
// The box that a text of Width x Height pixels needs when turned by
// AngleDegrees, with 6 pixels of room on each side. Each edge is the sum of
// the projections of the text's sides, so it never comes out smaller than
// the turned text (at 0 and 90 degrees one projection is 0).
#include <cmath>
#include <numbers>

#include "platform/gdi/Geometry.h"

namespace zorbit {

inline plat::TPoint RotatedTextExtent(int Width, int Height, int AngleDegrees) {
  const double a = AngleDegrees * std::numbers::pi / 180.0;
  const auto part = [](double v) { return static_cast<int>(std::lround(std::abs(v))); };
  const int across = part(std::cos(a) * Width) + part(std::sin(a) * Height);
  const int down = part(std::sin(a) * Width) + part(std::cos(a) * Height);
  return {across + 12, down + 12};
}

}  // namespace zorbit
