// The skinned scroll bar on a real form: its layout in both orientations,
// the slider built from the theme's pieces, and the arrows that repeat
// while held. Timers run on the virtual clock.
#include "skin/SkScrollBar.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/win/InputInjection.h"
#include "skin/SkImageButton.h"
#include "skin/SkImagePanel.h"
#include "skin/SkThemes.h"
#include "skin/tests/ControlForm.h"

namespace skintest {
namespace {

using namespace zorbit;

// DeepBlue: arrows of 16 x 16, slider pieces 16 across.
class SkinScrollBar : public ControlForm {
 protected:
  void SetUp() override {
    ControlForm::SetUp();
    FBar = Add<TskScrollBar>(10, 10, 16, 185);
    FBar->SetUIStyle(TskUIStyle::DeepBlue);
    FBar->SetOrientation(TskProgressBarOrientation::skVertical);
    FBar->SetBounds(10, 10, 16, 185);
    FBar->OnChange = [this](plat::TObject*) { FLog.push_back(FBar->Position()); };
  }
  void Tick() {
    Clock().Advance(100);
    Pump();
  }

  TskScrollBar* FBar = nullptr;
  std::vector<int> FLog;
};

TEST_F(SkinScrollBar, LaysOutItsArrowsAndTrackInBothOrientations) {
  EXPECT_EQ(FBar->Width(), 16);
  EXPECT_EQ(FBar->Height(), 185);
  EXPECT_EQ(FBar->UpButton()->BoundsRect(), (plat::TRect{0, 0, 16, 16}));
  EXPECT_EQ(FBar->Track()->BoundsRect(), (plat::TRect{0, 16, 16, 16 + 185 - 32 - 1}));
  EXPECT_EQ(FBar->DownButton()->BoundsRect(), (plat::TRect{0, 169, 16, 185}));
  EXPECT_EQ(FBar->Color(), GetBuiltinColor(TskUIStyle::DeepBlue, element::ScrollBarBackgroundColor));

  FBar->SetOrientation(TskProgressBarOrientation::skHorizontal);
  FBar->SetBounds(10, 10, 200, 40);
  EXPECT_EQ(FBar->Height(), 16);
  EXPECT_EQ(FBar->UpButton()->BoundsRect(), (plat::TRect{0, 0, 16, 16}));
  EXPECT_EQ(FBar->Track()->BoundsRect(), (plat::TRect{16, 0, 184, 16}));
  EXPECT_EQ(FBar->DownButton()->BoundsRect(), (plat::TRect{184, 0, 200, 16}));
}

TEST_F(SkinScrollBar, ASliderOfLineButtonFiveIsEighteenPixelsLong) {
  FBar->SetLineButton(5);
  EXPECT_EQ(FBar->LineButton(), 18);
  EXPECT_EQ(FBar->Track()->Slider()->Height(), 18);
  EXPECT_EQ(FBar->Track()->Slider()->Width(), 16);
  FBar->SetLineButton(1000);  // longer than the track: ignored
  EXPECT_EQ(FBar->LineButton(), 18);
}

TEST_F(SkinScrollBar, WithoutLineButtonTheSliderIsPageSizePercentOfTheTrack) {
  const int track = FBar->Track()->Height();
  const struct {
    int PageSize;
    int Length;
  } cases[] = {{50, 50 * track / 100}, {10, 10 * track / 100}, {5, 10 * track / 100}, {100, track}};
  FBar->SetMax(200);
  for (const auto& c : cases) {
    FBar->SetPageSize(c.PageSize);
    EXPECT_EQ(FBar->Track()->Slider()->Height(), c.Length) << c.PageSize;
  }
  FBar->SetLargeChange(30);
  EXPECT_EQ(FBar->PageSize(), 30);
}

TEST_F(SkinScrollBar, ABarOfZeroHeightHidesItself) {
  FBar->SetHeight(0);
  EXPECT_FALSE(FBar->Visible());
}

TEST_F(SkinScrollBar, AHeldArrowStepsEveryTickAndAShortPressNotAtAll) {
  FBar->SetSmallChange(3);
  FBar->SetPosition(50);
  FLog.clear();
  ShowForm();
  const plat::TPoint down = OnScreen(FBar->DownButton(), {8, 8});
  plat::InjectMouseDown(down);
  Pump();
  plat::InjectMouseUp(down);
  Pump();
  EXPECT_TRUE(FLog.empty());
  EXPECT_EQ(FBar->Position(), 50);

  plat::InjectMouseDown(down);
  Pump();
  Tick();
  Tick();
  plat::InjectMouseUp(down);
  Pump();
  Tick();
  EXPECT_EQ(FLog, (std::vector<int>{53, 56}));

  const plat::TPoint up = OnScreen(FBar->UpButton(), {8, 8});
  plat::InjectMouseDown(up);
  Pump();
  Tick();
  plat::InjectMouseUp(up);
  Pump();
  EXPECT_EQ(FLog, (std::vector<int>{53, 56, 53}));
}

TEST_F(SkinScrollBar, TheArrowsShowTheThemesButtonFrames) {
  plat::TBitmap expected;
  GetBuiltinBitmapFrame(TskUIStyle::DeepBlue, element::ScrollBarButtonImage, &expected, 6, 4);
  ShowForm();
  plat::TBitmap shown;
  shown.Assign(*FBar->DownButton()->PicNormal()->Bitmap());
  ASSERT_EQ(shown.Width(), expected.Width());
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x)
      ASSERT_EQ(shown.Canvas()->Pixels(x, y), expected.Canvas()->Pixels(x, y)) << x << "," << y;
}

}  // namespace
}  // namespace skintest
