#include "platform/ui/TGraphicControl.h"

#include "platform/ui/Accelerators.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/TControlCanvas.h"
#include "platform/ui/TWinControl.h"

namespace plat {

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(this)) {}

TGraphicControl::~TGraphicControl() = default;

TCanvas* TGraphicControl::Canvas() const { return FCanvas.get(); }

bool TGraphicControl::IsDialogCharFor(const TMessage& Message) {
  return Message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<char32_t>(Message.WParam), Caption()) && Enabled() &&
         Visible() && Parent() && Parent()->Showing();
}

void TGraphicControl::WndProc(TMessage& Message) {
  if (Message.Msg == WM_PAINT && Message.WParam) {
    // The parent's DC, placed at this control and clipped to it.
    const TControlCanvasLock lock(*FCanvas, reinterpret_cast<HDC>(Message.WParam));
    Paint();
    return;
  }
  TControl::WndProc(Message);
}

}  // namespace plat
