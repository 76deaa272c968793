// Help end to end: F1 and the Help button open the language pack's help
// file at its start topic through the launcher, and with the debug switch
// the debug log beside the program has its header and each call's lines;
// without it an old log is deleted and none is written.
#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "EndToEnd.h"
#include "platform/os/HelpControl.h"
#include "testing/FileContent.h"

namespace e2e {
namespace {

class HelpEndToEndTest : public EndToEndTest {
 protected:
  void SetUp() override {
    StartService();
    ASSERT_TRUE(plat::InstallHelpControl(HHSETUP_PATH));
    FProgram = CopyOfProgram();
    FLog = std::filesystem::path(FProgram).parent_path() / "HHDebug.txt";
  }

  // The log's lines, without the time stamps of the stamped ones.
  std::vector<std::string> LogLines() const {
    std::vector<std::string> texts;
    std::istringstream in(zorbit::testing::ReadFileContent(FLog.string()));
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      const size_t gap = line.find("   ");
      const bool stamped =
          !line.empty() && std::isdigit(static_cast<unsigned char>(line[0])) && gap != std::string::npos;
      texts.push_back(stamped ? line.substr(gap + 3) : line);
    }
    return texts;
  }

  static constexpr const char* kHelpTwice =
      "wait TfmZorbitMain\n"
      "key - F1\n"
      "click btnHelp\n"
      "print helped\n"
      "launches\n"
      "quit\n";

  std::string FProgram;
  std::filesystem::path FLog;
};

bool EndsWith(const std::string& Text, const std::string& End) {
  return Text.size() >= End.size() && Text.compare(Text.size() - End.size(), End.size(), End) == 0;
}

TEST_F(HelpEndToEndTest, F1AndHelpOpenTheStartTopicAndTheDebugLogHasEachCall) {
  const zorbit::testing::TProgramResult run = Drive(kHelpTwice, {"-DEBUG"}, FProgram);
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  const std::vector<std::string> launches = Values(run.Output, "launch");
  ASSERT_EQ(launches.size(), 2u) << run.Output;
  for (const std::string& launch : launches) {
    EXPECT_EQ(launch.rfind("document ", 0), 0u) << launch;
    EXPECT_TRUE(EndsWith(launch, "/html/ZRHELP.htm")) << launch;
  }

  const std::vector<std::string> log = LogLines();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), std::string(80, '='));
  EXPECT_EQ(log[1], "Log File:             \t" + FLog.string());
  const auto last =
      std::find_if(log.begin(), log.end(), [](const std::string& t) { return t.rfind("_ieFriendlyVerStr", 0) == 0; });
  ASSERT_NE(last, log.end());
  const std::vector<std::string> calls(last + 1, log.end());
  ASSERT_EQ(calls.size(), 6u) << ::testing::PrintToString(calls);
  // The help file is the pack's, unpacked where the pool keeps it.
  const size_t quote = calls[0].find('"');
  const std::string file = calls[0].substr(quote + 1, calls[0].find('"', quote + 1) - quote - 1);
  EXPECT_TRUE(EndsWith(file, "ZHELP_ZorbitN.CHM")) << file;
  const std::vector<std::string> once = {
      "HHHelpContext(\"" + file + "\", /html/ZRHELP.htm, \"\", 0)",
      "ShowTopic(\"" + file + "::/html/ZRHELP.htm\", 0)",
      "  returned - 0",
  };
  EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 3), once);
  EXPECT_EQ(std::vector<std::string>(calls.begin() + 3, calls.end()), once);
}

TEST_F(HelpEndToEndTest, WithoutTheDebugSwitchAnOldLogIsDeletedAndNoneWritten) {
  zorbit::testing::WriteFileContent(FLog.string(), "an old log\n");
  const zorbit::testing::TProgramResult run = Drive(kHelpTwice, {}, FProgram);
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  EXPECT_EQ(Values(run.Output, "launch").size(), 2u) << run.Output;
  EXPECT_FALSE(std::filesystem::exists(FLog));
}

}  // namespace
}  // namespace e2e
