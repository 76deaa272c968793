// The clip-region saver: the clip a scope narrows comes back as the caller
// had it (a region, or none at all), by return or by exception, and nothing
// else of the DC's state is touched.
#include "platform/gdi/ClipRegionSaver.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/tests/RasterFixture.h"

namespace plat {
namespace {

using testing::Surface;

void NarrowClip(HDC dc, bool fail) {
  const ClipRegionSaver kept(dc);
  HRGN cell = CreateRectRgn(2, 1, 4, 3);
  ExtSelectClipRgn(dc, cell, RGN_AND);
  DeleteObject(cell);
  if (fail) throw std::runtime_error("drawing failed");
}

TEST(ClipRegionSaver, PutsBackTheCallersRegionOrNoneHoweverTheScopeEnds) {
  for (const bool fail : {false, true}) {
    Surface s(8, 6);
    // No clip region before: none after.
    if (fail) {
      EXPECT_THROW(NarrowClip(s.Dc(), fail), std::runtime_error);
    } else {
      NarrowClip(s.Dc(), fail);
    }
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(s.Dc(), probe), 0) << fail;
    // The caller's own region comes back exactly, not removed.
    HRGN callers = CreateRectRgn(1, 0, 7, 5);
    SelectClipRgn(s.Dc(), callers);
    if (fail) {
      EXPECT_THROW(NarrowClip(s.Dc(), fail), std::runtime_error);
    } else {
      NarrowClip(s.Dc(), fail);
    }
    ASSERT_EQ(GetClipRgn(s.Dc(), probe), 1) << fail;
    EXPECT_TRUE(EqualRgn(probe, callers)) << fail;
    RECT box{};
    GetClipBox(s.Dc(), &box);
    EXPECT_EQ(box, TRect(1, 0, 7, 5)) << fail;
    DeleteObject(callers);
    DeleteObject(probe);
  }
}

TEST(ClipRegionSaver, LeavesTheSelectedObjectsAlone) {
  Surface s(4, 4);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
  {
    const ClipRegionSaver kept(s.Dc());
    SelectObject(s.Dc(), pen);
    IntersectClipRect(s.Dc(), 0, 0, 1, 1);
  }
  EXPECT_EQ(GetCurrentObject(s.Dc(), OBJ_PEN), pen);
  SelectObject(s.Dc(), GetStockObject(BLACK_PEN));
  DeleteObject(pen);
}

}  // namespace
}  // namespace plat
