#pragma once
// What the runtime library's tests share: a temporary folder and a string
// list's items as a vector, so one comparison shows the whole list.
#include <vector>

#include "platform/rtl/StringList.h"
#include "platform/rtl/tests/TempDir.h"

namespace rtltest {

inline std::vector<plat::String> Items(const plat::TStrings& list) {
  std::vector<plat::String> items;
  for (int i = 0; i < list.Count(); ++i) {
    items.push_back(list.Strings(i));
  }
  return items;
}

}  // namespace rtltest
