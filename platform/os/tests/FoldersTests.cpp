#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "platform/os/Module.h"
#include "platform/os/PlatformRoot.h"
#include "platform/os/PosixFiles.h"
#include "platform/os/ShellFolders.h"
#include "platform/os/SysTime.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/LastError.h"
#include "testing/EnvironmentVariable.h"
#include "testing/FileContent.h"
#include "testing/PlatformRoot.h"

namespace {

using namespace plat;
using zorbit::testing::TEnvironmentVariable;
using zorbit::testing::TPlatformRoot;
using zorbit::testing::WriteFileContent;
namespace fs = std::filesystem;

TEST(PlatformRoot, EverythingLivesBelowTheRootFolder) {
  TPlatformRoot root;
  const std::string r = root.Path();
  const struct {
    int Csidl;
    std::string Path;
  } folders[] = {{CSIDL_APPDATA, r + "/AppData/Roaming"},
                 {CSIDL_LOCAL_APPDATA, r + "/AppData/Local"},
                 {CSIDL_COMMON_APPDATA, r + "/ProgramData"},
                 {CSIDL_WINDOWS, r + "/Windows"},
                 {CSIDL_SYSTEM, r + "/Windows/System32"}};
  for (const auto& folder : folders) {
    EXPECT_EQ(GetSpecialFolderPath(folder.Csidl), folder.Path);
    EXPECT_TRUE(fs::is_directory(folder.Path)) << folder.Path;  // made on demand
  }
  EXPECT_EQ(GetSpecialFolderPath(5), "");
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(GetWindowsDirectory(), r + "/Windows");
  EXPECT_EQ(GetSystemDirectory(), r + "/Windows/System32");
  EXPECT_EQ(RegistryHivePath("HKLM"), r + "/registry/HKLM.reg");
  EXPECT_EQ(RegistryHivePath("HKCU"), r + "/registry/HKCU.reg");
  EXPECT_EQ(ServiceTablePath(), r + "/services.ini");
  EXPECT_EQ(RunFolder(), r + "/run");
  EXPECT_EQ(RunFolder("mutex"), r + "/run/mutex");
  EXPECT_TRUE(fs::is_directory(r + "/run/mutex"));

  TEnvironmentVariable trailing("ZORBIT_ROOT", r + "//");
  EXPECT_EQ(PlatformRootFolder(), r);
}

TEST(PlatformRoot, WithoutARootUserFoldersFollowTheXdgVariables) {
  TPlatformRoot scratch;  // only for a place to point the variables at
  const std::string s = scratch.Path();
  TEnvironmentVariable noRoot("ZORBIT_ROOT", std::nullopt);
  TEnvironmentVariable home("HOME", s + "/home");
  TEnvironmentVariable data("XDG_DATA_HOME", s + "/data");
  TEnvironmentVariable config("XDG_CONFIG_HOME", "relative/is/ignored");
  TEnvironmentVariable cache("XDG_CACHE_HOME", std::nullopt);
  TEnvironmentVariable runtime("XDG_RUNTIME_DIR", s + "/runtime");
  EXPECT_EQ(PlatformRootFolder(), "");
  EXPECT_EQ(GetSpecialFolderPath(CSIDL_APPDATA), s + "/data");
  EXPECT_EQ(GetSpecialFolderPath(CSIDL_LOCAL_APPDATA), s + "/home/.cache");
  EXPECT_EQ(RegistryHivePath("HKCU"), s + "/home/.config/zorbit/registry/HKCU.reg");
  EXPECT_EQ(RunFolder("mutex"), s + "/runtime/zorbit/mutex");
  EXPECT_EQ(fs::status(s + "/runtime/zorbit").permissions() & fs::perms::all, fs::perms::owner_all);
}

// Another user's folder (the tests run as root, so "another user" is a
// chowned folder), or a link or a file where the folder should be, is
// refused; a folder of ours that others may enter is narrowed and used.
TEST(PlatformRoot, ASquattedRunFolderIsRefused) {
  TPlatformRoot scratch;
  const std::string s = scratch.Path();
  TEnvironmentVariable noRoot("ZORBIT_ROOT", std::nullopt);
  TEnvironmentVariable runtime("XDG_RUNTIME_DIR", s);
  const std::string run = s + "/zorbit";
  const struct {
    const char* Name;
    std::function<void()> Squat;
    const char* Reason;
  } cases[] = {
      {"another owner",
       [&] {
         fs::create_directory(run);
         fs::permissions(run, fs::perms::all);
         ASSERT_EQ(::chown(run.c_str(), 65534, 65534), 0);
       },
       "belongs to another user"},
      {"a link",
       [&] {
         fs::create_directory(s + "/elsewhere");
         fs::create_directory_symlink(s + "/elsewhere", run);
       },
       "symbolic link"},
      {"a file", [&] { WriteFileContent(run, ""); }, "not a folder"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    c.Squat();
    try {
      RunFolder("mutex");
      ADD_FAILURE() << "the squatted folder was used";
    } catch (const EOSError& e) {
      EXPECT_NE(e.Message().find(run), std::string::npos) << e.Message();
      EXPECT_NE(e.Message().find(c.Reason), std::string::npos) << e.Message();
    }
    EXPECT_FALSE(fs::exists(run + "/mutex"));
    EXPECT_FALSE(fs::exists(s + "/elsewhere/mutex"));
    fs::remove_all(run);
  }
  // Ours but open to everyone: narrowed, then used.
  fs::create_directory(run);
  fs::permissions(run, fs::perms::all);
  EXPECT_EQ(RunFolder("mutex"), run + "/mutex");
  EXPECT_EQ(fs::symlink_status(run).permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST(ShellFolders, TempPathEndsInADelimiter) {
  {
    TEnvironmentVariable tmp("TMPDIR", "/var/tmp/x");
    EXPECT_EQ(GetTempPath(), "/var/tmp/x/");
  }
  TEnvironmentVariable tmp("TMPDIR", std::nullopt);
  EXPECT_EQ(GetTempPath(), "/tmp/");
}

TEST(Module, FileNameIsTheRunningProgram) {
  const std::string name = GetModuleFileName();
  EXPECT_EQ(name, fs::canonical("/proc/self/exe").string());
  EXPECT_EQ(fs::path(name).filename(), "os_tests");
}

TEST(SysTime, TickCountsAdvanceWithSleep) {
  const std::uint64_t before = GetTickCount64();
  const DWORD before32 = GetTickCount();
  Sleep(20);
  EXPECT_GE(GetTickCount64() - before, 20u);
  EXPECT_GE(static_cast<DWORD>(GetTickCount() - before32), 20u);
}

TEST(PosixFiles, EscapedNamesAreSafeDistinctAndBounded) {
  const struct {
    std::string Name;
    std::string File;
  } cases[] = {{"Plain-name_1.x", "Plain-name_1.x"},
               {"a b", "a%20b"},
               {".hidden", "%2Ehidden"},
               {"../up", "%2E.%2Fup"},
               {"A\\B", "A%5CB"},
               {std::string("\xC3\xA9", 2), "%C3%A9"}};
  for (const auto& c : cases) EXPECT_EQ(EscapeFileName(c.Name), c.File);
  const std::string longA = std::string(300, 'x') + "a";
  const std::string longB = std::string(300, 'x') + "b";
  EXPECT_LE(EscapeFileName(longA).size(), 180u);
  EXPECT_NE(EscapeFileName(longA), EscapeFileName(longB));
}

TEST(PosixFiles, ReplacedFilesAreWholeAndSizeLimitsHold) {
  TPlatformRoot root;
  const std::string path = root.Path() + "/f";
  ASSERT_TRUE(ReplaceFileAtomically(path, "first"));
  ASSERT_TRUE(ReplaceFileAtomically(path, "second"));
  EXPECT_EQ(ReadWholeFile(path, 100), std::optional<std::string>("second"));
  EXPECT_FALSE(ReadWholeFile(path, 3).has_value());
  EXPECT_FALSE(ReplaceFileAtomically(root.Path() + "/missing/f", "x"));
  EXPECT_EQ(fs::directory_iterator(root.Path())->path().filename(), "f");  // no temporary left
}

}  // namespace
