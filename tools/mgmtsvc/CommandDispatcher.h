#pragma once
// Turns one request into its answer: "GetInfo" for "int15" goes to the fake
// BIOS, every other module to the machine profile; the sensor commands go to
// the alert book. Commands that the client does not wait for get no reply;
// an unknown command gets an empty one.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/mgmtsvc/AlertBook.h"
#include "tools/mgmtsvc/FakeBios.h"
#include "tools/mgmtsvc/MachineProfile.h"
#include "tools/mgmtsvc/RequestLine.h"

namespace zorbit::mgmtsvc {

struct CommandAnswer {
  std::string Payload;
  int DelayMs = 0;  // asked for by the profile entry that answered
};

class CommandDispatcher {
 public:
  CommandDispatcher(MachineProfile& Profile, FakeBios& Bios, AlertBook& Alerts);

  // Whether the client waits for a reply to Command; those it does not wait
  // for are carried out without one.
  static bool AwaitsReply(std::string_view Command);

  // Empty for the commands that are not answered. Client is the connection
  // the request came on.
  std::optional<CommandAnswer> Handle(const RequestLine& Request, ClientKey Client);
  // Frees what a connection held (its subscriptions) once it has ended.
  void ClientGone(ClientKey Client);

 private:
  CommandAnswer GetInfo(const std::vector<std::string>& Items);
  CommandAnswer GetField(const std::vector<std::string>& Items);

  MachineProfile& FProfile;
  FakeBios& FBios;
  AlertBook& FAlerts;
};

}  // namespace zorbit::mgmtsvc
