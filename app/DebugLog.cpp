#include "app/DebugLog.h"

#include "app/HtmlHelpControl.h"
#include "platform/os/Module.h"
#include "platform/os/OsVersion.h"
#include "platform/os/ShellFolders.h"
#include "platform/rtl/CommandLine.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FileHandles.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/LocaleIds.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringUtils.h"

namespace zorbit {

using plat::String;

namespace {

constexpr size_t kLineWidth = 80;
constexpr size_t kMaxTempPath = 300;

std::unique_ptr<TDLogFile> GLog;

String WithoutTrailingDelimiter(const String& Path) {
  return Path.size() > 1 ? plat::ExcludeTrailingPathDelimiter(Path) : Path;
}

String TempFolder() {
  String path = plat::GetTempPath();
  if (path.size() > kMaxTempPath) path.resize(kMaxTempPath);
  return path.empty() ? String("c:") : WithoutTrailingDelimiter(path);
}

// Whether a file can be made in Folder (the probe is removed at once).
bool CanWriteIn(const String& Folder) {
  if (Folder.empty()) return false;
  const String probe = plat::NormalizePath(Folder + "\\$_Temp_$.$$$");
  const int handle = plat::FileCreate(probe);
  if (handle < 0) return false;
  plat::FileClose(handle);
  plat::DeleteFile(probe);
  return true;
}

bool DebugRequested(const String& ModuleDir, const std::vector<String>& Params) {
  if (plat::FileExists(ModuleDir + "\\debug.debug")) return true;
  for (const String& param : Params)
    if (plat::SameText(param, "/debug") || plat::SameText(param, "-debug")) return true;
  return false;
}

String Joined(const std::vector<String>& Items, const String& Separator) {
  String text;
  for (const String& item : Items) text += (text.empty() ? "" : Separator) + item;
  return text;
}

String OperatingSystemText() {
  plat::OSVERSIONINFO info;
  if (!plat::GetVersionEx(&info)) return String();
  String name = "Windows";
  if (info.dwPlatformId == plat::VER_PLATFORM_WIN32_NT) {
    if (info.dwMajorVersion == 4)
      name = "Windows NT4";
    else if (info.dwMajorVersion == 5 && info.dwMinorVersion == 0)
      name = "Windows 2000";
    else if (info.dwMajorVersion == 5 && info.dwMinorVersion == 1)
      name = "Windows XP";
    else
      name = "Windows NT";
  }
  const String servicePack = info.szCSDVersion[0] != '\0' ? String(info.szCSDVersion) : String("No Service Pack");
  return plat::Format("%s %d.%d (Build %d) %s", {name, static_cast<int>(info.dwMajorVersion),
                                                  static_cast<int>(info.dwMinorVersion),
                                                  static_cast<int>(info.dwBuildNumber & 0xFFFF), servicePack});
}

String HexAndDecimal(unsigned Value) {
  return plat::Format("%s (%s)", {"0x" + plat::IntToHex(Value, 4), plat::IntToStr(Value)});
}

// The name of the highest threshold Version reaches, compared number by number.
struct TVersionName {
  std::vector<int> Threshold;
  const char* Name;
};

std::vector<int> VersionNumbers(const String& Version) {
  std::vector<int> numbers;
  size_t start = 0;
  while (start <= Version.size()) {
    const size_t dot = Version.find('.', start);
    const String part = Version.substr(start, dot == String::npos ? String::npos : dot - start);
    numbers.push_back(plat::StrToIntDef(part, 0));
    if (dot == String::npos) break;
    start = dot + 1;
  }
  return numbers;
}

String FriendlyName(const String& Version, std::initializer_list<TVersionName> Names) {
  if (Version.empty()) return String();
  const std::vector<int> numbers = VersionNumbers(Version);
  for (const TVersionName& name : Names)
    if (numbers >= name.Threshold) return name.Name;
  return "unknown version";
}

}  // namespace

String FriendlyHelpVersion(const String& Version) {
  return FriendlyName(Version, {{{5, 2}, "HTML Help 1.4"},
                                {{4, 74, 8702}, "HTML Help 1.33"},
                                {{4, 73}, "HTML Help 1.3"},
                                {{4, 72}, "HTML Help 1.2"},
                                {{4, 70}, "HTML Help 1.1"},
                                {{4, 0}, "HTML Help 1.0"}});
}

String FriendlyBrowserVersion(const String& Version) {
  return FriendlyName(Version, {{{6, 0}, "Internet Explorer 6"},
                                {{5, 50}, "Internet Explorer 5.5"},
                                {{5, 0}, "Internet Explorer 5"},
                                {{4, 71}, "Internet Explorer 4"},
                                {{4, 70}, "Internet Explorer 3"}});
}

TDLogStart CurrentDLogStart() {
  TDLogStart start;
  start.ModulePath = plat::GetModuleFileName();
  start.RunPath = plat::ParamStr(0);
  String cmdLine = start.RunPath;
  for (int i = 1; i <= plat::ParamCount(); ++i) {
    start.Params.push_back(plat::ParamStr(i));
    cmdLine += " " + plat::ParamStr(i);
  }
  start.CmdLine = cmdLine;
  start.HelpVersion = HtmlHelpControl().VersionText();
  start.HelpInstalled = HtmlHelpControl().Installed();
  start.BrowserFile = plat::ExcludeTrailingPathDelimiter(plat::GetSystemDirectory()) + "\\Shdocvw.dll";
  return start;
}

TDLogFile::TDLogFile(const TDLogStart& Start) {
  const String moduleDir = WithoutTrailingDelimiter(plat::ExtractFileDir(Start.ModulePath));
  const String logDir = CanWriteIn(moduleDir) ? moduleDir : TempFolder();
  FDebugMode = DebugRequested(moduleDir, Start.Params);
  FFileName = plat::NormalizePath(logDir + "\\HHDebug.txt");
  // The last run's log goes whether this run logs or not.
  if (plat::FileExists(FFileName)) plat::DeleteFile(FFileName);
  if (FDebugMode) WriteHeader(Start);
}

void TDLogFile::WriteHeader(const TDLogStart& Start) {
  const String moduleDir = WithoutTrailingDelimiter(plat::ExtractFileDir(Start.ModulePath));
  const String moduleVersion = FileVersionText(Start.ModulePath);
  const String browserVersion = FileVersionText(Start.BrowserFile);
  const plat::LCID locale = plat::GetUserDefaultLCID();
  const plat::LANGID language = plat::LANGIDFROMLCID(locale);
  Put("=");
  Put("!Log File:             \t" + FFileName);
  Put("!Date:                 \t" + plat::DateTimeToStr(plat::Now()));
  Put("!Operating System:      \t" + OperatingSystemText());
  Put("!SysLocale.DefaultLCID: \t" + HexAndDecimal(locale));
  Put("!SysLocale.PriLangID:   \t" + HexAndDecimal(plat::PRIMARYLANGID(language)));
  Put("!SysLocale.SubLangID:   \t" + HexAndDecimal(plat::SUBLANGID(language)));
  Put("!DecimalSeparator:      \t" + String(1, plat::FormatSettings().DecimalSeparator));
  Put("-");
  Put("!EXE Path =          \t" + Start.ModulePath);
  Put("!EXE Version =       \t" + moduleVersion);
  Put("!Cmdline Param(s) =  \t" + Joined(Start.Params, " | "));
  Put("!Actual CmdLine =  \t" + Start.CmdLine);
  Put("!_RunDir =           \t" + WithoutTrailingDelimiter(plat::ExtractFileDir(Start.RunPath)));
  Put("!_ModuleName =       \t" + plat::ExtractFileName(Start.ModulePath));
  Put("!_ModuleDir =        \t" + moduleDir);
  Put("!_ModulePath =        \t" + Start.ModulePath);
  Put("!Module Version =       \t" + moduleVersion);
  Put("-");
  Put(String("!_hhInstalled =      \t") + (Start.HelpInstalled ? "YES" : "NO"));
  Put("!_hhVerStr =         \t" + Start.HelpVersion);
  Put("!_hhFriendlyVerStr = \t" + FriendlyHelpVersion(Start.HelpVersion));
  Put("-");
  Put(String("!_ieInstalled =      \t") + (browserVersion.empty() ? "NO" : "YES"));
  Put("!_ieVerStr =         \t" + browserVersion);
  Put("!_ieFriendlyVerStr = \t" + FriendlyBrowserVersion(browserVersion));
}

void TDLogFile::Log(const String& Text) {
  if (FDebugMode) Put(Text);
}

void TDLogFile::Log(const String& Format, std::initializer_list<plat::TVarRec> Args) {
  if (FDebugMode) Put(plat::Format(Format, Args));
}

void TDLogFile::Put(const String& Text) {
  const int file = plat::FileExists(FFileName) ? plat::FileOpen(FFileName, plat::fmOpenWrite | plat::fmShareDenyNone)
                                                : plat::FileCreate(FFileName);
  if (file < 0) return;
  const plat::ScopeExit closed([file] { plat::FileClose(file); });
  String line;
  if (Text == "-" || Text == "=")
    line = String(kLineWidth, Text[0]);
  else if (!Text.empty() && (Text[0] == '!' || Text[0] == '-' || Text[0] == '='))
    line = Text.substr(1);
  else
    line = plat::TimeToStr(plat::Now()) + "   " + Text;
  line += "\r\n";
  plat::FileSeek(file, 0, plat::soFromEnd);
  plat::FileWrite(file, line.data(), static_cast<int>(line.size()));
}

TDLogFile& DebugLog() { return *GLog; }

void InitializeDebugLog(const TDLogStart& Start) {
  GLog.reset();  // the old instance's file goes first
  GLog = std::make_unique<TDLogFile>(Start);
}

void FinalizeDebugLog() { GLog.reset(); }

}  // namespace zorbit
