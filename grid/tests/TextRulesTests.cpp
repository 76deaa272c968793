// Cell-text kinds, number texts, links, references, words and the small
// helpers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/ExtUtilSmall.h"
#include "grid/ExtUtilText.h"
#include "testing/LocaleScope.h"

namespace zorbit {
namespace {

using testing::TLocaleScope;

TEST(CellText, Kinds) {
  struct Case {
    std::string Text;
    bool Html;
    int Expected;
  };
  const std::vector<Case> cases{
      {"", true, CellTextPlain},
      {"plain", true, CellTextPlain},
      {"x=1", true, CellTextPlain},
      {"=A1", false, CellTextFormula},
      {"=", false, CellTextFormula},
      {"|\\", false, CellTextUnicode},
      {std::string("|\\\0a", 4), false, CellTextUnicode},
      {std::string("|\\\0=", 4), false, CellTextFormula},  // an encoded "="
      {"{\\rtf1 x}", true, CellTextRich},
      {"<b>x", true, CellTextPlain},  // lower-case tags are not looked for
      {"</b>", true, CellTextHtml},
      {"a <B>b", true, CellTextHtml},
      {"<I>", true, CellTextHtml},
      {"</b>", false, CellTextPlain},
  };
  for (const Case& c : cases) EXPECT_EQ(ClassifyCellText(c.Text, c.Html), c.Expected) << c.Text;
}

struct NumberCase {
  std::string Text;
  int Kind;
};

TEST(NumberText, KindsInAnEnglishLocale) {
  TLocaleScope english(plat::TFormatSettings::English());
  const std::vector<NumberCase> cases{
      {"", NumberTextNone},
      {"12", NumberTextInteger},
      {"-12", NumberTextInteger},
      {"1,234", NumberTextDecimal},
      {"1,234,567", NumberTextNone},
      {"1-2", NumberTextNone},
      {"--1", NumberTextNone},
      {"1.5", NumberTextDecimal},
      {"-1,234.5", NumberTextDecimal},
      {"1.5.5", NumberTextNone},
      {",123", NumberTextNone},
      {"1e5", NumberTextNone},
      {" 12", NumberTextNone},
      {"12a", NumberTextNone},
      // Without a digit there is no number.
      {"-", NumberTextNone},
      {".", NumberTextNone},
      {"-.", NumberTextNone},
  };
  for (const NumberCase& c : cases) EXPECT_EQ(ClassifyNumberText(c.Text), c.Kind) << c.Text;
}

TEST(NumberText, KindsInAGermanLocale) {
  TLocaleScope german(plat::TFormatSettings::German());
  const std::vector<NumberCase> cases{
      {"1.234", NumberTextDecimal}, {"12,5", NumberTextDecimal},   {"1.234,5", NumberTextDecimal},
      {"1,234,5", NumberTextNone},  {"1.234.567", NumberTextNone}, {"-7", NumberTextInteger},
  };
  for (const NumberCase& c : cases) EXPECT_EQ(ClassifyNumberText(c.Text), c.Kind) << c.Text;
}

TEST(NumberText, ExtractAndNormalize) {
  {
    TLocaleScope english(plat::TFormatSettings::English());
    EXPECT_EQ(ExtractNumberText("$ -1,234.50"), "-1234.50");
    EXPECT_EQ(ExtractNumberText("(12)"), "-12");
    EXPECT_EQ(ExtractNumberText("-5"), "-5");
    EXPECT_EQ(ExtractNumberText("12 kg"), "12");
    EXPECT_EQ(ExtractNumberText("1.5E3x"), "1.5E3");
    EXPECT_EQ(ExtractNumberText("abc"), "");
    EXPECT_EQ(ExtractNumberText(""), "");
    EXPECT_EQ(NormalizeNumberText("1,234.5"), "1234.5");
  }
  TLocaleScope german(plat::TFormatSettings::German());
  EXPECT_EQ(ExtractNumberText("1.234,5 EUR"), "1234.5");
  EXPECT_EQ(ExtractNumberText("(3,25)"), "-3.25");
  EXPECT_EQ(NormalizeNumberText("1.234,5"), "1234.5");
}

TEST(CellText, References) {
  struct Case {
    std::string Text;
    bool Ok;
    int Col, Row;
  };
  const std::vector<Case> cases{
      {"R1C2", true, 2, 1}, {"r10c3", true, 3, 10},          {"R1C", false, 0, 0},  {"RC1", false, 0, 0},
      {"R1", false, 0, 0},  {"R-1C2", false, 0, 0},          {"X1C2", false, 0, 0}, {"R1C2x", false, 0, 0},
      {"", false, 0, 0},    {"R1C99999999999", false, 0, 0},
  };
  for (const Case& c : cases) {
    int col = -7, row = -7;
    EXPECT_EQ(ParseCellReference(c.Text, col, row), c.Ok) << c.Text;
    if (c.Ok) {
      EXPECT_EQ(col, c.Col) << c.Text;
      EXPECT_EQ(row, c.Row) << c.Text;
    } else {
      EXPECT_EQ(col, -7) << c.Text;  // left alone on failure
    }
  }
}

TEST(CellText, Links) {
  EXPECT_TRUE(IsLinkText("http://x.org"));
  EXPECT_TRUE(IsLinkText("write to mailto:a@b.org"));
  EXPECT_FALSE(IsLinkText("www.x.org"));
  const std::vector<std::pair<std::string, std::string>> strips{
      {"http://x.org", "x.org"}, {"mailto:a@b.org", "a@b.org"}, {"see ftp://y", "y"}, {"plain", "plain"}};
  for (auto [text, expected] : strips) {
    StripLinkProtocol(text);
    EXPECT_EQ(text, expected);
  }
}

TEST(CellText, CapitalizeWords) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"", ""},
      {"hello world", "Hello World"},
      {"HELLO WORLD", "Hello World"},
      {"o'neil", "O'Neil"},
      {"jean-luc picard", "Jean-Luc Picard"},
      {"a.b,c", "A.B,C"},
      {"mcdonald", "McDonald"},
      {"ronald mcdonald", "Ronald McDonald"},
      {"HENRY II", "Henry II"},
      {"HENRY III", "Henry III"},
      {"HENRY IV", "Henry IV"},
      {"henry ii", "Henry Ii"},  // only an upper case it had is kept
      {"peter ivo", "Peter Ivo"},
      {"\xC3\xA9lan VITAL", "\xC3\x89lan Vital"},
      {"bad \xFF byte", "Bad \xFF Byte"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(CapitalizeWords(text), expected) << text;
}

TEST(SmallRoutines, ClampToRange) {
  struct Case {
    int Value, Low, High, Expected;
  };
  const std::vector<Case> cases{
      {5, 1, 10, 5},   {0, 1, 10, 1},  {11, 1, 10, 10}, {-5, 0, 10, -5},  // low not above 0
      {15, 0, 10, 10}, {15, 5, 0, 15}, {3, 5, 5, 3},    {-9, -3, 4, -9},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ClampToRange(c.Value, c.Low, c.High), c.Expected) << c.Value << " " << c.Low << " " << c.High;
}

TEST(SmallRoutines, PositionsAndRects) {
  EXPECT_EQ(MaxInt2(3, -4), 3);
  EXPECT_EQ(MinInt2(3, -4), -4);
  int position = -1;
  EXPECT_EQ(PosWithResult("b", "abc", position), 2);
  EXPECT_EQ(position, 2);
  EXPECT_EQ(PosWithResult("x", "abc", position), 0);
  EXPECT_EQ(position, 0);
  EXPECT_EQ(PosInUpperCase("B", "abc"), 2);
  EXPECT_EQ(PosInUpperCase("\xC3\xA9", "x\xC3\x89"), 2);
  EXPECT_EQ(PosInUpperCase("", "abc"), 0);

  const plat::TRect cells{1, 1, 3, 3};
  EXPECT_TRUE(PointInGridRect(1, 1, cells));
  EXPECT_TRUE(PointInGridRect(3, 3, cells));  // edges belong to it
  EXPECT_FALSE(PointInGridRect(4, 3, cells));
  EXPECT_FALSE(PointInGridRect(2, 0, cells));

  EXPECT_EQ(FillWithChar('x', 3), "xxx");
  EXPECT_EQ(FillWithChar('x', 0), "");
  EXPECT_EQ(FillWithChar('x', -1), "");
}

}  // namespace
}  // namespace zorbit
