// Pictures of the combo box and the date-time picker, closed and dropped
// down, as the screen shows them (the form with the drop-down over it),
// kept in the build folder for a person to look at; and what they show
// checked where it does not depend on the fonts' shapes.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/tests/ComboBoxFixture.h"
#include "platform/win/DateTimePicker.h"
#include "platform/win/Display.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Mouse.h"
#include "platform/win/WindowPos.h"
#include "platform/win/Windows.h"
#include "testing/LocaleScope.h"
#include "testing/ReferencePicture.h"

namespace plat::testing {
namespace {

// The screen's Area as the shown top-level windows make it up, the lowest
// first; the desktop grey elsewhere.
Bitmap ScreenPicture(TRect Area) {
  std::vector<HWND> windows;
  EnumWindows(
      [](HWND Window, LPARAM List) {
        if (IsWindowVisible(Window)) reinterpret_cast<std::vector<HWND>*>(List)->push_back(Window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  Bitmap screen(Area.Width(), Area.Height());
  screen.Fill(0x808080);
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    const Bitmap* surface = WindowSurface(*it);
    if (!surface) continue;
    RECT bounds;
    GetWindowRect(*it, &bounds);
    for (int y = 0; y < surface->Height(); ++y)
      for (int x = 0; x < surface->Width(); ++x) {
        const TPoint at = TPoint{bounds.Left + x, bounds.Top + y} - Area.TopLeft();
        if (screen.Bounds().Contains(at)) screen.Put(at.X, at.Y, surface->At(x, y));
      }
  }
  return screen;
}

class DropDownShots : public ComboBoxTest {
 protected:
  Bitmap Shot() {
    Pump();
    RECT form;
    GetWindowRect(Form()->Handle(), &form);
    return ScreenPicture({form.Left - 10, form.Top - 10, form.Right + 10, form.Bottom + 10});
  }

  zorbit::testing::TLocaleScope FLocale{TFormatSettings::English()};
};

TEST_F(DropDownShots, ComboBoxesClosedAndDroppedDown) {
  TComboBox* list = MakeCombo(TComboBoxStyle::csDropDownList, {"Alpha", "Beta", "Gamma", "Delta", "Epsilon"});
  list->SetItemIndex(1);
  TComboBox* edit = MakeCombo(TComboBoxStyle::csDropDown, {"Red", "Green", "Blue"});
  edit->SetTop(60);
  edit->SetText("Green");
  list->SetFocus();
  const std::string closed = zorbit::testing::KeepForInspection(Shot(), "platform/ui/combo-closed.png");
  Type("{F4}{DOWN}{DOWN}");
  const Bitmap dropped = Shot();
  zorbit::testing::KeepForInspection(dropped, "platform/ui/combo-dropped.png");
  // The list lies right under the box: its border, then the highlighted
  // third item (Delta) where the pointer would be.
  RECT box, shown;
  GetWindowRect(list->Handle(), &box);
  GetWindowRect(DropDownWindow(), &shown);
  EXPECT_EQ(shown.Top, box.Bottom);
  EXPECT_EQ(ListPixelAt({2, 3 * list->ItemHeight() + 1}), ColorToColorRef(clHighlight));
  Type("{ESC}");
  edit->SetFocus();
  InjectClick(ButtonOnScreen(edit));
  Pump();
  ASSERT_TRUE(edit->DroppedDown());
  zorbit::testing::KeepForInspection(Shot(), "platform/ui/combo-editable-dropped.png");
  EXPECT_FALSE(closed.empty());
}

TEST_F(DropDownShots, DateTimePickersClosedAndDroppedDown) {
  auto* picker = Make<TDateTimePicker>(Bounds(10, 10, 200, 21));
  picker->SetDateTime(EncodeDate(2024, 3, 5) + EncodeTime(14, 30, 0, 0));
  auto* time = Make<TDateTimePicker>(Bounds(10, 60, 120, 21));
  time->SetKind(TDateTimeKind::dtkTime);
  time->SetDateTime(EncodeDate(2024, 3, 5) + EncodeTime(14, 30, 0, 0));
  auto* none = Make<TDateTimePicker>(Bounds(10, 100, 200, 21));
  none->SetShowCheckbox(true);
  none->SetDateFormat(TDTDateFormat::dfLong);
  none->SetChecked(false);
  picker->SetFocus();
  zorbit::testing::KeepForInspection(Shot(), "platform/ui/picker-closed.png");
  Type("{F4}");
  const HWND calendar = reinterpret_cast<HWND>(SendMessage(picker->Handle(), DTM_GETMONTHCAL, 0, 0));
  ASSERT_NE(calendar, nullptr);
  // Today framed the same in every run.
  const SYSTEMTIME today = DateTimeToSystemTime(EncodeDate(2024, 3, 20));
  SendMessage(calendar, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(&today));
  zorbit::testing::KeepForInspection(Shot(), "platform/ui/picker-dropped.png");
  RECT below, shown;
  GetWindowRect(picker->Handle(), &below);
  GetWindowRect(calendar, &shown);
  EXPECT_EQ(shown.Top, below.Bottom);
  Type("{ESC}");
}

}  // namespace
}  // namespace plat::testing
