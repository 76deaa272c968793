// The help launcher: the help address, finding the control, and a topic of
// a real compiled help file opened through the program launcher, with the
// steps in the debug log.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include "app/DebugLog.h"
#include "app/HelpLauncher.h"
#include "app/HtmlHelpControl.h"
#include "platform/os/HelpControl.h"
#include "platform/os/ModuleExports.h"
#include "platform/os/Registry.h"
#include "platform/os/ShellFolders.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/FileUtils.h"
#include "platform/win/HtmlHelp.h"
#include "testing/CompiledHelpFile.h"
#include "testing/FileContent.h"
#include "testing/FormTest.h"
#include "testing/TempFolder.h"

namespace {

using plat::TRecordingLauncher;
using zorbit::testing::ReadFileContent;
using zorbit::testing::TTempFolder;

TEST(HelpAddressTest, FileTopicAndWindowMakeOneAddress) {
  struct TCase {
    const char* File;
    const char* Topic;
    const char* Window;
    const char* Address;
  };
  const TCase cases[] = {
      {"a.chm", "/html/ZRHELP.htm", "", "a.chm::/html/ZRHELP.htm"},
      {"a.chm", "html\\ZRHELP.htm", "", "a.chm::/html/ZRHELP.htm"},
      {" my%20help.chm ", " /t.htm%20", "", "my help.chm::/t.htm"},
      {"", "html/ZRHELP.htm", "", "/html/ZRHELP.htm"},
      {"a.chm", "", "", "a.chm"},
      {"a.chm", "t.htm", "main%20win", "a.chm::/t.htm>main win"},
      {"", "", "", ""},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(zorbit::HelpAddress(c.File, c.Topic, c.Window), c.Address) << c.File << "|" << c.Topic;
}

TEST(ExpandSystemRootTest, ThePrefixInAnyCaseIsTheWindowsFolder) {
  EXPECT_EQ(zorbit::ExpandSystemRoot("%SystemRoot%\\System32\\hhctrl.ocx", "/r/Windows"),
            "/r/Windows\\System32\\hhctrl.ocx");
  EXPECT_EQ(zorbit::ExpandSystemRoot("%systemroot%\\System32\\hhctrl.ocx", "/r/Windows"),
            "/r/Windows\\System32\\hhctrl.ocx");
  EXPECT_EQ(zorbit::ExpandSystemRoot("%SYSTEMROOT%x", "/w"), "/wx");
  EXPECT_EQ(zorbit::ExpandSystemRoot("%SystemRoot%", "/w"), "/w");
  EXPECT_EQ(zorbit::ExpandSystemRoot("/x/%SystemRoot%/h.ocx", "/w"), "/x/%SystemRoot%/h.ocx");
  EXPECT_EQ(zorbit::ExpandSystemRoot("", "/w"), "");
}

std::vector<std::string> LoggedTexts(const std::string& Path) {
  std::vector<std::string> texts;
  std::istringstream in(ReadFileContent(Path));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // A stamped line starts with the time.
    const size_t gap = line.find("   ");
    const bool stamped = !line.empty() && std::isdigit(static_cast<unsigned char>(line[0])) && gap != std::string::npos;
    texts.push_back(stamped ? line.substr(gap + 3) : line);
  }
  return texts;
}

class HelpLauncherTest : public zorbit::testing::FormTest {
 protected:
  static void SetUpTestSuite() {
    Sources = new TTempFolder("zorbit-hl");
    const zorbit::testing::THelpPages pages = {{"index.htm", "<p>Start</p>"},
                                               {"html/ZRHELP.htm", "<p>Topic</p>"}};
    Help = zorbit::testing::MakeCompiledHelp(*Sources, "ZHELP_Zorbit1", pages, "index.htm");
    SpacedHelp = zorbit::testing::MakeCompiledHelp(*Sources, "my help", pages, "index.htm");
  }
  static void TearDownTestSuite() {
    delete Sources;
    Sources = nullptr;
  }

  void SetUp() override {
    FormTest::SetUp();
    plat::RegisterHelpControl();
  }
  void TearDown() override {
    zorbit::FinalizeDebugLog();
    zorbit::FinalizeHtmlHelp();
    plat::RegisterHelpControl();
    FormTest::TearDown();
  }

  // Starts the units as the program does, logging in debug mode.
  void Start() {
    zorbit::InitializeHtmlHelp();
    zorbit::TDLogStart start = zorbit::CurrentDLogStart();
    start.ModulePath = FProgram.File("zorbit");
    start.RunPath = start.ModulePath;
    start.Params = {"-DEBUG"};
    zorbit::InitializeDebugLog(start);
  }
  // The log's lines after its header.
  std::vector<std::string> HelpLines() const {
    std::vector<std::string> texts = LoggedTexts(FProgram.File("HHDebug.txt"));
    const auto last = std::find_if(texts.begin(), texts.end(),
                                   [](const std::string& t) { return t.rfind("_ieFriendlyVerStr", 0) == 0; });
    return last == texts.end() ? texts : std::vector<std::string>(last + 1, texts.end());
  }
  const std::vector<TRecordingLauncher::TCall>& Launches() { return Display().Launches().Calls(); }

