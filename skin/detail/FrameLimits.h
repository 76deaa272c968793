#pragma once
// The ranges a frame's sizes from a skin file are kept in, so that a hostile
// or careless file cannot make the border swallow the window or the corners
// cut it away: border widths -1..20 (-1: no border strips) and corner sizes
// -1..64 (-1 counts as 0).
#include <algorithm>

namespace zorbit {

inline constexpr int MaxFrameBorderWidth = 20;
inline constexpr int MaxFrameCorner = 64;

constexpr int ClampBorderWidth(int Value) { return std::clamp(Value, -1, MaxFrameBorderWidth); }
constexpr int ClampCorner(int Value) { return std::clamp(Value, -1, MaxFrameCorner); }

}  // namespace zorbit
