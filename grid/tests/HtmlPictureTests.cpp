// THTMLPicture, the picture cache and TPictureContainer over real encoded
// pictures made here (BMP, JPEG, GIF with frames, icons), drawn at natural
// size and stretched; IMG sources by container name, FILE:// and res://;
// the shell's system icons; and refusing what is not a picture.
#include <gtest/gtest.h>
#include <unistd.h>

#include "grid/HtmlRenderer.h"
#include "grid/THTMLPictureCache.h"
#include "grid/TPictureContainer.h"
#include "grid/tests/GridTestSupport.h"
#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/PictureFile.h"
#include "platform/gdi/ShellFileInfo.h"
#include "platform/gdi/tests/ImageFactory.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/TImageList.h"
#include "testing/FifoFile.h"
#include "testing/FileContent.h"
#include "testing/TempFolder.h"

namespace zorbit {
namespace {

using plat::Byte;
using plat::TColor;
using testing::Canvas;

constexpr TColor Red = plat::clRed, Blue = plat::clBlue, Lime = plat::clLime, White = plat::clWhite;

// Left half red, right half blue.
std::vector<Byte> TwoColourBmp(int w, int h) {
  plat::Bitmap image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.Put(x, y, plat::PixelFromColorRef(x < w / 2 ? Red : Blue));
  return plat::WriteBmp(image);
}

// Three frames on a 12 x 10 screen: red 4 x 4 at (0, 0), lime 4 x 4 at
// (6, 5), blue 2 x 2 at (10, 8).
std::vector<Byte> ThreeFrameGif() {
  using plat::testing::FrameSpec;
  const std::vector<GifColorType> colours = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
  return plat::testing::EncodeGif(
      12, 10, colours,
      {FrameSpec(0, 0, 4, 4, std::vector<GifPixelType>(16, 0)), FrameSpec(6, 5, 4, 4, std::vector<GifPixelType>(16, 1)),
       FrameSpec(10, 8, 2, 2, std::vector<GifPixelType>(4, 2))});
}

// 16 x 16, lime with a transparent left half.
std::vector<Byte> LimeIcon() {
  plat::testing::IconSpec spec;
  spec.Image = std::make_unique<plat::Bitmap>(16, 16);
  spec.BitsPerPixel = 24;
  spec.Transparent.assign(256, false);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      spec.Image->Put(x, y, plat::PixelFromColorRef(Lime));
      spec.Transparent[static_cast<std::size_t>(y * 16 + x)] = x < 8;
    }
  std::vector<plat::testing::IconSpec> specs;
  specs.push_back(std::move(spec));
  return plat::testing::EncodeIco(specs);
}

void Load(THTMLPicture& picture, const std::vector<Byte>& bytes) {
  plat::TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<plat::Int64>(bytes.size()));
  stream.SetPosition(0);
  picture.LoadFromStream(stream);
}

void DrawPicture(Canvas& c, THTMLPicture& picture, const plat::TRect& rect) { c->StretchDraw(rect, &picture); }

TEST(HtmlPicture, EachFormatAtNaturalSizeAndStretched) {
  struct Case {
    const char* Name;
    std::vector<Byte> Bytes;
    int Width, Height;
    TColor Left, Right;  // at the middle row's ends
  };
  plat::testing::JpegSpec jpegSpec;
  jpegSpec.Width = 8;
  jpegSpec.Height = 6;
  const std::vector<Byte> jpeg = plat::testing::EncodeJpeg(jpegSpec);
  const Case cases[] = {
      {"bmp", TwoColourBmp(8, 6), 8, 6, Red, Blue},
      {"ico", LimeIcon(), 16, 16, White, Lime},
      {"gif", ThreeFrameGif(), 4, 4, Red, Red},
  };
  for (const Case& c : cases) {
    THTMLPicture picture;
    Load(picture, c.Bytes);
    EXPECT_FALSE(picture.Empty()) << c.Name;
    EXPECT_EQ(picture.Width(), c.Width) << c.Name;
    EXPECT_EQ(picture.Height(), c.Height) << c.Name;
    Canvas natural(40, 40);
    DrawPicture(natural, picture, {2, 2, 40, 40});
    EXPECT_EQ(natural.At(2, 2 + c.Height / 2), c.Left) << c.Name;
    EXPECT_EQ(natural.At(1 + c.Width, 2 + c.Height / 2), c.Right) << c.Name;
    EXPECT_EQ(natural.At(3 + c.Width, 2 + c.Height / 2), White) << c.Name;  // natural size only
    picture.SetStretch(true);
    Canvas stretched(40, 40);
    DrawPicture(stretched, picture, {0, 0, 40, 40});
    EXPECT_EQ(stretched.At(0, 20), c.Left) << c.Name;
    EXPECT_EQ(stretched.At(39, 20), c.Right) << c.Name;
  }
  // The JPEG's pattern is not one colour: its extent shows where it went.
  THTMLPicture picture;
  Load(picture, jpeg);
  EXPECT_EQ(picture.Width(), 8);
  EXPECT_EQ(picture.Height(), 6);
  EXPECT_EQ(picture.FrameCount(), -1);
  Canvas c(20, 20);
  DrawPicture(c, picture, {0, 0, 20, 20});
  EXPECT_EQ(c.Count(White, {0, 0, 8, 6}), 0);
  EXPECT_EQ(c.Count(White), 20 * 20 - 8 * 6);
  picture.SetStretch(true);
  Canvas s(20, 20);
  DrawPicture(s, picture, {0, 0, 20, 20});
  EXPECT_EQ(s.Count(White), 0);
}

