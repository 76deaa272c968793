#pragma once
// Block transfers between device contexts. Destinations are clipped by the
// destination DC; destination pixels whose source lies outside the source
// bitmap are left alone. Monochrome sources paint 0 in the destination's
// text colour and 1 in its background colour; colour sources going to a
// monochrome destination give 1 where they match the source's background
// colour. Scaling samples pixel centres (HALFTONE averages when shrinking).
#include "platform/gdi/DeviceContext.h"

namespace plat {

struct BLENDFUNCTION {
  Byte BlendOp;              // AC_SRC_OVER
  Byte BlendFlags;           // 0
  Byte SourceConstantAlpha;  // 0..255, applied to every pixel
  Byte AlphaFormat;          // 0, or AC_SRC_ALPHA for premultiplied source alpha
};

bool BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop);
// A negative size on one side mirrors the picture; the rectangle then runs
// back from its start pixel ((w - 1, 0) with width -w covers 0 to w - 1).
bool StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, int sourceWidth,
                int sourceHeight, DWORD rop);
bool PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
// Copies all but the pixels of the colour key.
bool TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                    int sourceWidth, int sourceHeight, UINT transparentColor);
// Sizes must be positive and the source rectangle inside the source bitmap.
bool AlphaBlend(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, int sourceWidth,
                int sourceHeight, BLENDFUNCTION blend);

}  // namespace plat
