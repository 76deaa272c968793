// The program file itself: started with the close switch and no copy
// running, it ends at once, before any window or service connection; it
// carries the version the About window falls back on, and its units start
// the debug log before that.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "AppTestSupport.h"
#include "app/HtmlHelpControl.h"
#include "testing/FileContent.h"
#include "testing/RunProgram.h"

namespace {

using namespace apptest;

TEST(ProgramStart, ExitWithNoCopyRunningEndsAtOnce) {
  const TSandboxFolder folder;
  const zorbit::testing::TEnvironmentVariable display{"ZORBIT_DISPLAY", "headless"};
  const zorbit::testing::TProgramResult result = zorbit::testing::RunProgram({ProgramDir() + "zorbit", "exit"});
  EXPECT_EQ(result.ExitCode, 0) << result.Output;
  EXPECT_EQ(result.Output, "");
}

TEST(ProgramStart, TheProgramFileHasAVersion) {
  EXPECT_EQ(zorbit::FileVersionText(ProgramDir() + "zorbit"), "1.0.0.0");
}

TEST(ProgramStart, WithTheDebugSwitchTheUnitsWriteTheLogHeader) {
  const TSandboxFolder folder;
  const zorbit::testing::TEnvironmentVariable display{"ZORBIT_DISPLAY", "headless"};
  // A copy of the program, so that its log lands in a folder of the test's own.
  const std::string program = folder.Path() + "zorbit";
  std::filesystem::copy_file(ProgramDir() + "zorbit", program);
  const zorbit::testing::TProgramResult result = zorbit::testing::RunProgram({program, "exit", "-debug"});
  EXPECT_EQ(result.ExitCode, 0) << result.Output;
  const std::string log = zorbit::testing::ReadFileContent(folder.Path() + "HHDebug.txt");
  EXPECT_NE(log.find("Log File:"), std::string::npos) << log;
}

}  // namespace
