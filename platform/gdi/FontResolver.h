#pragma once
// Which installed font file draws a logical font. Windows face names map to
// their metric-compatible stand-ins ("Arial" to Liberation Sans, "Tahoma" to
// the Windows-compatible Tahoma, ...), a style word in the name ("Arial Bold")
// adds that style, and a face that is not installed falls back by the pitch
// and family bits: fixed pitch or modern to "Courier New", roman to "Times New
// Roman", anything else to DejaVu Sans. A style the chosen file lacks is
// synthesised by the renderer.
#include <string>

#include "platform/rtl/Types.h"

namespace plat {

struct FontFile {
  std::string Path;
  int Index = 0;
  String Family;  // the installed family
  int Weight = 400;
  bool Italic = false;
  bool operator==(const FontFile&) const = default;
};

struct FontChoice {
  FontFile File;
  bool SyntheticBold = false;
  bool SyntheticItalic = false;
};

FontChoice ResolveFont(const String& faceName, int weight, bool italic, Byte pitchAndFamily);

// The face that supplies code points the chosen face lacks.
const FontFile& FallbackFontFile();

}  // namespace plat
