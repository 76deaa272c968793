// The small operating-system routines the service link shares.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "platform/os/NamedMutex.h"
#include "platform/os/Registry.h"
#include "platform/rtl/CommandLine.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StringList.h"
#include "platform/win/CrossProcessWindows.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/Display.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowText.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/WinTestHelper.h"
#include "service/GenericAPI.h"
#include "service/GenericShellAPI.h"
#include "service/ZorbitConfig.h"
#include "service/tests/ServiceTestEnvironment.h"
#include "testing/EnvironmentVariable.h"
#include "testing/LocaleScope.h"
#include "testing/TempFolder.h"

namespace zorbit::testing {
namespace {

class GenericApiTest : public ServiceTest {};

TEST_F(GenericApiTest, IncludeTrailingDelimiter) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", ""},     {"C:", "C:\\"},        {"a/b", "a/b/"},        {"C:\\dir\\", "C:\\dir\\"},
      {"x/", "x/"}, {"a\\b/c", "a\\b/c/"}, {"\\Ovra", "\\Ovra\\"}, {"Gr\xc3\xbc\xc3\x9f", "Gr\xc3\xbc\xc3\x9f\\"},
  };
  for (const auto& [path, expected] : cases) EXPECT_EQ(IncludeTrailingDelimiter(path), expected) << path;
}

TEST_F(GenericApiTest, HexByteList) {
  EXPECT_EQ(HexByteList(""), "");
  EXPECT_EQ(HexByteList(std::string("\x01\xab\xff", 3)), "01,AB,FF");
  EXPECT_EQ(HexByteList(std::string("\0", 1)), "00");
}

