#pragma once
// Waiting on a real condition with a bound, instead of sleeping for a guessed
// time: the condition is checked at once and then every few milliseconds
// until it holds or Timeout has passed. The bound is generous, for sanitizer
// builds on a heavily loaded machine: it only delays the report of a real
// failure, while a healthy wait ends as soon as the condition holds.
#include <chrono>
#include <functional>

namespace zorbit::testing {

inline constexpr std::chrono::milliseconds kDefaultWait = std::chrono::seconds(30);

// True when Condition held in time.
bool WaitUntil(const std::function<bool()>& Condition, std::chrono::milliseconds Timeout = kDefaultWait);

}  // namespace zorbit::testing
