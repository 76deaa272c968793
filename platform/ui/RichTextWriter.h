#pragma once
// Writes a rich text as a rich-text (RTF) document that RichTextReader.h
// reads back to the same characters and formats: a font table of the fonts
// used, a colour table of the colours other than the automatic one
// (clWindowText), then the runs, each preceded by the control words that
// change the format; CR LF becomes \par, tabs \tab, characters outside
// ASCII \uN with a "?" fallback, and "\", "{" and "}" are escaped.
#include "platform/ui/RichText.h"

namespace plat {

String WriteRichText(const TRichText& Text);

}  // namespace plat
