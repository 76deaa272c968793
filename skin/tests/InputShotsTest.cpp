// A form of the skinned inputs and containers in each built-in style,
// screenshotted in the headless display and compared with its reference
// picture (tests/data/InputShots.<style>.png); a picture that differs is
// kept in the build folder for a person to look at.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/gdi/TCanvas.h"
#include "platform/win/HeadlessDisplay.h"
#include "skin/SkEdit.h"
#include "skin/SkGroupBox.h"
#include "skin/SkImagePanel.h"
#include "skin/SkListBox.h"
#include "skin/SkScrollBar.h"
#include "skin/SkTrackBar.h"
#include "skin/SkinCanvas.h"
#include "skin/tests/ControlForm.h"
#include "testing/ProjectPaths.h"
#include "testing/ReferencePicture.h"

namespace skintest {
namespace {

using namespace zorbit;

struct TStyleShot {
  TskUIStyle Style;
  const char* Name;
};

class InputShots : public ControlForm, public ::testing::WithParamInterface<TStyleShot> {
 protected:
  // The form's controls, all in one style.
  void Build(TskUIStyle Style) {
    FForm->SetBounds(0, 0, 560, 260);
    FForm->SetColor(0xF0F0F0);
    auto* edit = Add<TskEdit>(10, 10, 150, 22);
    edit->SetText("An edit");
    auto* disabledEdit = Add<TskEdit>(10, 40, 150, 22);
    disabledEdit->SetText("Disabled");
    disabledEdit->SetEnabled(false);
    auto* box = Add<TskGroupBox>(180, 10, 220, 90);
    box->SetCaption("Group");
    auto* inner = Add<TskEdit>(10, 30, 120, 22, box);
    inner->SetText("Inside");
    auto* track = Add<TskTrackBar>(10, 110, 200, 30);
    track->SetPosition(3);
    auto* vertical = Add<TskTrackBar>(220, 110, 30, 130);
    vertical->SetOrientation(TskProgressBarOrientation::skVertical);
    vertical->SetBounds(220, 110, 30, 130);
    vertical->SetFrequency(2);
    vertical->SetPosition(6);
    auto* panel = Add<TskImagePanel>(270, 110, 130, 60);
    panel->SetDrawStyle(TskDrawStyle::skTile);
    plat::TBitmap& tile = *panel->Picture()->Bitmap();
    tile.SetSize(10, 10);
    FillRectColor(*tile.Canvas(), {0, 0, 10, 10}, 0xE0C0A0);
    FillRectColor(*tile.Canvas(), {0, 0, 5, 5}, 0xA0C0E0);
    panel->SetCaption("Tiled panel");
    auto* list = Add<TskListBox>(420, 10, 120, 110);
    list->SetItemHeight(16);
    for (int i = 1; i <= 12; ++i) list->Items()->Add("Line " + std::to_string(i));
    list->SetItemIndex(2);
    auto* bar = Add<TskScrollBar>(0, 0, 16, 100);
    list->SetVScrollBar(bar);
    auto* scroll = Add<TskScrollBar>(270, 190, 270, 16);
    scroll->SetBounds(270, 190, 270, 16);
    scroll->SetPageSize(30);
    scroll->SetPosition(40);
    for (TskEdit* e : {edit, disabledEdit}) e->SetUIStyle(Style);
    list->SetUIStyle(Style);
    scroll->SetUIStyle(Style);
    box->SetUIStyle(Style);
    for (TskTrackBar* t : {track, vertical}) t->SetUIStyle(Style);
  }
};

TEST_P(InputShots, EveryControlShowsItsStyle) {
  Build(GetParam().Style);
  ShowForm();
  const std::unique_ptr<plat::Bitmap> shot = plat::WindowPicture(FForm->Handle());
  ASSERT_TRUE(shot);
  const std::string name = std::string("InputShots.") + GetParam().Name;
  const zorbit::testing::TPictureMatch match =
      zorbit::testing::MatchReference(*shot, zorbit::testing::SourcePath("skin/tests/data/" + name + ".png"), 24);
  // A few pixels may differ where anti-aliased text rounds otherwise.
  if (!match.Loaded || match.Differing * 1000 > shot->Width() * shot->Height()) {
    ADD_FAILURE() << name << " does not match its reference (" << match.Differing << " pixels differ, loaded "
                  << match.Loaded << "); it is kept in "
                  << zorbit::testing::KeepForInspection(*shot, "skin/" + name + ".actual.png");
  }
}

INSTANTIATE_TEST_SUITE_P(Styles, InputShots,
                         ::testing::Values(TStyleShot{TskUIStyle::MacOS, "MacOS"},
                                           TStyleShot{TskUIStyle::WinXP, "WinXP"},
                                           TStyleShot{TskUIStyle::DeepBlue, "DeepBlue"},
                                           TStyleShot{TskUIStyle::Protein, "Protein"},
                                           TStyleShot{TskUIStyle::BlueGlass, "BlueGlass"}),
                         [](const ::testing::TestParamInfo<TStyleShot>& Info) { return std::string(Info.param.Name); });

}  // namespace
}  // namespace skintest
