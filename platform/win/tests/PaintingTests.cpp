// Painting: update regions, what a window's DC may draw on (children,
// siblings, window regions), scrolling, and the redraw flags.
#include "platform/gdi/Brush.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Shapes.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {
namespace {

constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Green = RGB(0, 255, 0);
constexpr COLORREF Yellow = RGB(255, 255, 0);

class Painting : public WindowTest {
 protected:
  // Every WM_PAINT of the window fills what it may paint with a colour.
  void PaintWith(HWND window, COLORREF color) {
    Handle(window, WM_PAINT, [color](HWND w, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(w, &ps);
      RECT r;
      GetClientRect(w, &r);
      HBRUSH brush = CreateSolidBrush(color);
      FillRect(dc, &r, brush);
      DeleteObject(brush);
      EndPaint(w, &ps);
      return 0;
    });
  }
  static std::string UpdateOf(HWND window) {
    RECT r;
    if (!GetUpdateRect(window, &r, false)) return "none";
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom);
  }
};

TEST_F(Painting, ChildOverParentIsClippedOnlyWithClipChildren) {
  for (DWORD clip : {DWORD{0}, WS_CLIPCHILDREN}) {
    HWND parent = Make("parent", WS_POPUP | WS_VISIBLE | clip, Bounds(0, 0, 100, 100));
    HWND child = Make("child", WS_CHILD | WS_VISIBLE, Bounds(20, 20, 30, 30), parent);
    PaintWith(parent, Red);
    PaintWith(child, Blue);
    Pump();
    EXPECT_EQ(PixelAt(parent, {5, 5}), Red);
    EXPECT_EQ(PixelAt(child, {5, 5}), Blue);

    // Repainting the parent alone reaches the child only when the parent
    // paints over it; then the child is painted again after it.
    ClearLog();
    InvalidateRect(parent, nullptr, true);
    Pump();
    EXPECT_EQ(PixelAt(child, {5, 5}), Blue);
    const Log expected = clip ? Log{"parent WM_PAINT"} : Log{"parent WM_PAINT", "child WM_PAINT"};
    EXPECT_EQ(Take({WM_PAINT}), expected) << "clip children " << (clip != 0);

    // A DC of the parent draws over the child only without the style.
    Fill(parent, Green);
    EXPECT_EQ(PixelAt(child, {5, 5}), clip ? Blue : Green);
    DestroyWindow(parent);
  }
}

TEST_F(Painting, SiblingsClipOnlyWithClipSiblings) {
  HWND parent = Make("parent", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, Bounds(0, 0, 200, 100));
  // Children are stacked in creation order: "upper" lies above "lower".
  HWND upper = Make("upper", WS_CHILD | WS_VISIBLE, Bounds(40, 0, 60, 60), parent);
  HWND lower = Make("lower", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, Bounds(0, 0, 60, 60), parent);
  HWND plain = Make("plain", WS_CHILD | WS_VISIBLE, Bounds(90, 0, 60, 60), parent);
  Pump();
  Fill(upper, Yellow);
  Fill(lower, Green);  // clipped where upper lies over it (x 40..60)
  EXPECT_EQ(PixelAt(lower, {10, 10}), Green);
  EXPECT_EQ(PixelAt(lower, {50, 10}), Yellow);
  Fill(plain, Blue);  // no WS_CLIPSIBLINGS: draws over upper (x 90..100)
  EXPECT_EQ(PixelAt(upper, {55, 10}), Blue);
}

