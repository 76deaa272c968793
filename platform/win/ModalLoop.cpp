#include "platform/win/ModalLoop.h"

#include "platform/win/MessageQueue.h"
#include "platform/win/detail/ThreadQueue.h"

namespace plat {
namespace {

int& Depth() {
  static int depth = 0;
  return depth;
}

}  // namespace

bool RunModalLoop(HWND window, const std::function<bool()>& finished) {
  const ModalLoopScope scope(window);
  MSG msg;
  while (!finished()) {
    if (!GetMessage(&msg, nullptr, 0, 0)) {
      // The loops outside end too.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
  return true;
}

int ModalLoopDepth() { return Depth(); }

ModalLoopScope::ModalLoopScope(HWND window) : FWindow(window) {
  ++Depth();
  ThreadQueue::Instance().AnnounceModalLoop(window);
}

ModalLoopScope::~ModalLoopScope() {
  --Depth();
  ThreadQueue::Instance().WithdrawModalLoop(FWindow);
}

}  // namespace plat
