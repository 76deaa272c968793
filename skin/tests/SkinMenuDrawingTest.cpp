// The menus' drawing steps: handlers through an item tree, the separator in
// both reading directions, the MacOS bands and the system's menu font.
#include "skin/SkinMenuDrawing.h"

#include <gtest/gtest.h>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/TFont.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/TForm.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowPos.h"
#include "platform/win/SystemMetrics.h"
#include "skin/SkThemes.h"
#include "testing/FormTest.h"

namespace zorbit {
namespace {

using plat::TRect;

class SkinMenuDrawing : public testing::FormTest {};

TEST_F(SkinMenuDrawing, HandlersReachEveryItemOfTheTree) {
  auto* root = new plat::TMenuItem(plat::Application);
  auto* file = new plat::TMenuItem(plat::Application);
  auto* open = new plat::TMenuItem(plat::Application);
  auto* edit = new plat::TMenuItem(plat::Application);
  root->Add(file);
  file->Add(open);
  root->Add(edit);
  int measured = 0, drawn = 0;
  SetMenuItemDrawHandlers(
      *root, [&](plat::TObject*, plat::TCanvas*, int&, int&) { ++measured; },
      [&](plat::TObject*, plat::TCanvas*, TRect, bool) { ++drawn; });
  int w = 0, h = 0;
  for (plat::TMenuItem* item : {root, file, open, edit}) {
    ASSERT_TRUE(item->OnMeasureItem && item->OnDrawItem);
    item->OnMeasureItem(item, nullptr, w, h);
    item->OnDrawItem(item, nullptr, TRect{}, false);
  }
  EXPECT_EQ(measured, 4);
  EXPECT_EQ(drawn, 4);
}

TEST_F(SkinMenuDrawing, TheSeparatorLiesTwoPixelsDownBesideTheSideBar) {
  struct Case {
    bool LeftToRight;
    int First, Last;  // the line's first and last pixel
  };
  for (Case c : {Case{true, 10 + 26 + 4, 110 - 3}, Case{false, 10 + 2, 110 - 26 - 5}}) {
    plat::TBitmap picture;
    picture.SetSize(120, 10);
    picture.Canvas()->Brush()->SetColor(plat::clWhite);
    picture.Canvas()->FillRect(TRect{0, 0, 120, 10});
    DrawMenuSeparator(*picture.Canvas(), TRect{10, 3, 110, 8}, plat::clRed, c.LeftToRight, 26);
    int first = -1, last = -1;
    for (int x = 0; x < 120; ++x)
      if (picture.Canvas()->Pixels(x, 5) == plat::clRed) {
        if (first < 0) first = x;
        last = x;
      }
    EXPECT_EQ(first, c.First) << c.LeftToRight;
    EXPECT_EQ(last, c.Last) << c.LeftToRight;
    EXPECT_EQ(picture.Canvas()->Pixels(60, 4), plat::clWhite);
  }
}

TEST_F(SkinMenuDrawing, TheMacOSBandsStretchTheirPictureCutToHeight) {
  plat::TBitmap select;
  ASSERT_TRUE(LoadSkinPicture("MACOS_MENU_SELECT", select));
  plat::TBitmap picture;
  picture.SetSize(50, 40);
  DrawMacMenuSelect(*picture.Canvas(), TRect{0, 0, 50, 40});
  // 20 rows over 40: row 0 and 1 show the picture's first row, 38 and 39 its last.
  EXPECT_EQ(picture.Canvas()->Pixels(25, 0), select.Canvas()->Pixels(0, 0));
  EXPECT_EQ(picture.Canvas()->Pixels(25, 39), select.Canvas()->Pixels(0, 19));

  plat::TBitmap bar;
  ASSERT_TRUE(LoadSkinPicture("MACOS_MENU_BAR", bar));
  DrawMacMenuBar(*picture.Canvas(), TRect{0, 0, 50, 12});
  EXPECT_EQ(picture.Canvas()->Pixels(10, 11), bar.Canvas()->Pixels(0, 11));
  DrawMacMenuBarTall(*picture.Canvas(), TRect{0, 0, 50, 20});
  EXPECT_EQ(picture.Canvas()->Pixels(10, 19), bar.Canvas()->Pixels(0, 19));
}

TEST_F(SkinMenuDrawing, TheFlatFrameIsDrawnOnTheScreenAroundTheMenuWindow) {
  auto* popup = new plat::TForm(plat::Application);
  popup->SetBounds(100, 50, 60, 40);
  popup->Show();
  Pump();
  plat::RECT r{};
  ASSERT_TRUE(plat::GetWindowRect(popup->Handle(), &r));
  DrawMenuWindowFrame(popup->Handle(), plat::clRed, plat::clBlue);
  const plat::HDC screen = plat::GetDC(nullptr);
  const plat::ScopeExit release([&] { plat::ReleaseDC(nullptr, screen); });
  struct Probe {
    int X, Y;
    plat::COLORREF Colour;
  };
  const Probe probes[] = {
      {r.Left, r.Top + 1, plat::clRed},          // the border, a pixel below the top
      {r.Left, r.Bottom - 2, plat::clRed},       //
      {r.Left + 1, r.Top + 2, plat::clWhite},    // the white frame inside it
      {r.Right - 3, r.Top + 5, plat::clWhite},   //
      {r.Left + 5, r.Bottom - 1, plat::clBlue},  // the shadow along the bottom
      {r.Right - 1, r.Top + 5, plat::clBlue},    // up the right
      {r.Left + 5, r.Top, plat::clBlue},         // and back along the top
  };
  for (const Probe& p : probes) EXPECT_EQ(plat::GetPixel(screen, p.X, p.Y), p.Colour) << p.X << "," << p.Y;
}

TEST_F(SkinMenuDrawing, TheMenuFontIsTheSystemsWithTheMenuTextColour) {
  plat::NONCLIENTMETRICS metrics;
  ASSERT_TRUE(plat::SystemParametersInfo(plat::SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
  plat::TFont font;
  font.SetName("Courier New");
  font.SetColor(plat::clRed);
  GetMenuFont(font);
  EXPECT_EQ(font.Name(), metrics.lfMenuFont.lfFaceName);
  EXPECT_EQ(font.Height(), metrics.lfMenuFont.lfHeight);
  EXPECT_EQ(font.Color(), plat::clMenuText);
}

}  // namespace
}  // namespace zorbit
