// Picture readers and writers: BMP round trips at every depth and layout,
// hand-written files for the decoder's own reading, GIF frames, JPEG
// decoding, icons, PNG output, and broken or truncated files of each kind,
// which must raise EInvalidGraphic without crashing or allocating much.
#include <gtest/gtest.h>

#include <png.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/GifCodec.h"
#include "platform/gdi/IcoCodec.h"
#include "platform/gdi/JpegCodec.h"
#include "platform/gdi/PngCodec.h"
#include "platform/gdi/TGraphic.h"
#include "platform/gdi/tests/ImageFactory.h"
#include "testing/ProjectPaths.h"

namespace plat::testing {
namespace {

constexpr TPixel Rgb(int r, int g, int b) { return (static_cast<TPixel>(r) << 16) | (static_cast<TPixel>(g) << 8) | b; }

std::vector<TPixel> PixelsOf(const Bitmap& image) {
  std::vector<TPixel> all;
  for (int y = 0; y < image.Height(); ++y) all.insert(all.end(), image.Row(y), image.Row(y) + image.Width());
  return all;
}

// A 13 x 7 picture (odd width, so rows are padded) in colours that the depth
// holds exactly: two for 1 bit, 16 for 4 bits, 5-bit or 6-bit channel steps
// for 16 bits, anything for 24 bits, and alpha for 32. Runs and single
// pixels alternate, for the run-length encoders.
std::unique_ptr<Bitmap> PictureFor(int bpp) {
  auto image = std::make_unique<Bitmap>(13, 7);
  auto channel = [](int v, int bits) { return (v * 255 + ((1 << bits) - 1) / 2) / ((1 << bits) - 1); };
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 13; ++x) {
      const int k = (x < 5 ? 0 : x) + y * 3;  // a run of five at each row's start
      TPixel p = 0;
      switch (bpp) {
        case 1: p = k % 2 ? Rgb(255, 255, 255) : 0; break;
        case 4: p = Rgb((k % 4) * 85, (k % 3) * 127, (k % 2) * 255); break;
        case 8: p = Rgb(k * 5 % 256, k * 11 % 256, 255 - k); break;
        case 15: p = Rgb(channel(k % 32, 5), channel((k * 7) % 32, 5), channel(31 - k % 32, 5)); break;
        case 16: p = Rgb(channel(k % 32, 5), channel((k * 7) % 64, 6), channel(31 - k % 32, 5)); break;
        case 24: p = Rgb(k * 37 % 256, k * 91 % 256, k * 13 % 256); break;
        default: p = Rgb(k * 37 % 256, k * 91 % 256, k * 13 % 256) | (static_cast<TPixel>(k * 29 % 256) << 24);
      }
      image->Put(x, y, p);
    }
  }
  return image;
}

TEST(BmpCodec, RoundTripsEveryDepthAndLayout) {
  struct Case {
    int Bpp;
    bool Rle;
    bool TopDown;
    bool FileHeader;
    DWORD Compression;
  };
  const Case cases[] = {
      {1, false, false, true, BI_RGB},  {1, false, true, false, BI_RGB},  {4, false, false, true, BI_RGB},
      {4, true, false, true, BI_RLE4},  {4, true, false, false, BI_RLE4}, {8, false, true, true, BI_RGB},
      {8, true, false, true, BI_RLE8},  {15, false, false, true, BI_RGB}, {16, false, true, true, BI_BITFIELDS},
      {24, false, false, true, BI_RGB}, {24, false, true, false, BI_RGB}, {32, false, false, true, BI_RGB},
      {32, false, true, true, BI_RGB},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.Bpp) + (c.Rle ? " RLE" : "") + (c.TopDown ? " top-down" : "") +
                 (c.FileHeader ? "" : " no header"));
    const auto picture = PictureFor(c.Bpp);
    BmpWriteOptions options;
    options.BitsPerPixel = c.Bpp;
    options.Rle = c.Rle;
    options.TopDown = c.TopDown;
    options.FileHeader = c.FileHeader;
    const std::vector<Byte> file = WriteBmp(*picture, options);
    EXPECT_EQ(file[0] == 'B' && file[1] == 'M', c.FileHeader);
    const BmpImage read = ReadBmp(file);
    EXPECT_EQ(read.BitsPerPixel, c.Bpp);
    EXPECT_EQ(read.TopDown, c.TopDown);
    EXPECT_EQ(read.Compression, c.Compression);
    EXPECT_EQ(PixelsOf(*read.Image), PixelsOf(*picture));
  }
}

