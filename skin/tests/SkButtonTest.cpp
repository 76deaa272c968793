// The skinned push button on real windows in the headless display: its
// frames by state read back from the window's pixels, and its clicks, keys,
// roles and repeat from the real queue, logged as they happen.
#include "skin/SkButton.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TForm.h"
#include "platform/win/InputInjection.h"
#include "platform/win/VirtualKeys.h"
#include "platform/ui/TypInfo.h"
#include "skin/SkCheckBox.h"
#include "skin/SkImageButton.h"
#include "skin/SkThemes.h"
#include "skin/SkinGeometry.h"
#include "skin/tests/ButtonSkins.h"
#include "skin/tests/TestFrame.h"
#include "testing/FormTest.h"

namespace zorbit {
namespace {

using plat::TPoint;

class SkButton : public testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    FForm = new plat::TForm(plat::Application);
    FForm->SetBounds(0, 0, 320, 200);
    FTheme = skintest::LoadButtonSkin(FForm, FFolder);
  }

  // A themed button named Name whose clicks go to the log.
  TskButton* AddButton(const std::string& Name, int Left, int Top) {
    auto* button = new TskButton(FForm);
    button->SetParent(FForm);
    button->SetBounds(Left, Top, 80, 27);
    button->SetFileTheme(FTheme);
    button->SetUIStyle(TskUIStyle::FromThemeFile);
    button->OnClick = [this, Name](plat::TObject*) { FLog.push_back(Name); };
    return button;
  }

  // Shows the form and holds the left button down on Button's middle.
  TPoint HoldDown(TskButton* Button) {
    FForm->Show();
    Pump();
    const TPoint at = OnScreen(Button, {40, 13});
    plat::InjectMouseMove(at);
    plat::InjectMouseDown(at);
    Pump();
    return at;
  }

  static void Key(plat::UINT Key, bool Down) {
    if (Down) {
      plat::InjectKeyDown(Key);
    } else {
      plat::InjectKeyUp(Key);
    }
    Pump();
  }

  plat::TForm* FForm = nullptr;
  TskFileTheme* FTheme = nullptr;
  std::vector<std::string> FLog;
  testing::TTempFolder FFolder{"zorbit-skbutton"};
};

TEST_F(SkButton, ShowsItsThreeFramesByState) {
  TskButton* button = AddButton("OK", 20, 20);
  button->SetTabStop(false);  // no focus rectangle over the probe
  FForm->Show();
  Pump();
  const TPoint middle{40, 13};
  EXPECT_EQ(PixelAt(button, middle), skintest::kButtonNormal);
  plat::InjectMouseMove(OnScreen(button, middle));
  Pump();
  EXPECT_EQ(PixelAt(button, middle), skintest::kButtonMouseOn);
  plat::InjectMouseDown(OnScreen(button, middle));
  Pump();
  EXPECT_EQ(PixelAt(button, middle), skintest::kButtonPressed);
  plat::InjectMouseUp(OnScreen(button, middle));
  Pump();
  EXPECT_EQ(PixelAt(button, middle), skintest::kButtonMouseOn);
  EXPECT_EQ(FLog, std::vector<std::string>{"OK"});
  // Disabled shows the normal frame, hot or not.
  button->SetEnabled(false);
  Pump();
  EXPECT_EQ(PixelAt(button, middle), skintest::kButtonNormal);
  plat::InjectMouseMove({300, 190});
  Pump();
  EXPECT_EQ(PixelAt(button, middle), skintest::kButtonNormal);
}

