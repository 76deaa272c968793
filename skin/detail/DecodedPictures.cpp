#include "skin/detail/DecodedPictures.h"

#include <string>

namespace zorbit {

plat::String FrameKey(const plat::String& Picture, int Count, int Index) {
  return Picture + "/" + std::to_string(Count) + "/" + std::to_string(Index);
}

bool TDecodedPictures::Load(const plat::String& Name, plat::TBitmap& Bitmap,
                            const std::function<bool(plat::TBitmap&)>& Decode) {
  auto kept = FPictures.find(Name);
  if (kept == FPictures.end()) {
    plat::TBitmap decoded;
    TPicture picture;
    picture.Found = Decode(decoded);
    if (picture.Found) {
      const plat::Bitmap* image = decoded.Image();
      if (image) picture.Image = std::make_unique<plat::Bitmap>(*image);
      picture.Format = decoded.PixelFormat();
    }
    kept = FPictures.emplace(Name, std::move(picture)).first;
  }
  const TPicture& picture = kept->second;
  if (!picture.Found) return false;
  if (picture.Image) {
    Bitmap.SetImage(std::make_unique<plat::Bitmap>(*picture.Image), picture.Format);
  } else {
    Bitmap.SetImage(nullptr, Bitmap.PixelFormat());  // as loading an empty picture keeps the format
  }
  return true;
}

}  // namespace zorbit
