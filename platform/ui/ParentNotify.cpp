#include "platform/ui/ParentNotify.h"

#include "platform/ui/TWinControl.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Windows.h"

namespace plat {

void NotifyParent(TWinControl* Control, UINT Code) {
  if (!Control->HandleAllocated()) return;
  const HWND window = Control->Handle();
  const HWND parent = GetParent(window);
  if (!parent) return;
  SendMessage(parent, WM_COMMAND, MAKEWPARAM(static_cast<Word>(GetDlgCtrlID(window)), static_cast<Word>(Code)),
              reinterpret_cast<LPARAM>(window));
}

}  // namespace plat
