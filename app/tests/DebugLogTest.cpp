// The help launcher's debug log: where it goes, when it is written, its
// header and the shape of its lines.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/DebugLog.h"
#include "platform/rtl/FileUtils.h"
#include "testing/EnvironmentVariable.h"
#include "testing/FileContent.h"
#include "testing/PlatformRoot.h"
#include "testing/TempFolder.h"

namespace {

using zorbit::TDLogFile;
using zorbit::TDLogStart;
using zorbit::testing::ReadFileContent;
using zorbit::testing::TEnvironmentVariable;
using zorbit::testing::TPlatformRoot;
using zorbit::testing::TTempFolder;

std::vector<std::string> Lines(const std::string& Content) {
  std::vector<std::string> lines;
  std::istringstream in(Content);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

class DebugLogTest : public ::testing::Test {
 protected:
  TDLogStart Start(std::vector<std::string> Params) const {
    TDLogStart start;
    start.ModulePath = FProgram.File("zorbit");
    start.RunPath = start.ModulePath;
    start.Params = std::move(Params);
    start.CmdLine = start.ModulePath;
    for (const std::string& param : start.Params) start.CmdLine += " " + param;
    start.HelpVersion = "5.2.1.0";
    start.HelpInstalled = true;
    start.BrowserFile = FRoot.Path() + "/Windows/System32/Shdocvw.dll";
    return start;
  }
  std::string LogPath() const { return FProgram.File("HHDebug.txt"); }

  TPlatformRoot FRoot{"zorbit-dlog-root"};
  TTempFolder FProgram{"zorbit-dlog-program"};
  TTempFolder FTemp{"zorbit-dlog-temp"};
  TEnvironmentVariable FTempDir{"TMPDIR", FTemp.Path()};
  TEnvironmentVariable FLocale{"LC_ALL", "en_US.UTF-8"};
};

TEST_F(DebugLogTest, DebugModeComesFromASwitchInAnyCaseOrTheMarkerFile) {
  struct TCase {
    std::vector<std::string> Params;
    bool Marker;
    bool Debug;
  };
  const TCase cases[] = {
      {{"-DEBUG"}, false, true},         {{"/debug"}, false, true}, {{"x", "-Debug"}, false, true},
      {{}, true, true},                  {{}, false, false},        {{"debug"}, false, false},
      {{"--debug"}, false, false},
  };
  for (const TCase& c : cases) {
    if (c.Marker) FProgram.Write("debug.debug", "");
    const TDLogFile log(Start(c.Params));
    EXPECT_EQ(log.DebugMode(), c.Debug) << testing::PrintToString(c.Params);
    EXPECT_EQ(plat::FileExists(LogPath()), c.Debug);
    plat::DeleteFile(FProgram.File("debug.debug"));
  }
}

TEST_F(DebugLogTest, TheHeaderDescribesSystemProgramAndHelpControl) {
  const TDLogFile log(Start({"-DEBUG", "exit"}));
  ASSERT_EQ(log.FileName(), LogPath());
  const std::vector<std::string> lines = Lines(ReadFileContent(LogPath()));
  const std::string program = FProgram.File("zorbit");
  const std::vector<std::string> expected = {
      std::string(80, '='),
      "Log File:             \t" + LogPath(),
      "",  // the date
      "Operating System:      \tWindows XP 5.1 (Build 2600) No Service Pack",
      "SysLocale.DefaultLCID: \t0x0409 (1033)",
      "SysLocale.PriLangID:   \t0x0009 (9)",
      "SysLocale.SubLangID:   \t0x0001 (1)",
      "DecimalSeparator:      \t.",
      std::string(80, '-'),
      "EXE Path =          \t" + program,
      "EXE Version =       \t",
      "Cmdline Param(s) =  \t-DEBUG | exit",
      "Actual CmdLine =  \t" + program + " -DEBUG exit",
      "_RunDir =           \t" + FProgram.Path(),
      "_ModuleName =       \tzorbit",
      "_ModuleDir =        \t" + FProgram.Path(),
      "_ModulePath =        \t" + program,
      "Module Version =       \t",
      std::string(80, '-'),
      "_hhInstalled =      \tYES",
      "_hhVerStr =         \t5.2.1.0",
      "_hhFriendlyVerStr = \tHTML Help 1.4",
      std::string(80, '-'),
      "_ieInstalled =      \tNO",
      "_ieVerStr =         \t",
      "_ieFriendlyVerStr = \t",
  };
  ASSERT_EQ(lines.size(), expected.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i == 2)
      EXPECT_EQ(lines[i].rfind("Date:                 \t", 0), 0u) << lines[i];
    else
      EXPECT_EQ(lines[i], expected[i]) << "line " << i;
  }
}

TEST_F(DebugLogTest, LinesAreRuledUnstampedOrStamped) {
  TDLogFile log(Start({"-debug"}));
  plat::DeleteFile(LogPath());
  log.Log("=");
  log.Log("-");
  log.Log("!plain");
  log.Log("=kept");
  log.Log("ShowTopic(\"%s\", %d)", {"a.chm::/t.htm", 0});
  log.Log("x %d");
  const std::vector<std::string> lines = Lines(ReadFileContent(LogPath()));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], std::string(80, '='));
  EXPECT_EQ(lines[1], std::string(80, '-'));
  EXPECT_EQ(lines[2], "plain");
  EXPECT_EQ(lines[3], "kept");
  // Time, three blanks, text.
  const size_t gap = lines[4].find("   ");
  ASSERT_NE(gap, std::string::npos);
  EXPECT_GT(gap, 0u);
  EXPECT_EQ(lines[4].substr(gap + 3), "ShowTopic(\"a.chm::/t.htm\", 0)");
  EXPECT_EQ(lines[5].substr(lines[5].find("   ") + 3), "x %d");
}

