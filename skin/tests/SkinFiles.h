#pragma once
// Skin files for the skin tests: pictures as bitmap file images, a
// well-formed file with every kind of entry, and the reader's error asked
// of hostile files.
#include <string>
#include <vector>

#include "platform/gdi/Colors.h"
#include "tools/skinwriter/SkinFileWriter.h"

namespace skintest {

// A bitmap file image of Colors.size() frames of Width x Height, frame i
// filled with Colors[i] (00BBGGRR).
std::string StripPicture(int Width, int Height, const std::vector<plat::COLORREF>& Colors);

// ButtonImage (3 frames: red, green, blue, 4 x 2 each), FormMinWidthInt 140,
// FormBackgroundColor $E7E7E7, ButtonTransparentBool 1, and the text
// Author=Zorbit.
zorbit::skinwriter::TSkinFileWriter AllKindsSkin();

}  // namespace skintest
