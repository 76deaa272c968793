#pragma once
// Where the machine state lives. When the environment variable ZORBIT_ROOT
// names a folder, everything is kept below it (tests and scripts/run use
// this), laid out as:
//
//   <root>/registry/HKLM.reg, HKCU.reg, HKCR.reg   registry hives
//   <root>/ProgramData                              common application data (CSIDL 35)
//   <root>/AppData/Roaming                          user application data (CSIDL 26)
//   <root>/AppData/Local                            local application data (CSIDL 28)
//   <root>/Windows                                  Windows folder (CSIDL 36)
//   <root>/Windows/System32                         system folder (CSIDL 37)
//   <root>/services.ini                             the service table
//   <root>/ports.ini                                the loopback port table (LoopbackPorts.h)
//   <root>/run/                                     pid and status files, mutex lock files,
//                                                   window registry
//
// Without it, the Linux places:
//   HKLM, HKCR              /var/lib/zorbit/registry/
//   HKCU                    $XDG_CONFIG_HOME/zorbit/registry/ (~/.config/zorbit/registry/)
//   common data, Windows    /var/lib/zorbit/ProgramData, /var/lib/zorbit/Windows[/System32]
//   user data               $XDG_DATA_HOME (~/.local/share)
//   local user data         $XDG_CACHE_HOME (~/.cache)
//   service table           /etc/zorbit/services.ini
//   loopback port table     /etc/zorbit/ports.ini
//   run state               $XDG_RUNTIME_DIR/zorbit, else /run/zorbit for root,
//                           else /tmp/zorbit-<uid> (private to the user)
//
// The two run folders of a user (below $XDG_RUNTIME_DIR and in /tmp) must be
// the user's own real folder: another user's folder, or a link or a file in
// its place, makes RunFolder raise EOSError naming the folder and the reason;
// one of the user's own that others may enter is narrowed to mode 0700.
//
// The variable is read on every call, so a test can point it at a fresh
// folder. Folders are created on demand: each routine makes the folder it
// answers (or the folder of the file it answers) before returning. Paths use
// "/" and have no trailing delimiter.
#include "platform/rtl/Types.h"

namespace plat {

// The value of ZORBIT_ROOT, or empty when it is unset or empty.
String PlatformRootFolder();

// The file of a registry hive: hive is "HKLM", "HKCU" or "HKCR".
String RegistryHivePath(const String& hive);

String CommonAppDataFolder();
String RoamingAppDataFolder();
String LocalAppDataFolder();
String WindowsFolder();
String SystemFolder();

String ServiceTablePath();
String LoopbackPortTablePath();

// The run-state folder, or the named folder below it ("mutex", "services",
// "windows").
String RunFolder(const String& subFolder = String());

}  // namespace plat
