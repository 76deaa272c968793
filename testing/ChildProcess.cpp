#include "testing/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <utility>

namespace zorbit::testing {

namespace {

using SteadyTime = std::chrono::steady_clock;

int MillisecondsLeft(SteadyTime::time_point Deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(Deadline - SteadyTime::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

void CloseBoth(int (&Pipe)[2]) {
  ::close(Pipe[0]);
  ::close(Pipe[1]);
}

}  // namespace

TChildProcess::TChildProcess(const std::vector<std::string>& Argv, TErrorOutput Errors) {
  if (Argv.empty()) throw std::invalid_argument("TChildProcess: no program");
  // Everything the child needs is made before fork: after it, only
  // async-signal-safe calls are allowed in a threaded process.
  std::vector<std::string> words = Argv;
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  int input[2];
  int output[2];
  if (::pipe2(input, O_CLOEXEC) != 0) throw std::runtime_error("TChildProcess: pipe failed");
  if (::pipe2(output, O_CLOEXEC) != 0) {
    CloseBoth(input);
    throw std::runtime_error("TChildProcess: pipe failed");
  }
  const pid_t parent = ::getpid();
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(127);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::dup2(input[0], STDIN_FILENO);
    ::dup2(output[1], STDOUT_FILENO);
    if (Errors == TErrorOutput::IntoOutput) ::dup2(output[1], STDERR_FILENO);
    if (Errors == TErrorOutput::Discarded) ::dup2(::open("/dev/null", O_WRONLY | O_CLOEXEC), STDERR_FILENO);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(input[0]);
  ::close(output[1]);
  if (pid < 0) {
    ::close(input[1]);
    ::close(output[0]);
    throw std::runtime_error("TChildProcess: fork failed");
  }
  FPid = pid;
  FInput = input[1];
  FOutput = output[0];
}

TChildProcess::~TChildProcess() {
  CloseInput();
  Resume();
  if (Running() && !WaitExit(std::chrono::seconds(5))) Kill();
  if (FOutput >= 0) ::close(FOutput);
}

void TChildProcess::Send(const std::string& Line) {
  const std::string text = Line + "\n";
  std::size_t sent = 0;
  while (FInput >= 0 && sent < text.size()) {
    const ssize_t put = ::write(FInput, text.data() + sent, text.size() - sent);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) break;
    sent += static_cast<std::size_t>(put);
  }
  if (sent != text.size()) throw std::runtime_error("TChildProcess: cannot write to the child");
}

void TChildProcess::CloseInput() {
  if (FInput >= 0) ::close(FInput);
  FInput = -1;
}

TChildProcess::TRead TChildProcess::Fill(SteadyTime::time_point Deadline) {
  for (;;) {
    pollfd entry{FOutput, POLLIN, 0};
    const int ready = ::poll(&entry, 1, MillisecondsLeft(Deadline));
    if (ready < 0 && errno == EINTR) continue;
    if (ready == 0) return TRead::TimedOut;
    if (ready < 0) return TRead::End;
    char chunk[4096];
    const ssize_t got = ::read(FOutput, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return TRead::End;
    FPending.append(chunk, static_cast<std::size_t>(got));
    return TRead::Data;
  }
}

std::optional<std::string> TChildProcess::ReadLine(std::chrono::milliseconds Timeout) {
  const auto deadline = SteadyTime::now() + Timeout;
  for (;;) {
    const std::size_t end = FPending.find('\n');
    if (end != std::string::npos) {
      std::string line = FPending.substr(0, end);
      FPending.erase(0, end + 1);
      return line;
    }
    if (Fill(deadline) != TRead::Data) return std::nullopt;
  }
}

std::optional<std::string> TChildProcess::Ask(const std::string& Line, std::chrono::milliseconds Timeout) {
  Send(Line);
  return ReadLine(Timeout);
}

bool TChildProcess::WaitForLine(const std::string& Expected, std::chrono::milliseconds Timeout) {
  const auto deadline = SteadyTime::now() + Timeout;
  while (const auto line = ReadLine(std::chrono::milliseconds(MillisecondsLeft(deadline))))
    if (*line == Expected) return true;
  return false;
}

std::optional<std::string> TChildProcess::ReadToEnd(std::chrono::milliseconds Timeout) {
  const auto deadline = SteadyTime::now() + Timeout;
  for (;;) {
    const TRead read = Fill(deadline);
    if (read == TRead::TimedOut) return std::nullopt;
    if (read == TRead::End) return std::exchange(FPending, {});
  }
}

void TChildProcess::Reap(int Status) {
  FPid = -1;
  FExitCode = WIFEXITED(Status) ? WEXITSTATUS(Status) : 128 + WTERMSIG(Status);
}

std::optional<int> TChildProcess::WaitExit(std::chrono::milliseconds Timeout) {
  if (!Running()) return FExitCode;
  WaitUntil(
      [&] {
        int status = 0;
        const pid_t done = ::waitpid(FPid, &status, WNOHANG);
        if (done == FPid) Reap(status);
        return !Running();
      },
      Timeout);
  return Running() ? std::nullopt : FExitCode;
}

int TChildProcess::Stop(std::chrono::milliseconds Grace) {
  if (Running()) {
    Resume();  // a stopped process would hold its SIGTERM until continued
    ::kill(FPid, SIGTERM);
    if (!WaitExit(Grace)) Kill();
  }
  return FExitCode.value_or(-1);
}

void TChildProcess::Kill() {
  if (!Running()) return;
  ::kill(FPid, SIGKILL);
  int status = 0;
  while (::waitpid(FPid, &status, 0) < 0 && errno == EINTR) {
  }
  Reap(status);
}

bool TChildProcess::Pause(std::chrono::milliseconds Timeout) {
  if (!Running()) return false;
  ::kill(FPid, SIGSTOP);
  FPaused = true;
  // The parent hears of the stop once every thread has stopped.
  bool stopped = false;
  WaitUntil(
      [&] {
        int status = 0;
        const pid_t changed = ::waitpid(FPid, &status, WNOHANG | WUNTRACED);
        if (changed == FPid && WIFSTOPPED(status)) stopped = true;
        if (changed == FPid && !WIFSTOPPED(status)) Reap(status);
        return stopped || !Running();
      },
      Timeout);
  return stopped;
}

void TChildProcess::Resume() {
  if (Running() && FPaused) ::kill(FPid, SIGCONT);
  FPaused = false;
}

}  // namespace zorbit::testing
