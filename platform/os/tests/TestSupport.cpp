#include "TestSupport.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "platform/os/detail/Environment.h"

namespace ostest {

TTempRoot::TTempRoot() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zorbit-os-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  FPath = pattern;
  if (const char* previous = std::getenv("ZORBIT_ROOT")) {
    FHadRoot = true;
    FPreviousRoot = previous;
  }
  ::setenv("ZORBIT_ROOT", FPath.c_str(), 1);
}

TTempRoot::~TTempRoot() {
  if (FHadRoot)
    ::setenv("ZORBIT_ROOT", FPreviousRoot.c_str(), 1);
  else
    ::unsetenv("ZORBIT_ROOT");
  std::error_code ignored;
  std::filesystem::remove_all(FPath, ignored);
}

THelperProcess::THelperProcess(const std::vector<std::string>& argv) {
  int input[2];
  int output[2];
  if (::pipe2(input, O_CLOEXEC) != 0 || ::pipe2(output, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  ::posix_spawn_file_actions_init(&actions);
  ::posix_spawn_file_actions_adddup2(&actions, input[0], 0);
  ::posix_spawn_file_actions_adddup2(&actions, output[1], 1);
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  const int error = ::posix_spawn(&FPid, args[0], &actions, nullptr, args.data(), environ);
  ::posix_spawn_file_actions_destroy(&actions);
  ::close(input[0]);
  ::close(output[1]);
  FInput = input[1];
  FOutput = output[0];
  if (error != 0) throw std::runtime_error("posix_spawn failed");
}

THelperProcess::~THelperProcess() {
  if (FInput >= 0) ::close(FInput);
  if (FOutput >= 0) ::close(FOutput);
  if (FPid > 0) {
    ::kill(FPid, SIGKILL);
    ::waitpid(FPid, nullptr, 0);
  }
}

void THelperProcess::Send(const std::string& line) {
  const std::string text = line + "\n";
  if (::write(FInput, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
    throw std::runtime_error("write to helper failed");
}

std::string THelperProcess::ReadLine(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    const auto newline = FBuffer.find('\n');
    if (newline != std::string::npos) {
      std::string line = FBuffer.substr(0, newline);
      FBuffer.erase(0, newline + 1);
      return line;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
    if (left <= 0) return "<timeout>";
    pollfd entry{FOutput, POLLIN, 0};
    if (::poll(&entry, 1, static_cast<int>(left)) <= 0) continue;
    char chunk[256];
    const ssize_t got = ::read(FOutput, chunk, sizeof chunk);
    if (got <= 0) return "<eof>";
    FBuffer.append(chunk, static_cast<std::size_t>(got));
  }
}

int THelperProcess::Wait(std::chrono::milliseconds timeout) {
  int status = 0;
  const bool ended = WaitUntil(
      [&] {
        const pid_t done = ::waitpid(FPid, &status, WNOHANG);
        return done == FPid;
      },
      timeout);
  if (!ended) return -1;
  FPid = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string HelperPath() { return OS_TEST_HELPER; }

THelperProcess StartMutexHelper() { return THelperProcess({HelperPath(), "mutex"}); }

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << content;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

}  // namespace ostest
