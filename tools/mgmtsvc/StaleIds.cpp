#include "tools/mgmtsvc/StaleIds.h"

#include <algorithm>
#include <cstdint>

namespace zorbit::mgmtsvc {

namespace {

bool IsSkippedBy(const std::string& Candidate, const std::string& Id) {
  // The client's comparison of len(Id) characters ends inside "Candidate," when
  // the candidate is shorter, at the comma at the latest, so it never matches.
  return Candidate.size() < Id.size() || Candidate.compare(0, Id.size(), Id) != 0;
}

}  // namespace

std::vector<std::string> StaleIds(const std::string& Id, int Count) {
  std::vector<std::string> ids;
  if (Id.empty()) return ids;
  auto offer = [&](const std::string& candidate) {
    if (static_cast<int>(ids.size()) < Count && IsSkippedBy(candidate, Id) &&
        std::find(ids.begin(), ids.end(), candidate) == ids.end())
      ids.push_back(candidate);
  };
  for (std::size_t length = Id.size() - 1; length > 0; --length) offer(Id.substr(0, length));
  offer("1");

  // Request numbers are at most 20 digits (checked by the line parser); the
  // arithmetic below saturates instead of wrapping.
  std::uint64_t value = 0;
  for (char c : Id) value = std::min<std::uint64_t>(value * 10 + static_cast<std::uint64_t>(c - '0'), UINT64_MAX / 20);
  const std::uint64_t lastStep = 4 * static_cast<std::uint64_t>(Count) + 4;
  for (std::uint64_t step = 1; static_cast<int>(ids.size()) < Count && step <= lastStep; ++step) {
    if (value >= step) offer(std::to_string(value - step));
    offer(std::to_string(value + step));
  }
  return ids;
}

}  // namespace zorbit::mgmtsvc
