#include "platform/win/DefWindowProc.h"

#include <algorithm>

#include "platform/gdi/Brush.h"
#include "platform/gdi/Shapes.h"
#include "platform/rtl/Unicode.h"
#include "platform/win/detail/Activation.h"
#include "platform/win/Cursors.h"
#include "platform/win/detail/DefaultFrame.h"
#include "platform/win/Focus.h"
#include "platform/win/InputMethod.h"
#include "platform/win/detail/MenuTracker.h"
#include "platform/win/detail/MessageDelivery.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/MessageViews.h"
#include "platform/win/Mouse.h"
#include "platform/win/detail/PaintEngine.h"
#include "platform/win/detail/ScrollBarFrame.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/Painting.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowDC.h"
#include "platform/win/detail/WindowManager.h"
#include "platform/win/detail/WindowMenus.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowText.h"
#include "platform/win/Windows.h"

namespace plat {
namespace {

// WM_SIZING sides: 1 left, 2 right, 3 top, 4 top-left, 5 top-right,
// 6 bottom, 7 bottom-left, 8 bottom-right, in the order of the hit codes
// HTLEFT to HTBOTTOMRIGHT.
WPARAM SizingSide(LRESULT hit) { return static_cast<WPARAM>(hit - HTLEFT + 1); }
bool SizesLeft(WPARAM side) { return side % 3 == 1; }
bool SizesRight(WPARAM side) { return side % 3 == 2; }
bool SizesTop(WPARAM side) { return side / 3 == 1; }
bool SizesBottom(WPARAM side) { return side / 3 == 2; }

HCURSOR Standard(const char* id) { return LoadCursorA(nullptr, id); }

// Whether the Alt key went down with no other key since.
bool& AltAlone() {
  thread_local bool alone = false;
  return alone;
}

LRESULT SetCursorFor(Window* w, WPARAM wParam, LPARAM lParam) {
  const auto hit = static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam)));
  const UINT mouseMessage = HIWORD(static_cast<std::uintptr_t>(lParam));
  if (hit == HTERROR) {
    // A click on a window disabled for a modal one brings the modal one forward.
    const bool press = mouseMessage == WM_LBUTTONDOWN || mouseMessage == WM_RBUTTONDOWN ||
                       mouseMessage == WM_MBUTTONDOWN || mouseMessage == WM_NCLBUTTONDOWN ||
                       mouseMessage == WM_NCRBUTTONDOWN || mouseMessage == WM_NCMBUTTONDOWN;
    if (press)
      if (Window* popup = EnabledPopup(w->Root())) SetForegroundWindow(popup->Handle());
    return FALSE;
  }
  const bool sizing = hit >= HTLEFT && hit <= HTBOTTOMRIGHT;
  if (w->IsChild() && !sizing && w->Parent && w->Parent->Parent) {
    // The parent has the first say over its children's cursor.
    if (Deliver(w->Parent, WM_SETCURSOR, wParam, lParam, false)) return TRUE;
  }
  switch (hit) {
    case HTCLIENT:
      if (reinterpret_cast<HWND>(wParam) != w->Handle() || !w->Class->Cursor) return FALSE;
      SetCursor(w->Class->Cursor);
      return TRUE;
    case HTLEFT:
    case HTRIGHT: SetCursor(Standard(IDC_SIZEWE)); return TRUE;
    case HTTOP:
    case HTBOTTOM: SetCursor(Standard(IDC_SIZENS)); return TRUE;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: SetCursor(Standard(IDC_SIZENWSE)); return TRUE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: SetCursor(Standard(IDC_SIZENESW)); return TRUE;
    default:
      if (reinterpret_cast<HWND>(wParam) != w->Handle()) return FALSE;
      SetCursor(Standard(IDC_ARROW));
      return TRUE;
  }
}

