#pragma once
// Message filter hooks: procedures that see the messages a menu loop (or
// another modal loop of the window layer) takes from the queue before the
// loop acts on them. Only thread hooks of the calling thread exist
// (threadId 0 or that thread's id); the newest hook is called first and
// passes the message on with CallNextHookEx. A hook answering non-zero
// keeps the loop from handling the message. Unhooking inside a hook is
// allowed; the chain being called skips it from then on.
#include "platform/win/Messages.h"
#include "platform/win/WinTypes.h"

namespace plat {

struct HHOOK__;
using HHOOK = HHOOK__*;
// code: what kind of loop (MSGF_*), or negative; lParam: the MSG.
using HOOKPROC = LRESULT (*)(int code, WPARAM wParam, LPARAM lParam);

constexpr int WH_MSGFILTER = -1;

// The loop a message filter hook is called from.
constexpr int MSGF_DIALOGBOX = 0;
constexpr int MSGF_MESSAGEBOX = 1;
constexpr int MSGF_MENU = 2;
constexpr int MSGF_SCROLLBAR = 5;
constexpr int MSGF_NEXTWINDOW = 6;

// Null with ERROR_INVALID_HOOK_FILTER for another kind of hook,
// ERROR_INVALID_PARAMETER for another thread, ERROR_INVALID_FILTER_PROC for
// no procedure.
HHOOK SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId);
HHOOK SetWindowsHookExW(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId);
inline HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId) {
  return SetWindowsHookExA(idHook, proc, module, threadId);
}
// False with ERROR_INVALID_HOOK_HANDLE for a hook that is not installed.
bool UnhookWindowsHookEx(HHOOK hook);
// Calls the hook after `hook` in the chain; 0 at its end.
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);

// The calling thread's identifier, as threadId takes it.
DWORD GetCurrentThreadId();

// For the window layer's loops: passes a message through the chain, from
// the newest hook; answers whether a hook swallowed it.
bool CallMsgFilter(MSG* msg, int code);

}  // namespace plat
