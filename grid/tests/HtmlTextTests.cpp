// The text routines of the HTML mini-language as tables of cases: stripping,
// highlighting, control values, colours, entities and tag numbers.
#include <gtest/gtest.h>

#include "grid/HtmlColors.h"
#include "grid/HtmlText.h"
#include "grid/detail/HtmlMarkup.h"

namespace zorbit {
namespace {

using plat::String;

struct TextCase {
  const char* Name;
  String Input;
  String Expected;
};

TEST(HtmlText, StripHtml) {
  const TextCase cases[] = {
      {"plain", "abc", "abc"},
      {"tags", "<B>bold</B> and <FONT color=\"clred\">red</FONT>", "bold and red"},
      {"breaks any case", "a<br>b<HR>c<Br>d", "a\r\nb\r\nc\r\nd"},
      {"entities stay", "a &amp; b&lt;", "a &amp; b&lt;"},
      {"unclosed", "x<B>y<z and more", "xy<z and more"},
      {"empty", "", ""},
      {"only a tag", "<A href=\"x\">", ""},
  };
  for (const TextCase& c : cases) EXPECT_EQ(StripHtml(c.Input), c.Expected) << c.Name;
}

TEST(HtmlText, HighlightAndRemove) {
  struct Case {
    const char* Name;
    String Html, Search;
    bool MatchCase;
    String Expected;
  };
  const Case cases[] = {
      {"without case", "Hello hello", "HELLO", false, "<HI>Hello</HI> <HI>hello</HI>"},
      {"with case", "Hello hello", "hello", true, "Hello <HI>hello</HI>"},
      {"not in tags", "<B>b</B>ab", "b", true, "<B><HI>b</B></HI>a<HI>b</HI>"},
      {"across a tag", "ab<B>cd</B>", "bc", false, "a<HI>b<B>c</HI>d</B>"},
      {"at the end", "xyz", "yz", false, "x<HI>yz</HI>"},
      {"resumes after a hit", "aaa", "aa", false, "<HI>aa</HI>a"},
      {"empty search", "abc", "", false, "abc"},
      {"no hit", "abc", "q", false, "abc"},
  };
  for (const Case& c : cases) {
    const String highlighted = HighlightHtmlText(c.Html, c.Search, "HI", c.MatchCase);
    EXPECT_EQ(highlighted, c.Expected) << c.Name;
    EXPECT_EQ(RemoveHtmlHighlight(highlighted, "hi"), c.Html) << c.Name;
  }
  EXPECT_EQ(RemoveHtmlHighlight("<hi>a</HI><Hi>b</hI>c", "HI"), "abc");
}

constexpr const char* Cell =
    "Name <CONTROL TYPE=\"edit\" ID=\"e1\" VALUE=\"x &amp;quot; y\" WIDTH=\"40\"> "
    "<CONTROL ID=\"c1\" TYPE=\"CHECK\" VALUE=\"TRUE\" WIDTH=\"16\"> "
    "<CONTROL ID=\"m1\" TYPE=\"combo\" VALUE=\"a\" WIDTH=\"50\" PROP=\"p q\">";

TEST(HtmlText, ControlTags) {
  EXPECT_TRUE(ContainsCellControlTag(Cell));
  EXPECT_TRUE(ContainsCellControlTag("<control>"));
  EXPECT_FALSE(ContainsCellControlTag("<CONTRO>"));

  // The next control that takes text, passing CHECK, BUTTON and RADIO.
  EXPECT_EQ(NextCellControlID(Cell, ""), "e1");
  EXPECT_EQ(NextCellControlID(Cell, "e1"), "m1");
  EXPECT_EQ(NextCellControlID(Cell, "m1"), "m1");  // none after it: the given id
  EXPECT_EQ(NextCellControlID(Cell, "absent"), "absent");
  EXPECT_EQ(NextCellControlID("plain", ""), "");

  // One pass: what was written as "&amp;quot;" reads back as "&quot;".
  EXPECT_EQ(ReadCellControlValue(Cell, "e1"), "x &quot; y");
  EXPECT_EQ(ReadCellControlValue(Cell, "c1"), "TRUE");
  EXPECT_EQ(ReadCellControlValue(Cell, "absent"), "");
}

TEST(HtmlText, WriteCellControlValue) {
  String html = Cell;
  ASSERT_TRUE(WriteCellControlValue(html, "m1", "<\"&\">"));
  EXPECT_NE(html.find("<CONTROL ID=\"m1\" VALUE=\"&lt;&quot;&amp;&quot;&gt;\" WIDTH=\"50\" TYPE=\"COMBO\" "
                      "PROP=\"p q\">"),
            String::npos)
      << html;
  EXPECT_EQ(ReadCellControlValue(html, "m1"), "<\"&\">");

  ASSERT_TRUE(WriteCellControlValue(html, "e1", "&quot;"));
  EXPECT_NE(html.find("<CONTROL ID=\"e1\" VALUE=\"&amp;quot;\" WIDTH=\"40\" TYPE=\"EDIT\">"), String::npos) << html;
  EXPECT_EQ(ReadCellControlValue(html, "e1"), "&quot;");
  EXPECT_TRUE(html.starts_with("Name <CONTROL"));

  const String before = html;
  EXPECT_FALSE(WriteCellControlValue(html, "absent", "v"));
  EXPECT_EQ(html, before);
  String unclosed = "<CONTROL ID=\"u\" VALUE=\"1\"";
  EXPECT_FALSE(WriteCellControlValue(unclosed, "u", "2"));
  EXPECT_EQ(unclosed, "<CONTROL ID=\"u\" VALUE=\"1\"");
}

TEST(HtmlColors, ParseColor) {
  struct Case {
    String Value;
    bool Parses;
    plat::TColor Expected;
  };
  const Case cases[] = {
      {"#ff0000", true, plat::clRed},
      {"#FF0000", true, plat::clRed},
      {"clRed", true, plat::clRed},
      {"CLRED", true, plat::clRed},
      {"#0000ff", true, plat::clBlue},
      {"#123456", true, 0x563412},
      {"clBtnFace", true, plat::clBtnFace},
      {"clInfoBk", true, plat::clInfoBk},
      {"unknown", true, plat::clBlack},
      {"#12345", false, 0},
      {"#1234567", false, 0},
      {"#12345G", false, 0},
      {"#", false, 0},
  };
  for (const Case& c : cases) {
    plat::TColor color = plat::clLime;
    EXPECT_EQ(ParseHtmlColor(c.Value, color), c.Parses) << c.Value;
    EXPECT_EQ(color, c.Parses ? c.Expected : plat::clLime) << c.Value;
  }
}

TEST(HtmlColors, EntitiesInOnePass) {
  const TextCase cases[] = {
      {"amp", "a &amp; b", "a & b"},
      {"any case", "&QUOT;x&Quot;", "\"x\""},
      {"not twice", "&amp;quot;", "&quot;"},
      {"lt left for runs", "&amp;lt; &lt;", "&lt; &lt;"},
      {"utf-8", "&sect;&permil;&reg;&copy;&para;&trade;&euro;", "\u00A7\u2030\u00AE\u00A9\u00B6\u2122\u20AC"},
      {"unknown", "&bogus; & alone", "&bogus; & alone"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(DecodeHtmlEntities(c.Input), c.Expected) << c.Name;
  EXPECT_EQ(EscapeHtmlValue("<a href=\"x\">&</a>"), "&lt;a href=&quot;x&quot;&gt;&amp;&lt;/a&gt;");
  EXPECT_EQ(UnescapeHtmlValue(EscapeHtmlValue("&amp;quot; \"<>\"")), "&amp;quot; \"<>\"");
}

TEST(HtmlMarkup, AttributesOnlyInsideTheirTag) {
  String value;
  EXPECT_TRUE(detail::TagAttribute("<FONT BGCOLOR=\"a\" COLOR=\"b\">", "COLOR", value));
  EXPECT_EQ(value, "b");
  EXPECT_TRUE(detail::TagAttribute("<font color = \"x y\">", "COLOR", value));
  EXPECT_EQ(value, "x y");
  value = "kept";
  EXPECT_FALSE(detail::TagAttribute("<FONT COLOR=\"unclosed>", "COLOR", value));
  EXPECT_FALSE(detail::TagAttribute("<FONT COLOR>", "COLOR", value));
  EXPECT_FALSE(detail::TagAttribute("<BODY BGCOLORTO=\"a\">", "BGCOLOR", value));
  EXPECT_EQ(value, "kept");
}

TEST(HtmlMarkup, TagNumbers) {
  struct Case {
    String Text;
    bool Parses;
    int Value;
  };
  const Case cases[] = {{"12", true, 12},         {" -5 ", true, -5},  {"+7", true, 7},      {"32767", true, 32767},
                        {"-32767", true, -32767}, {"32768", false, 0}, {"-40000", false, 0}, {"99999999999", false, 0},
                        {"1x", false, 0},         {"", false, 0},      {"--1", false, 0}};
  for (const Case& c : cases) {
    int value = 99;
    EXPECT_EQ(detail::ParseTagNumber(c.Text, value), c.Parses) << c.Text;
    EXPECT_EQ(value, c.Parses ? c.Value : 99) << c.Text;
  }
}

}  // namespace
}  // namespace zorbit
