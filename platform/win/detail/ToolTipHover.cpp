#include "platform/win/detail/ToolTipHover.h"

namespace plat {

void ToolTipHover::PointerOn(const std::optional<ToolKey>& tool, TPoint screen) {
  if (!tool) {
    Leave();
    return;
  }
  if (tool == FCurrent) {
    // A tip waits for the pointer to stand still; one that shows, or was
    // sent away, stays as it is while the pointer stays on its tool.
    if (FPhase == Phase::Waiting && screen != FLastPoint) StartWaiting();
    FLastPoint = screen;
    return;
  }
  ++FEpoch;
  if (FPhase == Phase::Showing) {
    StopTimers();
    FHost.HideTip();
    FReshow = true;
  } else if (FPhase == Phase::Dismissed) {
    FReshow = false;
  }
  FCurrent = tool;
  FLastPoint = screen;
  StartWaiting();
}

void ToolTipHover::Pressed() {
  if (!FCurrent || FPhase == Phase::Dismissed) return;
  ++FEpoch;
  StopTimers();
  HideIfShowing();
  FPhase = Phase::Dismissed;
  FReshow = false;
}

void ToolTipHover::TimerDue(UINT_PTR id) {
  FHost.StopTimer(id);
  if (id == ShowTimer && FPhase == Phase::Waiting) {
    ShowCurrent();
  } else if (id == AutoPopTimer && FPhase == Phase::Showing) {
    ++FEpoch;
    FHost.HideTip();
    FPhase = Phase::Dismissed;
  }
}

void ToolTipHover::Pop() {
  ++FEpoch;
  StopTimers();
  if (FPhase == Phase::Showing) {
    FHost.HideTip();
    FReshow = true;
  }
  FPhase = Phase::Idle;
  FCurrent.reset();
}

void ToolTipHover::ShowNow() {
  if (!FCurrent || FPhase == Phase::Showing) return;
  FHost.StopTimer(ShowTimer);
  ShowCurrent();
}

void ToolTipHover::Forget(const ToolKey& tool) {
  if (FCurrent == tool) Reset();
}

void ToolTipHover::Reset() {
  ++FEpoch;
  StopTimers();
  HideIfShowing();
  FPhase = Phase::Idle;
  FCurrent.reset();
  FReshow = false;
}

void ToolTipHover::Leave() {
  if (!FCurrent) return;
  Reset();
}

void ToolTipHover::StartWaiting() {
  FPhase = Phase::Waiting;
  FHost.StartTimer(ShowTimer, FReshow ? Timing.Reshow : Timing.Initial);
}

void ToolTipHover::ShowCurrent() {
  const ToolKey tool = *FCurrent;
  const std::uint64_t epoch = ++FEpoch;
  const bool shown = FHost.ShowTip(tool);
  if (epoch != FEpoch) return;  // the host's notifications moved things on
  if (!shown) {
    // Nothing to show here now: the next move on the tool tries again.
    FPhase = Phase::Waiting;
    return;
  }
  FPhase = Phase::Showing;
  FReshow = false;
  FHost.StartTimer(AutoPopTimer, Timing.AutoPop);
}

void ToolTipHover::StopTimers() {
  FHost.StopTimer(ShowTimer);
  FHost.StopTimer(AutoPopTimer);
}

void ToolTipHover::HideIfShowing() {
  if (FPhase == Phase::Showing) FHost.HideTip();
}

}  // namespace plat
