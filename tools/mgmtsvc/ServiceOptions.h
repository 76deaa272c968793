#pragma once
// The stand-in service's command line: where it listens, where its machine
// profile and BIOS state live, and the switches that make it misbehave on
// purpose for the client's tests.
#include <set>
#include <string>
#include <vector>

#include "tools/mgmtsvc/BiosFeature.h"

namespace zorbit::mgmtsvc {

struct ServiceOptions {
  int Port = 2804;
  std::string ProfileFile;  // empty: the built-in default profile
  std::string StateFile;    // empty: BIOS state kept in memory only
  std::string LogFile;      // empty: diagnostics go to the standard error

  // A client may stay idle between requests as long as it likes (the program
  // keeps one connection for its whole life), but a request line it begins
  // must end within this time, and each reply must be taken within the send
  // time; otherwise the connection is closed.
  int LineTimeoutMs = 30'000;
  int SendTimeoutMs = 10'000;

  int DelayMs = 0;            // wait before every reply
  bool Silent = false;        // read requests, never reply
  int Stale = 0;              // lines with other request numbers before each reply
  bool BareId = false;        // reply with the request number alone
  long Overlong = 0;          // reply with a line of this many characters
  bool CloseMidRead = false;  // write part of the reply, then close
  int DropAfter = 0;          // close after answering this many requests (0: never)
  bool Refuse = false;        // accept and close at once

  std::set<BiosFeature> FailFeatures;  // fake BIOS features that answer failure
  bool AssetTagFallbackOnly = false;   // first asset-tag codes fail, fallbacks answer
};

// Throws std::invalid_argument with a message naming the bad argument.
ServiceOptions ParseServiceOptions(const std::vector<std::string>& Args);

const char* ServiceUsage();

}  // namespace zorbit::mgmtsvc