TEST(BmpCodec, ReadsFilesAsOtherWritersLayThemOut) {
  struct Case {
    const char* Name;
    std::vector<Byte> File;
    int Width;
    int Height;
    std::vector<TPixel> Pixels;
    int Bpp;
  };
  const Case cases[] = {
      {"24-bit bottom-up with file header, padded rows",
       {'B', 'M', 70,  0,   0,   0,   0, 0, 0, 0, 54, 0, 0, 0,                     // file header
        40,  0,   0,   0,   2,   0,   0, 0, 2, 0, 0,  0, 1, 0, 24, 0, 0, 0, 0, 0,  // info header
        0,   0,   0,   0,   0,   0,   0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0,
        0,   0,   255, 0,   255, 0,   0, 0,   // bottom row: red, green
        255, 0,   0,   255, 255, 255, 0, 0},  // top row: blue, white
       2,
       2,
       {Rgb(0, 0, 255), Rgb(255, 255, 255), Rgb(255, 0, 0), Rgb(0, 255, 0)},
       24},
      {"core header, 1 bit, three-byte palette",
       {12, 0, 0, 0, 3, 0, 1, 0, 1, 0, 1, 0, 10, 20, 30, 200, 100, 50, 0b10100000, 0, 0, 0},
       3,
       1,
       {Rgb(50, 100, 200), Rgb(30, 20, 10), Rgb(50, 100, 200)},
       1},
      {"V5 header, 32-bit bit fields with alpha",
       [] {
         std::vector<Byte> f(124, 0);
         const std::int32_t fields[] = {124, 1, -1};
         std::memcpy(f.data(), fields, sizeof fields);
         f[12] = 1, f[14] = 32, f[16] = 3;  // planes, bits, BI_BITFIELDS
         const DWORD masks[] = {0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF};
         std::memcpy(f.data() + 40, masks, sizeof masks);
         const Byte pixel[] = {0x80, 0x30, 0x20, 0x10};  // A=0x80 B=0x30 G=0x20 R=0x10
         f.insert(f.end(), pixel, pixel + 4);
         return f;
       }(),
       1,
       1,
       {0x80102030},
       32},
      {"16-bit 5-6-5 masks after an info header",
       {40, 0, 0,    0,    2, 0, 0,    0,    1, 0, 0,    0, 1, 0, 16,   0,    3,    0,   0,
        0,  0, 0,    0,    0, 0, 0,    0,    0, 0, 0,    0, 0, 0, 0,    0,    0,    0,   0,
        0,  0, 0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0, 0x00, 0xF8, 0x1F, 0x00},
       2,
       1,
       {Rgb(255, 0, 0), Rgb(0, 0, 255)},
       16},
      {"RLE8 with a run, a literal run, a jump and line ends",
       {40, 0, 0, 0, 4, 0, 0, 0, 3, 0, 0, 0, 1, 0, 8, 0, 1, 0, 0, 0, 0,   0, 0,   0, 0, 0,
        0,  0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0,  // palette: black, red, blue
        4,  1,                                                                              // bottom row: four red
        0,  0,                                                                              // line end
        0,  3, 2, 1, 2, 0,  // literal: blue red blue (padded)
        0,  0,              // line end
        0,  2, 1, 0,        // jump right 1
        1,  2,              // one blue at (1, top row)
        0,  1},             // end
       4,
       3,
       {0, Rgb(0, 0, 255), 0, 0, Rgb(0, 0, 255), Rgb(255, 0, 0), Rgb(0, 0, 255), 0, Rgb(255, 0, 0), Rgb(255, 0, 0),
        Rgb(255, 0, 0), Rgb(255, 0, 0)},
       8},
      {"RLE4 with an odd literal run",
       {40, 0,    0,    0,    5, 0, 0, 0, 1, 0, 0, 0, 1, 0, 4, 0, 2, 0, 0, 0,   0,   0,   0, 0, 0,
        0,  0,    0,    0,    0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 0,  // palette: black, white
        2,  0x10,                                                                             // white, black
        0,  3,    0x10, 0x10,  // literal: white black white (padded to a word)
        0,  1},
       5,
       1,
       {Rgb(255, 255, 255), 0, Rgb(255, 255, 255), 0, Rgb(255, 255, 255)},
       4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const BmpImage read = ReadBmp(c.File);
    ASSERT_EQ(read.Image->Width(), c.Width);
    ASSERT_EQ(read.Image->Height(), c.Height);
    EXPECT_EQ(read.BitsPerPixel, c.Bpp);
    EXPECT_EQ(PixelsOf(*read.Image), c.Pixels);
  }
}

TEST(BmpCodec, StreamReadingStopsAtTheFileSize) {
  const auto picture = PictureFor(24);
  const std::vector<Byte> file = WriteBmp(*picture);
  TMemoryStream stream;
  stream.WriteBuffer(file.data(), static_cast<Int64>(file.size()));
  stream.WriteBuffer("tail", 4);
  stream.SetPosition(0);
  const BmpImage read = ReadBmp(stream);
  EXPECT_EQ(stream.Position(), static_cast<Int64>(file.size()));
  EXPECT_EQ(PixelsOf(*read.Image), PixelsOf(*picture));
}

TEST(BmpCodec, TooManyColoursTakeTheNearestOfAFixedPalette) {
  auto picture = MakePicture(4, 1, [](int x, int) {
    return std::array{Rgb(250, 10, 10), Rgb(20, 20, 240), Rgb(200, 200, 210), Rgb(40, 40, 40)}[x];
  });
  BmpWriteOptions options;
  options.BitsPerPixel = 1;
  const BmpImage mono = ReadBmp(WriteBmp(*picture, options));
  EXPECT_EQ(PixelsOf(*mono.Image), (std::vector<TPixel>{0, 0, Rgb(255, 255, 255), 0}));
  auto many = MakePicture(20, 1, [](int x, int) { return Rgb(x * 12, 255 - x * 12, 0); });
  options.BitsPerPixel = 4;
  const BmpImage vga = ReadBmp(WriteBmp(*many, options));
  EXPECT_EQ(vga.Image->At(0, 0), Rgb(0, 255, 0));
  EXPECT_EQ(vga.Image->At(19, 0), Rgb(255, 0, 0));
}

TEST(BmpCodec, WriterRefusesLayoutsTheFormatHasNot) {
  const auto picture = PictureFor(24);
  for (const BmpWriteOptions& options :
       {BmpWriteOptions{12, false, false, true}, BmpWriteOptions{24, true, false, true},
        BmpWriteOptions{8, true, true, true}}) {
    EXPECT_THROW(WriteBmp(*picture, options), EInvalidGraphic);
  }
}

// A valid file changed at one place: each change must be refused.
std::vector<Byte> Patched(std::vector<Byte> file, std::size_t offset, std::vector<Byte> bytes) {
  std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(offset));
  return file;
}

