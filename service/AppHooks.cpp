#include "service/AppHooks.h"

namespace zorbit {

TAppHooks& AppHooks() {
  static TAppHooks hooks;
  return hooks;
}

plat::String HookLookup(const plat::String& Section, const plat::String& Key) {
  return AppHooks().Lookup ? AppHooks().Lookup(Section, Key) : Key;
}

int HookMessageBox(const plat::String& Caption, const plat::String& Title, const plat::String& Text, int Icon,
                   int Buttons) {
  return AppHooks().MessageBox ? AppHooks().MessageBox(Caption, Title, Text, Icon, Buttons) : 0;
}

void HookProcessMessages() {
  if (AppHooks().ProcessMessages) AppHooks().ProcessMessages();
}

void HookTerminate() {
  if (AppHooks().Terminate) AppHooks().Terminate();
}

plat::String HookTitle() { return AppHooks().Title ? AppHooks().Title() : plat::String(); }

}  // namespace zorbit
