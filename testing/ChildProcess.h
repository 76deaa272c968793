#pragma once
// A program run as a real second process, with pipes on its standard input
// and output, for tests that talk to helper programs line by line:
//
//   TChildProcess helper({HelperPath, "mutex"});
//   EXPECT_EQ(helper.Ask("create Shared 1"), "created");
//   helper.Send("exit");
//   EXPECT_EQ(helper.WaitExit(), 0);
//
// Every wait is bounded and ends early on the real event (a line, the end of
// the output, the exit). The child is killed by the kernel when the thread
// that started it ends, so a crashed test leaves nothing behind. At
// destruction its input is closed, it is given a few seconds to end by
// itself, and is killed otherwise. Throws std::runtime_error when the
// process cannot be made; a program that cannot be run ends with code 127.
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "testing/WaitUntil.h"

namespace zorbit::testing {

class TChildProcess {
 public:
  // Where its standard errors go: to this process's, into the output pipe
  // (read back with its output), or nowhere.
  enum class TErrorOutput { Inherited, IntoOutput, Discarded };

  // Argv[0] is the program's path.
  explicit TChildProcess(const std::vector<std::string>& Argv, TErrorOutput Errors = TErrorOutput::Inherited);
  ~TChildProcess();
  TChildProcess(const TChildProcess&) = delete;
  TChildProcess& operator=(const TChildProcess&) = delete;

  // Its process id; -1 once it ended and was reaped.
  int Pid() const { return FPid; }
  bool Running() const { return FPid > 0; }

  // Writes Line and a line feed to its input; throws when it cannot.
  void Send(const std::string& Line);
  // Ends its input, as the end of a file would.
  void CloseInput();
  // The next line of its output without the line feed; none when none came
  // within Timeout or the output ended first.
  std::optional<std::string> ReadLine(std::chrono::milliseconds Timeout = kDefaultWait);
  // Send, then ReadLine.
  std::optional<std::string> Ask(const std::string& Line, std::chrono::milliseconds Timeout = kDefaultWait);
  // Reads lines until one equals Expected (true) or the time runs out.
  bool WaitForLine(const std::string& Expected, std::chrono::milliseconds Timeout = kDefaultWait);
  // All of its output that is left, once it closed it; none when it did not
  // close it within Timeout.
  std::optional<std::string> ReadToEnd(std::chrono::milliseconds Timeout = kDefaultWait);

  // Its exit code (128 + the signal when a signal ended it) once it ended,
  // or none when it does not end within Timeout.
  std::optional<int> WaitExit(std::chrono::milliseconds Timeout = kDefaultWait);
  // Asks it to end (SIGTERM), kills it when it does not within Grace, and
  // answers its exit code; for one that already ended, the code it ended with.
  int Stop(std::chrono::milliseconds Grace = std::chrono::seconds(5));
  // Ends it the hard way, as a crash would, without letting it tidy up.
  void Kill();
  // Stops it as a debugger or an overloaded machine would (SIGSTOP): true
  // once every thread of it stands still, false when it ended or did not
  // stop in time. Resume (SIGCONT) lets it go on; Stop and the destructor
  // resume it first, so that a paused child still ends at once.
  bool Pause(std::chrono::milliseconds Timeout = kDefaultWait);
  void Resume();

 private:
  enum class TRead { Data, End, TimedOut };
  // Reads what the child wrote next, waiting until Deadline at the most.
  TRead Fill(std::chrono::steady_clock::time_point Deadline);
  void Reap(int Status);

  int FPid = -1;
  int FInput = -1;
  int FOutput = -1;
  std::string FPending;
  std::optional<int> FExitCode;
  bool FPaused = false;
};

}  // namespace zorbit::testing
