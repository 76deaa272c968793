// RenderHtml on small bitmaps: line layout and pitch, wrapping, ellipsis,
// hit tests, pictures that are missing, controls drawn through the theme
// service, colours and the mends for bad values.
#include <gtest/gtest.h>

#include "grid/HtmlRenderer.h"
#include "grid/THTMLPictureCache.h"
#include "grid/tests/GridTestSupport.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/testing/RecordingThemeService.h"

namespace zorbit {
namespace {

using plat::clBlue;
using plat::clRed;
using plat::clWhite;
using plat::String;
using plat::TRect;
using testing::Canvas;

// A white canvas in Arial 10 pt, black text.
class HtmlRenderTest : public ::testing::Test {
 protected:
  HtmlRenderTest() : FCanvas(200, 120) {
    FCanvas->Font()->SetName("Arial");
    FCanvas->Font()->SetSize(10);
    FCanvas->Font()->SetColor(plat::clBlack);
  }

  THtmlRenderResult Render(const String& Html, const TRect& Rect, THtmlRenderOptions Options = {}) {
    THtmlRenderResult result;
    FLastHit = RenderHtml(*FCanvas, Html, Rect, Options, result);
    return result;
  }
  THtmlRenderResult Measure(const String& Html, int Width = 200) {
    THtmlRenderOptions options;
    options.CheckOnly = true;
    return Render(Html, {0, 0, Width, 1000}, options);
  }
  int Gh() { return Measure("").YSize; }
  int Width(const String& Text) { return FCanvas->TextWidth(Text); }
  // Rows of a rectangle holding any pixel of a colour.
  int RowsWith(plat::TColor Color, const TRect& Area) {
    int rows = 0;
    for (int y = Area.Top; y < Area.Bottom; ++y) rows += FCanvas.Count(Color, {Area.Left, y, Area.Right, y + 1}) > 0;
    return rows;
  }

