#include "platform/os/ShellFolders.h"

#include <cstdlib>

#include "platform/rtl/LastError.h"
#include "platform/os/PlatformRoot.h"

namespace plat {

String GetSpecialFolderPath(int csidl) {
  switch (csidl) {
    case CSIDL_APPDATA: return RoamingAppDataFolder();
    case CSIDL_LOCAL_APPDATA: return LocalAppDataFolder();
    case CSIDL_COMMON_APPDATA: return CommonAppDataFolder();
    case CSIDL_WINDOWS: return WindowsFolder();
    case CSIDL_SYSTEM: return SystemFolder();
    default: SetLastError(ERROR_INVALID_PARAMETER); return String();
  }
}

String GetWindowsDirectory() { return WindowsFolder(); }

String GetSystemDirectory() { return SystemFolder(); }

String GetTempPath() {
  const char* variable = std::getenv("TMPDIR");
  String path = variable != nullptr && variable[0] == '/' ? variable : "/tmp";
  if (path.back() != '/') path += '/';
  return path;
}

}  // namespace plat
