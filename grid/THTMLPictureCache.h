#pragma once
// The pictures a renderer loaded from "RES://" and "FILE://" sources, kept
// between paints so that each source is read once. The cache owns them.
#include <memory>
#include <vector>

#include "grid/THTMLPicture.h"

namespace zorbit {

class THTMLPictureCache {
 public:
  // A new empty picture at the end.
  THTMLPicture* AddPicture();
  // The first picture whose source equals Source exactly (case-sensitive),
  // or null.
  THTMLPicture* FindPicture(const plat::String& Source) const;
  void ClearPictures() { FPictures.clear(); }
  int Count() const { return static_cast<int>(FPictures.size()); }
  THTMLPicture* Items(int Index) const { return FPictures.at(static_cast<std::size_t>(Index)).get(); }

 private:
  std::vector<std::unique_ptr<THTMLPicture>> FPictures;
};

}  // namespace zorbit
