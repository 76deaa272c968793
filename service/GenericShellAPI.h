#pragma once
// Shell folders and paths: the application-data folders cached at start, the
// program's folder and the trailing-delimiter rule the system's paths follow.
#include "platform/rtl/Types.h"

namespace zorbit {

constexpr int CSIDL_APPDATA = 26;
constexpr int CSIDL_COMMON_APPDATA = 35;

// The shell folder's path without a trailing delimiter; empty on failure
// (logged as "[GPGetSpecialFolder]" and the error text).
plat::String GPGetSpecialFolder(int CSIDL);

// The folders cached at unit start, each with a trailing delimiter.
const plat::String& GetCommonAppDataDir();
const plat::String& GetAppDataDir();

// The folder of the program file, with a trailing delimiter.
plat::String GetExeDir();

// Path unchanged when empty or already ending in "\" or "/"; otherwise "/"
// is appended when the path holds a "/" anywhere, else "\".
plat::String IncludeTrailingDelimiter(const plat::String& Path);

void InitializeGenericShellAPI();
void FinalizeGenericShellAPI();

}  // namespace zorbit
