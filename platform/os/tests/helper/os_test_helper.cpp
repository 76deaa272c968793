// A second process for the os tests.
//
//   os_test_helper mutex          reads commands from stdin, one per line, and
//                                 answers each on stdout:
//                                   create NAME 0|1 -> created | exists | error N
//                                   open NAME       -> opened | error N
//                                   wait MS         -> object0 | abandoned | timeout | failed N
//                                   release         -> ok | error N
//                                   close           -> ok
//                                   exit            -> ends without releasing anything
//   os_test_helper service GOFILE reports START_PENDING (check point 1), waits
//                                 for GOFILE to exist, reports RUNNING and waits
//                                 for SIGTERM
//   os_test_helper admin          prints "admin" or "user" from its access token
//   os_test_helper spreadsheet    starts the spreadsheet application, prints
//                                 "OFFICEPID BRIDGEPID TEMPORARYFOLDER" of its
//                                 server and ends, leaving the server to the
//                                 program's end
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

#include "platform/rtl/LastError.h"
#include "platform/os/NamedMutex.h"
#include "platform/os/Security.h"
#include "platform/os/ServiceControl.h"
#include "platform/os/SpreadsheetAutomation.h"
#include "platform/os/detail/SpreadsheetServer.h"

namespace {

int RunMutexCommands() {
  plat::HANDLE handle = nullptr;
  std::string line;
  while (std::getline(std::cin, line)) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    std::string answer;
    if (command == "create" || command == "open") {
      std::string name;
      int owner = 0;
      words >> name >> owner;
      handle =
          command == "create" ? plat::CreateMutex(name, owner != 0) : plat::OpenMutex(plat::SYNCHRONIZE, false, name);
      if (handle == nullptr)
        answer = "error " + std::to_string(plat::GetLastError());
      else if (command == "open")
        answer = "opened";
      else
        answer = plat::GetLastError() == plat::ERROR_ALREADY_EXISTS ? "exists" : "created";
    } else if (command == "wait") {
      unsigned long milliseconds = 0;
      words >> milliseconds;
      const plat::DWORD result = plat::WaitForSingleObject(handle, static_cast<plat::DWORD>(milliseconds));
      answer = result == plat::WAIT_OBJECT_0    ? "object0"
               : result == plat::WAIT_ABANDONED ? "abandoned"
               : result == plat::WAIT_TIMEOUT   ? "timeout"
                                                : "failed " + std::to_string(plat::GetLastError());
    } else if (command == "release") {
      answer = plat::ReleaseMutex(handle) ? "ok" : "error " + std::to_string(plat::GetLastError());
    } else if (command == "close") {
      plat::CloseHandle(handle);
      handle = nullptr;
      answer = "ok";
    } else if (command == "exit") {
      std::cout.flush();
      ::_exit(0);
    } else {
      answer = "unknown";
    }
    std::cout << answer << std::endl;
  }
  return 0;
}

int RunService(const char* goFile) {
  plat::ReportServiceStatus(plat::SERVICE_START_PENDING, 1, 5000);
  // Bounded, so a test that fails to release it leaves no process behind.
  for (int i = 0; i < 6000 && ::access(goFile, F_OK) != 0; ++i) ::usleep(5000);
  plat::ReportServiceStatus(plat::SERVICE_RUNNING, 0, 0);
  for (int i = 0; i < 600; ++i) ::sleep(1);
  return 0;
}

int PrintAdministrator() {
  plat::HANDLE token = nullptr;
  plat::TOKEN_GROUPS groups;
  if (!plat::OpenProcessToken(plat::GetCurrentProcess(), plat::TOKEN_QUERY, token) ||
      !plat::GetTokenInformation(token, plat::TokenGroups, groups)) {
    std::puts("error");
    return 1;
  }
  plat::CloseHandle(token);
  const plat::SID administrators{plat::SECURITY_NT_AUTHORITY,
                                 {plat::SECURITY_BUILTIN_DOMAIN_RID, plat::DOMAIN_ALIAS_RID_ADMINS}};
  bool admin = false;
  for (const auto& group : groups.Groups) admin = admin || plat::EqualSid(group.Sid, administrators);
  std::puts(admin ? "admin" : "user");
  return 0;
}

int StartSpreadsheet() {
  plat::CreateSpreadsheetApplication("excel.application")->Quit();
  const plat::TSpreadsheetServer* server = plat::TSpreadsheetServer::Current();
  std::cout << server->OfficePid() << " " << server->BridgePid() << " " << server->TemporaryFolder() << std::endl;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "mutex") return RunMutexCommands();
  if (mode == "service" && argc > 2) return RunService(argv[2]);
  if (mode == "admin") return PrintAdministrator();
  if (mode == "spreadsheet") return StartSpreadsheet();
  std::fputs("usage: os_test_helper mutex | service GOFILE | admin | spreadsheet\n", stderr);
  return 2;
}
