#pragma once
// How a cell's picture fits the room it has: by mode 1 stretched to the
// room, 2 stretched keeping its aspect (the side that limits it filling
// the room), 3 shrunk to the room when it does not fit, 4 shrunk keeping
// its aspect when it does not fit, any other mode its natural size. A
// natural side of 0 or less scales as if it fitted exactly.
#include <cmath>

#include "platform/gdi/Geometry.h"

namespace zorbit::detail {

inline plat::TPoint FitPictureSize(plat::TPoint Natural, plat::TPoint Room, int Mode) {
  const bool fits = Natural.X <= Room.X && Natural.Y <= Room.Y;
  const auto keepAspect = [&](bool ShrinkOnly) -> plat::TPoint {
    double rx = Natural.X > 0 ? static_cast<double>(Room.X) / Natural.X : 1.0;
    double ry = Natural.Y > 0 ? static_cast<double>(Room.Y) / Natural.Y : 1.0;
    if (ShrinkOnly) {
      rx = std::min(rx, 1.0);
      ry = std::min(ry, 1.0);
    }
    if (rx >= ry) return {static_cast<int>(std::lround(Natural.X * ry)), Room.Y};
    return {Room.X, static_cast<int>(std::lround(Natural.Y * rx))};
  };
  switch (Mode) {
    case 1: return Room;
    case 2: return keepAspect(false);
    case 3: return fits ? Natural : Room;
    case 4: return fits ? Natural : keepAspect(true);
    default: return Natural;
  }
}

}  // namespace zorbit::detail
