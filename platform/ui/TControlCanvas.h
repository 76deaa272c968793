#pragma once
// A canvas on a control: while painting it draws on the DC it was given;
// otherwise it asks for a DC on the control's client area (a windowed
// control's own, a graphic control's part of its parent's), places the
// origin at the control and clips to it, and gives the DC back when freed
// or when the control's window goes.
#include "platform/gdi/TCanvas.h"
#include "platform/win/WinTypes.h"

namespace plat {

class TControl;

class TControlCanvas : public TCanvas {
 public:
  explicit TControlCanvas(TControl* Control) : FControl(Control) {}
  ~TControlCanvas() override;

  TControl* Control() const { return FControl; }
  // Lets go of a DC the canvas asked for.
  void FreeHandle();
  // Draws on DC (a paint DC already placed and clipped) until Release.
  void Lock(HDC DC);
  void Release();

 protected:
  void CreateHandle() override;

 private:
  TControl* FControl;
  HDC FWindowDC = nullptr;  // a DC from GetDC, given back on FreeHandle
  HWND FWindow = nullptr;
};

// Locks a canvas on a paint DC for a scope: Release comes however the
// painting ends.
class TControlCanvasLock {
 public:
  TControlCanvasLock(TControlCanvas& Canvas, HDC DC) : FCanvas(Canvas) { FCanvas.Lock(DC); }
  ~TControlCanvasLock() { FCanvas.Release(); }
  TControlCanvasLock(const TControlCanvasLock&) = delete;
  TControlCanvasLock& operator=(const TControlCanvasLock&) = delete;

 private:
  TControlCanvas& FCanvas;
};

}  // namespace plat
