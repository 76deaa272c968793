// The filter and find matcher as tables of (condition, text, expected).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/ExtUtilMatcher.h"
#include "testing/LocaleScope.h"

namespace zorbit {
namespace {

using testing::TLocaleScope;

struct MatchCase {
  std::string Condition;
  std::string Text;
  bool Expected;
  bool MatchCase = true;
};

void Check(const std::vector<MatchCase>& cases) {
  for (const MatchCase& c : cases) {
    SCOPED_TRACE("condition '" + c.Condition + "' on '" + c.Text + "'" + (c.MatchCase ? "" : " without case"));
    EXPECT_EQ(EvaluateFilterCondition(c.Condition, c.Text, c.MatchCase), c.Expected);
  }
}

TEST(Matcher, Wildcards) {
  TLocaleScope english(plat::TFormatSettings::English());
  Check({
      {"", "", true},
      {"", "a", false},
      {"abc", "abc", true},
      {"abc", "abcd", false},  // anchored at the end
      {"abc", "xabc", false},  // and at the start
      {"a*", "a", true},
      {"a*", "abc", true},
      {"a*", "ba", false},
      {"*c", "abc", true},
      {"*c", "abcd", false},
      {"a*c", "ac", true},
      {"a*c", "axxc", true},
      {"a*c", "acx", false},
      {"a***c", "abc", true},  // a row of "*" is one
      {"*", "", true},
      {"?", "", false},
      {"?", "a", true},
      {"?", "ab", false},
      {"a?c", "abc", true},
      {"a?c", "ac", false},
      {"?", "\xC3\xA4", true},  // one character, two bytes
      {"??", "\xC3\xA4", false},
      {"*?x", "\xC3\xA4x", true},
      {"a\\*c", "a*c", true},  // backslash: the next character literally
      {"a\\*c", "abc", false},
      {"a\\?c", "abc", false},
      {"a\\\\c", "a\\c", true},
      {"a\\", "a\\", true},      // a closing backslash stands for itself
      {"\"abc\"", "abc", true},  // double quotes are ignored
      {"a\\\"b", "a\"b", true},
      {"a\"b", "a\"b", false},
  });
}

TEST(Matcher, Negation) {
  TLocaleScope english(plat::TFormatSettings::English());
  Check({
      {"!a*", "abc", false},
      {"!a*", "bcd", true},
      {"!a*", "", true},
      {"!abc", "abc", false},
      {"!abc", "abd", true},
      {"\\!a", "!a", true},
      {"*!c", "abc", false},  // reached at once: "does not end in c"
      {"*!c", "abd", true},
      // Reached only once the text has matched up to it: "begins with ab
      // but is not ab".
      {"ab!", "ab", false},
      {"ab!", "abc", true},
      {"ab!", "xbc", false},
  });
}

TEST(Matcher, CaseRules) {
  TLocaleScope english(plat::TFormatSettings::English());
  Check({
      {"a?c", "ABC", true, false},
      {"a?c", "ABC", false, true},
      {"A?C", "abc", true, false},
      {"\xC3\xA4"
       "b",
       "\xC3\x84"
       "B",
       true, false},             // every letter, not only ASCII
      {">b", "C", true, false},  // compared upper-cased: "C" > "B"
      {">b", "C", false, true},  // byte by byte: "C" < "b"
  });
}

TEST(Matcher, OperatorsCombineLeftToRight) {
  TLocaleScope english(plat::TFormatSettings::English());
  Check({
      {"a* | b*", "abc", true},
      {"a* | b*", "bcd", true},
      {"a* | b*", "cde", false},
      {"a*&*c", "abc", true},
      {"a*&*c", "abd", false},
      {"a*;b*", "bx", true},
      {"a*^*a", "aba", true},      // "^" is an or, not an exclusive or
      {"x*|a*&*c", "xyz", false},  // (x* or a*) and *c: no precedence
      {"x*|a*&*c", "abc", true},
      {"a*|", "", true},  // an empty last term matches the empty text
      {"=5", "5", true},
      {" = 5 ", "5", true},
      {"a = b", "a=b", true},
  });
}

TEST(Matcher, Comparisons) {
  TLocaleScope english(plat::TFormatSettings::English());
  Check({
      {">=10", "10", true},
      {">=10", "9", false},
      {">10", "10", false},
      {">10", "10.5", true},
      {"<10", "9", true},
      {"<10", "10", false},
      {"<=10", "10", true},
      {">9", "10", true},        // as numbers, though "10" < "9" byte by byte
      {">1000", "1,500", true},  // thousand separators dropped
      {">10", "abc", true},      // neither numbers nor dates: "abc" > "10" by bytes
      {"<10", "abc", false},
      {">9/1/2023", "10/1/2023", true},  // as dates, though "10/..." < "9/..." by bytes
      {"<9/1/2023", "10/1/2023", false},
      {">=abc", "abc", true},
      {">\"b\"", "c", true},     // quotes round the operand dropped
      {">5 apples", "6", true},  // the operand ends at a blank
      {">5&<10", "7", true},
      {"> 5 & < 10", "7", true},
      {">5&<10", "12", false},
      {">5", "4", false},
      {">5", ">5", true},  // a failed comparison still matches as a pattern
      {"!x>5", "6", true},
      {">" + std::string(300, 'a'), std::string(255, 'a') + "b", false},  // 255 bytes compared
      {">=" + std::string(300, 'a'), std::string(255, 'a') + "b", true},
  });
}

TEST(Matcher, ComparisonsInAGermanLocale) {
  TLocaleScope german(plat::TFormatSettings::German());
  Check({
      {">=10", "12,5", true},
      {">=10", "9,5", false},
      {">1000", "1.500", true},
      {"<1.000", "999", true},
      // Dates whose separator is the thousand separator compare as dates,
      // not as the numbers left when the separators are dropped.
      {">31.12.2023", "1.1.2024", true},
      {"<31.12.2023", "1.1.2024", false},
      {">31.12.2023", "30.12.2023", false},
  });
}

TEST(Matcher, LongTextsAndPathologicalPatterns) {
  TLocaleScope english(plat::TFormatSettings::English());
  const std::string as(10000, 'a');
  const std::string pattern = "*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b";
  Check({
      {pattern, as, false},
      {pattern, as + "b", true},
      {"!" + pattern, as, true},
      {"*" + std::string(40, '?') + "b", as, false},
      {"a*", as, true},
      {as, as, true},
      {as + "?", as, false},
  });
}

TEST(Matcher, TermsDirectly) {
  TLocaleScope english(plat::TFormatSettings::English());
  // MatchPatternTerm neither splits at operators nor changes case.
  EXPECT_TRUE(MatchPatternTerm("a|b", "a|b"));
  EXPECT_FALSE(MatchPatternTerm("a?c", "ABC"));
  EXPECT_TRUE(MatchConditionTerm("a?c", "ABC", false));
  EXPECT_FALSE(MatchConditionTerm("a?c", "ABC", true));
}

}  // namespace
}  // namespace zorbit
