#pragma once
// Listens on 127.0.0.1 and serves each client connection on its own thread,
// so that several processes can talk to the service at once while each
// connection's requests are answered in order. When every connection slot is
// taken, the idle connection with the weakest claim (see
// ClientConnection::IdleRank) is closed to make room; a newcomer is turned
// away only when no connection is idle.
#include <atomic>
#include <iosfwd>
#include <list>
#include <memory>
#include <thread>

#include "tools/mgmtsvc/ClientConnection.h"
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
    std::unique_ptr<ClientConnection> Connection;
    std::thread Thread;
    std::atomic<bool> Done{false};
    bool Evicted = false;
  };

  void Serve(UniqueFd Socket);
  void ReapFinished();
  std::size_t Occupied() const;
  // Closes the idle connection with the weakest claim; false when none is idle.
  bool EvictOne();
  void JoinAll();

  const ServiceOptions& FOptions;
  CommandDispatcher& FDispatcher;
  const StopSignal& FStop;
  std::ostream& FLog;
  UniqueFd FListener;
  std::list<Worker> FWorkers;
  ClientKey FNextClient = 1;
};

}  // namespace zorbit::mgmtsvc
