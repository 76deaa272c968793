#pragma once
// One client's connection: reads request lines, answers them in order through
// the dispatcher, and applies the misbehaviour switches of the command line
// (delays, silence, stale lines, bare or over-long replies, closing midway).
// A request line begun must end within the line time and every reply must be
// taken within the send time (see ServiceOptions), or the connection ends.
// A request whose client waits for a reply is dropped, not carried out, when
// the client has closed the connection by the time its turn comes: the
// client gave up on it (and told its user so), so carrying it out now would
// change the BIOS behind the user's back. Requests sent without awaiting a
// reply are still carried out, as a client may send them and leave.
// Serve runs on the connection's own thread; Idleness and Evict may be called
// from another while it runs.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "tools/mgmtsvc/CommandDispatcher.h"
#include "tools/mgmtsvc/DropReport.h"
#include "tools/mgmtsvc/LineBuffer.h"
#include "tools/mgmtsvc/ServiceOptions.h"
#include "tools/mgmtsvc/StopSignal.h"
#include "tools/mgmtsvc/UniqueFd.h"

namespace zorbit::mgmtsvc {

class ClientConnection {
 public:
  // Which idle connection gives way first when every slot is taken: one that
  // has not sent a whole request yet or stopped in the middle of a line
  // before one that has been served, and of those the longest idle.
  struct IdleRank {
    bool Served;
    std::int64_t IdleSince;  // steady-clock ticks
    auto operator<=>(const IdleRank&) const = default;
  };

  ClientConnection(UniqueFd Socket, ClientKey Key, const ServiceOptions& Options, CommandDispatcher& Dispatcher,
                   const StopSignal& Stop, std::ostream& Log);

  // Returns when the client closes, a switch or a deadline ends the
  // connection, the service stops or the connection is evicted.
  void Serve();
  // Empty while a request is being answered or after the connection ended.
  std::optional<IdleRank> Idleness() const;
  // Ends the connection: Serve returns soon after.
  void Evict();

 private:
  bool ReadLine(std::string_view& Line, DropReport& Drops);
  // Whether the client has ended its side of the connection (or it broke),
  // whatever unread requests it left.
  bool ClientHungUp() const;
  bool Send(std::string_view Data);
  // False when the connection is to end after this reply.
  bool Reply(const RequestLine& Request, const CommandAnswer& Answer);
  void MarkIdle();

  UniqueFd FSocket;
  mutable std::mutex FSocketLock;  // closing against Evict
  ClientKey FKey;
  const ServiceOptions& FOptions;
  CommandDispatcher& FDispatcher;
  const StopSignal& FStop;
  std::ostream& FLog;
  LineBuffer FLines;
  std::chrono::steady_clock::time_point FLastArrival;
  std::chrono::steady_clock::time_point FLineStarted;  // when the first bytes of an unfinished line came
  bool FHadRequest = false;
  int FAnswered = 0;
  static constexpr std::int64_t kBusy = -1;
  std::atomic<std::int64_t> FIdleSince;
  std::atomic<bool> FServed{false};
};

}  // namespace zorbit::mgmtsvc
