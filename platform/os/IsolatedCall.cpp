#include "platform/os/IsolatedCall.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <exception>

#include "platform/rtl/Format.h"
#include "platform/rtl/ScopeExit.h"

namespace plat {
namespace {

// The child's answer: one tag byte ('R' result, 'E' error message) and the
// bytes; the pipe's end closes it.
constexpr char kResult = 'R';
constexpr char kError = 'E';

std::atomic<bool> gInProcess{false};

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Everything the child writes until it closes the pipe; false when the
// deadline passes first.
bool ReadAll(int fd, String& bytes) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kIsolatedCallSeconds);
  char buffer[65536];
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd wait{fd, POLLIN, 0};
    const int ready = ::poll(&wait, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return false;
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return true;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

[[noreturn]] void RunChild(int fd, const std::function<String()>& work) {
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  const rlimit cpu{kIsolatedCallCpuSeconds, kIsolatedCallCpuSeconds};
  ::setrlimit(RLIMIT_CPU, &cpu);
  String answer;
  try {
    answer = kResult + work();
  } catch (const std::exception& e) {
    answer = kError + String(e.what());
  }
  ::_exit(WriteAll(fd, answer.data(), answer.size()) ? 0 : 1);
}

String HowItEnded(int status) {
  if (WIFSIGNALED(status)) {
    const int signal = WTERMSIG(status);
    if (signal == SIGXCPU) return "the child process ran out of processor time";
    return Format("the child process was ended by signal %d (%s)", {signal, String(::strsignal(signal))});
  }
  if (WIFEXITED(status)) return Format("the child process ended with code %d", {WEXITSTATUS(status)});
  return "the child process ended without an answer";
}

String RunInProcess(const std::function<String()>& work) {
  try {
    return work();
  } catch (const std::exception& e) {
    throw EIsolatedCallError(e.what());
  }
}

}  // namespace

void SetIsolatedCallsInProcess(bool inProcess) { gInProcess = inProcess; }

String IsolatedCall(const std::function<String()>& work) {
  if (gInProcess) return RunInProcess(work);
  int pipe[2];
  if (::pipe2(pipe, O_CLOEXEC) != 0)
    throw EIsolatedCallError(Format("no child process: %s", {String(std::strerror(errno))}));
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe[0]);
    RunChild(pipe[1], work);
  }
  const int forkError = errno;
  ::close(pipe[1]);
  const ScopeExit closeRead([&] { ::close(pipe[0]); });
  if (child < 0) throw EIsolatedCallError(Format("no child process: %s", {String(std::strerror(forkError))}));

  String answer;
  const bool answered = ReadAll(pipe[0], answer);
  // A child stuck without using processor time (a lock it will never get)
  // is stopped here.
  if (!answered) ::kill(child, SIGKILL);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!answered)
    throw EIsolatedCallError(Format("the child process did not answer within %d seconds", {kIsolatedCallSeconds}));
  const bool complete = WIFEXITED(status) && WEXITSTATUS(status) == 0 && !answer.empty();
  if (!complete) throw EIsolatedCallError(HowItEnded(status));
  if (answer.front() == kError) throw EIsolatedCallError(answer.substr(1));
  return answer.substr(1);
}

}  // namespace plat
