#pragma once
// Running a risky function in a child process. Readers built on C libraries
// that trust their input (compiled help) may crash or run
// wild on a hostile file; run inside IsolatedCall, such a crash ends only a
// forked child and reaches the caller as EIsolatedCallError, never as a
// crash of the program.
//
// The child is a fork of the caller: the function sees the caller's memory
// as it was at the call, and nothing it changes comes back except the bytes
// it returns. The child ends with _exit (no exit handlers, no flushing of
// the caller's buffers). Fork only in a process whose other threads hold no
// lock the function needs (the UI thread's readers qualify).
//
// Fuzz targets switch the isolation off at their start-up
// (SetIsolatedCallsInProcess): a crash that the child would have absorbed
// must end the fuzzer, or it never sees one. The program never switches it.
#include <functional>

#include "platform/rtl/Exception.h"
#include "platform/rtl/Types.h"

namespace plat {

// The child failed: it crashed or was killed (the message names the
// signal), exceeded its processor time, raised an exception (its message is
// passed on), did not answer in time, or could not be started.
class EIsolatedCallError : public Exception {
  using Exception::Exception;
};

// The processor time a child may use before it is stopped (a reader caught
// in an endless loop), and the time the caller waits for its answer before
// stopping it (a child that waits for ever).
inline constexpr unsigned kIsolatedCallCpuSeconds = 60;
inline constexpr int kIsolatedCallSeconds = 120;

// Runs work in a child process and answers the bytes it returned. An
// exception derived from std::exception raised by work is reported by its
// message; anything else that keeps the child from answering is reported by
// how the child ended.
String IsolatedCall(const std::function<String()>& work);

// For fuzz targets only: while on, IsolatedCall runs work directly in this
// process, so a crash in it is this process's crash and what work changes
// stays changed. An exception from work is still reported as
// EIsolatedCallError with its message; there is no time limit.
void SetIsolatedCallsInProcess(bool inProcess);

}  // namespace plat
