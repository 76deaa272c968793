#include "testing/ReferencePicture.h"

#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/gdi/PngCodec.h"
#include "testing/FileContent.h"
#include "testing/ProjectPaths.h"

namespace zorbit::testing {

TPictureMatch MatchReference(const plat::Bitmap& Picture, const std::string& ReferencePath, int Tolerance) {
  TPictureMatch match;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, ReferencePath.c_str())) return match;
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return match;
  if (static_cast<int>(image.width) != Picture.Width() || static_cast<int>(image.height) != Picture.Height()) {
    return match;
  }
  match.Loaded = true;
  for (int y = 0; y < Picture.Height(); ++y) {
    for (int x = 0; x < Picture.Width(); ++x) {
      const plat::COLORREF actual = plat::ColorRefFromPixel(Picture.At(x, y));
      const png_byte* expected = &pixels[(static_cast<std::size_t>(y) * image.width + x) * 3];
      const int channels[3][2] = {{static_cast<int>(actual & 0xFF), expected[0]},
                                  {static_cast<int>((actual >> 8) & 0xFF), expected[1]},
                                  {static_cast<int>((actual >> 16) & 0xFF), expected[2]}};
      int largest = 0;
      for (const auto& c : channels) largest = std::max(largest, std::abs(c[0] - c[1]));
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