TEST(HtmlPicture, GifFramesComeFromTheDecoder) {
  THTMLPicture picture;
  Load(picture, ThreeFrameGif());
  EXPECT_EQ(picture.FrameCount(), 3);
  EXPECT_EQ(picture.FrameWidth(), 12);
  EXPECT_EQ(picture.FrameHeight(), 10);
  int changes = 0;
  picture.OnFrameChange = [&](plat::TObject*) { ++changes; };
  picture.SetFrame(2);
  EXPECT_EQ(picture.Frame(), 2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(picture.FrameXPos(), 6);
  EXPECT_EQ(picture.FrameYPos(), 5);
  // Outside 1..count: ignored.
  for (int frame : {0, -1, 4, 1000}) {
    picture.SetFrame(frame);
    EXPECT_EQ(picture.Frame(), 2) << frame;
  }
  EXPECT_EQ(changes, 1);

  // IMG draws the animation's rectangle in the background colour, then
  // frame 2 at its place in it.
  TPictureContainer container(nullptr);
  TPictureItem* item = container.Items()->Add();
  item->SetName("anim");
  item->SetPicture(&picture);
  item->Picture()->SetFrame(2);
  Canvas c(40, 30);
  c->Brush()->SetColor(plat::clYellow);
  THtmlRenderOptions options;
  options.Container = &container;
  THtmlRenderResult r;
  RenderHtml(*c, "<IMG src=\"ANIM\">", {0, 0, 40, 30}, options, r);
  EXPECT_EQ(r.XSize, 12);
  const int top = r.YSize - 10;
  EXPECT_EQ(c.At(0, top), plat::clYellow);
  EXPECT_EQ(c.At(6, top + 5), Lime);
  EXPECT_EQ(c.At(9, top + 8), Lime);
  EXPECT_EQ(c.Count(Lime), 16);
  EXPECT_EQ(c.Count(Red), 0);
  // Stretched to twice its size, the frame keeps its place in the animation.
  Canvas s(40, 30);
  s->Brush()->SetColor(plat::clYellow);
  RenderHtml(*s, "<IMG src=\"anim\" width=\"24\" height=\"20\">", {0, 0, 40, 30}, options, r);
  EXPECT_EQ(r.XSize, 24);
  EXPECT_EQ(s.Count(Lime), 64);
  EXPECT_EQ(s.At(12, r.YSize - 20 + 10), Lime);
  EXPECT_EQ(s.At(11, r.YSize - 20 + 10), plat::clYellow);
}

TEST(HtmlPicture, WhatIsNotAPictureIsRefusedAndLosesNothing) {
  struct Case {
    const char* Name;
    std::vector<Byte> Bytes;
    const char* Message;
  };
  const char* invalid = "Could not load image. Invalid format";
  std::vector<Byte> gif = ThreeFrameGif();
  const Case cases[] = {
      {"empty", {}, "Empty image stream created"},
      {"placeable metafile", {0xD7, 0xCD, 0xC6, 0x9A, 0, 0, 0, 0, 0, 0, 0, 0}, invalid},
      {"enhanced metafile",
       {1, 0, 0, 0, 0x6C, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,   0,   0,   0,
        0, 0, 0, 0, 0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, ' ', 'E', 'M', 'F'},
       invalid},
      {"png", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 0}, invalid},
      {"text", {'h', 'e', 'l', 'l', 'o'}, invalid},
      {"short gif", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0}, invalid},
      {"truncated gif", std::vector<Byte>(gif.begin(), gif.begin() + 30), invalid},
      {"truncated bmp", {'B', 'M', 1, 2, 3}, invalid},
      {"bare jpeg", {0xFF, 0xD8, 0xFF, 0xE0}, invalid},
      {"icon without images", {0, 0, 1, 0, 0, 0}, invalid},
  };
  for (const Case& c : cases) {
    THTMLPicture picture;
    Load(picture, TwoColourBmp(4, 2));
    try {
      Load(picture, c.Bytes);
      ADD_FAILURE() << c.Name << " loaded";
    } catch (const plat::EInvalidGraphic& e) {
      EXPECT_EQ(e.Message(), c.Message) << c.Name;
    }
    EXPECT_EQ(picture.Width(), 4) << c.Name;  // the picture it had
    EXPECT_EQ(picture.Data().size(), TwoColourBmp(4, 2).size()) << c.Name;
  }
}

