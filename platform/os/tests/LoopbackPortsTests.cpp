// The loopback port table: a connection to a fixed local port reaches the
// port the machine's table names, on the wire; everything the table cannot
// say leaves the port as it is.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/os/LoopbackPorts.h"
#include "platform/os/PlatformRoot.h"
#include "platform/os/TcpClient.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/LastError.h"
#include "testing/FileContent.h"
#include "testing/LoopbackSocket.h"
#include "testing/PlatformRoot.h"

namespace {

using zorbit::testing::ListenOnLoopback;

// A port nothing listens on: one the system gave a listener that is closed again.
int UnusedPort() {
  int port = 0;
  ::close(ListenOnLoopback(port));
  return port;
}

class LoopbackPortsTest : public ::testing::Test {
 protected:
  zorbit::testing::TPlatformRoot FRoot;
};

TEST_F(LoopbackPortsTest, AConnectionToAMappedPortReachesItsTarget) {
  int target = 0;
  const int listener = ListenOnLoopback(target);
  const int asked = UnusedPort();
  plat::SetLoopbackPortMapping(asked, target);

  for (const char* host : {"127.0.0.1", "localhost"}) {
    plat::TTcpClient client;
    client.SetHost(host);
    client.SetPort(asked);
    ASSERT_NO_THROW(client.Connect()) << host;
    EXPECT_EQ(client.Port(), asked);
    const int accepted = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
    ASSERT_GE(accepted, 0) << host;
    client.WriteLn("hello");
    char received[7] = {};
    EXPECT_EQ(::recv(accepted, received, sizeof received, MSG_WAITALL), 7);
    EXPECT_EQ(std::string(received, 7), "hello\r\n");
    ::close(accepted);
  }
  ::close(listener);
}

TEST_F(LoopbackPortsTest, WithoutAnEntryThePortStands) {
  const int asked = UnusedPort();
  plat::TTcpClient client;
  client.SetHost("127.0.0.1");
  client.SetPort(asked);
  try {
    client.Connect();
    FAIL() << "connected to a port nothing listens on";
  } catch (const plat::ESocketError& e) {
    EXPECT_EQ(e.ErrorCode(), static_cast<int>(plat::WSAECONNREFUSED));
  }
}

TEST_F(LoopbackPortsTest, EntriesThatAreNoPortMapNothing) {
  zorbit::testing::WriteFileContent(plat::LoopbackPortTablePath(),
                                    "[Ports]\n2804=abc\n2805=70000\n2806=0\n2807=-5\n2808= 4711 \n");
  EXPECT_EQ(plat::MappedLoopbackPort(2804), 2804);
  EXPECT_EQ(plat::MappedLoopbackPort(2805), 2805);
  EXPECT_EQ(plat::MappedLoopbackPort(2806), 2806);
  EXPECT_EQ(plat::MappedLoopbackPort(2807), 2807);
  EXPECT_EQ(plat::MappedLoopbackPort(2808), 4711);
  EXPECT_EQ(plat::MappedLoopbackPort(2809), 2809);
}

TEST_F(LoopbackPortsTest, AMappingIsEnteredAndRemoved) {
  plat::SetLoopbackPortMapping(2804, 40001);
  plat::SetLoopbackPortMapping(2805, 40002);
  EXPECT_EQ(plat::MappedLoopbackPort(2804), 40001);
  plat::SetLoopbackPortMapping(2804, 0);
  EXPECT_EQ(plat::MappedLoopbackPort(2804), 2804);
  EXPECT_EQ(plat::MappedLoopbackPort(2805), 40002);
}

TEST_F(LoopbackPortsTest, AMappingOutsideThePortRangeIsRefusedAndChangesNothing) {
  plat::SetLoopbackPortMapping(2804, 40001);
  EXPECT_THROW(plat::SetLoopbackPortMapping(0, 40001), plat::Exception);
  EXPECT_THROW(plat::SetLoopbackPortMapping(2804, 65536), plat::Exception);
  EXPECT_THROW(plat::SetLoopbackPortMapping(2804, -1), plat::Exception);
  EXPECT_EQ(plat::MappedLoopbackPort(2804), 40001);
}

}  // namespace
