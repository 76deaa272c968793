#include "platform/rtl/CommandLine.h"

#include <gtest/gtest.h>

#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Paths.h"

namespace plat {
namespace {

TEST(CommandLine, ParamsAndSwitches) {
  const char* argv[] = {"/opt/zorbit/zorbit", "exit", "/DEBUG", "-x"};
  SetCommandLine(4, argv);
  EXPECT_EQ(ParamCount(), 3);
  EXPECT_EQ(ParamStr(0), "/opt/zorbit/zorbit");
  EXPECT_EQ(ParamStr(1), "exit");
  EXPECT_EQ(ParamStr(4), "");
  EXPECT_EQ(ParamStr(-1), "");
  EXPECT_TRUE(FindCmdLineSwitch("debug"));
  EXPECT_TRUE(FindCmdLineSwitch("X"));
  EXPECT_FALSE(FindCmdLineSwitch("exit"));

  const char* relative[] = {"bin\\..\\prog"};
  SetCommandLine(1, relative);
  EXPECT_EQ(ParamStr(0), IncludeTrailingPathDelimiter(GetCurrentDir()) + "prog");
  EXPECT_EQ(ParamCount(), 0);

  // A bare name was found on the search path: the running program stands for it.
  const char* bare[] = {"prog"};
  SetCommandLine(1, bare);
  EXPECT_TRUE(FileExists(ParamStr(0)));
  SetCommandLine(0, nullptr);
  EXPECT_EQ(ParamCount(), 0);
}

}  // namespace
}  // namespace plat
