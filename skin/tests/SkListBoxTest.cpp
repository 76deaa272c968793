// The skinned list box on a real form: its border, its own item drawing,
// and the skinned scroll bar that follows the list's own one and scrolls it.
#include "skin/SkListBox.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/TCanvas.h"
#include "platform/ui/FontMeasure.h"
#include "platform/ui/TypInfo.h"
#include "platform/win/InputInjection.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/VirtualKeys.h"
#include "skin/SkImagePanel.h"
#include "skin/SkMgr.h"
#include "skin/SkScrollBar.h"
#include "skin/SkThemes.h"
#include "skin/tests/ControlForm.h"

namespace skintest {
namespace {

using namespace zorbit;
using plat::COLORREF;

COLORREF C(plat::TColor Color) { return static_cast<COLORREF>(Color); }

// A list of 16-pixel items, 100 high: six items fit whole.
class SkinListBox : public ControlForm {
 protected:
  void SetUp() override {
    ControlForm::SetUp();
    FList = Add<TskListBox>(20, 20, 150, 100);
    FList->SetItemHeight(16);
    FList->SetColor(plat::clWhite);
    FList->Font()->SetColor(plat::clBlack);
    FBar = new TskScrollBar(FForm);
    FBar->SetParent(FForm);
  }
  void Fill(int Count) {
    for (int i = 0; i < Count; ++i) FList->Items()->Add("Item " + std::to_string(i));
  }
  // Whether any pixel of the item's text area has exactly Color.
  bool ItemHas(int Index, plat::TColor Color) {
    const plat::TRect r = FList->ItemRect(Index);
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left + 2; x < r.Left + 60; ++x)
        if (PixelAt(FList, {x, y}) == C(Color)) return true;
    return false;
  }

  TskListBox* FList = nullptr;
  TskScrollBar* FBar = nullptr;
};

TEST_F(SkinListBox, TheBorderShowsBorderColorOutsideAndColorInside) {
  FList->SetUIStyle(TskUIStyle::WinXP);
  ShowForm();
  const plat::TColor border = GetBuiltinColor(TskUIStyle::WinXP, element::ControlBorderColor);
  EXPECT_EQ(FList->BorderColor(), border);
  EXPECT_EQ(FList->Style(), plat::TListBoxStyle::lbOwnerDrawFixed);
  for (const plat::TPoint p : {plat::TPoint{0, 0}, {75, 0}, {149, 50}, {75, 99}, {0, 50}}) {
    EXPECT_EQ(PixelAt(FList, p), C(border)) << p.X << "," << p.Y;
  }
  for (const plat::TPoint p : {plat::TPoint{1, 1}, {75, 1}, {148, 50}, {75, 98}, {1, 50}}) {
    EXPECT_EQ(PixelAt(FList, p), C(plat::clWhite)) << p.X << "," << p.Y;
  }
}

TEST_F(SkinListBox, DrawsSelectedAndDisabledItemsInTheirColours) {
  Fill(3);
  FList->SetSelectedColor(plat::clNavy);
  FList->SetSelectedTextColor(plat::clYellow);
  FList->SetDisabledTextColor(plat::clRed);
  FList->SetItemIndex(1);
  ShowForm();
  const plat::TRect selected = FList->ItemRect(1);
  EXPECT_EQ(PixelAt(FList, {selected.Right - 5, selected.Top + 1}), C(plat::clNavy));
  EXPECT_TRUE(ItemHas(1, plat::clYellow));
  EXPECT_TRUE(ItemHas(0, plat::clBlack));
  EXPECT_FALSE(ItemHas(0, plat::clRed));

  FList->SetEnabled(false);
  Pump();
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(ItemHas(i, plat::clRed)) << i;
    EXPECT_FALSE(ItemHas(i, plat::clBlack)) << i;
  }
}

TEST_F(SkinListBox, AlignsTheTextTwoPixelsInFromItsSide) {
  Fill(1);
  FList->SetItemIndex(-1);
  ShowForm();
  const auto firstInk = [&] {
    const plat::TRect r = FList->ItemRect(0);
    for (int x = r.Left; x < r.Right; ++x)
      for (int y = r.Top; y < r.Bottom; ++y)
        if (PixelAt(FList, {x, y}) != C(plat::clWhite)) return x;
    return -1;
  };
  const int left = firstInk();
  EXPECT_GE(left, 4);  // border width 2, indent 2
  EXPECT_LE(left, 6);
  FList->SetAlignment(plat::TAlignment::taRightJustify);
  Pump();
  EXPECT_GT(firstInk(), 80);
}

