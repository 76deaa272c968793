// The date-time picker control on the headless display: its properties as
// its common control shows them, its range and the errors for values
// outside it, and its events in order for what the user does (and none for
// what the program does).
#include "platform/ui/TDateTimePicker.h"

#include <gtest/gtest.h>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/SystemTime.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/DateTimePicker.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Mouse.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "testing/LocaleScope.h"

namespace plat::testing {
namespace {

class DateTimePickerControl : public StdControlsTest {
 protected:
  TDateTimePicker* MakePicker() {
    auto* picker = Make<TDateTimePicker>(Bounds(10, 10, 200, 21));
    picker->SetDateTime(EncodeDate(2024, 3, 5) + EncodeTime(14, 30, 0, 0));
    picker->OnChange = [this](TObject*) { FEvents.push_back("OnChange"); };
    picker->OnDropDown = [this](TObject*) { FEvents.push_back("OnDropDown"); };
    picker->OnCloseUp = [this](TObject*) { FEvents.push_back("OnCloseUp"); };
    picker->SetFocus();
    Pump();
    return picker;
  }

  std::vector<std::string> Events() {
    std::vector<std::string> events;
    events.swap(FEvents);
    return events;
  }

  zorbit::testing::TLocaleScope FLocale{TFormatSettings::English()};
  std::vector<std::string> FEvents;
};

TEST_F(DateTimePickerControl, PropertiesShowInItsWindow) {
  TDateTimePicker* picker = MakePicker();
  EXPECT_EQ(picker->Text(), "3/5/2024");
  EXPECT_EQ(picker->Date(), EncodeDate(2024, 3, 5));
  EXPECT_NEAR(picker->Time(), EncodeTime(14, 30, 0, 0), 1e-9);
  picker->SetDate(EncodeDate(2023, 12, 24) + 0.75);  // the time stays
  EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2023, 12, 24) + EncodeTime(14, 30, 0, 0));
  picker->SetTime(EncodeTime(9, 5, 0, 0) + 3);  // the date stays
  EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2023, 12, 24) + EncodeTime(9, 5, 0, 0));
  SYSTEMTIME shown;
  ASSERT_EQ(SendMessage(picker->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)), GDT_VALID);
  EXPECT_DOUBLE_EQ(SystemTimeToDateTime(shown), picker->DateTime());
  picker->SetDateFormat(TDTDateFormat::dfLong);
  EXPECT_EQ(picker->Text(), "Sunday, December 24, 2023");
  picker->SetFormat("yyyy-mm-dd hh:nn");
  EXPECT_EQ(picker->Text(), "2023-12-24 09:05");
  picker->SetFormat("");
  picker->SetKind(TDateTimeKind::dtkTime);
  EXPECT_EQ(picker->Text(), "9:05:00 AM");
  EXPECT_TRUE(GetWindowLong(picker->Handle(), GWL_STYLE) & DTS_UPDOWN);
  // No date.
  picker->SetShowCheckbox(true);
  picker->SetChecked(false);
  EXPECT_EQ(SendMessage(picker->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)), GDT_NONE);
  picker->SetShowCheckbox(false);
  EXPECT_TRUE(picker->Checked());
  // The single border: sunken, or a flat line.
  EXPECT_TRUE(GetWindowLong(picker->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  picker->SetCtl3D(false);
  EXPECT_FALSE(GetWindowLong(picker->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(GetWindowLong(picker->Handle(), GWL_STYLE) & WS_BORDER);
  EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2023, 12, 24) + EncodeTime(9, 5, 0, 0));
  EXPECT_TRUE(Events().empty());
}

TEST_F(DateTimePickerControl, TheRangeBoundsTheDays) {
  TDateTimePicker* picker = MakePicker();
  picker->SetMinDate(EncodeDate(2024, 3, 10) + 0.9);  // its time does not count
  EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2024, 3, 10) + EncodeTime(14, 30, 0, 0));
  picker->SetMaxDate(EncodeDate(2024, 3, 20));
  SYSTEMTIME ends[2];
  EXPECT_EQ(SendMessage(picker->Handle(), DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(ends)),
            static_cast<LRESULT>(GDTR_MIN | GDTR_MAX));
  EXPECT_DOUBLE_EQ(SystemTimeToDateTime(ends[0]), EncodeDate(2024, 3, 10));
  EXPECT_DOUBLE_EQ(SystemTimeToDateTime(ends[1]), EncodeDate(2024, 3, 20) + EncodeTime(23, 59, 59, 999));
  // The last day's evening is within it.
  picker->SetDateTime(EncodeDate(2024, 3, 20) + 0.99);
  struct Refused {
    std::function<void()> Set;
    const char* Message;
  };
  const Refused refused[] = {
      {[&] { picker->SetDateTime(EncodeDate(2024, 3, 21)); }, "Date exceeds maximum of 3/20/2024"},
      {[&] { picker->SetDate(EncodeDate(2024, 3, 9)); }, "Date is less than minimum of 3/10/2024"},
      {[&] { picker->SetMinDate(EncodeDate(2024, 3, 21)); }, "Date exceeds maximum of 3/20/2024"},
      {[&] { picker->SetMaxDate(EncodeDate(2024, 3, 9)); }, "Date is less than minimum of 3/10/2024"},
  };
  for (const Refused& r : refused) {
    try {
      r.Set();
      ADD_FAILURE() << r.Message;
    } catch (const EDateTimeError& error) {
      EXPECT_EQ(error.Message(), r.Message);
    }
  }
  EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2024, 3, 20) + 0.99);
  // No bounds again.
  picker->SetMinDate(0);
  picker->SetMaxDate(0);
  EXPECT_EQ(SendMessage(picker->Handle(), DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(ends)), 0);
  picker->SetDateTime(EncodeDate(1900, 1, 1));
}

