#include "platform/ui/TControlCanvas.h"

#include "platform/ui/TWinControl.h"
#include "platform/win/WindowDC.h"

namespace plat {

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::FreeHandle() {
  if (!FWindowDC) return;
  TCanvas::FreeHandle();
  ReleaseDC(FWindow, FWindowDC);
  FWindowDC = nullptr;
  FWindow = nullptr;
}

void TControlCanvas::Lock(HDC DC) {
  FreeHandle();
  SetHandle(DC);
}

void TControlCanvas::Release() { SetHandle(nullptr); }

void TControlCanvas::CreateHandle() {
  auto* window = dynamic_cast<TWinControl*>(FControl);
  TWinControl* host = window ? window : FControl->Parent();
  if (!host || !host->HandleAllocated()) return;
  FWindow = host->Handle();
  FWindowDC = GetDCEx(FWindow, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
  if (!FWindowDC) return;
  if (!window) {
    // A graphic control draws on its part of the parent's client area.
    SetWindowOrgEx(FWindowDC, -FControl->Left(), -FControl->Top(), nullptr);
    IntersectClipRect(FWindowDC, 0, 0, FControl->Width(), FControl->Height());
  }
  SetHandle(FWindowDC);
}

}  // namespace plat
