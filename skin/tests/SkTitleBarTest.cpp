// The title bar on a skinned frame, driven by injected input: the button
// frames under the mouse, actions only on a release over the pressed
// button, dragging, double clicks, the caption cut before the buttons, the
// control menu and the refusals.
#include <gtest/gtest.h>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/SysLocale.h"
#include "platform/ui/TForm.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowText.h"
#include "platform/win/Windows.h"
#include "skin/SkThemes.h"
#include "skin/SkinGeometry.h"
#include "skin/detail/CaptionFit.h"
#include "skin/tests/FrameFixture.h"

namespace skintest {
namespace {

using namespace zorbit;
using plat::COLORREF;

constexpr int ControlBox = 0, Close = 1, Max = 2, Min = 3;  // the default buttons' order

class TitleBar : public FrameTest {
 protected:
  TskTitleBar* Bar() const { return FFrame->TitleBar(); }
  plat::TPoint ButtonCentre(int Index) const {
    const plat::TRect rect = Bar()->ButtonRect(Index);
    return Bar()->ClientToScreen({(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2});
  }
  // Whether the button's place on the bar shows Picture exactly (the rows
  // above the bar, where the button stands out of it, left out).
  bool Shows(int Index, plat::TPicture& Picture) const {
    const plat::TRect rect = Bar()->ButtonRect(Index);
    plat::TBitmap* bitmap = Picture.Bitmap();
    for (int y = std::max(-rect.Top, 0); y < rect.Height(); ++y)
      for (int x = 0; x < rect.Width(); ++x)
        if (PixelAt(Bar(), {rect.Left + x, rect.Top + y}) != plat::ColorToColorRef(bitmap->Canvas()->Pixels(x, y)))
          return false;
    return true;
  }
  // The frame of the style's button strip.
  static std::unique_ptr<plat::TBitmap> StripFrame(int Index) {
    auto frame = std::make_unique<plat::TBitmap>();
    GetBuiltinBitmapFrame(TskUIStyle::DeepBlue, element::TitleBarButtonImage, frame.get(), 18, Index);
    return frame;
  }
};

TEST_F(TitleBar, ButtonsShowTheirNormalHoverAndPressedFrames) {
  TskTitleBarButton* close = Bar()->Buttons()->Items(Close);
  plat::InjectMouseMove(WindowPointOnScreen(FForm->Width() / 2, FForm->Height() - 10));
  Pump();
  EXPECT_TRUE(Shows(Close, *close->PicNormal()));
  plat::InjectMouseMove(ButtonCentre(Close));
  Pump();
  EXPECT_TRUE(Shows(Close, *close->PicMouseOn()));
  plat::InjectMouseDown(ButtonCentre(Close));
  Pump();
  Screenshot("titlebar-close-pressed");
  EXPECT_TRUE(Shows(Close, *close->PicMouseDown()));
  EXPECT_FALSE(Shows(Close, *close->PicNormal()));
  // Released elsewhere: nothing happens.
  plat::InjectMouseMove(ButtonCentre(Max));
  plat::InjectMouseUp(ButtonCentre(Max));
  Pump();
  EXPECT_TRUE(FForm->Visible());
  EXPECT_EQ(FForm->WindowState(), plat::TWindowState::wsNormal);

  // The pictures are the style's frames 16 to 18.
  EXPECT_EQ(close->PicNormal()->Width(), StripFrame(16)->Width());
  plat::InjectClick(ButtonCentre(Close));
  Pump();
  EXPECT_FALSE(FForm->Visible());
}

TEST_F(TitleBar, MinimizeAndMaximizeButtonsAct) {
  plat::InjectClick(ButtonCentre(Max));
  Pump();
  EXPECT_EQ(FForm->WindowState(), plat::TWindowState::wsMaximized);
  // The maximize button shows the restore frames.
  const auto restore = StripFrame(10);
  TskTitleBarButton* max = Bar()->Buttons()->Items(Max);
  for (int x = 0; x < restore->Width(); ++x)
    EXPECT_EQ(max->PicNormal()->Bitmap()->Canvas()->Pixels(x, restore->Height() / 2),
              restore->Canvas()->Pixels(x, restore->Height() / 2));
  Screenshot("titlebar-maximized");
  plat::InjectClick(ButtonCentre(Max));
  Pump();
  EXPECT_EQ(FForm->WindowState(), plat::TWindowState::wsNormal);
  plat::InjectClick(ButtonCentre(Min));
  Pump();
  EXPECT_EQ(FForm->WindowState(), plat::TWindowState::wsMinimized);
}

TEST_F(TitleBar, DraggingTheBarMovesTheWindowUnlessMaximized) {
  const plat::TRect before = FForm->BoundsRect();
  plat::InjectDrag(TitleBarPoint(100, 10), TitleBarPoint(150, 40));
  Pump();
  EXPECT_EQ(FForm->BoundsRect(), before.Translated(50, 30));

  FForm->SetWindowState(plat::TWindowState::wsMaximized);
  Pump();
  const plat::TRect maximized = FForm->BoundsRect();
  plat::InjectDrag(TitleBarPoint(100, 10), TitleBarPoint(150, 40));
  Pump();
  EXPECT_EQ(FForm->BoundsRect(), maximized);
}

TEST_F(TitleBar, ADoubleClickMaximizesAndRestores) {
  plat::InjectDoubleClick(TitleBarPoint(100, 10));
  Pump();
  EXPECT_EQ(FForm->WindowState(), plat::TWindowState::wsMaximized);
  Clock().Advance(1000);
  plat::InjectDoubleClick(TitleBarPoint(100, 10));
  Pump();
  EXPECT_EQ(FForm->WindowState(), plat::TWindowState::wsNormal);
  EXPECT_EQ(FForm->BoundsRect(), plat::TRect(100, 80, 420, 280));
}

TEST_F(TitleBar, ALongCaptionEndsInDotsClearOfTheButtons) {
  FFrame->SetCaption(plat::String(60, 'W'));
  Pump();
  Screenshot("titlebar-long-caption");
  // The caption's white ends before the leftmost right-hand button.
  int leftmost = Bar()->Width();
  for (int i : {Close, Max, Min}) leftmost = std::min(leftmost, Bar()->ButtonRect(i).Left);
  const int top = Bar()->ButtonTop();
  int captionEnd = 0;
  for (int y = top; y < top + Bar()->ButtonPictureHeight(); ++y)
    for (int x = Bar()->ButtonRect(ControlBox).Right; x < leftmost; ++x)
      if (PixelAt(Bar(), {x, y}) == 0xFFFFFF) captionEnd = std::max(captionEnd, x);
  EXPECT_GT(captionEnd, 0);
  EXPECT_LT(captionEnd, leftmost);
}

TEST_F(TitleBar, ABarNarrowerThanItsEndsDrawsNoMiddle) {
  // A bar of its own on a plain form, with one-colour pictures.
  auto* form = new plat::TForm(plat::Application);
  form->SetBounds(50, 50, 200, 100);
  auto* bar = new TskTitleBar(form);
  bar->SetParent(form);
  bar->SetCustom(true);
  bar->SetBounds(0, 0, 60, 20);
  const auto picture = [](COLORREF Colour) {
    auto bitmap = std::make_unique<plat::TBitmap>();
    bitmap->SetSize(40, 20);
    bitmap->Canvas()->Brush()->SetColor(Colour);
    bitmap->Canvas()->FillRect({0, 0, 40, 20});
    return bitmap;
  };
  const COLORREF colours[] = {0xFF0000, 0x00FF00, 0x0000FF};  // left, right, middle
  bar->Sections()->Clear();
  for (COLORREF colour : colours) bar->Sections()->Add()->Picture()->SetGraphic(picture(colour).get());
  bar->Buttons()->Clear();
  form->Show();
  Pump();
  for (int x = 0; x < 60; ++x) EXPECT_NE(PixelAt(bar, {x, 10}), 0x0000FFu) << x;
  EXPECT_EQ(PixelAt(bar, {5, 10}), 0xFF0000u);
  EXPECT_EQ(PixelAt(bar, {55, 10}), 0x00FF00u);
  // Wide enough, the middle fills the gap.
  bar->SetWidth(100);
  Pump();
  EXPECT_EQ(PixelAt(bar, {50, 10}), 0x0000FFu);
}

TEST(CaptionFit, CutsWholeCharactersAndEndsInDots) {
  plat::TBitmap bitmap;
  bitmap.SetSize(10, 10);
  plat::TCanvas& canvas = *bitmap.Canvas();
  const int wide = canvas.TextWidth("WWWW...");
  EXPECT_EQ(FitCaption(canvas, "Short", 1000), "Short");
  EXPECT_EQ(FitCaption(canvas, "WWWWWWWWWW", wide), "WWWW...");
  EXPECT_EQ(FitCaption(canvas, "WWWWWWWWWW", 0), "...");  // stops at an empty text
  EXPECT_EQ(FitCaption(canvas, "", -5), "");
  // "Ü" takes two bytes: never half of it.
  const plat::String umlauts = "\xC3\x9C\xC3\x9C\xC3\x9C\xC3\x9C\xC3\x9C\xC3\x9C";
  const plat::String cut = FitCaption(canvas, umlauts, canvas.TextWidth("\xC3\x9C\xC3\x9C..."));
  EXPECT_EQ(cut, "\xC3\x9C\xC3\x9C...");
}

TEST_F(TitleBar, SecondControlBoxOrClientSectionIsRefused) {
  TskTitleBarButton* button = Bar()->Buttons()->Add();
  TskTitleBarSection* section = Bar()->Sections()->Add();
  const auto texts = MessagesDuring(Display(), [&] {
    button->SetButtonType(TskTitleBarBtnType::skControlBox);
    section->SetAlign(TskTitleBarAlign::skClient);
  });
  EXPECT_EQ(button->ButtonType(), TskTitleBarBtnType::skCustom);
  EXPECT_EQ(section->Align(), TskTitleBarAlign::skLeft);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], "Sorry, only one button's ButtonType property can be \"skControlBox\"");
  EXPECT_EQ(texts[1], "Sorry, only one section's Align property can be \"skClient\"");
}

TEST_F(TitleBar, CustomAndHelpButtonsReportTheirIndex) {
  TskTitleBarButton* help = Bar()->Buttons()->Add();
  help->SetButtonType(TskTitleBarBtnType::skHelp);
  std::vector<int> clicked;
  FFrame->SetOnTitleBarHelpBtnClick([&clicked](plat::TObject*, int Index) { clicked.push_back(Index); });
  Pump();
  plat::InjectClick(ButtonCentre(4));
  Pump();
  EXPECT_EQ(clicked, std::vector<int>{4});
}

}  // namespace
}  // namespace skintest
