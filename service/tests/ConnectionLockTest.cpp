// The connection mutex serialises whole exchanges across processes: while
// one process holds it, another's request does not reach the wire.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/os/Handle.h"
#include "platform/os/NamedMutex.h"
#include "service/tcpClient.h"
#include "service/tests/ScriptedServer.h"
#include "service/tests/ServiceTestEnvironment.h"

namespace zorbit::testing {
namespace {

class ConnectionLockTest : public ServiceTest {};

// A process that takes the lock, says so on Told and keeps it until every
// write end of Release (ReleaseEnd is the caller's) is closed, standing for another copy of the program in
// mid-exchange.
pid_t StartLockHolder(int Told, int Release, int ReleaseEnd) {
  const pid_t holder = ::fork();
  if (holder != 0) return holder;
  ::close(ReleaseEnd);  // else its own copy would keep Release open
  // Taken by a wait, not as the creator: a client may hold the mutex open already.
  const plat::HANDLE held = plat::CreateMutex(ConnectionMutexName, false);
  const char mark = 'h';
  const bool told = held != nullptr && plat::WaitForSingleObject(held, 10000) == plat::WAIT_OBJECT_0 &&
                    ::write(Told, &mark, 1) == 1;
  char ignored;
  while (::read(Release, &ignored, 1) > 0) {
  }
  ::_exit(told && plat::ReleaseMutex(held) ? 0 : 1);
}

bool WaitForMark(int Fd) {
  char mark = 0;
  return ::read(Fd, &mark, 1) == 1;
}

int ExitCodeOf(pid_t Child) {
  int status = 0;
  if (::waitpid(Child, &status, 0) != Child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

TEST_F(ConnectionLockTest, AnExchangeWaitsWhileAnotherProcessHoldsTheLock) {
  ScriptedServer server(ScriptedServer::Reply("result=1"));
  int held[2], release[2], asking[2];
  ASSERT_EQ(::pipe(held), 0);
  ASSERT_EQ(::pipe(release), 0);
  ASSERT_EQ(::pipe(asking), 0);
  const pid_t holder = StartLockHolder(held[1], release[0], release[1]);
  ASSERT_GE(holder, 0);
  ASSERT_TRUE(WaitForMark(held[0]));
  const pid_t client = ::fork();
  ASSERT_GE(client, 0);
  if (client == 0) {
    ::close(release[1]);
    InitializeServiceUnits();
    TtcpServOpr link(ServiceHost, true, server.Port());
    const char mark = 'a';
    const bool told = ::write(asking[1], &mark, 1) == 1;
    plat::WideString params = u"EAX=38416,EBX=42,Flag=2048";
    link.GetInfo(u"int15", u"", params);
    ::_exit(told && params == u"result=1" ? 0 : 1);
  }
  ASSERT_TRUE(WaitForMark(asking[0]));
  // The client is connected and asking. However long it is given, nothing
  // reaches the wire while the lock is held: the pause only makes a client
  // that ignored the lock likelier to show itself, it never fails one that
  // keeps it.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_TRUE(server.Requests().empty());
  ::close(release[1]);
  EXPECT_EQ(ExitCodeOf(holder), 0);
  EXPECT_EQ(server.WaitForRequests(1).size(), 1u);
  EXPECT_EQ(ExitCodeOf(client), 0);
  for (const int fd : {held[0], held[1], release[0], asking[0], asking[1]}) ::close(fd);
}

// The client keeps the mutex open from its first exchange on, but owns it
// only during an exchange: another process takes it in between, and the
// client's next exchange waits for it.
TEST_F(ConnectionLockTest, TheMutexKeptOpenIsHeldOnlyDuringAnExchange) {
  ScriptedServer server(ScriptedServer::Reply("result=1"));
  int held[2], release[2], firstDone[2], goOn[2];
  for (int* fds : {held, release, firstDone, goOn}) ASSERT_EQ(::pipe(fds), 0);
  const pid_t client = ::fork();
  ASSERT_GE(client, 0);
  if (client == 0) {
    ::close(release[1]);
    ::close(goOn[1]);
    InitializeServiceUnits();
    TtcpServOpr link(ServiceHost, true, server.Port());
    plat::WideString first = u"EAX=38416";
    link.GetInfo(u"int15", u"", first);
    const char mark = 'f';
    bool ok = first == u"result=1" && ::write(firstDone[1], &mark, 1) == 1 && WaitForMark(goOn[0]);
    plat::WideString second = u"EAX=38416";
    link.GetInfo(u"int15", u"", second);
    ::_exit(ok && second == u"result=1" ? 0 : 1);
  }
  ::close(goOn[0]);
  ASSERT_TRUE(WaitForMark(firstDone[0]));
  ASSERT_EQ(server.Requests().size(), 1u);
  // The holder's wait is bounded: a client that kept the mutex owned between
  // exchanges makes it fail instead of hang.
  const pid_t holder = StartLockHolder(held[1], release[0], release[1]);
  ASSERT_GE(holder, 0);
  ::close(held[1]);  // a holder that gave up ends the wait for its mark
  ASSERT_TRUE(WaitForMark(held[0]));
  const char go = 'g';
  ASSERT_EQ(::write(goOn[1], &go, 1), 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(server.Requests().size(), 1u);
  ::close(release[1]);
  EXPECT_EQ(ExitCodeOf(holder), 0);
  EXPECT_EQ(server.WaitForRequests(2).size(), 2u);
  EXPECT_EQ(ExitCodeOf(client), 0);
  for (const int fd : {held[0], release[0], firstDone[0], firstDone[1], goOn[1]}) ::close(fd);
}

}  // namespace
}  // namespace zorbit::testing
