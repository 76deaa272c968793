// The skinned edit on a real form: its thin border in BorderColor outside
// and Color inside, in every built-in style and from a skin file, and the
// style it starts with and falls back to.
#include "skin/SkEdit.h"

#include <gtest/gtest.h>

#include "platform/win/InputInjection.h"
#include "skin/SkMgr.h"
#include "skin/SkThemes.h"
#include "skin/tests/ControlForm.h"
#include "skin/tests/TestFrame.h"

namespace skintest {
namespace {

using namespace zorbit;

constexpr TskUIStyle kStyles[] = {TskUIStyle::MacOS, TskUIStyle::WinXP, TskUIStyle::DeepBlue, TskUIStyle::Protein,
                                  TskUIStyle::BlueGlass};

class SkinEdit : public ControlForm {
 protected:
  // Both border rings of a 120 x 24 edit, read around its window.
  static void ExpectBorder(TskEdit* Edit, plat::TColor Outer, plat::TColor Inner) {
    for (const plat::TPoint p : {plat::TPoint{0, 0}, {60, 0}, {119, 12}, {60, 23}, {0, 12}, {119, 23}}) {
      EXPECT_EQ(PixelAt(Edit, p), static_cast<plat::COLORREF>(Outer)) << p.X << "," << p.Y;
    }
    for (const plat::TPoint p : {plat::TPoint{1, 1}, {60, 1}, {118, 12}, {60, 22}, {1, 12}, {118, 22}}) {
      EXPECT_EQ(PixelAt(Edit, p), static_cast<plat::COLORREF>(Inner)) << p.X << "," << p.Y;
    }
  }
};

TEST_F(SkinEdit, TheBorderShowsBorderColorOutsideAndColorInsideInEveryStyle) {
  for (const TskUIStyle style : kStyles) {
    auto* edit = Add<TskEdit>(10, 10, 120, 24);
    edit->SetUIStyle(style);
    edit->SetColor(plat::RGB(250, 240, 200));
    ShowForm();
    const plat::TColor border = GetBuiltinColor(style, element::ControlBorderColor);
    EXPECT_EQ(edit->BorderColor(), border);
    ExpectBorder(edit, border, plat::RGB(250, 240, 200));
    delete edit;
  }
}

TEST_F(SkinEdit, TheBorderStaysWhileTheUserTypes) {
  auto* edit = Add<TskEdit>(10, 10, 120, 24);
  edit->SetBorderColor(plat::clRed);
  edit->SetColor(plat::clWhite);
  ShowForm();
  edit->SetFocus();
  plat::InjectText("Quilmo");
  Pump();
  EXPECT_EQ(edit->Text(), "Quilmo");
  ExpectBorder(edit, plat::clRed, plat::clWhite);
  // The text itself sits inside the 2-pixel border.
  bool inked = false;
  for (int x = 2; x < 60; ++x) inked = inked || PixelAt(edit, {x, 12}) != static_cast<plat::COLORREF>(plat::clWhite);
  EXPECT_TRUE(inked);
}

TEST_F(SkinEdit, StartsWithTheOwnerFormsFrameStyle) {
  auto* frame = new TskForm(FForm);
  frame->SetParent(FForm);
  frame->SetUIStyle(TskUIStyle::MacOS);
  auto* edit = new TskEdit(FForm);
  EXPECT_EQ(edit->UIStyle(), TskUIStyle::MacOS);
  EXPECT_EQ(edit->BorderColor(), GetBuiltinColor(TskUIStyle::MacOS, element::ControlBorderColor));
  EXPECT_EQ(TskEdit(nullptr).UIStyle(), TskUIStyle::DeepBlue);
}

TEST_F(SkinEdit, TakesItsBorderFromAFileThemeAndForgetsADeletedOne) {
  TskFileTheme* theme = ThemeWith({{"ControlBorderColor", plat::RGB(1, 2, 3)}});
  auto* edit = Add<TskEdit>(10, 10, 120, 24);
  int styleChanges = 0;
  struct TCountingEdit : TskEdit {
    using TskEdit::TskEdit;
    int* Count = nullptr;
    void StyleChanged() override { ++*Count; }
  };
  auto* counting = Add<TCountingEdit>(10, 50, 120, 24);
  counting->Count = &styleChanges;
  for (TskEdit* e : {edit, static_cast<TskEdit*>(counting)}) {
    e->SetUIStyle(TskUIStyle::FromThemeFile);
    e->SetFileTheme(theme);
  }
  EXPECT_EQ(styleChanges, 2);
  edit->SetColor(plat::clWhite);
  ShowForm();
  ExpectBorder(edit, plat::RGB(1, 2, 3), plat::clWhite);

  delete theme;
  EXPECT_EQ(edit->FileTheme(), nullptr);
  EXPECT_EQ(edit->UIStyle(), TskUIStyle::DeepBlue);
  EXPECT_EQ(edit->BorderColor(), GetBuiltinColor(TskUIStyle::DeepBlue, element::ControlBorderColor));
  EXPECT_EQ(styleChanges, 3);
}

TEST_F(SkinEdit, FromThemeFileWithoutALoadedThemeReadsDeepBlue) {
  auto* edit = Add<TskEdit>(10, 10, 120, 24);
  edit->SetUIStyle(TskUIStyle::FromThemeFile);
  EXPECT_EQ(edit->BorderColor(), GetBuiltinColor(TskUIStyle::DeepBlue, element::ControlBorderColor));
}

}  // namespace
}  // namespace skintest
