#pragma once
// The character filter of the grid's text editors: what one typed character
// does to a text of a given editor type. Numbers take digits, a "-" only at
// the start and only once, floats one decimal separator (a thousand
// separator is dropped without a word); the case types turn the character's
// case. Control characters that steer the edit (Backspace, Tab, Enter, Esc)
// always pass. The separators are the process locale's.
#include "grid/BaseGridTypes.h"
#include "platform/rtl/Types.h"

namespace zorbit::detail {

enum class TCharVerdict {
  cvAccept,  // the (possibly changed) character goes into the text
  cvRefuse,  // the character is refused with a beep
  cvIgnore   // the character is dropped silently
};

// The text around the caret when the character comes: SelStart counts code
// points from 0; SelText is the selected text (empty without a selection).
struct TCharContext {
  const plat::String& Text;
  int SelStart = 0;
  const plat::String& SelText;
};

// Key may be changed (case types). Types that take any character accept.
TCharVerdict FilterEditChar(TEditorType Type, char32_t& Key, const TCharContext& Context);

// Whether a text of MaxLength code points (0: no limit) lets Key in: at the
// limit without a selection only Backspace, Esc and Enter pass.
bool PassesLengthLimit(char32_t Key, int MaxLength, int TextLength, int SelLength);

// What a pasted result must be for the type: numeric types a whole number
// (positive numeric one without "-"), float a whole or decimal number; the
// case types rewrite it. False refuses the paste.
bool FilterPastedText(TEditorType Type, plat::String& Result);

}  // namespace zorbit::detail
