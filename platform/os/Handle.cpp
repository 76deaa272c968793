#include "platform/os/Handle.h"

#include <cstdint>
#include <map>
#include <mutex>

#include "platform/os/HandleTable.h"
#include "platform/rtl/LastError.h"

namespace plat {

namespace {

// Pseudo-handles take the values the system's code knows them by.
const std::uintptr_t kCurrentProcess = static_cast<std::uintptr_t>(-1);
const std::uintptr_t kCurrentThread = static_cast<std::uintptr_t>(-2);

struct TTable {
  std::mutex Lock;
  std::map<std::uintptr_t, std::shared_ptr<TKernelObject>> Objects;
  std::uintptr_t Next = 4;
};

TTable& Table() {
  static TTable table;
  return table;
}

}  // namespace

HANDLE GetCurrentProcess() { return reinterpret_cast<HANDLE>(kCurrentProcess); }

HANDLE GetCurrentThread() { return reinterpret_cast<HANDLE>(kCurrentThread); }

HANDLE RegisterHandle(std::shared_ptr<TKernelObject> object) {
  TTable& table = Table();
  std::lock_guard<std::mutex> guard(table.Lock);
  const std::uintptr_t value = table.Next;
  table.Next += 4;
  table.Objects.emplace(value, std::move(object));
  return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<TKernelObject> LookupKernelObject(HANDLE handle) {
  TTable& table = Table();
  std::lock_guard<std::mutex> guard(table.Lock);
  const auto it = table.Objects.find(reinterpret_cast<std::uintptr_t>(handle));
  return it == table.Objects.end() ? nullptr : it->second;
}

bool CloseHandle(HANDLE handle) {
  const auto value = reinterpret_cast<std::uintptr_t>(handle);
  if (value == kCurrentProcess || value == kCurrentThread) return true;
  std::shared_ptr<TKernelObject> object;  // released outside the table's lock
  {
    TTable& table = Table();
    std::lock_guard<std::mutex> guard(table.Lock);
    const auto it = table.Objects.find(value);
    if (it == table.Objects.end()) {
      SetLastError(ERROR_INVALID_HANDLE);
      return false;
    }
    object = std::move(it->second);
    table.Objects.erase(it);
  }
  return true;
}

}  // namespace plat
