// Device contexts: the object model, origins, clipping with SaveDC/RestoreDC
// and DCs onto a part of a bitmap as the window layer makes them.
#include <gtest/gtest.h>

#include "platform/gdi/Brush.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/tests/RasterFixture.h"

namespace plat {
namespace {

using testing::Selected;
using testing::Surface;

constexpr COLORREF Black = RGB(0, 0, 0);

void FillAll(HDC dc, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  RECT all{-100, -100, 100, 100};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
}

TEST(Objects, SelectReturnsThePreviousAndDeleteWaitsForDeselection) {
  Surface s(2, 2);
  HPEN pen = CreatePen(PS_DASH, 3, RGB(1, 2, 3));
  HGDIOBJ old = SelectObject(s.Dc(), pen);
  EXPECT_EQ(old, GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetCurrentObject(s.Dc(), OBJ_PEN), pen);
  EXPECT_FALSE(DeleteObject(pen)) << "a selected pen must stay alive";
  LOGPEN lp{};
  EXPECT_EQ(GetObject(pen, sizeof lp, &lp), static_cast<int>(sizeof lp));
  EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DASH));
  EXPECT_EQ(lp.lopnWidth.X, 3);
  EXPECT_EQ(lp.lopnColor, RGB(1, 2, 3));
  EXPECT_EQ(SelectObject(s.Dc(), old), pen);
  EXPECT_TRUE(DeleteObject(pen));
  EXPECT_EQ(GetObjectType(pen), 0u);
  EXPECT_EQ(SelectObject(s.Dc(), pen), nullptr) << "a deleted handle is refused";
}

TEST(Objects, StockObjectsOutliveDeleteAndSavedStatesHoldTheirObjects) {
  HGDIOBJ white = GetStockObject(WHITE_BRUSH);
  EXPECT_TRUE(DeleteObject(white));
  EXPECT_EQ(GetObjectType(white), OBJ_BRUSH);
  EXPECT_EQ(GetStockObject(99), nullptr);
  EXPECT_EQ(GetStockObject(-1), nullptr);

  Surface s(2, 2);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  SelectObject(s.Dc(), red);
  SaveDC(s.Dc());
  SelectObject(s.Dc(), GetStockObject(BLACK_BRUSH));
  EXPECT_FALSE(DeleteObject(red)) << "RestoreDC will select it again";
  RestoreDC(s.Dc(), -1);
  EXPECT_EQ(GetCurrentObject(s.Dc(), OBJ_BRUSH), red);
  SelectObject(s.Dc(), GetStockObject(WHITE_BRUSH));
  EXPECT_TRUE(DeleteObject(red));
}

TEST(Objects, ABitmapLivesInOneMemoryDcAtATime) {
  HBITMAP bitmap = CreateCompatibleBitmap(nullptr, 4, 4);
  HDC a = CreateCompatibleDC(nullptr);
  HDC b = CreateCompatibleDC(nullptr);
  HGDIOBJ oldA = SelectObject(a, bitmap);
  EXPECT_NE(oldA, nullptr);
  EXPECT_EQ(SelectObject(b, bitmap), nullptr);
  SelectObject(a, oldA);
  EXPECT_NE(SelectObject(b, bitmap), nullptr);
  EXPECT_TRUE(DeleteDC(a));
  EXPECT_TRUE(DeleteDC(b));  // a deleted DC lets go of what it held
  EXPECT_FALSE(DeleteDC(b));
  EXPECT_TRUE(DeleteObject(bitmap));
}

TEST(Objects, AbsurdBitmapsAreRefused) {
  EXPECT_EQ(CreateCompatibleBitmap(nullptr, 0, 5), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(nullptr, -1, 5), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(nullptr, 100000, 100000), nullptr);
  EXPECT_EQ(CreateBitmap(4, 4, 1, 8, nullptr), nullptr);
  BITMAPINFO info{};
  info.bmiHeader.biWidth = 3;
  info.bmiHeader.biHeight = -2147483647 - 1;
  void* bits = reinterpret_cast<void*>(1);
  EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  EXPECT_EQ(bits, nullptr);
}