TEST_F(Painting, WindowRegionShapesDrawingAndHitTesting) {
  HWND below = Make("below", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  HWND shaped = Make("shaped", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  Fill(shaped, Red);
  ASSERT_TRUE(SetWindowRgn(shaped, CreateEllipticRgn(0, 0, 100, 100), true));
  Pump();
  Fill(shaped, Blue);
  EXPECT_EQ(PixelAt(shaped, {50, 50}), Blue);
  EXPECT_EQ(PixelAt(shaped, {1, 1}), Red);  // outside the ellipse: left alone
  EXPECT_EQ(WindowFromPoint({50, 50}), shaped);
  EXPECT_EQ(WindowFromPoint({2, 2}), below);
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(shaped, copy), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(copy, 50, 50));
  EXPECT_FALSE(PtInRegion(copy, 1, 1));
  DeleteObject(copy);
  // The region is the window's now; a stale handle is refused.
  EXPECT_EQ(SetWindowRgn(shaped, reinterpret_cast<HRGN>(copy), true), 0);
}

TEST_F(Painting, ChildRegionClipsItsDC) {
  HWND parent = Make("parent", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, Bounds(0, 0, 100, 100));
  HWND child = Make("child", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 40, 40), parent);
  Pump();
  SetWindowRgn(child, CreateRectRgn(0, 0, 20, 40), false);
  // The parent's clip leaves out only the shaped part of the child...
  Fill(parent, Red);
  EXPECT_EQ(PixelAt(child, {30, 5}), Red);
  // ...and the child draws only inside its shape.
  Fill(child, Blue);
  EXPECT_EQ(PixelAt(child, {5, 5}), Blue);
  EXPECT_EQ(PixelAt(child, {30, 5}), Red);
}

TEST_F(Painting, ScrollWindowExMovesPixelsAndReportsTheUncoveredPart) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  Pump();
  // Stripes: rows 0..9 red, 10..19 blue, the rest green.
  Fill(w, Green);
  const TRect redRows{0, 0, 100, 10}, blueRows{0, 10, 100, 20};
  Fill(w, Red, &redRows);
  Fill(w, Blue, &blueRows);
  // Something already waiting to be painted near the bottom.
  const RECT pending{0, 80, 100, 90};
  InvalidateRect(w, &pending, false);

  HRGN update = CreateRectRgn(0, 0, 0, 0);
  RECT updateRect;
  EXPECT_EQ(ScrollWindowEx(w, 0, -10, nullptr, nullptr, update, &updateRect, SW_INVALIDATE), SIMPLEREGION);
  EXPECT_EQ(PixelAt(w, {50, 0}), Blue);
  EXPECT_EQ(PixelAt(w, {50, 10}), Green);
  EXPECT_EQ(updateRect, (RECT{0, 90, 100, 100}));
  RECT box;
  GetRgnBox(update, &box);
  EXPECT_EQ(box, (RECT{0, 90, 100, 100}));
  DeleteObject(update);
  // The pending update moved up with the pixels; the uncovered rows joined it.
  HRGN now = CreateRectRgn(0, 0, 0, 0);
  GetUpdateRgn(w, now, false);
  EXPECT_TRUE(PtInRegion(now, 5, 75));
  EXPECT_FALSE(PtInRegion(now, 5, 85));
  EXPECT_TRUE(PtInRegion(now, 5, 95));
  DeleteObject(now);
}

TEST_F(Painting, ScrollingBringsHiddenPixelsIntoTheUpdate) {
  HWND parent = Make("parent", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, Bounds(0, 0, 100, 100));
  // A child covers rows 50..59; scrolling up by 20 moves what it hid to rows 30..39.
  Make("cover", WS_CHILD | WS_VISIBLE, Bounds(0, 50, 100, 10), parent);
  Pump();
  RECT updateRect;
  HRGN update = CreateRectRgn(0, 0, 0, 0);
  ScrollWindowEx(parent, 0, -20, nullptr, nullptr, update, &updateRect, 0);
  EXPECT_TRUE(PtInRegion(update, 5, 35));   // came from under the child
  EXPECT_FALSE(PtInRegion(update, 5, 20));  // came from visible rows
  EXPECT_TRUE(PtInRegion(update, 5, 85));   // uncovered at the bottom
  EXPECT_FALSE(PtInRegion(update, 5, 55));  // still under the child
  DeleteObject(update);
  // Without SW_INVALIDATE nothing was invalidated.
  EXPECT_EQ(UpdateOf(parent), "none");
}

