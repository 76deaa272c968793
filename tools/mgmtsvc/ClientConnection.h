#pragma once
// One client's connection: reads request lines, answers them in order through
// the dispatcher, and applies the misbehaviour switches of the command line
// (delays, silence, stale lines, bare or over-long replies, closing midway).
#include <iosfwd>
#include <string>
#include <string_view>

#include "tools/mgmtsvc/CommandDispatcher.h"
#include "tools/mgmtsvc/ServiceOptions.h"
#include "tools/mgmtsvc/StopSignal.h"
#include "tools/mgmtsvc/UniqueFd.h"

namespace zorbit::mgmtsvc {

class ClientConnection {
 public:
  ClientConnection(UniqueFd Socket, const ServiceOptions& Options, CommandDispatcher& Dispatcher,
                   const StopSignal& Stop, std::ostream& Log);

  // Returns when the client closes, a switch ends the connection, or the service stops.
  void Serve();

 private:
  bool ReadLine(std::string& Line);
  void ReportOverlongLine();
  bool Send(std::string_view Data);
  // False when the connection is to end after this reply.
  bool Reply(const RequestLine& Request, const CommandAnswer& Answer);

  UniqueFd FSocket;
  const ServiceOptions& FOptions;
  CommandDispatcher& FDispatcher;
  const StopSignal& FStop;
  std::ostream& FLog;
  std::string FBuffer;
  std::size_t FScanned = 0;  // bytes of FBuffer known to hold no line end
  bool FDiscarding = false;  // inside an over-long request line
  int FAnswered = 0;
};

}  // namespace zorbit::mgmtsvc
