// The drawing routines on small bitmaps, checked with pixel probes,
// including the degenerate cases.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "grid/ExtUtilDrawing.h"
#include "grid/tests/GridTestSupport.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/testing/RecordingThemeService.h"

namespace zorbit {
namespace {

using plat::clBlack;
using plat::clBlue;
using plat::clGray;
using plat::clLime;
using plat::clNone;
using plat::clRed;
using plat::clWhite;
using plat::clYellow;
using plat::RGB;
using plat::TColor;
using testing::Canvas;

TColor Grey(int level) { return static_cast<TColor>(RGB(level, level, level)); }

TEST(Colors, HalfBrightAndGradientPoints) {
  EXPECT_EQ(HalfBrightColor(RGB(200, 100, 51)), static_cast<TColor>(RGB(100, 50, 25)));
  const plat::COLORREF face = plat::GetSysColor(plat::COLOR_BTNFACE);
  EXPECT_EQ(HalfBrightColor(plat::clBtnFace),
            static_cast<TColor>(RGB(plat::GetRValue(face) / 2, plat::GetGValue(face) / 2, plat::GetBValue(face) / 2)));

  EXPECT_EQ(GradientColorAt(clBlack, clWhite, 0, 5, 10), Grey(128));
  EXPECT_EQ(GradientColorAt(clBlack, clWhite, 0, 0, 10), clBlack);
  EXPECT_EQ(GradientColorAt(clBlack, clWhite, 0, 10, 10), clWhite);
  EXPECT_EQ(GradientColorAt(clRed, clBlue, 10, 15, 20), static_cast<TColor>(RGB(127, 0, 128)));
  // Outside the range: the nearer end, never a colour out of range.
  EXPECT_EQ(GradientColorAt(clBlack, clWhite, 0, -5, 10), clBlack);
  EXPECT_EQ(GradientColorAt(clBlack, clWhite, 0, 50, 10), clWhite);
  // Equal ends and no end colour.
  EXPECT_EQ(GradientColorAt(clRed, clBlue, 7, 7, 7), clRed);
  EXPECT_EQ(GradientColorAt(clRed, clBlue, 7, 9, 7), clRed);
  EXPECT_EQ(GradientColorAt(clRed, clNone, 0, 5, 10), clRed);
}

TEST(FillGradientRect, BandsAcrossAndDown) {
  Canvas c(12, 8);
  FillGradientRect(*c, clBlack, clWhite, true, {2, 2, 10, 6}, 4);
  // Four bands of two pixels: 0, 64, 128, 191.
  const TColor expected[] = {Grey(0), Grey(0), Grey(64), Grey(64), Grey(128), Grey(128), Grey(191), Grey(191)};
  for (int x = 2; x < 10; ++x) {
    EXPECT_EQ(c.At(x, 2), expected[x - 2]) << x;
    EXPECT_EQ(c.At(x, 5), expected[x - 2]) << x;
  }
  // Nothing outside the rectangle.
  EXPECT_EQ(c.At(1, 3), clWhite);
  EXPECT_EQ(c.At(10, 3), clWhite);
  EXPECT_EQ(c.At(5, 1), clWhite);
  EXPECT_EQ(c.At(5, 6), clWhite);

  Canvas v(4, 8);
  FillGradientRect(*v, clBlack, clWhite, false, {0, 0, 4, 8}, 2);
  EXPECT_EQ(v.At(1, 0), Grey(0));
  EXPECT_EQ(v.At(1, 3), Grey(0));
  EXPECT_EQ(v.At(1, 4), Grey(128));
  EXPECT_EQ(v.At(1, 7), Grey(128));
}

TEST(FillGradientRect, DegenerateSteps) {
  {
    // No end colour, zero or negative steps, equal ends: one plain colour.
    struct Case {
      TColor To;
      int Steps;
    };
    for (const Case& k : {Case{clNone, 8}, Case{clBlue, 0}, Case{clBlue, -3}, Case{clRed, 5}}) {
      Canvas c(6, 4);
      FillGradientRect(*c, clRed, k.To, true, {0, 0, 6, 4}, k.Steps);
      EXPECT_EQ(c.Count(clRed), 24) << k.Steps;
    }
  }
  {
    // More bands than pixels: every pixel is filled, darkest first.
    Canvas c(5, 2);
    FillGradientRect(*c, clBlack, clWhite, true, {0, 0, 5, 2}, 1000);
    EXPECT_EQ(c.At(0, 0), clBlack);
    for (int x = 1; x < 5; ++x) EXPECT_GT(plat::GetRValue(c.At(x, 0)), plat::GetRValue(c.At(x - 1, 0))) << x;
    EXPECT_EQ(c.Count(clWhite), 0);
  }
  {
    // Absurd step counts and rectangles cost only the visible pixels.
    Canvas c(5, 2);
    FillGradientRect(*c, clBlack, clWhite, true, {-100000000, 0, 100000000, 2}, INT_MAX);
    EXPECT_EQ(c.Count(clWhite), 0);
    EXPECT_EQ(c.At(0, 0), Grey(127));
  }
  {
    Canvas c(4, 4);
    FillGradientRect(*c, clBlack, clWhite, true, {3, 3, 3, 4}, 4);   // empty
    FillGradientRect(*c, clBlack, clWhite, false, {3, 3, 1, 1}, 4);  // inverted
    EXPECT_EQ(c.Count(clWhite), 16);
  }
}

TEST(FillGradientRect, LeavesTheCanvasToolsAlone) {
  Canvas c(4, 4);
  c->Brush()->SetColor(clYellow);
  c->Pen()->SetColor(clLime);
  FillGradientRect(*c, clBlack, clWhite, true, {0, 0, 4, 4}, 2);
  EXPECT_EQ(c->Brush()->Color(), clYellow);
  EXPECT_EQ(c->Pen()->Color(), clLime);
}

// Text in the part colours, so that only the bar's geometry shows.
TPercentBarColors PlainBar() {
  TPercentBarColors colors;
  colors.Color = colors.TextColor = clRed;
  colors.ColorTo = colors.TextColorTo = clBlue;
  colors.BorderColor = clNone;
  colors.BackgroundColor = clNone;
  return colors;
}

TEST(DrawPercentBar, DonePartAndRest) {
  Canvas c(60, 12);
  DrawPercentBar(*c, {0, 0, 60, 12}, 25, PlainBar());
  EXPECT_EQ(c.Count(clRed), 15 * 12);
  EXPECT_EQ(c.Count(clRed, {0, 0, 15, 12}), 15 * 12);
  EXPECT_EQ(c.Count(clBlue, {15, 0, 60, 12}), 45 * 12);
}

TEST(DrawPercentBar, ValuesOutsideTheRangeStayInTheBar) {
  for (const int value : {150, -10, INT_MIN, INT_MAX}) {
    Canvas c(20, 6);
    DrawPercentBar(*c, {0, 0, 20, 6}, value, PlainBar());
    EXPECT_EQ(c.Count(value > 0 ? clRed : clBlue), 120) << value;
  }
}

TEST(DrawPercentBar, ScaledByFormatAndEmptyRanges) {
  struct Case {
    int Value, Min, Max, DonePixels;
  };
  for (const Case& k :
       {Case{100, 0, 200, 10}, Case{150, 100, 200, 10}, Case{5, 5, 5, 20}, Case{4, 5, 5, 0}, Case{0, 10, 0, 20}}) {
    Canvas c(20, 4);
    DrawPercentBar(*c, {0, 0, 20, 4}, k.Value, PlainBar(), 0, 0, k.Min, k.Max, "%d items");
    EXPECT_EQ(c.Count(clRed), k.DonePixels * 4) << k.Value << " in " << k.Min << ".." << k.Max;
  }
  Canvas c(20, 4);
  EXPECT_NO_THROW(DrawPercentBar(*c, {0, 0, 20, 4}, 3, PlainBar(), 0, 0, 0, 10, "%s"));
}

TEST(DrawPercentBar, EachPartsTextInItsOwnColour) {
  Canvas c(80, 20);
  TPercentBarColors colors = PlainBar();
  colors.TextColor = clYellow;
  colors.TextColorTo = clLime;
  c->Font()->SetSize(12);
  DrawPercentBar(*c, {0, 0, 80, 20}, 50, colors);
  EXPECT_GT(c.Count(clYellow, {0, 0, 40, 20}), 0);
  EXPECT_GT(c.Count(clLime, {40, 0, 80, 20}), 0);
  EXPECT_EQ(c.Count(clYellow, {40, 0, 80, 20}), 0);
  EXPECT_EQ(c.Count(clLime, {0, 0, 40, 20}), 0);
}

TEST(DrawPercentBar, FrameMarginsAndBackground) {
  Canvas c(24, 10);
  TPercentBarColors colors = PlainBar();
  colors.BorderColor = clBlack;
  colors.BackgroundColor = clLime;
  DrawPercentBar(*c, {0, 0, 24, 10}, 50, colors, 2, 2);
  // The bar stands in (2, 2, 22, 8) with its frame; the ring round it in
  // the background colour; the rest of the margin untouched.
  EXPECT_EQ(c.At(2, 2), clBlack);
  EXPECT_EQ(c.At(21, 7), clBlack);
  EXPECT_EQ(c.At(3, 3), clRed);
  EXPECT_EQ(c.At(20, 6), clBlue);
  EXPECT_EQ(c.At(1, 1), clLime);
  EXPECT_EQ(c.At(22, 8), clLime);
  EXPECT_EQ(c.At(0, 0), clWhite);
  EXPECT_EQ(c.At(23, 9), clWhite);
  // Margins that leave no bar draw nothing.
  Canvas small(6, 6);
  DrawPercentBar(*small, {0, 0, 6, 6}, 50, colors, 3, 3);
  EXPECT_EQ(small.Count(clWhite), 36);
}

TEST(DrawBalanceBar, FromTheCentre) {
  struct Case {
    int Value, Limit, Left, Right;  // the coloured span, empty when Left == Right
    TColor Color;
  };
  for (const Case& k : {Case{50, 100, 20, 30, clLime}, Case{-50, 100, 10, 20, clRed}, Case{500, 100, 20, 40, clLime},
                        Case{-500, 100, 0, 20, clRed}, Case{0, 100, 20, 20, clLime}, Case{50, 0, 20, 20, clLime},
                        Case{50, -10, 20, 20, clLime}, Case{INT_MIN, INT_MAX, 0, 20, clRed}}) {
    Canvas c(40, 6);
    DrawBalanceBar(*c, {0, 0, 40, 6}, k.Value, k.Limit, clLime, clRed, false);
    EXPECT_EQ(c.Count(k.Color), (k.Right - k.Left) * 6) << k.Value << "/" << k.Limit;
    EXPECT_EQ(c.Count(k.Color, {k.Left, 0, k.Right, 6}), (k.Right - k.Left) * 6) << k.Value << "/" << k.Limit;
  }
}

TEST(DrawBalanceBar, NumberCentred) {
  Canvas c(60, 20);
  c->Font()->SetColor(clBlue);
  DrawBalanceBar(*c, {0, 0, 60, 20}, 7, 0, clLime, clRed, true);
  EXPECT_GT(c.Count(clBlue, {20, 0, 40, 20}), 0);
  EXPECT_EQ(c.Count(clBlue, {0, 0, 20, 20}), 0);
}

TEST(DrawPercentPie, FillsTheSectorClockwiseFromTheTop) {
  // Probes inside the circle, one per quarter: top-right, bottom-right,
  // bottom-left, top-left.
  const plat::TPoint quarter[] = {{14, 4}, {15, 14}, {4, 15}, {5, 5}};
  struct Case {
    double Percent;
    bool Filled[4];
  };
  for (const Case& k :
       {Case{0, {false, false, false, false}}, Case{1, {false, false, false, false}},
        Case{25, {true, false, false, false}}, Case{50, {true, true, false, false}},
        Case{75, {true, true, true, false}}, Case{99, {true, true, true, true}}, Case{100, {true, true, true, true}},
        Case{250, {true, true, true, true}}, Case{-5, {false, false, false, false}},
        Case{std::numeric_limits<double>::quiet_NaN(), {false, false, false, false}}}) {
    Canvas c(20, 20);
    DrawPercentPie(*c, {0, 0, 20, 20}, k.Percent, clRed);
    for (int q = 0; q < 4; ++q)
      EXPECT_EQ(c.At(quarter[q].X, quarter[q].Y), k.Filled[q] ? clRed : clWhite) << k.Percent << "% quarter " << q;
    // The grey outline and the line from the top to the centre.
    EXPECT_EQ(c.At(0, 10), clGray) << k.Percent;
    EXPECT_EQ(c.At(10, 4), clGray) << k.Percent;
  }
}

TEST(DrawPercentPie, DegenerateRectangles) {
  Canvas c(4, 4);
  DrawPercentPie(*c, {2, 2, 2, 2}, 50, clRed);
  DrawPercentPie(*c, {3, 3, 1, 1}, 50, clRed);
  EXPECT_EQ(c.Count(clWhite), 16);
  DrawPercentPie(*c, {0, 0, 1, 1}, 50, clRed);  // one pixel: drawn, no crash
  EXPECT_EQ(c.Count(clWhite), 15);
  EXPECT_EQ(c.At(0, 0), clGray);
}

TEST(DrawErrorUnderline, UnderTheMarkedCharactersOnly) {
  Canvas c(120, 40);
  c->Font()->SetSize(10);
  const plat::String text = "abc def ghi";
  const int x0 = c->TextWidth("abc "), x1 = c->TextWidth("abc def");
  DrawErrorUnderline(*c, {0, 0, 120, 40}, text, 5, 3);
  const int red = c.Count(clRed);
  EXPECT_GT(red, 3);
  EXPECT_EQ(c.Count(clRed, {x0, 0, x1 + 1, 40}), red);
  const int lineHeight = c->TextHeight("Wg");
  EXPECT_EQ(c.Count(clRed, {0, lineHeight - 3, 120, lineHeight}), red);
}

TEST(DrawErrorUnderline, OnTheLineOfTheCharacters) {
  Canvas c(120, 60);
  const int lineHeight = c->TextHeight("Wg");
  // "def" is characters 6 to 8: the CR LF counts as two.
  DrawErrorUnderline(*c, {0, 0, 120, 60}, "abc\r\ndef", 6, 3);
  const int red = c.Count(clRed);
  EXPECT_GT(red, 0);
  EXPECT_EQ(c.Count(clRed, {0, lineHeight, c->TextWidth("def") + 1, 2 * lineHeight}), red);
}

TEST(DrawErrorUnderline, NothingForEmptyOrMissingRanges) {
  struct Case {
    const char* Text;
    int From, Len;
  };
  for (const Case& k : {Case{"abc", 0, 2}, Case{"abc", 1, 0}, Case{"abc", 4, 2}, Case{"abc", -3, 10}, Case{"", 1, 1},
                        Case{"abc", INT_MAX, INT_MAX}}) {
    Canvas c(60, 20);
    DrawErrorUnderline(*c, {0, 0, 60, 20}, k.Text, k.From, k.Len);
    EXPECT_EQ(c.Count(clRed), 0) << k.Text << " " << k.From << " " << k.Len;
  }
}

TEST(DrawBitmapTransparent, TopLeftColourShowsTheBackground) {
  plat::TBitmap picture;
  picture.SetSize(4, 4);
  picture.Canvas()->Brush()->SetColor(plat::clFuchsia);
  picture.Canvas()->FillRect({0, 0, 4, 4});
  picture.Canvas()->Brush()->SetColor(clBlue);
  picture.Canvas()->FillRect({1, 1, 3, 3});

  Canvas c(10, 10);
  DrawBitmapTransparent(*c, 3, 3, &picture, clYellow);
  EXPECT_EQ(c.At(3, 3), clYellow);
  EXPECT_EQ(c.At(6, 6), clYellow);
  EXPECT_EQ(c.At(4, 4), clBlue);
  EXPECT_EQ(c.At(5, 5), clBlue);
  EXPECT_EQ(c.At(2, 2), clWhite);
  EXPECT_EQ(c.At(7, 7), clWhite);
  EXPECT_EQ(c.Count(plat::clFuchsia), 0);

  Canvas clear(10, 10);
  DrawBitmapTransparent(*clear, 3, 3, &picture, clNone);
  EXPECT_EQ(clear.At(3, 3), clWhite);
  EXPECT_EQ(clear.At(4, 4), clBlue);

  plat::TBitmap empty;
  DrawBitmapTransparent(*clear, 0, 0, &empty, clYellow);
  DrawBitmapTransparent(*clear, 0, 0, nullptr, clYellow);
  EXPECT_EQ(clear.Count(clYellow), 0);
}

TEST(DrawResourceBitmapTransparent, FoundByName) {
  Canvas c(10, 10);
  DrawResourceBitmapTransparent(*c, 3, 3, "gridtestkeyed", clYellow);
  EXPECT_EQ(c.At(3, 3), clYellow);
  EXPECT_EQ(c.At(4, 4), clBlue);
  EXPECT_EQ(c.At(2, 2), clWhite);
  // Missing and damaged pictures draw nothing.
  Canvas other(10, 10);
  DrawResourceBitmapTransparent(*other, 0, 0, "NOSUCHPICTURE", clYellow);
  DrawResourceBitmapTransparent(*other, 0, 0, "GRIDTESTDAMAGED", clYellow);
  EXPECT_EQ(other.Count(clWhite), 100);
}

TEST(DrawComboArrowButton, ClassicFrameAtTheRightEdge) {
  Canvas c(40, 20);
  DrawComboArrowButton(*c, {0, 0, 40, 20});
  Canvas expected(40, 20);
  plat::RECT button{22, 1, 38, 19};
  plat::DrawFrameControl(expected->Handle(), &button, plat::DFC_SCROLL, plat::DFCS_SCROLLCOMBOBOX | plat::DFCS_FLAT);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(c.At(x, y), expected.At(x, y)) << x << "," << y;
  EXPECT_NE(c.At(30, 10), clWhite);
  EXPECT_EQ(c.Count(clWhite, {0, 0, 22, 20}), 22 * 20);
}

TEST(DrawComboArrowButton, ThemedWhileAStyleIsActive) {
  plat::testing::ThemeRecorder recorder;
  Canvas c(40, 20);
  DrawComboArrowButton(*c, {0, 0, 40, 20});
  using Call = plat::testing::RecordingThemeService::DrawCall;
  ASSERT_EQ(recorder.Service().Calls().size(), 1u);
  EXPECT_EQ(recorder.Service().Calls()[0], (Call{u"combobox", 1, 1, {22, 1, 38, 19}}));
  EXPECT_EQ(recorder.Service().OpenCount(), 0u);
  EXPECT_EQ(c.Count(clWhite), 40 * 20);  // no classic frame as well
}

// Coordinates and margins no cell has are refused before any size or
// offset is worked out from them.
TEST(Drawing, AbsurdCoordinatesDrawNothing) {
  Canvas c(8, 8);
  const plat::TRect huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  FillGradientRect(*c, clBlack, clBlue, true, huge, 4);
  DrawPercentBar(*c, huge, 50, PlainBar());
  DrawPercentBar(*c, {0, 0, 8, 8}, 50, PlainBar(), INT_MAX, INT_MIN);
  DrawBalanceBar(*c, huge, 5, 10, clRed, clBlue, true);
  DrawPercentPie(*c, huge, 50, clRed);
  DrawErrorUnderline(*c, huge, "abc", 1, 2);
  DrawComboArrowButton(*c, {INT_MIN, INT_MIN, INT_MIN + 1, INT_MIN + 30});
  plat::TBitmap picture;
  picture.SetSize(2, 2);
  DrawBitmapTransparent(*c, INT_MAX, INT_MAX, &picture, clRed);
  EXPECT_EQ(c.Count(clWhite), 64);
}

}  // namespace
}  // namespace zorbit
