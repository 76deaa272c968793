#include "platform/win/detail/RemoteWindows.h"

#include "platform/win/detail/LocalSocket.h"
#include "platform/win/Messages.h"
#include "platform/win/WinErrors.h"
#include "platform/win/detail/WindowRegistryFolder.h"

namespace plat {

HWND RemoteWindows::HandleFor(const String& endpoint, std::uint64_t id) {
  for (const auto& [handle, remote] : FRemotes)
    if (remote.Endpoint == endpoint && remote.Id == id) return handle;
  const HWND handle = AllocateWindowHandle();
  FRemotes[handle] = {endpoint, id};
  return handle;
}

void RemoteWindows::ForgetEndpoint(const String& endpoint) {
  std::erase_if(FRemotes, [&endpoint](const auto& entry) { return entry.second.Endpoint == endpoint; });
}

std::optional<std::int64_t> RemoteWindows::Ask(HWND window, TRemoteVerb verb, int argument) {
  const auto found = FRemotes.find(window);
  if (found == FRemotes.end()) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return std::nullopt;
  }
  const Remote remote = found->second;
  TLocalSocket socket;
  switch (ConnectLocal(WindowRegistryFolder::SocketPath(remote.Endpoint), socket, FTimeoutMs)) {
    case TConnectResult::Connected: break;
    case TConnectResult::Refused:
      // The process has ended; what it left behind goes too.
      WindowRegistryFolder::Remove(remote.Endpoint);
      ForgetEndpoint(remote.Endpoint);
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return std::nullopt;
    case TConnectResult::Busy: SetLastError(ERROR_TIMEOUT); return std::nullopt;
    case TConnectResult::Failed: SetLastError(ERROR_ACCESS_DENIED); return std::nullopt;
  }
  const TRemoteRequest request{verb, remote.Id, argument};
  std::optional<String> line;
  if (WriteAll(socket, EncodeRequest(request), FTimeoutMs)) line = ReadLine(socket, RemoteLineLimit, FTimeoutMs);
  if (!line) {
    SetLastError(ERROR_TIMEOUT);
    return std::nullopt;
  }
  const auto reply = DecodeReply(*line);
  if (!reply) {
    SetLastError(ERROR_INVALID_DATA);
    return std::nullopt;
  }
  if (!reply->Ok) {
    if (reply->Error == ERROR_INVALID_WINDOW_HANDLE) FRemotes.erase(window);
    SetLastError(reply->Error);
    return std::nullopt;
  }
  return reply->Result;
}

bool RemoteWindows::IsWindow(HWND window) { return Ask(window, TRemoteVerb::IsVisible).has_value(); }

std::optional<LRESULT> RemoteWindows::SendMessage(HWND window, UINT message, WPARAM, LPARAM) {
  if (message != WM_CLOSE) {
    SetLastError(ERROR_NOT_SUPPORTED);
    return std::nullopt;
  }
  const auto result = Ask(window, TRemoteVerb::SendClose);
  if (!result) return std::nullopt;
  return static_cast<LRESULT>(*result);
}

bool RemoteWindows::PostMessage(HWND window, UINT message, WPARAM, LPARAM) {
  if (message != WM_CLOSE) {
    SetLastError(ERROR_NOT_SUPPORTED);
    return false;
  }
  return Ask(window, TRemoteVerb::PostClose).has_value();
}

bool RemoteWindows::ShowWindow(HWND window, int command) {
  return Ask(window, TRemoteVerb::Show, command).value_or(0) != 0;
}

bool RemoteWindows::BringWindowToTop(HWND window) { return Ask(window, TRemoteVerb::BringToTop).value_or(0) != 0; }

bool RemoteWindows::SetForegroundWindow(HWND window) {
  return Ask(window, TRemoteVerb::SetForeground).value_or(0) != 0;
}

bool RemoteWindows::IsWindowVisible(HWND window) {
  // False either way; the last error tells a hidden window (none) from a
  // failed exchange.
  const auto visible = Ask(window, TRemoteVerb::IsVisible);
  if (visible) SetLastError(ERROR_SUCCESS);
  return visible.value_or(0) != 0;
}

}  // namespace plat
