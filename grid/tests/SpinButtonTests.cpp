// The spin button pair on a real form in the headless display: how it lays
// its buttons out, where the focus goes, which keys click which button
// (logged), and what it paints, classic (as an ASCII picture) and themed
// (as the visual style is asked).
#include "grid/EsgSpinButton.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "grid/tests/SpinFormTest.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/testing/RecordingThemeService.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/win/InputInjection.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Display.h"
#include "platform/win/Windows.h"
#include "testing/ReferencePicture.h"

namespace zorbit {
namespace {

class SpinButton : public testing::SpinFormTest {
 protected:
  TEsgSpinButton* MakeSpin(plat::TRect Bounds) {
    auto* spin = Place<TEsgSpinButton>(Bounds);
    spin->OnUpClick = [this](plat::TObject*) { FLog.push_back("up"); };
    spin->OnDownClick = [this](plat::TObject*) { FLog.push_back("down"); };
    return spin;
  }
  static bool ShowsFocus(TExtTimerSpeedButton* Button) {
    return Button->TimeBtnState().Contains(TTimeBtnStateItem::tbFocusRect);
  }
  void Key(plat::UINT VirtualKey) {
    plat::InjectKeyPress(VirtualKey);
    Pump();
  }
  std::vector<std::string> FLog;
};

struct TLayoutCase {
  TSpinDirection Direction;
  int Width;
  int Height;
  plat::TRect Up;
  plat::TRect Down;
};

TEST_F(SpinButton, LaysItsButtonsOutByDirection) {
  const TLayoutCase cases[] = {
      // Vertical: the halves share one line.
      {TSpinDirection::spVertical, 15, 25, plat::Bounds(0, 0, 15, 12), plat::Bounds(0, 11, 15, 14)},
      {TSpinDirection::spVertical, 30, 40, plat::Bounds(0, 0, 30, 20), plat::Bounds(0, 19, 30, 21)},
      {TSpinDirection::spVertical, 9, 20, plat::Bounds(0, 0, 15, 10), plat::Bounds(0, 9, 15, 11)},
      // Horizontal: down at the left, up at the right.
      {TSpinDirection::spHorizontal, 20, 16, plat::Bounds(10, 0, 10, 16), plat::Bounds(0, 0, 10, 16)},
      {TSpinDirection::spHorizontal, 9, 16, plat::Bounds(10, 0, 10, 16), plat::Bounds(0, 0, 10, 16)},
  };
  for (const TLayoutCase& c : cases) {
    TEsgSpinButton* spin = MakeSpin(plat::Bounds(10, 10, 15, 25));
    spin->SetDirection(c.Direction);
    spin->SetBounds(10, 10, c.Width, c.Height);
    EXPECT_EQ(spin->UpButton()->BoundsRect(), c.Up) << c.Width << "x" << c.Height;
    EXPECT_EQ(spin->DownButton()->BoundsRect(), c.Down) << c.Width << "x" << c.Height;
    delete spin;
  }
}

TEST_F(SpinButton, StartsFifteenByTwentyFiveAndTakesItsDirectionsWidth) {
  TEsgSpinButton* spin = MakeSpin(plat::Bounds(10, 10, 15, 25));
  auto* fresh = new TEsgSpinButton(FForm);
  EXPECT_EQ(fresh->Width(), 15);
  EXPECT_EQ(fresh->Height(), 25);
  delete fresh;
  spin->HandleNeeded();
  const plat::HWND before = spin->Handle();
  spin->SetDirection(TSpinDirection::spHorizontal);
  EXPECT_EQ(spin->Width(), 20);
  EXPECT_EQ(spin->UpButton()->ButtonDirection(), TExtButtonDirection::bdRight);
  EXPECT_EQ(spin->DownButton()->ButtonDirection(), TExtButtonDirection::bdLeft);
  EXPECT_NE(spin->Handle(), before);  // a new window
  spin->SetDirection(TSpinDirection::spVertical);
  EXPECT_EQ(spin->Width(), 15);
  EXPECT_EQ(spin->UpButton()->ButtonDirection(), TExtButtonDirection::bdUp);
}

TEST_F(SpinButton, ArrowsAndSpaceClickTheirButtonsAndMoveTheFocusRectangle) {
  TEsgSpinButton* spin = MakeSpin(plat::Bounds(10, 10, 15, 25));
  spin->SetTabStop(true);
  EXPECT_EQ(spin->FocusedButton(), spin->UpButton());
  EXPECT_FALSE(ShowsFocus(spin->UpButton()));
  spin->SetFocus();
  Pump();
  EXPECT_TRUE(ShowsFocus(spin->UpButton()));
  Key(plat::VK_SPACE);
  Key(plat::VK_DOWN);
  Key(plat::VK_SPACE);
  EXPECT_TRUE(ShowsFocus(spin->DownButton()));
  EXPECT_FALSE(ShowsFocus(spin->UpButton()));
  Key(plat::VK_UP);
  EXPECT_EQ(FLog, (std::vector<std::string>{"up", "down", "down", "up"}));
  // Arrows stay with the pair instead of moving the form's focus.
  EXPECT_TRUE(spin->Focused());
  auto* edit = Place<plat::TEdit>(plat::Bounds(60, 10, 80, 24));
  edit->SetFocus();
  Pump();
  EXPECT_FALSE(ShowsFocus(spin->UpButton()));
}

TEST_F(SpinButton, PressingAButtonFocusesTheFocusControl) {
  TEsgSpinButton* spin = MakeSpin(plat::Bounds(10, 10, 15, 25));
  auto* edit = Place<plat::TEdit>(plat::Bounds(60, 10, 80, 24));
  auto* other = Place<plat::TEdit>(plat::Bounds(60, 60, 80, 24));
  spin->SetFocusControl(edit);
  other->SetFocus();
  Pump();
  Click(spin->DownButton());
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(spin->FocusedButton(), spin->DownButton());
  EXPECT_EQ(FLog, std::vector<std::string>{"down"});
  // A focus control that goes is forgotten.
  delete edit;
  EXPECT_EQ(spin->FocusControl(), nullptr);
  Click(spin->UpButton());
  EXPECT_EQ(FLog, (std::vector<std::string>{"down", "up"}));
}

TEST_F(SpinButton, ATabStopPairWithoutFocusControlTakesTheFocusItself) {
  TEsgSpinButton* spin = MakeSpin(plat::Bounds(10, 10, 15, 25));
  spin->SetTabStop(true);
  auto* edit = Place<plat::TEdit>(plat::Bounds(60, 10, 80, 24));
  edit->SetFocus();
  Pump();
  Click(spin->DownButton());
  EXPECT_TRUE(spin->Focused());
  EXPECT_TRUE(ShowsFocus(spin->DownButton()));
}

TEST_F(SpinButton, NoGlyphMeansTheProgramsArrowPicture) {
  TEsgSpinButton* spin = MakeSpin(plat::Bounds(10, 10, 15, 25));
  const plat::TSize arrow{spin->UpGlyph()->Width(), spin->UpGlyph()->Height()};
  EXPECT_EQ(arrow, (plat::TSize{9, 6}));
  plat::TBitmap twoFrames;
  twoFrames.SetSize(16, 8);
  spin->SetUpGlyph(&twoFrames);
  spin->SetUpNumGlyphs(2);
  EXPECT_EQ(spin->UpGlyph()->Width(), 16);
  spin->SetUpGlyph(nullptr);
  EXPECT_EQ((plat::TSize{spin->UpGlyph()->Width(), spin->UpGlyph()->Height()}), arrow);
  EXPECT_EQ(spin->UpNumGlyphs(), 1);
  spin->SetDownGlyph(nullptr);
  EXPECT_EQ((plat::TSize{spin->DownGlyph()->Width(), spin->DownGlyph()->Height()}), arrow);
}

// The themed look asks the visual style for its spin parts.
TEST_F(SpinButton, ThemedButtonsDrawTheStylesSpinPartsByState) {
  plat::testing::ThemeRecorder recorder;
  TEsgSpinButton* spin = MakeSpin(plat::Bounds(10, 10, 15, 25));
  spin->SetThemed(true);
  Pump();
  using Call = plat::testing::RecordingThemeService::DrawCall;
  const auto lastFor = [&](int Part) {
    for (auto it = recorder.Service().Calls().rbegin(); it != recorder.Service().Calls().rend(); ++it)
      if (it->PartId == Part) return *it;
    return Call{};
  };
  EXPECT_EQ(lastFor(1), (Call{u"spin", 1, 1, plat::Bounds(0, 0, 15, 12)}));
  EXPECT_EQ(lastFor(2), (Call{u"spin", 2, 1, plat::Bounds(0, 0, 15, 14)}));
  const plat::TPoint at = OnScreen(spin->UpButton(), {7, 5});
  plat::InjectMouseMove(at);
  Pump();
  EXPECT_EQ(lastFor(1).StateId, 2);  // hot
  plat::InjectMouseDown(at);
  Pump();
  EXPECT_EQ(lastFor(1).StateId, 3);  // pressed
  plat::InjectMouseUp(at);
  Pump();
  spin->SetDirection(TSpinDirection::spHorizontal);
  Pump();
  EXPECT_EQ(lastFor(3).PartId, 3);  // right: the up button
  EXPECT_EQ(lastFor(4).PartId, 4);  // left: the down button
  EXPECT_EQ(recorder.Service().OpenCount(), 0u);
}

TEST_F(SpinButton, ClassicButtonsShowTheirArrows) {
  TEsgSpinButton* spin = MakeSpin(plat::Bounds(10, 10, 15, 25));
  Pump();
  testing::KeepForInspection(*plat::WindowSurface(FForm->Handle()), "grid/spin-classic.png");
  // The halves share a line: the down button's light top edge covers the
  // up button's outer shadow.
  // clang-format off
  EXPECT_EQ(Picture(spin), (std::vector<std::string>{
                               "wwwwwwwwwwwwwwk",
                               "w............sk",
                               "w............sk",
                               "w............sk",
                               "w......#.....sk",
                               "w.....###....sk",
                               "w....#####...sk",
                               "w...#######..sk",
                               "w............sk",
                               "w............sk",
                               "wsssssssssssssk",
                               "wwwwwwwwwwwwwwk",
                               "w............sk",
                               "w............sk",
                               "w............sk",
                               "w............sk",
                               "w...#######..sk",
                               "w....#####...sk",
                               "w.....###....sk",
                               "w......#.....sk",
                               "w............sk",
                               "w............sk",
                               "w............sk",
                               "wsssssssssssssk",
                               "kkkkkkkkkkkkkkk",
                           }));
  // clang-format on
  Hold(spin->DownButton());
  // Held: sunken, the arrow one pixel down and right.
  // clang-format off
  EXPECT_EQ(Picture(spin->DownButton()), (std::vector<std::string>{
                                             "kkkkkkkkkkkkkkw",
                                             "kssssssssssss.w",
                                             "ks............w",
                                             "ks............w",
                                             "ks............w",
                                             "ks............w",
                                             "ks...#######..w",
                                             "ks....#####...w",
                                             "ks.....###....w",
                                             "ks......#.....w",
                                             "ks............w",
                                             "ks............w",
                                             "k.............w",
                                             "wwwwwwwwwwwwwww",
                                         }));
  // clang-format on
  plat::InjectMouseUp(OnScreen(FForm, {250, 150}));
  Pump();
  spin->SetDirection(TSpinDirection::spHorizontal);
  spin->SetHeight(14);
  Pump();
  testing::KeepForInspection(*plat::WindowSurface(FForm->Handle()), "grid/spin-horizontal.png");
  // Horizontal: scroll arrows, down pointing left, up pointing right.
  // clang-format off
  EXPECT_EQ(Picture(spin), (std::vector<std::string>{
                               "wwwwwwwwwkwwwwwwwwwk",
                               "w.......skw.......sk",
                               "w.......skw.......sk",
                               "w.......skw.......sk",
                               "w....#..skw..#....sk",
                               "w...##..skw..##...sk",
                               "w..###..skw..###..sk",
                               "w...##..skw..##...sk",
                               "w....#..skw..#....sk",
                               "w.......skw.......sk",
                               "w.......skw.......sk",
                               "w.......skw.......sk",
                               "wsssssssskwssssssssk",
                               "kkkkkkkkkkkkkkkkkkkk",
                           }));
  // clang-format on
}

}  // namespace
}  // namespace zorbit
