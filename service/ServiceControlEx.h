#pragma once
// Querying and starting the management service through the service manager.
#include "platform/rtl/Types.h"

namespace zorbit {

// The service's current state as the service manager numbers it (1 stopped,
// 2 start pending, 3 stop pending, 4 running, ...); 0 when any step fails.
unsigned QueryServiceState(const plat::String& Machine, const plat::String& Service);

// Starts the service and waits until it runs. The wait ends when the service
// is no longer start-pending, a status query fails, its check point falls
// back, or a minute has passed, so a service that stops or hangs while
// starting cannot hold the caller forever. Answers whether the last state
// read was running.
bool StartServiceAndWait(const plat::String& Machine, const plat::String& Service);

}  // namespace zorbit
