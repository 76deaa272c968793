#pragma once
// The one way to let an exception go on purpose: where nothing can be
// raised further (a destructor, a thread's end, a best-effort clean-up), the
// handler passes the exception it caught through LogSwallowedException, so
// that it is written to stderr rather than lost:
//
//   try { Flush(); } catch (...) { LogSwallowedException("TLog::~TLog"); }
//
// Handlers that expect a particular failure catch that type instead.
namespace plat {

// Writes "<Where>: exception swallowed: <class>: <message>" for the exception
// being handled; call it only inside a catch handler.
void LogSwallowedException(const char* Where);

}  // namespace plat
