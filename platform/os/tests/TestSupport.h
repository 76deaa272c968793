#pragma once
// Fixtures shared by the os tests: a private platform root per test, a
// helper process driven through its standard streams, and bounded polling.
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace ostest {

// A fresh temporary folder that ZORBIT_ROOT points at while the object lives.
class TTempRoot {
 public:
  TTempRoot();
  ~TTempRoot();
  TTempRoot(const TTempRoot&) = delete;
  TTempRoot& operator=(const TTempRoot&) = delete;

  const std::string& Path() const { return FPath; }

 private:
  std::string FPath;
  std::string FPreviousRoot;
  bool FHadRoot = false;
};

// The os_test_helper program, or another program, with pipes on its stdin
// and stdout. The process is killed when the object goes.
class THelperProcess {
 public:
  explicit THelperProcess(const std::vector<std::string>& argv);
  ~THelperProcess();
  THelperProcess(const THelperProcess&) = delete;
  THelperProcess& operator=(const THelperProcess&) = delete;

  void Send(const std::string& line);
  // The next line of its output; "<timeout>" or "<eof>" when none came.
  std::string ReadLine(std::chrono::milliseconds timeout = std::chrono::seconds(10));
  std::string Ask(const std::string& line) {
    Send(line);
    return ReadLine();
  }
  // Waits for it to end; its exit status (-1 on a time-out).
  int Wait(std::chrono::milliseconds timeout = std::chrono::seconds(10));
  pid_t Pid() const { return FPid; }

 private:
  pid_t FPid = -1;
  int FInput = -1;
  int FOutput = -1;
  std::string FBuffer;
};

std::string HelperPath();
THelperProcess StartMutexHelper();

// Polls every few milliseconds until condition holds or timeout passes.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = std::chrono::seconds(10));

void WriteFile(const std::string& path, const std::string& content);
std::string ReadFile(const std::string& path);

}  // namespace ostest
