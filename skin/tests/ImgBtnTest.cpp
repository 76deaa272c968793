// The picture button TImgBtn in the headless display: pictures by state,
// sticky buttons in groups, the disabled look and the background blend, read
// back from the window's pixels, with the clicks from the real queue.
#include "skin/ImgBtn.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/ui/TForm.h"
#include "platform/win/InputInjection.h"
#include "skin/tests/ButtonSkins.h"
#include "testing/FormTest.h"

namespace zorbit {
namespace {

using plat::TPoint;

void FillPicture(plat::TPicture& Picture, plat::TColor Color) { skintest::FillPicture(Picture, Color, 20, 20); }

class ImgBtn : public testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    FForm = new plat::TForm(plat::Application);
    FForm->SetBounds(0, 0, 320, 200);
    FPanel = new plat::TPanel(FForm);
    FPanel->SetParent(FForm);
    FPanel->SetBounds(0, 0, 320, 200);
    FPanel->SetBevelOuter(plat::TBevelCut::bvNone);
    FPanel->SetColor(plat::clBlack);
  }

  // A 40 x 40 button whose pictures are red (Pic), lime (PicUp) and blue
  // (PicDown), centred, logging its clicks by name.
  TImgBtn* AddButton(const std::string& Name, int Left) {
    auto* button = new TImgBtn(FForm);
    button->SetParent(FPanel);
    button->SetBounds(Left, 20, 40, 40);
    plat::TPicture picture;
    FillPicture(picture, plat::clRed);
    button->SetPic(&picture);
    FillPicture(picture, plat::clLime);
    button->SetPicUp(&picture);
    FillPicture(picture, plat::clBlue);
    button->SetPicDown(&picture);
    button->OnClick = [this, Name](plat::TObject*) { FLog.push_back(Name); };
    return button;
  }
  static plat::COLORREF Shown(TImgBtn* Button) { return PixelAt(Button, {20, 20}); }
  static void Move(TImgBtn* Button) { plat::InjectMouseMove(OnScreen(Button, {20, 20})); }

  plat::TForm* FForm = nullptr;
  plat::TPanel* FPanel = nullptr;
  std::vector<std::string> FLog;
};

TEST_F(ImgBtn, AStatelessButtonShowsDownThenUpThenNormal) {
  TImgBtn* button = AddButton("A", 20);
  FForm->Show();
  Pump();
  EXPECT_EQ(Shown(button), plat::clRed);
  Move(button);
  Pump();
  EXPECT_EQ(Shown(button), plat::clLime);
  plat::InjectMouseDown(OnScreen(button, {20, 20}));
  Pump();
  EXPECT_EQ(Shown(button), plat::clBlue);
  plat::InjectMouseUp(OnScreen(button, {20, 20}));
  Pump();
  EXPECT_EQ(Shown(button), plat::clLime);
  EXPECT_FALSE(button->Down());
  plat::InjectMouseMove({300, 180});
  Pump();
  EXPECT_EQ(Shown(button), plat::clRed);
  EXPECT_EQ(FLog, std::vector<std::string>{"A"});
}

TEST_F(ImgBtn, AStickyButtonInAGroupStaysDownAndRaisesTheOthers) {
  TImgBtn* buttons[] = {AddButton("A", 20), AddButton("B", 80), AddButton("C", 140)};
  for (TImgBtn* button : buttons) {
    button->SetStateless(false);
    button->SetGroupID(1);
  }
  TImgBtn* loner = AddButton("D", 200);
  loner->SetStateless(false);
  loner->SetGroupID(2);
  FForm->Show();
  Pump();
  for (TImgBtn* clicked : {buttons[0], loner, buttons[2], buttons[2]}) {
    ClickControl(clicked);
    Clock().Advance(1000);  // separate clicks, not a double click
    Pump();
  }
  plat::InjectMouseMove({300, 180});
  Pump();
  EXPECT_FALSE(buttons[0]->Down());
  EXPECT_FALSE(buttons[1]->Down());
  EXPECT_TRUE(buttons[2]->Down());  // a second click leaves it down
  EXPECT_TRUE(loner->Down());       // another group
  EXPECT_EQ(Shown(buttons[2]), plat::clBlue);
  EXPECT_EQ(Shown(buttons[0]), plat::clLime);  // raised by the group: its PicUp
  EXPECT_EQ(FLog, (std::vector<std::string>{"A", "D", "C", "C"}));
}

