#include "platform/win/Painting.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win/detail/CaretState.h"
#include "platform/win/detail/MessageDelivery.h"
#include "platform/win/Messages.h"
#include "platform/win/detail/PaintEngine.h"
#include "platform/win/WinErrors.h"
#include "platform/win/detail/WindowManager.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"

namespace plat {
namespace {

constexpr int MaxScroll = 1 << 16;

// Client coordinates to the window's own.
Region ClientToWindow(const Window* w, Region r) {
  const TPoint c = w->ClientInWindow().TopLeft();
  r.Offset(c.X, c.Y);
  return r;
}

Region WindowToClient(const Window* w, Region r) {
  const TPoint c = w->ClientInWindow().TopLeft();
  r.Offset(-c.X, -c.Y);
  return r;
}

// The windows a call names: one, or every top-level window for null.
std::vector<Window*> Targets(HWND window) {
  WindowManager& wm = WindowManager::Instance();
  if (!window) return std::vector(wm.Desktop()->Children);
  Window* w = wm.FindOrFail(window);
  return w ? std::vector<Window*>{w} : std::vector<Window*>{};
}

bool Change(HWND window, const Region* clientArea, UINT flags) {
  const std::vector<Window*> targets = Targets(window);
  if (window && targets.empty()) return false;
  for (Window* w : targets) {
    if (clientArea) {
      const Region area = ClientToWindow(w, *clientArea);
      ChangeUpdate(w, &area, flags);
    } else {
      ChangeUpdate(w, nullptr, flags);
    }
  }
  return true;
}

const Region* RegionOf(HRGN region, bool& bad) {
  bad = false;
  if (!region) return nullptr;
  const Region* r = GdiObjectTable::As<Region>(region, OBJ_REGION);
  if (!r) {
    bad = true;
    SetLastError(ERROR_INVALID_HANDLE);
  }
  return r;
}

}  // namespace

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
  WindowManager& wm = WindowManager::Instance();
  Window* w = wm.FindOrFail(window);
  if (!w || !paint) return nullptr;
  const std::shared_ptr<Window> keep = wm.Keep(w);
  CaretHide(w);
  if (w->FrameNeeded) SendFramePaint(w);
  if (!w->IsAlive()) {
    CaretRestore(w);
    return nullptr;
  }
  const Region client(w->ClientInWindow());
  Region area = w->Update.Intersected(client);
  const bool erase = w->EraseNeeded;
  w->Update = w->Update.Subtracted(client);
  w->EraseNeeded = false;
  w->InternalPaint = false;

  const Region inClient = WindowToClient(w, area);
  area.Offset(w->OriginInRoot().X, w->OriginInRoot().Y);
  HDC dc = OpenWindowDC(w, true, (w->Style & WS_CLIPCHILDREN) != 0, (w->Style & WS_CLIPSIBLINGS) != 0, &area);
  *paint = PAINTSTRUCT{};
  paint->hdc = dc;
  paint->rcPaint = inClient.Bounds();
  paint->fErase = erase ? !Deliver(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, false) : 0;
  return dc;
}

bool EndPaint(HWND window, const PAINTSTRUCT* paint) {
  if (!paint) return false;
  if (IsWindowDCOpen(paint->hdc)) CloseWindowDC(paint->hdc);
  if (Window* w = WindowManager::Instance().Find(window)) CaretRestore(w);
  return true;
}

bool InvalidateRect(HWND window, const RECT* rect, bool erase) {
  const UINT flags = RDW_INVALIDATE | (erase ? RDW_ERASE : 0);
  if (!rect) return Change(window, nullptr, flags);
  const Region area(rect->Normalized());
  return Change(window, &area, flags);
}

bool InvalidateRgn(HWND window, HRGN region, bool erase) {
  bool bad = false;
  const Region* area = RegionOf(region, bad);
  return !bad && Change(window, area, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

bool ValidateRect(HWND window, const RECT* rect) {
  if (!rect) return Change(window, nullptr, RDW_VALIDATE);
  const Region area(rect->Normalized());
  return Change(window, &area, RDW_VALIDATE);
}

bool ValidateRgn(HWND window, HRGN region) {
  bool bad = false;
  const Region* area = RegionOf(region, bad);
  return !bad && Change(window, area, RDW_VALIDATE);
}

bool GetUpdateRect(HWND window, RECT* rect, bool erase) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return false;
  if (erase) EraseNow(w);
  const Region area = WindowToClient(w, w->Update.Intersected(Region(w->ClientInWindow())));
  if (rect) *rect = area.Bounds();
  return !area.IsEmpty();
}

int GetUpdateRgn(HWND window, HRGN region, bool erase) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  Region* target = region ? GdiObjectTable::As<Region>(region, OBJ_REGION) : nullptr;
  if (!w || !target) return ERROR;
  if (erase) EraseNow(w);
  *target = WindowToClient(w, w->Update.Intersected(Region(w->ClientInWindow())));
  return target->Kind();
}

bool UpdateWindow(HWND window) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return false;
  PaintNow(w, RDW_UPDATENOW);
  return true;
}

bool RedrawWindow(HWND window, const RECT* rect, HRGN region, UINT flags) {
  bool bad = false;
  const Region* given = RegionOf(region, bad);
  if (bad) return false;
  std::optional<Region> area;
  if (given)
    area = *given;
  else if (rect)
    area = Region(rect->Normalized());
  if ((flags & (RDW_INVALIDATE | RDW_VALIDATE | RDW_INTERNALPAINT | RDW_NOINTERNALPAINT)) &&
      !Change(window, area ? &*area : nullptr, flags))
    return false;
  if (flags & (RDW_UPDATENOW | RDW_ERASENOW))
    for (Window* w : Targets(window)) PaintNow(w, flags);
  return true;
}

