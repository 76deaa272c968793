// The skinned image button in the headless display: which of its four
// pictures each state shows, read back from the window's pixels.
#include "skin/SkImageButton.h"

#include <gtest/gtest.h>

#include "platform/gdi/TBitmap.h"
#include "platform/ui/TForm.h"
#include "platform/win/InputInjection.h"
#include "skin/tests/ButtonSkins.h"
#include "testing/FormTest.h"

namespace zorbit {
namespace {

using plat::TPoint;

// A picture of one colour with a black top-left pixel (the transparent one).
void FillPicture(plat::TPicture& Picture, plat::TColor Color) {
  skintest::FillPicture(Picture, Color, 30, 20);
  Picture.Bitmap()->Canvas()->SetPixels(0, 0, plat::clBlack);
}

class SkImageButton : public testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    FForm = new plat::TForm(plat::Application);
    FForm->SetBounds(0, 0, 200, 120);
    FButton = new TskImageButton(FForm);
    FButton->SetParent(FForm);
    FButton->SetBounds(20, 20, 60, 40);
    FButton->SetTabStop(false);
  }
  plat::COLORREF Middle() { return PixelAt(FButton, {15, 10}); }

  plat::TForm* FForm = nullptr;
  TskImageButton* FButton = nullptr;
};

TEST_F(SkImageButton, ShowsAPictureForEachStateAndNormalForAnEmptyOne) {
  FillPicture(*FButton->PicNormal(), plat::clRed);
  FillPicture(*FButton->PicMouseOn(), plat::clLime);
  FForm->Show();
  Pump();
  EXPECT_EQ(Middle(), plat::clRed);
  const TPoint at = OnScreen(FButton, {15, 10});
  plat::InjectMouseMove(at);
  Pump();
  EXPECT_EQ(Middle(), plat::clLime);
  plat::InjectMouseDown(at);
  Pump();
  EXPECT_EQ(Middle(), plat::clRed);  // no pressed picture: the normal one
  FillPicture(*FButton->PicMouseDown(), plat::clBlue);
  Pump();
  EXPECT_EQ(Middle(), plat::clBlue);
  plat::InjectMouseUp(at);
  FButton->SetEnabled(false);
  Pump();
  EXPECT_EQ(Middle(), plat::clRed);  // disabled without its picture: normal
  FillPicture(*FButton->PicDisabled(), plat::clYellow);
  Pump();
  EXPECT_EQ(Middle(), plat::clYellow);
  // The top-left pixel is transparent: the button's colour shows there.
  EXPECT_EQ(PixelAt(FButton, {0, 0}), plat::ColorToColorRef(FButton->Color()));
  // Not stretched: outside the picture is the button's colour.
  EXPECT_EQ(PixelAt(FButton, {45, 30}), plat::ColorToColorRef(FButton->Color()));
  FButton->SetStretch(true);
  Pump();
  EXPECT_EQ(PixelAt(FButton, {45, 30}), plat::clYellow);
}

TEST_F(SkImageButton, ReadsFromThemeFileAndSizesToItsNormalPicture) {
  FButton->SetUIStyle(TskUIStyle::MacOS);
  EXPECT_EQ(FButton->UIStyle(), TskUIStyle::FromThemeFile);
  FButton->SetAutoSize(true);
  FillPicture(*FButton->PicNormal(), plat::clRed);
  EXPECT_EQ(FButton->Width(), 30);
  EXPECT_EQ(FButton->Height(), 20);
}

}  // namespace
}  // namespace zorbit
