// CSV and text-stream field routines, line-break masking and the Unicode
// cell-text encoding.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "grid/ExtUtil.h"

namespace zorbit {
namespace {

using namespace std::string_literals;

TEST(Fields, CharacterPositionsAndCounts) {
  EXPECT_EQ(CharPosition('b', "abc"), 2);
  EXPECT_EQ(CharPosition('x', "abc"), 0);
  EXPECT_EQ(CharPosition('a', ""), 0);
  EXPECT_EQ(CountCharOccurrences('a', "banana"), 3);
  EXPECT_EQ(CountCharOccurrences('a', ""), 0);
}

TEST(Fields, UnpairedQuotes) {
  struct Case {
    std::string Text;
    int First, Count;
  };
  const std::vector<Case> cases{
      {"abc", 0, 0},       {"ab\"c", 3, 1},    {"ab\"\"c", 0, 0},  // a pair is a quote inside the field
      {"ab\"\"\"c", 5, 1},                                         // an odd run ends the field at its last quote
      {"abc\"", 4, 1},                                             // a run at the end counts
      {"abc\"\"", 0, 0},   {"\"\"x\"y", 4, 1}, {"\"a\"\"b\"", 1, 2}, {"", 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindUnpairedChar('"', c.Text), c.First) << c.Text;
    EXPECT_EQ(CountUnpairedChars('"', c.Text), c.Count) << c.Text;
  }
}

TEST(Fields, SmallConversions) {
  EXPECT_EQ(UndoubleChar('"', "a\"\"b"), "a\"b");
  EXPECT_EQ(UndoubleChar('"', "a\"b"), "ab");
  EXPECT_EQ(UndoubleChar('"', "\"\"\""), "\"");
  EXPECT_EQ(UndoubleChar('"', "abc"), "abc");

  EXPECT_EQ(QuoteMultiLineField("a\r\nb"),
            "\"a\x0B"
            "b\"");
  EXPECT_EQ(QuoteMultiLineField(""), "\"\"");
  EXPECT_EQ(RestoreMultiLineField("a\x0B"
                                  "b\x0B"),
            "a\r\nb\r\n");

  EXPECT_EQ(TildeToLineBreak("a~b~"), "a\r\nb\r\n");
  EXPECT_EQ(TildeToLineBreak("^"), "");
  EXPECT_EQ(TildeToLineBreak("^^"), "^^");

  EXPECT_EQ(RemoveCarriageReturns("a\r\nb\r"), "a\nb");
  EXPECT_EQ(ExpandNewlineEscapes("a\\nb\\n"), "a\rb\r");
  EXPECT_EQ(ExpandNewlineEscapes("a\\tb"), "a\\tb");
  EXPECT_EQ(OemTextToAnsi("Gr\x81\xE1"
                          "e"),
            "Gr\xC3\xBC\xC3\x9F"
            "e");
}

TEST(Fields, LinesAndDelimiters) {
  struct Case {
    std::string Text, Line, Rest;
  };
  const std::vector<Case> lines{
      {"a\r\nb\r\nc", "a", "b\r\nc"}, {"a\rb", "a", "b"}, {"abc", "abc", ""}, {"\r\n", "", ""}, {"", "", ""},
      {"a\nb", "a\nb", ""},  // only a CR ends a line
  };
  for (const Case& c : lines) {
    std::string text = c.Text;
    EXPECT_EQ(TakeFirstLine(text), c.Line);
    EXPECT_EQ(text, c.Rest);
  }
  EXPECT_EQ(CountTextLines("a\rb\rc", true), 3);
  EXPECT_EQ(CountTextLines("a\rb\rc", false), 1);
  EXPECT_EQ(CountTextLines("", true), 1);

  std::string source = "a::b::c";
  EXPECT_EQ(TakeUntilDelimiter(source, "::"), "a");
  EXPECT_EQ(source, "b::c");
  source = "abc";
  EXPECT_EQ(TakeUntilDelimiter(source, "::"), "abc");
  EXPECT_EQ(source, "");
  source = "abc";
  EXPECT_EQ(TakeUntilDelimiter(source, ""), "abc");
  EXPECT_EQ(source, "");
}

// Every text a cell can hold comes back from a text stream line as it was.
TEST(LineBreakMasks, RoundTripEveryCellText) {
  std::vector<std::string> texts{
      "",
      "plain",
      "a\r\nb",
      "a\rb",
      "a\nb",
      "a\tb",
      "a\bb",
      "a\x10"
      "b",
      "\t\r\n\b\x10",
      "\r\r\n\n\n\r",
      "tab\tand\r\nbreak",
      "ends with a break\r\n",
      "\x10",
      EncodeUnicodeCellText(u"\x0D0A\x0908\x1010\x0A0D x"),  // bytes 13, 10, 9, 8, 16 inside characters
  };
  std::string everyByte;
  for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
  texts.push_back(everyByte);
  std::mt19937 random(9);
  std::uniform_int_distribution<int> pick(0, 6);
  const char alphabet[] = {'\r', '\n', '\t', '\b', '\x10', 'a', '\0'};
  for (int i = 0; i < 200; ++i) {
    std::string text;
    for (int n = i % 17; n > 0; --n) text += alphabet[pick(random)];
    texts.push_back(text);
  }
  for (const std::string& text : texts) {
    const std::string masked = MaskLineBreaks(text);
    EXPECT_EQ(masked.find_first_of("\r\n"), std::string::npos) << "a masked text is one line";
    EXPECT_EQ(UnmaskLineBreaks(masked, true), text);
  }
}

TEST(LineBreakMasks, StreamForm) {
  // CR LF as the stream has always carried it.
  EXPECT_EQ(MaskLineBreaks("a\r\nb"), "a\t\bb");
  EXPECT_EQ(UnmaskLineBreaks("a\t\bb", true), "a\r\nb");
  // Without all lines only the first one.
  EXPECT_EQ(UnmaskLineBreaks(MaskLineBreaks("one\r\ntwo\r\nthree"), false), "one");
  EXPECT_EQ(UnmaskLineBreaks(MaskLineBreaks("a\tb\r\nc"), false), "a\tb");
  // Texts that were never masked are left alone.
  EXPECT_EQ(UnmaskLineBreaks("plain text", true), "plain text");
  EXPECT_EQ(UnmaskLineBreaks("plain text", false), "plain text");
  // A stray escape at the end stands for itself.
  EXPECT_EQ(UnmaskLineBreaks("a\x10", true), "a\x10");
}

TEST(UnicodeCellText, EncodeAndDecode) {
  const std::u16string wide = u"A\u00E9\u20AC";
  const std::string encoded = EncodeUnicodeCellText(wide);
  EXPECT_EQ(encoded, "|\\\0A\0\xE9\x20\xAC"s);
  EXPECT_EQ(DecodeUnicodeCellText(encoded), wide);
  EXPECT_EQ(DecodeUnicodeCellText(encoded + "\x41"), wide);  // an odd last byte is ignored
  EXPECT_EQ(DecodeUnicodeCellText("|\\"), u"");
  EXPECT_EQ(EncodeUnicodeCellText(u""), "|\\");
  EXPECT_EQ(DecodeUnicodeCellText("caf\xC3\xA9"), u"caf\u00E9");  // other texts from the code page
  EXPECT_EQ(ClassifyCellText(EncodeUnicodeCellText(u"=1+2"), false), CellTextFormula);
  EXPECT_EQ(ClassifyCellText(EncodeUnicodeCellText(u"x"), false), CellTextUnicode);
}

TEST(UnicodeCellText, WidePositions) {
  EXPECT_EQ(WideTextPos(u"b", u"abc"), 2);
  EXPECT_EQ(WideTextPos(u"\u20AC", u"1 \u20AC"), 3);
  EXPECT_EQ(WideTextPos(u"x", u"abc"), 0);
  EXPECT_EQ(WideTextPos(u"", u"abc"), 0);
  EXPECT_EQ(WideTextPos(u"abcd", u"abc"), 0);
}

}  // namespace
}  // namespace zorbit
