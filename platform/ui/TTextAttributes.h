#pragma once
// The character format of a rich edit as the class library presents it:
// either the selection's (atSelected: reading gives the format of the
// selection's first character, or with no selection the format typing will
// use; writing formats the selection, or with no selection the text typed
// next at the caret) or the edit's default (atDefaultText: what text
// without a format of its own takes, such as text set as plain text).
#include "platform/gdi/TFont.h"
#include "platform/ui/RichText.h"
#include "platform/ui/TPersistent.h"

namespace plat {

class TCustomRichEdit;

enum class TAttributeType { atSelected, atDefaultText };

class TTextAttributes : public TPersistent {
 public:
  TTextAttributes(TCustomRichEdit* RichEdit, TAttributeType AttributeType);

  String Name() const;
  void SetName(const String& Value);
  // In points.
  int Size() const;
  void SetSize(int Value);
  // Bold, italic and underline; strike-out is not kept.
  TFontStyles Style() const;
  void SetStyle(TFontStyles Value);
  TColor Color() const;
  void SetColor(TColor Value);

  // From another TTextAttributes; a font is taken with AssignFont.
  void Assign(const TPersistent* Source) override;
  void AssignFont(const TFont& Source);
  // Into a font: name, size, style and colour.
  void AssignToFont(TFont& Dest) const;

 private:
  TCharFormat Format() const;
  template <typename Change>
  void Modify(Change change);

  TCustomRichEdit* FRichEdit;
  TAttributeType FType;
};

}  // namespace plat
