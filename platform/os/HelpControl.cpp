#include "platform/os/HelpControl.h"

#include "platform/os/PlatformRoot.h"
#include "platform/os/PosixFiles.h"
#include "platform/os/Registry.h"
#include "platform/rtl/LastError.h"

namespace plat {
namespace {

// A program file larger than this is no help control.
constexpr std::size_t kMaxModuleSize = std::size_t{256} << 20;

}  // namespace

String HelpControlPath() { return SystemFolder() + "/" + kHelpControlFileName; }

bool InstallHelpControl(const String& moduleFile) {
  const std::optional<String> image = ReadWholeFile(moduleFile, kMaxModuleSize);
  if (!image) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return false;
  }
  if (!ReplaceFileAtomically(HelpControlPath(), *image)) return false;
  TRegistry registry;
  registry.SetRootKey(HKEY_CLASSES_ROOT);
  if (!registry.OpenKey(kHelpControlClassKey, true)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  registry.WriteExpandString("", kHelpControlRegisteredPath);
  return true;
}

}  // namespace plat
