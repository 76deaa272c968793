#pragma once
// The drop-down list of a combo box: a list box in a pop-up window owned by
// the box's window, holding the box's items. Shown, it never takes the
// activation and holds the capture: the pointer over an item highlights it
// (the list's selection), a release on an item takes it, a press outside
// the list closes it without taking, and the list losing the capture to
// anyone else closes it the same way; its scroll bar works as ever. Its
// owner-drawn items are drawn and measured by the box (ODT_COMBOBOX).
// Nothing here notifies anyone but the box.
#include "platform/ui/TCustomListBox.h"

namespace plat {

class TCustomComboBox;

class TComboDropList : public TCustomListBox {
 public:
  explicit TComboDropList(TCustomComboBox& Box);

  // Shows the list at Rect (screen) and takes the capture. Pressed: the
  // left button is down (the press that dropped the list).
  void ShowAt(TRect Rect, bool Pressed);
  // Hides it and lets the capture go, without a word to the box.
  void Hide();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;

 private:
  void Mouse(TMessage& Message);
  // A press on the frame (the scroll bar): the window layer tracks it,
  // then the list takes the capture back.
  void TrackFrame(TPoint Client);

  TCustomComboBox& FBox;
  bool FShown = false;
  bool FPressedOnBox = false;  // the left button went down on the box, not here
  bool FTrackingFrame = false;
};

}  // namespace plat
