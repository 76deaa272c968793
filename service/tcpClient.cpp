#include "service/tcpClient.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <optional>
#include <utility>

#include "platform/rtl/LastError.h"
#include "platform/os/NamedMutex.h"
#include "platform/os/ServiceControl.h"
#include "platform/os/SysTime.h"
#include "platform/os/TcpClient.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/StringUtils.h"
#include "platform/rtl/SwallowedException.h"
#include "platform/rtl/Unicode.h"
#include "service/AppHooks.h"
#include "service/GenericNetAPI.h"
#include "service/ServiceControlEx.h"

namespace zorbit {

namespace {

struct TUnitState {
  IpfqServPtr ServLink;
  std::int32_t RequestCounter = 0;
  // The connection mutex, opened by the first exchange and kept: opening a
  // named mutex costs far more than taking it.
  plat::HANDLE ConnectionMutex = nullptr;
};

TUnitState& Unit() {
  static TUnitState state;
  return state;
}

// Holds the cross-process connection mutex for one exchange. Creating it
// opens the one another process made, atomically, so every process waits on
// the same mutex; when it cannot be opened at all the exchange runs unlocked,
// and the next one tries again.
class TConnectionLock {
 public:
  TConnectionLock() {
    plat::HANDLE& mutex = Unit().ConnectionMutex;
    if (mutex == nullptr) mutex = plat::CreateMutex(ConnectionMutexName, false);
    if (mutex == nullptr) return;
    const plat::DWORD wait = plat::WaitForSingleObject(mutex, plat::INFINITE);
    if (wait == plat::WAIT_OBJECT_0 || wait == plat::WAIT_ABANDONED) FOwned = mutex;
  }
  ~TConnectionLock() {
    if (FOwned != nullptr) plat::ReleaseMutex(FOwned);
  }
  TConnectionLock(const TConnectionLock&) = delete;
  TConnectionLock& operator=(const TConnectionLock&) = delete;

