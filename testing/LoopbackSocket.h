#pragma once
// TCP sockets on 127.0.0.1 for tests that play a peer on the wire (a
// scripted server, a raw client). Listeners take a port the system picks,
// so tests running at the same time never share one. The caller closes the
// sockets it gets.
#include <string>

namespace zorbit::testing {

// A socket listening on 127.0.0.1 with a free port, which goes to Port.
// Throws std::runtime_error when it cannot be made.
int ListenOnLoopback(int& Port, int Backlog = 8);
// A socket connected to 127.0.0.1:Port; throws std::runtime_error when
// nothing accepts there.
int ConnectToLoopback(int Port);
// Sends all of Bytes; false when the connection ended first.
bool SendAll(int Socket, const std::string& Bytes);

}  // namespace zorbit::testing
