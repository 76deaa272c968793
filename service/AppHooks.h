#pragma once
// What the service link needs from the application layer above it: string-table
// lookups, the program's message box and the application object. The windows
// install the real ones at start-up; until then texts stay English and the
// application calls do nothing.
#include <functional>

#include "platform/rtl/Types.h"

namespace zorbit {

struct TAppHooks {
  // The translation of Key in Section, or Key itself when there is none.
  std::function<plat::String(const plat::String& Section, const plat::String& Key)> Lookup;
  // The program's message box: icon 1 error, 2 information, 0/3 warning;
  // buttons in the platform's message-box order; answers the modal result.
  std::function<int(const plat::String& Caption, const plat::String& Title, const plat::String& Text, int Icon,
                    int Buttons)>
      MessageBox;
  // Lets pending window messages run while a request waits.
  std::function<void()> ProcessMessages;
  // Asks the application to end when control returns to its message loop.
  std::function<void()> Terminate;
  // The application's title, the caption of the program's message boxes.
  std::function<plat::String()> Title;
};

// The hooks in force; every member may be empty.
TAppHooks& AppHooks();

plat::String HookLookup(const plat::String& Section, const plat::String& Key);
int HookMessageBox(const plat::String& Caption, const plat::String& Title, const plat::String& Text, int Icon,
                   int Buttons);
void HookProcessMessages();
void HookTerminate();
plat::String HookTitle();

}  // namespace zorbit
