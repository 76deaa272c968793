#include "platform/win/CommonControls.h"

#include "platform/win/detail/DateTimePickerWindow.h"
#include "platform/win/detail/MonthCalendarWindow.h"

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

bool InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
  if (init == nullptr || init->dwSize != sizeof(INITCOMMONCONTROLSEX) || (init->dwICC & ~ICC_DATE_CLASSES) != 0) {
    return false;
  }
  if (init->dwICC & ICC_DATE_CLASSES) {
    return RegisterMonthCalendarClass() && RegisterDateTimePickerClass();
  }
  return true;
}

}  // namespace plat
