#include "platform/gdi/PictureLoader.h"

#include <cmath>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Blits.h"
#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/GifCodec.h"
#include "platform/gdi/IcoCodec.h"
#include "platform/gdi/JpegCodec.h"
#include "platform/gdi/TGraphic.h"
#include "platform/rtl/ScopeExit.h"

namespace plat {
namespace {

constexpr int HimetricPerInch = 2540;
// Header and logical screen descriptor: the least a GIF can be.
constexpr std::size_t GifHeaderSize = 13;

[[noreturn]] void InvalidFormat() { throw EInvalidGraphic("Could not load image. Invalid format"); }

TPixel Premultiplied(TPixel p) {
  const TPixel a = p >> 24;
  auto scale = [a](TPixel channel) { return (channel * a + 127) / 255; };
  return (a << 24) | (scale((p >> 16) & 0xFF) << 16) | (scale((p >> 8) & 0xFF) << 8) | scale(p & 0xFF);
}

// Bitmaps and JPEGs cover their whole rectangle.
void MakeOpaque(Bitmap& image) {
  for (int y = 0; y < image.Height(); ++y) {
    TPixel* row = image.Row(y);
    for (int x = 0; x < image.Width(); ++x) row[x] |= 0xFF000000u;
  }
}

void Premultiply(Bitmap& image) {
  for (int y = 0; y < image.Height(); ++y) {
    TPixel* row = image.Row(y);
    for (int x = 0; x < image.Width(); ++x) row[x] = Premultiplied(row[x]);
  }
}

std::unique_ptr<TLoadedPicture> Whole(TPictureFormat format, std::unique_ptr<Bitmap> image) {
  const TRect bounds = image->Bounds();
  return std::make_unique<TLoadedPicture>(format, std::move(image), bounds, TSize{bounds.Right, bounds.Bottom}, 1);
}

std::unique_ptr<TLoadedPicture> Decode(TPictureFormat format, std::span<const Byte> data, int frame) {
  switch (format) {
    case TPictureFormat::pfBitmap: {
      BmpImage bmp = ReadBmp(data);
      MakeOpaque(*bmp.Image);
      return Whole(format, std::move(bmp.Image));
    }
    case TPictureFormat::pfJpeg: {
      JpegImage jpeg = ReadJpeg(data);
      MakeOpaque(*jpeg.Image);
      return Whole(format, std::move(jpeg.Image));
    }
    case TPictureFormat::pfIcon: {
      IconFile icon = ReadIco(data);
      if (icon.Images.empty()) InvalidFormat();
      const IconImage& best = BestIconImage(icon, 32, 32);
      auto image = std::make_unique<Bitmap>(best.Image->Width(), best.Image->Height());
      for (int y = 0; y < image->Height(); ++y)
        for (int x = 0; x < image->Width(); ++x) image->Put(x, y, best.Image->At(x, y));
      return Whole(format, std::move(image));
    }
    case TPictureFormat::pfGif: {
      GifImage gif = ReadGif(data);
      if (gif.Frames.empty()) InvalidFormat();
      const int count = static_cast<int>(gif.Frames.size());
      GifFrame& chosen = gif.Frames[static_cast<std::size_t>(frame >= 1 && frame <= count ? frame - 1 : 0)];
      return std::make_unique<TLoadedPicture>(format, std::move(chosen.Image), chosen.Bounds,
                                              TSize{gif.Width, gif.Height}, count);
    }
  }
  InvalidFormat();
}

}  // namespace

bool SniffPictureFormat(std::span<const Byte> data, TPictureFormat& format) {
  auto starts = [data](std::initializer_list<Byte> prefix) {
    if (data.size() < prefix.size()) return false;
    std::size_t i = 0;
    for (Byte b : prefix)
      if (data[i++] != b) return false;
    return true;
  };
  if (starts({'B', 'M'})) {
    format = TPictureFormat::pfBitmap;
  } else if (starts({0, 0, 1, 0}) || starts({0, 0, 2, 0})) {
    format = TPictureFormat::pfIcon;
  } else if (data.size() >= GifHeaderSize && starts({'G', 'I', 'F', '8'})) {
    format = TPictureFormat::pfGif;
  } else if (starts({0xFF, 0xD8, 0xFF})) {
    format = TPictureFormat::pfJpeg;
  } else {
    return false;
  }
  return true;
}

int PixelsToHimetric(int pixels, int pixelsPerInch) {
  if (pixelsPerInch <= 0) return 0;
  return static_cast<int>(std::lround(static_cast<double>(pixels) * HimetricPerInch / pixelsPerInch));
}

int HimetricToPixels(int himetric, int pixelsPerInch) {
  return static_cast<int>(std::lround(static_cast<double>(himetric) * pixelsPerInch / HimetricPerInch));
}

TLoadedPicture::TLoadedPicture(TPictureFormat Format, std::unique_ptr<Bitmap> Image, TRect FrameBounds, TSize Screen,
                               int FrameCount)
    : FFormat(Format),
      FPixels{Image->Width(), Image->Height()},
      FHimetric{PixelsToHimetric(Image->Width()), PixelsToHimetric(Image->Height())},
      FFrameBounds(FrameBounds),
      FScreen(Screen),
      FFrameCount(FrameCount) {
  Premultiply(*Image);
  FImage = GdiObjectTable::Adopt(std::move(Image));
}

TLoadedPicture::~TLoadedPicture() { DeleteObject(FImage); }

void TLoadedPicture::Render(HDC dc, const TRect& rect) const {
  if (rect.IsEmpty() || FPixels.cx <= 0 || FPixels.cy <= 0) return;
  const HDC source = CreateCompatibleDC(nullptr);
  const ScopeExit deleted([source] { DeleteDC(source); });
  const DCStateSaver saved(source);
  SelectObject(source, FImage);
  AlphaBlend(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), source, 0, 0, FPixels.cx, FPixels.cy,
             BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
}

std::unique_ptr<TLoadedPicture> LoadPictureFromBytes(std::span<const Byte> data, int Frame) {
  if (data.empty()) throw EInvalidGraphic("Empty image stream created");
  TPictureFormat format;
  if (!SniffPictureFormat(data, format)) InvalidFormat();
  try {
    return Decode(format, data, Frame);
  } catch (const EInvalidGraphic&) {
    InvalidFormat();
  } catch (const EOutOfResources&) {
    InvalidFormat();
  }
}

}  // namespace plat
