// The start-up factory: waiting for, starting and connecting to the
// management service, and the reaction when no connection stands.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/os/ServiceControl.h"
#include "service/GenericNetAPI.h"
#include "service/ServiceControlEx.h"
#include "service/tcpClient.h"
#include "service/tests/ScriptedServer.h"
#include "service/tests/ServiceTestEnvironment.h"
#include "testing/StandInService.h"

namespace zorbit::testing {
namespace {

int UnusedPort() {
  ScriptedServer server(ScriptedServer::Reply(""));
  return server.Port();
}

class GetServTest : public ServiceTest {
 protected:
  void TearDown() override {
    StopService();
    ServiceTest::TearDown();
  }

  // An administrator waits while the service is missing or starting, so
  // every test registers one; it reads as stopped until started.
  void RegisterStandIn(int port) {
    ASSERT_TRUE(plat::RegisterService(ServiceName, TStandInService::ExecutablePath() + " --port " +
                                                       std::to_string(port) + " --state " + Root + "/state.json"));
  }
  void RegisterBrokenService() { ASSERT_TRUE(plat::RegisterService(ServiceName, "/bin/false")); }

  void StopService() {
    plat::SC_HANDLE manager = plat::OpenSCManager(".", "", plat::SC_MANAGER_CONNECT);
    if (manager == nullptr) return;
    if (plat::SC_HANDLE service = plat::OpenService(manager, ServiceName, plat::SERVICE_STOP)) {
      plat::SERVICE_STATUS status;
      plat::ControlService(service, plat::SERVICE_CONTROL_STOP, status);
      plat::CloseServiceHandle(service);
    }
    plat::CloseServiceHandle(manager);
  }
};

TEST_F(GetServTest, AnAdministratorStartsTheServiceAndConnects) {
  if (!IsAdministrator()) GTEST_SKIP() << "needs an administrator account";
  const int port = UnusedPort();
  RegisterStandIn(port);
  EXPECT_EQ(QueryServiceState(".", ServiceName), 1u);  // stopped: the poll loop ends at once

  IpfqServPtr serv;
  GetServ(serv, nullptr, port);
  ASSERT_TRUE(serv);
  EXPECT_EQ(ServLink(), serv);
  EXPECT_EQ(QueryServiceState(".", ServiceName), 4u);
  EXPECT_TRUE(serv->CheckConnection());
  EXPECT_TRUE(Messages.empty());
}

TEST_F(GetServTest, ARunningServiceIsUsedAsItIs) {
  TStandInService service;
  RegisterStandIn(service.Port());
  IpfqServPtr serv;
  GetServ(serv, nullptr, service.Port());
  ASSERT_TRUE(serv);
  plat::WideString params;
  serv->GetInfo(u"int15", u"", params);
  EXPECT_TRUE(Messages.empty());
}

TEST_F(GetServTest, WithoutAConnectionTheCallersHandlerGetsAnEmptySender) {
  RegisterBrokenService();
  std::vector<plat::TObject*> senders;
  IpfqServPtr serv;
  GetServ(
      serv, [&](plat::TObject* Sender) { senders.push_back(Sender); }, UnusedPort());
  EXPECT_FALSE(serv);
  EXPECT_FALSE(ServLink());
  ASSERT_EQ(senders.size(), 1u);
  EXPECT_EQ(senders[0], nullptr);
  EXPECT_TRUE(Messages.empty());
}

TEST_F(GetServTest, ANonAdministratorGetsTheMessageAtOnce) {
  // A real account without administrator rights: a child process that gives
  // up root. It must not wait for or start the service.
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to switch to an unprivileged account";
  const passwd* nobody = ::getpwnam("nobody");
  ASSERT_NE(nobody, nullptr);
  const int port = UnusedPort();
  RegisterStandIn(port);
  ASSERT_EQ(::chmod(Root.c_str(), 0777), 0);

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0) ::_exit(10);
    InitializeServiceUnits();
    if (IsAdministrator()) ::_exit(11);
    int shown = 0;
    AppHooks().MessageBox = [&](auto&&...) { return ++shown, 1; };
    IpfqServPtr serv;
    GetServ(serv, nullptr, port);
    ::_exit(serv ? 12 : shown == 1 ? 0 : 13);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(QueryServiceState(".", ServiceName), 1u);  // never started
}

}  // namespace
}  // namespace zorbit::testing
