#include "platform/win/Clock.h"

#include <chrono>

namespace plat {

std::int64_t SteadyClock::Now() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool VirtualClock::SkipTo(std::int64_t due) {
  if (!FAutoAdvance) return false;
  if (due > FNow) FNow = due;
  return true;
}

void VirtualClock::Advance(std::int64_t milliseconds) {
  if (milliseconds > 0) FNow += milliseconds;
}

namespace {
std::shared_ptr<Clock>& InstalledClock() {
  static std::shared_ptr<Clock> clock = std::make_shared<SteadyClock>();
  return clock;
}
}  // namespace

Clock& CurrentClock() { return *InstalledClock(); }

void SetClock(std::shared_ptr<Clock> clock) {
  InstalledClock() = clock ? std::move(clock) : std::make_shared<SteadyClock>();
}

}  // namespace plat
