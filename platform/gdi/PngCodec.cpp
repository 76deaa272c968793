#include "platform/gdi/PngCodec.h"

#include <png.h>

#include "platform/gdi/TGraphic.h"

namespace plat {

std::vector<Byte> WritePng(const Bitmap& image, bool withAlpha) {
  const std::size_t channels = withAlpha ? 4 : 3;
  const auto width = static_cast<std::size_t>(image.Width());
  std::vector<Byte> pixels(width * static_cast<std::size_t>(image.Height()) * channels);
  Byte* out = pixels.data();
  for (int y = 0; y < image.Height(); ++y) {
    const TPixel* row = image.Row(y);
    for (std::size_t x = 0; x < width; ++x) {
      *out++ = static_cast<Byte>(row[x] >> 16);
      *out++ = static_cast<Byte>(row[x] >> 8);
      *out++ = static_cast<Byte>(row[x]);
      if (withAlpha) *out++ = static_cast<Byte>(row[x] >> 24);
    }
  }
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.Width());
  png.height = static_cast<png_uint_32>(image.Height());
  png.format = withAlpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&png, nullptr, &size, 0, pixels.data(), 0, nullptr)) {
    throw EInvalidGraphic(String("The PNG image could not be written: ") + png.message);
  }
  std::vector<Byte> encoded(size);
  if (!png_image_write_to_memory(&png, encoded.data(), &size, 0, pixels.data(), 0, nullptr)) {
    throw EInvalidGraphic(String("The PNG image could not be written: ") + png.message);
  }
  encoded.resize(size);
  return encoded;
}

void WritePng(TStream& stream, const Bitmap& image, bool withAlpha) {
  const std::vector<Byte> data = WritePng(image, withAlpha);
  stream.WriteBuffer(data.data(), static_cast<Int64>(data.size()));
}

}  // namespace plat
