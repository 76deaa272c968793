#pragma once
// The version of the common-controls library ("COMCTL32") as programs ask
// it: its "DllGetVersion" function, looked up by name (ModuleExports.h).
// The platform reports 5.82, the generation that has the date picker and
// the flat scroll bars but not the visual-styles controls of version 6.
// InitCommonControlsEx (also entered under "COMCTL32") registers the window
// classes of the controls asked for: ICC_DATE_CLASSES, the date-time
// picker and the month calendar (DateTimePicker.h, MonthCalendar.h).
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

constexpr DWORD ICC_DATE_CLASSES = 0x00000100;

struct INITCOMMONCONTROLSEX {
  DWORD dwSize = sizeof(INITCOMMONCONTROLSEX);
  DWORD dwICC = 0;
};

// Registers the classes once per process; false for a null record, a
// wrong dwSize, or classes asked for that the library does not have.
bool InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);

}  // namespace plat
