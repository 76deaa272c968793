#include "platform/gdi/IcoCodec.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/CodecInput.h"

namespace plat {

namespace {

constexpr Word IconType = 1;
constexpr Word CursorType = 2;
constexpr std::size_t DirectoryEntrySize = 16;
constexpr Byte PngSignature[] = {0x89, 'P', 'N', 'G'};

IconImage Decode(std::span<const Byte> bytes) {
  IconDib dib = ReadIconDib(bytes);
  Bitmap& image = *dib.Colour.Image;
  bool ownAlpha = false;
  if (dib.Colour.BitsPerPixel == 32) {
    for (int y = 0; y < image.Height() && !ownAlpha; ++y) {
      for (int x = 0; x < image.Width(); ++x) {
        if (image.At(x, y) >> 24) {
          ownAlpha = true;
          break;
        }
      }
    }
  }
  for (int y = 0; y < image.Height() && !ownAlpha; ++y) {
    TPixel* row = image.Row(y);
    for (int x = 0; x < image.Width(); ++x) {
      const bool transparent = dib.Transparent[static_cast<std::size_t>(y) * image.Width() + x];
      row[x] = transparent ? 0 : (row[x] | 0xFF000000u);
    }
  }
  return IconImage{std::move(dib.Colour.Image), dib.Colour.BitsPerPixel};
}

}  // namespace

IconFile ReadIco(std::span<const Byte> data) {
  ByteReader r(data, "icon");
  if (r.U16() != 0) r.Fail("the header is not an icon's");
  const Word type = r.U16();
  if (type != IconType && type != CursorType) r.Fail("the header is not an icon's");
  const Word count = r.U16();
  if (count == 0) r.Fail("there is no image");
  if (count > r.Remaining() / DirectoryEntrySize) r.Fail("the directory ends too early");
  IconFile icon;
  icon.Cursor = type == CursorType;
  long long totalPixels = 0;
  for (Word i = 0; i < count; ++i) {
    r.Seek(6 + i * DirectoryEntrySize + 8);
    const DWORD size = r.U32();
    const DWORD offset = r.U32();
    if (offset > data.size() || size > data.size() - offset) r.Fail("an image lies outside the file");
    const std::span<const Byte> bytes = data.subspan(offset, size);
    if (bytes.size() >= sizeof PngSignature &&
        std::equal(std::begin(PngSignature), std::end(PngSignature), bytes.begin())) {
      continue;
    }
    icon.Images.push_back(Decode(bytes));
    // Entries may share one image's bytes, so each entry being in
    // proportion to its own bytes says nothing of the file: the pixels of
    // all entries together must be in proportion to the whole file.
    const Bitmap& decoded = *icon.Images.back().Image;
    totalPixels += static_cast<long long>(decoded.Width()) * decoded.Height();
    if (totalPixels > Bitmap::MaxPixels) r.Fail("the images are too large together");
    CheckProportion(totalPixels, data.size(), BmpRlePixelsPerByte, "icon");
  }
  if (icon.Images.empty()) r.Fail("no image can be read");
  return icon;
}

const IconImage& BestIconImage(const IconFile& icon, int width, int height) {
  const IconImage* best = &icon.Images.front();
  auto distance = [&](const IconImage& image) {
    return std::abs(image.Image->Width() - width) + std::abs(image.Image->Height() - height);
  };
  for (const IconImage& image : icon.Images) {
    if (distance(image) < distance(*best) ||
        (distance(image) == distance(*best) && image.BitsPerPixel > best->BitsPerPixel)) {
      best = &image;
    }
  }
  return *best;
}

}  // namespace plat
