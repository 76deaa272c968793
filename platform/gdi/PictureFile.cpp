#include "platform/gdi/PictureFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/gdi/TGraphic.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/LastError.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/TransferAll.h"

namespace plat {

namespace {

[[noreturn]] void RefuseToOpen(const String& fileName, DWORD error) {
  SetLastError(error);
  throw EFOpenError(FmtLoadResString(SFOpenErrorEx, {ExpandFileName(fileName), SysErrorMessage(error)}));
}

}  // namespace

void ReadPictureFile(const String& fileName, TMemoryStream& stream) {
  // Without O_NONBLOCK, opening a FIFO waits for a writer.
  const int fd = ::open(NormalizePath(fileName).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) RefuseToOpen(fileName, ErrorFromErrno(errno));
  const ScopeExit close([&] { ::close(fd); });
  struct stat info {};
  if (::fstat(fd, &info) != 0) RefuseToOpen(fileName, ErrorFromErrno(errno));
  if (!S_ISREG(info.st_mode)) RefuseToOpen(fileName, ERROR_ACCESS_DENIED);
  const Int64 size = static_cast<Int64>(info.st_size);
  if (size > kMaxEncodedPictureBytes)
    throw EInvalidGraphic(Format("The picture file \"%s\" is too large", {ExpandFileName(fileName)}));
  stream.SetSize(size);
  // A file that grows meanwhile is read as large as it was; one that
  // shrinks, as large as it still is.
  Byte* bytes = stream.Memory();
  const TransferResult read =
      TransferAll(size, [&](Int64 done, std::size_t left) { return ::read(fd, bytes + done, left); });
  if (read.Error) {
    SetLastError(read.Error);
    throw EReadError(LoadResString(SReadError));
  }
  stream.SetSize(read.Moved);
  stream.SetPosition(0);
}

}  // namespace plat