TEST_F(DateTimePickerControl, TheUsersChangesRaiseTheEvents) {
  TDateTimePicker* picker = MakePicker();
  Type("{UP}");
  EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2024, 4, 5) + EncodeTime(14, 30, 0, 0));
  EXPECT_EQ(Events(), (std::vector<std::string>{"OnChange"}));
  // Characters the control's key press leaves reach the common control;
  // those it takes do not.
  picker->OnKeyPress = [](TObject*, char32_t& Key) {
    if (Key == '9') Key = 0;
  };
  Type("98");
  EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2024, 8, 5) + EncodeTime(14, 30, 0, 0));
  EXPECT_EQ(Events(), (std::vector<std::string>{"OnChange"}));
  picker->OnKeyPress = nullptr;
  picker->SetDateTime(EncodeDate(2024, 3, 5));
  EXPECT_TRUE(Events().empty());
  // The calendar: Enter on the next day takes it, after which it closes.
  Type("{F4}");
  EXPECT_TRUE(picker->DroppedDown());
  EXPECT_EQ(Events(), (std::vector<std::string>{"OnDropDown"}));
  Type("{RIGHT}{ENTER}");
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(picker->DateTime(), EncodeDate(2024, 3, 6));
  EXPECT_EQ(Events(), (std::vector<std::string>{"OnChange", "OnCloseUp"}));
  Type("{F4}{ESC}");
  EXPECT_EQ(Events(), (std::vector<std::string>{"OnDropDown", "OnCloseUp"}));
  // The check box.
  picker->SetShowCheckbox(true);
  Type("{SPACE}");
  EXPECT_FALSE(picker->Checked());
  EXPECT_EQ(Events(), (std::vector<std::string>{"OnChange"}));
}

TEST_F(DateTimePickerControl, TabMovesThroughTheFieldsThenToTheNextControl) {
  TDateTimePicker* picker = MakePicker();
  picker->SetFormat("yyyy-mm-dd");
  auto* next = Make<TDateTimePicker>(Bounds(10, 60, 200, 21));
  Type("{TAB}{TAB}{UP}");
  EXPECT_TRUE(picker->Focused());
  EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2024, 3, 6) + EncodeTime(14, 30, 0, 0));
  Type("{TAB}");
  EXPECT_TRUE(next->Focused());
  Type("{S-TAB}");
  EXPECT_TRUE(picker->Focused());
}

}  // namespace
}  // namespace plat::testing
