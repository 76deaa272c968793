#pragma once
// Where the HTML Help control is installed: its file "hhctrl.ocx" in the
// system folder (PlatformRoot.h), and its registration, the default value
// of kHelpControlClassKey in HKEY_CLASSES_ROOT, which names the file as
// "%SystemRoot%\System32\hhctrl.ocx", as a system keeps them. A program
// finds the control by that value or in the system folder, reads the
// file's version resource (VersionInfo.h) to see that it is
// installed, and loads it by path (ModuleExports.h), where the window layer
// enters its functions (platform/win/HtmlHelp.h).
//
// The file carries only the version resource: InstallHelpControl copies a
// program file built with one (tools/hhsetup installs itself this way).
#include "platform/rtl/Types.h"

namespace plat {

inline constexpr const char* kHelpControlFileName = "hhctrl.ocx";
inline constexpr const char* kHelpControlClassKey = "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";
inline constexpr const char* kHelpControlRegisteredPath = "%SystemRoot%\\System32\\hhctrl.ocx";

// The control's file in the system folder.
String HelpControlPath();

// Copies moduleFile over the control's file and writes the registration.
// False with the last error when the file cannot be read or written; the
// registration is written only after the file.
bool InstallHelpControl(const String& moduleFile);

}  // namespace plat
