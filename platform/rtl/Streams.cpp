#include "platform/rtl/Streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <stdexcept>

#include "platform/rtl/Exception.h"
#include "platform/rtl/LastError.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/TransferAll.h"

namespace plat {

namespace {

// Copies are done in blocks of this size.
constexpr Int64 kCopyBlock = 64 * 1024;
// Memory-backed streams hold what the classic ones could: under 2 GiB. A
// larger size comes from a fault (a bad length field), not from real data.
constexpr Int64 kMaxMemorySize = 0x7FFFFFFF;

// The new position of a seek in a stream of the given size; an offset that
// would land before the start or overflow leaves the position where it was.
Int64 SeekWithin(Int64 current, Int64 size, Int64 offset, TSeekOrigin origin) {
  Int64 base = 0;
  switch (origin) {
    case soFromBeginning: base = 0; break;
    case soFromCurrent: base = current; break;
    case soFromEnd: base = size; break;
  }
  Int64 target = 0;
  if (__builtin_add_overflow(base, offset, &target) || target < 0) {
    return current;
  }
  return target;
}

// Resizes a buffer, turning a failed allocation into the stream's own error.
template <typename Buffer>
void ResizeBuffer(Buffer& buffer, Int64 newSize) {
  if (newSize < 0 || newSize > kMaxMemorySize) {
    throw EStreamError(LoadResString(SMemoryStreamError));
  }
  try {
    buffer.resize(static_cast<std::size_t>(newSize));
  } catch (const std::bad_alloc&) {
    throw EStreamError(LoadResString(SMemoryStreamError));
  } catch (const std::length_error&) {
    throw EStreamError(LoadResString(SMemoryStreamError));
  }
}

// Read and Write of the memory-backed streams.
template <typename Buffer>
Int64 ReadFrom(const Buffer& buffer, Int64& position, void* out, Int64 count) {
  const Int64 size = static_cast<Int64>(buffer.size());
  if (count <= 0 || position >= size) {
    return 0;
  }
  const Int64 n = std::min(count, size - position);
  std::memcpy(out, buffer.data() + position, static_cast<std::size_t>(n));
  position += n;
  return n;
}

template <typename Buffer>
Int64 WriteTo(Buffer& buffer, Int64& position, const void* in, Int64 count) {
  if (count <= 0) {
    return 0;
  }
  Int64 end = 0;
  if (__builtin_add_overflow(position, count, &end)) {
    throw EStreamError(LoadResString(SMemoryStreamError));
  }
  if (end > static_cast<Int64>(buffer.size())) {
    ResizeBuffer(buffer, end);
  }
  std::memcpy(buffer.data() + position, in, static_cast<std::size_t>(count));
  position = end;
  return count;
}

}  // namespace

// --- TStream ---------------------------------------------------------------

Int64 TStream::Size() {
  const Int64 position = Seek(0, soFromCurrent);
  const Int64 size = Seek(0, soFromEnd);
  Seek(position, soFromBeginning);
  return size;
}

void TStream::SetSize(Int64) {}

void TStream::ReadBuffer(void* buffer, Int64 count) {
  if (count > 0 && Read(buffer, count) != count) {
    throw EReadError(LoadResString(SReadError));
  }
}

void TStream::WriteBuffer(const void* buffer, Int64 count) {
  if (count > 0 && Write(buffer, count) != count) {
    throw EWriteError(LoadResString(SWriteError));
  }
}

Int64 TStream::CopyFrom(TStream& source, Int64 count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  std::vector<Byte> block(static_cast<std::size_t>(std::clamp<Int64>(count, 0, kCopyBlock)));
  Int64 copied = 0;
  while (copied < count) {
    const Int64 n = std::min<Int64>(count - copied, kCopyBlock);
    source.ReadBuffer(block.data(), n);
    WriteBuffer(block.data(), n);
    copied += n;
  }
  return copied;
}

// --- THandleStream and TFileStream ------------------------------------------

Int64 THandleStream::Read(void* buffer, Int64 count) {
  auto* out = static_cast<Byte*>(buffer);
  const TransferResult result =
      TransferAll(count, [&](Int64 done, std::size_t left) { return ::read(FHandle, out + done, left); });
  if (result.Error) {
    SetLastError(result.Error);
  }
  return result.Moved;
}

Int64 THandleStream::Write(const void* buffer, Int64 count) {
  const auto* in = static_cast<const Byte*>(buffer);
  const TransferResult result =
      TransferAll(count, [&](Int64 done, std::size_t left) { return ::write(FHandle, in + done, left); });
  if (result.Error) {
    SetLastError(result.Error);
  }
  return result.Moved;
}

Int64 THandleStream::Seek(Int64 offset, TSeekOrigin origin) {
  static const int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  const off_t result = ::lseek(FHandle, static_cast<off_t>(offset), kWhence[origin]);
  if (result < 0) {
    // The origin is always valid, so EINVAL means a position before the start.
    SetLastError(errno == EINVAL ? ERROR_NEGATIVE_SEEK : ErrorFromErrno(errno));
    return -1;
  }
  return static_cast<Int64>(result);
}

void THandleStream::SetSize(Int64 newSize) {
  if (newSize < 0 || ::ftruncate(FHandle, static_cast<off_t>(newSize)) != 0) {
    SetLastError(newSize < 0 ? ERROR_NEGATIVE_SEEK : ErrorFromErrno(errno));
    RaiseLastOSError();
  }
  if (Position() > newSize) {
    Seek(newSize, soFromBeginning);
  }
}

TFileStream::TFileStream(const String& fileName, Word mode) : THandleStream(-1), FFileName(fileName) {
  const String path = NormalizePath(fileName);
  if (mode == fmCreate) {
    FHandle = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (FHandle < 0) {
      // Only a missing parent makes a new entry fail this way.
      SetLastError(errno == ENOENT ? ERROR_PATH_NOT_FOUND : ErrorFromErrno(errno));
      throw EFCreateError(
          FmtLoadResString(SFCreateErrorEx, {ExpandFileName(fileName), SysErrorMessage(GetLastError())}));
    }
    return;
  }
  int flags = O_CLOEXEC;
  switch (mode & 3) {
    case fmOpenWrite: flags |= O_WRONLY; break;
    case fmOpenReadWrite: flags |= O_RDWR; break;
    default: flags |= O_RDONLY; break;
  }
  FHandle = ::open(path.c_str(), flags);
  int error = errno;
  struct stat info {};
  if (FHandle >= 0 && ::fstat(FHandle, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(FHandle);
    FHandle = -1;
    error = EISDIR;
  }
  if (FHandle < 0) {
    SetLastError(ErrorFromErrno(error));
    throw EFOpenError(FmtLoadResString(SFOpenErrorEx, {ExpandFileName(fileName), SysErrorMessage(GetLastError())}));
  }
}

TFileStream::~TFileStream() {
  if (FHandle >= 0) {
    ::close(FHandle);
  }
}

// --- TMemoryStream -----------------------------------------------------------

Int64 TMemoryStream::Read(void* buffer, Int64 count) { return ReadFrom(FData, FPosition, buffer, count); }
Int64 TMemoryStream::Write(const void* buffer, Int64 count) { return WriteTo(FData, FPosition, buffer, count); }

Int64 TMemoryStream::Seek(Int64 offset, TSeekOrigin origin) {
  FPosition = SeekWithin(FPosition, Size(), offset, origin);
  return FPosition;
}

void TMemoryStream::SetSize(Int64 newSize) {
  ResizeBuffer(FData, newSize);
  FPosition = std::min(FPosition, newSize);
}

void TMemoryStream::Clear() {
  FData.clear();
  FData.shrink_to_fit();
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream) {
  stream.SetPosition(0);
  const Int64 size = stream.Size();
  SetSize(size);
  FPosition = 0;
  stream.ReadBuffer(FData.data(), size);
}

void TMemoryStream::LoadFromFile(const String& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream);
}

void TMemoryStream::SaveToStream(TStream& stream) const {
  stream.WriteBuffer(FData.data(), static_cast<Int64>(FData.size()));
}

void TMemoryStream::SaveToFile(const String& fileName) const {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(stream);
}

// --- TStringStream -----------------------------------------------------------

Int64 TStringStream::Read(void* buffer, Int64 count) { return ReadFrom(FDataString, FPosition, buffer, count); }
Int64 TStringStream::Write(const void* buffer, Int64 count) { return WriteTo(FDataString, FPosition, buffer, count); }

Int64 TStringStream::Seek(Int64 offset, TSeekOrigin origin) {
  FPosition = SeekWithin(FPosition, Size(), offset, origin);
  return FPosition;
}

void TStringStream::SetSize(Int64 newSize) {
  ResizeBuffer(FDataString, newSize);
  FPosition = std::min(FPosition, newSize);
}

String TStringStream::ReadString(Int64 count) {
  const Int64 n = std::clamp<Int64>(count, 0, Size() - std::min(FPosition, Size()));
  String out = FDataString.substr(static_cast<std::size_t>(std::min(FPosition, Size())), static_cast<std::size_t>(n));
  FPosition += n;
  return out;
}

void TStringStream::WriteString(const String& s) { Write(s.data(), static_cast<Int64>(s.size())); }

}  // namespace plat
