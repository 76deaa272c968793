#pragma once
// Sleeping and the millisecond tick counter.
#include <cstdint>

#include "platform/rtl/Types.h"

namespace plat {

inline constexpr DWORD INFINITE = 0xFFFFFFFF;

// Suspends the calling thread for at least the given milliseconds.
void Sleep(DWORD milliseconds);

// Milliseconds on a steady clock (since boot); the 32-bit form wraps after
// about 49.7 days, as callers that subtract two readings expect.
DWORD GetTickCount();
std::uint64_t GetTickCount64();

}  // namespace plat
