#pragma once
// BMP files and device-independent bitmaps: read at 1, 4, 8, 16, 24 and 32
// bits, uncompressed, RLE8, RLE4 or with bit-field masks, top-down or
// bottom-up, with or without the file header, with the core, info, V4 and V5
// headers; written at any of those depths. Pixels come out as a 32-bit
// bitmap; a 32-bit file's fourth byte (or alpha mask) becomes the alpha byte
// and is written back, other depths give alpha 0. Malformed, truncated or
// unsupported data raises EInvalidGraphic; sizes are checked against the data
// before anything is allocated.
#include <memory>
#include <span>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/rtl/Streams.h"

namespace plat {

constexpr DWORD BI_RLE8 = 1;
constexpr DWORD BI_RLE4 = 2;
constexpr DWORD BI_BITFIELDS = 3;

// Run-length data packs at most this many pixels into a byte in any
// plausible picture (255 pixels in a two-byte run, plus line ends): the
// densest coding a DIB has.
constexpr long long BmpRlePixelsPerByte = 256;

struct BmpImage {
  std::unique_ptr<Bitmap> Image;
  // As stored: 1, 4, 8, 15 (16 bits as 5-5-5), 16 (any other 16-bit layout), 24 or 32.
  int BitsPerPixel = 0;
  DWORD Compression = BI_RGB;
  bool TopDown = false;
};

BmpImage ReadBmp(std::span<const Byte> data);
// From the stream's position: the file header's size when there is one,
// else the rest of the stream.
BmpImage ReadBmp(TStream& stream);

// A DIB as an icon holds it: the header's height counts the colour rows and
// then the rows of the AND mask, which follows the colour rows.
struct IconDib {
  BmpImage Colour;
  std::vector<bool> Transparent;  // the AND mask, row by row from the top
};
IconDib ReadIconDib(std::span<const Byte> data);

struct BmpWriteOptions {
  int BitsPerPixel = 24;  // 1, 4, 8, 15 (5-5-5), 16 (5-6-5), 24 or 32
  bool Rle = false;       // RLE4 at 4 bits, RLE8 at 8 bits
  bool TopDown = false;   // not with RLE
  bool FileHeader = true;
};

// At 8 bits or fewer the palette holds the picture's own colours when they
// fit, else a fixed palette (black and white; the 16 VGA colours; 3-3-2) with
// each pixel's nearest colour.
std::vector<Byte> WriteBmp(const Bitmap& image, const BmpWriteOptions& options = {});
void WriteBmp(TStream& stream, const Bitmap& image, const BmpWriteOptions& options = {});

}  // namespace plat
