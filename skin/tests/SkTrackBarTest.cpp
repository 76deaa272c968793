// The skinned track bar on a real form: values kept in order, ticks, the
// value under the mouse, paging with its timer, dragging, keys and styles.
// Events come from the real queue; timers run on the virtual clock.
#include "skin/SkTrackBar.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "platform/gdi/TCanvas.h"
#include "platform/win/InputInjection.h"
#include "platform/win/VirtualKeys.h"
#include "skin/SkImagePanel.h"
#include "skin/SkThemes.h"
#include "skin/tests/ControlForm.h"

namespace skintest {
namespace {

using namespace zorbit;

// WinXP: a bar 8 high, a slider 11 x 21; a 200-pixel bar leaves 189 for
// the slider to travel.
class SkinTrackBar : public ControlForm {
 protected:
  void SetUp() override {
    ControlForm::SetUp();
    FBar = Add<TskTrackBar>(10, 10, 200, 30);
    FBar->SetUIStyle(TskUIStyle::WinXP);
    FBar->OnChange = [this](plat::TObject*) { FLog.push_back(FBar->Position()); };
  }
  plat::TPoint At(int X) { return OnScreen(FBar, {X, FBar->Height() / 2}); }
  void Tick() {
    Clock().Advance(100);
    Pump();
  }

