// The skinned menus: items measured and drawn in the skin's colours (on a
// bitmap, probed pixel by pixel), the control menu that Alt+Space opens on
// the active skinned form, and the main menu shown as the frame's bar.
#include <gtest/gtest.h>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/SysLocale.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/ShortCuts.h"
#include "platform/ui/TToolButton.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowPos.h"
#include "skin/SkMainMenu.h"
#include "skin/SkPopupMenu.h"
#include "skin/SkThemes.h"
#include "skin/tests/FrameFixture.h"

namespace skintest {
namespace {

using namespace zorbit;
using plat::COLORREF;

constexpr COLORREF White = 0xFFFFFF;
constexpr COLORREF Grey = 0x808080;

// The system's right-to-left support switched on for a scope.
class RightToLeftSystem {
 public:
  RightToLeftSystem() : FWas(plat::SysLocale().MiddleEast) { plat::SysLocale().MiddleEast = true; }
  ~RightToLeftSystem() { plat::SysLocale().MiddleEast = FWas; }
  RightToLeftSystem(const RightToLeftSystem&) = delete;
  RightToLeftSystem& operator=(const RightToLeftSystem&) = delete;

 private:
  bool FWas;
};

class SkinnedMenus : public FrameTest {
 protected:
  plat::TMenuItem* AddItem(plat::TMenu& Menu, const plat::String& Caption) {
    auto* item = new plat::TMenuItem(&Menu);
    item->SetCaption(Caption);
    Menu.Items()->Add(item);
    return item;
  }
  // The item drawn on a white bitmap of Width x Height.
  static std::unique_ptr<plat::TBitmap> Drawn(plat::TMenuItem& Item, int Width, int Height, bool Selected) {
    auto bitmap = std::make_unique<plat::TBitmap>();
    bitmap->SetSize(Width, Height);
    Item.OnDrawItem(&Item, bitmap->Canvas(), {0, 0, Width, Height}, Selected);
    return bitmap;
  }
  // The item's measured height (and width, when asked).
  static int MeasuredHeight(plat::TMenuItem& Item, int* Width = nullptr) {
    plat::TBitmap scratch;
    scratch.SetSize(4, 4);
    int width = 0, height = 0;
    Item.OnMeasureItem(&Item, scratch.Canvas(), width, height);
    if (Width) *Width = width;
    return height;
  }
  static COLORREF At(plat::TBitmap& Bitmap, int X, int Y) {
    return plat::ColorToColorRef(Bitmap.Canvas()->Pixels(X, Y));
  }
  static bool HasColour(plat::TBitmap& Bitmap, COLORREF Colour) {
    for (int y = 0; y < Bitmap.Height(); ++y)
      for (int x = 0; x < Bitmap.Width(); ++x)
        if (At(Bitmap, x, y) == Colour) return true;
    return false;
  }
};

TEST_F(SkinnedMenus, ItemsAreMeasuredAndDrawnInTheStyle) {
  auto* menu = new TskPopupMenu(FForm);
  EXPECT_EQ(menu->UIStyle(), TskUIStyle::DeepBlue);  // the frame's
  EXPECT_TRUE(menu->OwnerDraw());
  menu->SetOwnerDraw(false);
  EXPECT_TRUE(menu->OwnerDraw());
  plat::TMenuItem* open = AddItem(*menu, "Open");
  plat::TMenuItem* line = AddItem(*menu, "-");

  int width = 0;
  EXPECT_EQ(MeasuredHeight(*open, &width), 21);
  plat::TBitmap scratch;
  scratch.SetSize(4, 4);
  EXPECT_EQ(width, scratch.Canvas()->TextWidth("Open") + 26 + 40);
  EXPECT_EQ(MeasuredHeight(*line), 5);

  // The separator: side bar, then a line from bar width + 4 to 2 before the right edge, 2 below the top.
  const auto separatorBitmap = Drawn(*line, 100, 5, false);
  const COLORREF bar = plat::ColorToColorRef(menu->BarColor());
  EXPECT_EQ(At(*separatorBitmap, 0, 0), bar);
  EXPECT_EQ(At(*separatorBitmap, 25, 4), bar);
  EXPECT_EQ(At(*separatorBitmap, 26, 2), White);
  EXPECT_EQ(At(*separatorBitmap, 29, 2), White);
  EXPECT_EQ(At(*separatorBitmap, 30, 2), 0x848284u);
  EXPECT_EQ(At(*separatorBitmap, 97, 2), 0x848284u);
  EXPECT_EQ(At(*separatorBitmap, 98, 2), White);
  EXPECT_EQ(At(*separatorBitmap, 50, 1), White);

  // Selected: the selection colours; disabled and selected: drawn unselected with grey text.
  const auto selectedBitmap = Drawn(*open, 100, 21, true);
  EXPECT_EQ(At(*selectedBitmap, 50, 0), plat::ColorToColorRef(menu->SelectedBorderColor()));
  EXPECT_EQ(At(*selectedBitmap, 50, 1), plat::ColorToColorRef(menu->SelectedColor()));
  open->SetEnabled(false);
  const auto disabledBitmap = Drawn(*open, 100, 21, true);
  EXPECT_EQ(At(*disabledBitmap, 5, 10), bar);
  EXPECT_EQ(At(*disabledBitmap, 90, 10), White);
  EXPECT_TRUE(HasColour(*disabledBitmap, Grey));
}

TEST_F(SkinnedMenus, MacOSItemsKeepTheirHeights) {
  auto* menu = new TskPopupMenu(FForm);
  menu->SetUIStyle(TskUIStyle::MacOS);
  menu->SetMenuItemHeight(40);
  menu->SetSeparatorHeight(30);
  plat::TMenuItem* item = AddItem(*menu, "Open");
  plat::TMenuItem* line = AddItem(*menu, "-");
  EXPECT_EQ(MeasuredHeight(*item), 20);
  EXPECT_EQ(MeasuredHeight(*line), 12);
  EXPECT_EQ(menu->SeparatorColor(), 0x000000);
}

TEST_F(SkinnedMenus, ChecksShowWithoutAnImageList) {
  auto* menu = new TskMainMenu(FForm);
  plat::TMenuItem* item = AddItem(*menu, "Bold");
  item->SetChecked(true);
  EXPECT_EQ(menu->Images(), nullptr);
  const auto checkedBitmap = Drawn(*item, 120, 21, false);
  plat::TBitmap mark;
  ASSERT_TRUE(LoadSkinPicture("MENU_CHECKED", mark));
  int marked = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if (At(mark, x, y) != White && At(*checkedBitmap, 4 + x, 3 + y) == At(mark, x, y)) ++marked;
  EXPECT_GT(marked, 0);
}

TEST_F(SkinnedMenus, RightToLeftReadingMirrorsBarSeparatorAndCaption) {
  auto* menu = new TskPopupMenu(FForm);
  plat::TMenuItem* open = AddItem(*menu, "Open");
  plat::TMenuItem* line = AddItem(*menu, "-");
  const COLORREF bar = plat::ColorToColorRef(menu->BarColor());
  const COLORREF separator = plat::ColorToColorRef(menu->SeparatorColor());
  FForm->SetBiDiMode(plat::TBiDiMode::bdRightToLeft);

  // Without the system's support the form's reading direction changes nothing.
  const auto unsupported = Drawn(*line, 100, 5, false);
  EXPECT_EQ(At(*unsupported, 0, 0), bar);

  const RightToLeftSystem rightToLeft;
  const auto separatorBitmap = Drawn(*line, 100, 5, false);
  struct Probe {
    int X, Y;
    COLORREF Colour;
  };
  // The side bar at the right edge; the line from 2 to the bar less 4.
  for (const Probe& p : {Probe{0, 0, White}, Probe{73, 4, White}, Probe{74, 0, bar}, Probe{99, 4, bar},
                         Probe{1, 2, White}, Probe{2, 2, separator}, Probe{69, 2, separator}, Probe{70, 2, White}})
    EXPECT_EQ(At(*separatorBitmap, p.X, p.Y), p.Colour) << p.X << "," << p.Y;

  // The caption ends 4 pixels before the bar, clear of where it starts left to right (30).
  const auto itemBitmap = Drawn(*open, 100, 21, false);
  int leftmostInk = 100, rightmostInk = -1;
  for (int y = 0; y < 21; ++y)
    for (int x = 0; x < 74; ++x)
      if (At(*itemBitmap, x, y) != White) {
        leftmostInk = std::min(leftmostInk, x);
        rightmostInk = std::max(rightmostInk, x);
      }
  EXPECT_GT(leftmostInk, 30);
  EXPECT_LT(rightmostInk, 70);
  EXPECT_GE(rightmostInk, 64);
}

TEST_F(SkinnedMenus, AFlatMenuFramesItsWindowOnTheScreen) {
  auto* menu = new TskPopupMenu(FForm);
  AddItem(*menu, "Open");
  AddItem(*menu, "Close");
  const auto framePixels = [&](bool Flat) {
    menu->SetFlatMenu(Flat);
    std::vector<COLORREF> pixels;
    Display().SetModalHook([&pixels](plat::HWND menuWindow) {
      plat::RECT r{};
      plat::GetWindowRect(menuWindow, &r);
      const plat::HDC screen = plat::GetDC(nullptr);
      for (const plat::POINT p : {plat::POINT{r.Left, r.Top + 5}, plat::POINT{r.Left + 5, r.Bottom - 1},
                                  plat::POINT{r.Right - 1, r.Top + 5}})
        pixels.push_back(plat::GetPixel(screen, p.X, p.Y));
      plat::ReleaseDC(nullptr, screen);
      plat::InjectKeyPress(plat::VK_ESCAPE);
    });
    menu->Popup(200, 150);
    plat::Application->ProcessMessages();
    Display().SetModalHook(nullptr);
    return pixels;
  };
  const COLORREF shadow = plat::ColorToColorRef(GetBuiltinColor(TskUIStyle::DeepBlue, element::FormBackgroundColor));
  // The border on the left, the shadow along the bottom and up the right.
  EXPECT_NE(framePixels(false), (std::vector<COLORREF>{0x000000, shadow, shadow}));
  EXPECT_EQ(framePixels(true), (std::vector<COLORREF>{0x000000, shadow, shadow}));
}

TEST_F(SkinnedMenus, AltSpaceOpensTheControlMenuBelowTheTitleBarAndCloseCloses) {
  FFrame->TitleBar()->Buttons()->Items(3)->SetVisible(false);  // no minimize button: its item is grey
  Pump();
  plat::TRect menuRect;
  std::unique_ptr<plat::Bitmap> picture;
  Display().SetModalHook([&](plat::HWND menuWindow) {
    plat::RECT rect{};
    plat::GetWindowRect(menuWindow, &rect);
    menuRect = rect;
    picture = plat::WindowPicture(menuWindow);
    plat::InjectKeyPress('C');  // "&Close"
  });
  plat::InjectKeyPress(plat::VK_SPACE, {plat::VK_MENU});
  plat::Application->ProcessMessages();
  Display().SetModalHook(nullptr);
  ASSERT_TRUE(picture);
  KeepPicture(*picture, "control-menu");
  EXPECT_EQ(menuRect.TopLeft(), plat::TPoint(FForm->Left(), FForm->Top() + FFrame->TitleBar()->Height()));
  EXPECT_FALSE(FForm->Visible());

  // Side bar, items of 21 and a separator of 5 with its line, the first item grey.
  const auto at = [&picture](int X, int Y) { return plat::ColorRefFromPixel(picture->At(X, Y)); };
  const COLORREF bar = plat::ColorToColorRef(GetBuiltinColor(TskUIStyle::DeepBlue, element::MenuBarColor));
  int top = 0;
  while (top < picture->Height() && at(10, top) != bar) ++top;
  int left = 0;
  while (left < picture->Width() && at(left, top + 5) != bar) ++left;
  EXPECT_EQ(at(left + 25, top + 5), bar);
  EXPECT_EQ(at(left + 26, top + 5), White);
  const int separatorLine = top + 21 * 2 + 2;
  EXPECT_EQ(at(left + 26 + 4, separatorLine), 0x848284u);
  EXPECT_EQ(at(left + 26 + 4, separatorLine - 1), White);
  EXPECT_EQ(at(left + 26 + 4, separatorLine + 1), White);
  bool greyText = false;
  for (int y = top; y < top + 21; ++y)
    for (int x = left + 26; x < picture->Width() - 4; ++x) greyText = greyText || at(x, y) == Grey;
  EXPECT_TRUE(greyText);
}

TEST_F(SkinnedMenus, OnlyTheActiveFormsFrameAnswersAltSpace) {
  auto* other = new plat::TForm(plat::Application);
  other->SetBounds(500, 300, 200, 150);
  auto* otherFrame = new TskForm(other);
  other->Show();
  Pump();
  std::vector<plat::TRect> opened;
  Display().SetModalHook([&opened](plat::HWND menuWindow) {
    plat::RECT rect{};
    plat::GetWindowRect(menuWindow, &rect);
    opened.push_back(rect);
    plat::InjectKeyPress(plat::VK_ESCAPE);
  });
  plat::InjectKeyPress(plat::VK_SPACE, {plat::VK_MENU});
  plat::Application->ProcessMessages();
  Display().SetModalHook(nullptr);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].TopLeft(), plat::TPoint(500, 300 + otherFrame->TitleBar()->Height()));
}

