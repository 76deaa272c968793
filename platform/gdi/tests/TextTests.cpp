// Text output: placement by the text alignment, backgrounds, clipping,
// underline and strike-out, turned text, extents in code units, and the
// DrawText layout (line breaks, word wrapping, ellipses, prefixes, tabs).
// Layout is checked by drawing the expected lines with TextOut and comparing
// the pixels.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "platform/gdi/DrawText.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/TextOut.h"
#include "platform/gdi/tests/TextFixture.h"

namespace plat::testing {
namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);

// Arial at 8 points: cell height 12, ascent 10 (see FontTests).
constexpr int ArialHeight = 12;
constexpr int ArialAscent = 10;

class TextSurface : public Surface {
 public:
  TextSurface(int width, int height, const char* face = "Arial", int fontHeight = -11)
      : Surface(width, height), FFont(Dc(), MakeFont(face, fontHeight)) {
    SetBkMode(Dc(), TRANSPARENT);
  }

  int Width(const std::string& text) {
    SIZE size;
    GetTextExtentPoint32(Dc(), text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
  }
  void Out(int x, int y, const std::string& text) { TextOut(Dc(), x, y, text.data(), static_cast<int>(text.size())); }
  int Draw(const std::string& text, TRect rect, UINT format) {
    return DrawText(Dc(), text.data(), static_cast<int>(text.size()), &rect, format);
  }
  TRect Calc(const std::string& text, TRect rect, UINT format) {
    DrawText(Dc(), text.data(), static_cast<int>(text.size()), &rect, format | DT_CALCRECT);
    return rect;
  }

 private:
  Selected FFont;
};

// The pixels of the lines drawn one below the other with TextOut.
std::vector<TPixel> LinesAsTextOut(int width, int height, TPoint at, const std::vector<std::string>& lines,
                                   int lineHeight = ArialHeight) {
  TextSurface expected(width, height);
  for (std::size_t i = 0; i < lines.size(); ++i) expected.Out(at.X, at.Y + static_cast<int>(i) * lineHeight, lines[i]);
  return expected.Snapshot();
}

TEST(TextOutput, AlignmentPlacesTheCell) {
  struct Case {
    UINT Align;
    TRect Cell;
  };
  // "Item" is 19 pixels wide; the reference point is (20, 20).
  const Case cases[] = {
      {TA_LEFT | TA_TOP, {20, 20, 39, 32}},   {TA_RIGHT | TA_TOP, {1, 20, 20, 32}},
      {TA_CENTER | TA_TOP, {11, 20, 30, 32}}, {TA_LEFT | TA_BASELINE, {20, 10, 39, 22}},
      {TA_LEFT | TA_BOTTOM, {20, 8, 39, 20}}, {TA_RIGHT | TA_BOTTOM, {1, 8, 20, 20}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Align);
    TextSurface surface(50, 40);
    SetBkMode(surface.Dc(), OPAQUE);
    SetBkColor(surface.Dc(), Blue);
    SetTextAlign(surface.Dc(), c.Align);
    surface.Out(20, 20, "Item");
    EXPECT_EQ(InkBounds(surface), c.Cell);
  }
}

TEST(TextOutput, UpdateCpDrawsAtAndMovesTheCurrentPosition) {
  TextSurface surface(80, 20);
  SetTextAlign(surface.Dc(), TA_UPDATECP);
  MoveToEx(surface.Dc(), 5, 3, nullptr);
  surface.Out(0, 0, "Item");
  surface.Out(0, 0, "Item");
  POINT position;
  GetCurrentPositionEx(surface.Dc(), &position);
  EXPECT_EQ(position, (TPoint{5 + 2 * 19, 3}));
  EXPECT_EQ(surface.Snapshot(), LinesAsTextOut(80, 20, {5, 3}, {"ItemItem"}));
}

TEST(TextOutput, TextIsCrispInTheTextColourWhateverTheMix) {
  TextSurface surface(60, 16);
  SetTextColor(surface.Dc(), RGB(200, 0, 0));
  SetROP2(surface.Dc(), R2_XORPEN);
  surface.Out(2, 2, "Motherboard");
  const int red = CountColour(surface, RGB(200, 0, 0));
  EXPECT_GT(red, 40);
  EXPECT_EQ(red + CountColour(surface, White), 60 * 16);
}

TEST(TextOutput, OpaqueRectangleAndClipping) {
  TextSurface surface(60, 30);
  SetBkColor(surface.Dc(), Blue);
  const TRect box{10, 5, 40, 20};
  ExtTextOut(surface.Dc(), 12, 6, ETO_OPAQUE, &box, "", 0, nullptr);
  EXPECT_EQ(InkBounds(surface), box);
  EXPECT_EQ(CountColour(surface, Blue), box.Width() * box.Height());

  surface.Fill(White);
  ExtTextOut(surface.Dc(), 12, 6, ETO_CLIPPED, &box, "Motherboard and BIOS", 20, nullptr);
  EXPECT_TRUE(box.Contains(InkBounds(surface)));
  surface.Fill(White);
  ExtTextOut(surface.Dc(), 12, 6, 0, &box, "Motherboard and BIOS", 20, nullptr);
  EXPECT_GT(InkBounds(surface).Right, box.Right);
}

TEST(TextOutput, CallerAdvancesPlaceEachCharacter) {
  TextSurface spaced(80, 20);
  const int dx[] = {20, 20, 20, 20};
  ExtTextOut(spaced.Dc(), 0, 0, 0, nullptr, "IIII", 4, dx);
  TextSurface expected(80, 20);
  for (int i = 0; i < 4; ++i) expected.Out(20 * i, 0, "I");
  EXPECT_EQ(spaced.Snapshot(), expected.Snapshot());
  // Absurd advances neither overflow nor crash.
  const int huge[] = {INT_MAX, INT_MAX, INT_MIN, INT_MAX};
  EXPECT_TRUE(ExtTextOut(spaced.Dc(), 0, 0, 0, nullptr, "IIII", 4, huge));
}

TEST(TextOutput, UnderlineAndStrikeOutAreRowsAcrossTheText) {
  for (const bool underline : {true, false}) {
    SCOPED_TRACE(underline ? "underline" : "strike-out");
    TextSurface plain(40, 20);
    plain.Out(5, 2, "Item");
    Surface styled(40, 20);
    Selected font(styled.Dc(), MakeFont("Arial", -11, FW_NORMAL, 0, false, underline, !underline));
    SetBkMode(styled.Dc(), TRANSPARENT);
    TextOut(styled.Dc(), 5, 2, "Item", 4);
    std::vector<TPoint> added;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 40; ++x) {
        if (plain.At(x, y) != styled.At(x, y)) added.push_back({x, y});
      }
    }
    ASSERT_FALSE(added.empty());
    const int row = added.front().Y;
    for (const TPoint& p : added) EXPECT_EQ(p.Y, row);
    EXPECT_EQ(added.front().X, 5);
    EXPECT_EQ(added.back().X, 5 + 19 - 1);
    // Below the baseline (row 2 + ascent) or above it.
    EXPECT_EQ(row >= 2 + ArialAscent, underline);
  }
}