int ScrollWindowEx(HWND window, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN updateRegion,
                   RECT* updateRect, UINT flags) {
  WindowManager& wm = WindowManager::Instance();
  Window* w = wm.FindOrFail(window);
  Region* updateOut = updateRegion ? GdiObjectTable::As<Region>(updateRegion, OBJ_REGION) : nullptr;
  if (!w || (updateRegion && !updateOut)) return ERROR;
  const std::shared_ptr<Window> keep = wm.Keep(w);
  dx = std::clamp(dx, -MaxScroll, MaxScroll);
  dy = std::clamp(dy, -MaxScroll, MaxScroll);

  const TRect client{0, 0, w->Client.Width(), w->Client.Height()};
  const TRect scrollRect = scroll ? scroll->Normalized().Intersected(client) : client;
  const TRect clipRect = clip ? clip->Normalized().Intersected(client) : client;
  const Region area = Region(scrollRect).Intersected(Region(clipRect));

  // What of the client area can be seen, in client coordinates.
  const bool clipChildren = (w->Style & WS_CLIPCHILDREN) && !(flags & SW_SCROLLCHILDREN);
  Region visible = VisibleRegion(w, true, clipChildren, (w->Style & WS_CLIPSIBLINGS) != 0);
  const TPoint clientInRoot = w->OriginInRoot() + w->ClientInWindow().TopLeft();
  visible.Offset(-clientInRoot.X, -clientInRoot.Y);

  // Pixels that come from a visible part of the scrolled rectangle and land in the area.
  Region source = area;
  source.Offset(-dx, -dy);
  source = source.Intersected(Region(scrollRect)).Intersected(visible);
  Region moved = source;
  moved.Offset(dx, dy);
  moved = moved.Intersected(area).Intersected(visible);

  CaretHide(w);
  Bitmap* surface = w->Root()->Surface.get();
  if (surface && !moved.IsEmpty()) {
    // Copy through a buffer: source and destination overlap.
    const TRect bounds = moved.Bounds().Translated(-dx, -dy).Translated(clientInRoot.X, clientInRoot.Y);
    const TRect copyFrom = bounds.Intersected(surface->Bounds());
    std::vector<TPixel> saved(static_cast<std::size_t>(copyFrom.Width()) * static_cast<std::size_t>(copyFrom.Height()));
    for (int y = copyFrom.Top; y < copyFrom.Bottom; ++y)
      std::memcpy(&saved[static_cast<std::size_t>(y - copyFrom.Top) * static_cast<std::size_t>(copyFrom.Width())],
                  surface->Row(y) + copyFrom.Left, static_cast<std::size_t>(copyFrom.Width()) * sizeof(TPixel));

    const auto width = static_cast<std::size_t>(copyFrom.Width());
    for (const TRect& r : moved.Rects()) {
      const TRect dest = r.Translated(clientInRoot.X, clientInRoot.Y)
                             .Intersected(surface->Bounds())
                             .Intersected(copyFrom.Translated(dx, dy));
      for (int y = dest.Top; y < dest.Bottom; ++y) {
        const std::size_t from = static_cast<std::size_t>(y - dy - copyFrom.Top) * width +
                                 static_cast<std::size_t>(dest.Left - dx - copyFrom.Left);
        std::memcpy(surface->Row(y) + dest.Left, &saved[from], static_cast<std::size_t>(dest.Width()) * sizeof(TPixel));
      }
    }
    Region dirty = area;
    dirty.Offset(clientInRoot.X, clientInRoot.Y);
    MarkDirty(w->Root(), dirty.Bounds());
  }

  // The update already pending in the area moves with the pixels.
  const Region areaInWindow = ClientToWindow(w, area);
  Region pending = w->Update.Intersected(areaInWindow);
  if (!pending.IsEmpty()) {
    w->Update = w->Update.Subtracted(areaInWindow);
    pending.Offset(dx, dy);
    w->Update = w->Update.United(pending.Intersected(areaInWindow));
  }

  const Region update = area.Intersected(visible).Subtracted(moved);
  if ((flags & SW_INVALIDATE) && !update.IsEmpty()) {
    const Region inWindow = ClientToWindow(w, update);
    ChangeUpdate(
        w, &inWindow,
        RDW_INVALIDATE | ((flags & SW_ERASE) ? RDW_ERASE : 0) | ((flags & SW_SCROLLCHILDREN) ? RDW_ALLCHILDREN : 0));
  }
  if (flags & SW_SCROLLCHILDREN) {
    for (Window* child : std::vector(w->Children)) {
      if (!wm.Find(child->Handle())) continue;
      if (scroll && !child->Rect.Intersects(scrollRect)) continue;
      SetWindowPos(child->Handle(), nullptr, child->Rect.Left + dx, child->Rect.Top + dy, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
  }
  CaretRestore(w);
  if (updateOut) *updateOut = update;
  if (updateRect) *updateRect = update.Bounds();
  return update.Kind();
}

bool ScrollWindow(HWND window, int dx, int dy, const RECT* scroll, const RECT* clip) {
  return ScrollWindowEx(window, dx, dy, scroll, clip, nullptr, nullptr,
                        SW_INVALIDATE | SW_ERASE | (scroll ? 0 : SW_SCROLLCHILDREN)) != ERROR;
}

}  // namespace plat
