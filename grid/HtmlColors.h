#pragma once
// The colour and entity rules of the HTML mini-language.
//
// Colours: "#RRGGBB" (exactly six hexadecimal digits, any case) or one of
// the 40 names ("clRed", "clBtnFace"... compared without case; a name not
// in the list is black). Entities: the named characters of the mark-up,
// decoded in a single pass so that a decoded "&" never starts another
// entity; the characters above 7F are written in UTF-8.
#include "platform/gdi/Colors.h"
#include "platform/rtl/Types.h"

namespace zorbit {

// False (Color untouched) for a "#" value that is not six hexadecimal
// digits; a name always parses.
bool ParseHtmlColor(const plat::String& Value, plat::TColor& Color);

// "&amp;", "&quot;", "&sect;", "&permil;", "&reg;", "&copy;", "&para;",
// "&trade;" and "&euro;" in any case, in one pass; "&lt;", "&gt;" and
// "&nbsp;" are left for the runs of text (they must not make tags).
plat::String DecodeHtmlEntities(const plat::String& Text);

// "&lt;", "&gt;", "&amp;" and "&quot;" in any case, in one pass: what
// EscapeHtmlValue wrote, given back.
plat::String UnescapeHtmlValue(const plat::String& Text);
// "&" to "&amp;", a double quote to "&quot;", "<" to "&lt;", ">" to "&gt;".
plat::String EscapeHtmlValue(const plat::String& Text);

}  // namespace zorbit
