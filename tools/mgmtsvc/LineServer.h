#pragma once
// Listens on 127.0.0.1 and serves each client connection on its own thread,
// so that several processes can talk to the service at once while each
// connection's requests are answered in order.
#include <atomic>
#include <iosfwd>
#include <list>
#include <thread>

#include "tools/mgmtsvc/CommandDispatcher.h"
#include "tools/mgmtsvc/ServiceOptions.h"
#include "tools/mgmtsvc/StopSignal.h"
#include "tools/mgmtsvc/UniqueFd.h"

namespace zorbit::mgmtsvc {

class LineServer {
 public:
  LineServer(const ServiceOptions& Options, CommandDispatcher& Dispatcher, const StopSignal& Stop, std::ostream& Log);
  ~LineServer();
  LineServer(const LineServer&) = delete;
  LineServer& operator=(const LineServer&) = delete;

  // Binds and listens; answers the port (the one picked when the options ask for 0).
  // Throws std::system_error when the port cannot be had.
  int Listen();
  // Accepts connections until the stop is raised, then waits for every connection to end.
  void Run();

 private:
  struct Worker {
    std::thread Thread;
    std::atomic<bool> Done{false};
  };

  void Serve(UniqueFd Socket);
  void ReapFinished();
  void JoinAll();

  const ServiceOptions& FOptions;
  CommandDispatcher& FDispatcher;
  const StopSignal& FStop;
  std::ostream& FLog;
  UniqueFd FListener;
  std::list<Worker> FWorkers;
};

}  // namespace zorbit::mgmtsvc
