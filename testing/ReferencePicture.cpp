#include "testing/ReferencePicture.h"

#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/gdi/PngCodec.h"
#include "testing/FileContent.h"
#include "testing/ProjectPaths.h"

namespace zorbit::testing {

std::unique_ptr<plat::Bitmap> ReadPngPicture(const std::string& Path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, Path.c_str())) return nullptr;
  image.format = PNG_FORMAT_RGB;
  if (!plat::Bitmap::ValidSize(static_cast<int>(image.width), static_cast<int>(image.height))) {
    png_image_free(&image);
    return nullptr;
  }
  std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return nullptr;
  auto picture = std::make_unique<plat::Bitmap>(static_cast<int>(image.width), static_cast<int>(image.height));
  for (int y = 0; y < picture->Height(); ++y) {
    for (int x = 0; x < picture->Width(); ++x) {
      const png_byte* rgb = &pixels[(static_cast<std::size_t>(y) * image.width + x) * 3];
      picture->Put(x, y, plat::PixelFromColorRef(rgb[0] | (rgb[1] << 8) | (rgb[2] << 16)));
    }
  }
  return picture;
}

TPictureMatch MatchReference(const plat::Bitmap& Picture, const std::string& ReferencePath, int Tolerance) {
  TPictureMatch match;
  const std::unique_ptr<plat::Bitmap> reference = ReadPngPicture(ReferencePath);
  if (!reference || reference->Width() != Picture.Width() || reference->Height() != Picture.Height()) return match;
  match.Loaded = true;
  for (int y = 0; y < Picture.Height(); ++y) {
    for (int x = 0; x < Picture.Width(); ++x) {
      const plat::COLORREF actual = plat::ColorRefFromPixel(Picture.At(x, y));
      const plat::COLORREF expected = plat::ColorRefFromPixel(reference->At(x, y));
      int largest = 0;
      for (int shift : {0, 8, 16})
        largest = std::max(largest, std::abs(static_cast<int>((actual >> shift) & 0xFF) -
                                             static_cast<int>((expected >> shift) & 0xFF)));
      match.Largest = std::max(match.Largest, largest);
      if (largest > Tolerance) ++match.Differing;
    }
  }
  return match;
}

std::string KeepForInspection(const plat::Bitmap& Picture, const std::string& FileName) {
  const std::string path = BuildPath(FileName);
  const std::vector<plat::Byte> png = plat::WritePng(Picture);
  WriteFileContent(path, std::string(png.begin(), png.end()));
  return path;
}

}  // namespace zorbit::testing
