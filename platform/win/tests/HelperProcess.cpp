#include "platform/win/tests/HelperProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace plat::testing {

namespace {

using SteadyTime = std::chrono::steady_clock;

int MillisecondsLeft(SteadyTime::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyTime::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

HelperProcess::HelperProcess(const std::vector<std::string>& arguments) {
  int input[2], output[2];
  if (::pipe2(input, O_CLOEXEC) != 0 || ::pipe2(output, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  std::vector<char*> argv;
  static char program[] = WIN_TEST_HELPER;
  argv.push_back(program);
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const pid_t parent = ::getpid();
  FPid = ::fork();
  if (FPid == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(127);
    ::dup2(input[0], STDIN_FILENO);
    ::dup2(output[1], STDOUT_FILENO);
    ::execv(program, argv.data());
    ::_exit(127);
  }
  ::close(input[0]);
  ::close(output[1]);
  FInput = input[1];
  FOutput = output[0];
  if (FPid < 0 || !WaitFor("ready", 20000)) {
    Kill();
    throw std::runtime_error("the helper did not start");
  }
}

HelperProcess::~HelperProcess() {
  if (FInput >= 0) ::close(FInput);
  FInput = -1;
  if (FPid > 0 && !WaitExit(5000)) Kill();
  if (FOutput >= 0) ::close(FOutput);
}

std::optional<std::string> HelperProcess::NextLine(int timeoutMs) {
  const auto deadline = SteadyTime::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    const std::size_t end = FPending.find('\n');
    if (end != std::string::npos) {
      std::string line = FPending.substr(0, end);
      FPending.erase(0, end + 1);
      return line;
    }
    pollfd entry{FOutput, POLLIN, 0};
    const int ready = ::poll(&entry, 1, MillisecondsLeft(deadline));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return std::nullopt;
    char buffer[256];
    const ssize_t count = ::read(FOutput, buffer, sizeof buffer);
    if (count <= 0) return std::nullopt;
    FPending.append(buffer, static_cast<std::size_t>(count));
  }
}

bool HelperProcess::WaitFor(const std::string& expected, int timeoutMs) {
  const auto deadline = SteadyTime::now() + std::chrono::milliseconds(timeoutMs);
  while (const auto line = NextLine(MillisecondsLeft(deadline)))
    if (*line == expected) return true;
  return false;
}

std::optional<int> HelperProcess::WaitExit(int timeoutMs) {
  if (FPid <= 0) return std::nullopt;
  const auto deadline = SteadyTime::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    int status = 0;
    const pid_t done = ::waitpid(FPid, &status, WNOHANG);
    if (done == FPid) {
      FPid = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    if (done < 0 || MillisecondsLeft(deadline) == 0) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void HelperProcess::Kill() {
  if (FPid <= 0) return;
  ::kill(FPid, SIGKILL);
  ::waitpid(FPid, nullptr, 0);
  FPid = -1;
}

}  // namespace plat::testing
