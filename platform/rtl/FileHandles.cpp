#include "platform/rtl/FileHandles.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/rtl/LastError.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/TransferAll.h"

namespace plat {

namespace {

int Failed(DWORD error) {
  SetLastError(error);
  return -1;
}

// A missing folder on the way makes open fail with ENOENT, as a missing file does.
DWORD OpenError(int errnoValue, const String& path) {
  if (errnoValue != ENOENT) {
    return ErrorFromErrno(errnoValue);
  }
  const String dir = ExtractFileDir(path);
  return dir.empty() || ::access(dir.c_str(), F_OK) == 0 ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

int OpenPath(const String& fileName, int flags) {
  const String path = NormalizePath(fileName);
  const int handle = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
  return handle >= 0 ? handle : Failed(OpenError(errno, path));
}

// A read or write of count bytes by int, as the handle routines count.
template <typename Transfer>
int Repeat(int count, Transfer transfer) {
  if (count < 0) {
    return Failed(ERROR_INVALID_PARAMETER);
  }
  const TransferResult result = TransferAll(count, transfer);
  return result.Error ? Failed(result.Error) : static_cast<int>(result.Moved);
}

}  // namespace

int FileOpen(const String& fileName, Word mode) {
  switch (mode & 3) {
    case fmOpenRead: return OpenPath(fileName, O_RDONLY);
    case fmOpenWrite: return OpenPath(fileName, O_WRONLY);
    case fmOpenReadWrite: return OpenPath(fileName, O_RDWR);
    default: return Failed(ERROR_INVALID_PARAMETER);
  }
}

int FileCreate(const String& fileName) { return OpenPath(fileName, O_RDWR | O_CREAT | O_TRUNC); }

int FileRead(int handle, void* buffer, int count) {
  auto* out = static_cast<Byte*>(buffer);
  return Repeat(count, [&](Int64 done, std::size_t left) { return ::read(handle, out + done, left); });
}

int FileWrite(int handle, const void* buffer, int count) {
  const auto* in = static_cast<const Byte*>(buffer);
  const int written = Repeat(count, [&](Int64 done, std::size_t left) { return ::write(handle, in + done, left); });
  // A write that moved nothing although asked to is a full disk, not an end.
  return written >= 0 && written < count ? Failed(ERROR_HANDLE_DISK_FULL) : written;
}

Int64 FileSeek(int handle, Int64 offset, int origin) {
  static const int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  if (origin < 0 || origin > 2) {
    return Failed(ERROR_INVALID_PARAMETER);
  }
  const off_t result = ::lseek(handle, static_cast<off_t>(offset), kWhence[origin]);
  if (result < 0) {
    // The origin is valid, so EINVAL means a position before the start.
    return Failed(errno == EINVAL ? ERROR_NEGATIVE_SEEK : ErrorFromErrno(errno));
  }
  return static_cast<Int64>(result);
}

bool FileClose(int handle) {
  if (::close(handle) != 0) {
    // After EINTR the descriptor is released all the same on Linux.
    if (errno != EINTR) {
      Failed(ErrorFromErrno(errno));
      return false;
    }
  }
  return true;
}

}  // namespace plat
