#pragma once
// A skinned button drawn from four pictures of its own: normal, mouse on,
// pressed and disabled, each falling back to the normal picture when empty.
// It behaves as every TskCustomButton; it takes no theme (its UIStyle reads
// FromThemeFile whatever was written), and it marks the focus only when
// DrawFocused is set. The scroll bar's arrows are such buttons.
#include <memory>

#include "platform/gdi/TPicture.h"
#include "skin/SkButton.h"

namespace zorbit {

class TskImageButton : public TskCustomButton {
 public:
  explicit TskImageButton(plat::TComponent* AOwner);
  ~TskImageButton() override;

  TskUIStyle UIStyle() const override { return TskUIStyle::FromThemeFile; }

  plat::TPicture* PicNormal() const { return FPicNormal.get(); }
  void SetPicNormal(const plat::TPicture* Value) { AssignPicture(*FPicNormal, Value); }
  plat::TPicture* PicMouseOn() const { return FPicMouseOn.get(); }
  void SetPicMouseOn(const plat::TPicture* Value) { AssignPicture(*FPicMouseOn, Value); }
  plat::TPicture* PicMouseDown() const { return FPicMouseDown.get(); }
  void SetPicMouseDown(const plat::TPicture* Value) { AssignPicture(*FPicMouseDown, Value); }
  plat::TPicture* PicDisabled() const { return FPicDisabled.get(); }
  void SetPicDisabled(const plat::TPicture* Value) { AssignPicture(*FPicDisabled, Value); }
  // Stretches the state picture over the control instead of drawing it at
  // its own size from the top-left.
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  bool DrawFocused() const { return FDrawFocused; }
  void SetDrawFocused(bool Value);

 protected:
  // Parented and AutoSize: the size of PicNormal when it holds a picture.
  void UpdateAutoSize() override;
  // The state picture with its top-left pixel transparent.
  void DrawPicture(plat::TCanvas& Canvas, plat::TBitmap& Picture) override;
  void DrawFocus(plat::TCanvas& Canvas) override;
  void GetNormalPicture(plat::TBitmap& Picture) override { CopyPicture(*FPicNormal, Picture); }
  void GetMouseOnPicture(plat::TBitmap& Picture) override { CopyPicture(*FPicMouseOn, Picture); }
  void GetMouseDownPicture(plat::TBitmap& Picture) override { CopyPicture(*FPicMouseDown, Picture); }
  void GetDisabledPicture(plat::TBitmap& Picture) override { CopyPicture(*FPicDisabled, Picture); }

 private:
  void AssignPicture(plat::TPicture& Target, const plat::TPicture* Value);
  void PictureChanged();
  // Source drawn into Picture, or PicNormal when Source is empty.
  void CopyPicture(plat::TPicture& Source, plat::TBitmap& Picture);

  std::unique_ptr<plat::TPicture> FPicNormal;
  std::unique_ptr<plat::TPicture> FPicMouseOn;
  std::unique_ptr<plat::TPicture> FPicMouseDown;
  std::unique_ptr<plat::TPicture> FPicDisabled;
  bool FStretch = false;
  bool FDrawFocused = false;
};

}  // namespace zorbit
