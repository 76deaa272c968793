// The skinned buttons and check boxes of every built-in style on one form in
// the headless display, kept as PNG pictures in the build folder
// (skin/tests/shots/Buttons-<style>.png) for a person to look at.
#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/PngCodec.h"
#include "platform/gdi/TBitmap.h"
#include "platform/rtl/FileUtils.h"
#include "platform/ui/TForm.h"
#include "platform/win/Display.h"
#include "skin/ImgBtn.h"
#include "skin/SkButton.h"
#include "skin/SkCheckBox.h"
#include "skin/SkImageButton.h"
#include "skin/SkThemes.h"
#include "skin/tests/StyleShots.h"
#include "testing/FileContent.h"
#include "testing/FormTest.h"
#include "testing/ProjectPaths.h"

namespace zorbit {
namespace {

using testing::TStyleShot;

class ButtonShots : public testing::FormTest, public ::testing::WithParamInterface<TStyleShot> {};

// The form's window as a PNG picture in the build folder's shots.
void KeepShot(plat::TForm* Form, const std::string& Name) {
  const plat::Bitmap* surface = plat::WindowSurface(Form->Handle());
  ASSERT_NE(surface, nullptr);
  const std::vector<plat::Byte> png = plat::WritePng(*surface);
  const std::string folder = testing::BuildPath("skin/tests/shots");
  ASSERT_TRUE(plat::ForceDirectories(folder));
  testing::WriteFileContent(folder + "/" + Name + ".png", std::string(png.begin(), png.end()));
}

template <typename T>
T* Place(plat::TForm* Form, int Left, int Top, const char* Caption) {
  auto* control = new T(Form);
  control->SetParent(Form);
  control->SetLeft(Left);
  control->SetTop(Top);
  control->SetCaption(Caption);
  return control;
}

TEST_P(ButtonShots, EveryControlShowsItsStyle) {
  const TskUIStyle style = GetParam().Style;
  auto* form = new plat::TForm(plat::Application);
  form->SetBounds(0, 0, 330, 170);
  form->SetColor(0xF0F0F0);

  auto* normal = Place<TskButton>(form, 10, 10, "Normal");
  auto* focused = Place<TskButton>(form, 100, 10, "&Focused");
  auto* disabled = Place<TskButton>(form, 190, 10, "Disabled");
  disabled->SetEnabled(false);
  auto* wide = Place<TskButton>(form, 10, 45, "A wide button");
  wide->SetWidth(170);
  auto* checked = Place<TskCheckBox>(form, 10, 85, "Checked");
  checked->SetChecked(true);
  Place<TskCheckBox>(form, 110, 85, "Unchecked");
  auto* greyed = Place<TskCheckBox>(form, 210, 85, "Disabled");
  greyed->SetEnabled(false);
  for (TskButton* button : {normal, focused, disabled, wide}) button->SetUIStyle(style);
  for (int i = 0; i < form->ControlCount(); ++i) {
    if (auto* box = dynamic_cast<TskCheckBox*>(form->Controls(i))) box->SetUIStyle(style);
  }

  auto* image = Place<TskImageButton>(form, 200, 45, "Image");
  image->SetBounds(200, 45, 60, 27);
  image->PicNormal()->Bitmap()->SetSize(60, 27);
  plat::TCanvas& pic = *image->PicNormal()->Bitmap()->Canvas();
  pic.Brush()->SetColor(0x40A040);
  pic.FillRect({0, 0, 60, 27});
  pic.Brush()->SetColor(plat::clWhite);  // the top-left colour: transparent
  pic.FrameRect({0, 0, 60, 27});
  auto* imgBtn = Place<TImgBtn>(form, 10, 120, "TImgBtn");
  imgBtn->SetBounds(10, 120, 120, 40);
  imgBtn->SetFlat(true);
  imgBtn->SetColor(0xFFE0C0);

  form->Show();
  focused->SetFocus();
  Pump();

  KeepShot(form, std::string("Buttons-") + GetParam().Name);

  // The normal button shows its style's frame, not the form under it.
  EXPECT_NE(PixelAt(normal, {normal->Width() / 2, normal->Height() / 2}), 0xF0F0F0u);
  // The checked box shows frame 1 of the style's strip at x = 1, centred.
  plat::TBitmap frame;
  GetBuiltinBitmapFrame(style, element::CheckBoxImage, &frame, 4, 1);
  const int x = frame.Width() / 2;
  const int y = frame.Height() / 2;
  EXPECT_EQ(PixelAt(checked, {1 + x, (checked->Height() - frame.Height()) / 2 + y}),
            plat::ColorToColorRef(frame.Canvas()->Pixels(x, y)));
}

INSTANTIATE_TEST_SUITE_P(Styles, ButtonShots, zorbit::testing::BuiltinStyleShots(), zorbit::testing::StyleShotName);

}  // namespace
}  // namespace zorbit

namespace zorbit {
namespace {

class ImgBtnShots : public testing::FormTest {};

TEST_F(ImgBtnShots, NineLayoutsOfPictureAndCaption) {
  auto* form = new plat::TForm(plat::Application);
  form->SetBounds(0, 0, 390, 230);
  form->SetColor(0x303030);
  for (int layout = 0; layout < 9; ++layout) {
    auto* button = Place<TImgBtn>(form, 10 + (layout % 3) * 125, 10 + (layout / 3) * 70, "Caption");
    button->SetBounds(button->Left(), button->Top(), 115, 60);
    button->SetLayout(static_cast<TGraphicLayout>(layout));
    button->SetFlat(true);
    plat::TPicture picture;
    plat::TBitmap* bitmap = picture.Bitmap();
    bitmap->SetSize(24, 24);
    bitmap->Canvas()->Brush()->SetColor(0x2080F0);
    bitmap->Canvas()->FillRect({0, 0, 24, 24});
    button->SetPic(&picture);
  }
  form->Show();
  Pump();
  KeepShot(form, "ImgBtn-layouts");
}

}  // namespace
}  // namespace zorbit
