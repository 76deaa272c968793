#pragma once
// Single-line text output and measuring with the font selected into a DC.
// The A forms take UTF-8 and count bytes, the W forms UTF-16 and count
// 16-bit units; counts, fit counts and partial extents are in those units
// (the units of one character share its extent). Text is placed by the DC's
// text alignment, painted in its text colour, over a background box in its
// background colour when the background mode is OPAQUE; the DC's mix does not
// apply. Logical coordinates beyond +-2^27 are refused, as are negative
// counts.
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/TextConstants.h"

namespace plat {

// The largest coordinate text calls accept.
constexpr int MaxTextCoordinate = 1 << 27;

bool TextOutA(HDC dc, int x, int y, const char* text, int count);
bool TextOutW(HDC dc, int x, int y, const char16_t* text, int count);
inline bool TextOut(HDC dc, int x, int y, const char* text, int count) { return TextOutA(dc, x, y, text, count); }

// ETO_OPAQUE fills rect with the background colour, ETO_CLIPPED keeps the
// text inside it. dx, when given, holds the advance of each code unit.
bool ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, const char* text, UINT count, const int* dx);
bool ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, const char16_t* text, UINT count, const int* dx);
inline bool ExtTextOut(HDC dc, int x, int y, UINT options, const RECT* rect, const char* text, UINT count,
                       const int* dx) {
  return ExtTextOutA(dc, x, y, options, rect, text, count, dx);
}

// Width (sum of advances) and height (the cell height) of the text.
bool GetTextExtentPoint32A(HDC dc, const char* text, int count, SIZE* size);
bool GetTextExtentPoint32W(HDC dc, const char16_t* text, int count, SIZE* size);
inline bool GetTextExtentPoint32(HDC dc, const char* text, int count, SIZE* size) {
  return GetTextExtentPoint32A(dc, text, count, size);
}

// Also: fit (when given) receives how many units fit within maxExtent, dx
// (when given, count entries) the extent of the text up to each unit.
bool GetTextExtentExPointA(HDC dc, const char* text, int count, int maxExtent, int* fit, int* dx, SIZE* size);
bool GetTextExtentExPointW(HDC dc, const char16_t* text, int count, int maxExtent, int* fit, int* dx, SIZE* size);
inline bool GetTextExtentExPoint(HDC dc, const char* text, int count, int maxExtent, int* fit, int* dx, SIZE* size) {
  return GetTextExtentExPointA(dc, text, count, maxExtent, fit, dx, size);
}

}  // namespace plat
