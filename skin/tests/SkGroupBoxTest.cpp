// The skinned group box on a real form: its frame with the caption set into
// the top line, the child area, and the style and theme it passes to the
// skinned controls inside it.
#include "skin/SkGroupBox.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/gdi/TCanvas.h"
#include "platform/ui/TCustomPanel.h"
#include "skin/SkEdit.h"
#include "skin/SkMgr.h"
#include "skin/SkThemes.h"
#include "skin/SkTrackBar.h"
#include "skin/tests/ControlForm.h"

namespace skintest {
namespace {

using namespace zorbit;

class SkinGroupBox : public ControlForm {
 protected:
  TskGroupBox* Box() {
    auto* box = Add<TskGroupBox>(10, 10, 60, 40);
    box->SetColor(plat::clWhite);
    box->SetBorderColor(plat::clRed);
    return box;
  }
  static int LineY(TskGroupBox* Box) { return std::abs(Box->Font()->Height()) / 2 + 1; }
};

TEST_F(SkinGroupBox, AnEmptyCaptionDrawsAnUnbrokenFrame) {
  TskGroupBox* box = Box();
  box->SetCaption("");
  ShowForm();
  const int y = LineY(box);
  EXPECT_EQ(Row(box, y, 0, 60, plat::clRed), std::string(59, '#') + ".");
  EXPECT_EQ(Row(box, 38, 0, 60, plat::clRed), std::string(59, '#') + ".");
  EXPECT_EQ(Row(box, 39, 0, 60, plat::clRed), std::string(60, '.'));
  EXPECT_EQ(Column(box, 0, 0, 40, plat::clRed), std::string(y, '.') + std::string(39 - y, '#') + ".");
  EXPECT_EQ(Column(box, 58, 0, 40, plat::clRed), std::string(y, '.') + std::string(39 - y, '#') + ".");
}

TEST_F(SkinGroupBox, TheCaptionSitsInAGapOfTheTopLine) {
  TskGroupBox* box = Box();
  box->SetCaption("Ab");
  ShowForm();
  const int captionWidth = [&] {
    plat::TBitmap scratch;
    scratch.Canvas()->SetFont(*box->Font());
    return scratch.Canvas()->TextWidth("Ab");
  }();
  const int y = LineY(box);
  // x = 0..2 drawn, then the gap up to the caption's end + 6 (excluded), then
  // the line to the right edge.
  const std::string expected =
      std::string(3, '#') + std::string(captionWidth + 4, '.') + std::string(59 - captionWidth - 7, '#') + ".";
  EXPECT_EQ(Row(box, y, 0, 60, plat::clRed), expected);
  // The caption's ink is at the top left, in the font colour.
  bool inked = false;
  for (int x = 5; x < 5 + captionWidth; ++x)
    for (int row = 0; row < 2 * y; ++row)
      inked = inked || PixelAt(box, {x, row}) == static_cast<plat::COLORREF>(box->Font()->Color());
  EXPECT_TRUE(inked);
}

TEST_F(SkinGroupBox, ADisabledBoxGreysItsCaption) {
  TskGroupBox* box = Box();
  box->SetCaption("MM");
  box->Font()->SetColor(plat::clBlack);
  box->SetEnabled(false);
  ShowForm();
  bool grey = false;
  bool black = false;
  for (int x = 5; x < 30; ++x) {
    for (int row = 0; row < 14; ++row) {
      grey = grey || PixelAt(box, {x, row}) == 0x808080;
      black = black || PixelAt(box, {x, row}) == 0;
    }
  }
  EXPECT_TRUE(grey);
  EXPECT_FALSE(black);
}

TEST_F(SkinGroupBox, ChildrenGoInsideTheFrameAndBelowTheCaption) {
  TskGroupBox* box = Box();
  auto* child = Add<plat::TPanel>(0, 0, 10, 10, box);
  child->SetAlign(plat::TAlign::alClient);
  const int top = std::abs(box->Font()->Height()) + 5;
  EXPECT_EQ(child->BoundsRect(), (plat::TRect{3, top, 57, 37}));
  EXPECT_EQ(box->Width(), 60);
  EXPECT_EQ(TskGroupBox(nullptr).Width(), 185);
}

TEST_F(SkinGroupBox, AStyleChangeReachesTheSkinnedChildren) {
  TskGroupBox* box = Box();
  auto* edit = Add<TskEdit>(5, 20, 40, 15, box);
  auto* plain = Add<plat::TPanel>(5, 20, 10, 10, box);
  auto* track = Add<TskTrackBar>(5, 40, 50, 20, box);
  box->SetUIStyle(TskUIStyle::Protein);
  EXPECT_EQ(edit->UIStyle(), TskUIStyle::Protein);
  EXPECT_EQ(track->UIStyle(), TskUIStyle::Protein);
  EXPECT_EQ(box->BorderColor(), GetBuiltinColor(TskUIStyle::Protein, element::ControlBorderColor));
  EXPECT_EQ(box->Font()->Color(), GetBuiltinColor(TskUIStyle::Protein, element::ControlFontColor));
  EXPECT_EQ(plain->Color(), plat::clBtnFace);

  TskFileTheme* theme = ThemeWith({{"ControlBorderColor", plat::RGB(9, 8, 7)}, {"ControlFontColor", 0x123456}});
  box->SetUIStyle(TskUIStyle::FromThemeFile);
  box->SetFileTheme(theme);
  EXPECT_EQ(edit->FileTheme(), theme);
  EXPECT_EQ(edit->UIStyle(), TskUIStyle::FromThemeFile);
  EXPECT_EQ(edit->BorderColor(), plat::RGB(9, 8, 7));
  EXPECT_EQ(box->BorderColor(), plat::RGB(9, 8, 7));
  EXPECT_EQ(box->Font()->Color(), 0x123456);

  delete theme;
  EXPECT_EQ(box->FileTheme(), nullptr);
  EXPECT_EQ(box->UIStyle(), TskUIStyle::DeepBlue);
  EXPECT_EQ(edit->FileTheme(), nullptr);
  EXPECT_EQ(edit->UIStyle(), TskUIStyle::DeepBlue);
}

}  // namespace
}  // namespace skintest
