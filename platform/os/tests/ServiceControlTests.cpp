#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "platform/os/PlatformRoot.h"
#include "platform/os/ServiceControl.h"
#include "platform/os/tests/OsTestHelper.h"
#include "platform/rtl/LastError.h"
#include "testing/FileContent.h"
#include "testing/PlatformRoot.h"
#include "testing/RunProgram.h"
#include "testing/WaitUntil.h"

namespace {

using namespace plat;
using zorbit::testing::ReadFileContent;
using zorbit::testing::RunProgram;
using zorbit::testing::TPlatformRoot;
using zorbit::testing::TProgramResult;
using zorbit::testing::WaitUntil;
using zorbit::testing::WriteFileContent;

class TServiceHandle {
 public:
  explicit TServiceHandle(SC_HANDLE handle) : FHandle(handle) {}
  ~TServiceHandle() {
    if (FHandle != nullptr) CloseServiceHandle(FHandle);
  }
  TServiceHandle(const TServiceHandle&) = delete;
  TServiceHandle& operator=(const TServiceHandle&) = delete;
  SC_HANDLE Get() const { return FHandle; }

 private:
  SC_HANDLE FHandle;
};

class ServiceControlTest : public ::testing::Test {
 protected:
  ServiceControlTest() : FManager(OpenSCManager(".", "", SC_MANAGER_CONNECT)) {}

  // No service outlives its test, whatever the test did.
  ~ServiceControlTest() override {
    const std::string folder = FRoot.Path() + "/run/services";
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
      if (entry.path().extension() != ".pid") continue;
      int pid = 0;
      if (std::sscanf(ReadFileContent(entry.path().string()).c_str(), "%d", &pid) == 1 && pid > 1)
        ::kill(-pid, SIGKILL);
    }
  }

  std::unique_ptr<TServiceHandle> Open(const std::string& name, DWORD access = SERVICE_ALL_ACCESS) {
    return std::make_unique<TServiceHandle>(OpenService(FManager.Get(), name, access));
  }

  static DWORD State(SC_HANDLE service) {
    SERVICE_STATUS status;
    return QueryServiceStatus(service, status) ? status.dwCurrentState : 0;
  }

  TPlatformRoot FRoot;
  TServiceHandle FManager;
};

TEST_F(ServiceControlTest, ServiceTableListsRegisteredServices) {
  ASSERT_NE(FManager.Get(), nullptr);
  EXPECT_EQ(OpenService(FManager.Get(), "ZIRuzedav", SERVICE_QUERY_STATUS), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_SERVICE_DOES_NOT_EXIST);
  ASSERT_TRUE(RegisterService("ZIRuzedav", "/usr/bin/true --port 2804"));
  ASSERT_TRUE(RegisterService("ZIRuzedav", "/usr/bin/true --port 2805"));  // replaces
  EXPECT_NE(ReadFileContent(ServiceTablePath()).find("ZIRuzedav=/usr/bin/true --port 2805"), std::string::npos);
  auto service = Open("ziruzedav", SERVICE_QUERY_STATUS);  // names without case
  ASSERT_NE(service->Get(), nullptr);
  EXPECT_EQ(State(service->Get()), SERVICE_STOPPED);
  EXPECT_TRUE(UnregisterService("ZIRuzedav"));
  EXPECT_FALSE(UnregisterService("ZIRuzedav"));
  EXPECT_EQ(GetLastError(), ERROR_SERVICE_DOES_NOT_EXIST);
}

