// svcctl: the command-line face of the service manager, for set-up scripts
// and for looking at a service by hand.
//
//   svcctl register NAME "COMMAND LINE"
//   svcctl unregister NAME
//   svcctl start NAME
//   svcctl query NAME        prints STOPPED, START_PENDING, STOP_PENDING or RUNNING
//   svcctl stop NAME
#include <cstdio>
#include <cstring>

#include "platform/rtl/LastError.h"
#include "platform/os/ServiceControl.h"

namespace {

int Usage() {
  std::fputs(
      "usage: svcctl register NAME \"COMMAND LINE\"\n"
      "       svcctl unregister NAME\n"
      "       svcctl start|query|stop NAME\n",
      stderr);
  return 2;
}

int Failure(const char* what, const char* name) {
  const plat::DWORD error = plat::GetLastError();
  std::fprintf(stderr, "svcctl: %s %s failed: error %u\n", what, name, error);
  return 1;
}

const char* StateName(plat::DWORD state) {
  switch (state) {
    case plat::SERVICE_STOPPED: return "STOPPED";
    case plat::SERVICE_START_PENDING: return "START_PENDING";
    case plat::SERVICE_STOP_PENDING: return "STOP_PENDING";
    case plat::SERVICE_RUNNING: return "RUNNING";
    default: return "UNKNOWN";
  }
}

int Control(const char* command, const char* name) {
  const plat::SC_HANDLE manager = plat::OpenSCManager(".", "", plat::SC_MANAGER_CONNECT);
  if (manager == nullptr) return Failure("opening the service manager for", name);
  const plat::SC_HANDLE service = plat::OpenService(manager, name, plat::SERVICE_ALL_ACCESS);
  int result = 0;
  plat::SERVICE_STATUS status;
  if (service == nullptr) {
    result = Failure("opening", name);
  } else if (std::strcmp(command, "start") == 0) {
    if (!plat::StartService(service, 0, nullptr)) result = Failure("starting", name);
  } else if (std::strcmp(command, "stop") == 0) {
    if (!plat::ControlService(service, plat::SERVICE_CONTROL_STOP, status)) result = Failure("stopping", name);
  } else if (plat::QueryServiceStatus(service, status)) {
    std::printf("%s\n", StateName(status.dwCurrentState));
  } else {
    result = Failure("querying", name);
  }
  if (service != nullptr) plat::CloseServiceHandle(service);
  plat::CloseServiceHandle(manager);
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const char* command = argv[1];
  const char* name = argv[2];
  if (std::strcmp(command, "register") == 0) {
    if (argc != 4) return Usage();
    return plat::RegisterService(name, argv[3]) ? 0 : Failure("registering", name);
  }
  if (argc != 3) return Usage();
  if (std::strcmp(command, "unregister") == 0)
    return plat::UnregisterService(name) ? 0 : Failure("unregistering", name);
  if (std::strcmp(command, "start") == 0 || std::strcmp(command, "query") == 0 || std::strcmp(command, "stop") == 0)
    return Control(command, name);
  return Usage();
}
