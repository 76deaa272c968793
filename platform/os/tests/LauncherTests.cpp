#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/os/CommandLineToArgv.h"
#include "platform/os/Launcher.h"
#include "platform/os/ProcessSpawn.h"
#include "platform/rtl/LastError.h"
#include "platform/rtl/ScopeExit.h"
#include "testing/FileContent.h"
#include "testing/PlatformRoot.h"
#include "testing/WaitUntil.h"

namespace {

using namespace plat;
using zorbit::testing::ReadFileContent;
using zorbit::testing::TPlatformRoot;
using zorbit::testing::WaitUntil;
using zorbit::testing::WriteFileContent;
using TKind = TRecordingLauncher::TKind;

TEST(CommandLineToArgv, SplitsWithThePlatformsQuotingRules) {
  const struct {
    const char* Line;
    std::vector<std::string> Args;
  } cases[] = {
      {"", {}},
      {"   \t ", {}},
      {"prog", {"prog"}},
      {"  prog  a\tb  ", {"prog", "a", "b"}},
      {"\"C:\\Program Files\\x.exe\" /s", {"C:\\Program Files\\x.exe", "/s"}},
      {"a\"b c\"d e", {"ab cd", "e"}},
      {"\"\"", {""}},
      {"a \"\" b", {"a", "", "b"}},
      {"C:\\dir\\ x", {"C:\\dir\\", "x"}},
      {"a\\\\\"b c\"", {"a\\b c"}},
      {"a\\\"b", {"a\"b"}},
      {"a\\\\\\\"b", {"a\\\"b"}},
      {"\"unterminated quote", {"unterminated quote"}},
  };
  for (const auto& c : cases) EXPECT_EQ(CommandLineToArgv(c.Line), c.Args) << c.Line;
}

class LauncherTest : public ::testing::Test {
 protected:
  LauncherTest() {
    SetProgramLauncher(&FRecorder);
    FProgram = FRoot.Path() + "/tool.sh";
    WriteFileContent(FProgram, "#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/ran.txt\"\n");
    ::chmod(FProgram.c_str(), 0755);
    FDocument = FRoot.Path() + "/notes.txt";
    WriteFileContent(FDocument, "text");
  }
  ~LauncherTest() override { SetProgramLauncher(nullptr); }