TEST(HtmlPicture, SizesAreRoundedHimetric) {
  THTMLPicture picture;
  Load(picture, TwoColourBmp(1, 1));
  EXPECT_EQ(picture.Width(), 1);
  EXPECT_EQ(picture.Height(), 1);
  EXPECT_EQ(plat::PixelsToHimetric(1), 26);
  EXPECT_EQ(plat::HimetricToPixels(26), 1);
  for (int px : {1, 2, 3, 7, 95, 96, 97, 1000}) EXPECT_EQ(plat::HimetricToPixels(plat::PixelsToHimetric(px)), px);
}

TEST(HtmlPicture, FilesResourcesAndAssign) {
  zorbit::testing::TTempFolder folder;
  const std::string path = folder.Path() + "/two.bmp";
  const std::vector<Byte> bytes = TwoColourBmp(6, 4);
  zorbit::testing::WriteFileContent(path, std::string(bytes.begin(), bytes.end()));

  THTMLPicture fromFile;
  fromFile.LoadPictureFromSource("file://" + path);
  EXPECT_EQ(fromFile.Width(), 6);
  EXPECT_EQ(fromFile.ID(), "file://" + path);
  THTMLPicture missing;
  missing.LoadFromFile(folder.Path() + "/none.bmp");  // raises nothing
  EXPECT_TRUE(missing.Empty());
  THTMLPicture web;
  web.LoadPictureFromSource("http://example.com/x.gif");
  EXPECT_TRUE(web.Empty());
  EXPECT_EQ(web.ID(), "http://example.com/x.gif");

  THTMLPicture fromResource;
  fromResource.LoadPictureFromSource("res://GRIDTESTRCPICTURE");
  EXPECT_FALSE(fromResource.Empty());
  EXPECT_GT(fromResource.Width(), 0);
  THTMLPicture none;
  none.LoadFromResourceName("NOSUCHRESOURCE");
  EXPECT_TRUE(none.Empty());

  THTMLPicture copy;
  copy.Assign(&fromFile);
  EXPECT_EQ(copy.Data(), bytes);
  plat::TMemoryStream saved;
  copy.SaveToStream(saved);
  EXPECT_EQ(saved.Size(), static_cast<plat::Int64>(bytes.size()));
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
  EXPECT_EQ(copy.Width(), 0);
}

