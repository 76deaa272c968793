#include "platform/ui/ControlMessages.h"

#include "platform/win/Keyboard.h"
#include "platform/win/VirtualKeys.h"

namespace plat {

TShiftState KeysToShiftState(WPARAM Keys) {
  TShiftState shift;
  if (Keys & MK_SHIFT) shift.Include(TShiftStateItem::ssShift);
  if (Keys & MK_CONTROL) shift.Include(TShiftStateItem::ssCtrl);
  if (Keys & MK_LBUTTON) shift.Include(TShiftStateItem::ssLeft);
  if (Keys & MK_RBUTTON) shift.Include(TShiftStateItem::ssRight);
  if (Keys & MK_MBUTTON) shift.Include(TShiftStateItem::ssMiddle);
  if (GetKeyState(VK_MENU) < 0) shift.Include(TShiftStateItem::ssAlt);
  return shift;
}

TShiftState KeyDataToShiftState(LPARAM KeyData) {
  TShiftState shift = KeyboardStateToShiftState() - TShiftState{TShiftStateItem::ssAlt};
  if (KeyData & KF_ALTDOWN_BIT) shift.Include(TShiftStateItem::ssAlt);
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
