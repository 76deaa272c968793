// The program file itself: started with the close switch and no copy
// running, it ends at once, before any window or service connection; it
// carries the version the About window falls back on.
#include <gtest/gtest.h>

#include <string>

#include "AppTestSupport.h"
#include "app/HtmlHelpControl.h"
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

}  // namespace
