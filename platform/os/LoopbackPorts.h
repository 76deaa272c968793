#pragma once
// The loopback port table: where a connection to a port of this machine
// really goes. A program that connects to a fixed local port (the
// management service's) reaches whatever the machine's table says listens
// for it instead, so that a private machine (ZORBIT_ROOT) can run its own
// service on any free port beside others. The table is the INI file
// LoopbackPortTablePath() (PlatformRoot.h), read at every look-up:
//
//   [Ports]
//   2804=41377
//
// Promises: only connections to a loopback address (127.0.0.0/8, ::1) are
// mapped; a port without an entry, a missing or unreadable table, and an
// entry that is not a port number (1..65535) leave the port as it is.
#include "platform/rtl/Types.h"

namespace plat {

// The port a connection to a loopback address on port is to use.
int MappedLoopbackPort(int port);

// Enters (target > 0) or removes (target 0) the mapping of port in the
// table; raises EIniFileException when the table cannot be written, and
// Exception for a port or target outside 1..65535.
void SetLoopbackPortMapping(int port, int target);

}  // namespace plat
