#include "platform/rtl/LastError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <thread>

namespace plat {
namespace {

TEST(LastError, ErrnoMapsToTheClosestWin32Number) {
  struct Case {
    int Errno;
    DWORD Error;
  };
  for (const Case& c : {Case{0, ERROR_SUCCESS},
                        Case{ENOENT, ERROR_FILE_NOT_FOUND},
                        Case{ENOTDIR, ERROR_PATH_NOT_FOUND},
                        Case{EMFILE, ERROR_TOO_MANY_OPEN_FILES},
                        Case{EACCES, ERROR_ACCESS_DENIED},
                        Case{EPERM, ERROR_ACCESS_DENIED},
                        Case{EROFS, ERROR_ACCESS_DENIED},
                        Case{EISDIR, ERROR_ACCESS_DENIED},
                        Case{EBADF, ERROR_INVALID_HANDLE},
                        Case{ENOMEM, ERROR_NOT_ENOUGH_MEMORY},
                        Case{ENOEXEC, ERROR_BAD_FORMAT},
                        Case{EXDEV, ERROR_NOT_SAME_DEVICE},
                        Case{ETXTBSY, ERROR_SHARING_VIOLATION},
                        Case{EINVAL, ERROR_INVALID_PARAMETER},
                        Case{EPIPE, ERROR_BROKEN_PIPE},
                        Case{ENOSPC, ERROR_DISK_FULL},
                        Case{EDQUOT, ERROR_DISK_FULL},
                        Case{ENOTEMPTY, ERROR_DIR_NOT_EMPTY},
                        Case{EEXIST, ERROR_ALREADY_EXISTS},
                        Case{ENAMETOOLONG, ERROR_FILENAME_EXCED_RANGE},
                        Case{EIO, ERROR_WRITE_FAULT},
                        Case{EPROTO, ERROR_NOT_SUPPORTED},  // no closer number
                        Case{-1, ERROR_NOT_SUPPORTED}}) {
    EXPECT_EQ(ErrorFromErrno(c.Errno), c.Error) << "errno " << c.Errno;
  }
}

TEST(LastError, SocketErrnoMapsToTheSocketLayersNumbers) {
  struct Case {
    int Errno;
    DWORD Error;
  };
  for (const Case& c : {Case{ECONNREFUSED, 10061}, Case{ETIMEDOUT, 10060}, Case{ECONNRESET, 10054},
                        Case{EPIPE, 10054},  // writing after the peer went
                        Case{EHOSTUNREACH, 10065}, Case{ENETUNREACH, 10051}, Case{ENOTCONN, 10057},
                        Case{ECONNABORTED, 10053}, Case{EADDRINUSE, 10048}, Case{EADDRNOTAVAIL, 10049},
                        Case{EINVAL, 10022}, Case{EAGAIN, 10035}, Case{EINPROGRESS, 10036}, Case{EMFILE, 10024},
                        // Without a socket meaning: the general number.
                        Case{ENOENT, ERROR_FILE_NOT_FOUND}, Case{EPROTO, ERROR_NOT_SUPPORTED}}) {
    EXPECT_EQ(SocketErrorFromErrno(c.Errno), c.Error) << "errno " << c.Errno;
  }
}

TEST(LastError, SocketNumbersHaveTheSystemsTexts) {
  struct Case {
    DWORD Error;
    const char* Text;
  };
  for (const Case& c :
       {Case{WSAECONNREFUSED, "No connection could be made because the target machine actively refused it."},
        Case{WSAECONNRESET, "An existing connection was forcibly closed by the remote host."},
        Case{WSAEHOSTUNREACH, "A socket operation was attempted to an unreachable host."},
        Case{WSAHOST_NOT_FOUND, "No such host is known."}}) {
    EXPECT_EQ(SysErrorMessage(c.Error), c.Text) << c.Error;
  }
  for (const DWORD code : {WSAEINTR, WSAEINVAL, WSAEWOULDBLOCK, WSAEADDRINUSE, WSAECONNABORTED, WSAENOTCONN,
                           WSAESHUTDOWN, WSAETIMEDOUT, WSAEHOSTDOWN}) {
    EXPECT_NE(SysErrorMessage(code).rfind("Unknown error", 0), 0u) << code;
  }
}

TEST(LastError, MessagesAreTheSystemsTexts) {
  struct Case {
    DWORD Error;
    const char* Text;
  };
  for (const Case& c : {Case{ERROR_SUCCESS, "The operation completed successfully."},
                        Case{ERROR_FILE_NOT_FOUND, "The system cannot find the file specified."},
                        Case{ERROR_PATH_NOT_FOUND, "The system cannot find the path specified."},
                        Case{ERROR_ACCESS_DENIED, "Access is denied."},
                        Case{ERROR_SHARING_VIOLATION, "The file is in use by another process."},
                        Case{ERROR_HANDLE_DISK_FULL, "The disk is full."},
                        Case{ERROR_DISK_FULL, "There is not enough space on the disk."},
                        Case{ERROR_NEGATIVE_SEEK, "The file pointer cannot be moved before the start of the file."},
                        Case{ERROR_DIR_NOT_EMPTY, "The folder is not empty."},
                        Case{ERROR_RESOURCE_TYPE_NOT_FOUND, "The image file has no resource of that type."},
                        // Numbers without a text, errno values among them, keep theirs.
                        Case{1, "Unknown error 1."}, Case{9999, "Unknown error 9999."},
                        Case{0xFFFFFFFF, "Unknown error 4294967295."}}) {
    EXPECT_EQ(SysErrorMessage(c.Error), c.Text) << c.Error;
  }
}

TEST(LastError, EachThreadHasItsOwn) {
  SetLastError(ERROR_ACCESS_DENIED);
  DWORD seenByOther = 1;
  std::thread other([&] {
    seenByOther = GetLastError();
    SetLastError(ERROR_DISK_FULL);
  });
  other.join();
  EXPECT_EQ(seenByOther, ERROR_SUCCESS);
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

}  // namespace
}  // namespace plat
