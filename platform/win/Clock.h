#pragma once
// The clock of the window layer: timers, the caret's blink, double-click
// timing and message times read it. Production uses the steady clock; tests
// install a virtual clock and move it themselves, so nothing waits in real
// time.
#include <cstdint>
#include <memory>

namespace plat {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start; never goes back.
  virtual std::int64_t Now() const = 0;
  // Called by the message wait when nothing is ready and the earliest timer
  // falls due at `due`. A real clock answers false (the wait sleeps until
  // then); a virtual clock may move itself there and answer true.
  virtual bool SkipTo(std::int64_t due) = 0;
  // True when waiting in real time cannot bring `due` nearer.
  virtual bool IsVirtual() const = 0;
};

class SteadyClock : public Clock {
 public:
  std::int64_t Now() const override;
  bool SkipTo(std::int64_t) override { return false; }
  bool IsVirtual() const override { return false; }
};

// Time stands still until Advance is called. With AutoAdvance, a message
// wait that has nothing to do jumps straight to the next timer, as if the
// time had passed.
class VirtualClock : public Clock {
 public:
  explicit VirtualClock(std::int64_t start = 1000) : FNow(start) {}
  std::int64_t Now() const override { return FNow; }
  bool SkipTo(std::int64_t due) override;
  bool IsVirtual() const override { return true; }

  // Moves the clock forward (negative steps are ignored). Timers that fall
  // due are delivered by the next message retrieval.
  void Advance(std::int64_t milliseconds);
  bool AutoAdvance() const { return FAutoAdvance; }
  void SetAutoAdvance(bool value) { FAutoAdvance = value; }

 private:
  std::int64_t FNow;
  bool FAutoAdvance = false;
};

// The clock in force: the steady clock unless one was installed.
Clock& CurrentClock();
// Installs a clock; null restores the steady clock.
void SetClock(std::shared_ptr<Clock> clock);

}  // namespace plat
