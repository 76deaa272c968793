#pragma once
// win_test_helper (helper/win_test_helper.cpp) as a real second process that
// shows windows and reports, line by line, what other processes did to
// them. Closing its input ends it. WIN_TEST_HELPER is the program's path,
// defined by the test targets that use it.
#include <chrono>
#include <stdexcept>
#include <string>
#include <vector>

#include "testing/ChildProcess.h"

namespace plat::testing {

class WinTestHelper : public zorbit::testing::TChildProcess {
 public:
  // Starts it with Arguments and returns once it reported "ready" (its
  // windows exist and are published); throws std::runtime_error otherwise.
  explicit WinTestHelper(const std::vector<std::string>& Arguments) : TChildProcess(CommandLine(Arguments)) {
    if (!WaitForLine("ready", std::chrono::seconds(60))) {
      Kill();
      throw std::runtime_error("win_test_helper did not start");
    }
  }

 private:
  static std::vector<std::string> CommandLine(const std::vector<std::string>& Arguments) {
    std::vector<std::string> argv{WIN_TEST_HELPER};
    argv.insert(argv.end(), Arguments.begin(), Arguments.end());
    return argv;
  }
};

}  // namespace plat::testing
