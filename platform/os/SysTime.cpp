#include "platform/os/SysTime.h"

#include <chrono>
#include <thread>

namespace plat {

void Sleep(DWORD milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

std::uint64_t GetTickCount64() {
  const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count());
}

DWORD GetTickCount() { return static_cast<DWORD>(GetTickCount64()); }

}  // namespace plat
