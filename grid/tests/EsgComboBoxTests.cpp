// The grid's flat combo box on a real form in the headless display: its
// settings, its rings and button edge by pixel probes, the selection by
// real input, and pictures of it closed and dropped down.
#include "grid/EsgComboBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/tests/SpinFormTest.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/testing/RecordingThemeService.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TForm.h"
#include "platform/win/Focus.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Messages.h"
#include "platform/win/Mouse.h"
#include "platform/win/StandardControlMessages.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowPos.h"
#include "testing/ReferencePicture.h"

namespace zorbit {
namespace {

constexpr plat::TColor kFormColor = 0x00C08040;
constexpr plat::TColor kBoxColor = 0x0080FFFF;

class EsgCombo : public testing::SpinFormTest {
 protected:
  void SetUp() override {
    SpinFormTest::SetUp();
    FForm->SetColor(kFormColor);
    FCombo = Place<TESGComboBox>(plat::Bounds(10, 10, 120, 0));
    FCombo->SetColor(kBoxColor);
    for (const char* item : {"Alpha", "Beta", "Gamma"}) FCombo->Items()->Add(item);
    FCombo->OnChange = [this](plat::TObject*) { FLog.push_back("change " + FCombo->Text()); };
    FOther = Place<plat::TEdit>(plat::Bounds(10, 100, 100, 24));
    Pump();
  }

  // A pixel of the box's window (frame included), as a colour.
  plat::COLORREF WindowPixel(int X, int Y) {
    const int border = (FCombo->Width() - FCombo->ClientWidth()) / 2;
    return PixelAt(FCombo, {X - border, Y - border});
  }
  static plat::COLORREF Rgb(plat::TColor Color) { return plat::ColorToColorRef(Color); }

  // The colours of the three rings on the left side, half-way down.
  std::vector<plat::COLORREF> LeftRings() {
    const int y = FCombo->Height() / 2;
    return {WindowPixel(0, y), WindowPixel(1, y), WindowPixel(2, y)};
  }

  plat::TPoint ButtonOnScreen() {
    const plat::TRect button = FCombo->FlatButtonRect();
    const int border = (FCombo->Width() - FCombo->ClientWidth()) / 2;
    return OnScreen(FCombo, {(button.Left + button.Right) / 2 - border, FCombo->ClientHeight() / 2});
  }

