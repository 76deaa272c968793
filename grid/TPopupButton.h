#pragma once
// A caption in a small bordered pop-up window that stays above the others
// (the grid shows it as a floating header while a column is dragged). It
// never takes input: the window is disabled. It saves the bits beneath it,
// so moving it does not repaint the grid.
//
// Painting: a raised one-pixel bevel unless Flat; a 64-band gradient from
// GradFrom (top) to GradTo (bottom) when GradFrom is not clNone, else the
// plain Color; then the caption centred on one line, ending in "..." when
// too long, or, when it holds "</", rendered as HTML with the Images for
// its "IDX:" pictures.
#include "platform/gdi/Colors.h"
#include "platform/ui/TComponentRef.h"
#include "platform/ui/TCustomControl.h"

namespace plat {
class TImageList;
}

namespace zorbit {

class TPopupButton : public plat::TCustomControl {
 public:
  explicit TPopupButton(plat::TComponent* AGrid);

  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  plat::TColor GradFrom() const { return FGradFrom; }
  void SetGradFrom(plat::TColor Value);
  plat::TColor GradTo() const { return FGradTo; }
  void SetGradTo(plat::TColor Value);
  plat::TImageList* Images() const { return FImages; }
  void SetImages(plat::TImageList* Value);

 protected:
  void CreateParams(plat::TCreateParams& Params) override;
  void CreateWnd() override;
  void Paint() override;
  void WndProc(plat::TMessage& Message) override;

 private:
  bool FFlat = false;
  plat::TColor FGradFrom = plat::clNone;
  plat::TColor FGradTo = plat::clNone;
  plat::TComponentRef<plat::TImageList> FImages;
};

}  // namespace zorbit
