#pragma once
// The loop beneath every file read and write: the system calls may move
// fewer bytes than asked or be cut short by a signal, and callers want all
// of it, or the end of the file, or the error.
#include <sys/types.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>

#include "platform/rtl/LastError.h"
#include "platform/rtl/Types.h"

namespace plat {

struct TransferResult {
  Int64 Moved = 0;  // bytes moved before the end or the error
  DWORD Error = 0;  // the system error number, 0 when none
};

// Calls transfer(done, left) (a read or write at offset done of at most
// left bytes, answering the bytes moved or -1 with errno) until count bytes
// have moved, it moves nothing, or it fails; retries after EINTR.
template <typename Transfer>
TransferResult TransferAll(Int64 count, Transfer transfer) {
  // One call asks for at most this much, below what the system moves at once.
  constexpr Int64 kMaxChunk = Int64{1} << 30;
  TransferResult result;
  while (result.Moved < count) {
    const ssize_t n = transfer(result.Moved, static_cast<std::size_t>(std::min(count - result.Moved, kMaxChunk)));
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n < 0) {
      result.Error = ErrorFromErrno(errno);
      break;
    }
    if (n == 0) {
      break;
    }
    result.Moved += n;
  }
  return result;
}

}  // namespace plat