// Quarter turns are exact: every pixel of the upright text lands where the
// turn takes it (text-frame cell (u, v) to device cell per escapement).
TEST(TextOutput, QuarterTurnsAreExactTurnsOfUprightText) {
  struct Turn {
    int Escapement;
    TPoint (*Map)(int u, int v);
  };
  const Turn turns[] = {
      {900,
       [](int u, int v) {
         return TPoint{v, -u - 1};
       }},
      {1800,
       [](int u, int v) {
         return TPoint{-u - 1, -v - 1};
       }},
      {2700,
       [](int u, int v) {
         return TPoint{-v - 1, u};
       }},
  };
  const TPoint origin{50, 50};
  TextSurface upright(100, 100);
  upright.Out(origin.X, origin.Y, "Wg&Item");
  for (const Turn& turn : turns) {
    SCOPED_TRACE(turn.Escapement);
    Surface turned(100, 100);
    Selected font(turned.Dc(), MakeFont("Arial", -11, FW_NORMAL, turn.Escapement));
    SetBkMode(turned.Dc(), TRANSPARENT);
    TextOut(turned.Dc(), origin.X, origin.Y, "Wg&Item", 7);
    int ink = 0;
    for (int y = 0; y < 100; ++y) {
      for (int x = 0; x < 100; ++x) {
        const TPoint to = turn.Map(x - origin.X, y - origin.Y) + origin;
        EXPECT_EQ(upright.At(x, y), turned.At(to.X, to.Y)) << x << "," << y;
        ink += upright.At(x, y) == Black ? 1 : 0;
      }
    }
    EXPECT_GT(ink, 50);
    SIZE size;
    GetTextExtentPoint32(turned.Dc(), "Wg&Item", 7, &size);
    EXPECT_EQ(size.cx, upright.Width("Wg&Item"));  // extents run along the text
  }
}

