#pragma once
// Runs the real stand-in management service (the mgmtsvc program) as a child
// process on a free loopback port, for tests of anything that talks to the
// service:
//
//   zorbit::testing::StandInService service({"--state", dir + "/state.json", "--fail", "user"});
//   client.Connect("127.0.0.1", service.Port());
//
// The program is found through ZORBIT_BUILD_DIR (set by CTest for every test)
// or else at the path it was built at. The child is killed when the object
// goes, and by the kernel when the thread that started it ends, so a crashed
// test leaves no service behind.
#include <string>
#include <vector>

namespace zorbit::testing {

class StandInService {
 public:
  // Starts the service with Arguments (any of mgmtsvc's switches; "--port" is
  // added, 0 for a free port). Throws std::runtime_error when it does not
  // announce its port in time, with its exit status when it ended.
  explicit StandInService(std::vector<std::string> Arguments = {});
  ~StandInService();
  StandInService(const StandInService&) = delete;
  StandInService& operator=(const StandInService&) = delete;

  int Port() const { return FPort; }
  bool Running() const { return FPid > 0; }
  // Ends the service with SIGTERM (SIGKILL when it does not end within a few
  // seconds) and answers its exit code, or 128 + the signal that ended it.
  // Stopping a stopped service answers the last exit code.
  int Stop();
  // Stops it when running and starts it again with the same arguments on the
  // same port, so that clients can reconnect; a state file carries over.
  void Restart();

  static std::string ExecutablePath();

 private:
  void Start(int Port);

  std::vector<std::string> FArguments;
  int FPid = -1;
  int FPort = 0;
  int FOutput = -1;  // the read end of the child's standard output
  int FExitCode = 0;
};

}  // namespace zorbit::testing