TEST_F(SkButton, ReleasedEnterOrSpaceClicksTheFocusedButtonAndNotTheDefault) {
  TskButton* ok = AddButton("OK", 10, 10);
  ok->SetDefault(true);
  TskButton* other = AddButton("Other", 100, 10);
  TskButton* cancel = AddButton("Cancel", 190, 10);
  cancel->SetCancel(true);
  auto* edit = new plat::TEdit(FForm);
  edit->SetParent(FForm);
  edit->SetBounds(10, 100, 100, 21);
  FForm->Show();
  other->SetFocus();
  Pump();
  for (const plat::UINT key : {plat::VK_RETURN, plat::VK_SPACE}) {
    Key(key, true);
    EXPECT_TRUE(FLog.empty()) << key;  // pressed only: nothing until release
    Key(key, false);
    EXPECT_EQ(FLog, std::vector<std::string>{"Other"}) << key;
    FLog.clear();
  }
  // With the focus off the skinned buttons, Enter goes to the default one.
  edit->SetFocus();
  Pump();
  Key(plat::VK_RETURN, true);
  Key(plat::VK_RETURN, false);
  Key(plat::VK_ESCAPE, true);
  Key(plat::VK_ESCAPE, false);
  EXPECT_EQ(FLog, (std::vector<std::string>{"OK", "Cancel"}));
}

TEST_F(SkButton, ModalResultOneEndsAModalFormWithOne) {
  TskButton* ok = AddButton("OK", 20, 20);
  ok->SetModalResult(plat::mrOk);
  // The click waits in the queue until the modal loop runs it.
  FForm->SetBounds(0, 0, 320, 200);
  FForm->HandleNeeded();
  const TPoint at = OnScreen(ok, {40, 13});
  plat::InjectClick(at);
  EXPECT_EQ(FForm->ShowModal(), plat::mrOk);
  EXPECT_EQ(FLog, std::vector<std::string>{"OK"});
}

TEST_F(SkButton, HoldingTheMouseRepeatsUntilReleaseThenClicksOnce) {
  TskButton* button = AddButton("Hold", 20, 20);
  button->SetMouseContinuouslyDownInterval(100);
  button->OnMouseContinuouslyDown = [this](plat::TObject*) { FLog.push_back("tick"); };
  const TPoint at = HoldDown(button);
  for (int i = 0; i < 3; ++i) {
    Clock().Advance(100);
    Pump();
  }
  plat::InjectMouseUp(at);
  Pump();
  Clock().Advance(500);
  Pump();
  EXPECT_EQ(FLog, (std::vector<std::string>{"tick", "tick", "tick", "Hold"}));
}

// What ends a held press, and what the repeat does after it.
struct TRepeatStop {
  const char* Name;
  void (*Stop)(TskButton& Button, TPoint Outside);
};

class SkButtonRepeat : public SkButton, public ::testing::WithParamInterface<TRepeatStop> {};