  TESGComboBox* FCombo = nullptr;
  plat::TEdit* FOther = nullptr;
  std::vector<std::string> FLog;
};

TEST_F(EsgCombo, StartsFlatWithAButtonFourWiderThanAScrollBarAndKnowsItsVersion) {
  EXPECT_TRUE(FCombo->Flat());
  EXPECT_FALSE(FCombo->Ctl3D());
  EXPECT_EQ(FCombo->ButtonWidth(), plat::GetSystemMetrics(plat::SM_CXVSCROLL) + 4);
  EXPECT_EQ(FCombo->DropDownCount(), 8);
  EXPECT_FALSE(FCombo->Etched());
  EXPECT_FALSE(FCombo->FocusBorder());
  EXPECT_FALSE(FCombo->AutoFocus());
  EXPECT_EQ(FCombo->Version(), "1.2.0.0");
  FCombo->SetVersion("9.9.9.9");
  EXPECT_EQ(FCombo->Version(), "1.2.0.0");
  FCombo->SetFlat(false);
  EXPECT_TRUE(FCombo->Ctl3D());
  FCombo->SetFlat(true);
  EXPECT_FALSE(FCombo->Ctl3D());
}

TEST_F(EsgCombo, ButtonWidthTakesOnlyFourteenToThirtyTwo) {
  struct Case {
    int Asked;
    int Kept;
  };
  // clang-format off
  const Case cases[] = {
      {13, 21}, {33, 21}, {14, 14}, {32, 32}, {0, 32}, {-5, 32}, {20, 20},
  };
  // clang-format on
  FCombo->SetButtonWidth(21);
  for (const Case& c : cases) {
    FCombo->SetButtonWidth(c.Asked);
    EXPECT_EQ(FCombo->ButtonWidth(), c.Kept) << c.Asked;
  }
}

TEST_F(EsgCombo, DropWidthAboveZeroWidensTheList) {
  FCombo->SetDropWidth(0);
  EXPECT_EQ(FCombo->Perform(plat::CB_GETDROPPEDWIDTH, 0, 0), FCombo->Width());
  FCombo->SetDropWidth(300);
  EXPECT_EQ(FCombo->DropWidth(), 300);
  EXPECT_EQ(FCombo->Perform(plat::CB_GETDROPPEDWIDTH, 0, 0), 300);
}

TEST_F(EsgCombo, InactiveRingsAreTheParentsColourThenTheBoxs) {
  const plat::COLORREF form = Rgb(kFormColor);
  EXPECT_EQ(LeftRings(), (std::vector<plat::COLORREF>{form, form, Rgb(kBoxColor)}));
  // The same at the top, and the rings go all the way round.
  EXPECT_EQ(WindowPixel(FCombo->Width() / 2, 0), form);
  EXPECT_EQ(WindowPixel(FCombo->Width() - 1, FCombo->Height() / 2), form);
  EXPECT_EQ(WindowPixel(FCombo->Width() / 2, FCombo->Height() - 1), form);
  // Focused without FocusBorder it stays inactive.
  FCombo->SetFocus();
  Pump();
  EXPECT_EQ(LeftRings(), (std::vector<plat::COLORREF>{form, form, Rgb(kBoxColor)}));
}

TEST_F(EsgCombo, ActiveWithFocusBorderASunkenEdgeAndAButtonFaceRing) {
  FCombo->SetFocusBorder(true);
  FCombo->SetFocus();
  Pump();
  const plat::COLORREF shadow = Rgb(plat::clBtnShadow);
  const plat::COLORREF light = Rgb(plat::clBtnHighlight);
  EXPECT_EQ(LeftRings(), (std::vector<plat::COLORREF>{shadow, Rgb(plat::clBtnFace), Rgb(kBoxColor)}));
  EXPECT_EQ(WindowPixel(FCombo->Width() - 1, FCombo->Height() / 2), light);
  // Leaving makes it inactive again.
  FOther->SetFocus();
  Pump();
  EXPECT_EQ(LeftRings()[0], Rgb(kFormColor));
  // The mouse over it makes it active without the focus.
  plat::InjectMouseMove(OnScreen(FCombo, {10, 5}));
  Pump();
  EXPECT_EQ(LeftRings()[0], shadow);
  plat::InjectMouseMove({1000, 700});
  Pump();
  EXPECT_EQ(LeftRings()[0], Rgb(kFormColor));
}

TEST_F(EsgCombo, TheButtonEdgeIsRaisedOrEtched) {
  const plat::TRect button = FCombo->FlatButtonRect();
  const auto corners = [&] {
    return std::vector<plat::COLORREF>{WindowPixel(button.Left, button.Top + 3),
                                       WindowPixel(button.Left + 1, button.Top + 3),
                                       WindowPixel(button.Right - 1, button.Top + 3)};
  };
  // Raised: the light outer and white inner edge at the left, the dark shadow at the right.
  EXPECT_EQ(corners(),
            (std::vector<plat::COLORREF>{Rgb(plat::cl3DLight), Rgb(plat::clBtnHighlight), Rgb(plat::cl3DDkShadow)}));
  FCombo->SetEtched(true);
  Pump();
  // Etched: a groove, shadow then white at the left, white outside at the right.
  EXPECT_EQ(corners(), (std::vector<plat::COLORREF>{Rgb(plat::clBtnShadow), Rgb(plat::clBtnHighlight),
                                                    Rgb(plat::clBtnHighlight)}));
}

TEST_F(EsgCombo, DisabledTakesTheParentsColourAndGetsItsOwnBack) {
  FCombo->SetEnabled(false);
  Pump();
  EXPECT_EQ(FCombo->Color(), kFormColor);
  EXPECT_EQ(LeftRings()[2], Rgb(kFormColor));
  FCombo->SetEnabled(true);
  Pump();
  EXPECT_EQ(FCombo->Color(), kBoxColor);
  EXPECT_FALSE(FCombo->ParentColor());
  EXPECT_EQ(LeftRings()[2], Rgb(kBoxColor));
}

TEST_F(EsgCombo, APressOnTheFlatButtonDropsTheListAndAClickTakesAnItem) {
  plat::InjectClick(ButtonOnScreen());
  Pump();
  ASSERT_TRUE(FCombo->DroppedDown());
  const plat::HWND list = plat::GetCapture();
  ASSERT_NE(list, nullptr);
  plat::RECT at;
  plat::GetWindowRect(list, &at);
  const int height = FCombo->Perform(plat::CB_GETITEMHEIGHT, 0, 0);
  plat::InjectClick({at.Left + 20, at.Top + 1 + height + height / 2});
  Pump();
  EXPECT_FALSE(FCombo->DroppedDown());
  EXPECT_EQ(FCombo->ItemIndex(), 1);
  EXPECT_EQ(FCombo->Text(), "Beta");
}

TEST_F(EsgCombo, TheWheelNeverSelectsPastTheLastItem) {
  FCombo->SetItemIndex(1);
  const plat::TPoint over = OnScreen(FCombo, {10, 5});
  plat::InjectMouseMove(over);
  FCombo->SetFocus();
  Pump();
  for (int turn = 0; turn < 4; ++turn) {
    plat::InjectWheel(over, -plat::WHEEL_DELTA);
    Pump();
  }
  EXPECT_EQ(FCombo->ItemIndex(), 2);
  EXPECT_EQ(FLog, (std::vector<std::string>{"change Gamma"}));
  plat::InjectWheel(over, 5 * plat::WHEEL_DELTA);
  Pump();
  EXPECT_EQ(FCombo->ItemIndex(), 0);
}

TEST_F(EsgCombo, AnEmptyListOrAnIndexBeyondTheItemsSelectsNothingAndFiresNothing) {
  struct Case {
    const char* Rule;
    int Items;
    int Index;
  };
  // clang-format off
  const Case cases[] = {
      {"empty list, first item", 0, 0},
      {"empty list, any item", 0, 5},
      {"one past the last", 3, 3},
      {"far beyond", 3, 1000},
      {"below none", 3, -2},
  };
  // clang-format on
  for (const Case& c : cases) {
    FCombo->Clear();
    for (int i = 0; i < c.Items; ++i) FCombo->Items()->Add("item " + std::to_string(i));
    FLog.clear();
    FCombo->SetItemIndex(c.Index);
    EXPECT_EQ(FCombo->ItemIndex(), -1) << c.Rule;
    EXPECT_EQ(FCombo->Text(), "") << c.Rule;
    EXPECT_TRUE(FLog.empty()) << c.Rule;
  }
}

TEST_F(EsgCombo, TheSelectionFieldIsAtLeastOnePixelHigh) {
  const int before = static_cast<int>(FCombo->Perform(plat::CB_GETITEMHEIGHT, static_cast<plat::WPARAM>(-1), 0));
  for (int asked : {0, -1, -6}) {
    FCombo->Perform(plat::CB_SETITEMHEIGHT, static_cast<plat::WPARAM>(-1), asked);
    EXPECT_EQ(FCombo->Perform(plat::CB_GETITEMHEIGHT, static_cast<plat::WPARAM>(-1), 0), before) << asked;
  }
  FCombo->Perform(plat::CB_SETITEMHEIGHT, static_cast<plat::WPARAM>(-1), 1);
  EXPECT_EQ(FCombo->Perform(plat::CB_GETITEMHEIGHT, static_cast<plat::WPARAM>(-1), 0), 1);
  EXPECT_GE(FCombo->Height(), 1);
}

TEST_F(EsgCombo, AutoFocusTakesTheFocusWhenTheMouseComes) {
  FOther->SetFocus();
  Pump();
  plat::InjectMouseMove(OnScreen(FCombo, {10, 5}));
  Pump();
  EXPECT_FALSE(FCombo->Focused());
  plat::InjectMouseMove({1000, 700});
  FCombo->SetAutoFocus(true);
  Pump();
  plat::InjectMouseMove(OnScreen(FCombo, {10, 5}));
  Pump();
  EXPECT_TRUE(FCombo->Focused());
}

TEST_F(EsgCombo, TheThemedLookDrawsTheStylesDropDownButton) {
  const plat::testing::ThemeRecorder theme;
  FCombo->SetThemed(true);
  FCombo->Repaint();
  Pump();
  bool drawn = false;
  for (const auto& call : theme.Service().Calls())
    drawn = drawn || (call.ClassName == u"combobox" && call.PartId == 1 && call.StateId == 1);
  EXPECT_TRUE(drawn);
}

TEST_F(EsgCombo, APastePastMaxLengthIsRefusedWhole) {
  FCombo->SetMaxLength(4);
  FCombo->SetFocus();
  Pump();
  struct Case {
    const char* Pasted;
    const char* After;
  };
  const Case cases[] = {{"Gamma", "Beta"}, {"Eta", "Eta"}, {"Zeta", "Zeta"}};
  for (const Case& c : cases) {
    FCombo->SetText("Beta");
    FCombo->Perform(plat::CB_SETEDITSEL, 0, plat::MAKELPARAM(0, 0xFFFF));
    plat::Clipboard()->SetAsText(c.Pasted);
    plat::InjectKeyPress('V', {plat::VK_CONTROL});
    Pump();
    EXPECT_EQ(FCombo->Text(), c.After) << c.Pasted;
  }
}

TEST_F(EsgCombo, PicturesClosedAndDroppedDown) {
  FCombo->SetItemIndex(0);
  FCombo->SetFocusBorder(true);
  FCombo->SetFocus();
  Pump();
  testing::KeepForInspection(*plat::WindowPicture(FForm->Handle()), "grid/esg-combo-closed.png");
  FCombo->SetDroppedDown(true);
  Pump();
  ASSERT_TRUE(FCombo->DroppedDown());
  // The form with the drop-down laid over it where the screen shows it.
  std::unique_ptr<plat::Bitmap> picture = plat::WindowPicture(FForm->Handle());
  std::unique_ptr<plat::Bitmap> list = plat::WindowPicture(plat::GetCapture());
  ASSERT_TRUE(picture && list);
  plat::RECT form;
  plat::RECT at;
  plat::GetWindowRect(FForm->Handle(), &form);
  plat::GetWindowRect(plat::GetCapture(), &at);
  for (int y = 0; y < list->Height(); ++y)
    for (int x = 0; x < list->Width(); ++x) {
      const int px = at.Left - form.Left + x;
      const int py = at.Top - form.Top + y;
      if (picture->Bounds().Contains(plat::TPoint{px, py})) picture->Put(px, py, list->At(x, y));
    }
  testing::KeepForInspection(*picture, "grid/esg-combo-dropped.png");
}

}  // namespace
}  // namespace zorbit
