#pragma once
// What skinwriter reads to make a skin file: a folder of pictures and a
// list of values, checked against the 48 theme elements.
//
// Pictures: every "<ElementName>.bmp" in the folder (the extension in any
// case) becomes a picture entry of that element, in name order; it must
// decode as a bitmap and name a picture element.
//
// Values, one per line (blank lines and lines starting with ";" or "#" are
// skipped; blanks around the name and the value are dropped):
//   FormMinWidthInt=130               integer, decimal           (integer entry)
//   FormBackgroundColor=$E7E7E7       colour as $BBGGRR (hex)    (integer entry)
//   ButtonTransparentBool=true        flag, true or false        (byte entry 1/0)
//   Author="Zorbit sample"            text, between the quotes   (text entry)
// Integers and flags must name an element of that kind (written in the
// element's own spelling); a text may have any name of 1 to 64 bytes.
//
// Every refusal raises std::runtime_error naming the file (and line).
#include <string>

#include "tools/skinwriter/SkinFileWriter.h"

namespace zorbit::skinwriter {

void AddPictureFolder(TSkinFileWriter& Writer, const std::string& Folder);
// Text is the content of the values file SourceName.
void AddValues(TSkinFileWriter& Writer, const std::string& Text, const std::string& SourceName);

}  // namespace zorbit::skinwriter
