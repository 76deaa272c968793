#include "platform/os/PlatformRoot.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/os/PosixFiles.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/LastError.h"

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

[[noreturn]] void RefuseRunFolder(const String& folder, const String& reason, DWORD error) {
  throw EOSError("The run folder " + folder + " cannot be used: " + reason, error);
}

// A run folder in a shared place must be this user's alone: whoever else
// could write there could hold the mutex locks kept in it and block every
// exchange. One made by another user, or a link or a file in its place, is
// refused; one of ours that others may enter is narrowed to owner-only access.
String MadePrivate(const String& folder) {
  MakeFolders(folder, 0700);
  struct stat info {};
  if (::lstat(folder.c_str(), &info) != 0) {
    const int error = errno;
    RefuseRunFolder(folder, std::strerror(error), ErrorFromErrno(error));
  }
  if (S_ISLNK(info.st_mode)) RefuseRunFolder(folder, "it is a symbolic link", ERROR_ACCESS_DENIED);
  if (!S_ISDIR(info.st_mode)) RefuseRunFolder(folder, "it is not a folder", ERROR_ACCESS_DENIED);
  if (info.st_uid != ::geteuid()) {
    RefuseRunFolder(folder, "it belongs to another user (uid " + std::to_string(info.st_uid) + ")", ERROR_NOT_OWNER);
  }
  if ((info.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0) {
    const int error = errno;
    RefuseRunFolder(folder, "its access cannot be narrowed to its owner: " + String(std::strerror(error)),
                    ErrorFromErrno(error));
  }
  return folder;
}

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

String LoopbackPortTablePath() {
  const String root = PlatformRootFolder();
  return FileIn(root.empty() ? String("/etc/zorbit") : root, "ports.ini");
}

String RunFolder(const String& subFolder) {
  const String root = PlatformRootFolder();
  String folder;
  unsigned mode = 0755;
  if (!root.empty()) {
    folder = Made(root + "/run");
  } else if (const String runtime = Environment("XDG_RUNTIME_DIR"); !runtime.empty() && runtime.front() == '/') {
    folder = MadePrivate(Trimmed(runtime) + "/zorbit");
    mode = 0700;
  } else if (::geteuid() == 0) {
    folder = Made("/run/zorbit");
  } else {
    folder = MadePrivate("/tmp/zorbit-" + std::to_string(::geteuid()));
    mode = 0700;
  }
  return subFolder.empty() ? folder : Made(folder + "/" + subFolder, mode);
}

}  // namespace plat
