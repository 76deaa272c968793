#include "platform/os/ModuleExports.h"

#include <map>
#include <memory>
#include <mutex>

#include "platform/rtl/FileUtils.h"
#include "platform/rtl/LastError.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StringUtils.h"
#include "platform/rtl/Unicode.h"

namespace plat {

struct ModuleRecord {
  std::map<String, FARPROC> Procs;
  int LoadCount = 0;
};

namespace {

// Records live as long as the process, so a handle once given never dangles.
struct ExportTable {
  std::mutex Lock;
  std::map<String, std::unique_ptr<ModuleRecord>> Modules;
};

ExportTable& Table() {
  static ExportTable table;
  return table;
}

String ModuleKey(const String& moduleName) {
  String key = UpperCase(ExtractFileName(moduleName));
  if (key.size() > 4 && key.compare(key.size() - 4, 4, ".DLL") == 0) key.resize(key.size() - 4);
  return key;
}

}  // namespace

void RegisterProcAddress(const String& moduleName, const String& procName, FARPROC proc) {
  ExportTable& table = Table();
  std::lock_guard<std::mutex> guard(table.Lock);
  std::unique_ptr<ModuleRecord>& record = table.Modules[ModuleKey(moduleName)];
  if (!record) record = std::make_unique<ModuleRecord>();
  if (proc)
    record->Procs[procName] = proc;
  else
    record->Procs.erase(procName);
}

HMODULE GetModuleHandle(const String& moduleName) {
  ExportTable& table = Table();
  std::lock_guard<std::mutex> guard(table.Lock);
  const auto it = table.Modules.find(ModuleKey(moduleName));
  if (it == table.Modules.end() || it->second->Procs.empty()) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  return it->second.get();
}

HMODULE LoadLibrary(const String& moduleName) {
  if (ExtractFileName(moduleName) != moduleName && !FileExists(NormalizePath(moduleName))) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  HMODULE module = GetModuleHandle(moduleName);
  if (!module) return nullptr;
  ExportTable& table = Table();
  std::lock_guard<std::mutex> guard(table.Lock);
  ++module->LoadCount;
  return module;
}

HMODULE LoadLibrary(const WideString& moduleName) { return LoadLibrary(WideToUtf8(moduleName)); }

bool FreeLibrary(HMODULE module) {
  ExportTable& table = Table();
  std::lock_guard<std::mutex> guard(table.Lock);
  for (const auto& [name, record] : table.Modules) {
    if (record.get() != module || record->LoadCount == 0) continue;
    --record->LoadCount;
    return true;
  }
  SetLastError(ERROR_INVALID_HANDLE);
  return false;
}

FARPROC GetProcAddress(HMODULE module, const String& procName) {
  ExportTable& table = Table();
  std::lock_guard<std::mutex> guard(table.Lock);
  for (const auto& [name, record] : table.Modules) {
    if (record.get() != module) continue;
    const auto proc = record->Procs.find(procName);
    if (proc == record->Procs.end()) {
      SetLastError(ERROR_PROC_NOT_FOUND);
      return nullptr;
    }
    return proc->second;
  }
  SetLastError(ERROR_INVALID_HANDLE);
  return nullptr;
}

}  // namespace plat
