#pragma once
// Rounding to the nearest integer with halves to even, as the grid's scroll
// arithmetic rounds.
#include <cmath>

namespace zorbit::detail {

inline int Nearest(double Value) { return static_cast<int>(std::nearbyint(Value)); }

}  // namespace zorbit::detail
