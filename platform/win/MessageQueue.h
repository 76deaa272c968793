#pragma once
// Sending and posting messages, the thread's message queue and its loops.
// One UI thread: SendMessage calls the window procedure at once, PostMessage
// queues. The queue hands out, in this order: posted messages, WM_QUIT (once
// PostQuitMessage was called), input, WM_PAINT for windows that need
// painting, then WM_TIMER for timers that fell due. When nothing is left,
// GetMessage waits for the clock, the input and the wake sources.
//
// The A forms carry UTF-8 text, the W forms UTF-16; a text-bearing message
// (WM_SETTEXT, WM_GETTEXT, WM_GETTEXTLENGTH, WM_CREATE, WM_NCCREATE,
// WM_CHAR and its kin) is converted when the sender's form differs from the
// window procedure's. The plain names are the A forms.
#include "platform/win/Messages.h"

namespace plat {

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
inline LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageA(window, message, wParam, lParam);
}

// Queues a message (window null: a thread message that DispatchMessage
// drops). Messages whose parameters point to data the system fills or reads
// cannot be posted (ERROR_MESSAGE_SYNC_ONLY).
bool PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
bool PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
inline bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return PostMessageA(window, message, wParam, lParam);
}
// WM_QUIT with the exit code comes once the posted messages are handled.
void PostQuitMessage(int exitCode);

// PeekMessage flags.
constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;
constexpr UINT PM_NOYIELD = 0x0002;

// Window filter: null for any window and thread messages; a window takes it
// and its descendants. Range 0, 0 takes every message.
// GetMessage answers 0 for WM_QUIT, 1 otherwise (-1 for a bad filter).
int GetMessage(MSG* msg, HWND window, UINT filterMin, UINT filterMax);
bool PeekMessage(MSG* msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags);
// Waits until the queue has something.
bool WaitMessage();

// Posts WM_CHAR (WM_SYSCHAR with Alt) for a WM_KEYDOWN (WM_SYSKEYDOWN) that
// makes a character on a US keyboard. Answers whether msg was a key message.
bool TranslateMessage(const MSG* msg);
// Delivers a retrieved message to its window procedure (a WM_TIMER with a
// timer procedure to that procedure) and answers its result.
LRESULT DispatchMessage(const MSG* msg);

// Calls a window procedure as a message to the window would, converting
// text-bearing messages when the procedure takes the other character set.
LRESULT CallWindowProcA(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcW(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
inline LRESULT CallWindowProc(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(proc, window, message, wParam, lParam);
}

// A message number from 0xC000 up for a name (the same for every caller);
// 0 for an empty or over-long name.
UINT RegisterWindowMessageA(const char* name);
UINT RegisterWindowMessageW(const char16_t* name);
inline UINT RegisterWindowMessage(const char* name) { return RegisterWindowMessageA(name); }

// The time (clock milliseconds) and cursor position of the last message retrieved.
LONG GetMessageTime();
DWORD GetMessagePos();

// Queue status bits (GetQueueStatus, MsgWaitForMultipleObjects masks).
constexpr UINT QS_KEY = 0x0001;
constexpr UINT QS_MOUSEMOVE = 0x0002;
constexpr UINT QS_MOUSEBUTTON = 0x0004;
constexpr UINT QS_POSTMESSAGE = 0x0008;
constexpr UINT QS_TIMER = 0x0010;
constexpr UINT QS_PAINT = 0x0020;
constexpr UINT QS_SENDMESSAGE = 0x0040;
constexpr UINT QS_MOUSE = QS_MOUSEMOVE | QS_MOUSEBUTTON;
constexpr UINT QS_INPUT = QS_MOUSE | QS_KEY;
constexpr UINT QS_ALLINPUT = QS_INPUT | QS_POSTMESSAGE | QS_TIMER | QS_PAINT | QS_SENDMESSAGE;
// The kinds of message (QS_*) waiting, among those asked, in the low word.
DWORD GetQueueStatus(UINT flags);

}  // namespace plat
