#pragma once
// Request numbers for the stale lines sent before a reply (--stale): numbers
// the client must skip. A client compares only as many leading characters as
// its own number has, so a longer number that starts with it ("120" for 12)
// would be taken for the reply and is never produced. Shorter numbers that are
// a prefix of it ("1" for 12) come first, since they are the lines a sloppy
// comparison gets wrong.
#include <string>
#include <vector>

namespace zorbit::mgmtsvc {

std::vector<std::string> StaleIds(const std::string& Id, int Count);

}  // namespace zorbit::mgmtsvc