 private:
  plat::HANDLE FOwned = nullptr;
};

plat::String Quoted(const plat::WideString& Text) { return "\"" + plat::WideToUtf8(Text) + "\""; }

// The GetInfo request text: nothing for empty Params, else Params as the one
// item of a list, quoted when it needs to be.
plat::String RequestText(const plat::WideString& Params) {
  if (Params.empty()) return {};
  plat::TStringList list;
  list.Add(plat::WideToUtf8(Params));
  return list.CommaText();
}

bool ReadBoolean(const plat::String& Text, bool Default) {
  bool value = Default;
  return plat::TryStrToBool(plat::Trim(Text), value) ? value : Default;
}

bool IsReplyTo(const plat::String& Line, const plat::String& Id) {
  return !Line.empty() && Line.compare(0, Id.size(), Id) == 0;
}

std::int32_t NextRequestNumber() {
  const std::int32_t id = Unit().RequestCounter;
  Unit().RequestCounter = id == std::numeric_limits<std::int32_t>::max() ? 0 : id + 1;
  return id;
}

constexpr int SleepEveryNthRead = 4;
constexpr plat::DWORD YieldSleepMs = 10;
constexpr int MaxStartPolls = 600;
constexpr int PollsBeforeSleeping = 2;
constexpr plat::DWORD PollSleepMs = 100;

}  // namespace

TtcpServOpr::TtcpServOpr(const plat::String& Host, bool ConnectNow, int Port)
    : FClient(std::make_unique<plat::TTcpClient>()) {
  FClient->SetHost(Host);
  FClient->SetPort(Port);
  if (ConnectNow) FClient->Connect();
  FClient->OnDisconnected = [this](plat::TObject*) { FireServiceLost(); };
  FClient->OnStatus = [this](plat::TObject*, plat::TTcpStatus Status, const plat::String&) {
    if (Status == plat::hsDisconnected) FireServiceLost();
  };
  OnServiceLost = [this](plat::TObject* Sender) { ServiceLostDefault(Sender); };
}

TtcpServOpr::~TtcpServOpr() {
  if (FClient->Connected()) {
    OnServiceLost = nullptr;
    try {
      FClient->Disconnect();
    } catch (...) {
      // A destructor cannot pass on what an event handler raised.
      plat::LogSwallowedException("TtcpServOpr::~TtcpServOpr");
    }
  }
}

bool TtcpServOpr::Connected() const { return FClient->Connected(); }

void TtcpServOpr::SetActive(bool Active) {
  try {
    if (Active)
      FClient->Connect();
    else
      FClient->Disconnect();
  } catch (const plat::Exception&) {
    // Not reaching the service shows as Connected() staying false.
  }
}

void TtcpServOpr::FireServiceLost() {
  if (OnServiceLost && !FSuppressServiceLost) OnServiceLost(this);
}

void TtcpServOpr::ServiceLostDefault(plat::TObject* /*Sender*/) {
  if (FServiceLostShown) return;
  FServiceLostShown = true;
  const plat::String title = HookLookup("TcpClient", "Service stopped");
  const plat::String text = HookLookup("TcpClient", "Can not connect to service. Application will be terminated!");
  constexpr int IconError = 1;
  constexpr int ButtonsOk = 0;
  HookMessageBox(HookTitle(), title, text, IconError, ButtonsOk);
  HookTerminate();
}

bool TtcpServOpr::EnsureConnected() {
  if (!FClient->Connected()) FClient->Connect();
  if (FClient->Connected()) return true;
  FireServiceLost();
  return false;
}

void TtcpServOpr::SendCommand(const plat::WideString& Command, const plat::WideString& Data, plat::WideString& Reply,
                              bool WantReply) {
  TConnectionLock lock;
  Reply.clear();
  if (!FClient->Connected()) {
    FireServiceLost();
    return;
  }
  const plat::String id = plat::IntToStr(NextRequestNumber());
  FWaitingIds.push_back(id);
  const auto start = std::chrono::steady_clock::now();
  try {
    FClient->WriteLn(plat::WideToUtf8(Command) + " " + id + "," + plat::WideToUtf8(Data),
                     FTimings.DeadlineSeconds * 1000);
    if (FClient->WriteLnTimedOut()) {
      DisconnectQuietly();
    } else if (WantReply) {
      std::optional<plat::String> reply = ReadReply(id, start);
      // The service drops the requests of a closed connection that it has not
      // carried out yet: closing is what keeps a request reported as failed
      // from being carried out once the service catches up.
      if (!reply) DisconnectQuietly();
      Reply = plat::Utf8ToWide(reply.value_or(plat::String()));
    }
  } catch (const plat::Exception&) {
    // A deadline, an over-long line, a socket error or a closed connection
    // all end the exchange with an empty reply.
    Reply.clear();
  }
  ForgetExchange(id);
}

void TtcpServOpr::DisconnectQuietly() {
  struct TRestore {
    bool& Flag;
    bool Saved;
    ~TRestore() { Flag = Saved; }
  } restore{FSuppressServiceLost, std::exchange(FSuppressServiceLost, true)};
  FClient->Disconnect();
}

std::optional<plat::String> TtcpServOpr::ReadReply(const plat::String& Id,
                                                   std::chrono::steady_clock::time_point Start) {
  int reads = 0;
  for (;;) {
    plat::String line;
    if (!TakeKeptLine(Id, line)) {
      line = FClient->ReadLn('\n', FTimings.ReadTimeoutMs, FTimings.MaxLineLength);
      if (++reads % SleepEveryNthRead == 0) {
        plat::Sleep(YieldSleepMs);
        HookProcessMessages();
      }
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - Start);
    if (elapsed.count() >= FTimings.DeadlineSeconds) return std::nullopt;
    if (IsReplyTo(line, Id)) return line.size() > Id.size() ? line.substr(Id.size() + 1) : plat::String();
    KeepForWaitingExchange(line, Id);
  }
}

bool TtcpServOpr::TakeKeptLine(const plat::String& Id, plat::String& Line) {
  for (auto it = FKeptLines.begin(); it != FKeptLines.end(); ++it) {
    if (it->Id == Id) {
      Line = std::move(it->Line);
      FKeptLines.erase(it);
      return true;
    }
  }
  return false;
}

void TtcpServOpr::KeepForWaitingExchange(const plat::String& Line, const plat::String& OwnId) {
  for (const plat::String& waiting : FWaitingIds) {
    if (waiting != OwnId && IsReplyTo(Line, waiting)) {
      // The first line that matches is that exchange's reply and the only one
      // it will read; later ones are dropped as unmatched lines are, so a
      // flooding peer cannot pile them up.
      const bool kept = std::any_of(FKeptLines.begin(), FKeptLines.end(),
                                    [&waiting](const TKeptLine& line) { return line.Id == waiting; });
      if (!kept) FKeptLines.push_back({waiting, Line});
      return;
    }
  }
}

void TtcpServOpr::ForgetExchange(const plat::String& Id) {
  std::erase(FWaitingIds, Id);
  std::erase_if(FKeptLines, [&Id](const TKeptLine& kept) { return kept.Id == Id; });
}

void TtcpServOpr::AvailableSensors(plat::WideString& Sensors) {
  if (EnsureConnected()) SendCommand(u"AvaliableSensors", u"", Sensors, true);
}

void TtcpServOpr::DisableAlert(const plat::WideString& Name) {
  if (!EnsureConnected()) return;
  plat::WideString reply;
  SendCommand(u"DisableAlert", plat::Utf8ToWide(Quoted(Name)), reply, false);
}

void TtcpServOpr::EnableAlert(const plat::WideString& Name, float Value1, float Value2) {
  if (!EnsureConnected()) return;
  const auto number = [](float value) { return plat::FloatToStrF(value, plat::ffGeneral, 15, 0); };
  plat::WideString reply;
  SendCommand(u"EnableAlert", plat::Utf8ToWide(Quoted(Name) + "," + number(Value1) + "," + number(Value2)), reply,
              false);
}

void TtcpServOpr::GetField(const plat::WideString& A, const plat::WideString& B, const plat::WideString& C,
                           plat::WideString& Value) {
  if (!EnsureConnected()) return;
  SendCommand(u"GetField", plat::Utf8ToWide(Quoted(A) + "," + Quoted(B) + ",") + C, Value, true);
}

void TtcpServOpr::GetInfo(const plat::WideString& Module, const plat::WideString& Item, plat::WideString& Params) {
  if (!EnsureConnected()) return;
  const plat::String data = Quoted(Module) + "," + Quoted(Item) + "," + RequestText(Params);
  SendCommand(u"GetInfo", plat::Utf8ToWide(data), Params, true);
}

void TtcpServOpr::IsAlertEnabled(const plat::WideString& Name, bool& Enabled) {
  if (!EnsureConnected()) {
    Enabled = false;
    return;
  }
  plat::WideString reply;
  SendCommand(u"IsAlertEnabled", plat::Utf8ToWide(Quoted(Name)), reply, true);
  Enabled = ReadBoolean(plat::WideToUtf8(reply), false);
}

void TtcpServOpr::Subscribe(int& Id) {
  if (!EnsureConnected()) return;
  plat::WideString reply;
  SendCommand(u"Subscribe", plat::Utf8ToWide(plat::IntToStr(Id)), reply, true);
  Id = plat::StrToIntDef(plat::WideToUtf8(reply), -1);
}

void TtcpServOpr::Unsubscribe(int Id) {
  if (!EnsureConnected()) return;
  plat::WideString reply;
  SendCommand(u"Unsubscribe", plat::Utf8ToWide(plat::IntToStr(Id)), reply, false);
}

void TtcpServOpr::WaitAlert(int Id, int& Code, std::uint8_t& Flag, plat::WideString& Text) {
  Text.clear();
  Code = -1;
  if (!EnsureConnected()) return;
  plat::WideString reply;
  SendCommand(u"WaitAlert", plat::Utf8ToWide(plat::IntToStr(Id)), reply, true);
  plat::TStringList items;
  items.SetCommaText(plat::WideToUtf8(reply));
  Code = items.Count() > 0 ? plat::StrToIntDef(items.Strings(0), -1) : -1;
  Flag = static_cast<std::uint8_t>(items.Count() > 1 ? plat::StrToIntDef(items.Strings(1), 0) : 0);
  if (items.Count() > 2) {
    plat::TStringList lines;
    lines.SetCommaText(items.Strings(2));
    plat::String text;
    for (int i = 0; i < lines.Count(); ++i) text += lines.Strings(i) + "\r\n";
    Text = plat::Utf8ToWide(text);
  }
}

bool TtcpServOpr::CheckConnection() {
  // Finding the connection closed here is an answer, not a lost service.
  FSuppressServiceLost = true;
  try {
    FClient->CheckForDisconnect(false, true);
    FClient->CheckForGracefulDisconnect(false);
  } catch (const plat::Exception&) {
    // A broken connection is an answer too: Connected() gives it.
  }
  FSuppressServiceLost = false;
  return FClient->Connected();
}

IpfqServPtr& ServLink() { return Unit().ServLink; }

std::int32_t RequestCounter() { return Unit().RequestCounter; }

void SetRequestCounter(std::int32_t Next) { Unit().RequestCounter = Next; }

void GetServ(IpfqServPtr& Serv, const plat::TNotifyEvent& OnLost, int Port) {
  const bool administrator = IsAdministrator();
  if (administrator) {
    // A missing service reads as 0 and keeps polling, as a starting one does.
    for (int poll = 1; poll <= MaxStartPolls; ++poll) {
      const unsigned state = QueryServiceState(".", ServiceName);
      if (state == plat::SERVICE_STOPPED || state == plat::SERVICE_RUNNING) break;
      if (poll > PollsBeforeSleeping) {
        plat::Sleep(PollSleepMs);
        HookProcessMessages();
      }
    }
  }

  Serv.reset();
  const auto serv = std::make_shared<TtcpServOpr>(ServiceHost, false, Port);
  if (OnLost) serv->OnServiceLost = OnLost;
  serv->SetActive(true);
  if (!serv->Connected() && administrator) {
    StartServiceAndWait(".", ServiceName);
    serv->SetActive(true);
  }
  if (serv->Connected()) {
    ServLink() = serv;
    Serv = serv;
    return;
  }
  ServLink().reset();
  if (serv->OnServiceLost) serv->OnServiceLost(nullptr);
}

void InitializeTcpClient() {
  Unit().ServLink.reset();
  Unit().RequestCounter = 0;
}

void FinalizeTcpClient() {
  Unit().ServLink.reset();
  if (Unit().ConnectionMutex != nullptr) plat::CloseHandle(std::exchange(Unit().ConnectionMutex, nullptr));
}

}  // namespace zorbit
