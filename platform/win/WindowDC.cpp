#include "platform/win/WindowDC.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/win/Display.h"
#include "platform/win/detail/PaintEngine.h"
#include "platform/win/detail/WindowManager.h"
#include "platform/win/WindowStyles.h"

namespace plat {
namespace {

// DCs onto the screen draw into a bitmap of its size that nobody sees.
struct ScreenDCs {
  std::unique_ptr<Bitmap> Pixels;
  std::vector<std::unique_ptr<DeviceContext>> Open;
};

ScreenDCs& Screen() {
  static ScreenDCs screen;
  return screen;
}

HDC OpenScreenDC() {
  ScreenDCs& s = Screen();
  const TSize size = CurrentDisplay().ScreenSize();
  // A new screen size gets a new bitmap, once no DC uses the old one.
  const bool stale = !s.Pixels || s.Pixels->Width() != size.cx || s.Pixels->Height() != size.cy;
  if (stale && s.Open.empty()) s.Pixels = std::make_unique<Bitmap>(std::max(size.cx, 1), std::max(size.cy, 1));
  s.Open.push_back(std::make_unique<DeviceContext>(s.Pixels.get(), TPoint{}, Region(s.Pixels->Bounds())));
  return s.Open.back().get();
}

bool CloseScreenDC(HDC dc) {
  auto& open = Screen().Open;
  auto it = std::find_if(open.begin(), open.end(), [dc](const auto& p) { return p.get() == dc; });
  if (it == open.end()) return false;
  open.erase(it);
  return true;
}

}  // namespace

HDC GetDC(HWND window) {
  if (!window) return OpenScreenDC();
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return nullptr;
  return OpenWindowDC(w, true, (w->Style & WS_CLIPCHILDREN) != 0, (w->Style & WS_CLIPSIBLINGS) != 0, nullptr);
}

HDC GetWindowDC(HWND window) {
  if (!window) return OpenScreenDC();
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return nullptr;
  return OpenWindowDC(w, false, (w->Style & WS_CLIPCHILDREN) != 0, (w->Style & WS_CLIPSIBLINGS) != 0, nullptr);
}

HDC GetDCEx(HWND window, HRGN clipRegion, DWORD flags) {
  if (!window) return OpenScreenDC();
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return nullptr;
  bool clipChildren = (flags & DCX_CLIPCHILDREN) != 0;
  bool clipSiblings = (flags & DCX_CLIPSIBLINGS) != 0;
  if (flags & DCX_USESTYLE) {
    clipChildren = clipChildren || (w->Style & WS_CLIPCHILDREN);
    clipSiblings = clipSiblings || (w->Style & WS_CLIPSIBLINGS);
  }
  std::optional<Region> narrow;
  const bool realRegion = clipRegion && reinterpret_cast<std::uintptr_t>(clipRegion) != 1;
  if (realRegion && (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN))) {
    const Region* given = GdiObjectTable::As<Region>(clipRegion, OBJ_REGION);
    if (!given) return nullptr;
    // Screen coordinates to the root's bitmap.
    Region r = *given;
    const TPoint root = w->Root()->ScreenOrigin();
    r.Offset(-root.X, -root.Y);
    narrow = (flags & DCX_INTERSECTRGN) ? r : Region(w->Root()->WindowBounds()).Subtracted(r);
  }
  return OpenWindowDC(w, !(flags & DCX_WINDOW), clipChildren, clipSiblings, narrow ? &*narrow : nullptr);
}

int ReleaseDC(HWND, HDC dc) {
  if (CloseScreenDC(dc)) return 1;
  if (!IsWindowDCOpen(dc)) return 0;
  CloseWindowDC(dc);
  return 1;
}

HWND WindowFromDC(HDC dc) { return WindowOfDC(dc); }

}  // namespace plat
