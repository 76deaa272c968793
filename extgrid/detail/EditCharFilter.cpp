#include "extgrid/detail/EditCharFilter.h"

#include "grid/ExtUtilText.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StringUtils.h"
#include "platform/rtl/Unicode.h"

namespace zorbit::detail {

namespace {

constexpr char32_t kBackspace = 8;
constexpr char32_t kTab = 9;
constexpr char32_t kEnter = 13;
constexpr char32_t kEscape = 27;

bool IsSteeringKey(char32_t Key) { return Key == kBackspace || Key == kTab || Key == kEnter || Key == kEscape; }
bool IsDigit(char32_t Key) { return Key >= U'0' && Key <= U'9'; }
bool Holds(const plat::String& Text, char C) { return Text.find(C) != plat::String::npos; }

// A "-" goes only to the front of a text without one, unless the selection
// holds the one there is (typing over it).
bool MinusAllowed(const TCharContext& Context) {
  if (Holds(Context.SelText, '-')) return true;
  return Context.SelStart == 0 && !Holds(Context.Text, '-');
}

TCharVerdict FilterNumber(char32_t Key, const TCharContext& Context, bool AllowMinus, bool AllowDecimal) {
  if (IsSteeringKey(Key) || IsDigit(Key)) return TCharVerdict::cvAccept;
  if (Key == U'-' && AllowMinus) return MinusAllowed(Context) ? TCharVerdict::cvAccept : TCharVerdict::cvRefuse;
  if (!AllowDecimal) return TCharVerdict::cvRefuse;
  const plat::TFormatSettings& settings = plat::FormatSettings();
  if (Key == static_cast<unsigned char>(settings.ThousandSeparator)) return TCharVerdict::cvIgnore;
  if (Key == static_cast<unsigned char>(settings.DecimalSeparator)) {
    const bool free = !Holds(Context.Text, settings.DecimalSeparator) || Holds(Context.SelText, settings.DecimalSeparator);
    return free ? TCharVerdict::cvAccept : TCharVerdict::cvRefuse;
  }
  return Key == U',' || Key == U'.' ? TCharVerdict::cvAccept : TCharVerdict::cvRefuse;
}

}  // namespace

TCharVerdict FilterEditChar(TEditorType Type, char32_t& Key, const TCharContext& Context) {
  switch (Type) {
    case TEditorType::edNumeric:
    case TEditorType::edNumericEditBtn: return FilterNumber(Key, Context, true, false);
    case TEditorType::edPositiveNumeric: return FilterNumber(Key, Context, false, false);
    case TEditorType::edFloat:
    case TEditorType::edFloatEditBtn: return FilterNumber(Key, Context, true, true);
    case TEditorType::edCapital:
    case TEditorType::edUpperCase: Key = plat::UnicodeUpper(Key); return TCharVerdict::cvAccept;
    case TEditorType::edLowerCase: Key = plat::UnicodeLower(Key); return TCharVerdict::cvAccept;
    default: return TCharVerdict::cvAccept;
  }
}

bool PassesLengthLimit(char32_t Key, int MaxLength, int TextLength, int SelLength) {
  if (MaxLength <= 0 || TextLength < MaxLength || SelLength > 0) return true;
  return Key == kBackspace || Key == kEscape || Key == kEnter;
}

bool FilterPastedText(TEditorType Type, plat::String& Result) {
  switch (Type) {
    case TEditorType::edNumeric: return ClassifyNumberText(Result) == NumberTextInteger;
    case TEditorType::edPositiveNumeric:
      return ClassifyNumberText(Result) == NumberTextInteger && !Holds(Result, '-');
    case TEditorType::edFloat: return ClassifyNumberText(Result) != NumberTextNone;
    case TEditorType::edMixedCase: Result = CapitalizeWords(Result); return true;
    case TEditorType::edLowerCase: Result = plat::AnsiLowerCase(Result); return true;
    case TEditorType::edCapital:
    case TEditorType::edUpperCase: Result = plat::AnsiUpperCase(Result); return true;
    default: return true;
  }
}

}  // namespace zorbit::detail
