// The HTML Help control: installed and found by name as a program finds it,
// topics shown through the launcher (recorded by the headless display),
// and every failure answered without a window.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/os/HelpControl.h"
#include "platform/os/ModuleExports.h"
#include "platform/os/Registry.h"
#include "platform/os/VersionInfo.h"
#include "platform/rtl/LastError.h"
#include "platform/rtl/Unicode.h"
#include "platform/win/HtmlHelp.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/WindowFixture.h"
#include "testing/CompiledHelpFile.h"
#include "testing/FileContent.h"
#include "testing/PlatformRoot.h"
#include "testing/RunProgram.h"
#include "testing/TempFolder.h"

namespace plat::testing {
namespace {

using zorbit::testing::MakeCompiledHelp;
using zorbit::testing::ReadFileContent;
using zorbit::testing::RunProgram;
using zorbit::testing::TPlatformRoot;
using zorbit::testing::TTempFolder;
using TKind = TRecordingLauncher::TKind;

using HtmlHelpAFunction = HWND (*)(HWND, const char*, UINT, DWORD_PTR);

class HtmlHelpTest : public WindowTest {
 protected:
  static void SetUpTestSuite() {
    Sources = new TTempFolder("zorbit-help");
    Help = MakeCompiledHelp(*Sources, "help",
                            {{"index.htm", "<p>Start</p>"},
                             {"html/ZRHELP.htm", "<p>Topic</p><img src=\"pic.gif\">"},
                             {"html/pic.gif", "GIF89a;"}},
                            "index.htm");
  }
  static void TearDownTestSuite() {
    delete Sources;
    Sources = nullptr;
  }

  void SetUp() override {
    WindowTest::SetUp();
    RegisterHelpControl();
  }

  // The one page the browser was given: its path's end and its content.
  void ExpectShown(const std::string& page, const std::string& content) {
    const auto& calls = Display().Launches().Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Kind, TKind::Document);
    const std::string& target = calls[0].Target;
    ASSERT_GE(target.size(), page.size());
    EXPECT_EQ(target.substr(target.size() - page.size()), page);
    EXPECT_EQ(ReadFileContent(target), content);
  }

