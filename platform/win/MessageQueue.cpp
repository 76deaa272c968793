#include "platform/win/MessageQueue.h"

#include "platform/rtl/Unicode.h"
#include "platform/win/detail/AtomTable.h"
#include "platform/win/Clock.h"
#include "platform/win/detail/ForeignWindows.h"
#include "platform/win/Keyboard.h"
#include "platform/win/detail/MessageDelivery.h"
#include "platform/win/detail/PaintEngine.h"
#include "platform/win/Painting.h"
#include "platform/win/detail/ThreadQueue.h"
#include "platform/win/detail/TimerQueue.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WinErrors.h"
#include "platform/win/detail/WindowManager.h"

namespace plat {
namespace {

const HWND ThreadMessagesOnly = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1));

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
  Window* w = WindowManager::Instance().Find(window);
  if (!w) {
    ForeignWindows* foreign = ForeignFor(window);
    if (!foreign) return 0;
    if (IsTextMessage(message) && !IsCharMessage(message)) {
      SetLastError(ERROR_MESSAGE_SYNC_ONLY);  // pointers mean nothing in another process
      return 0;
    }
    return foreign->SendMessage(window, message, wParam, lParam).value_or(0);
  }
  return Deliver(w, message, wParam, lParam, unicode);
}

// Messages whose parameters point to memory only good during the call.
bool PointsToData(UINT message) {
  switch (message) {
    case WM_CREATE:
    case WM_NCCREATE:
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETMINMAXINFO:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
    case WM_NOTIFY:
    case WM_HELP:
    case WM_STYLECHANGING:
    case WM_STYLECHANGED:
    case WM_NCCALCSIZE: return true;
    default: return false;
  }
}

bool Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
  if (PointsToData(message)) {
    SetLastError(ERROR_MESSAGE_SYNC_ONLY);
    return false;
  }
  if (window && !WindowManager::Instance().Find(window)) {
    ForeignWindows* foreign = ForeignFor(window);
    return foreign && foreign->PostMessage(window, message, wParam, lParam);
  }
  MSG msg;
  msg.hwnd = window;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  msg.time = static_cast<DWORD>(CurrentClock().Now());
  msg.pt = ThreadQueue::Instance().LastPoint;
  ThreadQueue::Instance().Post(msg, unicode);
  return true;
}

bool ValidFilter(HWND window) {
  if (!window || window == ThreadMessagesOnly) return true;
  return WindowManager::Instance().FindOrFail(window) != nullptr;
}

void NoteRetrieved(const MSG& msg) {
  ThreadQueue& q = ThreadQueue::Instance();
  q.LastTime = msg.time;
  q.LastPoint = msg.pt;
}

}  // namespace

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Send(window, message, wParam, lParam, false);
}

LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Send(window, message, wParam, lParam, true);
}

bool PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Post(window, message, wParam, lParam, false);
}

bool PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Post(window, message, wParam, lParam, true);
}

void PostQuitMessage(int exitCode) { ThreadQueue::Instance().PostQuit(exitCode); }

int GetMessage(MSG* msg, HWND window, UINT filterMin, UINT filterMax) {
  if (!msg || !ValidFilter(window)) return -1;
  const MessageFilter filter{window, filterMin, filterMax};
  ThreadQueue& q = ThreadQueue::Instance();
  bool unicode = false;
  while (!q.Retrieve(msg, &unicode, filter, true)) q.Wait();
  NoteRetrieved(*msg);
  return msg->message == WM_QUIT ? 0 : 1;
}

bool PeekMessage(MSG* msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags) {
  if (!msg || !ValidFilter(window)) return false;
  const MessageFilter filter{window, filterMin, filterMax};
  ThreadQueue& q = ThreadQueue::Instance();
  bool unicode = false;
  if (q.Retrieve(msg, &unicode, filter, (removeFlags & PM_REMOVE) != 0)) {
    NoteRetrieved(*msg);
    return true;
  }
  q.Idle();
  return false;
}

bool WaitMessage() {
  ThreadQueue& q = ThreadQueue::Instance();
  MSG msg;
  bool unicode = false;
  if (!q.Retrieve(&msg, &unicode, MessageFilter{}, false)) q.Wait();
  return true;
}

bool TranslateMessage(const MSG* msg) {
  if (!msg) return false;
  switch (msg->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: break;
    case WM_KEYUP:
    case WM_SYSKEYUP: return true;
    default: return false;
  }
  Byte keys[256];
  GetKeyboardState(keys);
  const char16_t ch = KeyToChar(static_cast<UINT>(msg->wParam & 0xFF), keys);
  if (!ch) return true;
  MSG charMsg = *msg;
  charMsg.message = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
  charMsg.wParam = ch;
  ThreadQueue::Instance().PostFront(charMsg, true);
  return true;
}

LRESULT DispatchMessage(const MSG* msg) {
  if (!msg) return 0;
  if (msg->message == WM_TIMER && msg->lParam) {
    // Only a timer's own procedure is called, never a made-up address.
    const auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
    if (!TimerQueue::Instance().HasProc(msg->hwnd, msg->wParam, proc)) return 0;
    proc(msg->hwnd, WM_TIMER, msg->wParam, static_cast<DWORD>(CurrentClock().Now()));
    return 0;
  }
  if (!msg->hwnd) return 0;
  WindowManager& wm = WindowManager::Instance();
  Window* w = wm.FindOrFail(msg->hwnd);
  if (!w) return 0;
  const std::shared_ptr<Window> keep = wm.Keep(w);
  const LRESULT result = Deliver(w, msg->message, msg->wParam, msg->lParam, w->Unicode);
  if (msg->message == WM_PAINT && w->IsAlive()) {
    // A procedure that did not paint must not be asked again and again.
    ChangeUpdate(w, nullptr, RDW_VALIDATE | RDW_FRAME | RDW_NOCHILDREN | RDW_NOERASE | RDW_NOINTERNALPAINT);
  }
  return result;
}

LRESULT CallWindowProcA(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallProc(proc, ProcIsUnicode(proc, false), window, message, wParam, lParam, false);
}

LRESULT CallWindowProcW(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallProc(proc, ProcIsUnicode(proc, true), window, message, wParam, lParam, true);
}

UINT RegisterWindowMessageA(const char* name) { return name ? AtomTable::Add(name) : 0; }

UINT RegisterWindowMessageW(const char16_t* name) { return name ? AtomTable::Add(WideToUtf8(WideString(name))) : 0; }

LONG GetMessageTime() { return static_cast<LONG>(ThreadQueue::Instance().LastTime); }

DWORD GetMessagePos() {
  const TPoint p = ThreadQueue::Instance().LastPoint;
  return MAKELONG(static_cast<Word>(p.X), static_cast<Word>(p.Y));
}

DWORD GetQueueStatus(UINT flags) {
  const DWORD status = ThreadQueue::Instance().QueueStatus() & flags;
  return MAKELONG(static_cast<Word>(status), static_cast<Word>(status));
}

}  // namespace plat