std::vector<Byte> Le32(std::int64_t v) {
  return {static_cast<Byte>(v), static_cast<Byte>(v >> 8), static_cast<Byte>(v >> 16), static_cast<Byte>(v >> 24)};
}

TEST(BmpCodec, BrokenFilesRaise) {
  BmpWriteOptions rle;
  rle.BitsPerPixel = 8;
  rle.Rle = true;
  const std::vector<Byte> plain = WriteBmp(*PictureFor(24));
  const std::vector<Byte> packed = WriteBmp(*PictureFor(8), rle);
  BmpWriteOptions fields;
  fields.BitsPerPixel = 16;
  const std::vector<Byte> masked = WriteBmp(*PictureFor(16), fields);
  // Offsets: 14 header size, 18 width, 22 height, 28 bits, 30 compression,
  // 46 colours used, 10 pixel offset, 54 first mask.
  const std::pair<const char*, std::vector<Byte>> cases[] = {
      {"empty", {}},
      {"not a bitmap", {'B', 'M', 1, 2, 3}},
      {"zero width", Patched(plain, 18, Le32(0))},
      {"negative width", Patched(plain, 18, Le32(-5))},
      {"zero height", Patched(plain, 22, Le32(0))},
      {"lowest height", Patched(plain, 22, Le32(INT32_MIN))},
      {"too wide", Patched(plain, 18, Le32(40000))},
      {"huge", Patched(Patched(plain, 18, Le32(30000)), 22, Le32(30000))},
      {"odd depth", Patched(plain, 28, {7, 0})},
      {"unknown compression", Patched(plain, 30, Le32(9))},
      {"embedded JPEG", Patched(plain, 30, Le32(4))},
      {"RLE8 at 24 bits", Patched(plain, 30, Le32(BI_RLE8))},
      {"RLE top-down", Patched(packed, 22, Le32(-7))},
      {"vast palette", Patched(packed, 46, Le32(100000))},
      {"pixels past the end", Patched(plain, 10, Le32(100000))},
      {"pixels inside the header", Patched(plain, 10, Le32(3))},
      {"unknown header size", Patched(plain, 14, Le32(20))},
      {"broken mask", Patched(masked, 54, Le32(0xF0F0))},
      {"run-length picture out of proportion", Patched(Patched(packed, 18, Le32(8000)), 22, Le32(8000))},
  };
  for (const auto& [name, file] : cases) {
    SCOPED_TRACE(name);
    EXPECT_THROW(ReadBmp(file), EInvalidGraphic);
  }
}

