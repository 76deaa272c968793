#include "platform/gdi/GifCodec.h"

#include <algorithm>
#include <cstring>

#include <gif_lib.h>

#include "platform/gdi/CodecInput.h"

namespace plat {

namespace {

constexpr const char* Kind = "GIF";
// LZW codes reach 12 bits and strings of up to 4096 pixels.
constexpr long long GifPixelsPerByte = 4096;
constexpr std::size_t MaxFrames = 10000;

struct Source {
  std::span<const Byte> Data;
  std::size_t Position = 0;
};

int ReadSource(GifFileType* gif, GifByteType* buffer, int count) {
  auto* source = static_cast<Source*>(gif->UserData);
  const std::size_t n = std::min(static_cast<std::size_t>(std::max(count, 0)), source->Data.size() - source->Position);
  std::memcpy(buffer, source->Data.data() + source->Position, n);
  source->Position += n;
  return static_cast<int>(n);
}

[[noreturn]] void Fail(const char* problem) { throw EInvalidGraphic(String("Invalid GIF image: ") + problem); }

[[noreturn]] void FailWith(int error) {
  const char* text = GifErrorString(error);
  Fail(text != nullptr ? text : "unreadable data");
}

class GifReader {
 public:
  explicit GifReader(std::span<const Byte> data) : FSource{data} {
    int error = 0;
    FGif = DGifOpen(&FSource, ReadSource, &error);
    if (FGif == nullptr) FailWith(error);
  }
  ~GifReader() {
    int error = 0;
    DGifCloseFile(FGif, &error);
  }
  GifReader(const GifReader&) = delete;
  GifReader& operator=(const GifReader&) = delete;

  GifFileType* operator->() { return FGif; }
  GifFileType* Get() { return FGif; }
  void Check(int result) {
    if (result == GIF_ERROR) FailWith(FGif->Error);
  }

 private:
  Source FSource;
  GifFileType* FGif = nullptr;
};

// The file order of an interlaced frame's rows: every 8th from 0, every 8th
// from 4, every 4th from 2, every 2nd from 1.
std::vector<int> RowOrder(int height, bool interlaced) {
  std::vector<int> order;
  order.reserve(static_cast<std::size_t>(height));
  if (!interlaced) {
    for (int y = 0; y < height; ++y) order.push_back(y);
    return order;
  }
  constexpr int Starts[] = {0, 4, 2, 1};
  constexpr int Steps[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = Starts[pass]; y < height; y += Steps[pass]) order.push_back(y);
  }
  return order;
}

}  // namespace

GifImage ReadGif(std::span<const Byte> data) {
  GifReader gif(data);
  GifImage image;
  image.Width = gif->SWidth;
  image.Height = gif->SHeight;
  GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
  long long totalPixels = 0;
  GifRecordType record = UNDEFINED_RECORD_TYPE;
  do {
    gif.Check(DGifGetRecordType(gif.Get(), &record));
    if (record == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* block = nullptr;
      gif.Check(DGifGetExtension(gif.Get(), &code, &block));
      if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && block[0] >= 4) {
        DGifExtensionToGCB(block[0], block + 1, &control);
      }
      while (block != nullptr) gif.Check(DGifGetExtensionNext(gif.Get(), &block));
    } else if (record == IMAGE_DESC_RECORD_TYPE) {
      gif.Check(DGifGetImageDesc(gif.Get()));
      const GifImageDesc& desc = gif->Image;
      CheckImageSize(desc.Width, desc.Height, data.size(), GifPixelsPerByte, Kind);
      totalPixels += static_cast<long long>(desc.Width) * desc.Height;
      if (totalPixels > Bitmap::MaxPixels || image.Frames.size() >= MaxFrames) Fail("too many frames");
      CheckProportion(totalPixels, data.size(), GifPixelsPerByte, Kind);
      const ColorMapObject* colours = desc.ColorMap != nullptr ? desc.ColorMap : gif->SColorMap;
      if (colours == nullptr || colours->Colors == nullptr) Fail("a frame has no colours");

      GifFrame frame;
      frame.Bounds = Bounds(desc.Left, desc.Top, desc.Width, desc.Height);
      frame.DelayMs = control.DelayTime * 10;
      frame.Disposal = control.DisposalMode;
      frame.Image = std::make_unique<Bitmap>(desc.Width, desc.Height);
      std::vector<GifPixelType> line(static_cast<std::size_t>(desc.Width));
      for (int y : RowOrder(desc.Height, desc.Interlace)) {
        gif.Check(DGifGetLine(gif.Get(), line.data(), desc.Width));
        TPixel* row = frame.Image->Row(y);
        for (std::size_t x = 0; x < line.size(); ++x) {
          const int index = line[x];
          if (index == control.TransparentColor) {
            row[x] = 0;
          } else if (index < colours->ColorCount) {
            const GifColorType& c = colours->Colors[index];
            row[x] = 0xFF000000u | (static_cast<TPixel>(c.Red) << 16) | (static_cast<TPixel>(c.Green) << 8) | c.Blue;
          } else {
            row[x] = 0xFF000000u;
          }
        }
      }
      image.Frames.push_back(std::move(frame));
      control = GraphicsControlBlock{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    }
  } while (record != TERMINATE_RECORD_TYPE);
  if (image.Frames.empty()) Fail("there is no frame");
  if (image.Width == 0 || image.Height == 0) {
    for (const GifFrame& frame : image.Frames) {
      image.Width = std::max(image.Width, frame.Bounds.Right);
      image.Height = std::max(image.Height, frame.Bounds.Bottom);
    }
  }
  return image;
}

}  // namespace plat
