#include "platform/os/Module.h"

#include <unistd.h>

#include <cerrno>

#include "platform/rtl/LastError.h"

namespace plat {

String GetModuleFileName() {
  // readlink does not say whether it cut the path: grow until it fits.
  for (std::size_t size = 256; size <= (1u << 20); size *= 2) {
    String buffer(size, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) {
      SetLastError(ErrorFromErrno(errno));
      return String();
    }
    if (static_cast<std::size_t>(length) < buffer.size()) {
      buffer.resize(static_cast<std::size_t>(length));
      return buffer;
    }
  }
  SetLastError(ERROR_FILENAME_EXCED_RANGE);
  return String();
}

}  // namespace plat
