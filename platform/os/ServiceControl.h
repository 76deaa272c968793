#pragma once
// The service manager. The service table, an INI file at ServiceTablePath()
// with one line "name=command line" per service in its section "Services",
// lists the services. A started service is a detached process; its state is
// kept in RunFolder("services"): "<name>.pid" (process id and start time,
// written at the start, so that a reused process id is not mistaken for the
// service), "<name>.status" (the last state the service reported, see
// ReportServiceStatus) and "<name>.log" (its standard output and error).
//
// A service is STOPPED when its process is not alive, START_PENDING from its
// start until it reports otherwise, then what it reported last. Service
// names are matched without case. Failures set the last error
// (ERROR_SERVICE_DOES_NOT_EXIST, ERROR_SERVICE_ALREADY_RUNNING, ...).
#include "platform/rtl/LastError.h"
#include "platform/rtl/Types.h"

namespace plat {

struct SC_HANDLE__;
using SC_HANDLE = SC_HANDLE__*;

inline constexpr DWORD SC_MANAGER_CONNECT = 0x0001;
inline constexpr DWORD SC_MANAGER_ALL_ACCESS = 0xF003F;

inline constexpr DWORD SERVICE_QUERY_STATUS = 0x0004;
inline constexpr DWORD SERVICE_START = 0x0010;
inline constexpr DWORD SERVICE_STOP = 0x0020;
inline constexpr DWORD SERVICE_INTERROGATE = 0x0080;
inline constexpr DWORD SERVICE_ALL_ACCESS = 0xF01FF;

inline constexpr DWORD SERVICE_WIN32_OWN_PROCESS = 0x10;

inline constexpr DWORD SERVICE_STOPPED = 1;
inline constexpr DWORD SERVICE_START_PENDING = 2;
inline constexpr DWORD SERVICE_STOP_PENDING = 3;
inline constexpr DWORD SERVICE_RUNNING = 4;

inline constexpr DWORD SERVICE_ACCEPT_STOP = 0x1;

inline constexpr DWORD SERVICE_CONTROL_STOP = 1;
inline constexpr DWORD SERVICE_CONTROL_INTERROGATE = 4;

// The wait hint of a started service that has not reported yet, and of a
// service asked to stop.
inline constexpr DWORD DEFAULT_SERVICE_WAIT_HINT = 2000;

struct SERVICE_STATUS {
  DWORD dwServiceType = 0;
  DWORD dwCurrentState = 0;
  DWORD dwControlsAccepted = 0;
  DWORD dwWin32ExitCode = 0;
  DWORD dwServiceSpecificExitCode = 0;
  DWORD dwCheckPoint = 0;
  DWORD dwWaitHint = 0;
};

// machine: "", "." or "\\." (this machine); anything else fails with
// RPC_S_SERVER_UNAVAILABLE. database: "" or "ServicesActive".
SC_HANDLE OpenSCManager(const String& machine, const String& database, DWORD desiredAccess);
SC_HANDLE OpenService(SC_HANDLE manager, const String& serviceName, DWORD desiredAccess);
bool CloseServiceHandle(SC_HANDLE handle);

bool QueryServiceStatus(SC_HANDLE service, SERVICE_STATUS& status);

// Spawns the service's command line (with args appended) detached, with
// ZORBIT_SERVICE_NAME=<name> added to the caller's environment.
bool StartService(SC_HANDLE service, DWORD numArgs, const char* const* args);

// SERVICE_CONTROL_STOP sends SIGTERM to the service's process group and
// marks it STOP_PENDING; SERVICE_CONTROL_INTERROGATE only answers the status.
bool ControlService(SC_HANDLE service, DWORD control, SERVICE_STATUS& status);

// Service side: records the state the running service reports. Does nothing
// and answers false unless this process was started as a service.
bool ReportServiceStatus(DWORD currentState, DWORD checkPoint, DWORD waitHint);

// Set-up: enters (or replaces) and removes a service in the service table.
// Names are 1 to 256 characters without control characters, blanks at
// either end or any of "=[]/\"; command lines are one line.
bool RegisterService(const String& serviceName, const String& commandLine);
bool UnregisterService(const String& serviceName);

}  // namespace plat
