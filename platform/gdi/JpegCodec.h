#pragma once
// JPEG decoding (baseline and progressive; grey, RGB and YCbCr) into a 32-bit
// bitmap with alpha 0. Corrupt, truncated or unsupported data (CMYK, for
// one) raises EInvalidGraphic, as does a size out of proportion to the data
// or a progressive file of more scans than any encoder writes.
#include <memory>
#include <span>

#include "platform/gdi/Bitmap.h"

namespace plat {

struct JpegImage {
  std::unique_ptr<Bitmap> Image;
  bool Grayscale = false;
};

JpegImage ReadJpeg(std::span<const Byte> data);

}  // namespace plat
