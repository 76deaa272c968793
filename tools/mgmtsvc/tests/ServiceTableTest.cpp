// The demo's road: the stand-in started through the service table reports
// that it runs once it listens, answers, and stops when asked.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/os/PlatformRoot.h"
#include "platform/os/ServiceControl.h"
#include "testing/PlatformRoot.h"
#include "testing/StandInService.h"
#include "testing/WaitUntil.h"
#include "tools/mgmtsvc/tests/LineClient.h"

namespace zorbit::mgmtsvc::tests {
namespace {

using testing::TPlatformRoot;

bool WaitForState(plat::SC_HANDLE Service, plat::DWORD State) {
  plat::SERVICE_STATUS status;
  return testing::WaitUntil([&] { return plat::QueryServiceStatus(Service, status) && status.dwCurrentState == State; },
                            std::chrono::seconds(20));
}

// The service's output is kept in a ".log" file of the services' run folder.
int AnnouncedPort() {
  for (const auto& entry : std::filesystem::directory_iterator(plat::RunFolder("services"))) {
    if (entry.path().extension() != ".log") continue;
    std::ifstream log(entry.path());
    std::string line;
    while (std::getline(log, line))
      if (line.rfind("listening on ", 0) == 0) return std::atoi(line.c_str() + 13);
  }
  return 0;
}

TEST(ServiceTable, StartedAsAServiceItReportsRunningAndAnswers) {
  TPlatformRoot root;
  const std::string command = "\"" + testing::TStandInService::ExecutablePath() + "\" --port 0 --state \"" +
                              root.Folder().File("state.json") + "\"";
  ASSERT_TRUE(plat::RegisterService("ZIRuzedav", command));
  plat::SC_HANDLE manager = plat::OpenSCManager(".", "", plat::SC_MANAGER_CONNECT);
  ASSERT_NE(manager, nullptr);
  plat::SC_HANDLE service =
      plat::OpenService(manager, "ZIRuzedav", plat::SERVICE_QUERY_STATUS | plat::SERVICE_START | plat::SERVICE_STOP);
  ASSERT_NE(service, nullptr);
  ASSERT_TRUE(plat::StartService(service, 0, nullptr));

  EXPECT_TRUE(WaitForState(service, plat::SERVICE_RUNNING));
  int port = AnnouncedPort();
  ASSERT_GT(port, 0);
  LineClient client(port);
  EXPECT_EQ(client.Ask("GetInfo", 0, GetInfoData("smbios_sub", "BIOS", "")), "0");

  plat::SERVICE_STATUS status;
  EXPECT_TRUE(plat::ControlService(service, plat::SERVICE_CONTROL_STOP, status));
  EXPECT_TRUE(WaitForState(service, plat::SERVICE_STOPPED));
  plat::CloseServiceHandle(service);
  plat::CloseServiceHandle(manager);
}

}  // namespace
}  // namespace zorbit::mgmtsvc::tests
