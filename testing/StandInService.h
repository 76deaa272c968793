#pragma once
// Runs the real stand-in management service (the mgmtsvc program) as a child
// process on a free loopback port, for tests of anything that talks to the
// service:
//
//   TTempFolder folder;
//   TStandInService service({"--state", folder.File("state.json"), "--fail", "user"});
//   client.Connect("127.0.0.1", service.Port());
//
// The constructor returns once the service listens: it waits (bounded) for
// the line in which the program announces the port it bound, which it writes
// only after listen(). Every copy binds its own port, so any number of test
// programs can run at once. The service is stopped when the object goes, and
// killed by the kernel when the thread that started it ends, so a crashed
// test leaves no service behind.
#include <memory>
#include <string>
#include <vector>

#include "testing/ChildProcess.h"

namespace zorbit::testing {

class TStandInService {
 public:
  // Starts the service with Arguments (any of mgmtsvc's switches: --profile,
  // --state, --delay-ms...; "--port" is added, 0 for a free port). Throws
  // std::runtime_error when it does not announce its port in time, with its
  // exit code when it ended.
  explicit TStandInService(std::vector<std::string> Arguments = {});
  ~TStandInService();
  TStandInService(const TStandInService&) = delete;
  TStandInService& operator=(const TStandInService&) = delete;

  int Port() const { return FPort; }
  bool Running() const { return FProcess && FProcess->Running(); }
  // Ends the service with SIGTERM (SIGKILL when it does not end within a few
  // seconds) and answers its exit code, or 128 + the signal that ended it.
  // Stopping a stopped service answers the last exit code.
  int Stop();
  // Stops it when running and starts it again with the same arguments on the
  // same port, so that clients can reconnect; a state file carries over.
  void Restart();
  // Freezes it (SIGSTOP) as a service that stops answering for a while:
  // connections and requests still reach its port and wait there. Throws
  // std::runtime_error when it does not stand still in time. Resume lets it
  // go on with what waited.
  void Pause();
  void Resume();

  // The mgmtsvc program the build made.
  static std::string ExecutablePath();

 private:
  void Start(int Port);

  std::vector<std::string> FArguments;
  std::unique_ptr<TChildProcess> FProcess;
  int FPort = 0;
  int FExitCode = 0;
};

}  // namespace zorbit::testing
