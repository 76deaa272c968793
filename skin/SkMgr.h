#pragma once
// Skin files as themes: TskFileThemeMgr holds the reader of one parsed skin
// file and answers the 48 theme elements from it; TskFileTheme is the
// component a window carries (published ThemeFile) that finds, checks and
// loads the file and makes the window's skinned controls take it up.
//
// Look-ups by element: an element number outside 1..48 answers -1 (pictures
// stay unchanged, flags False). Otherwise, without a loaded file integers
// and colours read 0 and flags False; an absent entry reads -1 (False for a
// flag) and leaves a picture unchanged, and so does a picture entry that
// does not decode as a bitmap.
//
// Pictures and their frames are cut once per loaded file and copied from
// then on.
//
// Loading never half-succeeds: a file is parsed into a new reader that
// replaces the current one only when the parse succeeded; a failure leaves
// the previous theme in force and then raises (EReadError and the runtime's
// other stream errors, as the reader says).
#include <memory>

#include "platform/gdi/Colors.h"
#include "platform/rtl/Types.h"
#include "platform/ui/TComponent.h"
#include "skin/ThemeElements.h"
#include "skin/detail/DecodedPictures.h"

namespace plat {
class TBitmap;
}

namespace zorbit {

class TskThemeFileReader;

class TskFileThemeMgr {
 public:
  TskFileThemeMgr();
  ~TskFileThemeMgr();
  TskFileThemeMgr(const TskFileThemeMgr&) = delete;
  TskFileThemeMgr& operator=(const TskFileThemeMgr&) = delete;

  // False, and nothing changed, when the file does not exist; otherwise
  // parses it and, once parsed, lets it replace the current file: True.
  bool Load(const plat::String& FileName);
  bool Loaded() const { return static_cast<bool>(FReader); }

  void GetBitmap(TskThemeElement Element, plat::TBitmap& Bitmap) const;
  // Frame Index of Count of the element's picture (FrameCut), empty without one.
  void GetBitmapFrame(TskThemeElement Element, plat::TBitmap& Bitmap, int Count, int Index) const;
  bool GetBool(TskThemeElement Element) const;
  plat::TColor GetColor(TskThemeElement Element) const;
  int GetInt(TskThemeElement Element) const;

 private:
  std::unique_ptr<TskThemeFileReader> FReader;
  // The reader's pictures as decoded, dropped with the reader.
  mutable TDecodedPictures FPictures;
};

class TskFileTheme : public plat::TComponent {
 public:
  explicit TskFileTheme(plat::TComponent* AOwner);
  ~TskFileTheme() override;

  const plat::String& ThemeFile() const { return FThemeFile; }
  // An equal value (compared with case) does nothing. Otherwise the file is
  // looked for as given, then by its name in the program's folder, the
  // Windows folder and the system folder; found nowhere, nothing changes.
  // A found file whose magic is wrong raises Exception "Invalid skin file
  // for Veneer!" and changes nothing; one that fails to parse raises the reader's error and changes
  // nothing. Loaded, ThemeFile becomes the path found, CanUse True, and the
  // owner form's skinned components that refer to this theme take it again.
  void SetThemeFile(const plat::String& Value);
  // Re-reads the current file (it may have changed on disk) and makes the
  // owner form's skinned components take the theme again, as a new
  // ThemeFile does. Nothing without a file or when it has gone.
  void Reapply();

  // True once a skin file has been loaded.
  bool CanUse() const { return FCanUse; }
  // How many files have been loaded so far (Reapply counts): a component
  // given the same theme again re-reads it only when this changed.
  int LoadCount() const { return FLoadCount; }
  // True when FileName can be opened and starts with the skin-file magic
  // (compared with case); never raises.
  static bool CheckThemeFile(const plat::String& FileName);

  void GetBitmap(TskThemeElement Element, plat::TBitmap& Bitmap) const;
  bool GetBool(TskThemeElement Element) const;
  plat::TColor GetColor(TskThemeElement Element) const;
  int GetInt(TskThemeElement Element) const;
  // Frame Index (1-based) of a strip of Count frames of the element's
  // picture, by the frame rule (FrameCut.h).
  void GetBitmapFrame(TskThemeElement Element, plat::TBitmap& Bitmap, int Count, int Index) const;

 private:
  // Loads Path (known to exist) and re-themes the owner form.
  void ApplyFile(const plat::String& Path);
  void RethemeOwnerForm(bool HadFile);

  plat::String FThemeFile;
  bool FCanUse = false;
  int FLoadCount = 0;
  std::unique_ptr<TskFileThemeMgr> FManager;
};

}  // namespace zorbit
