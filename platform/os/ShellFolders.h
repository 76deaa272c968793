#pragma once
// The shell's special folders, the Windows and system folders and the
// temporary folder, all answered from the platform root (PlatformRoot.h).
#include "platform/rtl/LastError.h"
#include "platform/rtl/Types.h"

namespace plat {

inline constexpr int CSIDL_APPDATA = 26;  // user application data (roaming)
inline constexpr int CSIDL_LOCAL_APPDATA = 28;
inline constexpr int CSIDL_COMMON_APPDATA = 35;  // application data of all users
inline constexpr int CSIDL_WINDOWS = 36;
inline constexpr int CSIDL_SYSTEM = 37;

// The folder's path without a trailing delimiter, made when missing. An
// unknown folder number gives "" and ERROR_INVALID_PARAMETER.
String GetSpecialFolderPath(int csidl);

String GetWindowsDirectory();
String GetSystemDirectory();

// $TMPDIR or /tmp, with a trailing "/".
String GetTempPath();

}  // namespace plat
