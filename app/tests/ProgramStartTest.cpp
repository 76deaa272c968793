// The program file itself: started with the close switch and no copy
// running, it ends at once, before any window or service connection.
#include <gtest/gtest.h>

#include <string>

#include "AppTestSupport.h"
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

}  // namespace
