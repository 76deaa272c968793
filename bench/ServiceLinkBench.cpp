// GetInfo round trips through the service client, beside a raw socket that
// sends the same request line and reads the same reply, against the real
// stand-in service in the same run.
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "service/ServiceUnits.h"
#include "service/tcpClient.h"
#include "tools/mgmtsvc/testing/StandInService.h"

namespace {

zorbit::testing::StandInService& Service() {
  static zorbit::testing::StandInService service;
  return service;
}

void BM_GetInfoThroughClient(benchmark::State& state) {
  char root[] = "/tmp/zorbit-bench-XXXXXX";
  ::setenv("ZORBIT_ROOT", ::mkdtemp(root), 1);
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
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(Service().Port()));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
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
