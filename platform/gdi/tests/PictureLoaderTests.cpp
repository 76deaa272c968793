// Pictures decoded by content (the format told by the first bytes, never a
// name), their rounded HIMETRIC sizes and GIF frames; and the shell's system
// icons picked for paths.
#include <gtest/gtest.h>

#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/PictureLoader.h"
#include "platform/gdi/ShellFileInfo.h"
#include "platform/gdi/TGraphic.h"
#include "platform/gdi/tests/ImageFactory.h"
#include "testing/TempFolder.h"

namespace plat {
namespace {

std::vector<Byte> SmallBmp(int w, int h) { return WriteBmp(Bitmap(w, h)); }

TEST(PictureLoader, TellsFormatsByTheirFirstBytes) {
  struct Case {
    const char* Name;
    std::vector<Byte> Bytes;
    bool Known;
    TPictureFormat Format;
  };
  const Case cases[] = {
      {"bmp", SmallBmp(2, 2), true, TPictureFormat::pfBitmap},
      {"icon", {0, 0, 1, 0, 1, 0}, true, TPictureFormat::pfIcon},
      {"cursor", {0, 0, 2, 0, 1, 0}, true, TPictureFormat::pfIcon},
      {"gif", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0}, true, TPictureFormat::pfGif},
      {"gif of 12 bytes", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0}, false, {}},
      {"jpeg", {0xFF, 0xD8, 0xFF, 0xE0}, true, TPictureFormat::pfJpeg},
      {"metafile", {0xD7, 0xCD, 0xC6, 0x9A}, false, {}},
      {"png", {0x89, 'P', 'N', 'G'}, false, {}},
      {"nothing", {}, false, {}},
  };
  for (const Case& c : cases) {
    TPictureFormat format{};
    EXPECT_EQ(SniffPictureFormat(c.Bytes, format), c.Known) << c.Name;
    if (c.Known) {
      EXPECT_EQ(format, c.Format) << c.Name;
    }
  }
}

TEST(PictureLoader, DecodesWithRoundedHimetricSizesAndChosenFrames) {
  const auto bmp = LoadPictureFromBytes(SmallBmp(1, 3));
  EXPECT_EQ(bmp->Format(), TPictureFormat::pfBitmap);
  EXPECT_EQ(bmp->HimetricWidth(), 26);
  EXPECT_EQ(HimetricToPixels(bmp->HimetricWidth()), 1);
  EXPECT_EQ(HimetricToPixels(bmp->HimetricHeight()), 3);
  EXPECT_EQ(bmp->FrameCount(), 1);

  const std::vector<GifColorType> colours = {{255, 0, 0}, {0, 0, 255}};
  const std::vector<Byte> gif = testing::EncodeGif(10, 8, colours,
                                                   {testing::FrameSpec(0, 0, 2, 2, std::vector<GifPixelType>(4, 0)),
                                                    testing::FrameSpec(3, 4, 5, 2, std::vector<GifPixelType>(10, 1))});
  for (int frame : {2, 0, 3, -7}) {
    const auto picture = LoadPictureFromBytes(gif, frame);
    EXPECT_EQ(picture->FrameCount(), 2) << frame;
    EXPECT_EQ(picture->Screen(), (TSize{10, 8})) << frame;
    const TRect expected = frame == 2 ? TRect{3, 4, 8, 6} : TRect{0, 0, 2, 2};
    EXPECT_EQ(picture->FrameBounds(), expected) << frame;
  }
  try {
    LoadPictureFromBytes(std::vector<Byte>(gif.begin(), gif.end() - 20));
    ADD_FAILURE() << "a truncated GIF decoded";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Could not load image. Invalid format");
  }
}

TEST(ShellFileInfo, IconsForFoldersFilesAndTypes) {
  zorbit::testing::TTempFolder folder;
  const std::string text = folder.Write("notes.txt", "x");
  const std::string program = folder.Write("setup.exe", "x");
  struct Case {
    std::string Path;
    DWORD Attributes;
    UINT Flags;
    bool Found;
  };
  const UINT index = SHGFI_SYSICONINDEX;
  const Case cases[] = {
      {folder.Path(), 0, index, true},
      {text, 0, index | SHGFI_SMALLICON, true},
      {program, 0, index, true},
      {folder.File("absent.txt"), 0, index, false},
      {"absent.txt", FILE_ATTRIBUTE_NORMAL, index | SHGFI_USEFILEATTRIBUTES, true},
      {"absent", FILE_ATTRIBUTE_DIRECTORY, index | SHGFI_USEFILEATTRIBUTES, true},
      {text, 0, 0, false},  // only the index is offered
  };
  std::vector<int> icons;
  for (const Case& c : cases) {
    SHFILEINFO info;
    const std::uintptr_t list = SHGetFileInfo(c.Path, c.Attributes, &info, c.Flags);
    EXPECT_EQ(list != 0, c.Found) << c.Path;
    if (!c.Found) continue;
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(list), SystemImageListOf(c.Flags & SHGFI_SMALLICON)) << c.Path;
    icons.push_back(info.iIcon);
  }
  // Folder, text, program, text by type, folder by attribute.
  EXPECT_EQ(icons[0], icons[4]);
  EXPECT_EQ(icons[1], icons[3]);
  EXPECT_NE(icons[0], icons[1]);
  EXPECT_NE(icons[1], icons[2]);

  int cx = 0, cy = 0;
  ASSERT_TRUE(ImageList_GetIconSize(SystemImageListOf(SHGFI_LARGEICON), &cx, &cy));
  EXPECT_EQ(cx, 32);
  ASSERT_TRUE(ImageList_GetIconSize(SystemImageListOf(SHGFI_SMALLICON), &cx, &cy));
  EXPECT_EQ(cx, 16);
  const HDC dc = CreateCompatibleDC(nullptr);
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, 16, 16);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  const int count = ImageList_GetImageCount(SystemImageListOf(SHGFI_SMALLICON));
  EXPECT_TRUE(ImageList_Draw(SystemImageListOf(SHGFI_SMALLICON), count - 1, dc, 0, 0, ILD_TRANSPARENT));
  EXPECT_FALSE(ImageList_Draw(SystemImageListOf(SHGFI_SMALLICON), count, dc, 0, 0, ILD_TRANSPARENT));
  EXPECT_FALSE(ImageList_Draw(SystemImageListOf(SHGFI_SMALLICON), -1, dc, 0, 0, ILD_TRANSPARENT));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

}  // namespace
}  // namespace plat
