#pragma once
// The mixes behind ROP2 and the ternary raster operations, on 32-bit pixels.
// Results keep the colour bytes only (alpha 0), as the classic calls write.
#include "platform/gdi/Bitmap.h"

namespace plat {

constexpr TPixel ColorMask = 0x00FFFFFF;

// Mixes pen (or brush) p with destination d by an R2_* code; unknown codes
// leave the destination alone.
constexpr TPixel Rop2(int rop2, TPixel p, TPixel d) {
  if (rop2 < R2_BLACK || rop2 > R2_WHITE) return d;
  // rop2 - 1 is the truth table indexed by (pen bit << 1) | destination bit.
  const unsigned t = static_cast<unsigned>(rop2 - 1);
  TPixel r = 0;
  if (t & 1) r |= ~p & ~d;
  if (t & 2) r |= ~p & d;
  if (t & 4) r |= p & ~d;
  if (t & 8) r |= p & d;
  return r & ColorMask;
}

// Mixes pattern, source and destination by the operation code of a raster
// operation (bits 16..23: truth table indexed by (P << 2) | (S << 1) | D).
constexpr TPixel Rop3(DWORD rop, TPixel p, TPixel s, TPixel d) {
  const unsigned t = (rop >> 16) & 0xFF;
  TPixel r = 0;
  for (unsigned i = 0; i < 8; ++i) {
    if (!(t & (1u << i))) continue;
    const TPixel pt = (i & 4) ? p : ~p;
    const TPixel st = (i & 2) ? s : ~s;
    const TPixel dt = (i & 1) ? d : ~d;
    r |= pt & st & dt;
  }
  return r & ColorMask;
}

// Whether a raster operation reads the source, the pattern or the destination.
constexpr bool RopUsesSource(DWORD rop) {
  const unsigned t = (rop >> 16) & 0xFF;
  return ((t >> 2) & 0x33) != (t & 0x33);
}
constexpr bool RopUsesPattern(DWORD rop) {
  const unsigned t = (rop >> 16) & 0xFF;
  return ((t >> 4) & 0x0F) != (t & 0x0F);
}
constexpr bool RopUsesDestination(DWORD rop) {
  const unsigned t = (rop >> 16) & 0xFF;
  return ((t >> 1) & 0x55) != (t & 0x55);
}

// Blends c over d by coverage 0..255 with rounding.
constexpr TPixel BlendPixels(TPixel d, TPixel c, unsigned coverage) {
  TPixel out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int dc = static_cast<int>((d >> shift) & 0xFF);
    const int cc = static_cast<int>((c >> shift) & 0xFF);
    const int v = dc + ((cc - dc) * static_cast<int>(coverage) + (cc >= dc ? 127 : -127)) / 255;
    out |= static_cast<TPixel>(v) << shift;
  }
  return out;
}

}  // namespace plat