  TskTrackBar* FBar = nullptr;
  std::vector<int> FLog;
};

TEST_F(SkinTrackBar, TakesItsThicknessFromThePictures) {
  EXPECT_EQ(FBar->Height(), 21);
  EXPECT_EQ(FBar->Slider()->Width(), 11);
  FBar->SetOrientation(TskProgressBarOrientation::skVertical);
  EXPECT_EQ(FBar->Width(), 22);  // the upright slider
  EXPECT_EQ(FBar->Slider()->Height(), 11);
}

TEST_F(SkinTrackBar, TicksForFrequencyThreeFallOnZeroThreeSixNineAndTen) {
  FBar->SetFrequency(3);
  FBar->SetPosition(5);  // the slider out of the ticks' way
  ShowForm();
  const std::vector<int> expected{5, 61, 118, 175, 194};
  EXPECT_EQ(FBar->TickOffsets(), expected);
  std::string row(200, '.');
  for (const int x : expected) row[static_cast<std::size_t>(x)] = '#';
  const int bottom = FBar->Height() - 1;
  EXPECT_EQ(Row(FBar, bottom, 0, 200, plat::clBlack), row);
  EXPECT_EQ(Row(FBar, bottom - 2, 0, 200, plat::clBlack), row);
  EXPECT_EQ(Row(FBar, bottom - 3, 0, 200, plat::clBlack), std::string(200, '.'));
}

TEST_F(SkinTrackBar, MinEqualToMaxDrawsNoTicksAndPutsTheSliderAtTheStart) {
  FBar->SetMax(5);
  FBar->SetMin(5);
  ShowForm();
  EXPECT_TRUE(FBar->TickOffsets().empty());
  EXPECT_EQ(FBar->Slider()->Left(), 0);
  EXPECT_EQ(Row(FBar, FBar->Height() - 1, 11, 200, plat::clBlack), std::string(189, '.'));
}

TEST_F(SkinTrackBar, KeepsMinMaxPositionAndSizesInOrder) {
  FBar->SetMin(4);
  FBar->SetMax(2);
  EXPECT_EQ(FBar->Max(), 4);
  FBar->SetMax(10);
  FBar->SetMin(20);
  EXPECT_EQ(FBar->Min(), 10);
  EXPECT_EQ(FBar->Position(), 10);
  FBar->SetMin(0);
  FBar->SetPosition(-3);
  EXPECT_EQ(FBar->Position(), 0);
  FBar->SetPosition(11);
  EXPECT_EQ(FBar->Position(), 10);
  FBar->SetPageSize(11);
  EXPECT_EQ(FBar->PageSize(), 2);
  FBar->SetPageSize(-1);
  EXPECT_EQ(FBar->PageSize(), 2);
  FBar->SetLineSize(10);
  EXPECT_EQ(FBar->LineSize(), 10);
  EXPECT_EQ(FLog, (std::vector<int>{4, 10, 0, 10}));
}

TEST_F(SkinTrackBar, AFrequencyBelowOneCountsAsOne) {
  FBar->SetMax(4);
  for (const int frequency : {0, -5, 1}) {
    FBar->SetFrequency(frequency);
    EXPECT_EQ(FBar->TickOffsets().size(), 5U) << frequency;
  }
}

TEST_F(SkinTrackBar, TicksNeverCrowdMoreThanOneAPixelAndStopAtMax) {
  for (const auto& [min, max, frequency] : {std::tuple{0, INT_MAX, 1}, {INT_MIN, INT_MAX, 1}, {0, 1000, 7}}) {
    FBar->SetMin(INT_MIN);
    FBar->SetMax(max);
    FBar->SetMin(min);
    FBar->SetFrequency(frequency);
    const std::vector<int> ticks = FBar->TickOffsets();
    ASSERT_FALSE(ticks.empty());
    EXPECT_EQ(ticks.front(), 5);
    EXPECT_EQ(ticks.back(), 194);
    EXPECT_LE(ticks.size(), 190U);
    for (std::size_t i = 1; i < ticks.size(); ++i) EXPECT_LT(ticks[i - 1], ticks[i]);
  }
}

TEST_F(SkinTrackBar, PositionMathsHoldsAtTheEndsOfTheIntegerRange) {
  FBar->SetMin(INT_MIN);
  FBar->SetMax(INT_MAX);
  FBar->SetPageSize(INT_MAX);
  FBar->SetLineSize(INT_MAX);
  FBar->SetPosition(INT_MAX);
  EXPECT_EQ(FBar->SliderOffset(), 189);
  EXPECT_EQ(FBar->ValueAt(200), INT_MAX);
  EXPECT_EQ(FBar->ValueAt(-1000), INT_MIN);
  ShowForm();
  FBar->SetFocus();
  for (const plat::UINT key : {plat::VK_NEXT, plat::VK_RIGHT, plat::VK_END}) {
    plat::InjectKeyPress(key);
    Pump();
    EXPECT_EQ(FBar->Position(), INT_MAX);
  }
  for (const plat::UINT key : {plat::VK_HOME, plat::VK_PRIOR, plat::VK_LEFT}) {
    plat::InjectKeyPress(key);
    Pump();
    EXPECT_EQ(FBar->Position(), INT_MIN);
  }
  EXPECT_EQ(FBar->SliderOffset(), 0);
}

TEST_F(SkinTrackBar, TheValueUnderTheMouseRoundsHalvesToEven) {
  // 21 wide: the slider travels 10 pixels over 0..5, half a value a pixel.
  FBar->SetWidth(21);
  FBar->SetMax(5);
  const struct {
    int X;
    int Value;
  } cases[] = {{0, 0}, {5, 0}, {6, 0}, {7, 1}, {8, 2}, {10, 2}, {12, 4}, {14, 4}, {15, 5}, {40, 5}};
  for (const auto& c : cases) EXPECT_EQ(FBar->ValueAt(c.X), c.Value) << c.X;
}

TEST_F(SkinTrackBar, ASliderAsWideAsTheBarReadsMin) {
  FBar->SetMin(3);
  FBar->SetMax(9);
  plat::TPicture wide;
  wide.Bitmap()->SetSize(200, 21);
  FBar->SetSliderImage(&wide);
  for (const int x : {0, 100, 199, 500}) EXPECT_EQ(FBar->ValueAt(x), 3) << x;
}

TEST_F(SkinTrackBar, KeysMoveByPageAndLineAndToTheEnds) {
  FBar->SetMax(100);
  FBar->SetPosition(50);
  FBar->SetPageSize(10);
  FBar->SetLineSize(3);
  ShowForm();
  FBar->SetFocus();
  const struct {
    plat::UINT Key;
    int Position;
  } cases[] = {{plat::VK_PRIOR, 40}, {plat::VK_NEXT, 50}, {plat::VK_LEFT, 47}, {plat::VK_UP, 44},
               {plat::VK_RIGHT, 47}, {plat::VK_DOWN, 50}, {plat::VK_END, 100}, {plat::VK_HOME, 0}};
  for (const auto& c : cases) {
    plat::InjectKeyPress(c.Key);
    Pump();
    EXPECT_EQ(FBar->Position(), c.Position) << c.Key;
  }
}

TEST_F(SkinTrackBar, PagingStepsTowardTheMouseAndStopsThere) {
  FBar->SetMax(100);
  ShowForm();
  // x = 150 is value 77 (round(145 * 100 / 189)).
  ASSERT_EQ(FBar->ValueAt(150), 77);
  plat::InjectMouseDown(At(150));
  Pump();
  EXPECT_EQ(FLog, std::vector<int>{2});
  EXPECT_TRUE(FBar->Paging());
  for (int i = 0; i < 20; ++i) Tick();
  std::vector<int> expected{2};
  for (int p = 8; p < 77; p += 6) expected.push_back(p);
  expected.push_back(77);
  EXPECT_EQ(FLog, expected);
  EXPECT_EQ(FBar->Position(), 77);
  plat::InjectMouseUp(At(150));
  Pump();
  EXPECT_FALSE(FBar->Paging());
}

TEST_F(SkinTrackBar, PagingStopsOnReleaseDisableHideAndLeaving) {
  const std::function<void(TskTrackBar*)> stops[] = {
      [](TskTrackBar* Bar) {
        plat::InjectMouseUp(OnScreen(Bar, {150, 5}));
      },
      [](TskTrackBar* Bar) { Bar->SetEnabled(false); },
      [](TskTrackBar* Bar) { Bar->SetVisible(false); },
      [](TskTrackBar* Bar) {
        plat::InjectMouseMove(OnScreen(Bar, {150, 60}));
      },
  };
  FBar->SetMax(100);
  ShowForm();
  for (const auto& stop : stops) {
    FBar->SetEnabled(true);
    FBar->SetVisible(true);
    FBar->SetPosition(0);
    Pump();
    plat::InjectMouseDown(At(150));
    Pump();
    Tick();
    ASSERT_TRUE(FBar->Paging());
    stop(FBar);
    Pump();
    EXPECT_FALSE(FBar->Paging());
    const int stopped = FBar->Position();
    Tick();
    Tick();
    EXPECT_EQ(FBar->Position(), stopped);
    plat::InjectMouseUp(At(150));
    Pump();
  }
}

TEST_F(SkinTrackBar, ATickMayStopOrDeleteTheBarItBelongsTo) {
  FBar->SetMax(100);
  ShowForm();
  FBar->OnChange = [this](plat::TObject*) {
    FLog.push_back(FBar->Position());
    if (FLog.size() == 2) FBar->SetEnabled(false);
  };
  plat::InjectMouseDown(At(150));
  Pump();
  Tick();
  Tick();
  Tick();
  EXPECT_EQ(FLog, (std::vector<int>{2, 8}));
  EXPECT_FALSE(FBar->Paging());
  plat::InjectMouseUp(At(150));
  Pump();

  FBar->SetEnabled(true);
  FBar->OnChange = [this](plat::TObject*) {
    // The handler is the bar's: nothing of it is touched after the delete.
    if (FBar->Position() > 10) delete std::exchange(FBar, nullptr);
  };
  plat::InjectMouseDown(At(150));
  Pump();
  Tick();
  Tick();
  EXPECT_EQ(FBar, nullptr);
  Tick();
  plat::InjectMouseUp(OnScreen(FForm, {150, 20}));
  Pump();
}

TEST_F(SkinTrackBar, DraggingTheSliderFollowsTheMouse) {
  FBar->SetMax(100);
  std::vector<plat::TPoint> presses;
  FBar->OnMouseDown = [&](plat::TObject* Sender, plat::TMouseButton, plat::TShiftState, int X, int Y) {
    EXPECT_EQ(Sender, FBar);
    presses.push_back({X, Y});
  };
  ShowForm();
  const int middle = FBar->Height() / 2;
  plat::InjectMouseDown(At(5));
  Pump();
  ASSERT_EQ(presses.size(), 1U);
  EXPECT_EQ(presses[0].X, 5);
  EXPECT_EQ(presses[0].Y, middle);
  EXPECT_TRUE(FLog.empty());
  plat::InjectMouseMove(At(100));
  Pump();
  EXPECT_EQ(FBar->Position(), FBar->ValueAt(100));
  plat::InjectMouseMove(OnScreen(FBar, {400, 90}));
  Pump();
  EXPECT_EQ(FBar->Position(), 100);
  EXPECT_EQ(FBar->Slider()->Left(), 189);
  plat::InjectMouseUp(OnScreen(FBar, {400, 90}));
  Pump();
  plat::InjectMouseMove(At(20));
  Pump();
  EXPECT_EQ(FBar->Position(), 100);
  EXPECT_EQ(FLog, (std::vector<int>{FBar->ValueAt(100), 100}));
  EXPECT_FALSE(FBar->Paging());
}

TEST_F(SkinTrackBar, MacOSMakesItTransparentAndAVerticalBarTicksBothSides) {
  EXPECT_FALSE(FBar->Transparent());
  FBar->SetUIStyle(TskUIStyle::MacOS);
  EXPECT_TRUE(FBar->Transparent());
  FBar->SetUIStyle(TskUIStyle::WinXP);
  EXPECT_TRUE(FBar->Transparent());

  FBar->SetOrientation(TskProgressBarOrientation::skVertical);
  FBar->SetBounds(10, 10, 30, 200);
  FBar->SetMax(1);
  FBar->SetTransparent(false);
  ShowForm();
  // Ticks at 5 (under the slider) and 194.
  EXPECT_EQ(Row(FBar, 194, 0, FBar->Width(), plat::clBlack), "###" + std::string(FBar->Width() - 6, '.') + "###");
}

}  // namespace
}  // namespace skintest
