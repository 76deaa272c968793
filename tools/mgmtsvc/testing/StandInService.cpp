#include "tools/mgmtsvc/testing/StandInService.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace zorbit::testing {

namespace {

using Clock = std::chrono::steady_clock;

// Generous for a sanitizer build on a busy machine; a healthy start takes milliseconds.
constexpr auto kStartTimeout = std::chrono::seconds(20);
constexpr auto kStopTimeout = std::chrono::seconds(5);

int ExitCodeOf(int Status) {
  if (WIFEXITED(Status)) return WEXITSTATUS(Status);
  if (WIFSIGNALED(Status)) return 128 + WTERMSIG(Status);
  return -1;
}

// Waits for the child until Deadline; true with its exit code when it ended.
bool WaitForExit(int Pid, Clock::time_point Deadline, int& ExitCode) {
  for (;;) {
    int status = 0;
    pid_t done = waitpid(Pid, &status, WNOHANG);
    if (done == Pid || (done < 0 && errno != EINTR)) {
      ExitCode = done == Pid ? ExitCodeOf(status) : -1;
      return true;
    }
    if (Clock::now() >= Deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

// Reads the announcement line "listening on <port>"; 0 when none came in time.
int ReadAnnouncedPort(int Fd) {
  std::string line;
  const auto deadline = Clock::now() + kStartTimeout;
  while (line.find('\n') == std::string::npos) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return 0;
    pollfd entry{Fd, POLLIN, 0};
    int ready = poll(&entry, 1, static_cast<int>(left));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return 0;
    char chunk[256];
    ssize_t got = read(Fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return 0;
    line.append(chunk, static_cast<std::size_t>(got));
  }
  const std::string prefix = "listening on ";
  if (line.compare(0, prefix.size(), prefix) != 0) return 0;
  return std::atoi(line.c_str() + prefix.size());
}

}  // namespace

StandInService::StandInService(std::vector<std::string> Arguments) : FArguments(std::move(Arguments)) { Start(0); }

StandInService::~StandInService() { Stop(); }

std::string StandInService::ExecutablePath() {
  if (const char* buildDir = std::getenv("ZORBIT_BUILD_DIR")) {
    std::string path = std::string(buildDir) + "/tools/mgmtsvc/mgmtsvc";
    if (access(path.c_str(), X_OK) == 0) return path;
  }
  return MGMTSVC_EXECUTABLE;
}

void StandInService::Start(int Port) {
  std::string executable = ExecutablePath();
  std::vector<std::string> words{executable, "--port", std::to_string(Port)};
  words.insert(words.end(), FArguments.begin(), FArguments.end());
  // Everything the child needs is made before fork: after it, only
  // async-signal-safe calls are allowed in a threaded process.
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  int pipeFds[2];
  if (pipe2(pipeFds, O_CLOEXEC) != 0) throw std::runtime_error("StandInService: pipe failed");
  const pid_t parent = getpid();
  pid_t pid = fork();
  if (pid < 0) {
    close(pipeFds[0]);
    close(pipeFds[1]);
    throw std::runtime_error("StandInService: fork failed");
  }
  if (pid == 0) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(127);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    dup2(pipeFds[1], STDOUT_FILENO);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(pipeFds[1]);
  FPid = pid;
  FOutput = pipeFds[0];
  FPort = ReadAnnouncedPort(FOutput);
  if (FPort == 0) {
    int code = Stop();
    throw std::runtime_error("StandInService: " + executable + " did not announce its port (exit code " +
                             std::to_string(code) + ")");
  }
}

int StandInService::Stop() {
  if (FPid > 0) {
    kill(FPid, SIGTERM);
    if (!WaitForExit(FPid, Clock::now() + kStopTimeout, FExitCode)) {
      kill(FPid, SIGKILL);
      WaitForExit(FPid, Clock::time_point::max(), FExitCode);
    }
    FPid = -1;
  }
  if (FOutput >= 0) {
    close(FOutput);
    FOutput = -1;
  }
  return FExitCode;
}

void StandInService::Restart() {
  int port = FPort;
  Stop();
  Start(port);
}

}  // namespace zorbit::testing
