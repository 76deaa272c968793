#pragma once
// The os_test_helper program the build made beside the tests (its commands
// are listed at the top of helper/os_test_helper.cpp).
#include <string>

namespace ostest {

inline std::string HelperPath() { return OS_TEST_HELPER; }

}  // namespace ostest
