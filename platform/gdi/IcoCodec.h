#pragma once
// Icon (and cursor) files: every image they hold that is a DIB, each as a
// 32-bit bitmap whose alpha byte is 255 where the icon shows and 0 where it
// is transparent (from a 32-bit image's own alpha, else from its AND mask;
// transparent pixels are black). Entries stored as PNG are passed over.
// Malformed or truncated data raises EInvalidGraphic, and so do images
// whose pixels together are out of proportion to the file (entries that
// share one small run-length image, say).
#include <memory>
#include <span>
#include <vector>

#include "platform/gdi/Bitmap.h"

namespace plat {

struct IconImage {
  std::unique_ptr<Bitmap> Image;
  int BitsPerPixel = 0;
};

struct IconFile {
  bool Cursor = false;
  std::vector<IconImage> Images;  // in file order
};

IconFile ReadIco(std::span<const Byte> data);

// The image that suits a size best: the nearest in size, then the deepest.
const IconImage& BestIconImage(const IconFile& icon, int width, int height);

}  // namespace plat
