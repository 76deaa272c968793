#include "platform/ui/ControlMessages.h"

#include "platform/win/Keyboard.h"
#include "platform/win/VirtualKeys.h"

namespace plat {

TShiftState ShiftStateOf(const TMouseMessage& Mouse) {
  TShiftState shift;
  if (Mouse.Holds(MK_SHIFT)) shift.Include(TShiftStateItem::ssShift);
  if (Mouse.Holds(MK_CONTROL)) shift.Include(TShiftStateItem::ssCtrl);
  if (Mouse.Holds(MK_LBUTTON)) shift.Include(TShiftStateItem::ssLeft);
  if (Mouse.Holds(MK_RBUTTON)) shift.Include(TShiftStateItem::ssRight);
  if (Mouse.Holds(MK_MBUTTON)) shift.Include(TShiftStateItem::ssMiddle);
  if (GetKeyState(VK_MENU) < 0) shift.Include(TShiftStateItem::ssAlt);
  return shift;
}

TShiftState ShiftStateOf(const TKeyMessage& Key) {
  TShiftState shift = KeyboardStateToShiftState() - TShiftState{TShiftStateItem::ssAlt};
  if (Key.AltDown) shift.Include(TShiftStateItem::ssAlt);
  return shift;
}

TShiftState KeyboardStateToShiftState() {
  TShiftState shift;
  if (GetKeyState(VK_SHIFT) < 0) shift.Include(TShiftStateItem::ssShift);
  if (GetKeyState(VK_CONTROL) < 0) shift.Include(TShiftStateItem::ssCtrl);
  if (GetKeyState(VK_MENU) < 0) shift.Include(TShiftStateItem::ssAlt);
  return shift;
}

}  // namespace plat
