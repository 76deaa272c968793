#pragma once
// Publishes this process's top-level windows in the window-registry folder
// and carries out what other processes ask of them (RemoteWindowProtocol.h)
// on the UI thread: its socket and each connection are wake sources, so a
// request runs inside the message wait like any other input.
#include <map>
#include <memory>

#include "platform/win/detail/LocalSocket.h"
#include "platform/win/detail/RemoteWindowProtocol.h"
#include "platform/win/detail/WakeSources.h"
#include "platform/win/detail/WindowListObserver.h"

namespace plat {

class WindowPublisher final : public WindowListObserver {
 public:
  // A connection that has not sent its request in this time is dropped.
  static constexpr int RequestTimeoutMs = 5000;
  // Connections served at once; a newcomer beyond them displaces the
  // oldest one still waiting for its request.
  static constexpr std::size_t MaxConnections = 16;

  // Listens, clears entries that dead processes left behind and writes the
  // list. Throws Exception when the socket cannot be made.
  WindowPublisher();
  ~WindowPublisher() override;
  WindowPublisher(const WindowPublisher&) = delete;
  WindowPublisher& operator=(const WindowPublisher&) = delete;

  const String& Endpoint() const { return FEndpoint; }

  void TopLevelWindowCreated(HWND) override { Publish(); }
  void TopLevelWindowDestroyed(HWND window) override { Publish(window); }
  void TopLevelWindowTextChanged(HWND) override { Publish(); }
  void TopLevelWindowVisibilityChanged(HWND) override { Publish(); }

 private:
  struct Connection;

  // Writes the list; leaving is a window on its way out, left off.
  void Publish(HWND leaving = nullptr);
  void AcceptWaiting();
  void DropOldest();
  void ReadFrom(int id);
  TRemoteReply Carry(const TRemoteRequest& request);

  String FEndpoint;
  TLocalSocket FListener;
  WakeSourceId FListenerSource = 0;
  std::map<int, std::unique_ptr<Connection>> FConnections;
  int FLastConnection = 0;
};

}  // namespace plat
