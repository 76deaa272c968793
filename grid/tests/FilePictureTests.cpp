// TFilePicture: the size read when the name is set, the picture read again
// and stretched when drawn, Assign, and files that cannot be read.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "grid/TFilePicture.h"
#include "grid/tests/GridTestSupport.h"
#include "platform/gdi/TBitmap.h"
#include "platform/rtl/Exception.h"
#include "testing/TempFolder.h"

namespace zorbit {
namespace {

class FilePictureTest : public ::testing::Test {
 protected:
  // A 2 x 1 picture: red, then blue.
  std::string RedBlue() {
    plat::TBitmap bitmap;
    bitmap.SetSize(2, 1);
    bitmap.Canvas()->SetPixels(0, 0, plat::clRed);
    bitmap.Canvas()->SetPixels(1, 0, plat::clBlue);
    const std::string path = FFolder.File("redblue.bmp");
    bitmap.SaveToFile(path);
    return path;
  }
  std::string TextFile(const std::string& Name) {
    const std::string path = FFolder.File(Name);
    std::ofstream(path) << "not a picture";
    return path;
  }
  testing::TTempFolder FFolder;
};

TEST_F(FilePictureTest, SizeOnSettingAndStretchedWhenDrawn) {
  TFilePicture picture;
  picture.SetFilename(RedBlue());
  EXPECT_EQ(picture.Width(), 2);
  EXPECT_EQ(picture.Height(), 1);
  testing::Canvas canvas(6, 3);
  picture.DrawStretched(*canvas, {1, 1, 5, 3});
  std::string drawn;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 6; ++x) {
      const plat::TColor c = canvas.At(x, y);
      drawn += c == plat::clRed ? 'r' : c == plat::clBlue ? 'b' : c == plat::clWhite ? '.' : '?';
    }
  EXPECT_EQ(drawn,
            "......"
            ".rrbb."
            ".rrbb.");

  TFilePicture copy;
  copy.Assign(&picture);
  EXPECT_EQ(copy.Filename(), picture.Filename());
  EXPECT_EQ(copy.Width(), 2);
  EXPECT_EQ(copy.Height(), 1);
}

TEST_F(FilePictureTest, AFileThatCannotBeReadRaisesAndChangesNothing) {
  const std::string good = RedBlue();
  for (const std::string& bad : {FFolder.File("missing.bmp"), TextFile("damaged.bmp"), TextFile("picture.xyz")}) {
    TFilePicture picture;
    picture.SetFilename(good);
    EXPECT_THROW(picture.SetFilename(bad), plat::Exception) << bad;
    EXPECT_EQ(picture.Filename(), good);
    EXPECT_EQ(picture.Width(), 2);
    EXPECT_EQ(picture.Height(), 1);
  }
}

TEST_F(FilePictureTest, AnEmptyNameIsNoPicture) {
  TFilePicture picture;
  picture.SetFilename(RedBlue());
  picture.SetFilename("");
  EXPECT_EQ(picture.Width(), 0);
  EXPECT_EQ(picture.Height(), 0);
  testing::Canvas canvas(4, 4);
  picture.DrawStretched(*canvas, {0, 0, 4, 4});
  EXPECT_EQ(canvas.Count(plat::clWhite), 16);
}

TEST_F(FilePictureTest, DrawingAFileGoneSinceRaises) {
  TFilePicture picture;
  const std::string path = RedBlue();
  picture.SetFilename(path);
  std::remove(path.c_str());
  testing::Canvas canvas(4, 4);
  EXPECT_THROW(picture.DrawStretched(*canvas, {0, 0, 4, 4}), plat::Exception);
  EXPECT_EQ(canvas.Count(plat::clWhite), 16);
}

}  // namespace
}  // namespace zorbit
