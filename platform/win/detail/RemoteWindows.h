#pragma once
// Handles that stand for other processes' top-level windows. Each call goes
// to the owning process's socket and is carried out by its UI thread; the
// answer (or its failure) comes back as the local routine's result. A
// process found dead takes its handles with it: they are refused from then
// on, like the handle of a destroyed window.
#include <cstdint>
#include <map>
#include <optional>

#include "platform/win/detail/ForeignWindows.h"
#include "platform/win/detail/RemoteWindowProtocol.h"

namespace plat {

class RemoteWindows final : public ForeignWindows {
 public:
  static constexpr int DefaultTimeoutMs = 5000;

  // The handle for window id of the process at endpoint; the same window
  // always gets the same handle.
  HWND HandleFor(const String& endpoint, std::uint64_t id);
  // The process at endpoint has ended: its handles go.
  void ForgetEndpoint(const String& endpoint);

  // How long a request may take before it fails with ERROR_TIMEOUT.
  int TimeoutMs() const { return FTimeoutMs; }
  void SetTimeoutMs(int milliseconds) { FTimeoutMs = milliseconds; }

  bool IsWindow(HWND window) override;
  // Only WM_CLOSE crosses processes.
  std::optional<LRESULT> SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  bool ShowWindow(HWND window, int command) override;
  bool BringWindowToTop(HWND window) override;
  bool SetForegroundWindow(HWND window) override;
  bool IsWindowVisible(HWND window) override;

 private:
  struct Remote {
    String Endpoint;
    std::uint64_t Id = 0;
  };

  // The answer, or none with the last error set.
  std::optional<std::int64_t> Ask(HWND window, TRemoteVerb verb, int argument = 0);

  std::map<HWND, Remote> FRemotes;
  int FTimeoutMs = DefaultTimeoutMs;
};

}  // namespace plat
