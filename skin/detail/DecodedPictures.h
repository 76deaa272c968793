#pragma once
// Decoded skin pictures kept by the name of what they depict, so that a
// control's paint copies its picture instead of decoding it again. A
// picture is kept as its decoder left it (pixels and pixel format) and
// copied into a bitmap the way loading it would put it there; a name whose
// decoder found no picture is remembered as such. A decoder that raises
// keeps nothing, so the next load tries again and raises again.
//
// Whoever owns a store drops it (Clear) when the source of its pictures
// changes; the program's own resources never do.
#include <functional>
#include <memory>
#include <unordered_map>

#include "platform/gdi/TBitmap.h"
#include "platform/rtl/Types.h"

namespace zorbit {

// The name a frame of a strip is kept under: frame Index of Count of Picture.
plat::String FrameKey(const plat::String& Picture, int Count, int Index);

class TDecodedPictures {
 public:
  // Loads Bitmap with the picture kept under Name, decoding it first (Decode
  // loads the bitmap it is given and answers whether there was a picture).
  // False, with Bitmap unchanged, when there is none.
  bool Load(const plat::String& Name, plat::TBitmap& Bitmap, const std::function<bool(plat::TBitmap&)>& Decode);
  void Clear() { FPictures.clear(); }
  // Names kept, with or without a picture.
  std::size_t Count() const { return FPictures.size(); }

 private:
  struct TPicture {
    bool Found = false;
    std::unique_ptr<plat::Bitmap> Image;  // null for an empty picture
    plat::TPixelFormat Format = plat::TPixelFormat::pfDevice;
  };
  std::unordered_map<plat::String, TPicture> FPictures;
};

}  // namespace zorbit