TEST(HtmlPicture, ImgSourcesContainerFileAndResource) {
  zorbit::testing::TTempFolder folder;
  const std::string path = folder.Path() + "/pic.bmp";
  const std::vector<Byte> bytes = TwoColourBmp(10, 8);
  zorbit::testing::WriteFileContent(path, std::string(bytes.begin(), bytes.end()));
  TPictureContainer container(nullptr);
  EXPECT_EQ(container.Version(), "1.0.0.0");
  TPictureItem* item = container.Items()->Add();
  item->SetName("Logo");
  Load(*item->Picture(), TwoColourBmp(10, 8));
  EXPECT_EQ(container.LookupPictureByName("LOGO"), item->Picture());
  EXPECT_EQ(container.LookupPictureByName("other"), nullptr);

  THTMLPictureCache cache;
  THtmlRenderOptions options;
  options.Container = &container;
  options.Cache = &cache;
  for (const std::string& src : {std::string("logo"), "FILE://" + path, "file://" + path}) {
    Canvas c(40, 40);
    THtmlRenderResult r;
    RenderHtml(*c, "<IMG src=\"" + src + "\">", {0, 0, 40, 40}, options, r);
    EXPECT_EQ(r.XSize, 10) << src;
    EXPECT_EQ(c.At(0, r.YSize - 1), Red) << src;
    EXPECT_EQ(c.At(9, r.YSize - 1), Blue) << src;
    // WIDTH and HEIGHT stretch it.
    Canvas s(40, 40);
    RenderHtml(*s, "<IMG src=\"" + src + "\" width=\"20\" height=\"16\">", {0, 0, 40, 40}, options, r);
    EXPECT_EQ(r.XSize, 20) << src;
    EXPECT_EQ(s.Count(Red) + s.Count(Blue), 20 * 16) << src;
  }
  // The two spellings of the file source are two entries; repeats share one.
  EXPECT_EQ(cache.Count(), 2);
  Canvas c(40, 40);
  THtmlRenderResult r;
  RenderHtml(*c, "<IMG src=\"res://GRIDTESTRCPICTURE\"><IMG src=\"res://GRIDTESTRCPICTURE\">", {0, 0, 40, 40}, options,
             r);
  EXPECT_EQ(cache.Count(), 3);
  EXPECT_GT(r.XSize, 0);
  // A damaged resource shows nothing, raises nothing and is cached once.
  for (int paint = 0; paint < 2; ++paint) {
    RenderHtml(*c, "a<IMG src=\"res://GRIDTESTRCDAMAGED\">", {0, 0, 40, 40}, options, r);
    EXPECT_EQ(r.XSize, c->TextWidth("a"));
  }
  EXPECT_EQ(cache.Count(), 4);
  // BODY BACKGROUND tiles the picture over the rectangle.
  Canvas tiled(25, 20);
  RenderHtml(*tiled, "<BODY background=\"logo\">", {0, 0, 25, 20}, options, r);
  EXPECT_EQ(tiled.At(0, 0), Red);
  EXPECT_EQ(tiled.At(10, 9), Red);
  EXPECT_EQ(tiled.At(24, 19), Red);
  EXPECT_EQ(tiled.At(19, 19), Blue);
}

// A file source that names a FIFO, a folder or a file larger than any
// picture (a picture at its start, then a hole past the bound) shows
// nothing, takes no room and returns at once; a picture file beside them
// still shows.
TEST(HtmlPicture, ImgFileSourcesReadOnlyRegularFilesOfAPicturesSize) {
  zorbit::testing::TTempFolder folder;
  const std::vector<Byte> bytes = TwoColourBmp(10, 8);
  const std::string picture = folder.Write("pic.bmp", std::string(bytes.begin(), bytes.end()));
  const std::string huge = folder.Write("huge.bmp", std::string(bytes.begin(), bytes.end()));
  ASSERT_EQ(::truncate(huge.c_str(), plat::kMaxEncodedPictureBytes + 1), 0);
  const zorbit::testing::TFifoFile fifo(folder, "pipe.bmp");
  THTMLPictureCache cache;
  THtmlRenderOptions options;
  options.Cache = &cache;
  for (const std::string& name : {fifo.Path(), folder.Path(), huge}) {
    Canvas c(40, 40);
    THtmlRenderResult r;
    const bool ended = fifo.EndsWithoutAWriter([&] {
      RenderHtml(*c, "a<IMG src=\"FILE://" + name + "\">", {0, 0, 40, 40}, options, r);
    });
    EXPECT_TRUE(ended) << name << " was waited on";
    EXPECT_EQ(r.XSize, c->TextWidth("a")) << name;
    EXPECT_EQ(c.Count(Red) + c.Count(Blue), 0) << name;
  }
  Canvas c(40, 40);
  THtmlRenderResult r;
  RenderHtml(*c, "a<IMG src=\"FILE://" + picture + "\">", {0, 0, 40, 40}, options, r);
  EXPECT_EQ(r.XSize, c->TextWidth("a") + 10);
  EXPECT_EQ(c.Count(Red) + c.Count(Blue), 10 * 8);
}