TEST_P(SkButtonRepeat, StopsTheRepeat) {
  TskButton* button = AddButton("Hold", 20, 20);
  int ticks = 0;
  button->OnMouseContinuouslyDown = [&ticks](plat::TObject*) { ++ticks; };
  HoldDown(button);
  Clock().Advance(100);
  Pump();
  ASSERT_EQ(ticks, 1);
  GetParam().Stop(*button, OnScreen(FForm, {300, 180}));
  Pump();
  Clock().Advance(1000);
  Pump();
  EXPECT_EQ(ticks, 1);
  EXPECT_TRUE(FLog.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ends, SkButtonRepeat,
    ::testing::Values(
        TRepeatStop{"MouseUpOutside",
                    [](TskButton&, TPoint Outside) {
                      plat::InjectMouseMove(Outside);
                      plat::InjectMouseUp(Outside);
                    }},
        TRepeatStop{"Disabling", [](TskButton& Button, TPoint) { Button.SetEnabled(false); }},
        TRepeatStop{"Hiding", [](TskButton& Button, TPoint) { Button.Hide(); }}),
    [](const ::testing::TestParamInfo<TRepeatStop>& Info) { return std::string(Info.param.Name); });

TEST_F(SkButton, ARepeatEndedInsideItsOwnTickTicksNoMore) {
  TskButton* button = AddButton("Hold", 20, 20);
  int ticks = 0;
  // Disabling ends the press and frees the timer that runs this handler.
  button->OnMouseContinuouslyDown = [&ticks, button](plat::TObject*) {
    ++ticks;
    button->SetEnabled(false);
  };
  const TPoint at = HoldDown(button);
  for (int i = 0; i < 3; ++i) {
    Clock().Advance(100);
    Pump();
  }
  EXPECT_EQ(ticks, 1);
  // A later press starts a new timer.
  button->SetEnabled(true);
  plat::InjectMouseUp(at);
  plat::InjectMouseDown(at);
  Pump();
  Clock().Advance(100);
  Pump();
  EXPECT_EQ(ticks, 2);
}

TEST_F(SkButton, AButtonFreedByItsOwnRepeatHandlerLeavesNothingBehind) {
  TskButton* button = AddButton("Hold", 20, 20);
  int ticks = 0;
  button->OnMouseContinuouslyDown = [&ticks, &button](plat::TObject*) {
    ++ticks;
    delete std::exchange(button, nullptr);
  };
  const TPoint at = HoldDown(button);
  Clock().Advance(100);
  Pump();
  Clock().Advance(100);
  Pump();
  plat::InjectMouseUp(at);
  Pump();
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(button, nullptr);
}

TEST_F(SkButton, AutoSizeTakesOneFrameOfTheBuiltInPicture) {
  struct TCase {
    TskUIStyle Style;
    int Width;
    int Height;
  };
  // Picture widths 252, 54, 222, 222, 231 hold three frames each; a file
  // theme is not asked, and FromThemeFile has no built-in picture.
  const TCase cases[] = {{TskUIStyle::MacOS, 84, 23},    {TskUIStyle::WinXP, 18, 21},
                         {TskUIStyle::DeepBlue, 74, 21}, {TskUIStyle::BlueGlass, 77, 27},
                         {TskUIStyle::FromThemeFile, 24, 21}};
  TskButton* button = AddButton("Sized", 0, 0);
  for (const TCase& c : cases) {
    button->SetAutoSize(false);
    button->SetUIStyle(c.Style);
    button->SetAutoSize(true);
    EXPECT_EQ(button->Width(), c.Width) << static_cast<int>(c.Style);
    EXPECT_EQ(button->Height(), c.Height) << static_cast<int>(c.Style);
  }
}

TEST_F(SkButton, TakesTransparentFromTheStyleAndForgetsAFreedTheme) {
  TskButton* button = AddButton("OK", 0, 0);
  EXPECT_FALSE(button->Transparent());  // the file says 0
  button->SetUIStyle(TskUIStyle::DeepBlue);
  EXPECT_EQ(button->Transparent(), GetBuiltinBool(TskUIStyle::DeepBlue, element::ButtonTransparentBool));
  button->SetUIStyle(TskUIStyle::FromThemeFile);
  delete FTheme;
  EXPECT_EQ(button->FileTheme(), nullptr);
  EXPECT_EQ(button->UIStyle(), TskUIStyle::DeepBlue);
}

TEST_F(SkButton, PlacesItsGlyphAndCaptionByLayout) {
  plat::TBitmap glyph;
  glyph.SetSize(10, 8);
  glyph.Canvas()->Brush()->SetColor(plat::clBlack);
  glyph.Canvas()->FillRect({0, 0, 10, 8});
  glyph.Canvas()->Brush()->SetColor(plat::clYellow);
  glyph.Canvas()->FillRect({1, 1, 9, 7});  // the black border is the transparent colour
  TskButton* button = AddButton("", 20, 20);
  button->SetTabStop(false);
  button->SetGlyph(&glyph);
  FForm->Show();
  Pump();
  // No caption: glyph left is (80 - 10 - 0 - 4) div 2 = 33, top (27 - 8) div 2 = 9.
  EXPECT_EQ(PixelAt(button, {33, 9}), skintest::kButtonNormal);
  EXPECT_EQ(PixelAt(button, {34, 10}), plat::clYellow);
  EXPECT_EQ(PixelAt(button, {41, 15}), plat::clYellow);
  EXPECT_EQ(PixelAt(button, {42, 16}), skintest::kButtonNormal);
  button->SetLayout(TButtonLayout::blGlyphRight);  // left (80 + 0 + 4 - 10) div 2 = 37
  Pump();
  EXPECT_EQ(PixelAt(button, {38, 10}), plat::clYellow);
  EXPECT_EQ(PixelAt(button, {37, 10}), skintest::kButtonNormal);
  // Pressed, glyph and caption move one pixel down and right.
  plat::InjectMouseMove(OnScreen(button, {60, 20}));
  plat::InjectMouseDown(OnScreen(button, {60, 20}));
  Pump();
  EXPECT_EQ(PixelAt(button, {38, 10}), skintest::kButtonPressed);
  EXPECT_EQ(PixelAt(button, {39, 11}), plat::clYellow);
  plat::InjectMouseUp(OnScreen(button, {60, 20}));
  Pump();
}

TEST_F(SkButton, TakesItsActionsCaptionAndImageWhileItHasNoGlyph) {
  auto* images = new plat::TImageList(FForm);
  images->SetSize(8, 8);
  plat::TBitmap strip;
  strip.SetSize(16, 8);
  strip.Canvas()->Brush()->SetColor(plat::clYellow);
  strip.Canvas()->FillRect({0, 0, 16, 8});
  images->AddMasked(&strip, plat::clFuchsia);
  auto* list = new plat::TActionList(FForm);
  list->SetImages(images);
  auto* action = new plat::TAction(FForm);
  action->SetActionList(list);
  action->SetCaption("Run");
  action->SetImageIndex(1);
  TskButton* button = AddButton("", 0, 0);
  button->SetAction(action);
  EXPECT_EQ(button->Caption(), "Run");
  EXPECT_EQ(button->Glyph()->Width(), 8);
  EXPECT_EQ(button->Glyph()->Canvas()->Pixels(4, 4), plat::clYellow);
  // A button with a glyph keeps it.
  TskButton* own = AddButton("", 0, 40);
  plat::TBitmap glyph;
  glyph.SetSize(4, 4);
  own->SetGlyph(&glyph);
  own->SetAction(action);
  EXPECT_EQ(own->Glyph()->Width(), 4);
}

TEST_F(SkButton, AnAcceleratorClicksAnEnabledButton) {
  TskButton* ok = AddButton("OK", 10, 10);
  ok->SetCaption("&OK");
  TskButton* other = AddButton("Other", 100, 10);
  other->SetCaption("&Other");
  other->SetEnabled(false);
  FForm->Show();
  ok->SetFocus();
  Pump();
  plat::InjectText("o");
  Pump();
  EXPECT_EQ(FLog, std::vector<std::string>{"OK"});
}

TEST_F(SkButton, NewControlsTakeTheFramesStyleAndTheThemeWalkReachesThem) {
  skintest::RegisterTestFrame();
  auto* frame = new skintest::TskForm(FForm);
  frame->SetParent(FForm);
  frame->SetUIStyle(TskUIStyle::MacOS);
  auto* button = new TskButton(FForm);
  auto* box = new TskCheckBox(FForm);
  auto* image = new TskImageButton(FForm);
  EXPECT_EQ(button->UIStyle(), TskUIStyle::MacOS);
  EXPECT_EQ(box->UIStyle(), TskUIStyle::MacOS);
  for (plat::TControl* control : std::initializer_list<plat::TControl*>{button, box, image}) {
    control->SetParent(FForm);
  }
  ContainerApplyUIStyle(*FForm, TskUIStyle::FromThemeFile, FTheme);
  EXPECT_EQ(button->FileTheme(), FTheme);
  EXPECT_EQ(box->FileTheme(), FTheme);
  EXPECT_EQ(button->UIStyle(), TskUIStyle::FromThemeFile);
  EXPECT_EQ(image->FileTheme(), nullptr);  // it publishes no FileTheme
  plat::SetOrdProp(*image, "UIStyle", static_cast<int>(TskUIStyle::WinXP));
  EXPECT_EQ(plat::GetOrdProp(*image, "UIStyle"), static_cast<int>(TskUIStyle::FromThemeFile));
}

}  // namespace
}  // namespace zorbit
