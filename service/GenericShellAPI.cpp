#include "service/GenericShellAPI.h"

#include "platform/os/Module.h"
#include "platform/os/ShellFolders.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Paths.h"
#include "service/GenericAPI.h"

namespace zorbit {

namespace {
struct TFolderCache {
  plat::String CommonAppData;
  plat::String AppData;
};
TFolderCache& FolderCache() {
  static TFolderCache cache;
  return cache;
}
}  // namespace

plat::String GPGetSpecialFolder(int CSIDL) {
  try {
    return plat::GetSpecialFolderPath(CSIDL);
  } catch (const std::exception& e) {
    WriteLog(plat::String("[GPGetSpecialFolder]") + e.what());
    return {};
  }
}

const plat::String& GetCommonAppDataDir() { return FolderCache().CommonAppData; }
const plat::String& GetAppDataDir() { return FolderCache().AppData; }

plat::String GetExeDir() { return IncludeTrailingDelimiter(plat::ExtractFileDir(plat::GetModuleFileName())); }

plat::String IncludeTrailingDelimiter(const plat::String& Path) {
  if (Path.empty()) return Path;
  const char last = Path.back();
  if (last == '\\' || last == '/') return Path;
  return Path + (Path.find('/') != plat::String::npos ? "/" : "\\");
}

void InitializeGenericShellAPI() {
  FolderCache().CommonAppData = IncludeTrailingDelimiter(GPGetSpecialFolder(CSIDL_COMMON_APPDATA));
  FolderCache().AppData = IncludeTrailingDelimiter(GPGetSpecialFolder(CSIDL_APPDATA));
}

void FinalizeGenericShellAPI() { FolderCache() = {}; }

}  // namespace zorbit
