#pragma once
// The five built-in styles: every theme element's value for MacOS, WinXP,
// DeepBlue, Protein and BlueGlass, and the getters the skinned controls read
// them with when no skin file is used. Bitmap elements name a picture
// embedded in the program (drawn by tools/skinart); the rest are numbers.
//
// Promises: the style byte is masked with $7F, so 129 reads as MacOS; any
// other style (FromThemeFile, 6 and above) answers kind integer and value
// -1, and so does an element number outside 1..48. The typed getters answer
// the value only when the element is of their kind: otherwise -1 (integers),
// 0 (colours) or False (flags). The bitmap getters change the given bitmap
// only when a picture was loaded: an element that is not a bitmap, an empty
// name, or a name without a picture leaves it as it was. A frame count
// below 1 means the whole picture.
#include "platform/gdi/Colors.h"
#include "platform/rtl/Types.h"
#include "skin/ThemeElements.h"

namespace plat {
class TBitmap;
}

namespace zorbit {

// One element's built-in value: a number (integers, colours, flags 0 or 1)
// or, for a bitmap, the picture's resource name (empty for none).
struct TskBuiltinValue {
  TskElementKind Kind = TskElementKind::Integer;
  int Value = -1;
  plat::String BitmapName;
};

TskBuiltinValue GetBuiltinThemeValue(TskUIStyle Style, TskThemeElement Element);

bool GetBuiltinBool(TskUIStyle Style, TskThemeElement Element);
plat::TColor GetBuiltinColor(TskUIStyle Style, TskThemeElement Element);
int GetBuiltinInt(TskUIStyle Style, TskThemeElement Element);

// Loads the element's picture into Bitmap (nothing when Bitmap is null).
void GetBuiltinBitmap(TskUIStyle Style, TskThemeElement Element, plat::TBitmap* Bitmap);
// Puts frame Index of Count of the element's picture into Bitmap (FrameCut);
// each frame is cut once and copied from then on.
void GetBuiltinBitmapFrame(TskUIStyle Style, TskThemeElement Element, plat::TBitmap* Bitmap, int Count, int Index);

// Loads the program's bitmap resource Name into Bitmap; false, with Bitmap
// unchanged, when there is no such picture. Each picture is decoded once
// and copied from then on. The frame, the menus and the
// tests load the fixed-name pictures ("MACOS_MENU_BAR") through it.
bool LoadSkinPicture(const plat::String& Name, plat::TBitmap& Bitmap);

}  // namespace zorbit
