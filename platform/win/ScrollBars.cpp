#include "platform/win/ScrollBars.h"

#include <algorithm>
#include <cstdint>
#include <map>

#include "platform/gdi/Brush.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/rtl/LastError.h"
#include "platform/win/detail/DefaultFrame.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Mouse.h"
#include "platform/win/detail/ScrollBarFrame.h"
#include "platform/win/detail/WindowMenus.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowDC.h"
#include "platform/win/detail/WindowManager.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"

namespace plat {
namespace {

struct BarState {
  int Min = 0;
  int Max = 0;
  int Page = 0;
  int Pos = 0;
  int TrackPos = 0;
  bool Tracking = false;
  UINT DisabledArrows = ESB_ENABLE_BOTH;
  // Which part the mouse holds down (a Part), for painting it pressed.
  int PressedPart = 0;
};

struct WindowBars {
  BarState Bars[2];  // SB_HORZ, SB_VERT
};

// The bars of the windows that set them. Handles are never reused, so an
// entry of a destroyed window is only dead weight: it goes when the next
// window gets its first entry.
std::map<HWND, WindowBars>& AllBars() {
  static std::map<HWND, WindowBars> bars;
  return bars;
}

BarState* FindBar(HWND window, int bar) {
  auto& all = AllBars();
  const auto it = all.find(window);
  return it == all.end() ? nullptr : &it->second.Bars[bar];
}

BarState& BarOf(HWND window, int bar) {
  auto& all = AllBars();
  if (all.find(window) == all.end()) {
    std::erase_if(all, [](const auto& entry) { return WindowManager::Instance().Find(entry.first) == nullptr; });
  }
  return all[window].Bars[bar];
}

DWORD StyleBit(int bar) { return bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL; }

// The window of a call, with ERROR_INVALID_PARAMETER for a bar other than
// SB_HORZ and SB_VERT.
Window* CheckBar(HWND window, int bar) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (w && bar != SB_HORZ && bar != SB_VERT) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return w;
}

int MulDiv(std::int64_t value, std::int64_t numerator, std::int64_t denominator) {
  return denominator == 0 ? 0 : static_cast<int>(value * numerator / denominator);
}

// The highest position: the last page starts there.
int MaxPos(const BarState& s) { return std::max(s.Max - std::max(s.Page - 1, 0), s.Min); }

// Whether there is anything to scroll.
bool Scrollable(const BarState& s) { return s.Max > s.Min && static_cast<std::int64_t>(s.Max) - s.Min + 1 > s.Page; }

void Normalize(BarState& s) {
  if (s.Max < s.Min) s.Max = s.Min;
  const std::int64_t range = static_cast<std::int64_t>(s.Max) - s.Min + 1;
  s.Page = static_cast<int>(std::clamp<std::int64_t>(s.Page, 0, range));
  s.Pos = std::clamp(s.Pos, s.Min, MaxPos(s));
}

// Where a bar's parts lie along its length, from its start.
struct BarGeometry {
  int Length = 0;
  int Arrow = 0;
  bool Thumb = false;
  int ThumbTop = 0;
  int ThumbBottom = 0;
};

BarGeometry Measure(const BarState& s, const TRect& rect, int bar) {
  BarGeometry g;
  const bool vertical = bar == SB_VERT;
  const int thickness = vertical ? rect.Width() : rect.Height();
  g.Length = vertical ? rect.Height() : rect.Width();
  g.Arrow = std::min(thickness, g.Length / 2);
  if (!Scrollable(s) || s.DisabledArrows == ESB_DISABLE_BOTH) return g;
  const int track = g.Length - 2 * g.Arrow;
  const int minimum = GetSystemMetrics(vertical ? SM_CYVTHUMB : SM_CXHTHUMB) / 2;
  int thumb = s.Page > 0 ? MulDiv(track, s.Page, static_cast<std::int64_t>(s.Max) - s.Min + 1) : thickness;
  thumb = std::max(thumb, minimum);
  if (thumb > track) return g;
  const int pos = s.Tracking ? s.TrackPos : s.Pos;
  g.Thumb = true;
  g.ThumbTop = g.Arrow + MulDiv(track - thumb, pos - s.Min, MaxPos(s) - s.Min);
  g.ThumbBottom = g.ThumbTop + thumb;
  return g;
}

TRect BarRect(const Window* w, int bar) {
  const FrameLayout f = LayOutWindowFrame(w, w->WindowBounds());
  return bar == SB_VERT ? f.VScroll : f.HScroll;
}

// A stretch of the bar from First to Last along its length.
TRect Span(const TRect& rect, int bar, int first, int last) {
  return bar == SB_VERT ? TRect{rect.Left, rect.Top + first, rect.Right, rect.Top + last}
                        : TRect{rect.Left + first, rect.Top, rect.Left + last, rect.Bottom};
}

void Repaint(Window* w, int bar) {
  if (!(w->Style & StyleBit(bar)) || !w->IsShowing()) return;
  HDC dc = GetWindowDC(w->Handle());
  if (!dc) return;
  PaintScrollBar(dc, w, bar, BarRect(w, bar));
  ReleaseDC(w->Handle(), dc);
}

void SetShown(Window* w, int bar, bool show) {
  const DWORD style = show ? (w->Style | StyleBit(bar)) : (w->Style & ~StyleBit(bar));
  if (style == w->Style) return;
  w->Style = style;
  SetWindowPos(w->Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The parts of a bar, as the mouse finds them.
enum Part { None, LineUp, PageUp, Thumb, PageDown, LineDown };

Part PartAt(const BarState& s, const TRect& rect, int bar, TPoint windowPoint) {
  if (!rect.Contains(windowPoint) || !Scrollable(s) || s.DisabledArrows == ESB_DISABLE_BOTH) return None;
  const BarGeometry g = Measure(s, rect, bar);
  const int along = bar == SB_VERT ? windowPoint.Y - rect.Top : windowPoint.X - rect.Left;
  if (along < g.Arrow) return (s.DisabledArrows & ESB_DISABLE_LTUP) ? None : LineUp;
  if (along >= g.Length - g.Arrow) return (s.DisabledArrows & ESB_DISABLE_RTDN) ? None : LineDown;
  if (!g.Thumb) return None;
  if (along < g.ThumbTop) return PageUp;
  if (along >= g.ThumbBottom) return PageDown;
  return Thumb;
}

int RequestOf(Part part) {
  switch (part) {
    case LineUp: return SB_LINEUP;
    case PageUp: return SB_PAGEUP;
    case PageDown: return SB_PAGEDOWN;
    case LineDown: return SB_LINEDOWN;
    default: return SB_ENDSCROLL;
  }
}

constexpr UINT_PTR RepeatTimer = 0xFFF0;
constexpr UINT RepeatDelay = 400;
constexpr UINT RepeatInterval = 50;

}  // namespace

int SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, bool redraw) {
  Window* w = CheckBar(window, bar);
  if (!w) return 0;
  if (!info || info->cbSize != sizeof(SCROLLINFO)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  BarState& s = BarOf(window, bar);
  if (info->fMask & SIF_RANGE) {
    s.Min = info->nMin;
    s.Max = info->nMax;
  }
  if (info->fMask & SIF_PAGE) s.Page = static_cast<int>(std::min<UINT>(info->nPage, 0x7FFFFFFF));
  if (info->fMask & SIF_POS) s.Pos = info->nPos;
  Normalize(s);
  if (info->fMask & (SIF_RANGE | SIF_PAGE)) {
    const bool needed = Scrollable(s);
    if (info->fMask & SIF_DISABLENOSCROLL) {
      SetShown(w, bar, true);
      s.DisabledArrows = needed ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
    } else {
      SetShown(w, bar, needed);
    }
  }
  if (redraw) Repaint(w, bar);
  return s.Pos;
}

bool GetScrollInfo(HWND window, int bar, SCROLLINFO* info) {
  Window* w = CheckBar(window, bar);
  if (!w) return false;
  if (!info || info->cbSize != sizeof(SCROLLINFO)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  const BarState* s = FindBar(window, bar);
  if (!s && !(w->Style & StyleBit(bar))) return false;
  const BarState none;
  if (!s) s = &none;
  if (info->fMask & SIF_RANGE) {
    info->nMin = s->Min;
    info->nMax = s->Max;
  }
  if (info->fMask & SIF_PAGE) info->nPage = static_cast<UINT>(s->Page);
  if (info->fMask & SIF_POS) info->nPos = s->Pos;
  if (info->fMask & SIF_TRACKPOS) info->nTrackPos = s->Tracking ? s->TrackPos : s->Pos;
  return true;
}

int SetScrollPos(HWND window, int bar, int pos, bool redraw) {
  const int old = GetScrollPos(window, bar);
  SCROLLINFO info;
  info.fMask = SIF_POS;
  info.nPos = pos;
  SetScrollInfo(window, bar, &info, redraw);
  return old;
}

int GetScrollPos(HWND window, int bar) {
  SCROLLINFO info;
  info.fMask = SIF_POS;
  return GetScrollInfo(window, bar, &info) ? info.nPos : 0;
}

bool SetScrollRange(HWND window, int bar, int minPos, int maxPos, bool redraw) {
  if (!CheckBar(window, bar)) return false;
  SCROLLINFO info;
  info.fMask = SIF_RANGE;
  info.nMin = minPos;
  info.nMax = maxPos;
  SetScrollInfo(window, bar, &info, redraw);
  return true;
}

bool GetScrollRange(HWND window, int bar, int* minPos, int* maxPos) {
  SCROLLINFO info;
  info.fMask = SIF_RANGE;
  const bool ok = GetScrollInfo(window, bar, &info);
  if (minPos) *minPos = ok ? info.nMin : 0;
  if (maxPos) *maxPos = ok ? info.nMax : 0;
  return ok;
}

bool ShowScrollBar(HWND window, int bar, bool show) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return false;
  if (bar != SB_HORZ && bar != SB_VERT && bar != SB_BOTH) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  for (int one : {SB_HORZ, SB_VERT}) {
    if (bar == one || bar == SB_BOTH) SetShown(w, one, show);
  }
  return true;
}

bool EnableScrollBar(HWND window, UINT bar, UINT arrows) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return false;
  if ((bar != SB_HORZ && bar != SB_VERT && bar != SB_BOTH) || arrows > ESB_DISABLE_BOTH) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  for (int one : {SB_HORZ, SB_VERT}) {
    if (static_cast<int>(bar) != one && bar != SB_BOTH) continue;
    BarOf(window, one).DisabledArrows = arrows;
    Repaint(w, one);
  }
  return true;
}

bool GetScrollBarInfo(HWND window, LONG idObject, SCROLLBARINFO* info) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return false;
  if (!info || info->cbSize != sizeof(SCROLLBARINFO) || (idObject != OBJID_VSCROLL && idObject != OBJID_HSCROLL)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  const int bar = idObject == OBJID_VSCROLL ? SB_VERT : SB_HORZ;
  const BarState none;
  const BarState* found = FindBar(window, bar);
  const BarState& s = found ? *found : none;
  const bool shown = (w->Style & StyleBit(bar)) != 0;
  // Where the bar is, or would be with its style.
  const FrameLayout f = LayOutFrame(w->Style | StyleBit(bar), w->ExStyle, w->WindowBounds(), MenuBarOf(w), w->Handle());
  const TRect place = bar == SB_VERT ? f.VScroll : f.HScroll;
  const BarGeometry g = Measure(s, place, bar);
  info->rcScrollBar = place.Translated(w->ScreenOrigin().X, w->ScreenOrigin().Y);
  info->dxyLineButton = g.Arrow;
  info->xyThumbTop = g.ThumbTop;
  info->xyThumbBottom = g.ThumbBottom;
  std::fill(std::begin(info->rgstate), std::end(info->rgstate), 0);
  if (!shown) info->rgstate[0] |= STATE_SYSTEM_INVISIBLE;
  if (!Scrollable(s) || s.DisabledArrows == ESB_DISABLE_BOTH) info->rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
  if (!w->IsShowing()) info->rgstate[0] |= STATE_SYSTEM_OFFSCREEN;
  if (!g.Thumb) info->rgstate[3] |= STATE_SYSTEM_INVISIBLE;
  // The parts are numbered as the states after the bar's own.
  if (s.PressedPart != None) info->rgstate[s.PressedPart] |= STATE_SYSTEM_PRESSED;
  return true;
}

void PaintScrollBar(HDC dc, const Window* w, int bar, const TRect& rect) {
  if (rect.IsEmpty()) return;
  const BarState none;
  const BarState* found = FindBar(w->Handle(), bar);
  const BarState& s = found ? *found : none;
  const BarGeometry g = Measure(s, rect, bar);
  const bool vertical = bar == SB_VERT;
  const bool usable = Scrollable(s) && s.DisabledArrows != ESB_DISABLE_BOTH && !w->IsDisabledStyle();

  FillRect(dc, &rect, GetSysColorBrush(COLOR_SCROLLBAR));
  TRect first = Span(rect, bar, 0, g.Arrow);
  TRect last = Span(rect, bar, g.Length - g.Arrow, g.Length);
  const auto arrowState = [&](Part part, UINT disabledBit) {
    UINT state = (!usable || (s.DisabledArrows & disabledBit)) ? DFCS_INACTIVE : 0;
    if (s.PressedPart == part) state |= DFCS_PUSHED;
    return state;
  };
  DrawFrameControl(dc, &first, DFC_SCROLL,
                   (vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | arrowState(LineUp, ESB_DISABLE_LTUP));
  DrawFrameControl(dc, &last, DFC_SCROLL,
                   (vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | arrowState(LineDown, ESB_DISABLE_RTDN));
  if (g.Thumb && usable) {
    TRect thumb = Span(rect, bar, g.ThumbTop, g.ThumbBottom);
    DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  }
}

void TrackScrollBar(Window* w, int bar, TPoint screen) {
  const HWND h = w->Handle();
  const std::shared_ptr<Window> keep = WindowManager::Instance().Keep(w);
  const UINT request = bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
  const TRect rect = BarRect(w, bar);
  BarState& s = BarOf(h, bar);
  const Part part = PartAt(s, rect, bar, screen - w->ScreenOrigin());
  if (part == None) return;
  const auto send = [&](int code, int pos) {
    SendMessage(h, request, MAKEWPARAM(static_cast<Word>(code), static_cast<Word>(pos)), 0);
  };
  const auto along = [&](TPoint p) { return bar == SB_VERT ? p.Y : p.X; };

  SetCapture(h);
  s.PressedPart = part;
  int grip = 0;  // where in the thumb the mouse holds it
  if (part == Thumb) {
    s.Tracking = true;
    s.TrackPos = s.Pos;
    grip = along(screen - w->ScreenOrigin()) - (bar == SB_VERT ? rect.Top : rect.Left) - Measure(s, rect, bar).ThumbTop;
  } else {
    Repaint(w, bar);
    send(RequestOf(part), 0);
    SetTimer(h, RepeatTimer, RepeatDelay, nullptr);
  }
  TPoint mouse = screen;  // timer messages carry no point of their own
  MSG msg;
  for (;;) {
    if (!GetMessage(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!w->IsAlive() || GetCapture() != h) break;
    if (msg.message == WM_TIMER && msg.hwnd == h && msg.wParam == RepeatTimer) {
      // Repeats while the mouse stays on the part (the thumb moves towards it).
      if (PartAt(s, rect, bar, mouse - w->ScreenOrigin()) == part) send(RequestOf(part), 0);
      SetTimer(h, RepeatTimer, RepeatInterval, nullptr);
      continue;
    }
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) {
      mouse = msg.pt;
      if (part == Thumb) {
        const BarGeometry g = Measure(s, rect, bar);
        const int track = g.Length - 2 * g.Arrow - (g.ThumbBottom - g.ThumbTop);
        const int offset = along(mouse - w->ScreenOrigin()) - (bar == SB_VERT ? rect.Top : rect.Left) - grip - g.Arrow;
        const int pos = std::clamp(s.Min + MulDiv(std::clamp(offset, 0, std::max(track, 0)), MaxPos(s) - s.Min, track),
                                   s.Min, MaxPos(s));
        if (pos != s.TrackPos) {
          s.TrackPos = pos;
          Repaint(w, bar);
          send(SB_THUMBTRACK, pos);
        }
        if (msg.message == WM_LBUTTONUP) send(SB_THUMBPOSITION, s.TrackPos);
      }
      if (msg.message == WM_LBUTTONUP) break;
      continue;
    }
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) {
      TranslateMessage(&msg);
      DispatchMessage(&msg);
    }
  }
  if (!w->IsAlive()) return;
  KillTimer(h, RepeatTimer);
  s.Tracking = false;
  s.PressedPart = None;
  if (GetCapture() == h) ReleaseCapture();
  Repaint(w, bar);
  send(SB_ENDSCROLL, 0);
}

}  // namespace plat
