// The combo box and the date-time picker read from a layout: their
// published properties arrive (the picker's dates written as ISO texts), the
// handlers are bound, and a value the control refuses fails the read with
// the property named.
#include <gtest/gtest.h>

#include "platform/rtl/DateTime.h"
#include "platform/ui/LayoutError.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomComboBox.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "testing/LocaleScope.h"

namespace plat::testing {
namespace {

class TfmDropDowns : public TForm {
 public:
  explicit TfmDropDowns(TComponent* AOwner) : TForm(AOwner) {
    TLayoutHandlers handlers;
    handlers.RegisterHandler("Changed", this, &TfmDropDowns::Changed);
    handlers.RegisterHandler("DrawItem", this, &TfmDropDowns::DrawItem);
    CreateFromLayout("DropDownForm", handlers);
  }

  template <typename T>
  T* Part(const char* Name) const {
    return dynamic_cast<T*>(FindComponent(Name));
  }

  int Changes = 0;
  int Drawn = 0;

 private:
  void Changed(TObject*) { ++Changes; }
  void DrawItem(TWinControl*, int, TRect, TOwnerDrawState) { ++Drawn; }
};

class DropDownLayout : public StdControlsTest {
 protected:
  zorbit::testing::TLocaleScope FLocale{TFormatSettings::English()};
};

TEST_F(DropDownLayout, ThePublishedPropertiesArrive) {
  auto* form = new TfmDropDowns(Application);
  form->Show();
  Pump();
  auto* colour = form->Part<TComboBox>("cbxColour");
  ASSERT_NE(colour, nullptr);
  EXPECT_EQ(colour->Style(), TComboBoxStyle::csDropDownList);
  EXPECT_EQ(colour->Items()->CommaText(), "Blue,Green,Red");
  EXPECT_EQ(colour->Text(), "Green");
  EXPECT_EQ(colour->DropDownCount(), 4);
  EXPECT_FALSE(colour->Ctl3D());
  ASSERT_TRUE(colour->OnChange);
  auto* name = form->Part<TComboBox>("cbxName");
  EXPECT_EQ(name->Text(), "Zorbit");
  EXPECT_EQ(name->MaxLength(), 5);
  auto* drawn = form->Part<TComboBox>("cbxDrawn");
  EXPECT_EQ(drawn->ItemHeight(), 20);
  EXPECT_GT(form->Drawn, 0);

  auto* due = form->Part<TDateTimePicker>("dtpDue");
  ASSERT_NE(due, nullptr);
  EXPECT_EQ(due->DateTime(), EncodeDate(2024, 3, 5) + EncodeTime(14, 30, 0, 0));
  EXPECT_EQ(due->MinDate(), EncodeDate(2024, 1, 1));
  EXPECT_EQ(due->MaxDate(), EncodeDate(2024, 12, 31));
  EXPECT_TRUE(due->ShowCheckbox());
  EXPECT_EQ(due->Text(), "Tuesday, March 5, 2024");
  auto* at = form->Part<TDateTimePicker>("dtpAt");
  EXPECT_EQ(at->Kind(), TDateTimeKind::dtkTime);
  EXPECT_NEAR(at->DateTime(), EncodeDate(2024, 3, 5) + EncodeTime(9, 15, 0, 0), 1e-9);
  EXPECT_EQ(at->Text(), "09:15");
  EXPECT_EQ(form->Changes, 0);
  delete form;
}

TEST_F(DropDownLayout, AValueTheControlRefusesFailsTheReadNamingTheProperty) {
  auto* form = new TForm(Application);
  const struct {
    const char* Members;
    const char* Message;
  } cases[] = {
      {R"("MaxDate": "2024-01-31", "DateTime": "2024-02-01")",
       "Error reading dtpDue.DateTime in layout Bad: Date exceeds maximum of 1/31/2024"},
      {R"("DateTime": "2024-02-30")",
       "Error reading dtpDue.DateTime in layout Bad: Invalid property value \"2024-02-30\""},
      {R"("Time": 0.5)", "Error reading dtpDue.Time in layout Bad: Invalid property value 0.5"},
      {R"("Kind": "dtkDateTime")", "Error reading dtpDue.Kind in layout Bad: Invalid property value \"dtkDateTime\""},
  };
  for (const auto& c : cases) {
    const String text =
        R"({"Components": [{"Class": "TDateTimePicker", "Name": "dtpDue", )" + String(c.Members) + "}]}";
    try {
      ReadLayoutText(*form, text, "Bad", {});
      ADD_FAILURE() << c.Members;
    } catch (const ELayoutError& error) {
      EXPECT_EQ(error.Message(), c.Message);
    }
    EXPECT_EQ(form->ComponentCount(), 0);
  }
  delete form;
}

}  // namespace
}  // namespace plat::testing