  Canvas FCanvas;
  bool FLastHit = false;
};

TEST_F(HtmlRenderTest, EmptyTextAndBreaksMeasureInLinesOfGh) {
  const int gh = Gh();
  EXPECT_EQ(gh, FCanvas->TextHeight("gh"));
  struct Case {
    const char* Html;
    int Lines;
  };
  for (const Case& c : {Case{"", 1}, Case{"<BR>", 1}, Case{"a<BR>b", 2}, Case{"a\r\nb\r\nc", 3}, Case{"a\nb", 1}}) {
    const THtmlRenderResult r = Measure(c.Html);
    EXPECT_EQ(r.YSize, c.Lines * gh) << c.Html;
  }
  EXPECT_EQ(Measure("").XSize, 0);
  EXPECT_EQ(Measure("a<BR>b").StripText, "a\rb");
}

TEST_F(HtmlRenderTest, StyledRunsOnOneLineAndAColouredLineAfterBr) {
  const int gh = Gh();
  const String html = "<B>Bold</B> <I>it</I> <FONT color=\"#FF0000\">red</FONT><BR><FONT color=\"clBlue\">blue</FONT>";
  const THtmlRenderResult r = Render(html, {0, 0, 200, 120});
  EXPECT_EQ(r.YSize, 2 * gh);
  EXPECT_EQ(r.StripText, "Bold it red\rblue");
  // Red only in the first line's band, blue only in the second's.
  EXPECT_GT(FCanvas.Count(clRed, {0, 0, 200, gh}), 0);
  EXPECT_EQ(FCanvas.Count(clRed, {0, gh, 200, 120}), 0);
  EXPECT_GT(FCanvas.Count(clBlue, {0, gh, 200, 2 * gh}), 0);
  EXPECT_EQ(FCanvas.Count(clBlue, {0, 0, 200, gh}), 0);
  EXPECT_EQ(FCanvas.Count(clBlue, {0, 2 * gh, 200, 120}), 0);
  // The bold run is wider than the same letters plain, all on one line.
  EXPECT_GT(r.XSize, Width("Bold it red"));
}

TEST_F(HtmlRenderTest, ColourValues) {
  for (const char* value : {"#ff0000", "#FF0000", "clRed", "CLRED", "clred"}) {
    Canvas c(60, 30);
    c->Font()->SetName("Arial");
    c->Font()->SetSize(12);
    THtmlRenderResult r;
    RenderHtml(*c, String("<FONT color=\"") + value + "\">MMM</FONT>", {0, 0, 60, 30}, {}, r);
    EXPECT_GT(c.Count(clRed), 10) << value;
  }
  // A colour that does not parse leaves the colour as it was: black.
  Canvas c(60, 30);
  THtmlRenderResult r;
  RenderHtml(*c, "<FONT color=\"#F00\">MMM</FONT>", {0, 0, 60, 30}, {}, r);
  EXPECT_EQ(c.Count(clRed), 0);
  EXPECT_GT(c.Count(plat::clBlack), 0);
}

TEST_F(HtmlRenderTest, WrapsAtBlanks) {
  const int gh = Gh();
  const int word = Width("word");
  const int width = Width("word word") + 2;
  const THtmlRenderResult r = Measure("word word word word word", width);
  EXPECT_EQ(r.YSize, 3 * gh);
  EXPECT_LE(r.XSize, width);
  EXPECT_GE(r.XSize, 2 * word);
  // A word wider than the line is placed anyway, and the line ends after it.
  EXPECT_EQ(Measure("abcdefghijklmnop q", Width("abc")).YSize, 2 * gh);
  // Runs without a blank between them never part.
  EXPECT_EQ(Measure("word<B>word</B>", word + 2).YSize, gh);
}

TEST_F(HtmlRenderTest, EllipsisWithWordWrapOff) {
  const String text = "a rather long text that cannot fit";
  THtmlRenderOptions options;
  options.WordWrap = false;
  const THtmlRenderResult r = Render(text, {0, 0, 80, 40}, options);
  EXPECT_EQ(r.YSize, Gh());  // one line
  // The same pixels as the text call's own end ellipsis in the run's box.
  Canvas expected(200, 120);
  expected->Font()->Assign(*FCanvas->Font());
  TRect box{0, 0, 80, Gh()};
  expected->Font()->Handle();
  expected->TextWidth("x");  // selects the font
  plat::SetBkMode(expected->Handle(), plat::TRANSPARENT);
  plat::DrawTextA(expected->Handle(), text.data(), static_cast<int>(text.size()), &box,
                  plat::DT_BOTTOM | plat::DT_SINGLELINE | plat::DT_EXPANDTABS | plat::DT_EXTERNALLEADING |
                      plat::DT_NOPREFIX | plat::DT_END_ELLIPSIS);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 200; ++x) ASSERT_EQ(FCanvas.At(x, y), expected.At(x, y)) << x << "," << y;
  EXPECT_EQ(FCanvas.Count(plat::clBlack, {80, 0, 200, 120}), 0);
}

TEST_F(HtmlRenderTest, AnchorsAreHitWithTheirHrefAndTitle) {
  const String html = "go <A href=\"page.htm\" title=\"The Page\">here</A> or <A href=\"two\">there</A>";
  const int gh = Gh();
  const int hereX = Width("go ") + 2;
  const int thereX = Width("go here or ") + 2;
  struct Case {
    const char* Name;
    int X, Y;
    bool Hit;
    String Anchor, Title;
    int Link;
  };
  const Case cases[] = {
      {"first", hereX, gh / 2, true, "PAGE.HTM", "The Page", 0},
      {"second", thereX, gh / 2, true, "TWO", "", 1},
      {"before", 1, gh / 2, false, "", "", -1},
      {"below the band", hereX, gh + 2, false, "", "", -1},
  };
  for (const Case& c : cases) {
    THtmlRenderOptions options;
    options.XPos = c.X;
    options.YPos = c.Y;
    const THtmlRenderResult r = Render(html, {0, 0, 200, 120}, options);
    EXPECT_EQ(FLastHit, c.Hit) << c.Name;
    EXPECT_EQ(r.Anchor, c.Anchor) << c.Name;
    EXPECT_EQ(r.AnchorTitle, c.Title) << c.Name;
    EXPECT_EQ(r.MouseLink, c.Link) << c.Name;
    EXPECT_EQ(r.HyperLinks, 2) << c.Name;
  }
  // Measuring only answers the same hit; the label dialect keeps the case.
  THtmlRenderOptions options;
  options.XPos = hereX;
  options.YPos = gh / 2;
  options.CheckOnly = true;
  options.Dialect = THtmlDialect::hdLabel;
  const THtmlRenderResult r = Render(html, {0, 0, 200, 120}, options);
  EXPECT_TRUE(FLastHit);
  EXPECT_EQ(r.Anchor, "page.htm");
  EXPECT_EQ(r.AnchorTitle, "");
}

TEST_F(HtmlRenderTest, AnchorsTakeTheUrlColourAndTheFocusRectangle) {
  THtmlRenderOptions options;
  options.URLColor = clRed;
  options.FocusLink = 0;
  const THtmlRenderResult r = Render("<A href=\"x\">link</A>", {0, 0, 200, 120}, options);
  EXPECT_GT(FCanvas.Count(clRed), 10);
  EXPECT_EQ(r.FocusAnchor, "X");
  EXPECT_EQ(r.FocusRect, (TRect{-1, 0, Width("link") + 1, Gh()}));
  // Hover-only underline: the anchor keeps the text colour unless hovered.
  options.FocusLink = -1;
  options.HoverUnderline = true;
  Canvas plain(200, 120);
  THtmlRenderResult unused;
  RenderHtml(*plain, "<A href=\"x\">link</A>", {0, 0, 200, 120}, options, unused);
  EXPECT_EQ(plain.Count(clRed), 0);
  options.HoverLink = 0;
  RenderHtml(*plain, "<A href=\"x\">link</A>", {0, 0, 200, 120}, options, unused);
  EXPECT_GT(plain.Count(clRed), 10);
}

TEST_F(HtmlRenderTest, MissingPicturesTakeNoRoom) {
  THTMLPictureCache cache;
  THtmlRenderOptions options;
  options.Cache = &cache;
  options.CheckOnly = true;
  const int plain = Render("ab", {0, 0, 200, 120}, options).XSize;
  for (const char* img : {"<IMG src=\"nothere\">", "<IMG src=\"IDX:0\">", "<IMG src=\"IDX:-1\">",
                          "<IMG src=\"SSYS:-1\">", "<IMG src=\"LSYS:99\">", "<IMG src=\"http://example/x.gif\">",
                          "<IMG src=\"FILE:///no/such/file.bmp\">", "<IMG>"}) {
    EXPECT_EQ(Render(String("a") + img + "b", {0, 0, 200, 120}, options).XSize, plain) << img;
  }
  // Sources that failed to load stay cached: no new entry per paint.
  const int cached = cache.Count();
  Render("<IMG src=\"FILE:///no/such/file.bmp\"><IMG src=\"FILE:///no/such/file.bmp\">", {0, 0, 200, 120}, options);
  EXPECT_EQ(cache.Count(), cached);
  EXPECT_EQ(cached, 2);
}

TEST_F(HtmlRenderTest, ControlsDrawThroughTheThemeService) {
  using Call = plat::testing::RecordingThemeService::DrawCall;
  struct Case {
    const char* Name;
    String Html;
    bool PointOn;
    bool MouseDown;
    std::u16string Class;
    int Part, State;
  };
  const Case cases[] = {
      {"check on", "<CONTROL ID=\"c\" TYPE=\"check\" VALUE=\"true\">", false, false, u"button", 3, 5},
      {"check off", "<CONTROL ID=\"c\" TYPE=\"CHECK\" VALUE=\"FALSE\">", false, false, u"button", 3, 1},
      {"radio on", "<CONTROL ID=\"r\" TYPE=\"RADIO\" VALUE=\"TRUE\">", false, false, u"button", 2, 5},
      {"button", "<CONTROL ID=\"b\" TYPE=\"BUTTON\" VALUE=\"Go\" WIDTH=\"40\">", false, false, u"button", 1, 1},
      {"button hot", "<CONTROL ID=\"b\" TYPE=\"BUTTON\" VALUE=\"Go\" WIDTH=\"40\">", true, false, u"button", 1, 2},
      {"button down", "<CONTROL ID=\"b\" TYPE=\"BUTTON\" VALUE=\"Go\" WIDTH=\"40\">", true, true, u"button", 1, 3},
      {"combo", "<CONTROL ID=\"m\" TYPE=\"COMBO\" VALUE=\"a\" WIDTH=\"60\">", false, false, u"combobox", 1, 1},
  };
  for (const Case& c : cases) {
    plat::testing::ThemeRecorder recorder;
    THtmlRenderOptions options;
    options.MouseDown = c.MouseDown;
    if (c.PointOn) options.XPos = 10, options.YPos = Gh() - 4;
    const THtmlRenderResult r = Render(c.Html, {0, 0, 200, 120}, options);
    ASSERT_EQ(recorder.Service().Calls().size(), 1u) << c.Name;
    const Call& call = recorder.Service().Calls()[0];
    EXPECT_EQ(call.ClassName, c.Class) << c.Name;
    EXPECT_EQ(call.PartId, c.Part) << c.Name;
    EXPECT_EQ(call.StateId, c.State) << c.Name;
    EXPECT_EQ(recorder.Service().OpenCount(), 0u) << c.Name;
    EXPECT_EQ(FLastHit, c.PointOn) << c.Name;
    if (c.PointOn) {
      EXPECT_EQ(r.Anchor, "ctrl");
      EXPECT_EQ(r.ControlID, "b");
      EXPECT_EQ(r.ControlType, "BUTTON");
      EXPECT_EQ(r.ControlValue, "Go");
    }
  }
  // Without a style the classic looks are drawn; the label has no CONTROL.
  const THtmlRenderResult classic = Render("<CONTROL ID=\"c\" TYPE=\"CHECK\" VALUE=\"TRUE\">", {0, 0, 200, 120});
  EXPECT_LT(FCanvas.Count(clWhite, {0, 0, 16, 20}), 16 * 20);
  EXPECT_EQ(classic.XSize, 16);
  THtmlRenderOptions label;
  label.Dialect = THtmlDialect::hdLabel;
  label.CheckOnly = true;
  EXPECT_EQ(Render("<CONTROL ID=\"c\" TYPE=\"CHECK\">", {0, 0, 200, 120}, label).XSize, 0);
}

TEST_F(HtmlRenderTest, ControlsFoundById) {
  THtmlRenderOptions options;
  options.CheckOnly = true;
  options.CheckControlID = "e2";
  const String html =
      "<CONTROL ID=\"e1\" TYPE=\"EDIT\" VALUE=\"one\" WIDTH=\"30\"> "
      "<CONTROL ID=\"e2\" TYPE=\"EDIT\" VALUE=\"t&amp;wo\" WIDTH=\"40\">";
  const THtmlRenderResult r = Render(html, {0, 0, 200, 120}, options);
  EXPECT_TRUE(FLastHit);
  EXPECT_EQ(r.ControlID, "e2");
  EXPECT_EQ(r.ControlValue, "t&wo");
  EXPECT_EQ(r.ControlRect.Width(), 40);
  EXPECT_EQ(r.ControlRect.Height(), Gh() + 6);
}

TEST_F(HtmlRenderTest, ParagraphsListsAndRules) {
  const int gh = Gh();
  // Right alignment; a line wider than the rectangle starts at its left edge.
  Render("<P align=\"right\">ab</P>", {0, 0, 100, 40});
  EXPECT_EQ(FCanvas.Count(plat::clBlack, {0, 0, 100 - Width("ab") - 1, gh}), 0);
  EXPECT_GT(FCanvas.Count(plat::clBlack, {100 - Width("ab"), 0, 100, gh}), 0);
  Canvas wide(200, 40);
  wide->Font()->Assign(*FCanvas->Font());
  THtmlRenderOptions nowrap;
  nowrap.WordWrap = false;
  THtmlRenderResult r;
  RenderHtml(*wide, "<P align=\"right\">MMMMMMMMMMMMMMMMMMMM</P>", {10, 0, 40, 40}, nowrap, r);
  EXPECT_GT(wide.Count(plat::clBlack, {10, 0, 14, gh}), 0);
  // A second LI without a break starts a new line; UL ends its own line.
  EXPECT_EQ(Measure("<UL><LI>a<LI>b</UL>").YSize, 3 * gh);
  // A closing tag left alone after the last break is a line of its own.
  EXPECT_EQ(Measure("<UL><LI>a</LI><LI>b</LI></UL>").YSize, 4 * gh);
  EXPECT_EQ(Measure("<UL><LI>a</LI><LI>b</UL>").YSize, 3 * gh);
  // HR: a black line one pixel under the line.
  Canvas rule(100, 40);
  rule->Font()->Assign(*FCanvas->Font());
  RenderHtml(*rule, "<HR>", {0, 0, 100, 40}, {}, r);
  EXPECT_EQ(rule.Count(plat::clBlack, {0, gh, 100, gh + 1}), 100);
  // BODY BGCOLOR fills the rectangle; P BGCOLOR the line band.
  Canvas body(100, 40);
  RenderHtml(*body, "<BODY bgcolor=\"clLime\">x", {0, 0, 100, 40}, {}, r);
  EXPECT_EQ(body.At(99, 39), plat::clLime);
  Canvas para(100, 40);
  para->Font()->Assign(*FCanvas->Font());
  RenderHtml(*para, "<P bgcolor=\"clYellow\">x</P>y", {0, 0, 100, 40}, {}, r);
  EXPECT_EQ(para.At(99, 1), plat::clYellow);
  EXPECT_EQ(para.At(99, gh + 1), clWhite);
}

TEST_F(HtmlRenderTest, EntitiesRunsAndHiddenText) {
  struct Case {
    String Html;
    String Strip;
  };
  const Case cases[] = {
      {"a &amp;lt; b", "a < b"}, {"&lt;B&gt;", "<B>"}, {"x&nbsp;y", "x y"},  {"a<Z>hidden</Z>b", "ab"}, {"<#1>", "#1"},
      {"a<unknown>b", "ab"},     {"a<B", "a"},         {"&euro;", "\u20AC"}, {"a<SUB>2</SUB>", "a2"},
  };
  for (const Case& c : cases) EXPECT_EQ(Measure(c.Html).StripText, c.Strip) << c.Html;
  EXPECT_EQ(Measure("a<Z>hidden</Z>b").XSize, Measure("ab").XSize);
  EXPECT_GT(Measure("a<SUP>2</SUP>").YSize, Gh());
}

TEST_F(HtmlRenderTest, BadNumbersLeaveThingsAsTheyWere) {
  const int plain = Measure("abc").XSize;
  for (const char* html : {"<FONT size=\"40000\">abc</FONT>", "<FONT size=\"x\">abc</FONT>", "<P indent=\"99999\">abc",
                           "<IND x=\"-40000\">abc", "<R a=\"12x\">abc</R>"}) {
    EXPECT_EQ(Measure(html).XSize, plain) << html;
  }
  // R is taken modulo 360: 370 degrees draws as 10.
  Canvas a(200, 120), b(200, 120);
  THtmlRenderResult r;
  RenderHtml(*a, "<R a=\"370\">Turn</R>", {0, 0, 200, 120}, {}, r);
  RenderHtml(*b, "<R a=\"10\">Turn</R>", {0, 0, 200, 120}, {}, r);
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 200; ++x) ASSERT_EQ(a.At(x, y), b.At(x, y)) << x << "," << y;
}

