// Text drawn on a canvas in its font: the wide form draws and measures
// exactly as the UTF-8 form of the same text.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/TextConstants.h"
#include "platform/ui/ControlPaint.h"

namespace plat {
namespace {

// The text drawn on a white bitmap; its pixels, row by row.
std::vector<TColor> Drawn(const auto& Text, UINT Format, TRect& Rect) {
  TBitmap bitmap;
  bitmap.SetSize(120, 40);
  bitmap.Canvas()->Brush()->SetColor(clWhite);
  bitmap.Canvas()->FillRect({0, 0, 120, 40});
  bitmap.Canvas()->Font()->SetColor(clNavy);
  DrawCanvasText(*bitmap.Canvas(), Text, Rect, Format);
  std::vector<TColor> pixels;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x) pixels.push_back(bitmap.Canvas()->Pixels(x, y));
  return pixels;
}

TEST(ControlPaint, WideTextDrawsAndMeasuresAsItsUtf8Form) {
  struct Case {
    const char* Name;
    UINT Format;
  };
  const Case cases[] = {
      {"one line, centred", DT_SINGLELINE | DT_CENTER | DT_VCENTER},
      {"cut with an ellipsis", DT_SINGLELINE | DT_END_ELLIPSIS},
      {"measured", DT_CALCRECT | DT_WORDBREAK},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TRect narrow{4, 4, 60, 36}, wide{4, 4, 60, 36};
    const auto utf8 = Drawn(String("Grüße aus Zürich"), c.Format, narrow);
    const auto utf16 = Drawn(WideString(u"Grüße aus Zürich"), c.Format, wide);
    EXPECT_EQ(narrow, wide);
    EXPECT_EQ(utf8, utf16);
    if (!(c.Format & DT_CALCRECT)) {
      EXPECT_NE(std::count(utf16.begin(), utf16.end(), clNavy), 0);
    }
  }
}

}  // namespace
}  // namespace plat
