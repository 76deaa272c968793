#include "platform/rtl/SwallowedException.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/rtl/Exception.h"

namespace plat {
namespace {

TEST(SwallowedException, NamesThePlaceTheClassAndTheMessage) {
  struct Case {
    const char* Where;
    void (*Raise)();
    const char* Expected;
  };
  const Case cases[] = {
      {"TLog::~TLog", [] { throw EConvertError("bad number"); },
       "TLog::~TLog: exception swallowed: EConvertError: bad number\n"},
      {"worker", [] { throw std::runtime_error("disk gone"); },
       "worker: exception swallowed: runtime_error: disk gone\n"},
      {"cleanup", [] { throw 42; }, "cleanup: exception swallowed: int\n"},
  };
  for (const Case& c : cases) {
    ::testing::internal::CaptureStderr();
    try {
      c.Raise();
    } catch (...) {
      LogSwallowedException(c.Where);
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), c.Expected);
  }
}

}  // namespace
}  // namespace plat
