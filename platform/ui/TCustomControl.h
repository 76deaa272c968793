#pragma once
// A windowed control that draws itself: Paint draws on Canvas, which is on
// the control's own window while painting (and on its client area at other
// times).
#include <memory>

#include "platform/ui/TWinControl.h"

namespace plat {

class TControlCanvas;

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;

  TCanvas* Canvas() const;

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC DC) override;

 private:
  std::unique_ptr<TControlCanvas> FCanvas;
};

}  // namespace plat
