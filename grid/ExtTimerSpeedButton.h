#pragma once
// TExtTimerSpeedButton: a speed button of a spin pair. With tbAllowTimer it
// keeps clicking while the left button holds it: a first repeat 400 ms after
// the press, then every 100 ms on the window layer's clock, for as long as
// the button holds the mouse capture and shows pressed (dragged off it, it
// pauses). The release inside still gives the ordinary click. A click that
// raises stops the repeat and the exception goes on to the application.
//
// Its direction picks its look: under an active visual style, when the
// themed look is on, the style's "spin" part (up 1, down 2, right 3, left 4)
// in the state pressed (3), hot (2) or normal (1); otherwise left and right
// are classic scroll-arrow frames, up and down a speed button with its
// glyph. tbFocusRect adds a focus rectangle inside the edge.
#include <memory>

#include "platform/rtl/Set.h"
#include "platform/ui/TSpeedButton.h"

namespace plat {
class TTimer;
}

namespace zorbit {

enum class TExtButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum class TTimeBtnStateItem { tbFocusRect, tbAllowTimer };
using TTimeBtnState = plat::TSet<TTimeBtnStateItem>;

class TExtTimerSpeedButton : public plat::TSpeedButton {
 public:
  explicit TExtTimerSpeedButton(plat::TComponent* AOwner);
  ~TExtTimerSpeedButton() override;

  TExtButtonDirection ButtonDirection() const { return FButtonDirection; }
  void SetButtonDirection(TExtButtonDirection Value);
  TTimeBtnState TimeBtnState() const { return FTimeBtnState; }
  void SetTimeBtnState(TTimeBtnState Value);
  // Draw with the desktop's visual style when one is active.
  bool Themed() const { return FThemed; }
  void SetThemed(bool Value);
  bool MouseOver() const { return FMouseOver; }

 protected:
  void Paint() override;
  void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
  void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
  void WndProc(plat::TMessage& Message) override;

 private:
  void StartRepeat();
  void StopRepeat();
  void RepeatTick();
  // Answers false when no visual style drew it.
  bool PaintThemed();
  void RepaintParent();

  TExtButtonDirection FButtonDirection = TExtButtonDirection::bdUp;
  TTimeBtnState FTimeBtnState;
  std::unique_ptr<plat::TTimer> FRepeatTimer;  // made on the first held press
  bool FMouseOver = false;
  bool FThemed = false;
};

}  // namespace zorbit
