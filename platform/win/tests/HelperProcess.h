#pragma once
// Runs win_test_helper as a real second process with pipes on its standard
// input and output. Closing its input ends it; the object kills it when it
// goes (and the kernel does when the test process dies).
#include <optional>
#include <string>
#include <vector>

namespace plat::testing {

class HelperProcess {
 public:
  // Starts the helper and waits for its "ready" line; throws
  // std::runtime_error when it does not come.
  explicit HelperProcess(const std::vector<std::string>& arguments);
  ~HelperProcess();
  HelperProcess(const HelperProcess&) = delete;
  HelperProcess& operator=(const HelperProcess&) = delete;

  int Pid() const { return FPid; }
  // The next line it wrote, or none when none comes within timeoutMs.
  std::optional<std::string> NextLine(int timeoutMs = 5000);
  // Waits until a line equal to expected comes, skipping others.
  bool WaitFor(const std::string& expected, int timeoutMs = 5000);
  // Its exit code once it ended by itself, or none when it does not end
  // within timeoutMs.
  std::optional<int> WaitExit(int timeoutMs = 5000);
  // Ends it the hard way, as a crash would, without letting it tidy up.
  void Kill();

 private:
  int FPid = -1;
  int FInput = -1;
  int FOutput = -1;
  std::string FPending;
};

}  // namespace plat::testing
