#pragma once
// The small window that shows a control's hint near the mouse: a pop-up
// that never takes the activation, in the hint colour with a thin border.
#include "platform/ui/TCustomControl.h"

namespace plat {

// The parts of a hint "short|long": the short one shows in hint windows.
String GetShortHint(const String& Hint);
String GetLongHint(const String& Hint);

class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* AOwner);

  // The bounds the text needs, at most MaxWidth wide, with the top-left at 0, 0.
  virtual TRect CalcHintRect(int MaxWidth, const String& AHint);
  // Shows AHint at Rect (screen coordinates) without activating anything.
  virtual void ActivateHint(TRect Rect, const String& AHint);
  void ReleaseHandle();
  bool IsShowing();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void WndProc(TMessage& Message) override;
};

}  // namespace plat
