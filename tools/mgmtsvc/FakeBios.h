#pragma once
// The BIOS behind the "int15" module: decodes a request list (EAX=38416,
// EBX=feature code, the feature's items in their fixed order, "nocache=true"
// last), performs the call on the kept state and answers a reply list.
//
// "result" answers the call: 1 for success (and "yes": a password is set or
// matches), 256 when the BIOS refuses or says no (a wrong password, a user
// password without a supervisor password, a tag too long, a feature made to
// fail with --fail), and 0 when the request cannot be decoded (unknown code,
// an item missing, misplaced or not a number, a wrong "Flag="); such a request
// is also described on the log, so that a client's mistake is easy to see.
#include <iosfwd>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tools/mgmtsvc/BiosFeature.h"
#include "tools/mgmtsvc/BiosState.h"
#include "tools/mgmtsvc/BiosStateFile.h"

namespace zorbit::mgmtsvc {

class FakeBios {
 public:
  FakeBios(BiosStateFile File, BiosState Initial, std::set<BiosFeature> Failing, bool AssetTagFallbackOnly,
           std::ostream& Log);

  // The reply text (the reply list's comma text) for a request text.
  std::string Call(const std::string& Request);
  BiosState State() const;

 private:
  struct Operation;
  struct Decoded;
  using Outputs = std::vector<std::pair<std::string, std::string>>;
  enum class Outcome { Success, Refused, Undecodable };

  static const Operation* FindOperation(std::uint32_t Ebx);
  bool Decode(const std::vector<std::string>& Items, Decoded& Call, std::string& Fault) const;
  Outcome Perform(const Decoded& Call, BiosState& State, Outputs& Out, std::string& Fault) const;

  BiosStateFile FFile;
  BiosState FState;
  std::set<BiosFeature> FFailing;
  bool FAssetTagFallbackOnly;
  std::ostream& FLog;
  mutable std::mutex FLock;  // one call at a time, as on one machine
};

}  // namespace zorbit::mgmtsvc