TEST(HtmlPicture, AnImageInAnAnchorShowsItsAltPictureWhileHovered) {
  TPictureContainer container(nullptr);
  auto add = [&](const char* name, TColor color) {
    TPictureItem* item = container.Items()->Add();
    item->SetName(name);
    plat::Bitmap image(8, 8);
    image.Fill(plat::PixelFromColorRef(color));
    Load(*item->Picture(), plat::WriteBmp(image));
  };
  add("plain", Red);
  add("hot", Blue);
  const plat::String html = "<A href=\"go\"><IMG src=\"plain\" alt=\"hot\"></A>";
  struct Case {
    int X;
    bool Hit;
    TColor Shown;
  };
  for (const Case& k : {Case{4, true, Blue}, Case{20, false, Red}}) {
    Canvas c(30, 30);
    THtmlRenderOptions options;
    options.Container = &container;
    // The picture stands on the baseline, a "gh" height down.
    const int y = c->TextHeight("gh") - 4;
    options.XPos = k.X;
    options.YPos = y;
    THtmlRenderResult r;
    EXPECT_EQ(RenderHtml(*c, html, {0, 0, 30, 30}, options, r), k.Hit) << k.X;
    EXPECT_EQ(r.Anchor, k.Hit ? "GO" : "") << k.X;
    EXPECT_EQ(c.At(4, y), k.Shown) << k.X;
  }
}

TEST(HtmlPicture, ImageListImagesByIndex) {
  plat::TImageList images(nullptr);
  images.SetSize(6, 5);
  plat::TBitmap strip;
  strip.SetSize(12, 5);
  strip.Canvas()->Brush()->SetColor(Red);
  strip.Canvas()->FillRect({0, 0, 6, 5});
  strip.Canvas()->Brush()->SetColor(Blue);
  strip.Canvas()->FillRect({6, 0, 12, 5});
  images.Add(&strip, nullptr);
  THtmlRenderOptions options;
  options.Images = &images;
  struct Case {
    const char* Src;
    int Width;
    TColor Shown;
  };
  for (const Case& k : {Case{"IDX:0", 6, Red}, Case{"idx:1", 6, Blue}, Case{"IDX:2", 0, White},
                        Case{"IDX:-1", 0, White}, Case{"IDX:x", 0, White}}) {
    Canvas c(30, 30);
    THtmlRenderResult r;
    RenderHtml(*c, plat::String("<IMG src=\"") + k.Src + "\">", {0, 0, 30, 30}, options, r);
    EXPECT_EQ(r.XSize, k.Width) << k.Src;
    EXPECT_EQ(c.At(0, r.YSize - 1), k.Shown) << k.Src;
  }
  // Scaled by the factor.
  options.ImageScale = true;
  options.ScaleFactor = 2.0;
  Canvas c(30, 30);
  THtmlRenderResult r;
  RenderHtml(*c, "<IMG src=\"IDX:1\">", {0, 0, 30, 30}, options, r);
  EXPECT_EQ(r.XSize, 12);
  EXPECT_EQ(c.Count(Blue), 12 * 10);
}

TEST(HtmlPicture, SystemIconsBySizeNameAndIndex) {
  zorbit::testing::TTempFolder folder;
  plat::SHFILEINFO info;
  const auto small = plat::SHGetFileInfo(folder.Path(), 0, &info, plat::SHGFI_SYSICONINDEX | plat::SHGFI_SMALLICON);
  ASSERT_NE(small, 0u);
  const int folderIcon = info.iIcon;
  EXPECT_EQ(info.dwAttributes, plat::FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(plat::SHGetFileInfo(folder.Path() + "/none.txt", 0, &info, plat::SHGFI_SYSICONINDEX), 0u);
  ASSERT_NE(plat::SHGetFileInfo("none.txt", plat::FILE_ATTRIBUTE_NORMAL, &info,
                                plat::SHGFI_SYSICONINDEX | plat::SHGFI_USEFILEATTRIBUTES),
            0u);
  EXPECT_NE(info.iIcon, folderIcon);

  struct Case {
    std::string Src;
    int Size;
  };
  for (const Case& k : {Case{"SSYS:" + folder.Path(), 16}, Case{"LSYS:" + folder.Path(), 32},
                        Case{"ssys:readme.txt", 16}, Case{"LSYS:0", 32}, Case{"SSYS:4", 16}}) {
    Canvas c(40, 40);
    THtmlRenderResult r;
    RenderHtml(*c, "<IMG src=\"" + k.Src + "\">", {0, 0, 40, 40}, {}, r);
    EXPECT_EQ(r.XSize, k.Size) << k.Src;
    EXPECT_LT(c.Count(White, {0, 0, k.Size, k.Size}), k.Size * k.Size) << k.Src;
  }
}

}  // namespace
}  // namespace zorbit
