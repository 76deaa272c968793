#pragma once
// The class library's font: name, size (points at 96 DPI) or height
// (pixels: negative for the character height, positive for the cell), style,
// colour, character set and pitch, realised as an HFONT on demand. A setter
// given the current value does nothing; any other change fires OnChange
// before the old handle goes. A handle given through SetHandle becomes the
// font's own, and its description (escapement included) the font's.
#include "platform/gdi/Colors.h"
#include "platform/gdi/FontTypes.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/GraphicsObject.h"
#include "platform/rtl/Set.h"

namespace plat {

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum class TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = Byte;

class TFont : public TGraphicsObject {
 public:
  static constexpr int PixelsPerInch = 96;

  TFont();
  ~TFont() override;
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  String Name() const;
  void SetName(const String& value);  // an empty name is ignored
  int Size() const;
  void SetSize(int value);
  int Height() const { return FLogFont.lfHeight; }
  void SetHeight(int value);
  TFontStyles Style() const;
  void SetStyle(TFontStyles value);
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  TFontCharset Charset() const { return FLogFont.lfCharSet; }
  void SetCharset(TFontCharset value);
  TFontPitch Pitch() const;
  void SetPitch(TFontPitch value);

  HFONT Handle();
  void SetHandle(HFONT value);
  void Assign(const TFont& source);

 private:
  void Change(const LOGFONTW& font);
  void FreeHandle();

  LOGFONTW FLogFont;
  TColor FColor = clWindowText;
  HFONT FHandle = nullptr;
};

}  // namespace plat
