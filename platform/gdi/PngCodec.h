#pragma once
// PNG writing, for screenshots and reference pictures: 8-bit RGB, or RGBA
// with the bitmap's alpha byte when asked.
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/rtl/Streams.h"

namespace plat {

std::vector<Byte> WritePng(const Bitmap& image, bool withAlpha = false);
void WritePng(TStream& stream, const Bitmap& image, bool withAlpha = false);

}  // namespace plat
