#pragma once
// A timer component: OnTimer every Interval milliseconds (on the window
// layer's clock) while Enabled. OnTimer may delete the timer it runs from.
#include "platform/ui/TComponent.h"
#include "platform/win/WinTypes.h"

namespace plat {

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // 0 stops the timer.
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned Value);

  TNotifyEvent OnTimer;

 protected:
  virtual void Timer();

 private:
  static LRESULT TimerWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
  void UpdateTimer();

  bool FEnabled = true;
  unsigned FInterval = 1000;
  HWND FWindow = nullptr;
};

}  // namespace plat
