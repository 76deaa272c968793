#pragma once
// Runs a program to its end and answers what it wrote, for tests of
// command-line tools (the resource generator, svcctl):
//
//   const TProgramResult result = RunProgram({SvcctlPath, "query", "Tool"});
//   EXPECT_EQ(result.ExitCode, 0);
//   EXPECT_EQ(result.Output, "STOPPED\n");
#include <chrono>
#include <string>
#include <vector>

#include "testing/WaitUntil.h"

namespace zorbit::testing {

struct TProgramResult {
  // Its exit code, 128 + the signal that ended it, 127 when it could not be
  // run, or -1 when it did not end within the time (it is killed then).
  int ExitCode = -1;
  // Its standard output and errors together, in the order written.
  std::string Output;
};

// Argv[0] is the program's path; its input is empty.
TProgramResult RunProgram(const std::vector<std::string>& Argv, std::chrono::milliseconds Timeout = kDefaultWait);

}  // namespace zorbit::testing