TEST(Objects, DibSectionsExposeTheirRowsInEitherOrder) {
  BITMAPINFO info{};
  info.bmiHeader.biWidth = 2;
  info.bmiHeader.biHeight = 2;  // bottom-up: the last row comes first in memory
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(bitmap, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, bitmap);
  SetPixel(dc, 0, 0, RGB(255, 0, 0));
  EXPECT_EQ(static_cast<TPixel*>(bits)[2], 0x00FF0000u);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

TEST(Clipping, SaveAndRestoreBringBackTheClip) {
  Surface s(6, 4);
  IntersectClipRect(s.Dc(), 1, 1, 5, 3);
  const int level = SaveDC(s.Dc());
  EXPECT_EQ(level, 1);
  ExcludeClipRect(s.Dc(), 2, 0, 4, 4);
  FillAll(s.Dc(), Black);
  // clang-format off
  EXPECT_EQ(s.Picture(), (std::vector<std::string>{"......",
                                                   ".#..#.",
                                                   ".#..#.",
                                                   "......"}));
  // clang-format on
  EXPECT_TRUE(RestoreDC(s.Dc(), level));
  FillAll(s.Dc(), Black);
  // clang-format off
  EXPECT_EQ(s.Picture(), (std::vector<std::string>{"......",
                                                   ".####.",
                                                   ".####.",
                                                   "......"}));
  // clang-format on
  RECT box{};
  EXPECT_EQ(GetClipBox(s.Dc(), &box), SIMPLEREGION);
  EXPECT_EQ(box, TRect(1, 1, 5, 3));
  SelectClipRgn(s.Dc(), nullptr);
  FillAll(s.Dc(), Black);
  EXPECT_EQ(s.Picture()[0], "######");
}

TEST(Clipping, RestoreLevels) {
  Surface s(2, 2);
  EXPECT_FALSE(RestoreDC(s.Dc(), 1)) << "nothing saved yet";
  for (int i = 0; i < 3; ++i) {
    SetBkColor(s.Dc(), RGB(static_cast<Byte>(i), 0, 0));
    SaveDC(s.Dc());
  }
  EXPECT_FALSE(RestoreDC(s.Dc(), 4));
  EXPECT_FALSE(RestoreDC(s.Dc(), 0));
  EXPECT_FALSE(RestoreDC(s.Dc(), -4));
  EXPECT_TRUE(RestoreDC(s.Dc(), -2));  // back to the second save
  EXPECT_EQ(GetBkColor(s.Dc()), RGB(1, 0, 0));
  EXPECT_TRUE(RestoreDC(s.Dc(), 1));
  EXPECT_EQ(GetBkColor(s.Dc()), RGB(0, 0, 0));
  EXPECT_FALSE(RestoreDC(s.Dc(), -1));
}

TEST(Clipping, ClipIsInDeviceUnitsAndDrawingInLogicalOnes) {
  Surface s(6, 4);
  POINT old{};
  SetWindowOrgEx(s.Dc(), 10, 10, &old);
  EXPECT_EQ(old, TPoint(0, 0));
  IntersectClipRect(s.Dc(), 10, 10, 12, 12);  // logical: device (0,0)-(2,2)
  OffsetWindowOrgEx(s.Dc(), -1, 0, nullptr);  // moving the origin leaves the clip where it is
  FillAll(s.Dc(), Black);
  // clang-format off
  EXPECT_EQ(s.Picture(), (std::vector<std::string>{"##....",
                                                   "##....",
                                                   "......",
                                                   "......"}));
  // clang-format on
  SetPixel(s.Dc(), 9, 10, RGB(255, 0, 0));
  EXPECT_EQ(s.At(0, 0), RGB(255, 0, 0));
  POINT p{9, 10};
  LPtoDP(s.Dc(), &p, 1);
  EXPECT_EQ(p, TPoint(0, 0));
  EXPECT_TRUE(PtVisible(s.Dc(), 10, 11));
  EXPECT_FALSE(PtVisible(s.Dc(), 11, 11));
}

TEST(Clipping, RegionClipsCombine) {
  Surface s(5, 3);
  HRGN left = CreateRectRgn(0, 0, 2, 3);
  HRGN right = CreateRectRgn(3, 0, 5, 3);
  SelectClipRgn(s.Dc(), left);
  EXPECT_EQ(ExtSelectClipRgn(s.Dc(), right, RGN_OR), COMPLEXREGION);
  FillAll(s.Dc(), Black);
  EXPECT_EQ(s.Picture()[1], "##.##");
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(s.Dc(), copy), 1);
  EXPECT_TRUE(PtInRegion(copy, 4, 1));
  EXPECT_FALSE(PtInRegion(copy, 2, 1));
  EXPECT_EQ(ExtSelectClipRgn(s.Dc(), nullptr, RGN_AND), ERROR);
  EXPECT_EQ(SelectClipRgn(s.Dc(), nullptr), SIMPLEREGION);
  EXPECT_EQ(GetClipRgn(s.Dc(), copy), 0);
  for (HRGN r : {left, right, copy}) DeleteObject(r);
}

