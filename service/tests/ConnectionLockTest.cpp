// The connection mutex serialises whole exchanges across processes.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

#include "service/tcpClient.h"
#include "service/tests/ServiceTestEnvironment.h"
#include "testing/StandInService.h"

namespace zorbit::testing {
namespace {

using Clock = std::chrono::steady_clock;

long long MillisecondsNow() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count();
}

class ConnectionLockTest : public ServiceTest {};

TEST_F(ConnectionLockTest, TwoProcessesTakeTurns) {
  // Every reply takes 500 ms. The second process asks 100 ms after the first;
  // holding the lock, the first makes it wait for the whole first exchange.
  TStandInService service({"--delay-ms", "500", "--state", Root + "/bios.json"});
  int results[2];
  ASSERT_EQ(::pipe(results), 0);
  const long long start = MillisecondsNow();
  pid_t children[2];
  for (int i = 0; i < 2; ++i) {
    children[i] = ::fork();
    ASSERT_GE(children[i], 0);
    if (children[i] == 0) {
      InitializeServiceUnits();
      TtcpServOpr client(ServiceHost, true, service.Port());
      std::this_thread::sleep_until(Clock::time_point(std::chrono::milliseconds(start + 200 + 100 * i)));
      plat::WideString params = u"EAX=38416,EBX=42,Flag=2048";  // the boot flag
      client.GetInfo(u"int15", u"", params);
      const long long finished[2] = {i, MillisecondsNow()};
      const bool written = ::write(results[1], finished, sizeof(finished)) == sizeof(finished);
      ::_exit(written && !params.empty() ? 0 : 1);
    }
  }
  long long finishedAt[2] = {0, 0};
  for (int i = 0; i < 2; ++i) {
    long long finished[2];
    ASSERT_EQ(::read(results[0], finished, sizeof(finished)), static_cast<ssize_t>(sizeof(finished)));
    finishedAt[finished[0]] = finished[1];
  }
  for (const pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  ::close(results[0]);
  ::close(results[1]);
  // Unserialised, the second would finish 100 ms after the first. On a busy
  // machine the second may reach the lock first; then the first waits for it.
  EXPECT_GE(std::llabs(finishedAt[1] - finishedAt[0]), 400);
}

}  // namespace
}  // namespace zorbit::testing
