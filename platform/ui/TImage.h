#pragma once
// A picture on its parent: at its own size from the top-left, centred
// (Center), or stretched over the control (Stretch); drawn with its
// transparent colour left out (Transparent); the control takes the
// picture's size (AutoSize).
#include <memory>

#include "platform/gdi/TPicture.h"
#include "platform/ui/TGraphicControl.h"

namespace plat {

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;

  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(const TPicture* Value);
  bool Center() const { return FCenter; }
  void SetCenter(bool Value);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

 protected:
  void Paint() override;
  void AdjustSize() override;

 private:
  // Where the picture goes in the client area.
  TRect DestRect();
  void PictureChanged();

  std::unique_ptr<TPicture> FPicture;
  bool FCenter = false;
  bool FStretch = false;
  bool FTransparent = false;
};

}  // namespace plat