TEST_F(DebugLogTest, WithoutDebugModeTheOldLogGoesAndNothingIsWritten) {
  FProgram.Write("HHDebug.txt", "last run\r\n");
  TDLogFile log(Start({}));
  EXPECT_FALSE(plat::FileExists(LogPath()));
  log.Log("=");
  log.Log("text");
  EXPECT_FALSE(plat::FileExists(LogPath()));
}

TEST_F(DebugLogTest, AnUnwritableProgramFolderSendsTheLogToTheTemporaryFolder) {
  TDLogStart start = Start({"/DEBUG"});
  start.ModulePath = FProgram.File("missing/zorbit");
  FTemp.Write("HHDebug.txt", "last run\r\n");
  const TDLogFile log(start);
  EXPECT_EQ(log.FileName(), FTemp.File("HHDebug.txt"));
  const std::vector<std::string> lines = Lines(FTemp.Read("HHDebug.txt"));
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], std::string(80, '='));
  EXPECT_EQ(lines[1], "Log File:             \t" + FTemp.File("HHDebug.txt"));
}

TEST_F(DebugLogTest, ALineThatCannotBeWrittenIsLost) {
  TDLogFile log(Start({"-debug"}));
  plat::DeleteFile(LogPath());
  plat::CreateDir(LogPath());  // a folder where the file should be
  log.Log("lost");
  EXPECT_FALSE(plat::FileExists(LogPath()));
  plat::RemoveDir(LogPath());
}

TEST_F(DebugLogTest, FriendlyVersionNames) {
  EXPECT_EQ(zorbit::FriendlyHelpVersion(""), "");
  EXPECT_EQ(zorbit::FriendlyHelpVersion("4.74.8702.0"), "HTML Help 1.33");
  EXPECT_EQ(zorbit::FriendlyHelpVersion("4.74.8701.0"), "HTML Help 1.3");
  EXPECT_EQ(zorbit::FriendlyBrowserVersion("6.0.2900.2180"), "Internet Explorer 6");
  EXPECT_EQ(zorbit::FriendlyBrowserVersion("3.0.0.0"), "unknown version");
}

}  // namespace
