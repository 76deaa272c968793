#include "skin/SkThemes.h"

#include <gtest/gtest.h>

#include "platform/gdi/TBitmap.h"
#include "platform/os/Resources.h"

namespace zorbit {
namespace {

using plat::TBitmap;
constexpr TskUIStyle MacOS = TskUIStyle::MacOS, WinXP = TskUIStyle::WinXP, DeepBlue = TskUIStyle::DeepBlue,
                     Protein = TskUIStyle::Protein, BlueGlass = TskUIStyle::BlueGlass;
constexpr TskUIStyle AllStyles[] = {MacOS, WinXP, DeepBlue, Protein, BlueGlass};

TskUIStyle StyleByte(int value) { return static_cast<TskUIStyle>(value); }

TEST(SkThemes, ValuesOfEachKindComeFromTheStylesColumn) {
  struct Case {
    TskUIStyle Style;
    TskThemeElement Element;
    TskElementKind Kind;
    int Value;
  };
  const Case cases[] = {
      {MacOS, element::ButtonTransparentBool, TskElementKind::Flag, 1},
      {WinXP, element::ButtonTransparentBool, TskElementKind::Flag, 0},
      {BlueGlass, element::TitleBarButtonRightOffsetInt, TskElementKind::Integer, -3},
      {BlueGlass, element::FormMinWidthInt, TskElementKind::Integer, 270},
      {WinXP, element::FormBorderColor, TskElementKind::Color, 0xC82C00},
      {WinXP, element::ControlFontColor, TskElementKind::Color, 0xCF4602},
      {Protein, element::MenuMenuBarColor, TskElementKind::Color, 0xFBFBFB},
      {DeepBlue, element::FormBottomRoundCornerInt, TskElementKind::Integer, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ThemeElementName(c.Element));
    const TskBuiltinValue v = GetBuiltinThemeValue(c.Style, c.Element);
    EXPECT_EQ(v.Kind, c.Kind);
    EXPECT_EQ(v.Value, c.Value);
  }
  EXPECT_TRUE(GetBuiltinBool(Protein, element::TitleBarButtonTransparentBool));
  EXPECT_EQ(GetBuiltinColor(MacOS, element::MenuSelectedBorderColor), 0xC47339);
  EXPECT_EQ(GetBuiltinInt(WinXP, element::FormRoundCornerInt), 13);
}

TEST(SkThemes, PictureNamesFollowThePrefixRule) {
  struct Case {
    TskUIStyle Style;
    TskThemeElement Element;
    const char* Name;
  };
  const Case cases[] = {
      {WinXP, element::ButtonImage, "WINXP_BUTTON"},
      {DeepBlue, element::SideChannelHandleImage, "DEEPBLUE_SIDECHENNEL_HANDLE"},
      {BlueGlass, element::ScrollBarSliderImage, "BLUEGLASS_SCROLLBAR_TRACK"},
      {MacOS, element::ScrollButtonImage, "MACOS_SCROLLBUTTON"},
      {WinXP, element::ScrollButtonImage, "WINXP_SCROLLBUTTON"},
      {DeepBlue, element::ScrollButtonImage, "MORE_SCROLLBUTTON"},
      {Protein, element::ScrollButtonImage, "MORE_SCROLLBUTTON"},
      {BlueGlass, element::ScrollButtonImage, "MORE_SCROLLBUTTON"},
      {Protein, element::TitleBarMinimizedImage, ""},
      {MacOS, element::FormBottomBorderImage, ""},
  };
  for (const Case& c : cases) {
    const TskBuiltinValue v = GetBuiltinThemeValue(c.Style, c.Element);
    EXPECT_EQ(v.Kind, TskElementKind::Bitmap);
    EXPECT_EQ(v.BitmapName, c.Name);
  }
}

TEST(SkThemes, TheStyleByteIsMaskedAndUnknownStylesOrElementsAnswerMinusOne) {
  for (TskThemeElement e = FirstThemeElement; e <= LastThemeElement; ++e) {
    const TskBuiltinValue high = GetBuiltinThemeValue(StyleByte(129), e);
    const TskBuiltinValue mac = GetBuiltinThemeValue(MacOS, e);
    EXPECT_EQ(high.Kind, mac.Kind);
    EXPECT_EQ(high.Value, mac.Value);
    EXPECT_EQ(high.BitmapName, mac.BitmapName);
  }
  struct Case {
    TskUIStyle Style;
    TskThemeElement Element;
  };
  for (Case c :
       {Case{StyleByte(0), element::FormMinWidthInt}, Case{StyleByte(6), element::FormMinWidthInt},
        Case{StyleByte(128), element::FormBackgroundColor}, Case{MacOS, 0}, Case{MacOS, 49}, Case{DeepBlue, -5}}) {
    const TskBuiltinValue v = GetBuiltinThemeValue(c.Style, c.Element);
    EXPECT_EQ(v.Kind, TskElementKind::Integer);
    EXPECT_EQ(v.Value, -1);
    EXPECT_EQ(GetBuiltinInt(c.Style, c.Element), -1);
    EXPECT_EQ(GetBuiltinColor(c.Style, c.Element), 0);
    EXPECT_FALSE(GetBuiltinBool(c.Style, c.Element));
  }
}

TEST(SkThemes, TypedGettersAnswerOnlyForTheirOwnKind) {
  EXPECT_EQ(GetBuiltinInt(MacOS, element::FormBackgroundColor), -1);
  EXPECT_EQ(GetBuiltinColor(MacOS, element::FormMinWidthInt), 0);
  EXPECT_EQ(GetBuiltinColor(MacOS, element::ButtonImage), 0);
  EXPECT_FALSE(GetBuiltinBool(MacOS, element::FormBorderWidthInt));
  EXPECT_EQ(GetBuiltinInt(MacOS, element::ButtonTransparentBool), -1);
}

// Sizes the controls' drawing assumes, per style.
struct PictureSize {
  TskThemeElement Element;
  int Frames;
  int Width[5];
  int Height[5];
};
const PictureSize GeometryTable[] = {
    {element::ButtonImage, 3, {252, 54, 222, 222, 231}, {23, 21, 21, 21, 27}},
    {element::CheckBoxImage, 4, {60, 52, 52, 52, 52}, {17, 13, 13, 13, 13}},
    {element::TitleBarButtonImage, 18, {306, 378, 342, 342, 342}, {17, 21, 19, 19, 19}},
    {element::TitleBarLeftImage, 1, {48, 35, 97, 441, 162}, {23, 29, 32, 23, 33}},
    {element::TitleBarClientImage, 1, {49, 37, 98, 1, 179}, {23, 29, 32, 23, 33}},
    {element::TitleBarRightImage, 1, {48, 35, 97, 1, 101}, {23, 29, 32, 23, 33}},
    {element::TrackBarBarImage, 3, {45, 45, 45, 45, 45}, {5, 8, 4, 4, 4}},
    {element::TrackBarSliderImage, 1, {11, 11, 11, 11, 11}, {20, 21, 20, 20, 20}},
    {element::TrackBarSliderVImage, 1, {19, 22, 18, 18, 18}, {11, 11, 11, 11, 11}},
    {element::ScrollBarButtonImage, 6, {96, 96, 96, 96, 102}, {22, 17, 16, 16, 16}},
    {element::ScrollBarSliderImage, 3, {33, 21, 21, 21, 21}, {16, 16, 16, 16, 16}},
};

TEST(SkThemes, EveryPictureOfEveryStyleLoadsAtItsTableSize) {
  for (const PictureSize& row : GeometryTable)
    for (int s = 0; s < 5; ++s) {
      SCOPED_TRACE(GetBuiltinThemeValue(AllStyles[s], row.Element).BitmapName);
      TBitmap picture;
      GetBuiltinBitmap(AllStyles[s], row.Element, &picture);
      EXPECT_EQ(picture.Width(), row.Width[s]);
      EXPECT_EQ(picture.Height(), row.Height[s]);
      EXPECT_EQ(picture.Width() % row.Frames, 0);
    }
  // The rest have no fixed size but must exist for every style.
  for (TskUIStyle style : AllStyles)
    for (TskThemeElement e = FirstThemeElement; e <= LastThemeElement; ++e) {
      const TskBuiltinValue v = GetBuiltinThemeValue(style, e);
      if (v.Kind != TskElementKind::Bitmap || v.BitmapName.empty()) continue;
      SCOPED_TRACE(v.BitmapName);
      TBitmap picture;
      GetBuiltinBitmap(style, e, &picture);
      EXPECT_FALSE(picture.Empty());
    }
  for (const char* name :
       {"MACOS_MENU_BAR", "MACOS_MENU_SELECT", "MACOS_FORM_BACKGROUND", "PROTEIN_FORM_BACKGROUND", "MENU_CHECKED"}) {
    TBitmap picture;
    EXPECT_TRUE(LoadSkinPicture(name, picture)) << name;
  }
  EXPECT_NE(plat::FindResource(nullptr, "MAINICON", plat::RT_GROUP_ICON), nullptr);
}

TEST(SkThemes, BitmapGettersLeaveTheBitmapAloneWhenThereIsNoPicture) {
  TBitmap kept;
  kept.SetSize(7, 5);
  GetBuiltinBitmap(MacOS, element::FormMinWidthInt, &kept);         // not a bitmap
  GetBuiltinBitmap(MacOS, element::TitleBarMinimizedImage, &kept);  // no picture
  GetBuiltinBitmap(StyleByte(0), element::ButtonImage, &kept);      // no style
  GetBuiltinBitmap(MacOS, 49, &kept);                               // no element
  GetBuiltinBitmapFrame(MacOS, element::FormLeftBorderImage, &kept, 3, 1);
  EXPECT_EQ(kept.Width(), 7);
  EXPECT_EQ(kept.Height(), 5);
  EXPECT_FALSE(LoadSkinPicture("NO_SUCH_PICTURE", kept));
  EXPECT_EQ(kept.Width(), 7);
  GetBuiltinBitmap(MacOS, element::ButtonImage, nullptr);  // nothing to load into
}

// A picture is decoded and a frame cut once; each load hands out a copy, so
// drawing on one leaves the next load as the program's resource has it.
TEST(SkThemes, EachLoadOfAPictureIsACopyOfTheResource) {
  TBitmap first;
  ASSERT_TRUE(LoadSkinPicture("WINXP_BUTTON", first));
  const plat::TColor original = first.Canvas()->Pixels(0, 0);
  first.Canvas()->SetPixels(0, 0, original ^ 0xFFFFFF);
  TBitmap second;
  ASSERT_TRUE(LoadSkinPicture("WINXP_BUTTON", second));
  EXPECT_EQ(second.Canvas()->Pixels(0, 0), original);
  EXPECT_EQ(second.Width(), first.Width());
  EXPECT_EQ(second.PixelFormat(), first.PixelFormat());

  TBitmap frame;
  GetBuiltinBitmapFrame(WinXP, element::ButtonImage, &frame, 3, 2);
  const plat::TColor middle = frame.Canvas()->Pixels(0, 0);
  EXPECT_EQ(middle, second.Canvas()->Pixels(frame.Width(), 0));
  frame.Canvas()->SetPixels(0, 0, middle ^ 0xFFFFFF);
  TBitmap again;
  GetBuiltinBitmapFrame(WinXP, element::ButtonImage, &again, 3, 2);
  EXPECT_EQ(again.Canvas()->Pixels(0, 0), middle);
  EXPECT_EQ(again.Width(), frame.Width());
}

TEST(SkThemes, FramesAreCutAndACountBelowOneTakesTheWholePicture) {
  TBitmap frame;
  GetBuiltinBitmapFrame(WinXP, element::TitleBarButtonImage, &frame, 18, 16);
  EXPECT_EQ(frame.Width(), 21);
  EXPECT_EQ(frame.Height(), 21);
  TBitmap whole;
  GetBuiltinBitmapFrame(WinXP, element::ButtonImage, &whole, 0, 1);
  EXPECT_EQ(whole.Width(), 54);
  GetBuiltinBitmapFrame(WinXP, element::ButtonImage, &whole, -2, 1);
  EXPECT_EQ(whole.Width(), 54);
}

}  // namespace
}  // namespace zorbit
