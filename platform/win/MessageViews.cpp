#include "platform/win/MessageViews.h"

namespace plat {
namespace {

bool IsWheelMessage(UINT msg) { return msg == WM_MOUSEWHEEL || msg == WM_MOUSEHWHEEL; }

bool IsNonClientMouseMessage(UINT msg) {
  return (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK) || msg == WM_NCMOUSEHOVER;
}

}  // namespace

RECT* NcCalcSizeRect(WPARAM wParam, LPARAM lParam) {
  if (!lParam) return nullptr;
  // wParam TRUE: NCCALCSIZE_PARAMS, whose first rectangle is the one.
  return wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
}

TMouseMessage TMouseMessage::From(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMouseMessage m;
  m.Msg = msg;
  m.Pos = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (IsWheelMessage(msg)) {
    m.Keys = GET_KEYSTATE_WPARAM(wParam);
    m.WheelDelta = GET_WHEEL_DELTA_WPARAM(wParam);
  } else if (IsNonClientMouseMessage(msg)) {
    m.HitTest = static_cast<LRESULT>(wParam);
  } else if (msg != WM_CONTEXTMENU) {
    m.Keys = wParam;
  }
  return m;
}

bool TMouseMessage::InScreenCoordinates() const {
  return IsWheelMessage(Msg) || IsNonClientMouseMessage(Msg) || Msg == WM_CONTEXTMENU;
}

WPARAM TMouseMessage::WParam() const {
  if (IsWheelMessage(Msg))
    return MAKEWPARAM(static_cast<Word>(Keys), static_cast<Word>(static_cast<SHORT>(WheelDelta)));
  if (IsNonClientMouseMessage(Msg)) return static_cast<WPARAM>(HitTest);
  return Keys;
}

TKeyMessage TKeyMessage::From(UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto data = static_cast<std::uintptr_t>(lParam);
  TKeyMessage k;
  k.Msg = msg;
  k.Key = LOWORD(wParam);
  k.RepeatCount = LOWORD(data);
  k.ScanCode = LOBYTE(HIWORD(data));
  k.Extended = (lParam & KF_EXTENDED_BIT) != 0;
  k.AltDown = (lParam & KF_ALTDOWN_BIT) != 0;
  k.PreviousDown = (lParam & KF_REPEAT_BIT) != 0;
  k.Releasing = (lParam & KF_UP_BIT) != 0;
  return k;
}

LPARAM TKeyMessage::LParam() const {
  LPARAM data = MAKELPARAM(RepeatCount, ScanCode);
  if (Extended) data |= KF_EXTENDED_BIT;
  if (AltDown) data |= KF_ALTDOWN_BIT;
  if (PreviousDown) data |= KF_REPEAT_BIT;
  if (Releasing) data |= KF_UP_BIT;
  return data;
}

}  // namespace plat
