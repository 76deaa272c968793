#include "platform/os/detail/ChildSignals.h"

#include <signal.h>

namespace plat::detail {

void ResetSignalsForExec() {
  struct sigaction defaults {};
  defaults.sa_handler = SIG_DFL;
  for (int signal = 1; signal < NSIG; ++signal) ::sigaction(signal, &defaults, nullptr);
  sigset_t none;
  ::sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
}

}  // namespace plat::detail