// Every cut of a file, except where only the end marker of run-length data
// is missing after the last row, is refused.
void ExpectEveryTruncationRefused(const std::vector<Byte>& file, std::size_t keep,
                                  const std::function<void(std::span<const Byte>)>& read) {
  for (std::size_t length = 0; length + keep < file.size(); ++length) {
    SCOPED_TRACE(length);
    EXPECT_THROW(read(std::span<const Byte>(file.data(), length)), EInvalidGraphic);
  }
}

TEST(BmpCodec, TruncatedFilesRaise) {
  for (int bpp : {1, 4, 24, 32}) {
    BmpWriteOptions options;
    options.BitsPerPixel = bpp;
    ExpectEveryTruncationRefused(WriteBmp(*PictureFor(bpp), options), 0, [](auto data) { ReadBmp(data); });
  }
  BmpWriteOptions rle;
  rle.BitsPerPixel = 8;
  rle.Rle = true;
  ExpectEveryTruncationRefused(WriteBmp(*PictureFor(8), rle), 4, [](auto data) { ReadBmp(data); });
}

std::vector<GifColorType> Colours(std::initializer_list<GifColorType> colours) { return colours; }

TEST(GifCodec, FramesKeepTheirRectanglesDelaysAndTransparency) {
  const auto global = Colours({{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}});
  std::vector<GifFrameSpec> frames(3);
  frames[0] = FrameSpec(0, 0, 4, 3, {0, 1, 2, 3, 3, 2, 1, 0, 1, 1, 1, 1});
  frames[0].DelayCs = 10;
  frames[1] = FrameSpec(1, 1, 2, 2, {0, 1, 1, 0});
  frames[1].TransparentIndex = 0;
  frames[1].Disposal = DISPOSAL_UNSPECIFIED + 2;
  frames[1].DelayCs = 25;
  frames[1].LocalColours = Colours({{9, 9, 9}, {200, 100, 50}});
  frames[2] = FrameSpec(0, 0, 3, 9, std::vector<GifPixelType>(27));
  for (std::size_t i = 0; i < 27; ++i)
    frames[2].Indices[i] = static_cast<GifPixelType>(i / 3 % 4);  // row y: colour y % 4
  frames[2].Interlace = true;
  const GifImage gif = ReadGif(EncodeGif(4, 9, global, frames));

  EXPECT_EQ(gif.Width, 4);
  EXPECT_EQ(gif.Height, 9);
  ASSERT_EQ(gif.Frames.size(), 3u);
  const TPixel opaque = 0xFF000000;
  EXPECT_EQ(gif.Frames[0].Bounds, (TRect{0, 0, 4, 3}));
  EXPECT_EQ(gif.Frames[0].DelayMs, 100);
  EXPECT_EQ(PixelsOf(*gif.Frames[0].Image),
            (std::vector<TPixel>{opaque, opaque | Rgb(255, 0, 0), opaque | Rgb(0, 255, 0), opaque | Rgb(0, 0, 255),
                                 opaque | Rgb(0, 0, 255), opaque | Rgb(0, 255, 0), opaque | Rgb(255, 0, 0), opaque,
                                 opaque | Rgb(255, 0, 0), opaque | Rgb(255, 0, 0), opaque | Rgb(255, 0, 0),
                                 opaque | Rgb(255, 0, 0)}));
  EXPECT_EQ(gif.Frames[1].Bounds, (TRect{1, 1, 3, 3}));
  EXPECT_EQ(gif.Frames[1].Disposal, 2);
  EXPECT_EQ(gif.Frames[1].DelayMs, 250);
  const TPixel local = opaque | Rgb(200, 100, 50);
  EXPECT_EQ(PixelsOf(*gif.Frames[1].Image), (std::vector<TPixel>{0, local, local, 0}));
  for (int y = 0; y < 9; ++y) {
    const TPixel expected = opaque | std::array{Rgb(0, 0, 0), Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255)}[y % 4];
    EXPECT_EQ(gif.Frames[2].Image->At(2, y), expected) << "interlaced row " << y;
  }
}