TEST(TextOutput, OtherAnglesDrawAlongTheirDirection) {
  Surface surface(100, 100);
  Selected font(surface.Dc(), MakeFont("Arial", -13, FW_NORMAL, 450));
  SetBkMode(surface.Dc(), TRANSPARENT);
  TextOut(surface.Dc(), 10, 90, "Motherboard", 11);
  const TRect ink = InkBounds(surface);
  // 45 degrees up and to the right: about as tall as wide.
  EXPECT_GT(ink.Width(), 40);
  EXPECT_GT(ink.Height(), 40);
  EXPECT_LT(std::abs(ink.Width() - ink.Height()), 12);
}

TEST(TextOutput, ExtentsCountCodeUnits) {
  TextSurface surface(10, 10);
  const int a = surface.Width("a");
  const int e = surface.Width("\xC3\xA9");
  // UTF-8: "a", "é" (two bytes), "a".
  const std::string text =
      "a\xC3\xA9"
      "a";
  int dx[4] = {};
  int fit = -1;
  SIZE size;
  ASSERT_TRUE(GetTextExtentExPoint(surface.Dc(), text.data(), 4, a + e - 1, &fit, dx, &size));
  EXPECT_EQ(fit, 1);  // never half a character
  EXPECT_EQ(dx[0], a);
  EXPECT_EQ(dx[1], a + e);
  EXPECT_EQ(dx[2], a + e);
  EXPECT_EQ(dx[3], 2 * a + e);
  EXPECT_EQ(size.cx, 2 * a + e);
  ASSERT_TRUE(GetTextExtentExPoint(surface.Dc(), text.data(), 4, a + e, &fit, nullptr, &size));
  EXPECT_EQ(fit, 3);
  // UTF-16: a surrogate pair is one character of two units.
  const std::u16string wide = u"a\U0001F600a";
  int wideDx[4] = {};
  ASSERT_TRUE(GetTextExtentExPointW(surface.Dc(), wide.data(), 4, 10000, &fit, wideDx, &size));
  EXPECT_EQ(fit, 4);
  EXPECT_EQ(wideDx[1], wideDx[2]);
  EXPECT_GT(wideDx[1], wideDx[0]);
}

TEST(TextOutput, WideAndUtf8FormsDrawAlike) {
  TextSurface narrow(120, 20);
  TextSurface wide(120, 20);
  const std::string utf8 =
      "Gr\xC3\xB6\xC3\x9F"
      "e \xE2\x86\x91 &OK";
  const std::u16string utf16 = u"Gr\u00F6\u00DFe \u2191 &OK";
  TRect r{0, 0, 120, 20};
  DrawText(narrow.Dc(), utf8.data(), -1, &r, 0);
  DrawTextW(wide.Dc(), utf16.data(), -1, &r, 0);
  EXPECT_EQ(narrow.Snapshot(), wide.Snapshot());
  ExtTextOutW(wide.Dc(), 0, 0, 0, nullptr, utf16.data(), static_cast<UINT>(utf16.size()), nullptr);
  EXPECT_GT(CountColour(wide, Black), 30);
}

