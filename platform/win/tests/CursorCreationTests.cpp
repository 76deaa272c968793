// Cursors a program draws itself from AND and XOR planes, and those it
// carries as cursor resources.
#include <gtest/gtest.h>

#include "platform/rtl/LastError.h"
#include "platform/win/Cursors.h"
#include "platform/win/WinErrors.h"

namespace plat {
namespace {

// A 16 x 2 cursor: the first row begins transparent, inverted, white,
// black, black, white, inverted, transparent; the rest shows through.
struct Planes {
  Byte And[4] = {0b11000011, 0b11111111, 0xFF, 0xFF};
  Byte Xor[4] = {0b01100110, 0b00000000, 0x00, 0x00};
};

TEST(CursorCreation, PlanesBecomeColourAndMask) {
  Planes planes;
  const HCURSOR cursor = CreateCursor(nullptr, 3, 1, 16, 2, planes.And, planes.Xor);
  ASSERT_NE(cursor, nullptr);
  const CursorPicture picture = GetCursorPicture(cursor);
  ASSERT_NE(picture.Color, nullptr);
  EXPECT_EQ(picture.HotSpot, Point(3, 1));
  struct Expect {
    int X;
    bool ShowsThrough;
    TPixel Color;
  };
  for (const Expect& e : {Expect{0, true, 0x000000}, Expect{1, true, 0xFFFFFF}, Expect{2, false, 0xFFFFFF},
                          Expect{3, false, 0x000000}, Expect{7, true, 0x000000}}) {
    EXPECT_EQ((picture.Mask->At(e.X, 0) & 0xFFFFFF) != 0, e.ShowsThrough) << e.X;
    EXPECT_EQ(picture.Color->At(e.X, 0) & 0xFFFFFF, e.Color) << e.X;
  }
  EXPECT_NE(picture.Mask->At(4, 1) & 0xFFFFFF, 0u);

  SetCursor(cursor);
  EXPECT_EQ(GetCursor(), cursor);
  EXPECT_TRUE(DestroyCursor(cursor));
  // The pointer does not keep a destroyed cursor.
  EXPECT_EQ(GetCursor(), nullptr);
  EXPECT_EQ(GetCursorPicture(cursor).Color, nullptr);
}

TEST(CursorCreation, BadSizesHotSpotsAndHandlesAreRefused) {
  Planes planes;
  struct Case {
    int HotX, HotY, Width, Height;
  };
  for (const Case& c :
       {Case{0, 0, 0, 2}, Case{0, 0, 33, 2}, Case{0, 0, 16, -1}, Case{16, 0, 16, 2}, Case{0, -1, 16, 2}}) {
    SetLastError(0);
    EXPECT_EQ(CreateCursor(nullptr, c.HotX, c.HotY, c.Width, c.Height, planes.And, planes.Xor), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  }
  EXPECT_EQ(CreateCursor(nullptr, 0, 0, 16, 2, nullptr, planes.Xor), nullptr);
  // The standard cursors are shared and cannot be destroyed.
  EXPECT_FALSE(DestroyCursor(LoadCursor(nullptr, IDC_ARROW)));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_CURSOR_HANDLE);
  EXPECT_NE(GetCursorPicture(LoadCursor(nullptr, IDC_ARROW)).Color, nullptr);
}

TEST(CursorResources, LoadedByNameOrNumberAndShared) {
  const HCURSOR byName = LoadCursor(nullptr, "squarecursor");  // names without case
  ASSERT_NE(byName, nullptr);
  const CursorPicture picture = GetCursorPicture(byName);
  ASSERT_NE(picture.Color, nullptr);
  EXPECT_EQ(picture.HotSpot, Point(5, 7));
  // A 3 x 3 black square with a white middle; the rest shows through.
  EXPECT_EQ(picture.Mask->At(4, 6) & 0xFFFFFF, 0u);
  EXPECT_EQ(picture.Color->At(4, 6) & 0xFFFFFF, 0x000000u);
  EXPECT_EQ(picture.Color->At(5, 7) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_NE(picture.Mask->At(0, 0) & 0xFFFFFF, 0u);
  EXPECT_NE(picture.Mask->At(7, 7) & 0xFFFFFF, 0u);
  EXPECT_EQ(LoadCursor(nullptr, "SquareCursor"), byName);  // loaded once

  // A number that is no standard cursor's names the resource "#number".
  const HCURSOR byNumber = LoadCursor(nullptr, MAKEINTRESOURCE(8100));
  ASSERT_NE(byNumber, nullptr);
  EXPECT_EQ(GetCursorPicture(byNumber).HotSpot, Point(5, 7));
  EXPECT_EQ(LoadCursor(reinterpret_cast<HINSTANCE>(1), MAKEINTRESOURCE(8100)), byNumber);
  SetCursor(byNumber);
  EXPECT_EQ(GetCursor(), byNumber);
  SetCursor(nullptr);
  SetLastError(0);
  EXPECT_FALSE(DestroyCursor(byNumber));  // shared
  EXPECT_EQ(GetLastError(), ERROR_INVALID_CURSOR_HANDLE);
}

TEST(CursorResources, MissingAndBrokenResourcesGiveNoCursor) {
  const struct {
    const char* Name;
    DWORD Error;
  } cases[] = {
      {"NoSuchCursor", ERROR_RESOURCE_NAME_NOT_FOUND},
      {"BrokenCursor", ERROR_RESOURCE_DATA_NOT_FOUND},
      {MAKEINTRESOURCE(8101), ERROR_RESOURCE_NAME_NOT_FOUND},
  };
  for (const auto& c : cases) {
    SetLastError(0);
    EXPECT_EQ(LoadCursor(nullptr, c.Name), nullptr);
    EXPECT_EQ(GetLastError(), c.Error);
  }
}

}  // namespace
}  // namespace plat
