#pragma once
// A program run as our child for as long as we need it, for the servers the
// platform drives: in a process group of its own, so that ending it ends
// whatever it started too; killed by the kernel when the thread that
// started it ends, so a crash of ours leaves nothing running; its standard
// errors on /dev/null, its standard input and output either on /dev/null
// or both on one end of a socket pair whose other end is ours (a socket,
// not a pipe, so that writing to a child that went away is an error and
// never a SIGPIPE). Only the standard streams go along; every other
// descriptor stays with us.
//
// Every wait is bounded by a deadline. The destructor kills the group and
// reaps the child when it is still there.
#include <chrono>
#include <optional>
#include <vector>

#include "platform/rtl/Types.h"

namespace plat {

class TOwnedProcess {
 public:
  using TDeadline = std::chrono::steady_clock::time_point;
  enum class TStreams { None, Socket };
  enum class TRead { Line, End, TimedOut, TooLong };

  // Starts argv[0] (a path) with the complete "NAME=value" environment;
  // EOSError naming the program when it cannot be started or executed.
  TOwnedProcess(const std::vector<String>& argv, const std::vector<String>& environment, TStreams streams);
  ~TOwnedProcess();
  TOwnedProcess(const TOwnedProcess&) = delete;
  TOwnedProcess& operator=(const TOwnedProcess&) = delete;

  int Pid() const { return FPid; }
  // Its exit code (128 + the signal when a signal ended it) once it ended;
  // none while it runs. Does not wait.
  std::optional<int> ExitCode();
  // Waits until it ends or the deadline passes; its exit code, or none.
  std::optional<int> WaitExit(TDeadline deadline);
  // Kills its whole group and reaps it.
  void Kill();

  // The line and a line feed to its input; false when it cannot take it
  // all before the deadline or its input is gone.
  bool WriteLine(const String& line, TDeadline deadline);
  // The next line of its output, without the line feed, into line; a line
  // longer than maxBytes is not kept (TooLong) and ends the exchange.
  TRead ReadLine(String& line, TDeadline deadline, std::size_t maxBytes);

 private:
  void Reap(int status);

  int FPid = -1;
  int FSocket = -1;
  std::optional<int> FExitCode;
  String FPending;
};

}  // namespace plat