TEST_F(GenericApiTest, StrToFloatTolerantReadsBothSeparatorsInBothLocales) {
  for (const plat::TFormatSettings& locale : {plat::TFormatSettings::English(), plat::TFormatSettings::German()}) {
    TLocaleScope scope(locale);
    SCOPED_TRACE(std::string("decimal separator ") + locale.DecimalSeparator);
    EXPECT_DOUBLE_EQ(StrToFloatTolerant("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloatTolerant("1,5"), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloatTolerant("-2"), -2);
    EXPECT_DOUBLE_EQ(StrToFloatTolerant("0"), 0);
    EXPECT_DOUBLE_EQ(StrToFloatTolerant("abc"), 0);
    EXPECT_DOUBLE_EQ(StrToFloatTolerant(""), 0);
  }
}

TEST_F(GenericApiTest, ListValuesAndIntegers) {
  plat::TStringList list;
  list.SetCommaText("result=257,EAX=$1F,ecx=x10,EDX=0X20,Empty=,Junk=12a,Name=first,name=second,Big=4294967295");
  EXPECT_EQ(GetListValue(nullptr, "EAX"), "");
  EXPECT_EQ(GetListValue(&list, "Missing"), "");
  EXPECT_EQ(GetListValue(&list, "NAME"), "first");
  EXPECT_EQ(GetListInt(&list, "result", -1), 257);
  EXPECT_EQ(GetListInt(&list, "eax", -1), 31);
  EXPECT_EQ(GetListInt(&list, "ECX", -1), 16);
  EXPECT_EQ(GetListInt(&list, "EDX", -1), 32);
  EXPECT_EQ(GetListInt(&list, "Empty", -1), -1);
  EXPECT_EQ(GetListInt(&list, "Junk", -1), -1);
  EXPECT_EQ(GetListInt(&list, "Missing", 7), 7);
  EXPECT_EQ(GetListInt(&list, "Big", -1), 4294967295);
  EXPECT_EQ(GetListValue(&list, "Name", true), "first");
  EXPECT_EQ(GetListValue(&list, "Name"), "second");
}

TEST_F(GenericApiTest, WriteLogOnlyAppendsToAnExistingFile) {
  const std::string log = GetCommonAppDataDir() + "qellog.txt";
  WriteLog("[Test]: not written");
  EXPECT_FALSE(std::ifstream(log).good());

  std::ofstream(log) << "first line\r\n";
  WriteLog("[Test]: written");
  std::ifstream in(log, std::ios::binary);
  const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(content.rfind("first line\r\n", 0), 0u);
  EXPECT_NE(content.find(": [Test]: written\r\n"), std::string::npos);
  EXPECT_EQ(content.substr(content.size() - 2), "\r\n");
}

TEST_F(GenericApiTest, ApplicationDataFoldersLieBelowThePlatformRoot) {
  EXPECT_EQ(GetCommonAppDataDir().rfind(Root, 0), 0u);
  EXPECT_EQ(GetAppDataDir().rfind(Root, 0), 0u);
  EXPECT_EQ(GetCommonAppDataDir().back(), '/');
  EXPECT_EQ(GPGetSpecialFolder(12345), "");
}

TEST_F(GenericApiTest, ReadConfigStringReadsOnlyStrings) {
  {
    plat::TRegistry registry;
    registry.SetRootKey(plat::HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(registry.OpenKey("\\Software\\Ovra\\Zorbit", true));
    registry.WriteString("Language", "German");
    registry.WriteExpandString("Path", "%SystemRoot%\\x");
    registry.WriteInteger("Version", 3);
    registry.SetRootKey(plat::HKEY_CURRENT_USER);
    ASSERT_TRUE(registry.OpenKey("\\Software\\Ovra\\Zorbit", true));
    registry.WriteString("Language", "French");
  }
  EXPECT_EQ(ReadConfigString("Language", false, "\\Software\\Ovra\\Zorbit"), "German");
  EXPECT_EQ(ReadConfigString("language", false, "Software\\Ovra\\Zorbit"), "German");
  EXPECT_EQ(ReadConfigString("Language", true, "\\Software\\Ovra\\Zorbit"), "French");
  EXPECT_EQ(ReadConfigString("Path", false, "\\Software\\Ovra\\Zorbit"), "%SystemRoot%\\x");
  EXPECT_EQ(ReadConfigString("Version", false, "\\Software\\Ovra\\Zorbit"), "");
  EXPECT_EQ(ReadConfigString("Missing", false, "\\Software\\Ovra\\Zorbit"), "");
  EXPECT_EQ(ReadConfigString("Language", false, "\\Software\\Nobody"), "");
}

TEST_F(GenericApiTest, VersionStringsComeFromTheProgramFile) {
  const plat::TStrings& strings = VersionStrings();
  EXPECT_EQ(strings.Values("ProductVersion"), "1.0.0");
  EXPECT_EQ(strings.Values("CompanyName"), "Ovra");
  EXPECT_EQ(strings.Names(0), "CompanyName");
  EXPECT_EQ(strings.IndexOfName("LegalTradeMarks"), -1);  // absent strings are left out
}

// Starts Count copies at the same moment; each runs the single-instance
// check and keeps its mutex until all have answered. Answers how many copies
// were told to go on.
int CopiesThatRun(const std::string& name, int count) {
  int go[2], hold[2], answers[2];
  if (::pipe(go) != 0 || ::pipe(hold) != 0 || ::pipe(answers) != 0) return -1;
  std::vector<pid_t> children;
  for (int i = 0; i < count; ++i) {
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(go[1]);
      ::close(hold[1]);
      char byte;
      if (::read(go[0], &byte, 1) != 1) ::_exit(2);
      const char answer = CheckSingleInstance(name, "TfmZorbitMain", false) ? 'E' : 'R';
      if (::write(answers[1], &answer, 1) != 1) ::_exit(2);
      // Keep the mutex until the parent has every answer and closes the pipe.
      while (::read(hold[0], &byte, 1) > 0) {
      }
      ::_exit(0);
    }
    children.push_back(child);
  }
  ::close(go[0]);
  ::close(hold[0]);
  const std::string start(static_cast<std::size_t>(count), 'x');
  if (::write(go[1], start.data(), start.size()) != count) return -1;
  int running = 0;
  for (int i = 0; i < count; ++i) {
    char answer = 0;
    if (::read(answers[0], &answer, 1) != 1) return -1;
    running += answer == 'R';
  }
  ::close(go[1]);
  ::close(hold[1]);
  for (const pid_t child : children) ::waitpid(child, nullptr, 0);
  ::close(answers[0]);
  ::close(answers[1]);
  return running;
}

TEST_F(GenericApiTest, ExactlyOneOfSeveralCopiesStartedAtOnceRuns) {
  EXPECT_EQ(CopiesThatRun("Ovra Zorbit Management", 6), 1);
}

TEST_F(GenericApiTest, ASecondCopyEnds) {
  EXPECT_FALSE(CheckSingleInstance("Ovra Zorbit Management", "TfmZorbitMain", true));
  EXPECT_EQ(CopiesThatRun("Ovra Zorbit Management", 1), 0);
}

// Where the mutex should be kept, a file stands (tests may run as root, so
// taking rights away would not hold): under the platform root, or in place
// of the user's run folder. This copy ends, and says why.
TEST_F(GenericApiTest, WithoutItsMutexACopyEndsAndSaysWhy) {
  const TTempFolder runtime("zorbit-runtime");
  struct TCase {
    const char* Name;
    std::string BlockedFolder;
    std::optional<std::string> PlatformRoot;
    std::string Reason;
  };
  const std::string userRunFolder = runtime.File("zorbit");
  for (const TCase& c :
       {TCase{"platform root", Root + "/run/mutex", Root, "The system cannot find the path specified."},
        TCase{"user's run folder", userRunFolder, std::nullopt,
              "The run folder " + userRunFolder + " cannot be used: it is not a folder"}}) {
    SCOPED_TRACE(c.Name);
    std::filesystem::create_directories(std::filesystem::path(c.BlockedFolder).parent_path());
    std::ofstream(c.BlockedFolder) << "not a folder";
    const TEnvironmentVariable root("ZORBIT_ROOT", c.PlatformRoot);
    const TEnvironmentVariable xdg("XDG_RUNTIME_DIR", runtime.Path());
    Messages.clear();
    EXPECT_TRUE(CheckSingleInstance("Ovra Zorbit Management", "TfmZorbitMain", true));
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Caption, "Ovra Zorbit Management");
    EXPECT_EQ(Messages[0].Title, "The program cannot start");
    EXPECT_EQ(Messages[0].Text, "It cannot check whether another copy of it is already running. " + c.Reason);
    EXPECT_EQ(Messages[0].Icon, 1);
    EXPECT_EQ(Messages[0].Buttons, 0);
  }
}

TEST_F(GenericApiTest, ExitEndsWithoutCreatingTheMutex) {
  const char* argv[] = {"zorbit", "exit"};
  plat::SetCommandLine(2, argv);
  EXPECT_TRUE(CheckSingleInstance("Ovra Zorbit Management", "TfmZorbitMain", true));
  plat::SetCommandLine(0, nullptr);
  EXPECT_EQ(plat::OpenMutex(plat::SYNCHRONIZE, false, "Ovra Zorbit Management"), nullptr);
}

// A running copy is played by the window layer's helper process: it holds
// the mutex and shows the application and main windows; this process is the
// second copy.
class SecondCopyTest : public GenericApiTest {
 protected:
  void SetUp() override {
    GenericApiTest::SetUp();
    plat::SetDisplay(plat::CreateHeadlessDisplay());
  }
  void TearDown() override {
    if (OwnApplication != nullptr) plat::DestroyWindow(OwnApplication);
    GenericApiTest::TearDown();
  }

  // This copy's own (hidden) application window, as the class library makes it.
  void MakeOwnApplicationWindow() {
    plat::WNDCLASSA windowClass;
    windowClass.lpfnWndProc = plat::DefWindowProcA;
    windowClass.lpszClassName = "TApplication";
    plat::RegisterClassA(&windowClass);  // may exist from an earlier test
    OwnApplication = plat::CreateWindowExA(0, "TApplication", "Ovra Zorbit Management", plat::WS_POPUP, 0, 0, 0, 0,
                                           nullptr, nullptr, nullptr, nullptr);
  }

  plat::HWND OwnApplication = nullptr;
};

TEST_F(SecondCopyTest, BringsTheRunningCopyToTheFront) {
  plat::testing::WinTestHelper running({"--mutex", "Ovra Zorbit Management", "TApplication", "Ovra Zorbit Management",
                                        "shown", "TfmZorbitMain", "Ovra Zorbit Management", "shown"});
  // Its main window, shown last, is its active window now.
  MakeOwnApplicationWindow();
  EXPECT_TRUE(CheckSingleInstance("Ovra Zorbit Management", "TfmZorbitMain", true));
  EXPECT_TRUE(running.WaitForLine("activate TApplication"));
  EXPECT_EQ(plat::WindowText(OwnApplication), "");
}

TEST_F(SecondCopyTest, ShowsTheRunningCopyRestoredWhenItsMainWindowIsHidden) {
  plat::testing::WinTestHelper running({"--mutex", "Ovra Zorbit Management", "TApplication", "Ovra Zorbit Management",
                                        "hidden", "TfmZorbitMain", "Ovra Zorbit Management", "hidden"});
  MakeOwnApplicationWindow();
  EXPECT_TRUE(CheckSingleInstance("Ovra Zorbit Management", "TfmZorbitMain", true));
  EXPECT_TRUE(running.WaitForLine("show TApplication 1"));
}

TEST_F(SecondCopyTest, ExitClosesTheRunningCopyMainWindowBeforeAnswering) {
  plat::testing::WinTestHelper running({"--mutex", "Ovra Zorbit Management", "TfmZorbitMain", "Main", "shown"});
  const char* argv[] = {"zorbit", "exit"};
  plat::SetCommandLine(2, argv);
  EXPECT_TRUE(CheckSingleInstance("Ovra Zorbit Management", "TfmZorbitMain", true));
  plat::SetCommandLine(0, nullptr);
  EXPECT_TRUE(running.WaitForLine("close TfmZorbitMain", std::chrono::milliseconds(0)));
  EXPECT_EQ(running.WaitExit(), 0);
}

}  // namespace
}  // namespace zorbit::testing
