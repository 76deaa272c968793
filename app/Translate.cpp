#include "app/Translate.h"

#include <cstdint>

#include "app/StringTable.h"
#include "grid/TMarkupLabel.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/LayoutClasses.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCustomCheckBox.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/ui/TImage.h"
#include "platform/ui/TSpeedButton.h"
#include "platform/ui/TWinControl.h"
#include "platform/ui/TypInfo.h"

namespace zorbit {

namespace {

using plat::String;
using plat::TControl;

constexpr std::intptr_t kTranslatedBit = 0x10000;
constexpr std::intptr_t kIdMask = 0xFFFF;

// What a class has translated.
enum class TTexts {
  CaptionThenHint,     // caption by tag, then the hint when shown
  Caption,             // caption by tag only
  CaptionThenAnyHint,  // caption by tag, then the hint whether shown or not
  ColumnHeaders,       // every column header, by its own text
  HtmlText,            // the whole HTML text by tag
  ImageHint,           // the hint when shown: by tag, or by its own text
};

struct TRule {
  // The class test includes subclasses. Classes of the libraries above this
  // one are tested by their registered name (IsA empty).
  bool (*IsA)(const TControl& Control);
  const char* RegisteredName;
  TTexts Texts;
};

template <typename T>
bool IsA(const TControl& Control) {
  return Control.InheritsFrom<T>();
}

// In order: the first rule whose class matches applies.
constexpr TRule kRules[] = {
    {IsA<plat::TLabel>, nullptr, TTexts::CaptionThenHint},
    {IsA<plat::TCheckBox>, nullptr, TTexts::CaptionThenHint},
    {nullptr, "TskCheckBox", TTexts::CaptionThenHint},
    {IsA<plat::TButton>, nullptr, TTexts::Caption},
    {nullptr, "TskButton", TTexts::Caption},
    {nullptr, "TskImageButton", TTexts::CaptionThenHint},
    {IsA<plat::TSpeedButton>, nullptr, TTexts::CaptionThenAnyHint},
    {nullptr, "TExtStringGrid", TTexts::ColumnHeaders},
    {IsA<TMarkupLabel>, nullptr, TTexts::HtmlText},
    {nullptr, "TImgBtn", TTexts::CaptionThenHint},
    {nullptr, "TskGroupBox", TTexts::CaptionThenHint},
    {IsA<plat::TImage>, nullptr, TTexts::ImageHint},
};

bool Matches(const TRule& Rule, const TControl& Control) {
  if (Rule.IsA) return Rule.IsA(Control);
  const plat::TLayoutClass* registered = plat::TLayoutClasses::Global().Find(Rule.RegisteredName);
  return registered && registered->IsInstance(Control);
}

class TTranslator {
 public:
  TTranslator(const TStringTable& Table, const String& Section) : FTable(Table), FSection(Section) {}

  void Walk(plat::TWinControl& Parent) const {
    for (int i = 0; i < Parent.ControlCount(); ++i) {
      TControl* control = Parent.Controls(i);
      for (const TRule& rule : kRules) {
        if (Matches(rule, *control)) {
          Apply(rule.Texts, *control);
          break;
        }
      }
      if (auto* windowed = dynamic_cast<plat::TWinControl*>(control)) Walk(*windowed);
    }
  }

 private:
  // An empty text stays empty: a control without a caption or hint never
  // takes whatever a table may hold under an empty key.
  String Lookup(const String& Key) const { return Key.empty() ? Key : FTable.Lookup(FSection, Key); }

  static bool Tagged(const TControl& Control) { return (Control.Tag() & kTranslatedBit) != 0; }

  // The translation of a tagged control's text: by its id, or by the text.
  String ByTag(const TControl& Control, const String& Text) const {
    const int id = static_cast<int>(Control.Tag() & kIdMask);
    return Lookup(id != 0 ? TagKey(id, FSection) : Text);
  }

  void Apply(TTexts Texts, TControl& Control) const {
    switch (Texts) {
      case TTexts::CaptionThenHint:
        CaptionByTag(Control);
        ShownHint(Control);
        break;
      case TTexts::Caption: CaptionByTag(Control); break;
      case TTexts::CaptionThenAnyHint:
        CaptionByTag(Control);
        if (Tagged(Control)) Control.SetHint(Lookup(Control.Hint()));
        break;
      case TTexts::ColumnHeaders:
        if (Tagged(Control)) Headers(Control);
        break;
      case TTexts::HtmlText:
        if (Tagged(Control)) HtmlText(static_cast<TMarkupLabel&>(Control));
        break;
      case TTexts::ImageHint: ImageHint(Control); break;
    }
  }

  void CaptionByTag(TControl& Control) const {
    if (!Tagged(Control)) return;
    plat::SetStrProp(Control, "Caption", ByTag(Control, plat::GetStrProp(Control, "Caption")));
  }

  void ShownHint(TControl& Control) const {
    if (Tagged(Control) && Control.ShowHint()) Control.SetHint(Lookup(Control.Hint()));
  }

  void Headers(TControl& Grid) const {
    if (!plat::IsReadableProp(Grid, "ColumnHeaders")) return;
    auto* headers = dynamic_cast<plat::TStrings*>(plat::GetObjectProp(Grid, "ColumnHeaders"));
    if (!headers) return;
    for (int i = 0; i < headers->Count(); ++i) headers->SetStrings(i, Lookup(headers->Strings(i)));
  }

  // The label joins its lines without separators when it shows them, so
  // that joined text is the key.
  void HtmlText(TMarkupLabel& Label) const {
    String text;
    for (int i = 0; i < Label.HTMLText()->Count(); ++i) text += Label.HTMLText()->Strings(i);
    plat::TStringList translated;
    translated.SetText(ByTag(Label, text));
    Label.SetHTMLText(&translated);
  }

  // A tagged image without an id is keyed by its hint, as any control
  // tagged without an id is keyed by its text (the id key "0" would put a
  // meaningless hint on it).
  void ImageHint(TControl& Image) const {
    if (!Image.ShowHint()) return;
    Image.SetHint(Tagged(Image) ? ByTag(Image, Image.Hint()) : Lookup(Image.Hint()));
  }

  const TStringTable& FTable;
  const String& FSection;
};

}  // namespace

void Translate(const plat::String& Section, plat::TWinControl* Parent) {
  const TStringTable* table = StringTable();
  if (!Parent || !table) return;
  TTranslator(*table, Section).Walk(*Parent);
}

plat::String TagKey(int Id, const plat::String& Section) {
  const TStringTable* table = StringTable();
  const bool hex = table && plat::StrToBoolDef(table->Lookup(Section, "HEX"), false);
  return hex ? plat::IntToHex(Id, 4) : plat::IntToStr(Id);
}

}  // namespace zorbit
