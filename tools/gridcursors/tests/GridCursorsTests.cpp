// The grid's cursors reach a program as cursor resources by number, each a
// picture whose hot spot lies on the drawn shape.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/PngCodec.h"
#include "platform/win/Cursors.h"
#include "testing/ProjectPaths.h"

namespace plat {
namespace {

constexpr Word Ids[] = {8000, 8001, 8002, 8003, 8004, 8005, 8006, 8007, 8008, 8009, 8010, 8011, 8012, 8014};

TEST(GridCursors, EveryCursorLoadsByNumberWithItsHotSpotOnTheShape) {
  // All of them side by side on grey, for a person to look at.
  Bitmap sheet(static_cast<int>(std::size(Ids)) * 36, 36);
  sheet.Fill(0x808080);
  int left = 2;
  for (const Word id : Ids) {
    SCOPED_TRACE(id);
    const HCURSOR cursor = LoadCursor(nullptr, MAKEINTRESOURCE(id));
    ASSERT_NE(cursor, nullptr);
    const CursorPicture picture = GetCursorPicture(cursor);
    ASSERT_NE(picture.Color, nullptr);
    EXPECT_EQ(picture.Mask->At(picture.HotSpot.X, picture.HotSpot.Y) & 0xFFFFFF, 0u);
    int shown = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        if ((picture.Mask->At(x, y) & 0xFFFFFF) == 0) {
          ++shown;
          sheet.Put(left + x, 2 + y, picture.Color->At(x, y) & 0xFFFFFF);
        }
    EXPECT_GT(shown, 40);
    EXPECT_LT(shown, 32 * 32 / 2);
    left += 36;
  }
  // The standard cursors stay what they are.
  EXPECT_NE(LoadCursor(nullptr, IDC_HAND), LoadCursor(nullptr, MAKEINTRESOURCE(8009)));
  EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(8013)), nullptr);

  const std::vector<Byte> png = WritePng(sheet);
  std::ofstream(zorbit::testing::BuildPath("tools/gridcursors/cursors.png"), std::ios::binary)
      .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

}  // namespace
}  // namespace plat
