#include "tools/mgmtsvc/StopSignal.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <system_error>

namespace zorbit::mgmtsvc {

StopSignal::StopSignal() : FFd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
  if (FFd < 0) throw std::system_error(errno, std::generic_category(), "eventfd");
}

StopSignal::~StopSignal() { close(FFd); }

void StopSignal::Raise() {
  const std::uint64_t one = 1;
  // Nobody ever reads the counter, so the descriptor stays readable.
  [[maybe_unused]] ssize_t written = write(FFd, &one, sizeof one);
}

bool StopSignal::Raised() const { return WaitFor(0); }

bool StopSignal::WaitFor(int Milliseconds) const {
  pollfd entry{FFd, POLLIN, 0};
  for (;;) {
    int ready = poll(&entry, 1, Milliseconds);
    if (ready >= 0) return ready > 0;
    if (errno != EINTR) return false;
  }
}

}  // namespace zorbit::mgmtsvc
