#include "skin/detail/CaptionFit.h"

#include "platform/gdi/TCanvas.h"

namespace zorbit {

namespace {

// Drops the last code point of a UTF-8 text (never half of one).
void DropLastCodePoint(plat::String& Text) {
  while (!Text.empty() && (static_cast<unsigned char>(Text.back()) & 0xC0) == 0x80) Text.pop_back();
  if (!Text.empty()) Text.pop_back();
}

}  // namespace

plat::String FitCaption(plat::TCanvas& Canvas, plat::String Caption, int Room) {
  if (Caption.empty() || Canvas.TextWidth(Caption) <= Room) return Caption;
  while (!Caption.empty() && Canvas.TextWidth(Caption + "...") > Room) DropLastCodePoint(Caption);
  return Caption + "...";
}

}  // namespace zorbit
