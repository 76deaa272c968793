#pragma once
// The runtime's built-in texts (message-box buttons, error messages, the
// formatted error texts) pass through the string table's section "General"
// as they are loaded, keyed by their English text, so that a language pack
// translates them with plain INI lines. Installed at unit start, before any
// window exists, for the whole run.
#include "platform/rtl/Types.h"

namespace zorbit {

// The translation of a runtime text; the text itself when the table has
// none (or there is no table yet). An empty text stays empty.
plat::String TranslateResourceText(const plat::String& Text);

// Unit start: makes the translation service and routes every runtime text
// through TranslateResourceText. Unit end: back to the English texts.
void InitializeGnuGettext();
void FinalizeGnuGettext();

}  // namespace zorbit
