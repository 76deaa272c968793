// The parent's background under a see-through control and the control
// border, on real windows in the headless display, read back from the
// window's pixels.
#include "skin/SkinCanvas.h"

#include <gtest/gtest.h>

#include "platform/gdi/TBitmap.h"
#include "platform/ui/TCustomControl.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/ui/TForm.h"
#include "platform/win/WindowDC.h"
#include "testing/FormTest.h"

namespace zorbit {
namespace {

using plat::TRect;

// Paints vertical stripes, red on even columns and blue on odd ones, so
// that a shifted copy of it shows.
class TStripedPanel : public plat::TCustomControl {
 public:
  using TCustomControl::TCustomControl;

 protected:
  void Paint() override {
    for (int x = 0; x < Width(); ++x) {
      Canvas()->Pen()->SetColor(x % 2 ? plat::clBlue : plat::clRed);
      Canvas()->MoveTo(x, 0);
      Canvas()->LineTo(x, Height());
    }
  }
};

// A see-through control: the parent's background, then a black dot.
class TSeeThrough : public plat::TCustomControl {
 public:
  using TCustomControl::TCustomControl;

 protected:
  void Paint() override {
    DrawParentBackground(*Canvas(), *this);
    FillRectColor(*Canvas(), TRect{4, 4, 6, 6}, plat::clBlack);
  }
};

class SkinCanvas : public testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    FForm = new plat::TForm(plat::Application);
    FForm->SetBounds(0, 0, 200, 150);
  }
  plat::TForm* FForm = nullptr;
};

TEST_F(SkinCanvas, ASeeThroughChildShowsItsParentsPixelsUnderIt) {
  auto* parent = new TStripedPanel(FForm);
  parent->SetParent(FForm);
  parent->SetBounds(10, 10, 100, 60);
  auto* child = new TSeeThrough(FForm);
  child->SetParent(parent);
  child->SetBounds(21, 7, 10, 10);  // an odd Left: the stripes under it start blue
  FForm->Show();
  Pump();
  for (int x = 0; x < 10; ++x) {
    if (x == 4 || x == 5) continue;
    EXPECT_EQ(PixelAt(child, {x, 0}), PixelAt(parent, {21 + x, 7})) << x;
    EXPECT_EQ(PixelAt(child, {x, 9}), (x % 2 ? plat::clRed : plat::clBlue)) << x;
  }
  EXPECT_EQ(PixelAt(child, {4, 4}), plat::clBlack);
}

TEST_F(SkinCanvas, AControlWithoutParentDrawsNothingAndTheCanvasIsRestored) {
  auto* orphan = new TSeeThrough(FForm);
  plat::TBitmap picture;
  picture.SetSize(8, 8);
  FillRectColor(*picture.Canvas(), TRect{0, 0, 8, 8}, plat::clYellow);
  DrawParentBackground(*picture.Canvas(), *orphan);
  EXPECT_EQ(picture.Canvas()->Pixels(3, 3), plat::clYellow);

  auto* parent = new TStripedPanel(FForm);
  parent->SetParent(FForm);
  parent->SetBounds(0, 0, 50, 50);
  auto* child = new TSeeThrough(FForm);
  child->SetParent(parent);
  child->SetBounds(2, 2, 8, 8);
  DrawParentBackground(*picture.Canvas(), *child);
  EXPECT_EQ(picture.Canvas()->Pixels(0, 0), plat::clRed);  // parent column 2
  // The origin and clip are back: drawing at (0, 0) lands at (0, 0).
  FillRectColor(*picture.Canvas(), TRect{0, 0, 1, 1}, plat::clLime);
  EXPECT_EQ(picture.Canvas()->Pixels(0, 0), plat::clLime);
  EXPECT_EQ(picture.Canvas()->ClipRect(), (TRect{0, 0, 8, 8}));
}

TEST_F(SkinCanvas, TheControlBorderFramesTheWholeWindowOnceOrTwice) {
  auto* panel = new plat::TPanel(FForm);
  panel->SetParent(FForm);
  panel->SetBounds(20, 20, 40, 30);
  panel->SetColor(plat::clWhite);
  FForm->Show();
  Pump();
  DrawControlBorder(*panel, plat::clRed, plat::clLime, true);
  // PixelAt reads client coordinates; the panel has no frame of its own.
  EXPECT_EQ(PixelAt(panel, {0, 0}), plat::clRed);
  EXPECT_EQ(PixelAt(panel, {39, 29}), plat::clRed);
  EXPECT_EQ(PixelAt(panel, {1, 1}), plat::clLime);
  EXPECT_EQ(PixelAt(panel, {38, 15}), plat::clLime);
  EXPECT_EQ(PixelAt(panel, {2, 2}), plat::clWhite);
  DrawControlBorder(*panel, plat::clBlue, plat::clLime, false);
  EXPECT_EQ(PixelAt(panel, {0, 15}), plat::clBlue);
  EXPECT_EQ(PixelAt(panel, {1, 15}), plat::clLime);  // the inner frame is left as it was
}

}  // namespace
}  // namespace zorbit
