#pragma once
// Kernel object handles: the opaque values that mutexes and access tokens are
// reached through, closed with CloseHandle. A handle value is never reused in
// a process, so a stale or made-up handle is refused (ERROR_INVALID_HANDLE)
// instead of reaching another object.
namespace plat {

using HANDLE = void*;

// Pseudo-handles naming the caller; they need no closing.
HANDLE GetCurrentProcess();
HANDLE GetCurrentThread();

// Closes a handle; false and ERROR_INVALID_HANDLE for one that is not open.
bool CloseHandle(HANDLE handle);

}  // namespace plat