TEST_F(ServiceControlTest, BadNamesMachinesAndHandlesAreRefused) {
  for (const std::string& name :
       std::vector<std::string>{"", " lead", "a=b", "a/b", "[x]", "new\nline", std::string(257, 'n')})
    EXPECT_FALSE(RegisterService(name, "/bin/true")) << name;
  EXPECT_FALSE(RegisterService("x", "two\nlines"));
  EXPECT_FALSE(RegisterService("x", ""));
  EXPECT_EQ(OpenSCManager("otherhost", "", SC_MANAGER_CONNECT), nullptr);
  EXPECT_EQ(GetLastError(), RPC_S_SERVER_UNAVAILABLE);
  EXPECT_EQ(OpenSCManager("", "OtherDatabase", SC_MANAGER_CONNECT), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_DATABASE_DOES_NOT_EXIST);
  SERVICE_STATUS status;
  EXPECT_FALSE(QueryServiceStatus(FManager.Get(), status));  // a manager is no service
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(OpenService(nullptr, "x", SERVICE_ALL_ACCESS), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST_F(ServiceControlTest, StartedServiceIsPendingUntilItReportsRunningAndStopsOnRequest) {
  const std::string go = FRoot.Path() + "/go";
  ASSERT_TRUE(RegisterService("Helper", "\"" + ostest::HelperPath() + "\" service \"" + go + "\""));
  auto service = Open("Helper");
  ASSERT_TRUE(StartService(service->Get(), 0, nullptr));
  SERVICE_STATUS status;
  ASSERT_TRUE(QueryServiceStatus(service->Get(), status));
  EXPECT_EQ(status.dwCurrentState, SERVICE_START_PENDING);
  // Its own report: check point 1, wait hint 5000.
  ASSERT_TRUE(WaitUntil([&] { return QueryServiceStatus(service->Get(), status) && status.dwCheckPoint == 1; }));
  EXPECT_EQ(status.dwCurrentState, SERVICE_START_PENDING);
  EXPECT_EQ(status.dwWaitHint, 5000u);
  EXPECT_FALSE(StartService(service->Get(), 0, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_SERVICE_ALREADY_RUNNING);

  WriteFileContent(go, "");
  ASSERT_TRUE(WaitUntil([&] { return State(service->Get()) == SERVICE_RUNNING; }));
  ASSERT_TRUE(QueryServiceStatus(service->Get(), status));
  EXPECT_EQ(status.dwControlsAccepted, SERVICE_ACCEPT_STOP);

  ASSERT_TRUE(ControlService(service->Get(), SERVICE_CONTROL_STOP, status));
  EXPECT_TRUE(status.dwCurrentState == SERVICE_STOP_PENDING || status.dwCurrentState == SERVICE_STOPPED);
  ASSERT_TRUE(WaitUntil([&] { return State(service->Get()) == SERVICE_STOPPED; }));
  EXPECT_FALSE(ControlService(service->Get(), SERVICE_CONTROL_STOP, status));
  EXPECT_EQ(GetLastError(), ERROR_SERVICE_NOT_ACTIVE);
}

TEST_F(ServiceControlTest, ServiceGetsItsNameTheRootAndTheStartArguments) {
  const std::string out = FRoot.Path() + "/env.txt";
  ASSERT_TRUE(RegisterService("EnvSvc", "/bin/sh -c \"echo $ZORBIT_SERVICE_NAME $ZORBIT_ROOT $0 $1 > '" + out +
                                            ".tmp'; mv '" + out + ".tmp' '" + out + "'; exec sleep 30\""));
  auto service = Open("envsvc");
  const char* const args[] = {"first", "second arg"};
  ASSERT_TRUE(StartService(service->Get(), 2, args));
  ASSERT_TRUE(WaitUntil([&] { return std::filesystem::exists(out); }));
  EXPECT_EQ(ReadFileContent(out), "envsvc " + FRoot.Path() + " first second arg\n");
  SERVICE_STATUS status;
  ASSERT_TRUE(QueryServiceStatus(service->Get(), status));
  EXPECT_EQ(status.dwCurrentState, SERVICE_START_PENDING);  // it never reports
  EXPECT_EQ(status.dwWaitHint, DEFAULT_SERVICE_WAIT_HINT);
  ASSERT_TRUE(ControlService(service->Get(), SERVICE_CONTROL_STOP, status));
  EXPECT_TRUE(WaitUntil([&] { return State(service->Get()) == SERVICE_STOPPED; }));
}

TEST_F(ServiceControlTest, StopEndsTheServicesHelpersToo) {
  const std::string childPid = FRoot.Path() + "/child.pid";
  ASSERT_TRUE(RegisterService("Parent", "/bin/sh -c \"sleep 30 & echo $! > '" + childPid + "'; wait\""));
  auto service = Open("Parent");
  ASSERT_TRUE(StartService(service->Get(), 0, nullptr));
  int pid = 0;
  ASSERT_TRUE(WaitUntil([&] { return std::sscanf(ReadFileContent(childPid).c_str(), "%d", &pid) == 1; }));
  SERVICE_STATUS status;
  ASSERT_TRUE(ControlService(service->Get(), SERVICE_CONTROL_STOP, status));
  // Gone, or a zombie waiting for a parent that does not reap it.
  const auto ended = [&] {
    const std::string stat = ReadFileContent("/proc/" + std::to_string(pid) + "/stat");
    const auto close = stat.rfind(')');
    return close == std::string::npos || stat.compare(close + 2, 1, "Z") == 0;
  };
  EXPECT_TRUE(WaitUntil(ended));
  EXPECT_TRUE(WaitUntil([&] { return State(service->Get()) == SERVICE_STOPPED; }));
}

TEST_F(ServiceControlTest, EndedProcessOrForeignPidReadsAsStopped) {
  ASSERT_TRUE(RegisterService("Quick", "/bin/sh -c \"exit 0\""));
  auto service = Open("Quick");
  ASSERT_TRUE(StartService(service->Get(), 0, nullptr));
  EXPECT_TRUE(WaitUntil([&] { return State(service->Get()) == SERVICE_STOPPED; }));

  // A pid file naming a live process that started at another time: a reused id.
  const std::string pidFile = RunFolder("services") + "/quick.pid";
  const struct {
    std::string Content;
  } stale[] = {{std::to_string(::getpid()) + " 1\n"}, {"garbage"}, {"-5 0\n"}, {""}};
  for (const auto& entry : stale) {
    WriteFileContent(pidFile, entry.Content);
    EXPECT_EQ(State(service->Get()), SERVICE_STOPPED) << entry.Content;
  }
}

TEST_F(ServiceControlTest, ProgramsThatCannotRunFailTheStart) {
  const std::string notExecutable = FRoot.Path() + "/plain.txt";
  WriteFileContent(notExecutable, "text");
  const struct {
    std::string CommandLine;
    DWORD Error;
  } cases[] = {{"/nonexistent/program", ERROR_FILE_NOT_FOUND},
               {"no-such-program-on-path-xyz", ERROR_FILE_NOT_FOUND},
               {"'" + notExecutable + "'", ERROR_FILE_NOT_FOUND},  // quotes of a shell mean nothing here
               {notExecutable, ERROR_ACCESS_DENIED}};
  for (const auto& c : cases) {
    ASSERT_TRUE(RegisterService("Broken", c.CommandLine));
    auto service = Open("Broken");
    EXPECT_FALSE(StartService(service->Get(), 0, nullptr)) << c.CommandLine;
    EXPECT_EQ(GetLastError(), c.Error) << c.CommandLine;
    EXPECT_EQ(State(service->Get()), SERVICE_STOPPED);
  }
}

TEST_F(ServiceControlTest, HandleAccessIsEnforced) {
  ASSERT_TRUE(RegisterService("Limited", "/bin/sleep 30"));
  auto service = Open("Limited", SERVICE_QUERY_STATUS);
  EXPECT_FALSE(StartService(service->Get(), 0, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  SERVICE_STATUS status;
  EXPECT_FALSE(ControlService(service->Get(), SERVICE_CONTROL_STOP, status));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  auto full = Open("Limited");
  EXPECT_FALSE(ControlService(full->Get(), 99, status));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_SERVICE_CONTROL);
}

TEST_F(ServiceControlTest, ReportingOutsideAServiceDoesNothing) {
  ASSERT_EQ(std::getenv("ZORBIT_SERVICE_NAME"), nullptr);
  EXPECT_FALSE(ReportServiceStatus(SERVICE_RUNNING, 0, 0));
}

TEST_F(ServiceControlTest, SvcctlDrivesTheServiceManager) {
  const auto run = [](std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), SVCCTL_PATH);
    const TProgramResult result = RunProgram(arguments);
    return std::make_pair(result.ExitCode, result.Output);
  };
  EXPECT_EQ(run({"register", "Tool", "/bin/sleep 30"}).first, 0);
  EXPECT_EQ(run({"query", "Tool"}), std::make_pair(0, std::string("STOPPED\n")));
  EXPECT_EQ(run({"start", "Tool"}).first, 0);
  EXPECT_EQ(run({"query", "Tool"}), std::make_pair(0, std::string("START_PENDING\n")));
  EXPECT_EQ(run({"stop", "Tool"}).first, 0);
  EXPECT_TRUE(WaitUntil([&] { return run({"query", "Tool"}).second == "STOPPED\n"; }));
  EXPECT_EQ(run({"query", "Nothing"}).first, 1);
  EXPECT_EQ(run({"bogus"}).first, 2);
}

}  // namespace