TEST(SurfaceDc, DrawsOnlyIntoItsPartOfTheBitmap) {
  // What the window layer does: a DC whose device (0,0) sits at (3,1) of a
  // backing bitmap, limited to a 3x2 client area.
  Bitmap backing(8, 4);
  backing.Fill(0x00FFFFFF);
  DeviceContext dc(&backing, {3, 1}, Region(TRect{0, 0, 3, 2}));
  FillAll(&dc, Black);
  SetPixel(&dc, 0, 0, RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(&dc, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(backing.At(3, 1), 0x00FF0000u);
  int black = 0;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) black += backing.At(x, y) == 0;
  EXPECT_EQ(black, 5);
  EXPECT_EQ(GetPixel(&dc, 3, 0), CLR_INVALID);
  // The window moves: the same DC now draws at its new place.
  dc.SetSurface(&backing, {0, 2}, Region(TRect{0, 0, 1, 1}));
  SetPixel(&dc, 0, 0, RGB(0, 0, 255));
  EXPECT_EQ(backing.At(0, 2), 0x000000FFu);
  HBITMAP other = CreateCompatibleBitmap(nullptr, 1, 1);
  EXPECT_EQ(SelectObject(&dc, other), nullptr) << "a surface DC takes no bitmap";
  DeleteObject(other);
}

TEST(DcState, SettersReturnTheOldValueAndRefuseNonsense) {
  Surface s(1, 1);
  struct Case {
    int (*set)(HDC, int);
    int good, bad, initial;
  };
  for (const Case& c :
       {Case{SetBkMode, TRANSPARENT, 7, OPAQUE}, Case{SetROP2, R2_XORPEN, 17, R2_COPYPEN},
        Case{SetStretchBltMode, HALFTONE, 0, BLACKONWHITE}, Case{SetPolyFillMode, WINDING, 3, ALTERNATE}}) {
    EXPECT_EQ(c.set(s.Dc(), c.bad), 0);
    EXPECT_EQ(c.set(s.Dc(), c.good), c.initial);
    EXPECT_EQ(c.set(s.Dc(), c.initial), c.good);
  }
  EXPECT_EQ(SetTextColor(s.Dc(), RGB(1, 2, 3)), Black);
  EXPECT_EQ(SetTextColor(nullptr, 0), CLR_INVALID);
  EXPECT_EQ(GetDeviceCaps(s.Dc(), LOGPIXELSY), 96);
  EXPECT_FALSE(SetWindowOrgEx(s.Dc(), 1 << 30, 0, nullptr));
  EXPECT_EQ(IntersectClipRect(s.Dc(), 0, 0, 1 << 30, 5), ERROR);
}

}  // namespace
}  // namespace plat
