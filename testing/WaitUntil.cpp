#include "testing/WaitUntil.h"

#include <thread>

namespace zorbit::testing {

bool WaitUntil(const std::function<bool()>& Condition, std::chrono::milliseconds Timeout) {
  const auto deadline = std::chrono::steady_clock::now() + Timeout;
  for (;;) {
    if (Condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace zorbit::testing
