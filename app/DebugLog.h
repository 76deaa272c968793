#pragma once
// The help launcher's diagnostic log, "HHDebug.txt". At creation the log
// picks its folder (the program's folder when a probe file can be made
// there, else the temporary folder), switches debug mode on when the
// marker file "debug.debug" lies in the program's folder or a parameter is
// "/debug" or "-debug" (without case), deletes the log of the last run, and
// in debug mode writes a header describing the system, the program and the
// help control. Lines are written only in debug mode, each opening, writing
// and closing the file, so a line that cannot be written is lost and
// nothing else is.
//
// A line "-" or "=" becomes 80 of that character; a line starting with
// "!", "-" or "=" loses that character and has no time stamp; any other line
// gets the time and three blanks in front.
#include <initializer_list>
#include <memory>
#include <vector>

#include "platform/rtl/Types.h"
#include "platform/rtl/VarRec.h"

namespace zorbit {

// What the log notes of the process at start.
struct TDLogStart {
  plat::String ModulePath;           // the program file
  plat::String RunPath;              // the program as the command line names it
  std::vector<plat::String> Params;  // the command-line parameters
  plat::String CmdLine;              // the whole command line
  plat::String HelpVersion;          // the help control's version text
  bool HelpInstalled = false;
  // The browser component's file ("Shdocvw.dll" in the system folder).
  plat::String BrowserFile;
};

// The start facts of this process; the help control must have been found
// (InitializeHtmlHelp) first.
TDLogStart CurrentDLogStart();

// A friendly name of a help control or browser component version; empty
// for an empty version.
plat::String FriendlyHelpVersion(const plat::String& Version);
plat::String FriendlyBrowserVersion(const plat::String& Version);

class TDLogFile {
 public:
  explicit TDLogFile(const TDLogStart& Start);

  const plat::String& FileName() const { return FFileName; }
  bool DebugMode() const { return FDebugMode; }
  void SetDebugMode(bool Value) { FDebugMode = Value; }

  // Writes Text, or Format filled with Args, as one line in debug mode.
  void Log(const plat::String& Text);
  void Log(const plat::String& Format, std::initializer_list<plat::TVarRec> Args);

 private:
  void WriteHeader(const TDLogStart& Start);
  void Put(const plat::String& Text);

  plat::String FFileName;
  bool FDebugMode = false;
};

// The process's log; made by InitializeDebugLog from the start facts of
// this process, or those a test gives.
TDLogFile& DebugLog();
void InitializeDebugLog(const TDLogStart& Start = CurrentDLogStart());
void FinalizeDebugLog();

}  // namespace zorbit
