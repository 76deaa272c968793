#pragma once
// Where a frame, title bar or menu reads one style's values: the file theme
// when UsingFileTheme says so, else the built-in style it resolves to. One
// object per style change, so the choice is made once and every read
// follows it.
#include "platform/gdi/Colors.h"
#include "skin/ThemeElements.h"

namespace plat {
class TBitmap;
}

namespace zorbit {

class TskFileTheme;

class TskThemeSource {
 public:
  TskThemeSource(const TskFileTheme* Theme, TskUIStyle Style);

  bool FromFile() const { return FFromFile; }
  // The built-in style read when not FromFile (DeepBlue for FromThemeFile).
  TskUIStyle Style() const { return FStyle; }
  const TskFileTheme* Theme() const { return FFromFile ? FTheme : nullptr; }

  int Int(TskThemeElement Element) const;
  plat::TColor Color(TskThemeElement Element) const;
  bool Bool(TskThemeElement Element) const;
  // Bitmap unchanged when the source has no such picture.
  void Bitmap(TskThemeElement Element, plat::TBitmap& Bitmap) const;
  void BitmapFrame(TskThemeElement Element, plat::TBitmap& Bitmap, int Count, int Index) const;

 private:
  const TskFileTheme* FTheme;
  TskUIStyle FStyle;
  bool FFromFile;
};

}  // namespace zorbit
