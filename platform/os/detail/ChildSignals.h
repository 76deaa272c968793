#pragma once
// The signal state a program starts with, put back in a forked child before
// it runs another program: every handler the default one, nothing blocked.
// The parent may have set its own handlers and masks (sanitizers, the
// runtime), and an exec keeps the mask and ignored signals.
//
// Async-signal-safe: callable between fork and exec of a threaded process.
namespace plat::detail {

void ResetSignalsForExec();

}  // namespace plat::detail