TEST(TextOutput, MissingGlyphsComeFromTheFallbackFace) {
  // U+263A is not in the Arial stand-in but is in the fallback face; U+E000
  // is in neither and shows the missing-glyph box.
  TextSurface smiley(30, 20);
  TextSurface missing(30, 20);
  TextOutW(smiley.Dc(), 2, 2, u"\u263A", 1);
  TextOutW(missing.Dc(), 2, 2, u"\uE000", 1);
  EXPECT_GT(CountColour(smiley, Black), 10);
  EXPECT_NE(smiley.Snapshot(), missing.Snapshot());
}

TEST(TextOutput, ManyDistinctCharactersInOneCall) {
  // More distinct characters than the glyph cache keeps: the cache may only
  // start over between calls.
  std::u16string text;
  for (char16_t c = 0x4E00; c < 0x4E00 + 5000; ++c) text += c;
  TextSurface surface(40, 20);
  SIZE first;
  SIZE second;
  ASSERT_TRUE(GetTextExtentPoint32W(surface.Dc(), text.data(), static_cast<int>(text.size()), &first));
  ASSERT_TRUE(TextOutW(surface.Dc(), 0, 0, text.data(), static_cast<int>(text.size())));
  ASSERT_TRUE(GetTextExtentPoint32W(surface.Dc(), text.data(), static_cast<int>(text.size()), &second));
  EXPECT_EQ(first, second);
}

TEST(TextOutput, HugeGlyphsOutgrowTheCacheSafely) {
  // At 600 pixels a few hundred glyphs exceed what the cache holds: the rest
  // are lent one at a time, and drawing still sees every one of them.
  std::u16string text;
  for (char16_t c = u'A'; c <= u'Z'; ++c) text += c;
  for (char16_t c = 0x0400; c < 0x0400 + 400; ++c) text += c;
  Surface big(600, 500);
  Selected font(big.Dc(), MakeFont("Arial", -600));
  SetBkMode(big.Dc(), TRANSPARENT);
  SIZE size;
  ASSERT_TRUE(GetTextExtentPoint32W(big.Dc(), text.data(), static_cast<int>(text.size()), &size));
  EXPECT_GT(size.cx, 426 * 150);
  const int dx[] = {0, 0, 0};
  ASSERT_TRUE(ExtTextOutW(big.Dc(), 100, 0, 0, nullptr, u"\u0410\u0411\u0412", 3, dx));
  EXPECT_GT(CountColour(big, Black), 1000);
  ASSERT_TRUE(TextOutW(big.Dc(), -size.cx + 300, 0, text.data(), static_cast<int>(text.size())));
}

TEST(TextOutput, BadArgumentsFailCleanly) {
  TextSurface surface(20, 20);
  SIZE size;
  EXPECT_FALSE(TextOut(nullptr, 0, 0, "a", 1));
  EXPECT_FALSE(TextOut(reinterpret_cast<HDC>(&size), 0, 0, "a", 1));
  EXPECT_FALSE(TextOut(surface.Dc(), 0, 0, "a", -1));
  EXPECT_FALSE(TextOut(surface.Dc(), 0, 0, nullptr, 3));
  EXPECT_TRUE(TextOut(surface.Dc(), 0, 0, nullptr, 0));
  EXPECT_FALSE(TextOut(surface.Dc(), 1 << 28, 0, "a", 1));
  EXPECT_FALSE(GetTextExtentPoint32(surface.Dc(), "a", 1, nullptr));
  EXPECT_FALSE(GetTextExtentPoint32(surface.Dc(), "a", -5, &size));
  const TRect far{INT_MIN, 0, INT_MAX, 10};
  EXPECT_FALSE(ExtTextOut(surface.Dc(), 0, 0, ETO_OPAQUE, &far, "a", 1, nullptr));
  // Invalid UTF-8 draws replacement characters.
  EXPECT_TRUE(TextOut(surface.Dc(), 0, 0, "\xFF\xC3", 2));
  RECT r{0, 0, 10, 10};
  EXPECT_EQ(DrawText(nullptr, "a", 1, &r, 0), 0);
  EXPECT_EQ(DrawText(surface.Dc(), "a", 1, nullptr, 0), 0);
  EXPECT_EQ(DrawText(surface.Dc(), "a", -2, &r, 0), 0);
  EXPECT_EQ(DrawText(surface.Dc(), nullptr, -1, &r, 0), 0);
  DRAWTEXTPARAMS params;
  params.cbSize = 4;
  EXPECT_EQ(DrawTextEx(surface.Dc(), "a", 1, &r, 0, &params), 0);
  RECT huge{0, 0, INT_MAX, INT_MAX};
  EXPECT_EQ(DrawText(surface.Dc(), "a", 1, &huge, 0), 0);
  EXPECT_EQ(surface.Snapshot().size(), 400u);
}

