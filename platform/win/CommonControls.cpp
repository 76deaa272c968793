#include "platform/win/CommonControls.h"

namespace plat {

HRESULT CommonControlsGetVersion(DLLVERSIONINFO* info) {
  if (info == nullptr || info->cbSize != sizeof(DLLVERSIONINFO)) {
    return E_INVALIDARG;
  }
  info->dwMajorVersion = 5;
  info->dwMinorVersion = 82;
  info->dwBuildNumber = 2900;
  info->dwPlatformID = DLLVER_PLATFORM_NT;
  return S_OK;
}

}  // namespace plat
