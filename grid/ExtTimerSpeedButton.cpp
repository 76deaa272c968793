#include "grid/ExtTimerSpeedButton.h"

#include "grid/detail/ThemeDataScope.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/ThemeServices.h"
#include "platform/ui/TTimer.h"
#include "platform/ui/TWinControl.h"

namespace zorbit {

namespace {

constexpr unsigned kFirstRepeat = 400;
constexpr unsigned kNextRepeats = 100;

// The visual style's spin parts and states.
int SpinPart(TExtButtonDirection Direction) {
  switch (Direction) {
    case TExtButtonDirection::bdUp: return 1;
    case TExtButtonDirection::bdDown: return 2;
    case TExtButtonDirection::bdRight: return 3;
    case TExtButtonDirection::bdLeft: return 4;
  }
  return 1;
}
constexpr int kSpinNormal = 1;
constexpr int kSpinHot = 2;
constexpr int kSpinPressed = 3;

}  // namespace

TExtTimerSpeedButton::TExtTimerSpeedButton(plat::TComponent* AOwner) : plat::TSpeedButton(AOwner) {}

TExtTimerSpeedButton::~TExtTimerSpeedButton() = default;

void TExtTimerSpeedButton::SetButtonDirection(TExtButtonDirection Value) {
  if (FButtonDirection == Value) return;
  FButtonDirection = Value;
  Invalidate();
}

void TExtTimerSpeedButton::SetTimeBtnState(TTimeBtnState Value) {
  if (FTimeBtnState == Value) return;
  FTimeBtnState = Value;
  if (!FTimeBtnState.Contains(TTimeBtnStateItem::tbAllowTimer)) StopRepeat();
  Invalidate();
}

void TExtTimerSpeedButton::SetThemed(bool Value) {
  if (FThemed == Value) return;
  FThemed = Value;
  Invalidate();
}

// The repeat.

void TExtTimerSpeedButton::StartRepeat() {
  if (!FRepeatTimer) {
    FRepeatTimer = std::make_unique<plat::TTimer>(nullptr);
    FRepeatTimer->OnTimer = [this](plat::TObject*) { RepeatTick(); };
  }
  // Restarting the timer counts the first interval from this press.
  FRepeatTimer->SetEnabled(false);
  FRepeatTimer->SetInterval(kFirstRepeat);
  FRepeatTimer->SetEnabled(true);
}

void TExtTimerSpeedButton::StopRepeat() {
  if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
}

void TExtTimerSpeedButton::RepeatTick() {
  FRepeatTimer->SetInterval(kNextRepeats);
  // A press that ended without a release here (capture taken away, the
  // button disabled or hidden) ends the repeat too.
  if (!MouseCapture()) {
    StopRepeat();
    return;
  }
  if (State() != plat::TButtonState::bsDown) return;
  try {
    Click();
  } catch (const std::exception&) {
    StopRepeat();
    throw;
  }
}

void TExtTimerSpeedButton::RepaintParent() {
  if (Parent()) Parent()->Invalidate();
}

void TExtTimerSpeedButton::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
  plat::TSpeedButton::MouseDown(Button, Shift, X, Y);
  if (Button == plat::TMouseButton::mbLeft && Enabled() && FTimeBtnState.Contains(TTimeBtnStateItem::tbAllowTimer))
    StartRepeat();
  RepaintParent();
}

void TExtTimerSpeedButton::MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
  StopRepeat();
  RepaintParent();
  // The click may free this button: nothing after it.
  plat::TSpeedButton::MouseUp(Button, Shift, X, Y);
}

void TExtTimerSpeedButton::WndProc(plat::TMessage& Message) {
  plat::TSpeedButton::WndProc(Message);
  switch (Message.Msg) {
    case plat::CM_MOUSEENTER:
    case plat::CM_MOUSELEAVE:
      FMouseOver = Message.Msg == plat::CM_MOUSEENTER;
      if (FThemed) Invalidate();
      break;
    case plat::CM_ENABLEDCHANGED:
    case plat::CM_VISIBLECHANGED:
      if (!Enabled() || !Visible()) StopRepeat();
      break;
    default: break;
  }
}

// Painting.

bool TExtTimerSpeedButton::PaintThemed() {
  if (!FThemed || !plat::IsThemeActive() || !Parent()) return false;
  const detail::TThemeDataScope theme(Parent()->Handle(), u"spin");
  if (!theme.Theme()) return false;
  const int state = State() == plat::TButtonState::bsDown ? kSpinPressed : (FMouseOver ? kSpinHot : kSpinNormal);
  const plat::TRect rect = ClientRect();
  return plat::DrawThemeBackground(theme.Theme(), Canvas()->Handle(), SpinPart(FButtonDirection), state, &rect,
                                   nullptr) == plat::S_OK;
}

void TExtTimerSpeedButton::Paint() {
  if (!PaintThemed()) {
    if (FButtonDirection == TExtButtonDirection::bdLeft || FButtonDirection == TExtButtonDirection::bdRight) {
      plat::TRect rect = ClientRect();
      plat::UINT kind = FButtonDirection == TExtButtonDirection::bdLeft ? plat::DFCS_SCROLLLEFT : plat::DFCS_SCROLLRIGHT;
      if (State() == plat::TButtonState::bsDown) kind |= plat::DFCS_PUSHED;
      if (Flat()) kind |= plat::DFCS_FLAT;
      if (!Enabled()) kind |= plat::DFCS_INACTIVE;
      plat::DrawFrameControl(Canvas()->Handle(), &rect, plat::DFC_SCROLL, kind);
    } else {
      plat::TSpeedButton::Paint();
    }
  }
  if (FTimeBtnState.Contains(TTimeBtnStateItem::tbFocusRect)) {
    plat::TCanvas& canvas = *Canvas();
    canvas.Brush()->SetStyle(plat::TBrushStyle::bsSolid);
    canvas.DrawFocusRect(ClientRect().Inflated(-3, -3));
  }
}

}  // namespace zorbit
