#include "platform/ui/tests/ReferencePicture.h"

#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/gdi/PngCodec.h"

namespace plat::testing {

TPictureMatch MatchReference(const Bitmap& Picture, const std::string& ReferencePath, int Tolerance) {
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
      const COLORREF actual = ColorRefFromPixel(Picture.At(x, y));
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

std::string KeepForInspection(const Bitmap& Picture, const std::string& FileName) {
  const char* build = std::getenv("ZORBIT_BUILD_DIR");
  const std::filesystem::path folder = build ? std::filesystem::path(build) : std::filesystem::temp_directory_path();
  const std::filesystem::path path = folder / FileName;
  const std::vector<Byte> png = WritePng(Picture);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  return path.string();
}

std::string TestDataDir() { return (std::filesystem::path(__FILE__).parent_path() / "data").string(); }

}  // namespace plat::testing
