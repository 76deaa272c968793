#pragma once
// Waiting on a real condition with a bound, instead of sleeping for a guessed
// time: the condition is checked at once and then every few milliseconds
// until it holds or Timeout has passed. The bound is generous, for sanitizer
// builds on a loaded machine; a healthy wait ends in milliseconds.
#include <chrono>
#include <functional>

namespace zorbit::testing {

inline constexpr std::chrono::milliseconds kDefaultWait = std::chrono::seconds(10);

// True when Condition held in time.
bool WaitUntil(const std::function<bool()>& Condition, std::chrono::milliseconds Timeout = kDefaultWait);

}  // namespace zorbit::testing
