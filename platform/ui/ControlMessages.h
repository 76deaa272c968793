#pragma once
// The class library's message record and its own notifications between
// controls (CM_*), with the numbers the class library has always used,
// because skinned controls compare against them. Window messages keep the
// numbers of platform/win/Messages.h.
#include <functional>

#include "platform/gdi/Colors.h"
#include "platform/rtl/Types.h"
#include "platform/ui/ControlTypes.h"
#include "platform/win/MessageViews.h"
#include "platform/win/Messages.h"

namespace plat {

class TControl;
class TDragObject;

// A message as controls pass it to one another: WindowProc, Perform,
// Dispatch and DefaultHandler all take it; Result is the answer.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

using TWndMethod = std::function<void(TMessage& Message)>;

// A key message as shortcut handlers see it (WM_KEYDOWN, WM_SYSKEYDOWN,
// CM_APPKEYDOWN): the virtual key and the key data (TKeyMessage decodes it).
struct TWMKey {
  UINT Msg = 0;
  Word CharCode = 0;
  LPARAM KeyData = 0;
  LRESULT Result = 0;

  static TWMKey From(const TMessage& Message) {
    return {Message.Msg, static_cast<Word>(Message.WParam), Message.LParam, Message.Result};
  }
};

// Handled set true takes the key: it goes no further.
using TShortCutEvent = std::function<void(TWMKey& Msg, bool& Handled)>;

constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_GOTFOCUS = CM_BASE + 2;
constexpr UINT CM_LOSTFOCUS = CM_BASE + 3;
constexpr UINT CM_CANCELMODE = CM_BASE + 4;
// WParam: the virtual key; answer nonzero when a control took it.
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
// WParam: the character (a code point); answer nonzero when taken.
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
// LParam: the control that now has the focus.
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
// LParam: the point (client coordinates); answer nonzero when inside.
constexpr UINT CM_HITTEST = CM_BASE + 10;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr UINT CM_CTL3DCHANGED = CM_BASE + 16;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
// Sent to the application's window by a control whose key no one of its
// form took: WParam the virtual key, LParam the key data; answer nonzero
// when the application took it as a shortcut.
constexpr UINT CM_APPKEYDOWN = CM_BASE + 22;
// A form's WM_SYSCOMMAND SC_KEYMENU (Alt or F10 alone: LParam 0; Alt with
// a character: LParam the character), offered to every control in it;
// answer nonzero when a control's menu took it.
constexpr UINT CM_APPSYSCOMMAND = CM_BASE + 23;
// WParam: a group index; LParam: the control (as TControl*) of that group
// that was pressed, of any button class.
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr UINT CM_ENTER = CM_BASE + 26;
constexpr UINT CM_EXIT = CM_BASE + 27;
constexpr UINT CM_ICONCHANGED = CM_BASE + 29;
// WParam: the virtual key; answer nonzero when the control wants it even
// though it is a dialog key.
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30;
// Posted to a form by Release: the form deletes itself.
constexpr UINT CM_RELEASE = CM_BASE + 33;
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr UINT CM_FONTCHANGE = CM_BASE + 38;
constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr UINT CM_UIACTIVATE = CM_BASE + 41;
// WParam: the control inserted or removed (LParam nonzero: inserted).
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;
// WParam: the virtual key; LParam: the control it was pressed in.
constexpr UINT CM_CHILDKEY = CM_BASE + 46;
// WParam: a TDragMessage; LParam: a TDragRec*.
constexpr UINT CM_DRAG = CM_BASE + 47;
// LParam: a THintInfo* the control may change; answer nonzero for no hint.
constexpr UINT CM_HINTSHOW = CM_BASE + 48;
constexpr UINT CM_RECREATEWND = CM_BASE + 51;
constexpr UINT CM_INVALIDATE = CM_BASE + 52;
constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 53;
constexpr UINT CM_CONTROLCHANGE = CM_BASE + 54;
constexpr UINT CM_CHANGED = CM_BASE + 55;
constexpr UINT CM_FLOATING = CM_BASE + 58;
constexpr UINT CM_BORDERCHANGED = CM_BASE + 59;
constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 60;
constexpr UINT CM_PARENTBIDIMODECHANGED = CM_BASE + 61;
// LParam: the action (TBasicAction*); answer nonzero when handled.
constexpr UINT CM_ACTIONUPDATE = CM_BASE + 63;
constexpr UINT CM_ACTIONEXECUTE = CM_BASE + 64;
// WParam: a bool* (whether the hint was active); LParam: an int* pause to change.
constexpr UINT CM_HINTSHOWPAUSE = CM_BASE + 65;
// WParam: the shift state bits and the wheel delta (high word); LParam: the
// screen point. Answer nonzero when handled.
constexpr UINT CM_MOUSEWHEEL = CM_BASE + 67;

// The class library's reflected notifications: the window message's number
// above CN_BASE. A parent hands WM_COMMAND and WM_NOTIFY to the control that
// sent it as CN_COMMAND and CN_NOTIFY;
// owner-drawn items reach the control that draws them as
// CN_DRAWITEM and CN_MEASUREITEM.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;

// CM_DRAG's steps.
enum class TDragMessage { dmDragEnter, dmDragLeave, dmDragMove, dmDragDrop, dmDragCancel, dmFindTarget };

struct TDragRec {
  TPoint Pos;  // screen coordinates
  TDragObject* Source = nullptr;
  TControl* Target = nullptr;
};

// What CM_HINTSHOW hands the control under the mouse.
struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint HintPos;  // screen coordinates of the hint window's top-left
  int HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  TRect CursorRect;  // client coordinates: moving out of it hides the hint
  TPoint CursorPos;  // client coordinates
  int ReshowTimeout = 0;
  int HideTimeout = 0;
  String HintStr;
};

// The shift state of a mouse message: its MK_ keys, and Alt from the
// keyboard state. Double clicks add ssDouble themselves.
TShiftState ShiftStateOf(const TMouseMessage& Mouse);
// The shift state of a key message: Alt from its key data, Shift and Ctrl
// from the keyboard state.
TShiftState ShiftStateOf(const TKeyMessage& Key);
// The keyboard's Shift, Ctrl and Alt as the message queue last reported them.
TShiftState KeyboardStateToShiftState();

}  // namespace plat
