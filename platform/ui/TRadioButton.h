#pragma once
// The radio button: checking one unchecks the other radio buttons of the
// same parent. Only the checked one is a Tab stop; the arrow keys move
// among them and check the one they reach. Checking raises OnClick (not
// while a layout is being read).
#include "platform/ui/TButtonControl.h"

namespace plat {

class TRadioButton : public TButtonControl {
 public:
  explicit TRadioButton(TComponent* AOwner);

  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);

 protected:
  void UserClick() override { SetChecked(true); }
  void Paint() override;
  void WndProc(TMessage& Message) override;

 private:
  bool FChecked = false;
};

}  // namespace plat
