#include "testing/FormTest.h"

#include "platform/rtl/Exception.h"
#include "platform/ui/ClassLibrary.h"
#include "platform/ui/TWinControl.h"
#include "platform/win/CrossProcessWindows.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Mouse.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"

namespace zorbit::testing {

using namespace plat;

void FormTest::SetUp() {
  auto display = std::make_unique<HeadlessDisplay>();
  FDisplay = display.get();
  SetDisplay(std::move(display));
  FClock = std::make_shared<VirtualClock>();
  SetClock(FClock);
  InitClassLibrary();
  InitForms();
  Application->OnException = [this](TObject*, const std::exception& e) {
    const auto* exception = dynamic_cast<const Exception*>(&e);
    FExceptions.push_back(exception ? exception->Message() : e.what());
  };
  // The pointer starts away from every window.
  InjectMouseMove({1200, 900});
  Pump();
}

void FormTest::TearDown() {
  DoneForms();
  StopWindowPublishing();
  if (GetCapture()) ReleaseCapture();
  Pump();
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
  SetClock(nullptr);
  SetDisplay(CreateHeadlessDisplay());
}

int FormTest::Pump() { return PumpMessages(); }

bool FormTest::PumpUntil(const std::function<bool()>& Done, std::chrono::milliseconds Timeout) {
  const auto deadline = std::chrono::steady_clock::now() + Timeout;
  // A timer wakes the wait now and then, so the deadline is seen.
  const UINT_PTR ticker = SetTimer(nullptr, 0, 20, nullptr);
  MSG message;
  bool done = false;
  while (!(done = Done()) && std::chrono::steady_clock::now() < deadline) {
    while (PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessage(&message);
    }
    if ((done = Done())) break;
    WaitMessage();
  }
  KillTimer(nullptr, ticker);
  return done;
}

COLORREF FormTest::PixelAt(TControl* Control, TPoint Client) {
  auto* window = dynamic_cast<TWinControl*>(Control);
  TWinControl* host = window ? window : Control->Parent();
  const HWND root = GetAncestor(host->Handle(), GA_ROOT);
  const Bitmap* surface = WindowSurface(root);
  if (!surface) return CLR_INVALID;
  RECT rootRect;
  GetWindowRect(root, &rootRect);
  const TPoint p = Control->ClientToScreen(Client) - rootRect.TopLeft();
  if (!surface->Bounds().Contains(p)) return CLR_INVALID;
  return ColorRefFromPixel(surface->At(p.X, p.Y)) & 0xFFFFFF;
}

void FormTest::ClickControl(TControl* Control) {
  InjectClick(Control->ClientToScreen({Control->Width() / 2, Control->Height() / 2}));
}

}  // namespace zorbit::testing
