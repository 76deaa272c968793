// The cell checker's base: its answers leave the committed text as it is,
// and a descendant changes only what it overrides.
#include "grid/ExtStringGridCheck.h"

#include <gtest/gtest.h>

#include <cctype>

namespace zorbit {
namespace {

TEST(ExtStringGridCheck, TheBaseAnswersTheTextUnchangedAndStartsWithEverySwitchOff) {
  TExtStringGridCheck check(nullptr);
  EXPECT_EQ(check.Correct(1, 2, "teh cat"), "teh cat");
  EXPECT_EQ(check.MarkError(1, 2, ""), "");
  const plat::String binary("a\0b", 3);
  EXPECT_EQ(check.MarkError(0, 0, binary), binary);
  EXPECT_FALSE(check.AutoCorrect());
  EXPECT_FALSE(check.AutoMarkError());
  EXPECT_FALSE(check.GotoCell());
  EXPECT_FALSE(check.UseCorrect());
  EXPECT_FALSE(check.UseMarkError());
}

class UpperCaseCheck : public TExtStringGridCheck {
 public:
  using TExtStringGridCheck::TExtStringGridCheck;
  plat::String Correct(int ACol, int, const plat::String& Value) override {
    plat::String upper = Value;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return ACol == 1 ? upper : Value;
  }
};

TEST(ExtStringGridCheck, ADescendantReachedThroughTheBaseAnswersForItsOverridesOnly) {
  UpperCaseCheck upper(nullptr);
  TExtStringGridCheck& check = upper;
  EXPECT_EQ(check.Correct(1, 0, "abc"), "ABC");
  EXPECT_EQ(check.Correct(2, 0, "abc"), "abc");
  EXPECT_EQ(check.MarkError(1, 0, "abc"), "abc");
}

}  // namespace
}  // namespace zorbit
