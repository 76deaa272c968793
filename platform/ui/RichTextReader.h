#pragma once
// Reads the rich-text (RTF) subset that grid cells and the rich edit hold:
// "{\rtf1 ...}" with a font table (\fonttbl), a colour table (\colortbl),
// and in the body \f (font), \fs (size in half points), \b, \i, \ul,
// \ulnone, \cf (colour), \plain, \par and \line (paragraph breaks, CR LF in
// the text), \tab, \'hh (a Windows-1252 byte), \uN (a UTF-16 unit; \ucN
// fallback characters skipped) and the escaped "\\", "\{", "\}". Unknown
// control words are passed over, as are groups marked "\*" and the
// destinations that hold no text (style sheet, document information,
// pictures, objects, headers and footers...). The final paragraph mark
// closes the document and is not part of the text.
//
// Input that is not such a document raises ERichTextError with what is
// wrong ("not a rich text", an unbalanced group, nesting deeper than
// MaxRichTextDepth, a number parameter too long, binary data beyond the
// end) and nothing is read; the reader never reads past the input, and its
// memory is bounded by the input's size.
#include "platform/rtl/Exception.h"
#include "platform/ui/RichText.h"

namespace plat {

class ERichTextError : public Exception {
  using Exception::Exception;
};

inline constexpr int MaxRichTextDepth = 100;

// Whether the text is meant as rich text: it begins "{\rtf".
bool IsRichText(const String& Text);

// The document's text and formats; characters without a font, size or
// colour of their own take those of Default.
TRichText ReadRichText(const String& Document, const TCharFormat& Default);

}  // namespace plat
