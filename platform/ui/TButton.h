#pragma once
// The push button. Enter presses the form's default button (or the button
// that has the focus, when a button has it), Escape the cancel button, and
// its "&" accelerator presses it. Pressing it gives its form its
// ModalResult, which ends a modal run.
#include "platform/ui/TButtonControl.h"
#include "platform/ui/TCustomForm.h"

namespace plat {

class TButton : public TButtonControl {
 public:
  explicit TButton(TComponent* AOwner);

  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }

  void Click() override;

 protected:
  // Whether Enter presses this button now: it has the focus, or no button
  // has it and this is the default button.
  bool IsActiveDefault();

  void UserClick() override { Click(); }
  void Paint() override;
  void WndProc(TMessage& Message) override;

 private:
  bool FDefault = false;
  bool FCancel = false;
  TModalResult FModalResult = mrNone;
};

}  // namespace plat
