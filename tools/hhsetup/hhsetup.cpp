// hhsetup: installs the HTML Help control into the platform's system folder
// (below ZORBIT_ROOT when it is set) and registers it. The control's file is
// a copy of this program, which carries the control's version resource.
// Exit code 0 when installed, 1 otherwise (with the reason on stderr).
#include <cstdio>

#include "platform/os/HelpControl.h"
#include "platform/os/Module.h"
#include "platform/rtl/LastError.h"

int main() {
  const plat::String self = plat::GetModuleFileName();
  if (!self.empty() && plat::InstallHelpControl(self)) return 0;
  std::fprintf(stderr, "hhsetup: %s\n", plat::SysErrorMessage(plat::GetLastError()).c_str());
  return 1;
}