TEST(GifCodec, ScreenWithoutSizeTakesTheFramesExtent) {
  const GifImage gif = ReadGif(EncodeGif(0, 0, Colours({{0, 0, 0}, {1, 1, 1}}), {FrameSpec(2, 3, 2, 2, {0, 1, 1, 0})}));
  EXPECT_EQ(gif.Width, 4);
  EXPECT_EQ(gif.Height, 5);
}

TEST(GifCodec, BrokenAndTruncatedFilesRaise) {
  const auto colours = Colours({{0, 0, 0}, {255, 255, 255}});
  const std::vector<Byte> good =
      EncodeGif(4, 3, colours, {FrameSpec(0, 0, 4, 3, {0, 1, 0, 1, 1, 0, 1, 0, 0, 0, 1, 1})});
  ExpectEveryTruncationRefused(good, 0, [](auto data) { ReadGif(data); });
  std::vector<Byte> noColours = EncodeGif(4, 3, colours, {FrameSpec(0, 0, 4, 3, std::vector<GifPixelType>(12))});
  noColours[10] &= 0x7F;  // no global colour table, and no local one
  noColours.erase(noColours.begin() + 13, noColours.begin() + 19);
  std::vector<Byte> huge = good;
  // The image descriptor follows the header (13), colours (6) and control extension (8).
  const std::size_t descriptor = 13 + 6 + 8;
  ASSERT_EQ(huge[descriptor], 0x2C);
  huge[descriptor + 5] = huge[descriptor + 6] = huge[descriptor + 7] = huge[descriptor + 8] = 0xFF;
  std::vector<Byte> garbled = good;
  garbled[descriptor + 11] = 0xFF;  // LZW minimum code size
  const std::pair<const char*, std::vector<Byte>> cases[] = {
      {"not a GIF", {'G', 'I', 'F', '0', '0', '0'}},
      {"no colours", noColours},
      {"frame out of proportion", huge},
      {"bad code size", garbled},
  };
  for (const auto& [name, file] : cases) {
    SCOPED_TRACE(name);
    EXPECT_THROW(ReadGif(file), EInvalidGraphic);
  }
}

TEST(JpegCodec, DecodesBaselineProgressiveAndGrey) {
  for (const JpegSpec spec : {JpegSpec{32, 24, 3, false}, JpegSpec{33, 17, 3, true}, JpegSpec{16, 16, 1, false}}) {
    SCOPED_TRACE(std::to_string(spec.Components) + (spec.Progressive ? " progressive" : ""));
    const JpegImage jpeg = ReadJpeg(EncodeJpeg(spec));
    ASSERT_EQ(jpeg.Image->Width(), spec.Width);
    ASSERT_EQ(jpeg.Image->Height(), spec.Height);
    EXPECT_EQ(jpeg.Grayscale, spec.Components == 1);
    int worst = 0;
    for (int y = 0; y < spec.Height; ++y) {
      for (int x = 0; x < spec.Width; ++x) {
        const TPixel p = jpeg.Image->At(x, y);
        EXPECT_EQ(p >> 24, 0u);
        const int channels[] = {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                                static_cast<int>(p & 0xFF)};
        for (int c = 0; c < 3; ++c) {
          const int source = JpegPattern(x, y, spec.Components == 1 ? 0 : c);
          worst = std::max(worst, std::abs(channels[c] - source));
        }
      }
    }
    EXPECT_LT(worst, 16);
  }
}

TEST(JpegCodec, AFileOfTooManyScansIsRefused) {
  JpegSpec spec{64, 64, 1, true};
  spec.EveryBandApart = true;
  try {
    ReadJpeg(EncodeJpeg(spec));
    FAIL() << "190 scans were decoded";
  } catch (const EInvalidGraphic& e) {
    EXPECT_NE(e.Message().find("scans"), String::npos) << e.Message();
  }
}