TEST_F(Painting, BeginPaintErasesValidatesAndReportsTheArea) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  Pump();
  const RECT a{10, 10, 20, 20}, b{50, 50, 60, 70};
  InvalidateRect(w, &a, true);
  InvalidateRect(w, &b, false);
  EXPECT_EQ(UpdateOf(w), "10,10,60,70");
  // The class has no background brush: the default handling erases nothing.
  ClearLog();
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(w, &ps);
  EXPECT_EQ(Take(), (Log{"w WM_ERASEBKGND"}));
  EXPECT_EQ(ps.rcPaint, (RECT{10, 10, 60, 70}));
  EXPECT_TRUE(ps.fErase);
  // The DC reaches only the invalid parts.
  EXPECT_TRUE(PtVisible(dc, 15, 15));
  EXPECT_FALSE(PtVisible(dc, 30, 30));
  EndPaint(w, &ps);
  EXPECT_EQ(UpdateOf(w), "none");
  EXPECT_EQ(Pump(), 0);

  // A procedure that erases answers nonzero, and the painter need not.
  Handle(w, WM_ERASEBKGND, [](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> { return 1; });
  InvalidateRect(w, nullptr, true);
  BeginPaint(w, &ps);
  EXPECT_FALSE(ps.fErase);
  EndPaint(w, &ps);
}

TEST_F(Painting, PaintComesOnlyWhenNothingElseWaits) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  Pump();
  InvalidateRect(w, nullptr, false);
  PostMessage(w, WM_USER, 0, 0);
  PostMessage(w, WM_USER, 0, 0);
  ClearLog();
  Pump();
  EXPECT_EQ(Take({WM_USER, WM_PAINT}), (Log{"w WM_USER", "w WM_USER", "w WM_PAINT"}));
}

TEST_F(Painting, AProcedureThatDoesNotPaintIsNotAskedForEver) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  Handle(w, WM_PAINT, [](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> { return 0; });
  InvalidateRect(w, nullptr, false);
  EXPECT_EQ(Pump(), 1);
}

TEST_F(Painting, SetRedrawOffDropsInvalidationUntilOn) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  Pump();
  SendMessage(w, WM_SETREDRAW, FALSE, 0);
  InvalidateRect(w, nullptr, true);
  EXPECT_EQ(UpdateOf(w), "none");
  EXPECT_FALSE(IsWindowVisible(w));
  SendMessage(w, WM_SETREDRAW, TRUE, 0);
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_EQ(UpdateOf(w), "none");  // turning drawing on repaints nothing by itself
  InvalidateRect(w, nullptr, true);
  EXPECT_EQ(UpdateOf(w), "0,0,100,100");
}

struct RedrawCase {
  const char* name;
  UINT flags;
  Log now;        // sent during RedrawWindow
  Log later;      // when the queue runs
  bool childToo;  // the child's update region was touched
};

class RedrawFlags : public Painting, public ::testing::WithParamInterface<RedrawCase> {};

TEST_P(RedrawFlags, DoWhatTheySay) {
  const RedrawCase& c = GetParam();
  HWND parent = Make("parent", WS_POPUP | WS_VISIBLE | WS_BORDER | WS_CLIPCHILDREN, Bounds(0, 0, 100, 100));
  HWND child = Make("child", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 20, 20), parent);
  Pump();
  ClearLog();
  RedrawWindow(parent, nullptr, nullptr, c.flags);
  EXPECT_EQ(Take({WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}), c.now);
  EXPECT_EQ(UpdateOf(child) != "none", c.childToo);
  Pump();
  EXPECT_EQ(Take({WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}), c.later);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RedrawFlags,
    ::testing::Values(
        RedrawCase{"InvalidateOnly", RDW_INVALIDATE, {}, {"parent WM_PAINT"}, false},
        RedrawCase{"WithErase", RDW_INVALIDATE | RDW_ERASE, {}, {"parent WM_PAINT", "parent WM_ERASEBKGND"}, false},
        RedrawCase{"WithFrame", RDW_INVALIDATE | RDW_FRAME, {}, {"parent WM_PAINT", "parent WM_NCPAINT"}, false},
        RedrawCase{"EraseNow",
                   RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW,
                   {"parent WM_ERASEBKGND"},
                   {"parent WM_PAINT"},
                   false},
        RedrawCase{"UpdateNowWithChildren",
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW,
                   {"parent WM_PAINT", "parent WM_ERASEBKGND", "child WM_PAINT", "child WM_ERASEBKGND"},
                   {},
                   false},
        RedrawCase{
            "AllChildrenLater", RDW_INVALIDATE | RDW_ALLCHILDREN, {}, {"parent WM_PAINT", "child WM_PAINT"}, true},
        RedrawCase{"InternalPaint", RDW_INTERNALPAINT, {}, {"parent WM_PAINT"}, false}),
    [](const ::testing::TestParamInfo<RedrawCase>& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace plat::testing