TEST(DrawTextLayout, CalcRectMeasuresOneLine) {
  TextSurface surface(10, 10);
  TRect r{5, 7, 6, 8};
  EXPECT_EQ(DrawText(surface.Dc(), "Motherboard and BIOS", -1, &r, DT_SINGLELINE | DT_CALCRECT), ArialHeight);
  EXPECT_EQ(r, (TRect{5, 7, 5 + 109, 7 + ArialHeight}));
  // Ellipses only shorten drawn text; the measure is the whole text's.
  r = {5, 7, 6, 8};
  DrawText(surface.Dc(), "Motherboard and BIOS", -1, &r, DT_SINGLELINE | DT_CALCRECT | DT_END_ELLIPSIS);
  EXPECT_EQ(r.Width(), 109);
  r = {5, 7, 50, 50};
  EXPECT_EQ(DrawText(surface.Dc(), "", 0, &r, DT_CALCRECT | DT_WORDBREAK), 0);
  EXPECT_EQ(r, (TRect{5, 7, 5, 7}));
}

TEST(DrawTextLayout, LinesAndWordBreaks) {
  struct Case {
    const char* Name;
    std::string Text;
    int Width;
    UINT Format;
    std::vector<std::string> Lines;
    int CalcWidth;
  };
  const Case cases[] = {
      {"wraps between words", "Motherboard and BIOS", 70, DT_WORDBREAK, {"Motherboard", "and BIOS"}, 61},
      {"everything fits", "Motherboard and BIOS", 200, DT_WORDBREAK, {"Motherboard and BIOS"}, 109},
      {"blanks at a break go", "aaa   bbb", 30, DT_WORDBREAK, {"aaa", "bbb"}, 18},
      {"a long word stays whole", "Supercalifragilistic a", 30, DT_WORDBREAK, {"Supercalifragilistic", "a"}, 88},
      {"line breaks", "a\r\nb\nc\rx", 100, 0, {"a", "b", "c", "x"}, 6},
      {"empty lines count, a final break does not", "a\n\nb\n", 100, 0, {"a", "", "b"}, 6},
      {"breaks and wrapping", "aaa bbb\nx", 30, DT_WORDBREAK, {"aaa", "bbb", "x"}, 18},
      {"one line ignores breaks", "aaa bbb", 10, DT_SINGLELINE | DT_WORDBREAK, {"aaa bbb"}, 39},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TextSurface surface(120, 60);
    const TRect rect{2, 1, 2 + c.Width, 60};
    const TRect calc = surface.Calc(c.Text, rect, c.Format);
    EXPECT_EQ(calc, (TRect{2, 1, 2 + c.CalcWidth, 1 + ArialHeight * static_cast<int>(c.Lines.size())}));
    EXPECT_EQ(surface.Draw(c.Text, rect, c.Format | DT_NOCLIP), ArialHeight * static_cast<int>(c.Lines.size()));
    EXPECT_EQ(surface.Snapshot(), LinesAsTextOut(120, 60, {2, 1}, c.Lines));
  }
}

