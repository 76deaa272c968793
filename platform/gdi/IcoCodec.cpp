#include "platform/gdi/IcoCodec.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/CodecInput.h"
#include "platform/gdi/TGraphic.h"

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
  return IconImage{std::move(dib.Colour.Image), dib.Colour.BitsPerPixel, {}};
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
    if (icon.Cursor) {
      r.Seek(6 + i * DirectoryEntrySize + 4);
      const int x = r.U16();
      const int y = r.U16();
      icon.Images.back().HotSpot = {x, y};
    }
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

namespace {

void Append(std::vector<Byte>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<Byte>(value >> (8 * i)));
}

// A 32-bit DIB, bottom row first, twice as high as the image (colour and
// mask), then the AND mask with rows padded to 32 bits.
std::vector<Byte> IconDibBytes(const Bitmap& image) {
  const int w = image.Width(), h = image.Height();
  std::vector<Byte> dib;
  Append(dib, 40, 4);
  Append(dib, static_cast<std::uint32_t>(w), 4);
  Append(dib, static_cast<std::uint32_t>(2 * h), 4);
  Append(dib, 1, 2);
  Append(dib, 32, 2);
  for (int i = 0; i < 6; ++i) Append(dib, 0, 4);
  for (int y = h - 1; y >= 0; --y)
    for (int x = 0; x < w; ++x) Append(dib, (image.At(x, y) >> 24) ? image.At(x, y) : 0u, 4);
  const int maskStride = (w + 31) / 32 * 4;
  for (int y = h - 1; y >= 0; --y) {
    std::vector<Byte> row(static_cast<std::size_t>(maskStride), 0);
    for (int x = 0; x < w; ++x)
      if ((image.At(x, y) >> 24) == 0) row[static_cast<std::size_t>(x / 8)] |= static_cast<Byte>(0x80 >> (x % 8));
    dib.insert(dib.end(), row.begin(), row.end());
  }
  return dib;
}

}  // namespace

std::vector<Byte> WriteIco(const IconFile& icon) {
  if (icon.Images.empty() || icon.Images.size() > 0xFFFF) throw EInvalidGraphic("An icon needs 1 to 65535 images");
  std::vector<std::vector<Byte>> dibs;
  for (const IconImage& image : icon.Images) {
    if (!image.Image || image.Image->Width() < 1 || image.Image->Width() > 256 || image.Image->Height() < 1 ||
        image.Image->Height() > 256)
      throw EInvalidGraphic("An icon image must be 1 to 256 pixels wide and high");
    dibs.push_back(IconDibBytes(*image.Image));
  }
  std::vector<Byte> file;
  Append(file, 0, 2);
  Append(file, icon.Cursor ? CursorType : IconType, 2);
  Append(file, static_cast<std::uint32_t>(icon.Images.size()), 2);
  auto offset = static_cast<std::uint32_t>(6 + DirectoryEntrySize * icon.Images.size());
  for (std::size_t i = 0; i < icon.Images.size(); ++i) {
    const IconImage& image = icon.Images[i];
    file.push_back(static_cast<Byte>(image.Image->Width()));  // 256 is written as 0
    file.push_back(static_cast<Byte>(image.Image->Height()));
    Append(file, 0, 2);  // no palette, reserved
    Append(file, icon.Cursor ? static_cast<std::uint32_t>(image.HotSpot.X) : 1u, 2);
    Append(file, icon.Cursor ? static_cast<std::uint32_t>(image.HotSpot.Y) : 32u, 2);
    Append(file, static_cast<std::uint32_t>(dibs[i].size()), 4);
    Append(file, offset, 4);
    offset += static_cast<std::uint32_t>(dibs[i].size());
  }
  for (const auto& dib : dibs) file.insert(file.end(), dib.begin(), dib.end());
  return file;
}

}  // namespace plat