TEST_F(HtmlRenderTest, TheCanvasIsLeftAsItWas) {
  FCanvas->Brush()->SetColor(plat::clYellow);
  FCanvas->Font()->SetColor(plat::clGreen);
  const String name = FCanvas->Font()->Name();
  Render("<FONT face=\"Courier New\" color=\"clred\" bgcolor=\"clblue\"><B>x</B></FONT><HI>y", {0, 0, 200, 120});
  EXPECT_EQ(FCanvas->Brush()->Color(), plat::clYellow);
  EXPECT_EQ(FCanvas->Font()->Color(), plat::clGreen);
  EXPECT_EQ(FCanvas->Font()->Name(), name);
  EXPECT_FALSE(FCanvas->Font()->Style().Contains(plat::TFontStyle::fsBold));
  // Every font, pen and brush made for the call is freed with it.
  const String rich =
      "<FONT size=\"5\"><B><I>a</I></B></FONT><R a=\"45\">r</R><E>e</E><HR>"
      "<CONTROL ID=\"c\" TYPE=\"COMBO\" WIDTH=\"30\"><IMG src=\"SSYS:0\">";
  Render(rich, {0, 0, 200, 120});
  const int live = plat::GdiObjectTable::LiveCount();
  Render(rich, {0, 0, 200, 120});
  EXPECT_EQ(plat::GdiObjectTable::LiveCount(), live);
  // Measuring only draws nothing.
  Canvas c(100, 40);
  THtmlRenderOptions options;
  options.CheckOnly = true;
  THtmlRenderResult r;
  RenderHtml(*c, "<BODY bgcolor=\"clred\">text<HR>", {0, 0, 100, 40}, options, r);
  EXPECT_EQ(c.Count(clWhite), 100 * 40);
}

}  // namespace
}  // namespace zorbit
