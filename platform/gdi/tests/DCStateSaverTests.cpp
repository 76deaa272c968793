// The device-context state saver: whatever a scope selects and sets is
// undone when it ends, by return or by exception, nested savers included.
#include "platform/gdi/DCStateSaver.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/tests/RasterFixture.h"

namespace plat {
namespace {

using testing::Surface;

// Changes every part of the state the saver keeps, then leaves as asked.
void ChangeEverything(HDC dc, HPEN pen, bool fail) {
  const DCStateSaver saved(dc);
  SelectObject(dc, pen);
  SetTextColor(dc, RGB(9, 8, 7));
  SetBkMode(dc, TRANSPARENT);
  SetWindowOrgEx(dc, 3, 4, nullptr);
  IntersectClipRect(dc, 0, 0, 1, 1);
  {
    const DCStateSaver inner(dc);
    SetTextColor(dc, RGB(1, 1, 1));
  }
  EXPECT_EQ(GetTextColor(dc), RGB(9, 8, 7));
  if (fail) throw std::runtime_error("painting failed");
}

TEST(DCStateSaver, RestoresTheStateHoweverTheScopeEnds) {
  for (const bool fail : {false, true}) {
    Surface s(6, 4);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    const HGDIOBJ penBefore = GetCurrentObject(s.Dc(), OBJ_PEN);
    const COLORREF colourBefore = GetTextColor(s.Dc());
    const int modeBefore = GetBkMode(s.Dc());
    if (fail) {
      EXPECT_THROW(ChangeEverything(s.Dc(), pen, fail), std::runtime_error);
    } else {
      ChangeEverything(s.Dc(), pen, fail);
    }
    EXPECT_EQ(GetCurrentObject(s.Dc(), OBJ_PEN), penBefore) << fail;
    EXPECT_EQ(GetTextColor(s.Dc()), colourBefore) << fail;
    EXPECT_EQ(GetBkMode(s.Dc()), modeBefore) << fail;
    POINT origin{-1, -1};
    GetWindowOrgEx(s.Dc(), &origin);
    EXPECT_EQ(origin.X, 0) << fail;
    EXPECT_EQ(origin.Y, 0) << fail;
    RECT box{};
    GetClipBox(s.Dc(), &box);
    EXPECT_EQ(box, TRect(0, 0, 6, 4)) << fail;
    // No saved level is left behind.
    EXPECT_EQ(SaveDC(s.Dc()), 1) << fail;
    DeleteObject(pen);
  }
}

}  // namespace
}  // namespace plat
