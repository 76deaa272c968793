// The skinned list box on a real form: its border and its own item drawing.
#include "skin/SkListBox.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/TCanvas.h"
#include "platform/ui/FontMeasure.h"
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
