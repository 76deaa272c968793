#include "skin/SkThemes.h"

#include <array>

#include "platform/gdi/TBitmap.h"
#include "platform/os/Resources.h"
#include "skin/FrameCut.h"
#include "skin/detail/DecodedPictures.h"

namespace zorbit {
namespace {

constexpr int StyleCount = 5;

// Resource-name prefixes of the styles, in TskUIStyle order from MacOS.
constexpr std::array<const char*, StyleCount> StylePrefixes{"MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS"};

// One row of the table. Numbers hold the value of each style; a bitmap row
// names the part that follows the style prefix ("BUTTON" gives
// "WINXP_BUTTON"), no part meaning no picture, and may name one picture
// that the styles from SharedFrom on use instead.
struct Row {
  TskElementKind Kind;
  std::array<int, StyleCount> Values;
  const char* Part = nullptr;
  const char* Shared = nullptr;
  TskUIStyle SharedFrom = TskUIStyle::FromThemeFile;
};

constexpr Row Int(int m, int x, int d, int p, int b) { return {TskElementKind::Integer, {m, x, d, p, b}}; }
constexpr Row Color(int m, int x, int d, int p, int b) { return {TskElementKind::Color, {m, x, d, p, b}}; }
constexpr Row Flag(int m, int x, int d, int p, int b) { return {TskElementKind::Flag, {m, x, d, p, b}}; }
constexpr Row Picture(const char* part) { return {TskElementKind::Bitmap, {}, part}; }
constexpr Row NoPicture() { return {TskElementKind::Bitmap, {}, nullptr}; }

// Indexed by element number - 1; columns MacOS, WinXP, DeepBlue, Protein, BlueGlass.
constexpr std::array<Row, LastThemeElement> Table{{
    Picture("BUTTON"),                                        // 1 ButtonImage
    Flag(1, 0, 0, 0, 1),                                      // 2 ButtonTransparentBool
    Picture("CHECKBOX"),                                      // 3 CheckBoxImage
    Picture("RADIOBUTTON"),                                   // 4 RadioButtonImage
    Picture("TITLEBTN"),                                      // 5 TitleBarButtonImage
    Flag(0, 0, 0, 1, 1),                                      // 6 TitleBarButtonTransparentBool
    Int(3, 2, 0, 0, 4),                                       // 7 TitleBarButtonLeftOffsetInt
    Int(-2, -2, 0, 0, -3),                                    // 8 TitleBarButtonRightOffsetInt
    Int(4, 5, 2, 2, 6),                                       // 9 TitleBarButtonTopInt
    Picture("TITLE_LEFT"),                                    // 10 TitleBarLeftImage
    Picture("TITLE_CLIENT"),                                  // 11 TitleBarClientImage
    Picture("TITLE_RIGHT"),                                   // 12 TitleBarRightImage
    Int(130, 150, 130, 130, 270),                             // 13 FormMinWidthInt
    Int(0, 13, 0, 0, 11),                                     // 14 FormRoundCornerInt
    Color(0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),  // 15 FormBackgroundColor
    Color(0x7F7F7F, 0xC82C00, 0x000000, 0x000000, 0x000000),  // 16 FormBorderColor
    Int(1, 3, 1, 1, 1),                                       // 17 FormBorderWidthInt
    Color(0xC47339, 0xC66931, 0xA04A44, 0xC4302D, 0xEC5E5E),  // 18 MenuSelectedBorderColor
    Color(0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E),  // 19 MenuSelectedBackgroundColor
    Color(0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF),  // 20 MenuSelectedFontColor
    Color(0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7),  // 21 MenuBackgroundColor
    Color(0x000000, 0x000000, 0x000000, 0x000000, 0x000000),  // 22 MenuFontColor
    Color(0x000000, 0xCED3D6, 0xCED3D6, 0xCED3D6, 0xCED3D6),  // 23 MenuBarColor
    Picture("PROGRESSBAR"),                                   // 24 ProgressBarImage
    Color(0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000),  // 25 ControlBorderColor
    Color(0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),  // 26 ControlBackgroundColor
    Color(0x000000, 0xCF4602, 0x000000, 0x000000, 0x000000),  // 27 ControlFontColor
    Picture("TRACKBAR_BAR"),                                  // 28 TrackBarBarImage
    Picture("TRACKBAR_SLIDER"),                               // 29 TrackBarSliderImage
    Picture("TRACKBAR_SLIDER_V"),                             // 30 TrackBarSliderVImage
    Color(0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4),  // 31 ScrollBarBackgroundColor
    Picture("SCROLLBAR_BUTTON"),                              // 32 ScrollBarButtonImage
    Picture("SCROLLBAR_TRACK"),                               // 33 ScrollBarSliderImage
    Picture("CHECKLIST"),                                     // 34 CheckListBoxImage
    Color(0x474747, 0xC66931, 0x474747, 0x474747, 0x474747),  // 35 ToolBarButtonBorderColor
    Color(0xEFEFEF, 0xEFD3C6, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF),  // 36 ToolBarButtonBackgroundColor
    Color(0xD8D8D8, 0xE1AC93, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8),  // 37 ToolBarButtonDownBackgroundColor
    {TskElementKind::Bitmap, {}, "SCROLLBUTTON", "MORE_SCROLLBUTTON", TskUIStyle::DeepBlue},  // 38 ScrollButtonImage
    Picture("TAB"),                                                                           // 39 TabControlTabImage
    Picture("TAB_LINE"),                                                                      // 40 TabControlBarImage
    Picture("SIDECHENNEL_HANDLE"),                            // 41 SideChannelHandleImage
    Picture("SIDECHENNEL_BAR"),                               // 42 SideChannelBarImage
    NoPicture(),                                              // 43 TitleBarMinimizedImage
    Color(0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF),  // 44 TitleBarFontColor
    NoPicture(),                                              // 45 FormLeftBorderImage
    NoPicture(),                                              // 46 FormBottomBorderImage
    Int(0, 0, 0, 0, 0),                                       // 47 FormBottomRoundCornerInt
    Color(0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),  // 48 MenuMenuBarColor
}};

plat::String PictureName(const Row& row, int styleNumber) {
  if (!row.Part) return "";
  if (row.Shared && styleNumber >= static_cast<int>(row.SharedFrom)) return row.Shared;
  return plat::String(StylePrefixes[styleNumber - 1]) + "_" + row.Part;
}

}  // namespace

TskBuiltinValue GetBuiltinThemeValue(TskUIStyle Style, TskThemeElement Element) {
  const int styleNumber = static_cast<std::uint8_t>(Style) & 0x7F;
  if (styleNumber < 1 || styleNumber > StyleCount || Element < FirstThemeElement || Element > LastThemeElement)
    return {};
  const Row& row = Table[Element - 1];
  if (row.Kind == TskElementKind::Bitmap) return {row.Kind, 0, PictureName(row, styleNumber)};
  return {row.Kind, row.Values[styleNumber - 1], ""};
}

bool GetBuiltinBool(TskUIStyle Style, TskThemeElement Element) {
  const TskBuiltinValue v = GetBuiltinThemeValue(Style, Element);
  return v.Kind == TskElementKind::Flag && v.Value != 0;
}

plat::TColor GetBuiltinColor(TskUIStyle Style, TskThemeElement Element) {
  const TskBuiltinValue v = GetBuiltinThemeValue(Style, Element);
  return v.Kind == TskElementKind::Color ? v.Value : 0;
}

int GetBuiltinInt(TskUIStyle Style, TskThemeElement Element) {
  const TskBuiltinValue v = GetBuiltinThemeValue(Style, Element);
  return v.Kind == TskElementKind::Integer ? v.Value : -1;
}

bool LoadSkinPicture(const plat::String& Name, plat::TBitmap& Bitmap) {
  if (Name.empty()) return false;
  // The program's resources never change: each is decoded once.
  static TDecodedPictures decoded;
  return decoded.Load(Name, Bitmap, [&Name](plat::TBitmap& Picture) {
    if (!plat::FindResource(nullptr, Name, plat::RT_BITMAP)) return false;
    Picture.LoadFromResourceName(nullptr, Name);
    return true;
  });
}

void GetBuiltinBitmap(TskUIStyle Style, TskThemeElement Element, plat::TBitmap* Bitmap) {
  if (!Bitmap) return;
  const TskBuiltinValue v = GetBuiltinThemeValue(Style, Element);
  if (v.Kind == TskElementKind::Bitmap) LoadSkinPicture(v.BitmapName, *Bitmap);
}

void GetBuiltinBitmapFrame(TskUIStyle Style, TskThemeElement Element, plat::TBitmap* Bitmap, int Count, int Index) {
  if (!Bitmap) return;
  const TskBuiltinValue v = GetBuiltinThemeValue(Style, Element);
  if (v.Kind != TskElementKind::Bitmap || v.BitmapName.empty()) return;
  const auto cut = [&v, Count, Index](plat::TBitmap& Frame) {
    plat::TBitmap strip;
    if (!LoadSkinPicture(v.BitmapName, strip)) return false;
    FrameCut(strip, Frame, Count, Index);
    return true;
  };
  // A cut frame is kept for a bitmap it would come out the same in: one of
  // the device's format, and a frame, not the whole picture (which takes the
  // strip's transparency settings too).
  if (Count < 1 || Bitmap->PixelFormat() != plat::TPixelFormat::pfDevice) {
    cut(*Bitmap);
    return;
  }
  static TDecodedPictures frames;
  frames.Load(FrameKey(v.BitmapName, Count, Index), *Bitmap, cut);
}

}  // namespace zorbit
