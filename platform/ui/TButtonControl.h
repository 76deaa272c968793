#pragma once
// What push buttons, check boxes and radio buttons share: they look
// pressed while the left button is held on them (and the mouse is over
// them) or while Space is held, and a release there presses them
// (UserClick). They repaint when they gain or lose the focus.
#include "platform/ui/TCustomControl.h"

namespace plat {

class TButtonControl : public TCustomControl {
 public:
  explicit TButtonControl(TComponent* AOwner);

 protected:
  // The user pressed the button (mouse released over it, or Space released).
  virtual void UserClick() = 0;
  bool Pressed() const { return (FMouseDown && FMouseInside) || FSpaceDown; }
  // While set, programmatic changes of the state raise no OnClick.
  bool ClicksDisabled() const;
  void SetClicksDisabled(bool Value) { FClicksDisabled = Value; }

  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  // Check boxes and radio buttons: the box (or circle) of DrawFrameControl
  // state BoxState at the left, the caption after it, the focus rectangle
  // around the caption.
  void PaintCheckControl(UINT BoxState);

 private:
  void SetPressedState(bool MouseDown, bool MouseInside, bool SpaceDown);

  bool FMouseDown = false;
  bool FMouseInside = false;
  bool FSpaceDown = false;
  bool FClicksDisabled = false;
};

}  // namespace plat
