#include "platform/ui/TMainMenu.h"

#include "platform/win/Menus.h"
#include "platform/win/Windows.h"

namespace plat {

TMainMenu::~TMainMenu() {
  Destroying();
  SetWindowHandle(nullptr);
}

HMENU TMainMenu::CreateMenuHandle() { return CreateMenu(); }

void TMainMenu::SetWindowHandle(HWND Value) {
  if (FWindowHandle && FWindowHandle != Value && IsWindow(FWindowHandle)) SetMenu(FWindowHandle, nullptr);
  FWindowHandle = Value;
  if (Value) SetMenu(Value, Handle());
}

void TMainMenu::MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) {
  TMenu::MenuChanged(Sender, Source, Rebuild);
  const TComponentState state = ComponentState();
  if (!FWindowHandle || state.Contains(TComponentStateItem::csDestroying) ||
      state.Contains(TComponentStateItem::csLoading))
    return;
  Handle();
  DrawMenuBar(FWindowHandle);
}

}  // namespace plat
