#include "platform/os/ServiceControl.h"

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>

#include "platform/os/CommandLineToArgv.h"
#include "platform/os/HandleTable.h"
#include "platform/rtl/LastError.h"
#include "platform/os/PlatformRoot.h"
#include "platform/os/PosixFiles.h"
#include "platform/os/ProcessSpawn.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/StringUtils.h"

namespace plat {

namespace {

const char* const kSection = "Services";
const char* const kServiceNameVariable = "ZORBIT_SERVICE_NAME";

class TScManagerObject : public TKernelObject {};

class TServiceObject : public TKernelObject {
 public:
  TServiceObject(String name, DWORD access) : Name(std::move(name)), Access(access) {}
  const String Name;
  const DWORD Access;
};

SC_HANDLE ToScHandle(HANDLE handle) { return reinterpret_cast<SC_HANDLE>(handle); }
HANDLE FromScHandle(SC_HANDLE handle) { return reinterpret_cast<HANDLE>(handle); }

// The service behind a handle, when the handle allows the access.
std::shared_ptr<TServiceObject> ServiceFor(SC_HANDLE handle, DWORD access) {
  auto service = LookupHandle<TServiceObject>(FromScHandle(handle));
  if (!service) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if ((service->Access & access) != access) {
    SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
  }
  return service;
}

// A process named by its id and its start time (clock ticks after boot), so
// that a later process with a reused id is not taken for it.
struct TProcessIdentity {
  int Pid = 0;
  unsigned long long StartTime = 0;
};

// The start time of a live (not zombie) process, from /proc/<pid>/stat.
std::optional<unsigned long long> LiveStartTime(int pid) {
  if (pid <= 0) return std::nullopt;
  const std::optional<String> stat = ReadWholeFile("/proc/" + std::to_string(pid) + "/stat", 4096);
  if (!stat) return std::nullopt;
  // The command name (field 2) is in parentheses and may hold anything.
  const auto close = stat->rfind(')');
  if (close == String::npos) return std::nullopt;
  std::istringstream fields(stat->substr(close + 1));
  String state;
  fields >> state;
  if (state == "Z" || state == "X" || state == "x") return std::nullopt;
  String skipped;
  for (int field = 4; field < 22 && fields >> skipped; ++field) {
  }
  unsigned long long startTime = 0;
  if (!(fields >> startTime)) return std::nullopt;
  return startTime;
}

bool IsAlive(const TProcessIdentity& process) {
  const auto startTime = LiveStartTime(process.Pid);
  return startTime && *startTime == process.StartTime;
}

String StatePath(const String& serviceName, const char* extension) {
  return RunFolder("services") + "/" + EscapeFileName(LowerCase(serviceName)) + extension;
}

std::optional<TProcessIdentity> ReadPidFile(const String& serviceName) {
  const std::optional<String> text = ReadWholeFile(StatePath(serviceName, ".pid"), 256);
  TProcessIdentity process;
  if (!text || std::sscanf(text->c_str(), "%d %llu", &process.Pid, &process.StartTime) != 2) return std::nullopt;
  return process;
}

struct TReportedStatus {
  TProcessIdentity Process;
  DWORD State = 0;
  DWORD CheckPoint = 0;
  DWORD WaitHint = 0;
};

bool WriteStatusFile(const String& serviceName, const TReportedStatus& status) {
  char text[160];
  std::snprintf(text, sizeof text, "%d %llu %u %u %u\n", status.Process.Pid, status.Process.StartTime, status.State,
                status.CheckPoint, status.WaitHint);
  return ReplaceFileAtomically(StatePath(serviceName, ".status"), text);
}

std::optional<TReportedStatus> ReadStatusFile(const String& serviceName) {
  const std::optional<String> text = ReadWholeFile(StatePath(serviceName, ".status"), 256);
  TReportedStatus status;
  if (!text || std::sscanf(text->c_str(), "%d %llu %u %u %u", &status.Process.Pid, &status.Process.StartTime,
                           &status.State, &status.CheckPoint, &status.WaitHint) != 5)
    return std::nullopt;
  return status;
}

// The running process of the service, when there is one.
std::optional<TProcessIdentity> RunningProcess(const String& serviceName) {
  const std::optional<TProcessIdentity> process = ReadPidFile(serviceName);
  if (!process || !IsAlive(*process)) return std::nullopt;
  return process;
}

SERVICE_STATUS CurrentStatus(const String& serviceName) {
  SERVICE_STATUS status;
  status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
  status.dwCurrentState = SERVICE_STOPPED;
  const std::optional<TProcessIdentity> process = RunningProcess(serviceName);
  if (!process) return status;
  status.dwCurrentState = SERVICE_START_PENDING;
  status.dwWaitHint = DEFAULT_SERVICE_WAIT_HINT;
  // A report counts only when it came from this very process.
  const std::optional<TReportedStatus> reported = ReadStatusFile(serviceName);
  if (reported && reported->Process.Pid == process->Pid && reported->Process.StartTime == process->StartTime &&
      reported->State >= SERVICE_STOPPED && reported->State <= SERVICE_RUNNING) {
    status.dwCurrentState = reported->State;
    status.dwCheckPoint = reported->CheckPoint;
    status.dwWaitHint = reported->WaitHint;
  }
  if (status.dwCurrentState == SERVICE_RUNNING) status.dwControlsAccepted = SERVICE_ACCEPT_STOP;
  return status;
}

// The service's command line from the table; nothing when it is not listed.
std::optional<String> CommandLineOf(const String& serviceName) {
  TMemIniFile table(ServiceTablePath());
  if (!table.ValueExists(kSection, serviceName)) return std::nullopt;
  return table.ReadString(kSection, serviceName, String());
}

bool IsValidServiceName(const String& name) {
  if (name.empty() || name.size() > 256 || name.front() == ' ' || name.back() == ' ') return false;
  for (const char c : name)
    if (static_cast<unsigned char>(c) < 0x20 || String("=[]/\\").find(c) != String::npos) return false;
  return true;
}

template <typename Change>
bool UpdateServiceTable(Change change) {
  const String path = ServiceTablePath();
  TFileLock lock(path + ".lock");
  if (!lock.Locked()) return false;
  try {
    TMemIniFile table(path);
    if (!change(table)) return false;
    TStringList lines;
    table.GetStrings(lines);
    return ReplaceFileAtomically(path, lines.Text());
  } catch (const Exception&) {
    SetLastError(ERROR_INVALID_DATA);
    return false;
  }
}

}  // namespace

SC_HANDLE OpenSCManager(const String& machine, const String& database, DWORD /*desiredAccess*/) {
  if (!machine.empty() && machine != "." && machine != "\\\\.") {
    SetLastError(RPC_S_SERVER_UNAVAILABLE);
    return nullptr;
  }
  if (!database.empty() && !SameText(database, "ServicesActive")) {
    SetLastError(ERROR_DATABASE_DOES_NOT_EXIST);
    return nullptr;
  }
  return ToScHandle(RegisterHandle(std::make_shared<TScManagerObject>()));
}

SC_HANDLE OpenService(SC_HANDLE manager, const String& serviceName, DWORD desiredAccess) {
  if (!LookupHandle<TScManagerObject>(FromScHandle(manager))) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (!IsValidServiceName(serviceName)) {
    SetLastError(ERROR_INVALID_NAME);
    return nullptr;
  }
  try {
    if (!CommandLineOf(serviceName)) {
      SetLastError(ERROR_SERVICE_DOES_NOT_EXIST);
      return nullptr;
    }
  } catch (const Exception&) {
    SetLastError(ERROR_INVALID_DATA);
    return nullptr;
  }
  return ToScHandle(RegisterHandle(std::make_shared<TServiceObject>(serviceName, desiredAccess)));
}

bool CloseServiceHandle(SC_HANDLE handle) {
  const auto object = LookupKernelObject(FromScHandle(handle));
  if (!std::dynamic_pointer_cast<TScManagerObject>(object) && !std::dynamic_pointer_cast<TServiceObject>(object)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  return CloseHandle(FromScHandle(handle));
}

bool QueryServiceStatus(SC_HANDLE handle, SERVICE_STATUS& status) {
  const auto service = ServiceFor(handle, SERVICE_QUERY_STATUS);
  if (!service) return false;
  status = CurrentStatus(service->Name);
  return true;
}

bool StartService(SC_HANDLE handle, DWORD numArgs, const char* const* args) {
  const auto service = ServiceFor(handle, SERVICE_START);
  if (!service) return false;
  // One start at a time per service, across processes.
  TFileLock lock(StatePath(service->Name, ".lock"));
  if (!lock.Locked()) return false;
  if (RunningProcess(service->Name)) {
    SetLastError(ERROR_SERVICE_ALREADY_RUNNING);
    return false;
  }
  std::optional<String> commandLine;
  try {
    commandLine = CommandLineOf(service->Name);
  } catch (const Exception&) {
    SetLastError(ERROR_INVALID_DATA);
    return false;
  }
  if (!commandLine) {
    SetLastError(ERROR_SERVICE_DOES_NOT_EXIST);
    return false;
  }
  TSpawnRequest request;
  request.Argv = CommandLineToArgv(*commandLine);
  for (DWORD i = 0; args != nullptr && i < numArgs; ++i)
    if (args[i] != nullptr) request.Argv.emplace_back(args[i]);
  request.Environment = EnvironmentWithout(kServiceNameVariable);
  request.Environment.push_back(String(kServiceNameVariable) + "=" + service->Name);
  request.OutputPath = StatePath(service->Name, ".log");
  const int pid = SpawnDetached(request);
  if (pid == 0) return false;
  // A program that already ended has no start time: it reads as stopped.
  const TProcessIdentity process{pid, LiveStartTime(pid).value_or(0)};
  const String pidText = std::to_string(process.Pid) + " " + std::to_string(process.StartTime) + "\n";
  return ReplaceFileAtomically(StatePath(service->Name, ".pid"), pidText);
}

bool ControlService(SC_HANDLE handle, DWORD control, SERVICE_STATUS& status) {
  if (control != SERVICE_CONTROL_STOP && control != SERVICE_CONTROL_INTERROGATE) {
    // The access check comes first, as the handle is checked before the request.
    if (!ServiceFor(handle, 0)) return false;
    SetLastError(ERROR_INVALID_SERVICE_CONTROL);
    return false;
  }
  const auto service = ServiceFor(handle, control == SERVICE_CONTROL_STOP ? SERVICE_STOP : SERVICE_INTERROGATE);
  if (!service) return false;
  const std::optional<TProcessIdentity> process = RunningProcess(service->Name);
  if (!process) {
    SetLastError(ERROR_SERVICE_NOT_ACTIVE);
    return false;
  }
  if (control == SERVICE_CONTROL_STOP) {
    // The service leads its own process group (it was started in a session
    // of its own), so its helpers stop with it.
    if (::kill(-process->Pid, SIGTERM) != 0) ::kill(process->Pid, SIGTERM);
    WriteStatusFile(service->Name, TReportedStatus{*process, SERVICE_STOP_PENDING, 0, DEFAULT_SERVICE_WAIT_HINT});
  }
  status = CurrentStatus(service->Name);
  return true;
}

bool ReportServiceStatus(DWORD currentState, DWORD checkPoint, DWORD waitHint) {
  const char* name = std::getenv(kServiceNameVariable);
  if (name == nullptr || !IsValidServiceName(name)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  const int pid = static_cast<int>(::getpid());
  const TProcessIdentity self{pid, LiveStartTime(pid).value_or(0)};
  return WriteStatusFile(name, TReportedStatus{self, currentState, checkPoint, waitHint});
}

bool RegisterService(const String& serviceName, const String& commandLine) {
  if (!IsValidServiceName(serviceName) || commandLine.empty() || commandLine.find_first_of("\r\n") != String::npos) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  return UpdateServiceTable([&](TMemIniFile& table) {
    table.WriteString(kSection, serviceName, commandLine);
    return true;
  });
}

bool UnregisterService(const String& serviceName) {
  return UpdateServiceTable([&](TMemIniFile& table) {
    if (!table.ValueExists(kSection, serviceName)) {
      SetLastError(ERROR_SERVICE_DOES_NOT_EXIST);
      return false;
    }
    table.DeleteKey(kSection, serviceName);
    return true;
  });
}

}  // namespace plat
