// The masked edit on the headless display: typed keys against the shown
// text and the caret, what Text gives with and without saved literals,
// and the check of required places.
#include <gtest/gtest.h>

#include "platform/rtl/FormatSettings.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/TMaskEdit.h"
#include "platform/ui/tests/StdControlsFixture.h"

namespace plat::testing {
namespace {

class MaskEdit : public StdControlsTest {
 protected:
  void SetUp() override {
    StdControlsTest::SetUp();
    // The separators the masks' ":" and "/" stand for.
    FormatSettings().DateSeparator = '/';
    FormatSettings().TimeSeparator = ':';
    // Leaving an edit whose required places are empty is reported here.
    Application->OnException = [this](TObject*, const std::exception& E) { FReported.push_back(E.what()); };
  }
  void TearDown() override {
    Application->OnException = nullptr;
    StdControlsTest::TearDown();
  }
  std::vector<String> FReported;

  TMaskEdit* MakeMasked(const String& Mask) {
    TMaskEdit* edit = Make<TMaskEdit>(Bounds(10, 10, 150, 21));
    edit->SetEditMask(Mask);
    edit->SetFocus();
    edit->SetSelStart(0);
    Pump();
    return edit;
  }
};

struct MaskCase {
  const char* Name;
  const char* Mask;
  const char* Keys;
  const char* Shown;
  const char* Text;
  int Caret;
};

TEST_F(MaskEdit, TypedKeysFillThePlaces) {
  const MaskCase cases[] = {
      {"empty mask shown", "00/00/0000;1;_", "", "__/__/____", "  /  /    ", 0},
      {"digits skip the literals", "00/00/0000;1;_", "1231", "12/31/____", "12/31/    ", 6},
      {"letters refused in digit places", "00/00/0000;1;_", "1x2", "12/__/____", "12/  /    ", 3},
      {"literals left out of Text", "00/00/0000;0;_", "12311999", "12/31/1999", "12311999", 10},
      {"backspace empties the place before", "000-000;1;_", "1234{BS}{BS}", "12_-___", "12 -   ", 2},
      {"upper case", ">LLL;1;*", "abc", "ABC", "ABC", 3},
      {"case switched back", ">L<l;1;_", "aB", "Ab", "Ab", 2},
      {"escaped literal", "\\00;1;_", "5", "05", "05", 2},
      {"sign place", "#99;1;_", "-4", "-4_", "-4 ", 2},
      {"delete keeps the caret", "0000;1;_", "1234{HOME}{DEL}", "_234", " 234", 0},
      {"typing over a selection", "0000;1;_", "1234{HOME}{S-RIGHT}{S-RIGHT}9", "9_34", "9 34", 1},
  };
  for (const MaskCase& c : cases) {
    TMaskEdit* edit = MakeMasked(c.Mask);
    Type(c.Keys);
    EXPECT_EQ(edit->EditText(), c.Shown) << c.Name;
    EXPECT_EQ(edit->Text(), c.Text) << c.Name;
    EXPECT_EQ(edit->SelStart(), c.Caret) << c.Name;
    delete edit;
  }
}

TEST_F(MaskEdit, TextSetByTheProgramFitsTheMask) {
  TMaskEdit* saved = MakeMasked("00:00;1;_");
  saved->SetText("12:3x");
  EXPECT_EQ(saved->EditText(), "12:3_");
  TMaskEdit* packed = MakeMasked("(000) 000;0;_");
  packed->SetText("555123");
  EXPECT_EQ(packed->EditText(), "(555) 123");
  EXPECT_EQ(packed->Text(), "555123");
  // A new mask reshapes the text there is.
  packed->SetEditMask("000-000;0;_");
  EXPECT_EQ(packed->EditText(), "555-123");
  packed->SetEditMask("");
  EXPECT_EQ(packed->Text(), "555123");
}

TEST_F(MaskEdit, PasteTypesEachCharacterIntoThePlaces) {
  TMaskEdit* edit = MakeMasked("000-000;1;_");
  Clipboard()->SetAsText("12a3456");
  Type("{C-V}");
  EXPECT_EQ(edit->EditText(), "123-456");
}

TEST_F(MaskEdit, LeavingWithARequiredPlaceEmptyIsAnError) {
  TMaskEdit* edit = MakeMasked("000;1;_");
  TMaskEdit* other = MakeMasked("999;1;_");  // optional places only
  edit->SetFocus();
  Type("12");
  EXPECT_THROW(edit->ValidateEdit(), EDBEditError);
  FReported.clear();
  Type("{TAB}");
  ASSERT_EQ(FReported.size(), 1u);
  EXPECT_EQ(FReported[0], "Invalid input value.  Use escape key to abandon changes");
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(edit->SelStart(), 2);  // at the empty place
  Type("3{TAB}");
  EXPECT_TRUE(other->Focused());
  EXPECT_NO_THROW(other->ValidateEdit());
}

}  // namespace
}  // namespace plat::testing
