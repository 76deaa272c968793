// Ctl3D: the single border of the controls that have one is sunken with it
// and a flat line without, the window made again for it; controls without
// such a border keep their window.
#include <gtest/gtest.h>

#include <functional>

#include "platform/ui/TCustomComboBox.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TCustomListBox.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TStringGrid.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"

namespace plat::testing {
namespace {

using Ctl3D = StdControlsTest;

TEST_F(Ctl3D, TheSingleBorderIsSunkenOrAFlatLine) {
  const std::function<TWinControl*()> makers[] = {
      [this] { return Make<TEdit>(Bounds(10, 10, 100, 21)); },
      [this] { return Make<TListBox>(Bounds(10, 40, 100, 60)); },
      [this] {
        auto* panel = Make<TPanel>(Bounds(120, 10, 100, 60));
        panel->SetBorderStyle(TBorderStyle::bsSingle);
        return panel;
      },
      [this] { return Make<TStringGrid>(Bounds(120, 80, 100, 60)); },
      [this] { return Make<TComboBox>(Bounds(10, 110, 100, 21)); },
      [this] { return Make<TDateTimePicker>(Bounds(10, 140, 120, 21)); },
  };
  for (const auto& make : makers) {
    TWinControl* control = make();
    const HWND before = control->Handle();
    const String name = control->ClassName();
    EXPECT_TRUE(control->Ctl3D()) << name;
    EXPECT_TRUE(GetWindowLong(before, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) << name;
    EXPECT_FALSE(GetWindowLong(before, GWL_STYLE) & WS_BORDER) << name;
    control->SetCtl3D(false);
    Pump();
    EXPECT_NE(control->Handle(), before) << name;
    EXPECT_FALSE(GetWindowLong(control->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) << name;
    EXPECT_TRUE(GetWindowLong(control->Handle(), GWL_STYLE) & WS_BORDER) << name;
  }
  // Without a single border nothing changes.
  auto* plain = Make<TEdit>(Bounds(250, 150, 100, 21));
  plain->SetBorderStyle(TBorderStyle::bsNone);
  const HWND window = plain->Handle();
  plain->SetCtl3D(false);
  EXPECT_EQ(plain->Handle(), window);
  EXPECT_FALSE(GetWindowLong(window, GWL_STYLE) & WS_BORDER);
}

}  // namespace
}  // namespace plat::testing