TEST_F(ImgBtn, AllowAllUpBringsADownButtonUpOnClick) {
  TImgBtn* button = AddButton("A", 20);
  button->SetStateless(false);
  button->SetAllowAllUp(true);
  FForm->Show();
  Pump();
  ClickControl(button);
  Clock().Advance(1000);
  Pump();
  EXPECT_TRUE(button->Down());
  ClickControl(button);
  Pump();
  EXPECT_FALSE(button->Down());
  EXPECT_EQ(Shown(button), plat::clLime);
}

TEST_F(ImgBtn, ADisabledButtonGreysItsCaptionAndIgnoresTheMouse) {
  TImgBtn* button = AddButton("A", 20);
  button->SetBounds(20, 20, 120, 40);
  button->SetPic(nullptr);
  button->Picture()->SetGraphic(nullptr);
  button->SetPicUp(nullptr);
  button->SetPicDown(nullptr);
  button->SetCaption("WWWW");
  button->Font()->SetColor(plat::clBlack);
  button->SetColor(plat::clWhite);
  button->SetEnabled(false);
  FForm->Show();
  Pump();
  ClickControl(button);
  Pump();
  EXPECT_TRUE(FLog.empty());
  EXPECT_FALSE(button->Down());
  int grey = 0;
  int black = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 120; ++x) {
      const plat::COLORREF pixel = PixelAt(button, {x, y});
      grey += pixel == 0x808080;
      black += pixel == plat::clBlack;
    }
  }
  EXPECT_GT(grey, 10);
  EXPECT_EQ(black, 0);
}

TEST_F(ImgBtn, TakesPicUpAsItsNormalPictureWhenItHasNone) {
  auto* button = new TImgBtn(FForm);
  button->SetParent(FPanel);
  button->SetBounds(20, 20, 40, 40);
  plat::TPicture picture;
  FillPicture(picture, plat::clLime);
  button->SetPicUp(&picture);
  FForm->Show();
  Pump();
  EXPECT_EQ(Shown(button), plat::clLime);
  EXPECT_EQ(button->Pic()->Width(), 20);
}

TEST_F(ImgBtn, BlendsHalfwayWithTheParentCapturedOnEntry) {
  TImgBtn* button = AddButton("A", 20);
  button->SetPic(nullptr);
  button->Picture()->SetGraphic(nullptr);
  button->SetPicUp(nullptr);
  button->SetPicDown(nullptr);
  button->SetColor(plat::clWhite);
  button->SetSemiPercent(50);
  FForm->Show();
  Pump();
  // Before the mouse came there is no capture: plain Color.
  EXPECT_EQ(Shown(button), plat::clWhite);
  Move(button);
  Pump();
  EXPECT_EQ(Shown(button), 0x808080u);
  // A capture of another size is not used.
  button->SetBounds(20, 20, 50, 40);
  Pump();
  EXPECT_EQ(Shown(button), plat::clWhite);
}

TEST_F(ImgBtn, KeepsSemiPercentWithinAHundred) {
  TImgBtn* button = AddButton("A", 20);
  const int cases[][2] = {{-5, 0}, {0, 0}, {40, 40}, {100, 100}, {250, 100}};
  for (const auto& c : cases) {
    button->SetSemiPercent(c[0]);
    EXPECT_EQ(button->SemiPercent(), c[1]) << c[0];
  }
}

}  // namespace
}  // namespace zorbit
