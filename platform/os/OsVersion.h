#pragma once
// The system version as programs ask it: the platform answers as an
// NT-family system, version 5.1 build 2600, without a service pack, so that
// code choosing between system generations takes the modern path.
// GetVersionEx checks the record's declared size as the platform does.
#include "platform/rtl/Types.h"

namespace plat {

inline constexpr DWORD VER_PLATFORM_WIN32s = 0;
inline constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
inline constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

struct OSVERSIONINFO {
  DWORD dwOSVersionInfoSize = sizeof(OSVERSIONINFO);
  DWORD dwMajorVersion = 0;
  DWORD dwMinorVersion = 0;
  DWORD dwBuildNumber = 0;
  DWORD dwPlatformId = 0;
  char szCSDVersion[128] = {};  // the service pack's name; empty without one
};

// Fills the record; false with ERROR_INVALID_PARAMETER when the record is
// null or its dwOSVersionInfoSize is not sizeof(OSVERSIONINFO).
bool GetVersionEx(OSVERSIONINFO* info);

// The packed form: major version in the low byte, minor in the next, the
// build in the high word; bit 31 clear for the NT family.
DWORD GetVersion();

}  // namespace plat
