#include "platform/os/PlatformRoot.h"

#include <unistd.h>

#include <cstdlib>

#include "platform/os/PosixFiles.h"

namespace plat {

namespace {

String Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? String(value) : String();
}

String Trimmed(String path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// $HOME/<fallback> when the XDG variable is unset or not absolute, as the
// XDG base-directory rules say.
String XdgFolder(const char* variable, const char* fallback) {
  const String value = Environment(variable);
  if (!value.empty() && value.front() == '/') return Trimmed(value);
  String home = Environment("HOME");
  if (home.empty()) home = "/tmp";
  return Trimmed(home) + "/" + fallback;
}

const char* const kMachineFolder = "/var/lib/zorbit";

String Made(const String& folder, unsigned mode = 0755) {
  MakeFolders(folder, mode);
  return folder;
}

String FileIn(const String& folder, const String& name) { return Made(folder) + "/" + name; }

}  // namespace

String PlatformRootFolder() { return Trimmed(Environment("ZORBIT_ROOT")); }

String RegistryHivePath(const String& hive) {
  const String root = PlatformRootFolder();
  if (!root.empty()) return FileIn(root + "/registry", hive + ".reg");
  if (hive == "HKCU") return FileIn(XdgFolder("XDG_CONFIG_HOME", ".config") + "/zorbit/registry", hive + ".reg");
  return FileIn(String(kMachineFolder) + "/registry", hive + ".reg");
}

String CommonAppDataFolder() {
  const String root = PlatformRootFolder();
  return Made((root.empty() ? String(kMachineFolder) : root) + "/ProgramData");
}

String RoamingAppDataFolder() {
  const String root = PlatformRootFolder();
  return Made(root.empty() ? XdgFolder("XDG_DATA_HOME", ".local/share") : root + "/AppData/Roaming");
}

String LocalAppDataFolder() {
  const String root = PlatformRootFolder();
  return Made(root.empty() ? XdgFolder("XDG_CACHE_HOME", ".cache") : root + "/AppData/Local");
}

String WindowsFolder() {
  const String root = PlatformRootFolder();
  return Made((root.empty() ? String(kMachineFolder) : root) + "/Windows");
}

String SystemFolder() { return Made(WindowsFolder() + "/System32"); }

String ServiceTablePath() {
  const String root = PlatformRootFolder();
  return FileIn(root.empty() ? String("/etc/zorbit") : root, "services.ini");
}

String RunFolder(const String& subFolder) {
  const String root = PlatformRootFolder();
  String folder;
  unsigned mode = 0755;
  if (!root.empty()) {
    folder = root + "/run";
  } else if (const String runtime = Environment("XDG_RUNTIME_DIR"); !runtime.empty() && runtime.front() == '/') {
    folder = Trimmed(runtime) + "/zorbit";
    mode = 0700;
  } else if (::geteuid() == 0) {
    folder = "/run/zorbit";
  } else {
    folder = "/tmp/zorbit-" + std::to_string(::geteuid());
    mode = 0700;
  }
  if (!subFolder.empty()) {
    Made(folder, mode);
    folder += "/" + subFolder;
  }
  return Made(folder, mode);
}

}  // namespace plat