TEST(DrawTextLayout, EditControlBreaksLongWordsAndDropsPartialLines) {
  TextSurface surface(120, 60);
  const std::string word = "Supercalifragilistic";
  const TRect calc = surface.Calc(word, {0, 0, 40, 0}, DT_WORDBREAK | DT_EDITCONTROL);
  EXPECT_LE(calc.Width(), 40);
  const int lines = calc.Height() / ArialHeight;
  EXPECT_GE(lines, 3);
  // In a rectangle two and a half lines high only two lines show.
  surface.Draw(word, {0, 0, 40, 2 * ArialHeight + 6}, DT_WORDBREAK | DT_EDITCONTROL);
  EXPECT_LT(InkBounds(surface).Bottom, 2 * ArialHeight + 1);
  // Without DT_EDITCONTROL the cut line shows in part.
  const std::string words = "aaa bbb aaa bbb aaa";
  surface.Fill(White);
  surface.Draw(words, {0, 0, 40, 2 * ArialHeight + 6}, DT_WORDBREAK | DT_EDITCONTROL);
  EXPECT_LT(InkBounds(surface).Bottom, 2 * ArialHeight + 1);
  surface.Fill(White);
  surface.Draw(words, {0, 0, 40, 2 * ArialHeight + 6}, DT_WORDBREAK);
  EXPECT_GT(InkBounds(surface).Bottom, 2 * ArialHeight);
}

TEST(DrawTextLayout, Ellipses) {
  struct Case {
    const char* Name;
    std::string Text;
    int Width;
    UINT Format;
    std::vector<std::string> Lines;
  };
  const Case cases[] = {
      {"end", "Motherboard and BIOS", 50, DT_SINGLELINE | DT_END_ELLIPSIS, {"Motherb..."}},
      {"end, fits", "Motherboard", 61, DT_SINGLELINE | DT_END_ELLIPSIS, {"Motherboard"}},
      {"path", "C:\\Program Files\\Ovra\\Zorbit.exe", 90, DT_SINGLELINE | DT_PATH_ELLIPSIS, {"C:\\Pro...\\Zorbit.exe"}},
      {"path without delimiter", "Motherboard and BIOS", 50, DT_SINGLELINE | DT_PATH_ELLIPSIS, {"Motherb..."}},
      {"wrapped text cut below", "aaa bbb aaa bbb aaa", 45, DT_WORDBREAK | DT_END_ELLIPSIS, {"aaa bbb", "aaa bb..."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TextSurface surface(120, 30);
    surface.Draw(c.Text, {2, 1, 2 + c.Width, 1 + 2 * ArialHeight}, c.Format | DT_NOPREFIX);
    EXPECT_EQ(surface.Snapshot(), LinesAsTextOut(120, 30, {2, 1}, c.Lines));
  }
}

TEST(DrawTextLayout, Prefixes) {
  TextSurface plain(60, 20);
  plain.Out(2, 1, "File");
  TextSurface prefixed(60, 20);
  prefixed.Draw("&File", {2, 1, 60, 20}, 0);
  std::vector<TPoint> added;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 60; ++x) {
      if (plain.At(x, y) != prefixed.At(x, y)) added.push_back({x, y});
    }
  }
  // Only an underline under the "F".
  ASSERT_EQ(added.size(), static_cast<std::size_t>(plain.Width("F")));
  for (std::size_t i = 0; i < added.size(); ++i)
    EXPECT_EQ(added[i], (TPoint{2 + static_cast<int>(i), 1 + ArialAscent + 1}));

  struct Case {
    std::string Text;
    UINT Format;
    std::string Shown;
  };
  const Case cases[] = {{"A&&B", 0, "A&B"}, {"AB&", 0, "AB"}, {"&File", DT_NOPREFIX, "&File"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text);
    TextSurface surface(60, 20);
    surface.Draw(c.Text, {2, 1, 60, 20}, c.Format);
    EXPECT_EQ(surface.Snapshot(), LinesAsTextOut(60, 20, {2, 1}, {c.Shown}));
  }
}

