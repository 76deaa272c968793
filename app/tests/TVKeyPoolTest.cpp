// The key capture of password edits, on a real edit of a form in the headless
// display: which keys are accepted, placeholders decoded back to the keys'
// scan codes, selections replaced, full edits, foreign characters, and the
// placeholders reused after the first 224 without ever changing what the
// field decodes to.
#include "app/TVKeyPool.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/rtl/Unicode.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TForm.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Keyboard.h"
#include "platform/win/VirtualKeys.h"
#include "testing/FormTest.h"

namespace {

using plat::String;
using zorbit::TVKeyPool;

// The scan codes of keys, as Decode gives them.
String ScanCodes(std::initializer_list<std::uint16_t> Keys) {
  String codes;
  for (std::uint16_t key : Keys) codes += static_cast<char>(plat::MapVirtualKey(key, plat::MAPVK_VK_TO_VSC));
  return codes;
}

std::set<char32_t> CodePoints(const String& Text) {
  std::set<char32_t> points;
  for (std::size_t pos = 0; pos < Text.size();) points.insert(plat::DecodeUtf8(Text, pos));
  return points;
}

class VKeyPoolTest : public zorbit::testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    Form = new plat::TForm(plat::Application);
    Edit = new plat::TEdit(Form);
    Edit->SetParent(Form);
    Edit->SetMaxLength(8);
    Edit->SetPasswordChar('*');
  }
  void TearDown() override {
    delete Form;
    FormTest::TearDown();
  }
  void Type(std::initializer_list<std::uint16_t> Keys) {
    for (std::uint16_t key : Keys) Pool.KeyUp(*Edit, key);
  }
  int Length() { return plat::Utf8Length(Edit->Text()); }

  plat::TForm* Form = nullptr;
  plat::TEdit* Edit = nullptr;
  TVKeyPool Pool;
};

TEST_F(VKeyPoolTest, DigitsLettersAndPunctuationKeysAreAcceptedAndNothingElse) {
  const auto accepted = [](unsigned key) {
    return (key >= 0x30 && key <= 0x39) || (key >= 0x41 && key <= 0x5A) || (key >= 0xBA && key <= 0xBF) ||
           (key >= 0xDB && key <= 0xDD);
  };
  for (unsigned key = 0; key <= 0xFF; ++key) {
    TVKeyPool pool;
    Edit->SetText("");
    pool.KeyUp(*Edit, static_cast<std::uint16_t>(key));
    EXPECT_EQ(Length(), accepted(key) ? 1 : 0) << std::hex << key;
  }
  // Neighbours of the ranges that type characters too are still refused.
  for (plat::UINT key : {plat::VK_SPACE, plat::VK_NUMPAD0, plat::VK_SHIFT, plat::VK_LEFT, plat::VK_F1, plat::UINT{0xC0},
                         plat::UINT{0xDE}, plat::UINT{0xE2}}) {
    Edit->SetText("");
    Pool.KeyUp(*Edit, static_cast<std::uint16_t>(key));
    EXPECT_EQ(Length(), 0) << std::hex << key;
  }
}

TEST_F(VKeyPoolTest, EveryAcceptedKeyDecodesToItsScanCode) {
  Edit->SetMaxLength(100);
  String expected;
  for (unsigned key = 0; key <= 0xFF; ++key) {
    const int before = Length();
    Pool.KeyUp(*Edit, static_cast<std::uint16_t>(key));
    if (Length() == before) continue;
    const auto code = static_cast<char>(plat::MapVirtualKey(key, plat::MAPVK_VK_TO_VSC));
    EXPECT_NE(code, 0) << std::hex << key;
    expected += code;
  }
  EXPECT_EQ(Length(), 10 + 26 + 6 + 3);
  EXPECT_EQ(Pool.Decode(Edit->Text()), expected);
  EXPECT_EQ(ScanCodes({'A', '1', 0xBA, 0xDD}), "\x1E\x02\x27\x1B");
}

TEST_F(VKeyPoolTest, TheSameKeyTwiceGetsTwoPlaceholders) {
  Type({'A', '1', 'A'});
  EXPECT_EQ(Length(), 3);
  EXPECT_EQ(CodePoints(Edit->Text()).size(), 3u);
  EXPECT_EQ(Pool.Decode(Edit->Text()), ScanCodes({'A', '1', 'A'}));
  EXPECT_EQ(Pool.Decode(""), "");
}

TEST_F(VKeyPoolTest, AKeyReplacesTheSelectionAndLeavesTheCaretAfterIt) {
  Type({'A', 'B', 'C', 'D'});
  Edit->SetSelStart(1);
  Edit->SetSelLength(2);
  Type({'Z'});
  EXPECT_EQ(Pool.Decode(Edit->Text()), ScanCodes({'A', 'Z', 'D'}));
  EXPECT_EQ(Edit->SelStart(), 2);
  EXPECT_EQ(Edit->SelLength(), 0);
  Type({'Y'});
  EXPECT_EQ(Pool.Decode(Edit->Text()), ScanCodes({'A', 'Z', 'Y', 'D'}));
}

