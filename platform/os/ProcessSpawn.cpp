#include "platform/os/ProcessSpawn.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/os/detail/ChildSignals.h"
#include "platform/os/detail/Environment.h"
#include "platform/rtl/LastError.h"

namespace plat {

namespace {

// Messages from the intermediate process and the program to the caller;
// each is written whole (they are far below PIPE_BUF).
enum TSpawnMessage : int { kStarted = 1, kFailed = 2 };

struct TMessage {
  int Kind;
  int Value;  // the process id for kStarted, errno for kFailed
};

void Send(int fd, TSpawnMessage kind, int value) {
  const TMessage message{kind, value};
  static_cast<void>(::write(fd, &message, sizeof message));
}

// From here on the code runs in forked processes of a possibly threaded
// caller: only async-signal-safe calls.
[[noreturn]] void RunProgram(const char* program, char* const* argv, char* const* envp, const char* directory,
                             const char* outputPath, int reportFd) {
  // Its own process group, so that it can be stopped with its helpers.
  ::setpgid(0, 0);
  detail::ResetSignalsForExec();
  const int input = ::open("/dev/null", O_RDONLY);
  const int output = ::open(outputPath, O_WRONLY | O_CREAT | O_APPEND, 0644);
  if (input < 0 || output < 0 || ::dup2(input, 0) < 0 || ::dup2(output, 1) < 0 || ::dup2(output, 2) < 0 ||
      (directory[0] != '\0' && ::chdir(directory) != 0)) {
    Send(reportFd, kFailed, errno);
    ::_exit(127);
  }
  // Only the standard streams and the report pipe (closed by the exec) go
  // along; descriptors the caller left inheritable stay with the caller.
  ::close_range(3, static_cast<unsigned>(reportFd) - 1, 0);
  ::close_range(static_cast<unsigned>(reportFd) + 1, ~0u, 0);
  ::execve(program, argv, envp);
  Send(reportFd, kFailed, errno);
  ::_exit(127);
}

std::vector<char*> PointersTo(const std::vector<String>& texts) {
  std::vector<char*> pointers;
  for (const String& text : texts) pointers.push_back(const_cast<char*>(text.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

int SpawnDetached(const TSpawnRequest& request) {
  if (request.Argv.empty() || request.Argv.front().empty()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const String program = FindProgram(request.Argv.front());
  if (program.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return 0;
  }
  const std::vector<char*> argv = PointersTo(request.Argv);
  const std::vector<char*> envp = PointersTo(request.Environment);
  const String outputPath = request.OutputPath.empty() ? String("/dev/null") : request.OutputPath;
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) {
    SetLastError(ErrorFromErrno(errno));
    return 0;
  }
  const pid_t intermediate = ::fork();
  if (intermediate < 0) {
    SetLastError(ErrorFromErrno(errno));
    ::close(report[0]);
    ::close(report[1]);
    return 0;
  }
  if (intermediate == 0) {
    ::close(report[0]);
    ::setsid();
    const pid_t child = ::fork();
    if (child == 0)
      RunProgram(program.c_str(), argv.data(), envp.data(), request.Directory.c_str(), outputPath.c_str(), report[1]);
    if (child < 0) {
      Send(report[1], kFailed, errno);
    } else {
      Send(report[1], kStarted, child);
    }
    ::_exit(0);
  }
  ::close(report[1]);
  // Reads until both other ends are closed: the intermediate's at its end,
  // the program's when its exec succeeds (close-on-exec) or it gives up.
  int pid = 0;
  int failure = 0;
  TMessage message{};
  for (;;) {
    const ssize_t got = ::read(report[0], &message, sizeof message);
    if (got < 0 && errno == EINTR) continue;
    if (got != static_cast<ssize_t>(sizeof message)) break;
    if (message.Kind == kStarted) pid = message.Value;
    if (message.Kind == kFailed) failure = message.Value;
  }
  ::close(report[0]);
  while (::waitpid(intermediate, nullptr, 0) < 0 && errno == EINTR) {
  }
  if (failure != 0 || pid <= 0) {
    SetLastError(failure != 0 ? ErrorFromErrno(failure) : ERROR_NOT_SUPPORTED);
    return 0;
  }
  return pid;
}

std::vector<String> EnvironmentWithout(const String& name) {
  std::vector<String> result;
  const String prefix = name + "=";
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    const String text = *entry;
    if (text.rfind(prefix, 0) != 0) result.push_back(text);
  }
  return result;
}

String FindProgram(const String& name) {
  if (name.empty()) return String();
  if (name.find('/') != String::npos) return name;
  const char* pathVariable = std::getenv("PATH");
  const String path = pathVariable != nullptr ? pathVariable : "/usr/local/bin:/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= path.size()) {
    auto colon = path.find(':', start);
    if (colon == String::npos) colon = path.size();
    const String folder = colon > start ? path.substr(start, colon - start) : String(".");
    const String candidate = folder + "/" + name;
    struct stat info {};
    if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(candidate.c_str(), X_OK) == 0)
      return candidate;
    start = colon + 1;
  }
  return String();
}

}  // namespace plat
