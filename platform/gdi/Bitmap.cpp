#include "platform/gdi/Bitmap.h"

#include <algorithm>
#include <cstring>

namespace plat {

namespace {

constexpr TPixel White = 0x00FFFFFF;

}  // namespace

bool Bitmap::ValidSize(int width, int height) {
  return width > 0 && height > 0 && width <= MaxDimension && height <= MaxDimension &&
         static_cast<long long>(width) * height <= MaxPixels;
}

Bitmap::Bitmap(int width, int height, bool monochrome, bool bottomUp)
    : FWidth(width), FHeight(height), FMonochrome(monochrome), FBottomUp(bottomUp) {
  if (!ValidSize(width, height)) throw EOutOfResources("Bitmap size out of range");
  FPixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), monochrome ? White : 0);
}

int Bitmap::Describe(int size, void* buffer) const {
  if (!buffer) return sizeof(BITMAP);
  if (size < static_cast<int>(sizeof(BITMAP))) return 0;
  BITMAP bm{0, FWidth, FHeight, FWidth * 4, 1, static_cast<Word>(BitsPerPixel()), nullptr};
  std::memcpy(buffer, &bm, sizeof bm);
  return sizeof(BITMAP);
}

void Bitmap::Fill(TPixel p) { std::fill(FPixels.begin(), FPixels.end(), Quantize(p)); }

void Bitmap::Resize(int width, int height, TPixel fill) {
  if (width == FWidth && height == FHeight) return;
  Bitmap resized(width, height, FMonochrome, FBottomUp);
  resized.Fill(fill);
  const int w = std::min(width, FWidth);
  const int h = std::min(height, FHeight);
  for (int y = 0; y < h; ++y) std::copy_n(Row(y), w, resized.Row(y));
  FWidth = width;
  FHeight = height;
  FPixels = std::move(resized.FPixels);
}

TPixel Bitmap::Quantize(TPixel p) const {
  if (!FMonochrome) return p;
  const int sum = static_cast<int>((p >> 16) & 0xFF) + static_cast<int>((p >> 8) & 0xFF) + static_cast<int>(p & 0xFF);
  return sum >= 3 * 128 ? White : 0;
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) {
  if (!Bitmap::ValidSize(width, height)) return nullptr;
  return GdiObjectTable::Adopt(std::make_unique<Bitmap>(width, height));
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
  if (planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 32) || !Bitmap::ValidSize(width, height)) return nullptr;
  auto bitmap = std::make_unique<Bitmap>(width, height, bitsPerPixel == 1);
  if (bits) {
    const auto* bytes = static_cast<const Byte*>(bits);
    if (bitsPerPixel == 32) {
      std::memcpy(bitmap->Bits(), bytes, static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    } else {
      // Rows padded to 16 bits, most significant bit leftmost; 1 is white.
      const std::size_t stride = static_cast<std::size_t>((width + 15) / 16) * 2;
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
          const Byte b = bytes[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x / 8)];
          bitmap->Put(x, y, (b >> (7 - x % 8)) & 1 ? White : 0);
        }
    }
  }
  return GdiObjectTable::Adopt(std::move(bitmap));
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, void*, DWORD) {
  if (bits) *bits = nullptr;
  if (!info || usage != DIB_RGB_COLORS) return nullptr;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biBitCount != 32 || h.biCompression != BI_RGB || h.biPlanes != 1) return nullptr;
  const bool bottomUp = h.biHeight > 0;
  const long long height = h.biHeight < 0 ? -static_cast<long long>(h.biHeight) : h.biHeight;
  if (height > Bitmap::MaxDimension || !Bitmap::ValidSize(h.biWidth, static_cast<int>(height))) return nullptr;
  HBITMAP bitmap =
      GdiObjectTable::Adopt(std::make_unique<Bitmap>(h.biWidth, static_cast<int>(height), false, bottomUp));
  if (bits) *bits = bitmap->Bits();
  return bitmap;
}

}  // namespace plat
