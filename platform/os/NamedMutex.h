#pragma once
// Named mutexes shared by all processes that use the same name, as the
// system uses them for its single-instance check and to serialise the
// exchanges with the management service.
//
// A mutex exists while some process holds a handle to it. It is owned by one
// thread at a time and is re-entrant for that thread (each wait that succeeds
// needs one ReleaseMutex). When the owner ends without releasing it (its
// thread or process ends, or its process closes its last handle), the next
// wait that takes it answers WAIT_ABANDONED.
//
// Built on flock(2) over files in RunFolder("mutex"), named after the escaped
// mutex name: "<name>.handles" carries a shared lock per open handle (so that
// "exists" is a test for any lock), "<name>.owner" the exclusive lock of the
// owning process and, while owned, a mark that tells a later owner whether it
// was released properly; "<name>.guard" makes creation and opening atomic.
// The kernel drops the locks of a process that dies.
//
// A forked child keeps the handles it inherited but owns none of the
// mutexes: what its parent owned stays the parent's, and the child takes a
// mutex against every other process, its parent included.
#include <cstddef>

#include "platform/os/Handle.h"
#include "platform/os/SysTime.h"
#include "platform/rtl/LastError.h"
#include "platform/rtl/Types.h"

namespace plat {

inline constexpr DWORD SYNCHRONIZE = 0x00100000;
inline constexpr DWORD MUTEX_MODIFY_STATE = 0x0001;
inline constexpr DWORD MUTEX_ALL_ACCESS = 0x001F0001;

inline constexpr DWORD WAIT_OBJECT_0 = 0x00000000;
inline constexpr DWORD WAIT_ABANDONED = 0x00000080;
inline constexpr DWORD WAIT_TIMEOUT = 0x00000102;
inline constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;

// Names are case-sensitive, 1 to 260 bytes.
inline constexpr std::size_t MAX_MUTEX_NAME = 260;

// Opens the mutex, creating it when no process holds a handle to it. The last
// error is ERROR_ALREADY_EXISTS when it existed (then initialOwner is
// ignored), else ERROR_SUCCESS; creation and that test are one atomic step
// across processes. Null on failure (ERROR_INVALID_NAME for an empty name,
// ERROR_FILENAME_EXCED_RANGE for a too long one).
HANDLE CreateMutex(const String& name, bool initialOwner);

// Opens an existing mutex; null and ERROR_FILE_NOT_FOUND when no process
// holds a handle to it. Access rights are not enforced here.
HANDLE OpenMutex(DWORD desiredAccess, bool inheritHandle, const String& name);

// Waits until the calling thread owns the mutex or the time (milliseconds,
// or INFINITE) runs out: WAIT_OBJECT_0, WAIT_ABANDONED (owned now, but the
// previous owner ended without releasing it), WAIT_TIMEOUT, or WAIT_FAILED
// with ERROR_INVALID_HANDLE for a handle that is not an open mutex.
DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds);

// False and ERROR_NOT_OWNER when the calling thread does not own it.
bool ReleaseMutex(HANDLE handle);

}  // namespace plat
