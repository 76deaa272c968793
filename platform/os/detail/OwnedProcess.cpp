#include "platform/os/detail/OwnedProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/os/detail/ChildSignals.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/LastError.h"

namespace plat {
namespace {

int MillisecondsLeft(TOwnedProcess::TDeadline deadline) {
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

// Waits for events on fd until the deadline: true when one came.
bool WaitFor(int fd, short events, TOwnedProcess::TDeadline deadline) {
  for (;;) {
    pollfd wait{fd, events, 0};
    const int ready = ::poll(&wait, 1, MillisecondsLeft(deadline));
    if (ready < 0 && errno == EINTR) continue;
    return ready > 0;
  }
}

std::vector<char*> PointersTo(const std::vector<String>& texts) {
  std::vector<char*> pointers;
  for (const String& text : texts) pointers.push_back(const_cast<char*>(text.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

// From here on the code runs in the forked child of a possibly threaded
// process: only async-signal-safe calls.
[[noreturn]] void RunChild(const char* program, char* const* argv, char* const* envp, int streamFd, int reportFd,
                           pid_t parent) {
  ::setpgid(0, 0);
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (::getppid() != parent) ::_exit(127);
  detail::ResetSignalsForExec();
  const int null = ::open("/dev/null", O_RDWR);
  const int streams = streamFd >= 0 ? streamFd : null;
  if (null < 0 || ::dup2(streams, 0) < 0 || ::dup2(streams, 1) < 0 || ::dup2(null, 2) < 0) {
    const int error = errno;
    static_cast<void>(::write(reportFd, &error, sizeof error));
    ::_exit(127);
  }
  ::close_range(3, static_cast<unsigned>(reportFd) - 1, 0);
  ::close_range(static_cast<unsigned>(reportFd) + 1, ~0u, 0);
  ::execve(program, argv, envp);
  const int error = errno;
  static_cast<void>(::write(reportFd, &error, sizeof error));
  ::_exit(127);
}

}  // namespace

TOwnedProcess::TOwnedProcess(const std::vector<String>& argv, const std::vector<String>& environment,
                             TStreams streams) {
  const auto fail = [&](int error) {
    throw EOSError(Format("%s cannot be started: %s",
                          {argv.empty() ? String() : argv.front(), SysErrorMessage(ErrorFromErrno(error))}),
                   ErrorFromErrno(error));
  };
  if (argv.empty()) fail(EINVAL);
  const std::vector<char*> args = PointersTo(argv);
  const std::vector<char*> envp = PointersTo(environment);
  int pair[2] = {-1, -1};
  if (streams == TStreams::Socket && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) fail(errno);
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) {
    const int error = errno;
    if (pair[0] >= 0) {
      ::close(pair[0]);
      ::close(pair[1]);
    }
    fail(error);
  }
  const pid_t parent = ::getpid();
  const pid_t pid = ::fork();
  if (pid == 0) RunChild(args.front(), args.data(), envp.data(), pair[1], report[1], parent);
  const int forkError = errno;
  ::close(report[1]);
  if (pair[1] >= 0) ::close(pair[1]);
  if (pid < 0) {
    ::close(report[0]);
    if (pair[0] >= 0) ::close(pair[0]);
    fail(forkError);
  }
  FPid = pid;
  FSocket = pair[0];
  // The report pipe closes at the exec (close-on-exec) or carries why it
  // failed.
  int execError = 0;
  ssize_t got;
  while ((got = ::read(report[0], &execError, sizeof execError)) < 0 && errno == EINTR) {
  }
  ::close(report[0]);
  if (got == static_cast<ssize_t>(sizeof execError)) {
    Kill();
    if (FSocket >= 0) ::close(FSocket);
    FSocket = -1;
    fail(execError);
  }
}

TOwnedProcess::~TOwnedProcess() {
  Kill();
  if (FSocket >= 0) ::close(FSocket);
}

void TOwnedProcess::Reap(int status) { FExitCode = WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status); }

std::optional<int> TOwnedProcess::ExitCode() {
  if (!FExitCode && FPid > 0) {
    int status = 0;
    pid_t done;
    while ((done = ::waitpid(FPid, &status, WNOHANG)) < 0 && errno == EINTR) {
    }
    if (done == FPid) Reap(status);
  }
  return FExitCode;
}

std::optional<int> TOwnedProcess::WaitExit(TDeadline deadline) {
  // A child's end wakes no descriptor of ours, so the wait polls, briefly.
  while (!ExitCode() && std::chrono::steady_clock::now() < deadline)
    ::usleep(static_cast<useconds_t>(std::min(MillisecondsLeft(deadline), 20)) * 1000);
  return ExitCode();
}

void TOwnedProcess::Kill() {
  if (FPid <= 0 || ExitCode()) return;
  ::kill(-FPid, SIGKILL);
  ::kill(FPid, SIGKILL);
  int status = 0;
  while (::waitpid(FPid, &status, 0) < 0 && errno == EINTR) {
  }
  Reap(status);
}

bool TOwnedProcess::WriteLine(const String& line, TDeadline deadline) {
  if (FSocket < 0) return false;
  const String data = line + "\n";
  std::size_t written = 0;
  while (written < data.size()) {
    if (!WaitFor(FSocket, POLLOUT, deadline)) return false;
    const ssize_t put = ::send(FSocket, data.data() + written, data.size() - written, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (put < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (put <= 0) return false;
    written += static_cast<std::size_t>(put);
  }
  return true;
}

TOwnedProcess::TRead TOwnedProcess::ReadLine(String& line, TDeadline deadline, std::size_t maxBytes) {
  if (FSocket < 0) return TRead::End;
  char buffer[65536];
  std::size_t searched = 0;
  for (;;) {
    const std::size_t end = FPending.find('\n', searched);
    if (end != String::npos) {
      line = FPending.substr(0, end);
      FPending.erase(0, end + 1);
      return TRead::Line;
    }
    if (FPending.size() > maxBytes) {
      FPending.clear();
      return TRead::TooLong;
    }
    searched = FPending.size();
    if (!WaitFor(FSocket, POLLIN, deadline)) return TRead::TimedOut;
    const ssize_t got = ::recv(FSocket, buffer, sizeof buffer, MSG_DONTWAIT);
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (got <= 0) return TRead::End;
    FPending.append(buffer, static_cast<std::size_t>(got));
  }
}

}  // namespace plat
