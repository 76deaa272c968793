#pragma once
// The group box: an etched frame with its caption set into the top edge,
// holding other controls below the caption. Its accelerator moves the
// focus to the first control in it.
#include "platform/ui/TCustomControl.h"

namespace plat {

class TCustomGroupBox : public TCustomControl {
 public:
  explicit TCustomGroupBox(TComponent* AOwner);

 protected:
  void Paint() override;
  void AdjustClientRect(TRect& Rect) override;
  void WndProc(TMessage& Message) override;

 private:
  int CaptionHeight();
};

class TGroupBox : public TCustomGroupBox {
 public:
  using TCustomGroupBox::TCustomGroupBox;
};

}  // namespace plat
