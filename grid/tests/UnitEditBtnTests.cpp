// The unit edit on a real form in the headless display: its button pops the
// units as a menu, driven from the display's modal hook, the chosen one
// becomes the unit shown between the text and the button.
#include "grid/EsgUnitEditBtn.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "grid/tests/SpinFormTest.h"
#include "platform/gdi/Colors.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Messages.h"
#include "platform/win/StandardControlMessages.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowPos.h"
#include "platform/win/Windows.h"
#include "testing/ReferencePicture.h"

namespace zorbit {
namespace {

class UnitEditBtn : public testing::SpinFormTest {
 protected:
  void SetUp() override {
    SpinFormTest::SetUp();
    FEdit = Place<TEsgUnitEditBtn>(plat::Bounds(10, 10, 140, 24));
    FOther = Place<plat::TEdit>(plat::Bounds(10, 60, 100, 24));
    plat::TStringList units;
    units.Add("mm");
    units.Add("cm");
    units.Add("m");
    FEdit->SetUnits(&units);
    FOther->SetFocus();  // no caret in the pictures
    Pump();
  }

  // Presses the embedded button and, once the menu is open, the keys.
  void ChooseWithKeys(std::initializer_list<plat::UINT> Keys) {
    Display().SetModalHook([this, keys = std::vector<plat::UINT>(Keys)](plat::HWND Menu) {
      const std::vector<plat::UINT> pressed = keys;
      plat::GetWindowRect(Menu, &FMenuRect);
      Display().SetModalHook(nullptr);
      for (plat::UINT key : pressed) plat::InjectKeyPress(key);
    });
    Click(FEdit->Button());
    Pump();
  }
  // Black pixels of the edit between two columns.
  int InkIn(int From, int To) {
    int ink = 0;
    for (int x = From; x < To; ++x)
      for (int y = 2; y < FEdit->ClientHeight() - 1; ++y)
        ink += PixelAt(FEdit, {x, y}) == plat::ColorToColorRef(plat::clBlack);
    return ink;
  }

  plat::TRect FMenuRect;
  TEsgUnitEditBtn* FEdit = nullptr;
  plat::TEdit* FOther = nullptr;
};

TEST_F(UnitEditBtn, StartsRightAlignedWithTwentyPixelsForTheUnit) {
  EXPECT_TRUE(FEdit->RightAlign());
  EXPECT_NE(plat::GetWindowLongPtrA(FEdit->Handle(), plat::GWL_STYLE) & plat::ES_RIGHT, 0);
  EXPECT_EQ(FEdit->UnitSpace(), 20);
  EXPECT_EQ(FEdit->UnitID(), "");
  plat::TRect rect;
  FEdit->Perform(plat::EM_GETRECT, 0, reinterpret_cast<plat::LPARAM>(&rect));
  EXPECT_EQ(rect.Right, FEdit->ClientWidth() - 18 - 20 - 3);
  FEdit->SetUnitSpace(30);
  FEdit->Perform(plat::EM_GETRECT, 0, reinterpret_cast<plat::LPARAM>(&rect));
  EXPECT_EQ(rect.Right, FEdit->ClientWidth() - 18 - 30 - 3);
}

TEST_F(UnitEditBtn, ChoosingTheSecondUnitShowsIt) {
  const int unitLeft = FEdit->ClientWidth() - 18 - 3 - 20;
  EXPECT_EQ(InkIn(unitLeft, unitLeft + 20), 0);
  ChooseWithKeys({plat::VK_DOWN, plat::VK_DOWN, plat::VK_RETURN});
  EXPECT_EQ(FEdit->UnitID(), "cm");
  // The menu opened at the edit's lower right, 15 pixels in.
  EXPECT_EQ(FMenuRect.TopLeft(), FEdit->ClientToScreen({FEdit->ClientWidth() - 15, FEdit->ClientHeight()}));
  testing::KeepForInspection(*plat::WindowSurface(FForm->Handle()), "grid/unit-edit.png");
  EXPECT_GT(InkIn(unitLeft, unitLeft + 20), 0);
  // The right-aligned text ends before the unit: nothing far left.
  EXPECT_EQ(InkIn(0, unitLeft - 20), 0);
}

TEST_F(UnitEditBtn, ADismissedMenuLeavesTheUnit) {
  FEdit->SetUnitID("m");
  ChooseWithKeys({plat::VK_ESCAPE});
  EXPECT_EQ(FEdit->UnitID(), "m");
}

struct TCommandCase {
  plat::WPARAM WParam;
  const char* UnitID;
};

TEST_F(UnitEditBtn, OnlyCommandsOfTheUnitItemsChooseAUnit) {
  const TCommandCase cases[] = {
      {3, "m"},
      {1, "mm"},
      {0, "mm"},                                                   // no item
      {4, "mm"},                                                   // past the units
      {plat::WPARAM{plat::EN_CHANGE} << 16 | 2, "mm"},             // the edit's own change
  };
  for (const TCommandCase& c : cases) {
    FEdit->Perform(plat::WM_COMMAND, c.WParam, 0);
    EXPECT_EQ(FEdit->UnitID(), c.UnitID) << c.WParam;
  }
}

TEST_F(UnitEditBtn, UnitsAreCopiedAndNullIsIgnored) {
  plat::TStringList other;
  other.Add("kg");
  FEdit->SetUnits(&other);
  other.Add("g");
  EXPECT_EQ(FEdit->Units()->Count(), 1);
  FEdit->SetUnits(nullptr);
  EXPECT_EQ(FEdit->Units()->Count(), 1);
  EXPECT_EQ(FEdit->Units()->Strings(0), "kg");
}

TEST(UnitText, TheLeadingNumberRunIsTheNumberAndTheRestTheUnitAsItStands) {
  struct Case {
    const char* Text;
    const char* Number;
    const char* Unit;
  };
  // clang-format off
  const Case cases[] = {
      {"5 m2",      "5",      " m2"},
      {"12.5kg",    "12.5",   "kg"},
      {"-1,5 cm",   "-1,5",   " cm"},
      {"m2",        "",       "m2"},
      {"42",        "42",     ""},
      {"",          "",       ""},
      {"3 x 4 m",   "3",      " x 4 m"},
      {"1e3 Hz",    "1",      "e3 Hz"},
      {"7\u00B0C",   "7",      "\u00B0C"},
  };
  // clang-format on
  for (const Case& c : cases) {
    const TNumberAndUnit split = SplitNumberAndUnit(c.Text);
    EXPECT_EQ(split.Number, c.Number) << c.Text;
    EXPECT_EQ(split.Unit, c.Unit) << c.Text;
    // Joined again they give the text back.
    EXPECT_EQ(split.Number + split.Unit, c.Text) << c.Text;
  }
}

}  // namespace
}  // namespace zorbit
