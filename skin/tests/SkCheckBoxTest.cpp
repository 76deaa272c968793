// The skinned check box on real windows in the headless display: its four
// frames read back from the window's pixels, its clicks from the real queue.
#include "skin/SkCheckBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TForm.h"
#include "platform/win/InputInjection.h"
#include "platform/win/VirtualKeys.h"
#include "skin/SkButton.h"
#include "skin/SkinClasses.h"
#include "skin/tests/ButtonSkins.h"
#include "testing/FormTest.h"

namespace zorbit {
namespace {

class SkCheckBox : public testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    FForm = new plat::TForm(plat::Application);
    FForm->SetBounds(0, 0, 320, 200);
    FTheme = skintest::LoadButtonSkin(FForm, FFolder);
    FBox = new TskCheckBox(FForm);
    FBox->SetParent(FForm);
    FBox->SetBounds(20, 20, 93, 17);
    FBox->SetCaption("Check");
    FBox->SetFileTheme(FTheme);
    FBox->SetUIStyle(TskUIStyle::FromThemeFile);
    FBox->OnClick = [this](plat::TObject*) { FClicks.push_back(FBox->Checked()); };
  }

  // A point inside the picture, which sits at x = 1, vertically centred.
  plat::COLORREF Picture() { return PixelAt(FBox, {6, FBox->Height() / 2}); }

  plat::TForm* FForm = nullptr;
  TskFileTheme* FTheme = nullptr;
  TskCheckBox* FBox = nullptr;
  // Checked as each OnClick saw it.
  std::vector<bool> FClicks;
  testing::TTempFolder FFolder{"zorbit-skcheckbox"};
};

TEST_F(SkCheckBox, ShowsItsFourFrames) {
  FForm->Show();
  Pump();
  struct TCase {
    bool Checked;
    bool Enabled;
    plat::COLORREF Frame;
  };
  const TCase cases[] = {{true, true, skintest::kBoxChecked},
                         {false, true, skintest::kBoxUnchecked},
                         {true, false, skintest::kBoxCheckedDisabled},
                         {false, false, skintest::kBoxUncheckedDisabled}};
  for (const TCase& c : cases) {
    FBox->SetChecked(c.Checked);
    FBox->SetEnabled(c.Enabled);
    Pump();
    EXPECT_EQ(Picture(), c.Frame) << c.Checked << c.Enabled;
  }
  // The picture starts at x = 1; the box's colour is left of it.
  EXPECT_EQ(PixelAt(FBox, {0, FBox->Height() / 2}), plat::ColorToColorRef(FBox->Color()));
}

TEST_F(SkCheckBox, ClickSpaceAndEnterEachToggleOnceWithOneOnClick) {
  FForm->Show();
  Pump();
  ClickControl(FBox);
  Pump();
  EXPECT_TRUE(FBox->Focused());
  for (const plat::UINT key : {plat::VK_SPACE, plat::VK_RETURN}) {
    plat::InjectKeyPress(key);
    Pump();
  }
  EXPECT_EQ(FClicks, (std::vector<bool>{true, false, true}));
  EXPECT_EQ(Picture(), skintest::kBoxChecked);
}

TEST_F(SkCheckBox, EnterOnAFocusedBoxDoesNotReachTheDefaultButton) {
  auto* button = new TskButton(FForm);
  button->SetParent(FForm);
  button->SetBounds(150, 20, 80, 27);
  button->SetDefault(true);
  int pressed = 0;
  button->OnClick = [&pressed](plat::TObject*) { ++pressed; };
  FForm->Show();
  FBox->SetFocus();
  Pump();
  plat::InjectKeyPress(plat::VK_RETURN);
  Pump();
  EXPECT_EQ(FClicks, std::vector<bool>{true});
  EXPECT_EQ(pressed, 0);
}

TEST_F(SkCheckBox, OnClickOnlyForAChangeAndGreyedUnchecks) {
  FBox->SetChecked(false);
  EXPECT_TRUE(FClicks.empty());
  FBox->SetState(plat::TCheckBoxState::cbChecked);
  EXPECT_EQ(FBox->State(), plat::TCheckBoxState::cbChecked);
  FBox->SetState(plat::TCheckBoxState::cbGrayed);  // greyed is unchecked
  EXPECT_EQ(FBox->State(), plat::TCheckBoxState::cbUnchecked);
  EXPECT_EQ(FClicks, (std::vector<bool>{true, false}));
}

TEST_F(SkCheckBox, CheckedReadFromALayoutFiresNoClick) {
  RegisterSkinClasses();
  int clicks = 0;
  plat::TLayoutHandlers handlers;
  handlers.RegisterHandler("Clicked", [&clicks](plat::TObject*) { ++clicks; });
  auto* form = new plat::TForm(plat::Application);
  plat::ReadLayoutText(*form, R"({"Name": "fmLoaded", "Components": [
      {"Class": "TskCheckBox", "Name": "cbLoaded", "OnClick": "Clicked", "Checked": true}]})",
                       "Loaded", handlers);
  auto* box = dynamic_cast<TskCheckBox*>(form->FindComponent("cbLoaded"));
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 0);
  box->SetChecked(false);
  EXPECT_EQ(clicks, 1);
}

TEST_F(SkCheckBox, AutoSizeIsPictureCaptionAndEight) {
  FBox->SetUIStyle(TskUIStyle::WinXP);  // a 52 x 13 strip: frames 13 wide
  FBox->SetCaption("OK");
  plat::TBitmap measure;
  measure.SetSize(1, 1);
  measure.Canvas()->SetFont(*FBox->Font());
  EXPECT_EQ(FBox->Width(), 13 + measure.Canvas()->TextWidth("OK") + 8);
  EXPECT_EQ(FBox->Height(), std::max(measure.Canvas()->TextHeight("W") + 2, 13) + 4);
  FBox->SetAutoSize(false);
  FBox->SetWidth(200);
  FBox->SetCaption("Longer caption");
  EXPECT_EQ(FBox->Width(), 200);
}

}  // namespace
}  // namespace zorbit
