#pragma once
// The class library's picture: holds one graphic (bitmap, JPEG or icon),
// loads files by their extension and says when the graphic changes.
// Bitmap() and Icon() give the graphic as that kind, replacing another kind
// with an empty one.
#include <memory>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TGraphic.h"
#include "platform/gdi/TIcon.h"
#include "platform/rtl/Object.h"

namespace plat {

class TPicture : public TObject {
 public:
  TPicture() = default;
  ~TPicture() override;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  TGraphic* Graphic() const { return FGraphic.get(); }
  // A copy of value (null: none).
  void SetGraphic(const TGraphic* value);
  TBitmap* Bitmap();
  TIcon* Icon();
  int Width() const { return FGraphic ? FGraphic->Width() : 0; }
  int Height() const { return FGraphic ? FGraphic->Height() : 0; }

  // ".bmp", ".jpg"/".jpeg" or ".ico", in any case; another extension raises
  // EInvalidGraphic "Unknown picture file extension (.ext)". A file that
  // cannot be read leaves the picture as it was.
  void LoadFromFile(const String& fileName);
  void SaveToFile(const String& fileName);
  void Assign(const TPicture& source) { SetGraphic(source.Graphic()); }

  TNotifyEvent OnChange;

 private:
  void Attach(std::unique_ptr<TGraphic> graphic);
  void Changed();

  std::unique_ptr<TGraphic> FGraphic;
};

}  // namespace plat
