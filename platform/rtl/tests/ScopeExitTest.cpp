#include "platform/rtl/ScopeExit.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace plat {
namespace {

TEST(ScopeExit, RunsOnceHoweverTheScopeEndsUnlessDismissed) {
  std::vector<std::string> log;
  const auto leave = [&](const char* how, bool dismiss) {
    ScopeExit undo([&] { log.push_back(how); });
    if (dismiss) undo.Dismiss();
    if (std::string(how) == "thrown") throw std::runtime_error(how);
  };
  leave("returned", false);
  EXPECT_THROW(leave("thrown", false), std::runtime_error);
  leave("dismissed", true);
  EXPECT_EQ(log, (std::vector<std::string>{"returned", "thrown"}));
}

}  // namespace
}  // namespace plat