TEST(JpegCodec, BrokenTruncatedAndUnsupportedDataRaise) {
  const std::vector<Byte> good = EncodeJpeg({});
  for (std::size_t length : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{20}, good.size() / 3,
                             good.size() / 2, good.size() - 3}) {
    SCOPED_TRACE(length);
    EXPECT_THROW(ReadJpeg(std::span<const Byte>(good.data(), length)), EInvalidGraphic);
  }
  std::vector<Byte> garbled = good;
  for (std::size_t i = 2; i < 40; ++i) garbled[i] = static_cast<Byte>(i * 7);
  EXPECT_THROW(ReadJpeg(garbled), EInvalidGraphic);
  EXPECT_THROW(ReadJpeg(EncodeJpeg({8, 8, 4, false})), EInvalidGraphic);  // CMYK
  // A size out of proportion to the data: patch the frame header's height and width.
  std::vector<Byte> huge = good;
  for (std::size_t i = 0; i + 8 < huge.size(); ++i) {
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
      huge[i + 5] = huge[i + 6] = huge[i + 7] = huge[i + 8] = 0x7F;
      break;
    }
  }
  EXPECT_THROW(ReadJpeg(huge), EInvalidGraphic);
}

std::vector<IconSpec> TwoIcons() {
  std::vector<IconSpec> icons;
  IconSpec small{
      MakePicture(16, 16, [](int x, int y) { return (x + y) % 2 ? Rgb(255, 0, 0) : Rgb(0, 0, 128); }), 4, {}};
  small.Transparent.assign(256, false);
  for (int i = 0; i < 16; ++i) small.Transparent[static_cast<std::size_t>(i)] = true;  // the top row
  icons.push_back(std::move(small));
  icons.push_back(
      {MakePicture(32, 32, [](int x, int) { return (static_cast<TPixel>(x * 8) << 24) | Rgb(0, 200, 0); }), 32, {}});
  return icons;
}

TEST(IcoCodec, ImagesWithMasksAndAlpha) {
  const IconFile icon = ReadIco(EncodeIco(TwoIcons(), true));
  EXPECT_FALSE(icon.Cursor);
  ASSERT_EQ(icon.Images.size(), 2u);  // the PNG entry is passed over
  const Bitmap& small = *icon.Images[0].Image;
  EXPECT_EQ(icon.Images[0].BitsPerPixel, 4);
  EXPECT_EQ(small.At(3, 0), 0u);                            // masked: transparent black
  EXPECT_EQ(small.At(0, 1), 0xFF000000u | Rgb(255, 0, 0));  // shown: opaque
  EXPECT_EQ(small.At(1, 1), 0xFF000000u | Rgb(0, 0, 128));
  const Bitmap& large = *icon.Images[1].Image;
  EXPECT_EQ(large.At(10, 5), (80u << 24) | Rgb(0, 200, 0));  // its own alpha
  EXPECT_EQ(&BestIconImage(icon, 32, 32), &icon.Images[1]);
  EXPECT_EQ(&BestIconImage(icon, 16, 16), &icon.Images[0]);
  EXPECT_EQ(&BestIconImage(icon, 48, 48), &icon.Images[1]);
}

TEST(IcoCodec, BrokenAndTruncatedFilesRaise) {
  const std::vector<Byte> good = EncodeIco(TwoIcons());
  ExpectEveryTruncationRefused(good, 0, [](auto data) { ReadIco(data); });
  std::vector<Byte> odd = good;
  const std::size_t firstImage = 6 + 2 * 16;
  odd[firstImage + 8] = 31;  // height 31: no room for a mask
  const std::pair<const char*, std::vector<Byte>> cases[] = {
      {"no images", Patched(good, 4, {0, 0})},
      {"more entries than data", Patched(good, 4, {0xFF, 0xFF})},
      {"image outside the file", Patched(good, 6 + 12, Le32(1 << 30))},
      {"image larger than the file", Patched(good, 6 + 8, Le32(1 << 30))},
      {"wrong type", Patched(good, 2, {7, 0})},
      {"odd height", odd},
      {"only PNG", EncodeIco({}, true)},
  };
  for (const auto& [name, file] : cases) {
    SCOPED_TRACE(name);
    EXPECT_THROW(ReadIco(file), EInvalidGraphic);
  }
}

