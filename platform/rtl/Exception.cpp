#include "platform/rtl/Exception.h"

#include "platform/rtl/LastError.h"
#include "platform/rtl/RtlConsts.h"

namespace plat {

void RaiseLastOSError() { RaiseLastOSError(GetLastError()); }

void RaiseLastOSError(DWORD errorCode) {
  if (errorCode == ERROR_SUCCESS) {
    throw EOSError(LoadResString(SUnkOSError), ERROR_SUCCESS);
  }
  // Shown as a signed number, so that HRESULT-style codes read as they always have.
  throw EOSError(FmtLoadResString(SOSError, {static_cast<int>(errorCode), SysErrorMessage(errorCode)}), errorCode);
}

}  // namespace plat
