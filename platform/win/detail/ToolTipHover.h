#pragma once
// When a hovering tool tip shows and goes, as ToolTips.h tells it: told
// where the pointer is (on which tool, at which screen point), of presses,
// of its timers and of TTM_POP, it asks its host to run timers and to show
// and hide the tip. The host may re-enter it from inside ShowTip (an owner
// answering a notification with TTM_POP): what was asked last wins.
#include <cstdint>
#include <optional>

#include "platform/win/detail/ToolTipTools.h"

namespace plat {

class ToolTipHover {
 public:
  static constexpr UINT_PTR ShowTimer = 1;
  static constexpr UINT_PTR AutoPopTimer = 2;

  class Host {
   public:
    virtual void StartTimer(UINT_PTR id, int milliseconds) = 0;
    virtual void StopTimer(UINT_PTR id) = 0;
    // Shows the tool's tip; false when nothing showed.
    virtual bool ShowTip(const ToolKey& tool) = 0;
    virtual void HideTip() = 0;

   protected:
    ~Host() = default;
  };

  struct Delays {
    int Initial = 500;
    int AutoPop = 5000;
    int Reshow = 100;
  };

  explicit ToolTipHover(Host& host) : FHost(host) {}

  Delays Timing;

  // The pointer moved to a screen point, over a tool or none.
  void PointerOn(const std::optional<ToolKey>& tool, TPoint screen);
  // A mouse button went down or up.
  void Pressed();
  void TimerDue(UINT_PTR id);
  // TTM_POP: a tip that shows goes, and the next one comes after the reshow delay.
  void Pop();
  // TTM_POPUP: the tip of the tool under the pointer shows now.
  void ShowNow();
  // The tool went away.
  void Forget(const ToolKey& tool);
  // Back to no tool: the control was switched off or a tracking tip took over.
  void Reset();

  // The tool the pointer is on, while the control follows one.
  const std::optional<ToolKey>& Current() const { return FCurrent; }

 private:
  enum class Phase { Idle, Waiting, Showing, Dismissed };

  void Leave();
  void StartWaiting();
  void ShowCurrent();
  void StopTimers();
  void HideIfShowing();

  Host& FHost;
  Phase FPhase = Phase::Idle;
  std::optional<ToolKey> FCurrent;
  TPoint FLastPoint;
  // The next tip comes after the reshow delay: one showed just before.
  bool FReshow = false;
  // Counts changes of state, so that a change made while the host showed
  // a tip is not overwritten once it returns.
  std::uint64_t FEpoch = 0;
};

}  // namespace plat
