#include "tools/mgmtsvc/StaleIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace zorbit::mgmtsvc {
namespace {

// What a client that compares only len(Id) leading characters would take for its reply.
bool LooksLikeReplyTo(const std::string& Line, const std::string& Id) { return Line.compare(0, Id.size(), Id) == 0; }

TEST(StaleIds, NeverMatchADigitPrefixComparison) {
  for (std::string id : {"0", "1", "9", "10", "12", "99", "100", "120", "1999", "4294967295", "007"}) {
    for (int count : {0, 1, 3, 25}) {
      auto ids = StaleIds(id, count);
      EXPECT_EQ(static_cast<int>(ids.size()), count) << id;
      std::set<std::string> distinct(ids.begin(), ids.end());
      EXPECT_EQ(distinct.size(), ids.size()) << id;
      for (const std::string& stale : ids) EXPECT_FALSE(LooksLikeReplyTo(stale + ",stale", id)) << id << " " << stale;
    }
  }
}

TEST(StaleIds, ShorterPrefixesAndNeighboursComeFirst) {
  struct Case {
    std::string Id;
    std::vector<std::string> Expected;
  };
  const Case cases[] = {
      {"12", {"1", "11", "13"}},
      {"123", {"12", "1", "122", "124"}},
      {"1", {"0", "2", "3"}},
      {"0", {"1", "2", "3"}},
  };
  for (const Case& c : cases) EXPECT_EQ(StaleIds(c.Id, static_cast<int>(c.Expected.size())), c.Expected) << c.Id;
}

TEST(StaleIds, SkipsLongerNumbersThatStartWithTheId) {
  // From 1 upwards the neighbours 10 to 19 all start with "1".
  auto ids = StaleIds("1", 30);
  for (const std::string& id : ids) EXPECT_FALSE(id.size() >= 2 && id[0] == '1') << id;
}

}  // namespace
}  // namespace zorbit::mgmtsvc
