#include "platform/rtl/Exception.h"

#include <cerrno>
#include <cstring>

#include "platform/rtl/RtlConsts.h"

namespace plat {

String SysErrorMessage(int errorCode) {
  char buffer[256];
  // The GNU strerror_r returns the text, which may or may not be in buffer.
  return String(strerror_r(errorCode, buffer, sizeof buffer));
}

void RaiseLastOSError() { RaiseLastOSError(errno); }

void RaiseLastOSError(int errorCode) {
  if (errorCode == 0) {
    throw EOSError(LoadResString(SUnkOSError), 0);
  }
  throw EOSError(FmtLoadResString(SOSError, {errorCode, SysErrorMessage(errorCode)}), errorCode);
}

}  // namespace plat
