// A form of every skinned control, framed by the skinned frame, in each
// built-in style, screenshotted in the headless display and compared with
// its reference picture (tests/data/ControlShots.<style>.png); a picture
// that differs is kept in the build folder for a person to look at.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/gdi/TCanvas.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/win/HeadlessDisplay.h"
#include "skin/ImgBtn.h"
#include "skin/SkButton.h"
#include "skin/SkCheckBox.h"
#include "skin/SkEdit.h"
#include "skin/SkForm.h"
#include "skin/SkGroupBox.h"
#include "skin/SkImageButton.h"
#include "skin/SkImagePanel.h"
#include "skin/SkListBox.h"
#include "skin/SkScrollBar.h"
#include "skin/SkTrackBar.h"
#include "skin/SkinCanvas.h"
#include "skin/tests/StyleShots.h"
#include "skin/tests/ControlForm.h"
#include "testing/ProjectPaths.h"
#include "testing/ReferencePicture.h"

namespace skintest {
namespace {

using namespace zorbit;

using zorbit::testing::TStyleShot;

class ControlShots : public ControlForm, public ::testing::WithParamInterface<TStyleShot> {
 protected:
  // The form's controls, all in one style.
  void Build(TskUIStyle Style) {
    FForm->SetBounds(0, 0, 566, 400);
    FForm->SetColor(0xF0F0F0);
    auto* frame = new TskForm(FForm);
    frame->SetParent(FForm);
    frame->SetCaption("Every skinned control");
    frame->SetUIStyle(Style);
    auto* content = Add<plat::TPanel>(0, 0, 560, 360, frame);
    content->SetAlign(plat::TAlign::alClient);
    content->SetBevelOuter(plat::TPanelBevel::bvNone);
    content->SetColor(0xF0F0F0);
    BuildButtons(Style, content);
    BuildInputs(Style, content);
  }

  // Buttons, check boxes and picture buttons along the bottom.
  void BuildButtons(TskUIStyle Style, plat::TWinControl* Parent) {
    auto* normal = Add<TskButton>(10, 260, 80, 25, Parent);
    normal->SetCaption("Normal");
    auto* disabled = Add<TskButton>(100, 260, 80, 25, Parent);
    disabled->SetCaption("Disabled");
    disabled->SetEnabled(false);
    auto* checked = Add<TskCheckBox>(190, 262, 90, 20, Parent);
    checked->SetCaption("Checked");
    checked->SetChecked(true);
    auto* unchecked = Add<TskCheckBox>(290, 262, 100, 20, Parent);
    unchecked->SetCaption("Unchecked");
    for (TskButton* b : {normal, disabled}) b->SetUIStyle(Style);
    for (TskCheckBox* c : {checked, unchecked}) c->SetUIStyle(Style);
    auto* image = Add<TskImageButton>(400, 259, 60, 27, Parent);
    image->SetCaption("Image");
    image->PicNormal()->Bitmap()->SetSize(60, 27);
    // The top-left pixel's colour is the picture's transparent colour.
    FillRectColor(*image->PicNormal()->Bitmap()->Canvas(), {0, 0, 60, 27}, plat::clWhite);
    FillRectColor(*image->PicNormal()->Bitmap()->Canvas(), {1, 1, 59, 26}, 0x40A040);
    auto* picture = Add<TImgBtn>(10, 295, 120, 40, Parent);
    picture->SetCaption("TImgBtn");
    picture->SetFlat(true);
    picture->SetColor(0xFFE0C0);
  }

  // Inputs and containers above them.
  void BuildInputs(TskUIStyle Style, plat::TWinControl* Parent) {
    auto* edit = Add<TskEdit>(10, 10, 150, 22, Parent);
    edit->SetText("An edit");
    auto* disabledEdit = Add<TskEdit>(10, 40, 150, 22, Parent);
    disabledEdit->SetText("Disabled");
    disabledEdit->SetEnabled(false);
    auto* box = Add<TskGroupBox>(180, 10, 220, 90, Parent);
    box->SetCaption("Group");
    auto* inner = Add<TskEdit>(10, 30, 120, 22, box);
    inner->SetText("Inside");
    auto* track = Add<TskTrackBar>(10, 110, 200, 30, Parent);
    track->SetPosition(3);
    auto* vertical = Add<TskTrackBar>(220, 110, 30, 130, Parent);
    vertical->SetOrientation(TskProgressBarOrientation::skVertical);
    vertical->SetBounds(220, 110, 30, 130);
    vertical->SetFrequency(2);
    vertical->SetPosition(6);
    auto* panel = Add<TskImagePanel>(270, 110, 130, 60, Parent);
    panel->SetDrawStyle(TskDrawStyle::skTile);
    plat::TBitmap& tile = *panel->Picture()->Bitmap();
    tile.SetSize(10, 10);
    FillRectColor(*tile.Canvas(), {0, 0, 10, 10}, 0xE0C0A0);
    FillRectColor(*tile.Canvas(), {0, 0, 5, 5}, 0xA0C0E0);
    panel->SetCaption("Tiled panel");
    auto* list = Add<TskListBox>(420, 10, 120, 110, Parent);
    list->SetItemHeight(16);
    for (int i = 1; i <= 12; ++i) list->Items()->Add("Line " + std::to_string(i));
    list->SetItemIndex(2);
    auto* bar = Add<TskScrollBar>(0, 0, 16, 100, Parent);
    list->SetVScrollBar(bar);
    auto* scroll = Add<TskScrollBar>(270, 190, 270, 16, Parent);
    scroll->SetBounds(270, 190, 270, 16);
    scroll->SetPageSize(30);
    scroll->SetPosition(40);
    for (TskEdit* e : {edit, disabledEdit, inner}) e->SetUIStyle(Style);
    list->SetUIStyle(Style);
    scroll->SetUIStyle(Style);
    box->SetUIStyle(Style);
    for (TskTrackBar* t : {track, vertical}) t->SetUIStyle(Style);
  }
};

TEST_P(ControlShots, EveryControlShowsItsStyle) {
  Build(GetParam().Style);
  ShowForm();
  const std::unique_ptr<plat::Bitmap> shot = plat::WindowPicture(FForm->Handle());
  ASSERT_TRUE(shot);
  const std::string name = std::string("ControlShots.") + GetParam().Name;
  const zorbit::testing::TPictureMatch match =
      zorbit::testing::MatchReference(*shot, zorbit::testing::SourcePath("skin/tests/data/" + name + ".png"), 24);
  // A few pixels may differ where anti-aliased text rounds otherwise.
  if (!match.Loaded || match.Differing * 1000 > shot->Width() * shot->Height()) {
    ADD_FAILURE() << name << " does not match its reference (" << match.Differing << " pixels differ, loaded "
                  << match.Loaded << "); it is kept in "
                  << zorbit::testing::KeepForInspection(*shot, "skin/" + name + ".actual.png");
  }
}

INSTANTIATE_TEST_SUITE_P(Styles, ControlShots, zorbit::testing::BuiltinStyleShots(), zorbit::testing::StyleShotName);

}  // namespace
}  // namespace skintest