  static TTempFolder* Sources;
  static std::string Help;
  TPlatformRoot FRoot{"zorbit-help-root"};
};

TTempFolder* HtmlHelpTest::Sources = nullptr;
std::string HtmlHelpTest::Help;

TEST_F(HtmlHelpTest, InstalledControlIsFoundAsAProgramFindsIt) {
  const auto setup = RunProgram({HHSETUP_PATH});
  ASSERT_EQ(setup.ExitCode, 0) << setup.Output;
  const std::optional<TVersionInfo> version = GetFileVersionInfo(HelpControlPath());
  ASSERT_TRUE(version.has_value());
  EXPECT_EQ(version->Fixed().dwFileVersionMS, (5u << 16) | 2u);
  EXPECT_EQ(version->Fixed().dwFileVersionLS, 1u << 16);
  TRegistry registry;
  registry.SetRootKey(HKEY_CLASSES_ROOT);
  ASSERT_TRUE(registry.OpenKeyReadOnly(kHelpControlClassKey));
  EXPECT_EQ(registry.ReadString(""), "%SystemRoot%\\System32\\hhctrl.ocx");

  const HMODULE module = LoadLibrary(HelpControlPath());
  ASSERT_NE(module, nullptr);
  const auto htmlHelp = reinterpret_cast<HtmlHelpAFunction>(GetProcAddress(module, "HtmlHelpA"));
  ASSERT_NE(htmlHelp, nullptr);
  EXPECT_NE(GetProcAddress(module, "HtmlHelpW"), nullptr);
  htmlHelp(GetDesktopWindow(), (Help + "::/html/ZRHELP.htm").c_str(), HH_DISPLAY_TOPIC, 0);
  ExpectShown("/html/ZRHELP.htm", "<p>Topic</p><img src=\"pic.gif\">");
  EXPECT_TRUE(FreeLibrary(module));
}

TEST_F(HtmlHelpTest, WithoutItsFileTheControlDoesNotLoad) {
  SetLastError(ERROR_SUCCESS);
  EXPECT_FALSE(InstallHelpControl(Sources->File("missing.ocx")));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(LoadLibrary(HelpControlPath()), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
}

TEST_F(HtmlHelpTest, TopicsByEveryFormOfAddress) {
  struct TCase {
    std::string Address;
    const char* DataTopic;
    const char* Page;
  };
  std::string backslashed = Help;
  std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
  for (const TCase& c : {TCase{Help + "::/html/ZRHELP.htm", nullptr, "/html/ZRHELP.htm"},
                         TCase{Help + "::/html/ZRHELP.htm>main", nullptr, "/html/ZRHELP.htm"},
                         TCase{backslashed + "::/html/ZRHELP.htm", nullptr, "/html/ZRHELP.htm"},
                         TCase{Help, "/html/ZRHELP.htm", "/html/ZRHELP.htm"},
                         TCase{Help, nullptr, "/index.htm"}}) {
    Display().Launches().Clear();
    SetLastError(ERROR_INVALID_PARAMETER);
    EXPECT_EQ(HtmlHelpA(nullptr, c.Address.c_str(), HH_DISPLAY_TOPIC, reinterpret_cast<DWORD_PTR>(c.DataTopic)),
              nullptr);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS) << c.Address;
    ExpectShown(c.Page, c.Page == std::string("/index.htm") ? "<p>Start</p>" : "<p>Topic</p><img src=\"pic.gif\">");
  }
}

TEST_F(HtmlHelpTest, TheWideEntryTakesWideTexts) {
  const std::u16string address = Utf8ToWide(Help + "::/html/ZRHELP.htm");
  HtmlHelpW(nullptr, address.c_str(), HH_DISPLAY_TOPIC, 0);
  ExpectShown("/html/ZRHELP.htm", "<p>Topic</p><img src=\"pic.gif\">");
  Display().Launches().Clear();
  const std::u16string topic = u"html/ZRHELP.htm";
  HtmlHelpW(nullptr, Utf8ToWide(Help).c_str(), HH_DISPLAY_TOPIC, reinterpret_cast<DWORD_PTR>(topic.c_str()));
  ExpectShown("/html/ZRHELP.htm", "<p>Topic</p><img src=\"pic.gif\">");
}

TEST_F(HtmlHelpTest, MissingFilesAndTopicsShowNothing) {
  const std::string text = Sources->Write("text.chm", "plain text");
  for (const std::string& address :
       {Help + "::/html/none.htm", Sources->File("missing.chm") + "::/html/ZRHELP.htm", text + "::/index.htm",
        std::string("/html/ZRHELP.htm"), std::string("::/html/ZRHELP.htm"), std::string()}) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(HtmlHelpA(nullptr, address.c_str(), HH_DISPLAY_TOPIC, 0), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND) << address;
  }
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(HtmlHelpA(nullptr, nullptr, HH_DISPLAY_TOPIC, 0), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_TRUE(Display().Launches().Calls().empty());
}

TEST_F(HtmlHelpTest, OtherCommands) {
  SetLastError(ERROR_INVALID_PARAMETER);
  EXPECT_EQ(HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  EXPECT_EQ(HtmlHelpA(nullptr, Help.c_str(), 0x000F, 0), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_TRUE(Display().Launches().Calls().empty());
}

TEST_F(HtmlHelpTest, ALauncherSetByATestWinsOverTheDisplays) {
  TRecordingLauncher own;
  SetProgramLauncher(&own);
  HtmlHelpA(nullptr, (Help + "::/index.htm").c_str(), HH_DISPLAY_TOPIC, 0);
  SetProgramLauncher(nullptr);
  EXPECT_EQ(own.Calls().size(), 1u);
  EXPECT_TRUE(Display().Launches().Calls().empty());
}

}  // namespace
}  // namespace plat::testing
