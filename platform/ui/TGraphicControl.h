#pragma once
// A control without a window: its parent paints it (clipped to its bounds)
// and hands it the mouse messages that fall on it.
#include <memory>

#include "platform/ui/TControl.h"

namespace plat {

class TCanvas;
class TControlCanvas;

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;

 protected:
  void WndProc(TMessage& Message) override;
  // Draws the control on Canvas, whose origin is the control's top-left.
  virtual void Paint() {}
  // Valid while painting: a canvas on the parent's DC, placed and clipped
  // to the control.
  TCanvas* Canvas() const;
  // Whether a CM_DIALOGCHAR carries this control's caption accelerator
  // while the control can act on it: enabled, visible, its parent showing.
  bool IsDialogCharFor(const TMessage& Message);

 private:
  std::unique_ptr<TControlCanvas> FCanvas;
};

}  // namespace plat
