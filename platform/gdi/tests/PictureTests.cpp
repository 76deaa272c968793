// The class library's pictures: TJPEGImage and TIcon load, save back what
// they loaded, and draw; TPicture loads files by extension and keeps what it
// had when a file cannot be read.
#include <gtest/gtest.h>

#include "platform/gdi/JpegCodec.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TJPEGImage.h"
#include "platform/gdi/TPicture.h"
#include "platform/gdi/tests/ImageFactory.h"
#include "testing/TempFolder.h"

namespace plat::testing {
namespace {

constexpr TPixel White = 0xFFFFFF;

std::unique_ptr<TMemoryStream> StreamOf(const std::vector<Byte>& data) {
  auto stream = std::make_unique<TMemoryStream>();
  stream->WriteBuffer(data.data(), static_cast<Int64>(data.size()));
  stream->SetPosition(0);
  return stream;
}

std::vector<Byte> BytesOf(TMemoryStream& stream) { return {stream.Memory(), stream.Memory() + stream.Size()}; }

// A white bitmap to draw pictures on.
std::unique_ptr<TBitmap> Canvas(int width, int height) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(width, height);
  bitmap->Canvas()->Brush()->SetColor(clWhite);
  bitmap->Canvas()->FillRect({0, 0, width, height});
  return bitmap;
}

// Writes bytes as a file of the folder; answers its path.
String WriteInto(const zorbit::testing::TTempFolder& folder, const String& name, const std::vector<Byte>& data) {
  return folder.Write(name, std::string(data.begin(), data.end()));
}

TEST(TJPEGImageClass, LoadsDrawsAndSavesTheDataBack) {
  const std::vector<Byte> data = EncodeJpeg({20, 10, 3, false});
  TJPEGImage jpeg;
  int changes = 0;
  jpeg.OnChange = [&](TObject*) { ++changes; };
  jpeg.LoadFromStream(*StreamOf(data));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(jpeg.Width(), 20);
  EXPECT_EQ(jpeg.Height(), 10);
  EXPECT_FALSE(jpeg.Grayscale());
  jpeg.SetWidth(5);
  EXPECT_EQ(jpeg.Width(), 20);
  TMemoryStream out;
  jpeg.SaveToStream(out);
  EXPECT_EQ(BytesOf(out), data);

  const JpegImage decoded = ReadJpeg(data);
  auto target = Canvas(30, 20);
  target->Canvas()->Draw(5, 5, &jpeg);
  const Bitmap& pixels = *target->Image();
  EXPECT_EQ(pixels.At(5, 5) & 0xFFFFFF, decoded.Image->At(0, 0));
  EXPECT_EQ(pixels.At(24, 14) & 0xFFFFFF, decoded.Image->At(19, 9));
  EXPECT_EQ(pixels.At(4, 4) & 0xFFFFFF, White);
  EXPECT_EQ(pixels.At(25, 15) & 0xFFFFFF, White);

  TBitmap copy;
  jpeg.AssignTo(copy);
  EXPECT_EQ(copy.Width(), 20);
  EXPECT_EQ(copy.PixelFormat(), TPixelFormat::pf24bit);
}

TEST(TJPEGImageClass, BadDataLeavesThePictureAsItWas) {
  TJPEGImage jpeg;
  jpeg.LoadFromStream(*StreamOf(EncodeJpeg({8, 8, 1, false})));
  EXPECT_TRUE(jpeg.Grayscale());
  EXPECT_THROW(jpeg.LoadFromStream(*StreamOf({0xFF, 0xD8, 0xFF, 0xE0, 0, 2})), EInvalidGraphic);
  EXPECT_EQ(jpeg.Width(), 8);
  EXPECT_TRUE(jpeg.Grayscale());
}

std::vector<Byte> IconFileBytes() {
  std::vector<IconSpec> icons;
  IconSpec large{MakePicture(32, 32, [](int x, int) { return x < 16 ? 0xFF0000u : 0x0000FFu; }), 24, {}};
  large.Transparent.assign(32 * 32, false);
  for (std::size_t x = 0; x < 32; ++x) large.Transparent[x] = true;  // the top row shows through
  icons.push_back(std::move(large));
  icons.push_back({MakePicture(16, 16, [](int, int) { return 0x00FF00u; }), 24, {}});
  return EncodeIco(icons);
}

TEST(TIconClass, LoadsTheBestImageAndDrawsItsMask) {
  const std::vector<Byte> data = IconFileBytes();
  TIcon icon;
  icon.LoadFromStream(*StreamOf(data));
  EXPECT_EQ(icon.Width(), 32);
  EXPECT_EQ(icon.Height(), 32);
  EXPECT_TRUE(icon.Transparent());
  EXPECT_THROW(icon.SetWidth(16), EInvalidGraphic);
  TMemoryStream out;
  icon.SaveToStream(out);
  EXPECT_EQ(BytesOf(out), data);

  auto target = Canvas(40, 40);
  target->Canvas()->Draw(4, 4, &icon);
  const Bitmap& pixels = *target->Image();
  EXPECT_EQ(pixels.At(10, 4) & 0xFFFFFF, White);  // masked row
  EXPECT_EQ(pixels.At(10, 5) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(pixels.At(30, 20) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(pixels.At(36, 20) & 0xFFFFFF, White);

  // Drawn at 16 x 16 it shows its own 16 x 16 image, not the large one shrunk.
  auto small = Canvas(20, 20);
  small->Canvas()->StretchDraw(Rect(2, 2, 18, 18), &icon);
  EXPECT_EQ(small->Image()->At(2, 2) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(small->Image()->At(17, 17) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(small->Image()->At(18, 18) & 0xFFFFFF, White);
}

TEST(TPictureClass, LoadsFilesByExtension) {
  zorbit::testing::TTempFolder folder;
  BmpWriteOptions options;
  options.BitsPerPixel = 8;
  const String bmp =
      WriteInto(folder, "a.bmp", WriteBmp(*MakePicture(7, 3, [](int x, int) { return x * 0x202020u; }), options));
  const String jpg = WriteInto(folder, "b.JPG", EncodeJpeg({9, 4, 3, false}));
  const String ico = WriteInto(folder, "c.ico", IconFileBytes());
  const String other = WriteInto(folder, "d.png", {1, 2, 3});
  const String broken = WriteInto(folder, "e.bmp", {'B', 'M', 0, 0});

  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  picture.LoadFromFile(bmp);
  EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 7);
  EXPECT_EQ(picture.Bitmap()->PixelFormat(), TPixelFormat::pf8bit);
  picture.LoadFromFile(jpg);
  EXPECT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Height(), 4);
  picture.LoadFromFile(ico);
  EXPECT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);
  EXPECT_EQ(changes, 3);

  try {
    picture.LoadFromFile(other);
    FAIL() << "no exception";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Unknown picture file extension (.png)");
  }
  EXPECT_THROW(picture.LoadFromFile(broken), EInvalidGraphic);
  EXPECT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);  // kept
  EXPECT_EQ(changes, 3);

  // A change inside the graphic reaches the picture.
  picture.Bitmap()->SetSize(4, 4);
  EXPECT_EQ(picture.Width(), 4);
  EXPECT_GE(changes, 5);
}

TEST(TPictureClass, AssignCopiesTheGraphic) {
  TPicture source;
  source.Bitmap()->SetSize(5, 6);
  TPicture dest;
  dest.Assign(source);
  ASSERT_NE(dest.Graphic(), source.Graphic());
  EXPECT_EQ(dest.Width(), 5);
  source.Bitmap()->SetSize(1, 1);
  EXPECT_EQ(dest.Height(), 6);
  dest.SetGraphic(nullptr);
  EXPECT_EQ(dest.Graphic(), nullptr);
  EXPECT_EQ(dest.Width(), 0);
}

}  // namespace
}  // namespace plat::testing
