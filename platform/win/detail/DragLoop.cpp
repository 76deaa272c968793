#include "platform/win/detail/DragLoop.h"

#include "platform/win/Cursors.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/Display.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/MessageViews.h"
#include "platform/win/ModalLoop.h"
#include "platform/win/Mouse.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"

namespace plat {
namespace {

constexpr char kTrackerClass[] = "OleDragTracker";

bool& RunningFlag() {
  static bool running = false;
  return running;
}

HWND MakeTracker() {
  if (!FindWindowClass(kTrackerClass)) {
    WNDCLASSA wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = kTrackerClass;
    if (!RegisterClassA(&wc)) return nullptr;
  }
  return CreateWindowExA(WS_EX_TOOLWINDOW, kTrackerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
}

bool Down(int virtualKey) { return GetKeyState(virtualKey) < 0; }

// The MK_ flags as the messages handed out so far leave them.
DWORD KeyStateNow() {
  DWORD state = 0;
  if (Down(VK_LBUTTON)) state |= MK_LBUTTON;
  if (Down(VK_RBUTTON)) state |= MK_RBUTTON;
  if (Down(VK_MBUTTON)) state |= MK_MBUTTON;
  if (Down(VK_SHIFT)) state |= MK_SHIFT;
  if (Down(VK_CONTROL)) state |= MK_CONTROL;
  if (Down(VK_MENU)) state |= MK_ALT;
  return state;
}

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

}  // namespace

HCURSOR DefaultDragCursor(DWORD effect) {
  return LoadCursorA(nullptr, effect == DROPEFFECT_NONE ? IDC_NO : IDC_ARROW);
}

DragLoop::DragLoop(IDataObject* data, IDropSource* source, DWORD okEffects)
    : FData(data), FSource(source), FOkEffects(okEffects) {
  RunningFlag() = true;
}

DragLoop::~DragLoop() {
  LeaveAll();
  if (FTracker) {
    if (GetCapture() == FTracker) ReleaseCapture();
    DestroyWindow(FTracker);
  }
  RunningFlag() = false;
}

bool DragLoop::Running() { return RunningFlag(); }

HRESULT DragLoop::Run(DWORD* effect) {
  *effect = DROPEFFECT_NONE;
  FTracker = MakeTracker();
  if (!FTracker) return E_OUTOFMEMORY;
  const HCURSOR cursorBefore = GetCursor();
  SetCapture(FTracker);
  const ModalLoopScope scope(FTracker);
  POINT start;
  GetCursorPos(&start);
  Step(start, false);
  MSG msg;
  while (!FDone) {
    if (!GetMessage(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // the loops outside end too
      LeaveAll();
      FResult = DRAGDROP_S_CANCEL;
      break;
    }
    if (IsMouseInputMessage(msg.message) || IsKeyMessage(msg.message)) {
      const bool escape = msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE;
      // Characters and releases of keys only change the key state.
      if (msg.message != WM_CHAR && msg.message != WM_SYSCHAR) Step(msg.pt, escape);
    } else {
      DispatchMessage(&msg);
    }
    // Another window took the capture (a dialog came up): the drag is off.
    if (!FDone && GetCapture() != FTracker) {
      LeaveAll();
      FResult = DRAGDROP_S_CANCEL;
      FDone = true;
    }
  }
  SetCursor(cursorBefore);
  *effect = FEffect;
  return FResult;
}

void DragLoop::Step(TPoint screen, bool escapePressed) {
  const DWORD keyState = KeyStateNow();
  const HRESULT asked = FSource->QueryContinueDrag(escapePressed ? TRUE : FALSE, keyState);
  if (asked == S_OK) {
    Feedback(Over(screen, keyState));
    return;
  }
  FDone = true;
  if (asked == DRAGDROP_S_DROP) {
    FEffect = DropAt(screen, keyState);
    FResult = DRAGDROP_S_DROP;
  } else {
    LeaveAll();
    FResult = FAILED(asked) ? asked : DRAGDROP_S_CANCEL;
  }
}

DWORD DragLoop::Over(TPoint screen, DWORD keyState) {
  if (OwnWindowAt(screen)) {
    if (std::exchange(FOnDesktop, false)) CurrentDisplay().DesktopDragLeave();
    return AllowedEffect(FPassage.Move(FData.Get(), screen, keyState, FOkEffects), FOkEffects);
  }
  FPassage.Leave();
  FOnDesktop = true;
  return AllowedEffect(CurrentDisplay().DesktopDragOver(FData.Get(), screen, keyState, FOkEffects), FOkEffects);
}

DWORD DragLoop::DropAt(TPoint screen, DWORD keyState) {
  if (OwnWindowAt(screen)) {
    if (std::exchange(FOnDesktop, false)) CurrentDisplay().DesktopDragLeave();
    return FPassage.Drop(FData.Get(), screen, keyState, FOkEffects);
  }
  FPassage.Leave();
  FOnDesktop = false;
  return AllowedEffect(CurrentDisplay().DesktopDrop(FData.Get(), screen, keyState, FOkEffects), FOkEffects);
}

void DragLoop::LeaveAll() {
  FPassage.Leave();
  if (std::exchange(FOnDesktop, false)) CurrentDisplay().DesktopDragLeave();
}

void DragLoop::Feedback(DWORD effect) {
  if (FSource->GiveFeedback(effect) == DRAGDROP_S_USEDEFAULTCURSORS) SetCursor(DefaultDragCursor(effect));
}

HRESULT DoDragDrop(IDataObject* data, IDropSource* source, DWORD okEffects, DWORD* effect) {
  if (!data || !source || !effect) return E_INVALIDARG;
  if (!OleIsInitialized()) return E_OUTOFMEMORY;
  if (DragLoop::Running()) return E_UNEXPECTED;
  DragLoop loop(data, source, okEffects);
  return loop.Run(effect);
}

}  // namespace plat
