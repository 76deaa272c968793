#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <stdexcept>

#include "platform/os/IsolatedCall.h"
#include "platform/rtl/ScopeExit.h"

namespace {

using namespace plat;

TEST(IsolatedCallTest, AnswersTheBytesTheChildReturned) {
  const String bytes("a\0b\xff", 4);
  EXPECT_EQ(IsolatedCall([&] { return bytes; }), bytes);
  EXPECT_EQ(IsolatedCall([] { return String(); }), "");
  const String large(1 << 20, 'x');  // more than a pipe holds at once
  EXPECT_EQ(IsolatedCall([&] { return large; }), large);
}

TEST(IsolatedCallTest, ChangesInTheChildStayThere) {
  int counter = 1;
  IsolatedCall([&] {
    counter = 2;
    return String();
  });
  EXPECT_EQ(counter, 1);
}

struct TFailureCase {
  const char* Name;
  std::function<String()> Work;
  const char* Message;
};

void PrintTo(const TFailureCase& failure, std::ostream* out) { *out << failure.Name; }

class IsolatedCallFailureTest : public ::testing::TestWithParam<TFailureCase> {};

TEST_P(IsolatedCallFailureTest, BecomesAnError) {
  try {
    IsolatedCall(GetParam().Work);
    FAIL() << "no error";
  } catch (const EIsolatedCallError& e) {
    EXPECT_EQ(e.Message(), GetParam().Message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IsolatedCallFailureTest,
    ::testing::Values(
        TFailureCase{"Exception", [] () -> String { throw std::runtime_error("bad header"); }, "bad header"},
        TFailureCase{"Killed",
                     [] {
                       ::raise(SIGKILL);
                       return String("never");
                     },
                     "the child process was ended by signal 9 (Killed)"},
        TFailureCase{"Exit",
                     [] {
                       ::_exit(3);
                       return String("never");
                     },
                     "the child process ended with code 3"}),
    [](const auto& test) { return String(test.param.Name); });

// Switched on, as the fuzz targets do: the same answers, but from this
// process.
TEST(IsolatedCallInProcessTest, RunsTheWorkHere) {
  SetIsolatedCallsInProcess(true);
  const ScopeExit restore([] { SetIsolatedCallsInProcess(false); });
  const pid_t caller = ::getpid();
  pid_t worker = 0;
  EXPECT_EQ(IsolatedCall([&] {
              worker = ::getpid();
              return String("a\0b", 3);
            }),
            String("a\0b", 3));
  EXPECT_EQ(worker, caller);
  try {
    IsolatedCall([]() -> String { throw std::runtime_error("bad header"); });
    FAIL() << "no error";
  } catch (const EIsolatedCallError& e) {
    EXPECT_EQ(e.Message(), "bad header");
  }
}

TEST(IsolatedCallInProcessTest, ACrashEndsTheCaller) {
  // Isolated, the crash would come back as an error and the statement end
  // normally.
  EXPECT_DEATH(
      {
        SetIsolatedCallsInProcess(true);
        try {
          IsolatedCall([] {
            ::raise(SIGSEGV);
            return String();
          });
        } catch (const EIsolatedCallError&) {
        }
      },
      "");
}

}  // namespace