TEST(DrawTextLayout, AlignmentInTheRectangle) {
  struct Case {
    UINT Format;
    TRect Cell;
    int Result;
  };
  // "Item" (19 x 12) in (10, 10, 110, 51).
  const Case cases[] = {
      {DT_SINGLELINE, {10, 10, 29, 22}, 12},
      {DT_SINGLELINE | DT_CENTER, {50, 10, 69, 22}, 12},
      {DT_SINGLELINE | DT_RIGHT, {91, 10, 110, 22}, 12},
      {DT_SINGLELINE | DT_VCENTER, {10, 24, 29, 36}, 26},
      {DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, {91, 39, 110, 51}, 41},
      {DT_VCENTER, {10, 10, 29, 22}, 12},  // only a single line is centred
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Format);
    TextSurface surface(120, 60);
    SetBkMode(surface.Dc(), OPAQUE);
    SetBkColor(surface.Dc(), Blue);
    EXPECT_EQ(surface.Draw("Item", {10, 10, 110, 51}, c.Format), c.Result);
    EXPECT_EQ(InkBounds(surface), c.Cell);
  }
}

TEST(DrawTextLayout, ClippedToTheRectangleUnlessNoClip) {
  TextSurface surface(120, 30);
  const TRect rect{5, 5, 40, 30};
  surface.Draw("Motherboard and BIOS", rect, DT_SINGLELINE);
  EXPECT_TRUE(rect.Contains(InkBounds(surface)));
  surface.Fill(White);
  surface.Draw("Motherboard and BIOS", rect, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(InkBounds(surface).Right, rect.Right);
}

TEST(DrawTextLayout, TabsMarginsAndLeading) {
  TextSurface surface(200, 60);
  TEXTMETRICA tm;
  GetTextMetrics(surface.Dc(), &tm);
  const int b = surface.Width("b");
  EXPECT_EQ(surface.Calc("a\tb", {0, 0, 200, 0}, DT_EXPANDTABS | DT_SINGLELINE).Width(), 8 * tm.tmAveCharWidth + b);
  EXPECT_EQ(surface.Calc("a\tbb\tb", {0, 0, 200, 0}, DT_EXPANDTABS | DT_SINGLELINE).Width(),
            16 * tm.tmAveCharWidth + b);

  DRAWTEXTPARAMS params;
  params.iTabLength = 4;
  params.iLeftMargin = 3;
  params.iRightMargin = 5;
  TRect r{10, 0, 200, 0};
  const std::string text = "a\tb";
  DrawTextEx(surface.Dc(), text.data(), 3, &r, DT_EXPANDTABS | DT_CALCRECT, &params);
  EXPECT_EQ(r.Width(), 3 + 4 * tm.tmAveCharWidth + b + 5);
  EXPECT_EQ(params.uiLengthDrawn, 3u);

  // Drawing starts at the left margin.
  surface.Fill(White);
  r = {10, 0, 200, 20};
  DrawTextEx(surface.Dc(), "Item", 4, &r, 0, &params);
  EXPECT_EQ(surface.Snapshot(), LinesAsTextOut(200, 60, {13, 0}, {"Item"}));

  // Times New Roman at 10 points has one pixel of external leading.
  TextSurface times(10, 10, "Times New Roman", -13);
  GetTextMetrics(times.Dc(), &tm);
  ASSERT_EQ(tm.tmExternalLeading, 1);
  EXPECT_EQ(times.Calc("a\nb", {0, 0, 100, 0}, 0).Height(), 2 * tm.tmHeight);
  EXPECT_EQ(times.Calc("a\nb", {0, 0, 100, 0}, DT_EXTERNALLEADING).Height(), 2 * (tm.tmHeight + 1));
}

}  // namespace
}  // namespace plat::testing