TEST_F(VKeyPoolTest, AFullEditKeepsItsTextButASelectionMakesRoom) {
  Type({'1', '2', '3', '4', '5', '6', '7', '8'});
  const String full = Edit->Text();
  Type({'9'});
  EXPECT_EQ(Edit->Text(), full);
  Edit->SetSelStart(7);
  Edit->SetSelLength(1);
  Type({'9'});
  EXPECT_EQ(Pool.Decode(Edit->Text()), ScanCodes({'1', '2', '3', '4', '5', '6', '7', '9'}));
  // Without a maximum length nothing goes in.
  Edit->SetText("");
  Edit->SetMaxLength(0);
  Type({'A'});
  EXPECT_EQ(Edit->Text(), "");
}

TEST_F(VKeyPoolTest, ACharacterThePoolDidNotMakeIsAnUnknownError) {
  Type({'A'});
  for (const String& text : {String("x"), Edit->Text() + "x", String("\t"), String("\xE2\x82\xAC")}) {
    try {
      Pool.Decode(text);
      ADD_FAILURE() << "no exception for " << text;
    } catch (const zorbit::EVKeyPoolError& e) {
      EXPECT_EQ(e.Message(), "Unknown Error");
    }
  }
}

TEST_F(VKeyPoolTest, AfterTheFirst224KeysPlaceholdersInTheFieldAreNeverReused) {
  // Eight keys in the field, then many more releases while it is full: each
  // takes a placeholder, so the pool runs through its 224 several times.
  Type({'1', '2', '3', '4', '5', '6', '7', '8'});
  const String field = Edit->Text();
  for (int i = 0; i < 1000; ++i) Type({'Q'});
  EXPECT_EQ(Edit->Text(), field);
  EXPECT_EQ(Pool.Decode(field), ScanCodes({'1', '2', '3', '4', '5', '6', '7', '8'}));
  // Placeholders that left the field serve again; the newest key wins.
  Edit->SetText(plat::Utf8Copy(field, 1, 6));
  Edit->SetSelStart(6);
  Type({'Z', 'X'});
  EXPECT_EQ(Pool.Decode(Edit->Text()), ScanCodes({'1', '2', '3', '4', '5', '6', 'Z', 'X'}));
  EXPECT_EQ(CodePoints(Edit->Text()).size(), 8u);
}

TEST_F(VKeyPoolTest, AKeyFindsNoPlaceholderOnlyWhenAll224AreInTheField) {
  Edit->SetMaxLength(300);
  for (int i = 0; i < 224; ++i) Type({'M'});
  EXPECT_EQ(Length(), 224);
  EXPECT_EQ(CodePoints(Edit->Text()).size(), 224u);
  const String full = Edit->Text();
  Type({'N'});
  EXPECT_EQ(Edit->Text(), full);
  EXPECT_EQ(Pool.Decode(full), String(224, ScanCodes({'M'})[0]));
  // One placeholder out, and the next key takes exactly that one.
  Edit->SetText(plat::Utf8Copy(full, 2, 223));
  Edit->SetSelStart(223);
  Type({'N'});
  EXPECT_EQ(Pool.Decode(Edit->Text()), String(223, ScanCodes({'M'})[0]) + ScanCodes({'N'}));
  EXPECT_EQ(CodePoints(Edit->Text()), CodePoints(full));
}

TEST_F(VKeyPoolTest, KeyReleasesFromTheQueueFillAPasswordEdit) {
  // As the Security window wires its edits: typed characters are dropped,
  // key releases go to the pool.
  Edit->OnKeyPress = [](plat::TObject*, char32_t& Key) {
    if (Key >= 32) Key = 0;
  };
  Edit->OnKeyUp = [this](plat::TObject*, std::uint16_t& Key, plat::TShiftState) { Pool.KeyUp(*Edit, Key); };
  Form->Show();
  Edit->SetFocus();
  Pump();
  plat::InjectKeyPress('A', {plat::VK_SHIFT});
  plat::InjectKeyPress('1');
  plat::InjectKeyPress(plat::VK_LEFT);
  plat::InjectKeyPress(plat::VK_F2);
  plat::InjectKeyPress(0xBF);
  plat::InjectKeyPress(plat::VK_BACK);
  plat::InjectKeyPress('a' - 32);
  Pump();
  // The caret went left over "1" before "/" came in; backspace took "/".
  EXPECT_EQ(Pool.Decode(Edit->Text()), ScanCodes({'A', 'A', '1'}));
}

}  // namespace
