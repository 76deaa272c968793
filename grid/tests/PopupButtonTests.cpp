// TPopupButton: a disabled, bordered, topmost pop-up that saves the bits
// under it; its bevel, its gradient, and its caption drawn plainly or, with
// "</" in it, as HTML.
#include <gtest/gtest.h>

#include <string>

#include "grid/TPopupButton.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "testing/ReferencePicture.h"

namespace zorbit {
namespace {

class PopupButtonTest : public plat::testing::StdControlsTest {
 protected:
  TPopupButton* MakeButton(int Width, int Height) {
    auto* grid = Make<plat::TPanel>({10, 10, 210, 110});
    auto* button = new TPopupButton(grid);
    button->Font()->SetName("Arial");
    button->Font()->SetSize(9);
    const plat::TPoint at = OnScreen(grid, {20, 20});
    button->SetBounds(at.X, at.Y, Width, Height);
    plat::SetWindowPos(button->Handle(), nullptr, at.X, at.Y, Width, Height,
                       plat::SWP_NOZORDER | plat::SWP_NOACTIVATE | plat::SWP_SHOWWINDOW);
    Pump();
    return button;
  }
  void Repaint(TPopupButton* Button) {
    Button->Invalidate();
    Pump();
  }
  // The client area as the window's picture holds it (inside its
  // one-pixel border): w white, g 808080, f button face, r red, b blue,
  // # black, ? anything else; rows joined by "|".
  static std::string Ascii(TPopupButton* Button) {
    std::string out;
    ForEachPixel(Button, [&out](int x, int y, plat::COLORREF c) {
      if (y > 0 && x == 0) out += '|';
      const auto is = [c](plat::TColor color) { return c == plat::ColorToColorRef(color); };
      out += is(plat::clWhite)                         ? 'w'
             : is(static_cast<plat::TColor>(0x808080)) ? 'g'
             : is(plat::clBtnFace)                     ? 'f'
             : is(plat::clRed)                         ? 'r'
             : is(plat::clBlue)                        ? 'b'
             : is(plat::clBlack)                       ? '#'
                                                       : '?';
    });
    return out;
  }
  static int Count(TPopupButton* Button, plat::TColor Color) {
    int n = 0;
    ForEachPixel(Button, [&n, Color](int, int, plat::COLORREF c) { n += c == plat::ColorToColorRef(Color); });
    return n;
  }
  // Whether a column of the client area holds a pixel of Color.
  static bool ColumnHas(TPopupButton* Button, int Column, plat::TColor Color) {
    bool found = false;
    ForEachPixel(Button,
                 [&](int x, int, plat::COLORREF c) { found |= x == Column && c == plat::ColorToColorRef(Color); });
    return found;
  }
  template <typename F>
  static void ForEachPixel(TPopupButton* Button, F Visit) {
    const auto picture = plat::WindowPicture(Button->Handle());
    for (int y = 0; y < Button->ClientHeight(); ++y)
      for (int x = 0; x < Button->ClientWidth(); ++x)
        Visit(x, y, plat::ColorRefFromPixel(picture->Row(y + 1)[x + 1]) & 0xFFFFFF);
  }
};

TEST_F(PopupButtonTest, ADisabledBorderedTopmostPopup) {
  TPopupButton* button = MakeButton(40, 20);
  const plat::HWND window = button->Handle();
  const auto style = static_cast<plat::DWORD>(plat::GetWindowLong(window, plat::GWL_STYLE));
  EXPECT_EQ(style & ~plat::WS_VISIBLE, plat::WS_POPUP | plat::WS_DISABLED | plat::WS_BORDER);
  EXPECT_NE(plat::GetClassLongPtr(window, plat::GCL_STYLE) & plat::CS_SAVEBITS, 0u);
  EXPECT_NE(static_cast<plat::DWORD>(plat::GetWindowLong(window, plat::GWL_EXSTYLE)) & plat::WS_EX_TOPMOST, 0u);
  EXPECT_EQ(button->Color(), plat::clBtnFace);
  EXPECT_FALSE(button->Flat());
  EXPECT_EQ(button->GradFrom(), plat::clNone);
  EXPECT_EQ(button->GradTo(), plat::clNone);
  EXPECT_EQ(button->Images(), nullptr);
}

TEST_F(PopupButtonTest, BevelAndGradient) {
  struct Case {
    const char* Name;
    bool Flat;
    plat::TColor GradFrom;
    const char* Picture;
  };
  const Case cases[] = {
      {"raised", false, plat::clNone, "wwwwwwwg|wffffffg|wffffffg|wffffffg|gggggggg"},
      {"flat", true, plat::clNone, "ffffffff|ffffffff|ffffffff|ffffffff|ffffffff"},
      // 64 bands over five rows: none but the first is pure.
      {"flat gradient", true, plat::clRed, "rrrrrrrr|????????|????????|????????|????????"},
      {"raised gradient", false, plat::clRed, "wwwwwwwg|wrrrrrrg|w??????g|w??????g|gggggggg"},
  };
  for (const Case& c : cases) {
    // Two pixels of border around an 8 x 5 client area.
    TPopupButton* button = MakeButton(10, 7);
    button->SetFlat(c.Flat);
    button->SetGradFrom(c.GradFrom);
    button->SetGradTo(plat::clBlue);
    Repaint(button);
    EXPECT_EQ(Ascii(button), c.Picture) << c.Name;
    if (c.Flat && c.GradFrom != plat::clNone) {
      plat::COLORREF bottom = 0;
      ForEachPixel(button, [&bottom](int x, int y, plat::COLORREF p) {
        if (x == 0 && y == 4) bottom = p;
      });
      EXPECT_EQ(bottom, plat::RGB(52, 0, 203));  // row 4 of 5 lies in band 51 of 64
    }
  }
}

TEST_F(PopupButtonTest, PlainCaptionsAndHtmlCaptions) {
  TPopupButton* button = MakeButton(120, 24);
  button->SetFlat(true);
  // No "</": the mark-up shows as text, in the font's colour.
  button->SetCaption("a <font color=\"clRed\">b");
  Repaint(button);
  EXPECT_GT(Count(button, plat::clBlack), 20);
  EXPECT_EQ(Count(button, plat::clRed), 0);
  testing::KeepForInspection(*plat::WindowPicture(button->Handle()), "grid/popup-plain.png");
  // With "</" it is HTML: the tags are gone and the colour applies.
  button->SetCaption("a <font color=\"clRed\">b</font>");
  Repaint(button);
  EXPECT_GT(Count(button, plat::clRed), 5);
  testing::KeepForInspection(*plat::WindowPicture(button->Handle()), "grid/popup-html.png");
}

TEST_F(PopupButtonTest, ALongPlainCaptionEndsInAnEllipsis) {
  TPopupButton* button = MakeButton(60, 20);
  button->SetFlat(true);
  button->SetCaption("A caption far too long for the button");
  Repaint(button);
  testing::KeepForInspection(*plat::WindowPicture(button->Handle()), "grid/popup-ellipsis.png");
  // The text stops short of the right edge, and the left edge stays free.
  EXPECT_FALSE(ColumnHas(button, 0, plat::clBlack));
  EXPECT_FALSE(ColumnHas(button, button->ClientWidth() - 1, plat::clBlack));
  EXPECT_GT(Count(button, plat::clBlack), 20);
}

}  // namespace
}  // namespace zorbit
