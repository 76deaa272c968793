#pragma once
// The frame rule of multi-state pictures: a strip of Count frames of equal
// width side by side, frame Index (1-based) cut out whole-height.
//
// Frame width is the strip's width div Count; the result gets that width and
// the strip's height and receives the source from x = width * (Index - 1) to
// width * Index. A Count below 1 means the whole picture. An empty strip, or
// an Index whose frame lies outside the strip, gives an empty result.
namespace plat {
class TBitmap;
}

namespace zorbit {

void FrameCut(plat::TBitmap& Source, plat::TBitmap& Result, int Count, int Index);

}  // namespace zorbit
