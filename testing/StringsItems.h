#pragma once
// A string list's (or wide string list's) items as a vector, so that one comparison checks (and a
// failure shows) the whole list:
//
//   EXPECT_EQ(Items(list), (std::vector<std::string>{"a", "b"}));
#include <string>
#include <vector>

#include "platform/rtl/StringList.h"
#include "platform/rtl/WideStrings.h"

namespace zorbit::testing {

inline std::vector<std::string> Items(const plat::TStrings& List) {
  std::vector<std::string> items;
  for (int i = 0; i < List.Count(); ++i) items.push_back(List.Strings(i));
  return items;
}

inline std::vector<std::u16string> Items(const plat::TWideStrings& List) {
  std::vector<std::u16string> items;
  for (int i = 0; i < List.Count(); ++i) items.push_back(List.Strings(i));
  return items;
}

}  // namespace zorbit::testing
