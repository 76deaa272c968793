#pragma once
// Where a text of Width x Height pixels turned counter-clockwise by
// AngleDegrees starts so that it stands in Box by the horizontal and
// vertical alignment. Angles are taken modulo 360. The turned text's box
// has the sides d = |w cos a| + c = |h sin a| across and b = |w sin a| +
// e = |h cos a| down (each rounded); where the start point lies in that box
// depends on the quadrant. Halving truncates toward 0.
#include <cmath>
#include <numbers>

#include "grid/BaseGridTypes.h"
#include "platform/gdi/Geometry.h"
#include "platform/ui/ControlTypes.h"

namespace zorbit::detail {

inline plat::TPoint RotatedTextOrigin(const plat::TRect& Box, int AngleDegrees, plat::TAlignment HAlign,
                                      TVAlignment VAlign, int Width, int Height) {
  const int angle = (AngleDegrees % 360 + 360) % 360;
  const double a = angle * std::numbers::pi / 180.0;
  const auto part = [](double v) { return static_cast<int>(std::lround(std::abs(v))); };
  const int d = part(Width * std::cos(a)), c = part(Height * std::sin(a));
  const int b = part(Width * std::sin(a)), e = part(Height * std::cos(a));
  const int L = Box.Left, T = Box.Top, R = Box.Right, B = Box.Bottom;
  // By quadrant: the start point's x for left, right and centred text and
  // its y for top, bottom and centred text.
  int x[3], y[3];
  if (angle <= 90) {
    x[0] = L, x[1] = R - d - c, x[2] = L + (R - L - c - d) / 2;
    y[0] = T + b, y[1] = B - e, y[2] = T + b - (T + b + e - B) / 2;
  } else if (angle <= 180) {
    x[0] = L + d, x[1] = R - c, x[2] = R - (c + R - L - d) / 2;
    y[0] = T + e + b, y[1] = B, y[2] = T + e + b - (T + b + e - B) / 2;
  } else if (angle <= 270) {
    x[0] = L + c + d, x[1] = R, x[2] = R - (R - L - c - d) / 2;
    y[0] = T + e, y[1] = B - b, y[2] = T + e - (T + b + e - B) / 2;
  } else {
    x[0] = L + c, x[1] = R - d, x[2] = L + (c + R - L - d) / 2;
    y[0] = T, y[1] = B - e - b, y[2] = T - (T + b + e - B) / 2;
  }
  const int across = HAlign == plat::TAlignment::taRightJustify ? 1 : HAlign == plat::TAlignment::taCenter ? 2 : 0;
  const int down = VAlign == TVAlignment::vtaBottom ? 1 : VAlign == TVAlignment::vtaCenter ? 2 : 0;
  return {x[across], y[down]};
}

}  // namespace zorbit::detail
