#include "grid/THTMLPictureCache.h"

namespace zorbit {

THTMLPicture* THTMLPictureCache::AddPicture() { return FPictures.emplace_back(std::make_unique<THTMLPicture>()).get(); }

THTMLPicture* THTMLPictureCache::FindPicture(const plat::String& Source) const {
  for (const auto& picture : FPictures)
    if (picture->ID() == Source) return picture.get();
  return nullptr;
}

}  // namespace zorbit
