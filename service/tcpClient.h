#pragma once
// The one implementation of the service interface: a TCP line protocol to the
// local management service, with reply matching, time-outs and the
// cross-process connection lock; and the factory that connects at start-up.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/rtl/Object.h"
#include "service/LVQIntf.h"

namespace plat {
class TTcpClient;
}

namespace zorbit {

constexpr const char* ServiceHost = "127.0.0.1";
constexpr int ServicePort = 2804;
constexpr const char* ServiceName = "ZIRuzedav";
constexpr const char* ConnectionMutexName = "Ovra Quilmo for Desktop TCP Connection Mutex";

// How long an exchange waits. The defaults are the protocol's; tests shorten them.
struct TExchangeTimings {
  int ReadTimeoutMs = 10000;   // one read waits this long for a line
  int DeadlineSeconds = 20;    // whole seconds after the request, the reply counts as empty
  int MaxLineLength = 300000;  // a longer reply line fails the exchange
};

class TtcpServOpr final : public plat::TObject, public IpfqServ {
 public:
  TtcpServOpr(const plat::String& Host, bool ConnectNow, int Port = ServicePort);
  ~TtcpServOpr() override;
  TtcpServOpr(const TtcpServOpr&) = delete;
  TtcpServOpr& operator=(const TtcpServOpr&) = delete;

  bool Connected() const;
  // Connects (true) or disconnects (false); never raises.
  void SetActive(bool Active);

  // One exchange under the connection lock. Never raises; Reply is empty
  // after any failure. The exchange deadline bounds writing the request as
  // well as waiting for the reply; a request not taken in time, or a reply
  // not come in time, ends the connection quietly (the next operation
  // connects anew). The service carries out no request of a connection that
  // closed before it got to it, so a request reported as failed for want of
  // a reply is not carried out behind the caller's back; a late reply can
  // never reach a later exchange either.
  void SendCommand(const plat::WideString& Command, const plat::WideString& Data, plat::WideString& Reply,
                   bool WantReply);

  // The default reaction to a lost service: one message, then the application ends.
  void ServiceLostDefault(plat::TObject* Sender);

  const TExchangeTimings& Timings() const { return FTimings; }
  void SetTimings(const TExchangeTimings& Timings) { FTimings = Timings; }

  // Lines kept now for exchanges waiting outside a nested one: one at most
  // for each (see KeepForWaitingExchange).
  std::size_t KeptLines() const { return FKeptLines.size(); }

  // Fired when the service cannot be reached or the connection drops.
  plat::TNotifyEvent OnServiceLost;

  void AvailableSensors(plat::WideString& Sensors) override;
  void DisableAlert(const plat::WideString& Name) override;
  void EnableAlert(const plat::WideString& Name, float Value1, float Value2) override;
  void GetField(const plat::WideString& A, const plat::WideString& B, const plat::WideString& C,
                plat::WideString& Value) override;
  void GetInfo(const plat::WideString& Module, const plat::WideString& Item, plat::WideString& Params) override;
  void IsAlertEnabled(const plat::WideString& Name, bool& Enabled) override;
  void Subscribe(int& Id) override;
  void Unsubscribe(int Id) override;
  void WaitAlert(int Id, int& Code, std::uint8_t& Flag, plat::WideString& Text) override;
  bool CheckConnection() override;

 private:
  struct TKeptLine {
    plat::String Id;
    plat::String Line;
  };

  // The start of operations 1 to 9: reconnects when needed (its socket error
  // reaches the caller); false, after OnServiceLost, when still not connected.
  bool EnsureConnected();
  void FireServiceLost();
  void DisconnectQuietly();
  // The reply's payload; none when the deadline passed first.
  std::optional<plat::String> ReadReply(const plat::String& Id, std::chrono::steady_clock::time_point Start);
  bool TakeKeptLine(const plat::String& Id, plat::String& Line);
  void KeepForWaitingExchange(const plat::String& Line, const plat::String& OwnId);
  void ForgetExchange(const plat::String& Id);

  std::unique_ptr<plat::TTcpClient> FClient;
  TExchangeTimings FTimings;
  bool FServiceLostShown = false;
  bool FSuppressServiceLost = false;
  // Exchanges still waiting for their reply, outermost first: a nested
  // exchange keeps the lines that belong to them instead of dropping them.
  std::vector<plat::String> FWaitingIds;
  std::vector<TKeptLine> FKeptLines;
};

// The process-wide connection that every request builder uses; empty until
// GetServ succeeds.
IpfqServPtr& ServLink();

// The number the next request line will carry: from 0 up, and after the
// largest 32-bit integer from 0 again.
std::int32_t RequestCounter();
// Sets that number (for tests near the wrap).
void SetRequestCounter(std::int32_t Next);

// Waits for the management service (administrators only), connects, starts
// the service and connects once more when allowed; publishes the connection
// as ServLink. Serv stays empty when no connection stands, after OnLost (or
// the default message) was called with an empty sender.
void GetServ(IpfqServPtr& Serv, const plat::TNotifyEvent& OnLost, int Port = ServicePort);

void InitializeTcpClient();
// Also closes the connection mutex that the first exchange opened.
void FinalizeTcpClient();

}  // namespace zorbit
