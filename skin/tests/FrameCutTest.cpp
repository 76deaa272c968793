#include "skin/FrameCut.h"

#include <gtest/gtest.h>

#include "platform/gdi/TBitmap.h"

namespace zorbit {
namespace {

// A strip of three 4 x 2 frames painted red, green and blue.
void PaintThreeColourStrip(plat::TBitmap& strip) {
  strip.SetSize(12, 2);
  const plat::TColor colours[] = {plat::clRed, plat::clLime, plat::clBlue};
  for (int i = 0; i < 3; ++i) {
    strip.Canvas()->Brush()->SetColor(colours[i]);
    strip.Canvas()->FillRect(plat::TRect{i * 4, 0, i * 4 + 4, 2});
  }
}

TEST(FrameCut, CutsTheNumberedFrameWholeHeight) {
  plat::TBitmap strip;
  PaintThreeColourStrip(strip);
  plat::TBitmap frame;
  FrameCut(strip, frame, 3, 2);
  ASSERT_EQ(frame.Width(), 4);
  ASSERT_EQ(frame.Height(), 2);
  EXPECT_EQ(frame.Canvas()->Pixels(0, 0), plat::clLime);
  EXPECT_EQ(frame.Canvas()->Pixels(3, 1), plat::clLime);
}

TEST(FrameCut, CountBelowOneTakesTheWholePictureAndBadFramesComeOutEmpty) {
  plat::TBitmap strip;
  PaintThreeColourStrip(strip);
  plat::TBitmap whole;
  FrameCut(strip, whole, 0, 1);
  EXPECT_EQ(whole.Width(), 12);
  EXPECT_EQ(whole.Canvas()->Pixels(11, 0), plat::clBlue);

  struct Case {
    int Count, Index;
  };
  for (Case c : {Case{3, 0}, Case{3, 4}, Case{13, 1}}) {
    plat::TBitmap frame;
    frame.SetSize(5, 5);
    FrameCut(strip, frame, c.Count, c.Index);
    EXPECT_TRUE(frame.Empty()) << c.Count << "/" << c.Index;
  }
  plat::TBitmap empty, frame;
  FrameCut(empty, frame, 3, 1);
  EXPECT_TRUE(frame.Empty());
}

}  // namespace
}  // namespace zorbit
