#include "platform/win/detail/WindowPublisher.h"

#include <sys/socket.h>

#include <cerrno>
#include <chrono>

#include "platform/os/PosixFiles.h"
#include "platform/rtl/Exception.h"
#include "platform/win/Focus.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/detail/PublishedWindowList.h"
#include "platform/win/WinErrors.h"
#include "platform/win/detail/WindowManager.h"
#include "platform/win/WindowPos.h"
#include "platform/win/detail/WindowRegistryFolder.h"

namespace plat {

namespace {

using SteadyTime = std::chrono::steady_clock;

constexpr int kReplyTimeoutMs = 1000;
constexpr int kAgeCheckIntervalMs = 1000;
constexpr int kLastShowCommand = 11;  // SW_FORCEMINIMIZE

}  // namespace

struct WindowPublisher::Connection {
  TLocalSocket Socket;
  String Received;
  WakeSourceId Source = 0;
  SteadyTime::time_point Accepted;
};

WindowPublisher::WindowPublisher() : FEndpoint(WindowRegistryFolder::NewEndpointName()) {
  for (const String& endpoint : WindowRegistryFolder::Endpoints()) {
    TLocalSocket probe;
    if (ConnectLocal(WindowRegistryFolder::SocketPath(endpoint), probe) == TConnectResult::Refused)
      WindowRegistryFolder::Remove(endpoint);
  }
  FListener = ListenLocal(WindowRegistryFolder::SocketPath(FEndpoint));
  if (!FListener.Valid()) throw Exception("Cannot publish the windows: " + SysErrorMessage(GetLastError()));
  FListenerSource = AddWakeSource(FListener.Fd(), [this] { AcceptWaiting(); });
  AddWindowListObserver(this);
  Publish();
}

WindowPublisher::~WindowPublisher() {
  RemoveWindowListObserver(this);
  for (auto& [id, connection] : FConnections) RemoveWakeSource(connection->Source);
  FConnections.clear();
  RemoveWakeSource(FListenerSource);
  // The list goes first: a list without a listening socket reads as left over.
  WindowRegistryFolder::Remove(FEndpoint);
}

void WindowPublisher::Publish(HWND leaving) {
  std::vector<TPublishedWindow> windows;
  for (const Window* window : WindowManager::Instance().Desktop()->Children) {
    if (window->Handle() == leaving || !window->IsAlive()) continue;
    windows.push_back({reinterpret_cast<std::uintptr_t>(window->Handle()), window->IsVisibleStyle(),
                       window->Class ? window->Class->Name : String(), window->Text});
  }
  // A failed write leaves the previous list; the next change tries again.
  static_cast<void>(ReplaceFileAtomically(WindowRegistryFolder::ListPath(FEndpoint), EncodeWindowList(windows)));
}

void WindowPublisher::AcceptWaiting() {
  for (TLocalSocket socket = AcceptLocal(FListener); socket.Valid(); socket = AcceptLocal(FListener)) {
    if (FConnections.size() >= MaxConnections) DropOldest();
    auto connection = std::make_unique<Connection>();
    const int id = ++FLastConnection;
    connection->Accepted = SteadyTime::now();
    connection->Source = AddWakeSource(
        socket.Fd(), [this, id] { ReadFrom(id); }, kAgeCheckIntervalMs);
    connection->Socket = std::move(socket);
    FConnections[id] = std::move(connection);
  }
}

void WindowPublisher::DropOldest() {
  // Every connection kept has yet to send a whole request (a complete one
  // is taken out before it is carried out), so the oldest has idled
  // longest: a burst of silent connections cannot lock a real caller out.
  const auto oldest = FConnections.begin();
  RemoveWakeSource(oldest->second->Source);
  FConnections.erase(oldest);
}

void WindowPublisher::ReadFrom(int id) {
  const auto found = FConnections.find(id);
  if (found == FConnections.end()) return;
  Connection& connection = *found->second;
  char buffer[RemoteLineLimit];
  const ssize_t count = ::recv(connection.Socket.Fd(), buffer, sizeof buffer, 0);
  const bool waiting = count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR);
  if (count > 0) connection.Received.append(buffer, static_cast<std::size_t>(count));
  const std::size_t end = connection.Received.find('\n');
  const bool expired = SteadyTime::now() - connection.Accepted > std::chrono::milliseconds(RequestTimeoutMs);
  if (end == String::npos && (count > 0 || waiting) && connection.Received.size() < RemoteLineLimit && !expired)
    return;  // more to come

  // Taken out before the request runs: carrying it out may run a nested
  // message loop that serves other connections.
  std::unique_ptr<Connection> taken = std::move(found->second);
  FConnections.erase(found);
  RemoveWakeSource(taken->Source);
  if (end == String::npos) return;  // closed, over-long or too slow: dropped without a reply
  const auto request = DecodeRequest(std::string_view(taken->Received).substr(0, end));
  const TRemoteReply reply = request ? Carry(*request) : TRemoteReply{false, 0, ERROR_INVALID_PARAMETER};
  static_cast<void>(WriteAll(taken->Socket, EncodeReply(reply), kReplyTimeoutMs));
}

TRemoteReply WindowPublisher::Carry(const TRemoteRequest& request) {
  const HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(request.Window));
  // Only the windows this process publishes can be reached, not its children.
  const Window* record = WindowManager::Instance().Find(window);
  if (record == nullptr || !IsAnnounced(record)) return {false, 0, ERROR_INVALID_WINDOW_HANDLE};
  SetLastError(ERROR_SUCCESS);
  switch (request.Verb) {
    case TRemoteVerb::SendClose: return {true, SendMessage(window, WM_CLOSE, 0, 0), 0};
    case TRemoteVerb::PostClose:
      if (PostMessage(window, WM_CLOSE, 0, 0)) return {true, 1, 0};
      return {false, 0, GetLastError()};
    case TRemoteVerb::Show:
      if (request.Argument < 0 || request.Argument > kLastShowCommand) return {false, 0, ERROR_INVALID_PARAMETER};
      return {true, ShowWindow(window, request.Argument) ? 1 : 0, 0};
    case TRemoteVerb::BringToTop: return {true, BringWindowToTop(window) ? 1 : 0, 0};
    case TRemoteVerb::SetForeground: return {true, SetForegroundWindow(window) ? 1 : 0, 0};
    case TRemoteVerb::IsVisible: return {true, IsWindowVisible(window) ? 1 : 0, 0};
  }
  return {false, 0, ERROR_INVALID_PARAMETER};
}

}  // namespace plat
