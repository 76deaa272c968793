#pragma once
// The common controls' tool tip ("tooltips_class32", registered while the
// window layer lives): a popup that shows a short text for a tool, a window
// or a rectangle of one, when the pointer rests on it. Made with
// CreateWindowEx(0, TOOLTIPS_CLASS, ..., owner), it is a no-activate,
// topmost tool window that lets the mouse through (HTTRANSPARENT), whatever
// styles it was asked with; TTS_BALLOON draws it as a rounded balloon whose
// stem points at the tool, shaped by a window region, and it may be made
// layered (WS_EX_LAYERED, SetLayeredWindowAttributes) to show through.
//
// Tools are kept by (hwnd, uId): uId is the tool window with TTF_IDISHWND,
// else a number whose rectangle lies in hwnd's client area. The control
// learns where the pointer is from TTM_RELAYEVENT, or by watching the tool
// window's mouse messages itself with TTF_SUBCLASS, and checks on its own
// whether the pointer is still over the tool while a tip waits or shows.
//
// Timing, on the window layer's clock (TTM_SETDELAYTIME; defaults from the
// double-click time: initial 500, autopop 5000, reshow 100 ms):
// - the tip appears once the pointer rested on a tool for the initial
//   delay (every move restarts the wait); without TTS_ALWAYSTIP only while
//   the tool's top-level window is the active one;
// - moving onto another tool while a tip shows (or TTM_POP while the
//   pointer stays on a tool) shows the next one after the reshow delay;
// - it goes after the autopop delay, on a button press and when the pointer
//   leaves the tool; after the autopop delay or a press it stays away until
//   the pointer has left the tool (or TTM_POP).
// Showing asks the text once (TTN_GETDISPINFO for a LPSTR_TEXTCALLBACK
// tool; an empty text shows nothing), places the tip, sends TTN_SHOW (an
// owner that moved the tip answers TRUE and keeps its place) and shows it;
// hiding sends TTN_POP first. Notifications go to the tool's hwnd as
// WM_NOTIFY from the tip, with idFrom the tool's uId.
//
// Where: below the pointer (a balloon's stem at the pointer); below the
// tool's middle with TTF_CENTERTIP; a tracking tool (TTF_TRACK) shows on
// TTM_TRACKACTIVATE at the TTM_TRACKPOSITION point and follows it, exactly
// there (top-left, or a balloon's stem tip) with TTF_ABSOLUTE, until
// TTM_TRACKACTIVATE FALSE or TTM_POP; the pointer and the delays leave it
// alone. Other tips
// are kept in the work area of the monitor they point at, flipped above
// the point or to its left when they would leave it.
//
// Text: without TTS_NOPREFIX, "&" marks are dropped ("&&" shows "&") and
// the text ends at its first tab. Lines break at line breaks; with a
// maximum width (TTM_SETMAXTIPWIDTH) they also wrap at blanks. A title
// (TTM_SETTITLE) shows bold above the text, after the standard icon of
// TTI_INFO, TTI_WARNING or TTI_ERROR.
//
// Refuses (FALSE, nothing changed): a TOOLINFO that is null or whose cbSize
// is below TTTOOLINFOA_V1_SIZE or above sizeof(TOOLINFOA), a second tool
// with the same hwnd and uId, a tool whose window does not exist, text
// given as a string resource number, a title of more than 100 characters or
// an icon outside TTI_NONE..TTI_ERROR.
#include <cstddef>

#include "platform/gdi/Geometry.h"
#include "platform/win/Messages.h"
#include "platform/win/WinTypes.h"

