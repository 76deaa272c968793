// GetInfo round trips through the service client, beside a raw socket that
// sends the same request line and reads the same reply, against the real
// stand-in service in the same run.
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "service/ServiceUnits.h"
#include "service/tcpClient.h"
#include "testing/LoopbackSocket.h"
#include "testing/PlatformRoot.h"
#include "testing/StandInService.h"

namespace {

zorbit::testing::TStandInService& Service() {
  static zorbit::testing::TStandInService service;
  return service;
}

void BM_GetInfoThroughClient(benchmark::State& state) {
  const zorbit::testing::TPlatformRoot root("zorbit-bench");
  zorbit::InitializeServiceUnits();
  zorbit::TtcpServOpr client(zorbit::ServiceHost, true, Service().Port());
  for (auto _ : state) {
    plat::WideString params = u"EAX=38416,EBX=42,Flag=2048,nocache=true";
    client.GetInfo(u"int15", u"", params);
    benchmark::DoNotOptimize(params);
  }
  zorbit::FinalizeServiceUnits();
}

void BM_GetInfoThroughRawSocket(benchmark::State& state) {
  int fd = -1;
  try {
    fd = zorbit::testing::ConnectToLoopback(Service().Port());
  } catch (const std::runtime_error&) {
    state.SkipWithError("cannot connect");
    return;
  }
  const int one = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof(one));
  long id = 0;
  std::string buffer;
  for (auto _ : state) {
    const std::string number = std::to_string(id++);
    const std::string line = "GetInfo " + number + R"(,"int15","","EAX=38416,EBX=42,Flag=2048,nocache=true")" + "\r\n";
    ::send(fd, line.data(), line.size(), MSG_NOSIGNAL);
    for (;;) {
      const auto end = buffer.find('\n');
      if (end != std::string::npos) {
        const bool mine = buffer.compare(0, number.size(), number) == 0;
        buffer.erase(0, end + 1);
        if (mine) break;
        continue;
      }
      char chunk[4096];
      const ssize_t received = ::recv(fd, chunk, sizeof(chunk), 0);
      if (received <= 0) {
        state.SkipWithError("connection lost");
        ::close(fd);
        return;
      }
      buffer.append(chunk, static_cast<std::size_t>(received));
    }
  }
  ::close(fd);
}

BENCHMARK(BM_GetInfoThroughClient)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_GetInfoThroughRawSocket)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
