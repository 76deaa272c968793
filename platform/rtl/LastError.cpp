#include "platform/rtl/LastError.h"

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <string>

namespace plat {

namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

struct TErrorText {
  DWORD Code;
  const char* Text;
};

// Ordered by number for the lookup.
constexpr TErrorText kErrorTexts[] = {
    {ERROR_SUCCESS, "The operation completed successfully."},
    {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified."},
    {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified."},
    {ERROR_TOO_MANY_OPEN_FILES, "Too many files are open."},
    {ERROR_ACCESS_DENIED, "Access is denied."},
    {ERROR_INVALID_HANDLE, "The handle is invalid."},
    {ERROR_NOT_ENOUGH_MEMORY, "There is not enough memory to carry out this command."},
    {ERROR_BAD_FORMAT, "The program is not in a format that can be run."},
    {ERROR_INVALID_DATA, "The data is invalid."},
    {ERROR_NOT_SAME_DEVICE, "The file cannot be moved to another disk."},
    {ERROR_NO_MORE_FILES, "There are no more files."},
    {ERROR_WRITE_FAULT, "The device could not be written to."},
    {ERROR_READ_FAULT, "The device could not be read from."},
    {ERROR_SHARING_VIOLATION, "The file is in use by another process."},
    {ERROR_HANDLE_DISK_FULL, "The disk is full."},
    {ERROR_NOT_SUPPORTED, "The request is not supported."},
    {ERROR_INVALID_PARAMETER, "The parameter is incorrect."},
    {ERROR_BROKEN_PIPE, "The other end of the pipe has been closed."},
    {ERROR_DISK_FULL, "There is not enough space on the disk."},
    {ERROR_INSUFFICIENT_BUFFER, "The buffer passed to the system is too small."},
    {ERROR_INVALID_NAME, "The file name, folder name or volume label is not valid."},
    {ERROR_MOD_NOT_FOUND, "The library is not available."},
    {ERROR_PROC_NOT_FOUND, "The library has no function of that name."},
    {ERROR_NEGATIVE_SEEK, "The file pointer cannot be moved before the start of the file."},
    {ERROR_DIR_NOT_EMPTY, "The folder is not empty."},
    {ERROR_ALREADY_EXISTS, "Cannot create a file when that file already exists."},
    {ERROR_FILENAME_EXCED_RANGE, "The file name or extension is too long."},
    {ERROR_NOT_OWNER, "The mutex is not owned by the caller."},
    {ERROR_NO_TOKEN, "There is no token to refer to."},
    {ERROR_BADDB, "The configuration registry database is corrupt."},
    {ERROR_INVALID_SERVICE_CONTROL, "The control is not valid for this service."},
    {ERROR_SERVICE_REQUEST_TIMEOUT, "The service did not answer the start or control request in time."},
    {ERROR_SERVICE_ALREADY_RUNNING, "The service is already running."},
    {ERROR_SERVICE_DOES_NOT_EXIST, "The service is not installed."},
    {ERROR_SERVICE_CANNOT_ACCEPT_CTRL, "The service cannot accept control messages now."},
    {ERROR_SERVICE_NOT_ACTIVE, "The service has not been started."},
    {ERROR_DATABASE_DOES_NOT_EXIST, "The service database does not exist."},
    {ERROR_SERVICE_EXISTS, "The service already exists."},
    {RPC_S_SERVER_UNAVAILABLE, "The RPC server is unavailable."},
    {ERROR_RESOURCE_DATA_NOT_FOUND, "The image file has no resource section."},
    {ERROR_RESOURCE_TYPE_NOT_FOUND, "The image file has no resource of that type."},
    {ERROR_RESOURCE_NAME_NOT_FOUND, "The image file has no resource of that name."},
    {WSAEINTR, "A blocking operation was interrupted."},
    {WSAEBADF, "The file handle supplied is not valid."},
    {WSAEACCES, "An attempt was made to access a socket in a way forbidden by its access permissions."},
    {WSAEFAULT, "The system detected an invalid pointer address in attempting to use a pointer argument in a call."},
    {WSAEINVAL, "An invalid argument was supplied."},
    {WSAEMFILE, "Too many open sockets."},
    {WSAEWOULDBLOCK, "A non-blocking socket operation could not be completed immediately."},
    {WSAEINPROGRESS, "A blocking operation is currently executing."},
    {WSAENOTSOCK, "An operation was attempted on something that is not a socket."},
    {WSAEMSGSIZE, "A message sent on a datagram socket was larger than the internal message buffer."},
    {WSAEAFNOSUPPORT, "An address incompatible with the requested protocol was used."},
    {WSAEADDRINUSE, "Only one usage of each socket address (protocol/network address/port) is normally permitted."},
    {WSAEADDRNOTAVAIL, "The requested address is not valid in its context."},
    {WSAENETDOWN, "A socket operation encountered a dead network."},
    {WSAENETUNREACH, "A socket operation was attempted to an unreachable network."},
    {WSAENETRESET, "The connection has been broken due to keep-alive activity detecting a failure."},
    {WSAECONNABORTED, "An established connection was aborted by the software in your host machine."},
    {WSAECONNRESET, "An existing connection was forcibly closed by the remote host."},
    {WSAENOBUFS, "An operation on a socket could not be performed because the system lacked buffer space."},
    {WSAEISCONN, "A connect request was made on an already connected socket."},
    {WSAENOTCONN, "A request to send or receive data was disallowed because the socket is not connected."},
    {WSAESHUTDOWN, "A request to send or receive data was disallowed because the socket had already been shut down."},
    {WSAETIMEDOUT,
     "A connection attempt failed because the connected party did not properly respond after a period of "
     "time."},
    {WSAECONNREFUSED, "No connection could be made because the target machine actively refused it."},
    {WSAEHOSTDOWN, "A socket operation failed because the destination host was down."},
    {WSAEHOSTUNREACH, "A socket operation was attempted to an unreachable host."},
    {WSAHOST_NOT_FOUND, "No such host is known."},
};

static_assert(std::is_sorted(std::begin(kErrorTexts), std::end(kErrorTexts),
                             [](const TErrorText& a, const TErrorText& b) { return a.Code < b.Code; }));

}  // namespace

DWORD GetLastError() { return lastError; }

void SetLastError(DWORD errorCode) { lastError = errorCode; }

DWORD ErrorFromErrno(int errnoValue) {
  switch (errnoValue) {
    case 0: return ERROR_SUCCESS;
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EMFILE:
    case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return ERROR_ACCESS_DENIED;  // what opening a folder as a file gives
    case EBADF: return ERROR_INVALID_HANDLE;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    case ENOEXEC: return ERROR_BAD_FORMAT;
    case EXDEV: return ERROR_NOT_SAME_DEVICE;
    case EBUSY:
    case ETXTBSY: return ERROR_SHARING_VIOLATION;
    case EINVAL: return ERROR_INVALID_PARAMETER;
    case EPIPE: return ERROR_BROKEN_PIPE;
    case ENOSPC:
    case EDQUOT: return ERROR_DISK_FULL;
    case ENOTEMPTY: return ERROR_DIR_NOT_EMPTY;
    case EEXIST: return ERROR_ALREADY_EXISTS;
    case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
    case EIO: return ERROR_WRITE_FAULT;
    default: return ERROR_NOT_SUPPORTED;
  }
}

DWORD SocketErrorFromErrno(int errnoValue) {
  switch (errnoValue) {
    case EINTR: return WSAEINTR;
    case EBADF: return WSAEBADF;
    case EACCES:
    case EPERM: return WSAEACCES;
    case EFAULT: return WSAEFAULT;
    case EINVAL: return WSAEINVAL;
    case EMFILE:
    case ENFILE: return WSAEMFILE;
    case EAGAIN: return WSAEWOULDBLOCK;
    case EINPROGRESS:
    case EALREADY: return WSAEINPROGRESS;
    case ENOTSOCK: return WSAENOTSOCK;
    case EMSGSIZE: return WSAEMSGSIZE;
    case EAFNOSUPPORT: return WSAEAFNOSUPPORT;
    case EADDRINUSE: return WSAEADDRINUSE;
    case EADDRNOTAVAIL: return WSAEADDRNOTAVAIL;
    case ENETDOWN: return WSAENETDOWN;
    case ENETUNREACH: return WSAENETUNREACH;
    case ENETRESET: return WSAENETRESET;
    case ECONNABORTED: return WSAECONNABORTED;
    case ECONNRESET: return WSAECONNRESET;
    case ENOBUFS:
    case ENOMEM: return WSAENOBUFS;
    case EISCONN: return WSAEISCONN;
    case ENOTCONN: return WSAENOTCONN;
    case EPIPE: return WSAECONNRESET;  // a write after the peer reset or closed
    case ESHUTDOWN: return WSAESHUTDOWN;
    case ETIMEDOUT: return WSAETIMEDOUT;
    case ECONNREFUSED: return WSAECONNREFUSED;
    case EHOSTDOWN: return WSAEHOSTDOWN;
    case EHOSTUNREACH: return WSAEHOSTUNREACH;
    default: return ErrorFromErrno(errnoValue);
  }
}

String SysErrorMessage(DWORD errorCode) {
  const auto found = std::lower_bound(std::begin(kErrorTexts), std::end(kErrorTexts), errorCode,
                                      [](const TErrorText& entry, DWORD code) { return entry.Code < code; });
  if (found != std::end(kErrorTexts) && found->Code == errorCode) {
    return found->Text;
  }
  return "Unknown error " + std::to_string(errorCode) + ".";
}

}  // namespace plat