TEST_F(SkinListBox, OnDrawItemDrawsAloneWithoutTextOrFocusRectangle) {
  Fill(2);
  FList->OnDrawItem = [this](plat::TWinControl*, int, plat::TRect Rect, plat::TOwnerDrawState) {
    FList->Canvas()->Brush()->SetColor(plat::clLime);
    FList->Canvas()->FillRect(Rect);
  };
  FList->SetItemIndex(0);
  ShowForm();
  FList->SetFocus();
  Pump();
  const plat::TRect r = FList->ItemRect(0);
  EXPECT_EQ(Row(FList, r.Top, r.Left, r.Right, plat::clLime), std::string(r.Width(), '#'));
  EXPECT_EQ(Row(FList, r.Top + 7, r.Left, r.Right, plat::clLime), std::string(r.Width(), '#'));
}

TEST_F(SkinListBox, TheBarShowsOnlyOnceTheListScrollsAndSitsInsideTheRightBorder) {
  FList->SetVScrollBar(FBar);
  Fill(5);
  ShowForm();
  EXPECT_EQ(FBar->Orientation(), TskProgressBarOrientation::skVertical);
  EXPECT_FALSE(FBar->Visible());
  EXPECT_FALSE(FBar->Enabled());
  Fill(3);
  Pump();
  EXPECT_TRUE(FBar->Visible());
  EXPECT_TRUE(FBar->Enabled());
  EXPECT_EQ(FBar->BoundsRect(), (plat::TRect{20 + 150 - FBar->Width() - 2, 21, 20 + 150 - 2, 20 + 100 - 1}));
  EXPECT_EQ(FBar->Max(), 2);  // eight items, six seen: the top item goes up to 2
  plat::SCROLLBARINFO info;
  ASSERT_TRUE(plat::GetScrollBarInfo(FList->Handle(), plat::OBJID_VSCROLL, &info));
  EXPECT_EQ(FBar->LineButton(), std::max(info.xyThumbBottom - info.xyThumbTop, 18));
  // The bar lies over the list, in front of it: its pixels show there.
  EXPECT_EQ(PixelAt(FList, {148 - FBar->Width() / 2, 50}), PixelAt(FBar, {FBar->Width() / 2, 29}));

  FList->SetBounds(30, 40, 120, 90);
  EXPECT_EQ(FBar->BoundsRect(), (plat::TRect{30 + 120 - FBar->Width() - 2, 41, 30 + 120 - 2, 40 + 90 - 1}));
  FList->Items()->Clear();
  EXPECT_FALSE(FBar->Visible());
}

TEST_F(SkinListBox, DraggingTheBarScrollsToTheSameTopItemAsTheListsOwnScrolling) {
  FList->SetVScrollBar(FBar);
  Fill(50);
  ShowForm();
  ASSERT_TRUE(FBar->Visible());
  EXPECT_EQ(FBar->Max(), 44);
  TskImagePanel* slider = FBar->Track()->Slider();
  const plat::TPoint grip = OnScreen(slider, {slider->Width() / 2, slider->Height() / 2});
  plat::InjectMouseDown(grip);
  Pump();
  plat::InjectMouseMove({grip.X, grip.Y + 25});
  Pump();
  plat::InjectMouseUp({grip.X, grip.Y + 25});
  Pump();
  const int position = FBar->Position();
  EXPECT_GT(position, 0);
  EXPECT_EQ(FList->TopIndex(), position);

  // The list's own scrolling to that position gives the same top item.
  auto* twin = Add<TskListBox>(200, 20, 150, 100);
  twin->SetItemHeight(16);
  for (int i = 0; i < 50; ++i) twin->Items()->Add("Item " + std::to_string(i));
  Pump();
  twin->Perform(plat::WM_VSCROLL, plat::MAKEWPARAM(plat::SB_THUMBPOSITION, position), 0);
  EXPECT_EQ(twin->TopIndex(), FList->TopIndex());

  // And the other way: the list scrolled by keys or the wheel moves the bar.
  FList->SetFocus();
  plat::InjectKeyPress(plat::VK_END);
  Pump();
  EXPECT_EQ(FBar->Position(), 44);
  plat::InjectWheel(OnScreen(FList, {40, 40}), 120);
  Pump();
  EXPECT_EQ(FBar->Position(), FList->TopIndex());
  EXPECT_LT(FBar->Position(), 44);
}