  TPlatformRoot FRoot;
  TRecordingLauncher FRecorder;
  std::string FProgram;
  std::string FDocument;
};

TEST_F(LauncherTest, ShellExecuteOpensDocumentsAndUrlsAndRunsPrograms) {
  EXPECT_GT(ShellExecute("open", "https://example.org/help?x=1", "", "", 1), 32);
  EXPECT_GT(ShellExecute("", FDocument, "ignored", "", 1), 32);
  EXPECT_GT(ShellExecute("OPEN", FProgram, "a \"b c\"", FRoot.Path(), 9), 32);
  EXPECT_GT(ShellExecute("open", "notes.txt", "", FRoot.Path(), 1), 32);  // relative to the folder
  std::filesystem::create_directory(FRoot.Path() + "/docs");
  WriteFileContent(FRoot.Path() + "/docs/readme.txt", "");
  EXPECT_GT(ShellExecute("open", "docs\\readme.txt", "", FRoot.Path(), 1), 32);  // "\" delimits too
  EXPECT_GT(ShellExecute("open", "sh", "-c true", "", 1), 32);                   // found on PATH
  const auto& calls = FRecorder.Calls();
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_EQ(calls[0].Kind, TKind::Document);
  EXPECT_EQ(calls[0].Target, "https://example.org/help?x=1");
  EXPECT_EQ(calls[1].Kind, TKind::Document);
  EXPECT_EQ(calls[1].Target, FDocument);
  EXPECT_EQ(calls[2].Kind, TKind::Program);
  EXPECT_EQ(calls[2].Argv, (std::vector<std::string>{FProgram, "a", "b c"}));
  EXPECT_EQ(calls[2].Directory, FRoot.Path());
  EXPECT_EQ(calls[3].Target, FDocument);
  EXPECT_EQ(calls[4].Target, FRoot.Path() + "/docs/readme.txt");
  EXPECT_EQ(calls[5].Kind, TKind::Program);
  EXPECT_EQ(std::filesystem::path(calls[5].Argv.at(0)).filename(), "sh");
  EXPECT_EQ(calls[5].Argv.size(), 3u);
}

TEST_F(LauncherTest, ShellExecuteFailuresStartNothing) {
  const struct {
    const char* Verb;
    std::string File;
    std::intptr_t Result;
  } cases[] = {
      {"print", FDocument, SE_ERR_NOASSOC},
      {"open", "", SE_ERR_FNF},
      {"open", FRoot.Path() + "/missing.txt", SE_ERR_FNF},
      {"open", FRoot.Path() + "/no/such/folder/file.txt", SE_ERR_PNF},
      {"open", "no-such-program-xyz", SE_ERR_FNF},
  };
  for (const auto& c : cases) EXPECT_EQ(ShellExecute(c.Verb, c.File, "", "", 1), c.Result) << c.File;
  EXPECT_TRUE(FRecorder.Calls().empty());
  FRecorder.SetResult(ERROR_ACCESS_DENIED);
  EXPECT_EQ(ShellExecute("open", FProgram, "", "", 1), SE_ERR_ACCESSDENIED);
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

TEST_F(LauncherTest, RunProgramSplitsTheCommandLine) {
  EXPECT_GT(RunProgram("\"" + FProgram + "\" one \"two three\"", 9), 31u);
  ASSERT_EQ(FRecorder.Calls().size(), 1u);
  EXPECT_EQ(FRecorder.Calls()[0].Argv, (std::vector<std::string>{FProgram, "one", "two three"}));
  const struct {
    std::string Line;
    DWORD Result;
  } cases[] = {{"", ERROR_FILE_NOT_FOUND},
               {FRoot.Path() + "/missing.exe", ERROR_FILE_NOT_FOUND},
               {FRoot.Path() + "/none/x.exe", ERROR_PATH_NOT_FOUND},
               {FDocument, ERROR_BAD_FORMAT}};
  for (const auto& c : cases) EXPECT_EQ(RunProgram(c.Line, 1), c.Result) << c.Line;
  EXPECT_EQ(FRecorder.Calls().size(), 1u);
}

TEST_F(LauncherTest, RealLauncherStartsTheProgram) {
  SetProgramLauncher(nullptr);
  EXPECT_GT(RunProgram("\"" + FProgram + "\" started by the launcher", 1), 31u);
  const std::string ran = FRoot.Path() + "/ran.txt";
  ASSERT_TRUE(WaitUntil([&] { return ReadFileContent(ran) == "started by the launcher\n"; }));
  TProgramLauncher real;
  EXPECT_EQ(real.StartProgram({FRoot.Path() + "/missing"}, ""), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(real.StartProgram({FProgram}, FRoot.Path() + "/no/such/folder"), ERROR_FILE_NOT_FOUND);
}

TEST_F(LauncherTest, TheDefaultLauncherStandsInWhileNoOtherIsSet) {
  TRecordingLauncher fallback;
  SetDefaultProgramLauncher(&fallback);
  const ScopeExit restore([] { SetDefaultProgramLauncher(nullptr); });
  EXPECT_EQ(&ProgramLauncher(), &FRecorder);
  SetProgramLauncher(nullptr);
  EXPECT_EQ(&ProgramLauncher(), &fallback);
  EXPECT_EQ(DefaultProgramLauncher(), &fallback);
  EXPECT_GT(ShellExecute("open", "https://example.org/", "", "", 1), 32);
  ASSERT_EQ(fallback.Calls().size(), 1u);
  EXPECT_EQ(fallback.Calls()[0].Target, "https://example.org/");
}

TEST(ProcessSpawn, SpawnedProgramsGetTheirEnvironmentAndNoInheritedDescriptors) {
  TPlatformRoot root;
  const std::string out = root.Path() + "/out.txt";
  TSpawnRequest request;
  request.Argv = {"sh", "-c", "echo \"$MARK\" $(ls /proc/self/fd | wc -l); pwd"};
  request.Environment = {"MARK=set", "PATH=/usr/bin:/bin"};
  request.Directory = root.Path();
  request.OutputPath = out;
  ASSERT_GT(SpawnDetached(request), 0);
  // stdin, stdout, stderr and the descriptor ls reads through.
  ASSERT_TRUE(WaitUntil([&] { return ReadFileContent(out) == "set 4\n" + root.Path() + "\n"; }))
      << ReadFileContent(out);
  request.Argv = {};
  EXPECT_EQ(SpawnDetached(request), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

}  // namespace
