#pragma once
// The check box: checked, unchecked or (with AllowGrayed) greyed. The user
// toggles it with the mouse, Space or its accelerator; every change of its
// state, by the user or the program, raises OnClick (not while a layout
// is being read).
#include "platform/ui/TButtonControl.h"

namespace plat {

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCustomCheckBox : public TButtonControl {
 public:
  explicit TCustomCheckBox(TComponent* AOwner);

  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
  bool Checked() const { return FState == TCheckBoxState::cbChecked; }
  void SetChecked(bool Value) { SetState(Value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState Value);

 protected:
  // The user's press: unchecked, then checked (or greyed with AllowGrayed),
  // then unchecked again.
  virtual void Toggle();

  void UserClick() override { Toggle(); }
  void Paint() override;
  void WndProc(TMessage& Message) override;

 private:
  bool FAllowGrayed = false;
  TCheckBoxState FState = TCheckBoxState::cbUnchecked;
};

class TCheckBox : public TCustomCheckBox {
 public:
  using TCustomCheckBox::TCustomCheckBox;
};

}  // namespace plat