TEST_F(SkinListBox, ADisabledListGreysItemsAndDisablesItsBar) {
  FList->SetVScrollBar(FBar);
  FList->SetDisabledTextColor(plat::clRed);
  Fill(20);
  ShowForm();
  FList->SetEnabled(false);
  Pump();
  EXPECT_FALSE(FBar->Enabled());
  EXPECT_TRUE(FBar->Visible());
  EXPECT_TRUE(ItemHas(0, plat::clRed));
  FList->SetEnabled(true);
  EXPECT_TRUE(FBar->Enabled());
}

TEST_F(SkinListBox, ABarLetGoOfGetsItsDefaultsAndFollowsNoMore) {
  FList->SetVScrollBar(FBar);
  Fill(50);
  ShowForm();
  auto* other = new TskScrollBar(FForm);
  other->SetParent(FForm);
  FList->SetVScrollBar(other);
  EXPECT_FALSE(FBar->OnChange);
  EXPECT_EQ(FBar->LineButton(), 0);
  EXPECT_EQ(FBar->Max(), 100);
  EXPECT_TRUE(FBar->Enabled());
  EXPECT_TRUE(other->Visible());
  delete other;
  EXPECT_EQ(FList->VScrollBar(), nullptr);
  FList->SetTopIndex(3);  // nothing to follow, nothing broken
}

TEST_F(SkinListBox, PassesItsThemeAndResolvedStyleToTheBarAndHidesItWithItself) {
  FList->SetVScrollBar(FBar);
  Fill(50);
  ShowForm();
  FList->SetUIStyle(TskUIStyle::FromThemeFile);
  EXPECT_EQ(FBar->UIStyle(), TskUIStyle::DeepBlue);  // no theme loaded
  TskFileTheme* theme = ThemeWith({{"ControlBorderColor", plat::RGB(4, 5, 6)}});
  FList->SetFileTheme(theme);
  EXPECT_EQ(FBar->FileTheme(), theme);
  EXPECT_EQ(FBar->UIStyle(), TskUIStyle::FromThemeFile);
  EXPECT_EQ(FList->BorderColor(), plat::RGB(4, 5, 6));
  FList->SetUIStyle(TskUIStyle::MacOS);
  EXPECT_EQ(FBar->UIStyle(), TskUIStyle::MacOS);
  FList->SetVisible(false);
  EXPECT_FALSE(FBar->Visible());
  FList->SetVisible(true);
  EXPECT_TRUE(FBar->Visible());
}

TEST_F(SkinListBox, LayoutsNameTheBarAndTheColoursByTheirPublishedNames) {
  plat::SetObjectProp(*FList, "VScrollBar", FBar);
  EXPECT_EQ(FList->VScrollBar(), FBar);
  plat::SetOrdProp(*FList, "SelectedColor", plat::clRed);
  EXPECT_EQ(FList->SelectedColor(), plat::clRed);
  plat::SetOrdProp(*FBar, "LineButton", 20);
  EXPECT_EQ(FBar->LineButton(), 20);
}

TEST_F(SkinListBox, VariableItemsMeasureOneLineOfTheFont) {
  FList->SetStyle(plat::TListBoxStyle::lbOwnerDrawVariable);
  FList->Font()->SetSize(20);
  Fill(1);
  FList->OnMeasureItem = [](plat::TWinControl*, int, int& Height) { Height = 40; };
  Fill(1);
  const int line = plat::TFontMeasure(FList->Font()).TextHeight();
  EXPECT_GT(line, 16);
  EXPECT_EQ(FList->ItemRect(0).Height(), line);
  EXPECT_EQ(FList->ItemRect(1).Height(), 40);
}

}  // namespace
}  // namespace skintest