  static TTempFolder* Sources;
  static std::string Help;
  static std::string SpacedHelp;
  TTempFolder FProgram{"zorbit-hl-program"};
};

TTempFolder* HelpLauncherTest::Sources = nullptr;
std::string HelpLauncherTest::Help;
std::string HelpLauncherTest::SpacedHelp;

TEST_F(HelpLauncherTest, AnInstalledControlOpensTheTopicAndLogsEachStep) {
  ASSERT_TRUE(plat::InstallHelpControl(HHSETUP_PATH));
  Start();
  EXPECT_TRUE(zorbit::HtmlHelpControl().Installed());
  EXPECT_EQ(zorbit::HtmlHelpControl().VersionText(), "5.2.1.0");
  EXPECT_NE(zorbit::HtmlHelpControl().HtmlHelpW(), nullptr);

  EXPECT_EQ(zorbit::ShowHelpTopic(Help, "/html/ZRHELP.htm", "", 0), zorbit::HH_SHOWN);
  ASSERT_EQ(Launches().size(), 1u);
  const std::string& target = Launches()[0].Target;
  EXPECT_EQ(target.substr(target.size() - 16), "/html/ZRHELP.htm");
  EXPECT_EQ(ReadFileContent(target), "<p>Topic</p>");

  const std::vector<std::string> expected = {
      "HHHelpContext(\"" + Help + "\", /html/ZRHELP.htm, \"\", 0)",
      "ShowTopic(\"" + Help + "::/html/ZRHELP.htm\", 0)",
      "  returned - 0",
  };
  EXPECT_EQ(HelpLines(), expected);
  const std::vector<std::string> all = LoggedTexts(FProgram.File("HHDebug.txt"));
  EXPECT_NE(std::find(all.begin(), all.end(), "_hhInstalled =      \tYES"), all.end());
}

TEST_F(HelpLauncherTest, ABlankWrittenAsPercent20AndABackslashedTopicStillOpen) {
  ASSERT_TRUE(plat::InstallHelpControl(HHSETUP_PATH));
  Start();
  const size_t blank = SpacedHelp.rfind(' ');
  const std::string escaped = SpacedHelp.substr(0, blank) + "%20" + SpacedHelp.substr(blank + 1);
  EXPECT_EQ(zorbit::ShowHelpTopic(escaped, "html\\ZRHELP.htm", "", 0), zorbit::HH_SHOWN);
  ASSERT_EQ(Launches().size(), 1u);
  EXPECT_EQ(ReadFileContent(Launches()[0].Target), "<p>Topic</p>");
}

TEST_F(HelpLauncherTest, TheControlIsFoundByItsRegistrationInAnyCase) {
  ASSERT_TRUE(plat::InstallHelpControl(HHSETUP_PATH));
  // The registration names a copy elsewhere in the Windows folder.
  const std::string windows = plat::ExcludeTrailingPathDelimiter(plat::NormalizePath(plat::GetWindowsDirectory()));
  plat::ForceDirectories(windows + "/Help");
  const std::string copy = windows + "/Help/hhctrl.ocx";
  zorbit::testing::WriteFileContent(copy, ReadFileContent(plat::HelpControlPath()));
  plat::TRegistry registry;
  registry.SetRootKey(plat::HKEY_CLASSES_ROOT);
  ASSERT_TRUE(registry.OpenKey(plat::kHelpControlClassKey, true));
  registry.WriteString("", "%systemroot%\\Help\\hhctrl.ocx");
  registry.CloseKey();
  zorbit::InitializeHtmlHelp();
  EXPECT_EQ(plat::NormalizePath(zorbit::HtmlHelpControl().Path()), copy);
  EXPECT_TRUE(zorbit::HtmlHelpControl().Installed());
}

TEST_F(HelpLauncherTest, WithoutTheControlNothingIsShown) {
  Start();
  EXPECT_FALSE(zorbit::HtmlHelpControl().Installed());
  EXPECT_EQ(zorbit::ShowHelpTopic(Help, "/html/ZRHELP.htm", "", 0), zorbit::HH_NOT_INSTALLED);
  EXPECT_TRUE(Launches().empty());
  EXPECT_EQ(HelpLines().back(), "  returned - 1");
}

TEST_F(HelpLauncherTest, AControlWithAVersionButNoHtmlHelpAIsNotInstalled) {
  ASSERT_TRUE(plat::InstallHelpControl(HHSETUP_PATH));
  plat::RegisterProcAddress(plat::kHelpControlFileName, "HtmlHelpA", nullptr);
  Start();
  EXPECT_EQ(zorbit::HtmlHelpControl().VersionText(), "5.2.1.0");
  EXPECT_FALSE(zorbit::HtmlHelpControl().Installed());
  EXPECT_EQ(zorbit::ShowHelpTopic(Help, "/html/ZRHELP.htm", "", 0), zorbit::HH_NOT_INSTALLED);
  EXPECT_TRUE(Launches().empty());
}

TEST_F(HelpLauncherTest, AMissingTopicOrFileShowsNothingButTheControlWasCalled) {
  ASSERT_TRUE(plat::InstallHelpControl(HHSETUP_PATH));
  Start();
  EXPECT_EQ(zorbit::ShowHelpTopic(Help, "/html/none.htm", "", 0), zorbit::HH_SHOWN);
  EXPECT_EQ(zorbit::ShowHelpTopic(Sources->File("none.chm"), "/html/ZRHELP.htm", "", 0), zorbit::HH_SHOWN);
  // Without a language pack there is no file: the control gets the topic alone.
  EXPECT_EQ(zorbit::ShowHelpTopic("", "/html/ZRHELP.htm", "", 0), zorbit::HH_SHOWN);
  EXPECT_EQ(HelpLines()[HelpLines().size() - 2], "ShowTopic(\"/html/ZRHELP.htm\", 0)");
  EXPECT_TRUE(Launches().empty());
}

}  // namespace
