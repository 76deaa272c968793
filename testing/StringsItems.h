#pragma once
// A string list's items as a vector, so that one comparison checks (and a
// failure shows) the whole list:
//
//   EXPECT_EQ(Items(list), (std::vector<std::string>{"a", "b"}));
#include <string>
#include <vector>

#include "platform/rtl/StringList.h"

namespace zorbit::testing {

inline std::vector<std::string> Items(const plat::TStrings& List) {
  std::vector<std::string> items;
  for (int i = 0; i < List.Count(); ++i) items.push_back(List.Strings(i));
  return items;
}

}  // namespace zorbit::testing
