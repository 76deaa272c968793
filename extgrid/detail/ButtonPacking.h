#pragma once
// A cell button's packed numbers: its size in CellIndex (width in the low
// 16 bits, height in the high 16 bits) and its offset from the cell's
// corner in CellValue (x in the low 16 bits, y in the high 16 bits of the
// value rounded). The value is held to 32 bits before it is unpacked, so a
// value from a stream (NaN, huge) gives an offset, never undefined
// behaviour.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/gdi/Geometry.h"

namespace zorbit::detail {

inline plat::TPoint PackedButtonSize(int Packed) {
  const auto bits = static_cast<std::uint32_t>(Packed);
  return {static_cast<int>(bits & 0xFFFF), static_cast<int>(bits >> 16)};
}

inline plat::TPoint PackedButtonOffset(double Value) {
  const double rounded = std::isnan(Value) ? 0.0 : std::round(Value);
  const double held = std::clamp(rounded, static_cast<double>(INT32_MIN), static_cast<double>(INT32_MAX));
  return PackedButtonSize(static_cast<int>(held));
}

}  // namespace zorbit::detail
