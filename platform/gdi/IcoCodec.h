#pragma once
// Icon (and cursor) files: every image they hold that is a DIB, each as a
// 32-bit bitmap whose alpha byte is 255 where the icon shows and 0 where it
// is transparent (from a 32-bit image's own alpha, else from its AND mask;
// transparent pixels are black). Entries stored as PNG are passed over.
// Malformed or truncated data raises EInvalidGraphic, and so do images
// whose pixels together are out of proportion to the file (entries that
// share one small run-length image, say).
//
// WriteIco makes such a file (an icon, or a cursor with each image's hot
// spot) from 32-bit images with alpha: each image is stored as a 32-bit DIB
// with its AND mask set where alpha is 0.
#include <memory>
#include <span>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Geometry.h"

namespace plat {

struct IconImage {
  std::unique_ptr<Bitmap> Image;
  int BitsPerPixel = 0;
  TPoint HotSpot;  // cursor files only: the pointer's point in the image
};

struct IconFile {
  bool Cursor = false;
  std::vector<IconImage> Images;  // in file order
};

IconFile ReadIco(std::span<const Byte> data);

// The image that suits a size best: the nearest in size, then the deepest.
const IconImage& BestIconImage(const IconFile& icon, int width, int height);

// The bytes of an icon or cursor file. Images must be 1 to 256 pixels wide
// and high (EInvalidGraphic otherwise); hot spots are written for cursors.
std::vector<Byte> WriteIco(const IconFile& icon);

}  // namespace plat
