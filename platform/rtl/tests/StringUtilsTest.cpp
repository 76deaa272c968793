#include "platform/rtl/StringUtils.h"

#include <gtest/gtest.h>

#include "platform/rtl/Unicode.h"

namespace plat {
namespace {

TEST(Trim, RemovesCodesUpTo32) {
  EXPECT_EQ(Trim(" \t\x01 a b \r\n"), "a b");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a \x1F"), "  a");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("\xC3\xA4"), "\xC3\xA4");  // bytes above 127 are text
}

TEST(Case, AsciiAndAnsi) {
  EXPECT_EQ(UpperCase("abc\xC3\xA4"), "ABC\xC3\xA4");
  EXPECT_EQ(AnsiUpperCase("abc\xC3\xA4\xC3\xBF\xD0\xB6"), "ABC\xC3\x84\xC5\xB8\xD0\x96");
  EXPECT_EQ(AnsiLowerCase("\xC3\x84\xCE\xA3Z"), "\xC3\xA4\xCF\x83z");
  EXPECT_EQ(AnsiUpperCase("a\xFF"), "A\xFF");  // invalid bytes kept
  EXPECT_EQ(CompareText("abc", "ABD"), -1);
  EXPECT_TRUE(SameText("Hello", "hELLO"));
  EXPECT_FALSE(SameText("\xC3\xA4", "\xC3\x84"));
  EXPECT_TRUE(AnsiSameText("\xC3\xA4pfel", "\xC3\x84PFEL"));
  EXPECT_LT(AnsiCompareText("a", "B"), 0);
  EXPECT_GT(AnsiCompareStr("a", "B"), 0);
  EXPECT_LT(CompareStr("ab", "abc"), 0);
}

TEST(Positions, PosCopyDeleteInsert) {
  EXPECT_EQ(Pos("b", "abcb"), 2);
  EXPECT_EQ(Pos("", "abc"), 0);
  EXPECT_EQ(Pos("x", "abc"), 0);
  EXPECT_EQ(PosEx("b", "abcb", 3), 4);
  EXPECT_EQ(PosEx("b", "abcb", 0), 0);
  EXPECT_EQ(PosEx("b", "abcb", 9), 0);
  struct CopyCase {
    int Index;
    int Count;
    String Text;
  };
  for (const CopyCase& c : std::vector<CopyCase>{{1, 2, "ab"},
                                                 {2, 100, "bcd"},
                                                 {0, 2, "ab"},
                                                 {-5, 1, "a"},
                                                 {5, 1, ""},
                                                 {4, 1, "d"},
                                                 {2, -1, ""},
                                                 {1, 2147483647, "abcd"}}) {
    EXPECT_EQ(Copy("abcd", c.Index, c.Count), c.Text) << c.Index << "," << c.Count;
  }
  String s = "abcdef";
  Delete(s, 2, 2);
  EXPECT_EQ(s, "adef");
  Delete(s, 0, 2);
  EXPECT_EQ(s, "adef");
  Delete(s, 3, 100);
  EXPECT_EQ(s, "ad");
  Insert("XY", s, 2);
  EXPECT_EQ(s, "aXYd");
  Insert("!", s, 99);
  EXPECT_EQ(s, "aXYd!");
}

TEST(StringReplace, Flags) {
  EXPECT_EQ(StringReplace("a.b.c", ".", "::", 0), "a::b.c");
  EXPECT_EQ(StringReplace("a.b.c", ".", "::", rfReplaceAll), "a::b::c");
  EXPECT_EQ(StringReplace("Abc abc", "ABC", "x", rfReplaceAll | rfIgnoreCase), "x x");
  EXPECT_EQ(StringReplace("Abc abc", "ABC", "x", rfReplaceAll), "Abc abc");
  EXPECT_EQ(StringReplace("\xC3\x84rger", "\xC3\xA4", "ae", rfIgnoreCase), "aerger");
  EXPECT_EQ(StringReplace("aaa", "a", "aa", rfReplaceAll), "aaaaaa");  // no rescanning
  EXPECT_EQ(StringReplace("abc", "", "x", rfReplaceAll), "abc");
}

TEST(Quoting, QuotedStrAndExtraction) {
  EXPECT_EQ(QuotedStr("it's"), "'it''s'");
  EXPECT_EQ(AnsiQuotedStr("a\"b", '"'), "\"a\"\"b\"");
  std::size_t pos = 0;
  const String text = "\"a\"\"b\"rest";
  EXPECT_EQ(AnsiExtractQuotedStr(text, pos, '"'), "a\"b");
  EXPECT_EQ(pos, 6u);
  pos = 0;
  EXPECT_EQ(AnsiExtractQuotedStr("plain", pos, '"'), "");
  EXPECT_EQ(pos, 0u);
  EXPECT_EQ(AnsiDequotedStr("'x''y'", '\''), "x'y");
  EXPECT_EQ(AnsiDequotedStr("'x' y", '\''), "'x' y");
  EXPECT_EQ(LastDelimiter("\\/", "a/b\\c"), 4);
  EXPECT_EQ(StringOfChar('-', 3), "---");
  EXPECT_EQ(StringOfChar('-', -3), "");
}

TEST(Unicode, RoundTripsAndRepairsBadInput) {
  const String text = "A\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80";  // A, a-umlaut, euro, emoji
  const WideString wide = Utf8ToWide(text);
  EXPECT_EQ(wide, (WideString{u'A', 0xE4, 0x20AC, 0xD83D, 0xDE00}));
  EXPECT_EQ(WideToUtf8(wide), text);
  EXPECT_EQ(AnsiToWide(text), wide);
  EXPECT_EQ(Utf8Length(text), 4);
  struct BadCase {
    String Bytes;
    WideString Wide;
  };
  for (const BadCase& c : std::vector<BadCase>{
           {"\xFF", u"\uFFFD"},
           {"a\xC3", u"a\uFFFD"},                              // cut off
           {"\xC0\xAF", u"\uFFFD\uFFFD"},                      // overlong
           {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // encoded surrogate
           {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
           {"\xE2\x82x", u"\uFFFD\uFFFDx"},
       }) {
    EXPECT_EQ(Utf8ToWide(c.Bytes), c.Wide);
  }
  EXPECT_EQ(WideToUtf8(WideString{0xD800, u'x'}), "\xEF\xBF\xBDx");  // lone surrogate
  EXPECT_EQ(WideToUtf8(WideString{0xDC00}), "\xEF\xBF\xBD");
}

TEST(Unicode, MovingByCodePoints) {
  const String text =
      "a\xC3\xA4\xE2\x82\xAC"
      "b";
  EXPECT_EQ(Utf8ByteOffset(text, 0), 0u);
  EXPECT_EQ(Utf8ByteOffset(text, 2), 3u);
  EXPECT_EQ(Utf8ByteOffset(text, 9), text.size());
  EXPECT_EQ(Utf8NextPos(text, 1), 3u);
  EXPECT_EQ(Utf8PrevPos(text, 6), 3u);
  EXPECT_EQ(Utf8PrevPos(text, 3), 1u);
  EXPECT_EQ(Utf8PrevPos(text, 0), 0u);
  EXPECT_EQ(Utf8PrevPos("\x80\x80", 2), 1u);  // stray continuation bytes stand alone
  EXPECT_EQ(Utf8Copy(text, 2, 2), "\xC3\xA4\xE2\x82\xAC");
  EXPECT_EQ(Utf8Copy(text, 4, 10), "b");
  EXPECT_EQ(Utf8Copy(text, 5, 1), "");
}

}  // namespace
}  // namespace plat