TEST(IcoCodec, WrittenCursorsReadBackWithTheirHotSpots) {
  IconFile cursor;
  cursor.Cursor = true;
  for (const int size : {32, 16}) {
    IconImage image{std::make_unique<Bitmap>(size, size), 32, {size / 2, 3}};
    image.Image->Fill(0);                               // transparent
    image.Image->Put(1, 2, 0xFF000000u | Rgb(255, 255, 255));  // opaque white
    image.Image->Put(2, 2, 0xFF000000u);                // opaque black
    cursor.Images.push_back(std::move(image));
  }
  const IconFile back = ReadIco(WriteIco(cursor));
  EXPECT_TRUE(back.Cursor);
  ASSERT_EQ(back.Images.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(back.Images[i].HotSpot.X, cursor.Images[i].HotSpot.X);
    EXPECT_EQ(back.Images[i].HotSpot.Y, 3);
    EXPECT_EQ(PixelsOf(*back.Images[i].Image), PixelsOf(*cursor.Images[i].Image));
  }
  IconFile empty;
  EXPECT_THROW(WriteIco(empty), EInvalidGraphic);
  empty.Images.push_back({std::make_unique<Bitmap>(300, 1), 32, {}});
  EXPECT_THROW(WriteIco(empty), EInvalidGraphic);
}

TEST(IcoCodec, EntriesSharingOneImageAreBoundedTogether) {
  // One 256x256 monochrome image (16 KB with its mask) named by 255 entries:
  // each entry is in proportion to its bytes, all of them together are not.
  std::vector<IconSpec> one;
  one.push_back({std::make_unique<Bitmap>(256, 256), 1, {}});
  const std::vector<Byte> single = EncodeIco(one);
  constexpr std::size_t Entries = 255;
  const std::size_t bodyOffset = 6 + 16;
  std::vector<Byte> file = {0, 0, 1, 0, static_cast<Byte>(Entries), 0};
  const std::vector<Byte> offset = Le32(static_cast<std::uint32_t>(6 + 16 * Entries));
  for (std::size_t i = 0; i < Entries; ++i) {
    std::vector<Byte> entry(single.begin() + 6, single.begin() + 6 + 16);
    std::copy(offset.begin(), offset.end(), entry.begin() + 12);
    file.insert(file.end(), entry.begin(), entry.end());
  }
  file.insert(file.end(), single.begin() + bodyOffset, single.end());
  EXPECT_THROW(ReadIco(file), EInvalidGraphic);
  // A few entries sharing the image are still read.
  file[4] = 4;
  EXPECT_EQ(ReadIco(file).Images.size(), 4u);
}

TEST(PngCodec, WritesWhatLibpngReadsBack) {
  const auto picture = PictureFor(32);
  for (const bool alpha : {false, true}) {
    const std::vector<Byte> file = WritePng(*picture, alpha);
    EXPECT_EQ(file, WritePng(*picture, alpha));  // the same bytes every time
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&png, file.data(), file.size()));
    png.format = PNG_FORMAT_BGRA;
    std::vector<Byte> pixels(PNG_IMAGE_SIZE(png));
    ASSERT_TRUE(png_image_finish_read(&png, nullptr, pixels.data(), 0, nullptr));
    ASSERT_EQ(png.width, 13u);
    for (int y = 0; y < 7; ++y) {
      for (int x = 0; x < 13; ++x) {
        TPixel read;
        std::memcpy(&read, pixels.data() + (static_cast<std::size_t>(y) * 13 + x) * 4, 4);
        const TPixel expected = alpha ? picture->At(x, y) : (picture->At(x, y) | 0xFF000000u);
        EXPECT_EQ(read, expected);
      }
    }
  }
}

// The corpus beside the tests: every "broken-*" file is refused by the
// reader for its extension, every "valid-*" file is read.
TEST(CodecCorpus, BrokenFilesAreRefusedAndValidOnesRead) {
  const std::filesystem::path folder = zorbit::testing::SourcePath("platform/gdi/tests/data");
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<Byte> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string extension = entry.path().extension().string();
    auto read = [&] {
      if (extension == ".bmp") ReadBmp(data);
      if (extension == ".gif") ReadGif(data);
      if (extension == ".jpg") ReadJpeg(data);
      if (extension == ".ico") ReadIco(data);
    };
    SCOPED_TRACE(name);
    if (name.starts_with("broken-")) {
      EXPECT_THROW(read(), EInvalidGraphic);
    } else {
      EXPECT_NO_THROW(read());
    }
    ++files;
  }
  EXPECT_GE(files, 10);
}

}  // namespace
}  // namespace plat::testing
