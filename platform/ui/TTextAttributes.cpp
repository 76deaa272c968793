#include "platform/ui/TTextAttributes.h"

#include "platform/ui/TCustomRichEdit.h"

namespace plat {

TTextAttributes::TTextAttributes(TCustomRichEdit* RichEdit, TAttributeType AttributeType)
    : FRichEdit(RichEdit), FType(AttributeType) {}

TCharFormat TTextAttributes::Format() const { return FRichEdit->CharFormat(FType); }

template <typename Change>
void TTextAttributes::Modify(Change change) {
  FRichEdit->ChangeCharFormat(FType, change);
}

String TTextAttributes::Name() const { return Format().Name; }
void TTextAttributes::SetName(const String& Value) {
  if (!Value.empty()) Modify([&](TCharFormat& f) { f.Name = Value; });
}

int TTextAttributes::Size() const { return Format().Size; }
void TTextAttributes::SetSize(int Value) {
  if (Value > 0) Modify([&](TCharFormat& f) { f.Size = Value; });
}

TFontStyles TTextAttributes::Style() const {
  const TCharFormat f = Format();
  TFontStyles style;
  if (f.Bold) style.Include(TFontStyle::fsBold);
  if (f.Italic) style.Include(TFontStyle::fsItalic);
  if (f.Underline) style.Include(TFontStyle::fsUnderline);
  return style;
}

void TTextAttributes::SetStyle(TFontStyles Value) {
  Modify([&](TCharFormat& f) {
    f.Bold = Value.Contains(TFontStyle::fsBold);
    f.Italic = Value.Contains(TFontStyle::fsItalic);
    f.Underline = Value.Contains(TFontStyle::fsUnderline);
  });
}

TColor TTextAttributes::Color() const { return Format().Color; }
void TTextAttributes::SetColor(TColor Value) {
  Modify([&](TCharFormat& f) { f.Color = Value == clDefault ? clWindowText : Value; });
}

void TTextAttributes::Assign(const TPersistent* Source) {
  const auto* other = dynamic_cast<const TTextAttributes*>(Source);
  if (!other) {
    TPersistent::Assign(Source);
    return;
  }
  const TCharFormat format = other->Format();
  Modify([&](TCharFormat& f) { f = format; });
}

void TTextAttributes::AssignFont(const TFont& Source) {
  const TFontStyles style = Source.Style();
  Modify([&](TCharFormat& f) {
    f.Name = Source.Name();
    f.Size = Source.Size() > 0 ? Source.Size() : f.Size;
    f.Bold = style.Contains(TFontStyle::fsBold);
    f.Italic = style.Contains(TFontStyle::fsItalic);
    f.Underline = style.Contains(TFontStyle::fsUnderline);
    f.Color = Source.Color() == clDefault ? clWindowText : Source.Color();
  });
}

void TTextAttributes::AssignToFont(TFont& Dest) const {
  const TCharFormat f = Format();
  Dest.SetName(f.Name);
  Dest.SetSize(f.Size);
  Dest.SetStyle(Style());
  Dest.SetColor(f.Color);
}

}  // namespace plat
