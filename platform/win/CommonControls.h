#pragma once
// The version of the common-controls library ("COMCTL32") as programs ask
// it: its "DllGetVersion" function, looked up by name (ModuleExports.h).
// The platform reports 5.82, the generation that has the date picker and
// the flat scroll bars but not the visual-styles controls of version 6.
#include "platform/rtl/HResult.h"
#include "platform/rtl/Types.h"

namespace plat {

inline constexpr DWORD DLLVER_PLATFORM_WINDOWS = 1;
inline constexpr DWORD DLLVER_PLATFORM_NT = 2;

struct DLLVERSIONINFO {
  DWORD cbSize = sizeof(DLLVERSIONINFO);
  DWORD dwMajorVersion = 0;
  DWORD dwMinorVersion = 0;
  DWORD dwBuildNumber = 0;
  DWORD dwPlatformID = 0;
};

// The type a caller casts the looked-up "DllGetVersion" to.
using DLLGETVERSIONPROC = HRESULT (*)(DLLVERSIONINFO*);

// Fills the record: E_INVALIDARG when it is null or its cbSize is not
// sizeof(DLLVERSIONINFO).
HRESULT CommonControlsGetVersion(DLLVERSIONINFO* info);

}  // namespace plat