TEST_F(SkinnedMenus, TheMainMenuBecomesTheFramesBar) {
  auto* menu = new TskMainMenu(FForm);
  AddItem(*menu, "&File");
  plat::TMenuItem* edit = AddItem(*menu, "&Edit");
  edit->SetEnabled(false);
  Pump();
  EXPECT_EQ(FFrame->Menu(), menu);
  EXPECT_EQ(FForm->Menu(), nullptr);
  ASSERT_NE(FFrame->MenuBar(), nullptr);
  ASSERT_EQ(FFrame->MenuBar()->ButtonCount(), 2);
  EXPECT_EQ(FFrame->MenuBar()->Buttons(0)->Caption(), "&File");
  EXPECT_FALSE(FFrame->MenuBar()->Buttons(1)->Enabled());
  EXPECT_EQ(FFrame->MenuBar()->Top(), FFrame->TitleBar()->Height());
  Screenshot("frame-menubar");
  delete menu;
  EXPECT_EQ(FFrame->Menu(), nullptr);
  EXPECT_EQ(FFrame->MenuBar(), nullptr);

  // A menu that outlives its frame forgets it.
  auto* kept = new TskMainMenu(FForm);
  EXPECT_EQ(kept->Frame(), FFrame);
  delete FFrame;
  EXPECT_EQ(kept->Frame(), nullptr);
  AddItem(*kept, "&View");  // a change reaches no frame
}

TEST_F(SkinnedMenus, TheActiveFormsFrameTakesTheMenusShortcuts) {
  auto* menu = new TskMainMenu(FForm);
  plat::TMenuItem* file = AddItem(*menu, "&File");
  auto* open = new plat::TMenuItem(menu);
  open->SetCaption("&Open");
  open->SetShortCut(plat::scCtrl | 'O');
  int opened = 0;
  open->OnClick = [&opened](plat::TObject*) { ++opened; };
  file->Add(open);
  Pump();
  plat::InjectKeyPress('O', {plat::VK_CONTROL});
  plat::Application->ProcessMessages();
  EXPECT_EQ(opened, 1);

  // Another form active: its keys are not this menu's.
  auto* other = new plat::TForm(plat::Application);
  other->SetBounds(500, 300, 200, 150);
  new TskForm(other);
  other->Show();
  Pump();
  plat::InjectKeyPress('O', {plat::VK_CONTROL});
  plat::Application->ProcessMessages();
  EXPECT_EQ(opened, 1);
}

}  // namespace
}  // namespace skintest
