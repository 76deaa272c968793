#pragma once
// Heap bytes in use, for the memory a store holds: the sanitizer's allocator
// counts them when it runs, the C library's otherwise. Take it before and
// after building the store; the difference is what the store holds.
#include <malloc.h>

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's count of live heap bytes (its public interface).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace gridbench {

inline long long HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
  return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
  return static_cast<long long>(mallinfo2().uordblks);
#endif
}

}  // namespace gridbench
