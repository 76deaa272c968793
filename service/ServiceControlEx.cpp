#include "service/ServiceControlEx.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "platform/os/ServiceControl.h"
#include "platform/os/SysTime.h"

namespace zorbit {

namespace {
// A service that stays start-pending without end must not hold the program:
// the whole wait is bounded, and each sleep stays within sensible limits
// whatever wait hint the service reports.
constexpr std::uint64_t MaxStartWaitMs = 60000;
constexpr plat::DWORD MinPollMs = 50;
constexpr plat::DWORD MaxPollMs = 5000;

struct TServiceHandleCloser {
  void operator()(plat::SC_HANDLE handle) const { plat::CloseServiceHandle(handle); }
};
using TServiceHandle = std::unique_ptr<plat::SC_HANDLE__, TServiceHandleCloser>;

// The manager and the service opened with the given service access; null
// service handle on failure.
struct TOpenedService {
  TServiceHandle Manager;
  TServiceHandle Service;
};

TOpenedService OpenServiceOf(const plat::String& Machine, const plat::String& Service, plat::DWORD Access) {
  TOpenedService opened;
  opened.Manager.reset(plat::OpenSCManager(Machine, "", plat::SC_MANAGER_CONNECT));
  if (opened.Manager) opened.Service.reset(plat::OpenService(opened.Manager.get(), Service, Access));
  return opened;
}
}  // namespace

unsigned QueryServiceState(const plat::String& Machine, const plat::String& Service) {
  const TOpenedService opened = OpenServiceOf(Machine, Service, plat::SERVICE_QUERY_STATUS);
  plat::SERVICE_STATUS status;
  if (!opened.Service || !plat::QueryServiceStatus(opened.Service.get(), status)) return 0;
  return status.dwCurrentState;
}

bool StartServiceAndWait(const plat::String& Machine, const plat::String& Service) {
  const TOpenedService opened = OpenServiceOf(Machine, Service, plat::SERVICE_QUERY_STATUS | plat::SERVICE_START);
  if (!opened.Service) return false;
  plat::SERVICE_STATUS status;
  if (!plat::StartService(opened.Service.get(), 0, nullptr) || !plat::QueryServiceStatus(opened.Service.get(), status))
    return false;
  const std::uint64_t deadline = plat::GetTickCount64() + MaxStartWaitMs;
  while (status.dwCurrentState == plat::SERVICE_START_PENDING && plat::GetTickCount64() < deadline) {
    const plat::DWORD lastCheckPoint = status.dwCheckPoint;
    plat::Sleep(std::clamp<plat::DWORD>(status.dwWaitHint, MinPollMs, MaxPollMs));
    if (!plat::QueryServiceStatus(opened.Service.get(), status) || status.dwCheckPoint < lastCheckPoint) break;
  }
  return status.dwCurrentState == plat::SERVICE_RUNNING;
}

}  // namespace zorbit
