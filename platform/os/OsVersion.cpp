#include "platform/os/OsVersion.h"

#include "platform/rtl/LastError.h"

namespace plat {
namespace {

constexpr DWORD MajorVersion = 5;
constexpr DWORD MinorVersion = 1;
constexpr DWORD BuildNumber = 2600;

}  // namespace

bool GetVersionEx(OSVERSIONINFO* info) {
  if (info == nullptr || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFO)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  *info = OSVERSIONINFO{};
  info->dwMajorVersion = MajorVersion;
  info->dwMinorVersion = MinorVersion;
  info->dwBuildNumber = BuildNumber;
  info->dwPlatformId = VER_PLATFORM_WIN32_NT;
  return true;
}

DWORD GetVersion() { return (BuildNumber << 16) | (MinorVersion << 8) | MajorVersion; }

}  // namespace plat
