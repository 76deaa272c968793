#pragma once
// The pixel store: a bitmap of 32-bit pixels, 0xAARRGGBB in a uint32 (bytes
// B, G, R, A in memory). Drawing leaves the alpha byte at 0 as the classic
// drawing calls do; AlphaBlend with AC_SRC_ALPHA reads it. A monochrome
// bitmap keeps the same store but holds only black and white.
#include <cstdint>
#include <vector>

#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Exception.h"

namespace plat {

using TPixel = std::uint32_t;

constexpr TPixel PixelFromColorRef(COLORREF c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }
constexpr COLORREF ColorRefFromPixel(TPixel p) { return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF); }

class Bitmap : public GdiObject {
 public:
  // Larger bitmaps are refused rather than allocated.
  static constexpr int MaxDimension = 32767;
  static constexpr long long MaxPixels = 64LL * 1024 * 1024;
  static bool ValidSize(int width, int height);

  // Filled with black (white for monochrome, as the classic default).
  // Bottom-up bitmaps keep their last row first in memory (a DIB section
  // with positive height); Row(y) hides the difference.
  Bitmap(int width, int height, bool monochrome = false, bool bottomUp = false);

  DWORD ObjectType() const override { return OBJ_BITMAP; }
  int Describe(int size, void* buffer) const override;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  TRect Bounds() const { return {0, 0, FWidth, FHeight}; }
  bool IsMonochrome() const { return FMonochrome; }
  int BitsPerPixel() const { return FMonochrome ? 1 : 32; }
  bool IsBottomUp() const { return FBottomUp; }

  TPixel* Row(int y) { return FPixels.data() + RowOffset(y); }
  const TPixel* Row(int y) const { return FPixels.data() + RowOffset(y); }
  // The memory block as laid out (first row in memory first).
  TPixel* Bits() { return FPixels.data(); }
  const TPixel* Bits() const { return FPixels.data(); }

  // Unchecked pixel access for callers that clip.
  TPixel At(int x, int y) const { return Row(y)[x]; }
  void Put(int x, int y, TPixel p) { Row(y)[x] = p; }

  void Fill(TPixel p);
  // New size keeping the pixels that still fit; new ones are filled with fill.
  void Resize(int width, int height, TPixel fill);
  // The colour a monochrome target stores for a colour: white when brighter
  // than mid-grey, else black. Colour bitmaps store it as given.
  TPixel Quantize(TPixel p) const;

 private:
  std::size_t RowOffset(int y) const {
    return static_cast<std::size_t>(FBottomUp ? FHeight - 1 - y : y) * static_cast<std::size_t>(FWidth);
  }

  int FWidth = 0;
  int FHeight = 0;
  bool FMonochrome = false;
  bool FBottomUp = false;
  std::vector<TPixel> FPixels;
};

// The BITMAP description GetObject gives for a bitmap.
struct BITMAP {
  std::int32_t bmType;
  std::int32_t bmWidth;
  std::int32_t bmHeight;
  std::int32_t bmWidthBytes;
  Word bmPlanes;
  Word bmBitsPixel;
  void* bmBits;
};

// A DIB's header as CreateDIBSection takes it (only the fields it uses).
struct BITMAPINFOHEADER {
  DWORD biSize = sizeof(BITMAPINFOHEADER);
  std::int32_t biWidth = 0;
  std::int32_t biHeight = 0;  // negative: top-down
  Word biPlanes = 1;
  Word biBitCount = 32;
  DWORD biCompression = 0;
  DWORD biSizeImage = 0;
  std::int32_t biXPelsPerMeter = 0;
  std::int32_t biYPelsPerMeter = 0;
  DWORD biClrUsed = 0;
  DWORD biClrImportant = 0;
};
struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
};
constexpr DWORD BI_RGB = 0;
constexpr UINT DIB_RGB_COLORS = 0;

// A 32-bit bitmap, or null when the size is out of range. Always colour,
// whatever the DC holds: there is only one screen format to match.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
// Only 1-bit (monochrome) and 32-bit bitmaps; bits (rows of 16-bit words for
// 1 bit, 32-bit pixels otherwise, top row first) may be null.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
// 32-bit uncompressed DIB sections; *bits receives the pixel memory.
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, void* section, DWORD offset);

}  // namespace plat
