#include "platform/ui/TCustomControl.h"

#include "platform/ui/TControlCanvas.h"

namespace plat {

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(this)) {}

TCustomControl::~TCustomControl() {
  // The canvas may hold a DC on the window that the base class destroys.
  FCanvas->FreeHandle();
}

TCanvas* TCustomControl::Canvas() const { return FCanvas.get(); }

void TCustomControl::PaintWindow(HDC DC) {
  const TControlCanvasLock lock(*FCanvas, DC);
  Paint();
}

}  // namespace plat