namespace plat {

inline constexpr char TOOLTIPS_CLASS[] = "tooltips_class32";

// Styles.
constexpr DWORD TTS_ALWAYSTIP = 0x01;  // also while the tool's window is inactive
constexpr DWORD TTS_NOPREFIX = 0x02;   // the text as it is: "&" and tabs kept
constexpr DWORD TTS_BALLOON = 0x40;

// TOOLINFO uFlags.
constexpr UINT TTF_IDISHWND = 0x0001;
constexpr UINT TTF_CENTERTIP = 0x0002;
constexpr UINT TTF_SUBCLASS = 0x0010;
constexpr UINT TTF_TRACK = 0x0020;
constexpr UINT TTF_ABSOLUTE = 0x0080;
// Set by a TTN_GETDISPINFO answer: keep the text, ask no more.
constexpr UINT TTF_DI_SETITEM = 0x8000;

// TTM_SETDELAYTIME wParam.
constexpr WPARAM TTDT_AUTOMATIC = 0;
constexpr WPARAM TTDT_RESHOW = 1;
constexpr WPARAM TTDT_AUTOPOP = 2;
constexpr WPARAM TTDT_INITIAL = 3;

// TTM_SETTITLE icons.
constexpr WPARAM TTI_NONE = 0;
constexpr WPARAM TTI_INFO = 1;
constexpr WPARAM TTI_WARNING = 2;
constexpr WPARAM TTI_ERROR = 3;

// The text of a tool that asks its hwnd each time (TTN_GETDISPINFO).
inline char* const LPSTR_TEXTCALLBACK = reinterpret_cast<char*>(static_cast<std::intptr_t>(-1));

struct TOOLINFOA {
  UINT cbSize = sizeof(TOOLINFOA);
  UINT uFlags = 0;
  HWND hwnd = nullptr;
  UINT_PTR uId = 0;
  RECT rect;  // in hwnd's client coordinates; not used with TTF_IDISHWND
  HINSTANCE hinst = nullptr;
  char* lpszText = nullptr;  // a text, LPSTR_TEXTCALLBACK, or null for none
  LPARAM lParam = 0;
  void* lpReserved = nullptr;
};
using TOOLINFO = TOOLINFOA;
using TTTOOLINFOA = TOOLINFOA;
// The record's earlier sizes: without lParam, without lpReserved.
constexpr UINT TTTOOLINFOA_V1_SIZE = offsetof(TOOLINFOA, lParam);
constexpr UINT TTTOOLINFOA_V2_SIZE = offsetof(TOOLINFOA, lpReserved);

// The text a TTN_GETDISPINFO handler gives: lpszText pointing at its own
// text or at szText (taken up to its first zero, at most 80 bytes), or left
// null for none. uFlags and lParam arrive as the tool has them.
struct NMTTDISPINFOA {
  NMHDR hdr;
  char* lpszText = nullptr;
  char szText[80] = {};
  HINSTANCE hinst = nullptr;
  UINT uFlags = 0;
  LPARAM lParam = 0;
};
using NMTTDISPINFO = NMTTDISPINFOA;

// Messages (the ANSI forms; text is UTF-8).
constexpr UINT TTM_ACTIVATE = WM_USER + 1;      // wParam: TRUE shows tips, FALSE pops and shows none
constexpr UINT TTM_SETDELAYTIME = WM_USER + 3;  // wParam TTDT_*, low word of lParam the ms (negative: default)
constexpr UINT TTM_ADDTOOLA = WM_USER + 4;      // lParam TOOLINFOA*; TRUE when added
constexpr UINT TTM_DELTOOLA = WM_USER + 5;      // lParam TOOLINFOA* (hwnd, uId)
constexpr UINT TTM_NEWTOOLRECTA = WM_USER + 6;  // lParam TOOLINFOA* (hwnd, uId, rect)
constexpr UINT TTM_RELAYEVENT = WM_USER + 7;    // lParam MSG*: a mouse message of a tool's window
// lParam TOOLINFOA* (hwnd, uId) filled; TRUE when found. A non-null
// lpszText is the caller's buffer of 80 bytes: it receives the text (cut at
// a character to fit), or lpszText becomes LPSTR_TEXTCALLBACK.
constexpr UINT TTM_GETTOOLINFOA = WM_USER + 8;
constexpr UINT TTM_UPDATETIPTEXTA = WM_USER + 12;  // lParam TOOLINFOA* (hwnd, uId, lpszText)
constexpr UINT TTM_GETTOOLCOUNT = WM_USER + 13;
constexpr UINT TTM_ENUMTOOLSA = WM_USER + 14;       // wParam index, lParam as TTM_GETTOOLINFOA's
constexpr UINT TTM_TRACKACTIVATE = WM_USER + 17;    // wParam TRUE/FALSE, lParam TOOLINFOA* (hwnd, uId)
constexpr UINT TTM_TRACKPOSITION = WM_USER + 18;    // lParam MAKELPARAM(x, y) on the screen
constexpr UINT TTM_SETTIPBKCOLOR = WM_USER + 19;    // wParam COLORREF
constexpr UINT TTM_SETTIPTEXTCOLOR = WM_USER + 20;  // wParam COLORREF
constexpr UINT TTM_SETMAXTIPWIDTH = WM_USER + 24;   // lParam the width (-1: none); answers the old one
constexpr UINT TTM_SETMARGIN = WM_USER + 26;        // lParam RECT*: room around the text
constexpr UINT TTM_POP = WM_USER + 28;
constexpr UINT TTM_SETTITLEA = WM_USER + 32;  // wParam TTI_*, lParam the title; TRUE when set
constexpr UINT TTM_POPUP = WM_USER + 34;      // shows the tip of the tool under the pointer now
constexpr UINT TTM_ADDTOOL = TTM_ADDTOOLA;
constexpr UINT TTM_DELTOOL = TTM_DELTOOLA;
constexpr UINT TTM_NEWTOOLRECT = TTM_NEWTOOLRECTA;
constexpr UINT TTM_GETTOOLINFO = TTM_GETTOOLINFOA;
constexpr UINT TTM_UPDATETIPTEXT = TTM_UPDATETIPTEXTA;
constexpr UINT TTM_ENUMTOOLS = TTM_ENUMTOOLSA;
constexpr UINT TTM_SETTITLE = TTM_SETTITLEA;

// Notifications (WM_NOTIFY codes).
constexpr UINT TTN_FIRST = 0U - 520U;
constexpr UINT TTN_GETDISPINFOA = TTN_FIRST - 0;  // lParam NMTTDISPINFOA*
constexpr UINT TTN_SHOW = TTN_FIRST - 1;          // lParam NMHDR*; TRUE: the owner placed the tip
constexpr UINT TTN_POP = TTN_FIRST - 2;           // lParam NMHDR*
constexpr UINT TTN_GETDISPINFO = TTN_GETDISPINFOA;
constexpr UINT TTN_NEEDTEXT = TTN_GETDISPINFO;

}  // namespace plat
