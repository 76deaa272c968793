#pragma once
// Mouse and key messages decoded once into values, so that handlers read
// positions, keys and flags by name instead of taking wParam and lParam
// apart. A view is decoded from a message number with its parameters, or
// from any message record with Msg, WParam and LParam (the class library's
// TMessage); a view filled in field by field encodes back into the
// parameters, which is how the input router builds the messages.
#include <concepts>

#include "platform/gdi/Geometry.h"
#include "platform/win/Messages.h"
#include "platform/win/WinTypes.h"

namespace plat {

// WM_NCCALCSIZE: the rectangle in which the window's client area is worked
// out (it comes in as the window's rectangle and goes back as the client
// area); null when the message carries none.
RECT* NcCalcSizeRect(WPARAM wParam, LPARAM lParam);

// Client and non-client mouse messages (moves, presses, releases, wheel).
constexpr bool IsMouseInputMessage(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

// A message record of the class library's shape.
template <class M>
concept MessageRecord = requires(const M& m) {
  { m.Msg } -> std::convertible_to<UINT>;
  { m.WParam } -> std::convertible_to<WPARAM>;
  { m.LParam } -> std::convertible_to<LPARAM>;
};

// The mouse messages and what their parameters carry:
//   WM_MOUSEMOVE ... WM_MBUTTONDBLCLK, WM_MOUSEHOVER   client position, MK_ keys
//   WM_MOUSEWHEEL, WM_MOUSEHWHEEL                      screen position, MK_ keys and the delta
//   WM_NCMOUSEMOVE ... WM_NCMBUTTONDBLCLK, WM_NCMOUSEHOVER
//                                                      screen position, the hit-test code
//   WM_CONTEXTMENU                                     screen position, (-1, -1) from the keyboard
// Coordinates are signed: a point left of or above the origin (a captured
// mouse outside the window) decodes as negative.
struct TMouseMessage {
  UINT Msg = 0;
  TPoint Pos;
  WPARAM Keys = 0;             // MK_ flags held (client and wheel messages)
  LRESULT HitTest = HTCLIENT;  // the frame part under the mouse (non-client messages)
  // Wheel messages: WHEEL_DELTA per notch; positive away from the user
  // (WM_MOUSEWHEEL) or to the right (WM_MOUSEHWHEEL).
  int WheelDelta = 0;

  static TMouseMessage From(UINT msg, WPARAM wParam, LPARAM lParam);
  template <MessageRecord M>
  static TMouseMessage From(const M& message) {
    return From(message.Msg, message.WParam, message.LParam);
  }

  bool InScreenCoordinates() const;
  bool Holds(WPARAM mkFlag) const { return (Keys & mkFlag) != 0; }
  // WM_CONTEXTMENU asked for with the keyboard rather than the mouse.
  bool FromKeyboard() const { return Msg == WM_CONTEXTMENU && Pos == TPoint{-1, -1}; }

  WPARAM WParam() const;
  LPARAM LParam() const { return PointToLParam(Pos.X, Pos.Y); }
};

// Key and character messages (WM_KEYDOWN ... WM_SYSCHAR, and the class
// library's messages that pass a key and its key data on) share one lParam
// layout: bits 0-15 the repeat count, 16-23 the scan code, 24 an extended
// key, 29 Alt held, 30 the key was already down, 31 it is being released.
struct TKeyMessage {
  UINT Msg = 0;
  Word Key = 0;  // the virtual key; for character messages the character unit
  Word RepeatCount = 1;
  Byte ScanCode = 0;
  bool Extended = false;
  bool AltDown = false;
  bool PreviousDown = false;
  bool Releasing = false;

  static TKeyMessage From(UINT msg, WPARAM wParam, LPARAM lParam);
  template <MessageRecord M>
  static TKeyMessage From(const M& message) {
    return From(message.Msg, message.WParam, message.LParam);
  }

  WPARAM WParam() const { return Key; }
  LPARAM LParam() const;
};

}  // namespace plat
