// Picture files read by name: regular files only, opened without waiting
// for anything, and none larger than a picture reader takes; the graphics
// that load from a file read it this way.
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <memory>

#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/PictureFile.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TIcon.h"
#include "platform/gdi/TJPEGImage.h"
#include "platform/gdi/tests/ImageFactory.h"
#include "testing/FifoFile.h"
#include "testing/TempFolder.h"

namespace plat::testing {
namespace {

using zorbit::testing::TFifoFile;
using zorbit::testing::TTempFolder;

std::string BmpFile() {
  const std::vector<Byte> bytes = WriteBmp(*MakePicture(3, 2, [](int x, int) { return x * 0x404040u; }));
  return std::string(bytes.begin(), bytes.end());
}

std::string ContentOf(TMemoryStream& stream) {
  return std::string(reinterpret_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));
}

TEST(PictureFile, ReadsARegularFileWhole) {
  const TTempFolder folder;
  const std::string bmp = BmpFile();
  TMemoryStream stream;
  stream.WriteBuffer("old content", 11);
  ReadPictureFile(folder.Write("a.bmp", bmp), stream);
  EXPECT_EQ(ContentOf(stream), bmp);
  EXPECT_EQ(stream.Position(), 0);
  ReadPictureFile(folder.Write("empty.bmp", ""), stream);
  EXPECT_EQ(stream.Size(), 0);
}

TEST(PictureFile, RefusesWhatIsNoRegularFileAtOnce) {
  const TTempFolder folder;
  const TFifoFile fifo(folder, "pipe.bmp");
  struct TCase {
    std::string Name;
    std::string Reason;
  };
  for (const TCase& c : {TCase{fifo.Path(), "Access is denied."}, TCase{folder.Path(), "Access is denied."},
                         TCase{"/dev/zero", "Access is denied."},
                         TCase{folder.File("missing.bmp"), "The system cannot find the file specified."}}) {
    const bool ended = fifo.EndsWithoutAWriter([&] {
      TMemoryStream stream;
      try {
        ReadPictureFile(c.Name, stream);
        ADD_FAILURE() << c.Name << " was read";
      } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"" + c.Name + "\". " + c.Reason);
      }
    });
    EXPECT_TRUE(ended) << c.Name << " was waited on";
  }
}

TEST(PictureFile, GraphicsRefuseAFifoAtOnce) {
  const TTempFolder folder;
  const TFifoFile fifo(folder, "pipe");
  const std::function<std::unique_ptr<TGraphic>()> graphics[] = {[] { return std::make_unique<TBitmap>(); },
                                                                 [] { return std::make_unique<TIcon>(); },
                                                                 [] { return std::make_unique<TJPEGImage>(); }};
  for (const auto& make : graphics) {
    const std::unique_ptr<TGraphic> graphic = make();
    const bool ended = fifo.EndsWithoutAWriter([&] { EXPECT_THROW(graphic->LoadFromFile(fifo.Path()), EFOpenError); });
    EXPECT_TRUE(ended) << graphic->ClassName() << " waited on the FIFO";
    EXPECT_TRUE(graphic->Empty());
  }
}

// A picture followed by nothing but a hole in the file, one byte past the
// bound: nothing of it is read, not even the picture at its start.
TEST(PictureFile, AFileLargerThanAnyPictureIsNotRead) {
  const TTempFolder folder;
  const std::string path = folder.Write("huge.bmp", BmpFile());
  ASSERT_EQ(::truncate(path.c_str(), kMaxEncodedPictureBytes + 1), 0);
  TMemoryStream stream;
  stream.WriteBuffer("kept", 4);
  EXPECT_THROW(ReadPictureFile(path, stream), EInvalidGraphic);
  EXPECT_EQ(ContentOf(stream), "kept");
  TBitmap bitmap;
  EXPECT_THROW(bitmap.LoadFromFile(path), EInvalidGraphic);
  EXPECT_TRUE(bitmap.Empty());
}

}  // namespace
}  // namespace plat::testing