LRESULT EraseBackground(Window* w, HDC dc) {
  HBRUSH brush = w->Class->Background;
  if (!brush) return 0;
  // A system colour index + 1 stands for that colour's brush.
  const auto value = reinterpret_cast<std::uintptr_t>(brush);
  if (value > 0 && value <= static_cast<std::uintptr_t>(COLOR_COUNT))
    brush = GetSysColorBrush(static_cast<int>(value) - 1);
  const TRect client{0, 0, w->Client.Width(), w->Client.Height()};
  FillRect(dc, &client, brush);
  return 1;
}

// Waits for the button to come up, the capture held: answers whether it
// came up over the same caption button.
bool TrackCaptionButton(Window* w, LRESULT button) {
  const HWND h = w->Handle();
  SetCapture(h);
  bool inside = true;
  PaintCaptionButton(w, button, true);
  MSG msg;
  for (;;) {
    if (!GetMessage(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      inside = false;
      break;
    }
    if (!IsWindow(h) || GetCapture() != h) {
      inside = false;
      break;
    }
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) {
      const TPoint screen = msg.pt;
      const bool over = FrameHitTest(w, screen - w->ScreenOrigin()) == button;
      if (over != inside) PaintCaptionButton(w, button, over);
      inside = over;
      if (msg.message == WM_LBUTTONUP) break;
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
  if (IsWindow(h)) {
    if (GetCapture() == h) ReleaseCapture();
    PaintCaptionButton(w, button, false);
  }
  return inside;
}

// Moving (SC_MOVE) or sizing (SC_SIZE + side) with the mouse until the
// button comes up; Escape puts the window back. The start is where the
// pointer was for the input being handled, not lParam: windows that draw
// their own caption start a drag with WM_NCLBUTTONDOWN and lParam 0, and
// the pointer's newest position may already be further along the drag.
void TrackMoveSize(Window* w, WPARAM command) {
  const HWND h = w->Handle();
  const bool moving = (command & 0xFFF0) == SC_MOVE;
  const WPARAM side = command & 0x000F;
  const DWORD startPos = GetMessagePos();
  const TPoint start{static_cast<SHORT>(LOWORD(startPos)), static_cast<SHORT>(HIWORD(startPos))};
  const TRect original = w->Rect;
  SetCapture(h);
  Deliver(w, WM_ENTERSIZEMOVE, 0, 0, false);
  MSG msg;
  for (;;) {
    if (!GetMessage(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!IsWindow(h) || GetCapture() != h) break;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
      SetWindowPos(h, nullptr, original.Left, original.Top, original.Width(), original.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    if (msg.message != WM_MOUSEMOVE && msg.message != WM_LBUTTONUP) {
      if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) DispatchMessage(&msg);
      continue;
    }
    const TPoint delta = TPoint(msg.pt) - start;
    RECT r = original;
    if (moving) {
      r = original.Translated(delta.X, delta.Y);
      Deliver(w, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r), false);
    } else {
      const int minW = GetSystemMetrics(SM_CXMINTRACK), minH = GetSystemMetrics(SM_CYMINTRACK);
      if (SizesLeft(side)) r.Left = std::min(original.Left + delta.X, original.Right - minW);
      if (SizesRight(side)) r.Right = std::max(original.Right + delta.X, original.Left + minW);
      if (SizesTop(side)) r.Top = std::min(original.Top + delta.Y, original.Bottom - minH);
      if (SizesBottom(side)) r.Bottom = std::max(original.Bottom + delta.Y, original.Top + minH);
      Deliver(w, WM_SIZING, side, reinterpret_cast<LPARAM>(&r), false);
    }
    if (!IsWindow(h)) break;
    SetWindowPos(h, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (msg.message == WM_LBUTTONUP) break;
  }
  if (!IsWindow(h)) return;
  if (GetCapture() == h) ReleaseCapture();
  Deliver(w, WM_EXITSIZEMOVE, 0, 0, false);
}

// SC_KEYMENU: Alt with a letter opens that item of the menu bar, Alt with
// Space the system menu, Alt or F10 alone selects the menu bar.
void KeyMenu(Window* w, LPARAM character) {
  const HWND h = w->Handle();
  if (character == ' ') {
    MenuTracker::RunSystemMenu(h);
    return;
  }
  if (!MenuBarOf(w)) return;
  if (character == 0) {
    MenuTracker::RunMenuBar(h, 0, false, false);
    return;
  }
  if (const int item = MenuBarItemFor(w, static_cast<char32_t>(character)); item >= 0)
    MenuTracker::RunMenuBar(h, item, true, false);
}

LRESULT SystemCommand(Window* w, WPARAM wParam, LPARAM lParam) {
  const HWND h = w->Handle();
  switch (wParam & 0xFFF0) {
    case SC_CLOSE:
      if (!(w->Class->Style & CS_NOCLOSE)) Deliver(w, WM_CLOSE, 0, 0, false);
      break;
    case SC_MINIMIZE: ShowWindow(h, SW_MINIMIZE); break;
    case SC_MAXIMIZE: ShowWindow(h, SW_MAXIMIZE); break;
    case SC_RESTORE: ShowWindow(h, SW_RESTORE); break;
    case SC_MOVE:
    case SC_SIZE:
      if (!w->IsMaximized() && !w->IsMinimized()) TrackMoveSize(w, wParam);
      break;
    case SC_KEYMENU: KeyMenu(w, lParam); break;
    default: break;
  }
  return 0;
}

LRESULT NonClientButtonDown(Window* w, WPARAM hit, LPARAM lParam) {
  const auto code = static_cast<LRESULT>(hit);
  if (code == HTCAPTION) return Deliver(w, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam, false);
  if (code == HTMENU) {
    const TMouseMessage press = TMouseMessage::From(WM_NCLBUTTONDOWN, hit, lParam);
    if (const int item = MenuBarItemAt(w, press.Pos); item >= 0) MenuTracker::RunMenuBar(w->Handle(), item, true, true);
    return 0;
  }
  if (code >= HTLEFT && code <= HTBOTTOMRIGHT)
    return Deliver(w, WM_SYSCOMMAND, SC_SIZE | SizingSide(code), lParam, false);
  if (code == HTVSCROLL || code == HTHSCROLL) {
    TrackScrollBar(w, code == HTVSCROLL ? SB_VERT : SB_HORZ, TMouseMessage::From(WM_NCLBUTTONDOWN, hit, lParam).Pos);
    return 0;
  }
  if (code == HTCLOSE || code == HTMINBUTTON || code == HTMAXBUTTON) {
    const std::shared_ptr<Window> keep = WindowManager::Instance().Keep(w);
    if (!TrackCaptionButton(w, code) || !w->IsAlive()) return 0;
    const WPARAM command = code == HTCLOSE       ? SC_CLOSE
                           : code == HTMINBUTTON ? SC_MINIMIZE
                           : w->IsMaximized()    ? SC_RESTORE
                                                 : SC_MAXIMIZE;
    return Deliver(w, WM_SYSCOMMAND, command, lParam, false);
  }
  return 0;
}

// WM_WINDOWPOSCHANGING: a sizable window keeps within its tracking sizes.
void KeepTrackingSize(Window* w, WINDOWPOS* wp) {
  if ((wp->flags & SWP_NOSIZE) || w->IsMinimized() || w->IsMaximized()) return;
  if (!(w->Style & WS_THICKFRAME) && (w->Style & (WS_POPUP | WS_CHILD))) return;
  MINMAXINFO mmi;
  mmi.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  mmi.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  if (!(w->Style & WS_THICKFRAME)) mmi.ptMinTrackSize = {0, 0};
  Deliver(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi), false);
  wp->cx = std::clamp(wp->cx, std::max(mmi.ptMinTrackSize.X, 0), std::max(mmi.ptMaxTrackSize.X, mmi.ptMinTrackSize.X));
  wp->cy = std::clamp(wp->cy, std::max(mmi.ptMinTrackSize.Y, 0), std::max(mmi.ptMaxTrackSize.Y, mmi.ptMinTrackSize.Y));
}

// The input method's result as characters, in the window's own procedure's
// form (the wide interface converts for ANSI ones).
void SendComposedText(HWND window) {
  HIMC context = ImmGetContext(window);
  const LONG bytes = ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
  if (bytes > 0) {
    WideString text(static_cast<std::size_t>(bytes) / sizeof(char16_t), u'\0');
    const LONG copied = ImmGetCompositionStringW(context, GCS_RESULTSTR, text.data(), static_cast<DWORD>(bytes));
    text.resize(static_cast<std::size_t>(std::max<LONG>(copied, 0)) / sizeof(char16_t));
    for (char16_t unit : text) SendMessageW(window, WM_CHAR, unit, 1);
  }
  ImmReleaseContext(window, context);
}

LRESULT Default(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
  WindowManager& wm = WindowManager::Instance();
  Window* w = wm.Find(window);
  if (!w) return 0;
  const std::shared_ptr<Window> keep = wm.Keep(w);
  switch (message) {
    case WM_NCCREATE: {
      const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
      if (cs && cs->lpszName) {
        w->Text = unicode ? WideToUtf8(WideString(static_cast<const char16_t*>(cs->lpszName)))
                          : String(static_cast<const char*>(cs->lpszName));
        wm.AnnounceText(w);
      }
      return TRUE;
    }
    case WM_NCCALCSIZE: {
      // wParam FALSE: a RECT; TRUE: NCCALCSIZE_PARAMS, whose first rectangle comes first.
      if (!lParam) return 0;
      auto* r = reinterpret_cast<RECT*>(wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                                               : reinterpret_cast<RECT*>(lParam));
      *r = LayOutFrame(w->Style, w->ExStyle, *r, MenuBarOf(w), window).Client;
      return 0;
    }
    case WM_NCHITTEST: return FrameHitTest(w, TPoint{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)} - w->ScreenOrigin());
    case WM_NCPAINT: PaintFrame(w, wParam); return 0;
    case WM_NCACTIVATE:
      w->NcActive = wParam != 0;
      if (LayOutFrame(w->Style, w->ExStyle, w->WindowBounds()).Border > 0 || (w->Style & WS_CAPTION) == WS_CAPTION) {
        const Region frame = Region(w->WindowBounds()).Subtracted(Region(w->ClientInWindow()));
        ChangeUpdate(w, &frame, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
      }
      return TRUE;
    case WM_SETTEXT:
      w->Text = !lParam   ? String()
                : unicode ? WideToUtf8(WideString(reinterpret_cast<const char16_t*>(lParam)))
                          : String(reinterpret_cast<const char*>(lParam));
      wm.AnnounceText(w);
      if ((w->Style & WS_CAPTION) == WS_CAPTION) {
        const Region frame = Region(w->WindowBounds()).Subtracted(Region(w->ClientInWindow()));
        ChangeUpdate(w, &frame, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
      }
      return TRUE;
    case WM_GETTEXT:
      return unicode ? CopyTextOut(Utf8ToWide(w->Text), reinterpret_cast<char16_t*>(lParam), wParam)
                     : CopyTextOut(w->Text, reinterpret_cast<char*>(lParam), wParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(unicode ? Utf8ToWide(w->Text).size() : w->Text.size());
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(window, &ps);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_ERASEBKGND: return EraseBackground(w, reinterpret_cast<HDC>(wParam));
    case WM_WINDOWPOSCHANGING: KeepTrackingSize(w, reinterpret_cast<WINDOWPOS*>(lParam)); return 0;
    case WM_WINDOWPOSCHANGED: {
      const auto* wp = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (!wp) return 0;
      constexpr UINT NoClientSize = 0x0800, NoClientMove = 0x1000;
      if (!(wp->flags & NoClientMove)) Deliver(w, WM_MOVE, 0, PointToLParam(w->Client.Left, w->Client.Top), false);
      if (!(wp->flags & NoClientSize) && w->IsAlive()) {
        const WPARAM kind = w->IsMinimized() ? SIZE_MINIMIZED : w->IsMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED;
        Deliver(w, WM_SIZE, kind,
                MAKELPARAM(static_cast<Word>(w->Client.Width()), static_cast<Word>(w->Client.Height())), false);
      }
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) SetFocus(window);
      return 0;
    case WM_MOUSEACTIVATE:
      if (w->IsChild() && w->Parent && w->Parent->Parent) {
        if (const LRESULT answer = Deliver(w->Parent, WM_MOUSEACTIVATE, wParam, lParam, false)) return answer;
      }
      return MA_ACTIVATE;
    case WM_SETCURSOR: return SetCursorFor(w, wParam, lParam);
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
      if (w->IsChild() && w->Parent && w->Parent->Parent) return Deliver(w->Parent, message, wParam, lParam, false);
      return 0;
    case WM_CLOSE: DestroyWindow(window); return 0;
    case WM_SYSCOMMAND: return SystemCommand(w, wParam, lParam);
    case WM_NCLBUTTONDOWN: return NonClientButtonDown(w, wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
      if (static_cast<LRESULT>(wParam) == HTCAPTION && (w->Style & WS_MAXIMIZEBOX))
        return Deliver(w, WM_SYSCOMMAND, w->IsMaximized() ? SC_RESTORE : SC_MAXIMIZE, lParam, false);
      // A quick second click on a scroll bar is another press.
      if (static_cast<LRESULT>(wParam) == HTVSCROLL || static_cast<LRESULT>(wParam) == HTHSCROLL)
        return NonClientButtonDown(w, wParam, lParam);
      return 0;
    case WM_SYSKEYDOWN:
    case WM_KEYDOWN: {
      const TKeyMessage key = TKeyMessage::From(message, wParam, lParam);
      // Alt pressed and released with no other key between selects the menu bar.
      AltAlone() = message == WM_SYSKEYDOWN && key.Key == VK_MENU && (AltAlone() || !key.PreviousDown);
      if (message == WM_SYSKEYDOWN && key.Key == VK_F4 && key.AltDown) {
        if (Window* root = w->Root(); root->IsAlive()) PostMessageA(root->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return 0;
    }
    case WM_SYSKEYUP: {
      const TKeyMessage key = TKeyMessage::From(message, wParam, lParam);
      const bool alone = key.Key == VK_MENU && AltAlone();
      AltAlone() = false;
      if (alone || key.Key == VK_F10) Deliver(w->Root(), WM_SYSCOMMAND, SC_KEYMENU, 0, false);
      return 0;
    }
    case WM_SYSCHAR:
      // Alt with a character: the menus' mnemonics (and Space: the system menu).
      if (TKeyMessage::From(message, wParam, lParam).AltDown)
        Deliver(w->Root(), WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(wParam), false);
      return 0;
    case WM_CANCELMODE:
      if (wm.Capture == window) ReleaseCapture();
      return 0;
    case WM_SETREDRAW:
      // Drawing off: the window counts as hidden without being hidden.
      if (wParam)
        w->Style |= WS_VISIBLE;
      else
        w->Style &= ~WS_VISIBLE;
      RefreshWindowDCs();
      return 0;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_IME_COMPOSITION:
      if (lParam & GCS_RESULTSTR) SendComposedText(window);
      return 0;
    default: return 0;
  }
}

}  // namespace

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(window, message, wParam, lParam, false);
}

LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(window, message, wParam, lParam, true);
}

}  // namespace plat
