#include "platform/win/MessageHooks.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

#include "platform/win/WinErrors.h"

namespace plat {
namespace {

struct Hook {
  HHOOK Handle = nullptr;
  HOOKPROC Proc = nullptr;
};

// The calling thread's chain, newest first.
std::vector<Hook>& Chain() {
  thread_local std::vector<Hook> chain;
  return chain;
}

HHOOK NextHookHandle() {
  static std::atomic<std::uintptr_t> last{0x6000};
  return reinterpret_cast<HHOOK>(last += 2);
}

// Calls the first hook from `from` on; 0 past the end.
LRESULT CallFrom(std::size_t from, int code, WPARAM wParam, LPARAM lParam) {
  const std::vector<Hook>& chain = Chain();
  if (from >= chain.size()) return 0;
  // A copy: the procedure may unhook itself or others.
  const Hook hook = chain[from];
  return hook.Proc(code, wParam, lParam);
}

HHOOK SetHook(int idHook, HOOKPROC proc, DWORD threadId) {
  if (idHook != WH_MSGFILTER) {
    SetLastError(ERROR_INVALID_HOOK_FILTER);
    return nullptr;
  }
  if (!proc) {
    SetLastError(ERROR_INVALID_FILTER_PROC);
    return nullptr;
  }
  if (threadId != 0 && threadId != GetCurrentThreadId()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const HHOOK handle = NextHookHandle();
  Chain().insert(Chain().begin(), Hook{handle, proc});
  return handle;
}

}  // namespace

HHOOK SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE, DWORD threadId) {
  return SetHook(idHook, proc, threadId);
}
HHOOK SetWindowsHookExW(int idHook, HOOKPROC proc, HINSTANCE, DWORD threadId) {
  return SetHook(idHook, proc, threadId);
}

bool UnhookWindowsHookEx(HHOOK hook) {
  std::vector<Hook>& chain = Chain();
  const auto found = std::find_if(chain.begin(), chain.end(), [hook](const Hook& h) { return h.Handle == hook; });
  if (found == chain.end()) {
    SetLastError(ERROR_INVALID_HOOK_HANDLE);
    return false;
  }
  chain.erase(found);
  return true;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
  const std::vector<Hook>& chain = Chain();
  const auto found = std::find_if(chain.begin(), chain.end(), [hook](const Hook& h) { return h.Handle == hook; });
  if (found == chain.end()) return 0;
  return CallFrom(static_cast<std::size_t>(found - chain.begin()) + 1, code, wParam, lParam);
}

DWORD GetCurrentThreadId() {
  static std::atomic<DWORD> last{0};
  thread_local const DWORD id = ++last;
  return id;
}

bool CallMsgFilter(MSG* msg, int code) { return CallFrom(0, code, 0, reinterpret_cast<LPARAM>(msg)) != 0; }

}  // namespace plat
