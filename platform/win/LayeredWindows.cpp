#include "platform/win/LayeredWindows.h"

#include "platform/gdi/GdiConstants.h"
#include "platform/win/WinErrors.h"
#include "platform/win/WindowDC.h"
#include "platform/win/detail/WindowManager.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"

namespace plat {
namespace {

Window* LayeredWindow(HWND window) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (w && !(w->ExStyle & WS_EX_LAYERED)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return w;
}

void ApplyLayer(Window* w, const LayerAttributes& layer) {
  w->Layer = layer;
  WindowManager::Instance().AnnounceLayer(w);
}

}  // namespace

bool SetLayeredWindowAttributes(HWND window, COLORREF key, Byte alpha, DWORD flags) {
  Window* w = LayeredWindow(window);
  if (!w) return false;
  if (flags & ~(LWA_COLORKEY | LWA_ALPHA)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  ApplyLayer(w, {key, alpha, flags});
  return true;
}

bool GetLayeredWindowAttributes(HWND window, COLORREF* key, Byte* alpha, DWORD* flags) {
  Window* w = LayeredWindow(window);
  if (!w || !w->Layer) return false;
  if (key) *key = w->Layer->Key;
  if (alpha) *alpha = w->Layer->Alpha;
  if (flags) *flags = w->Layer->Flags;
  return true;
}

bool UpdateLayeredWindow(HWND window, HDC, POINT* position, SIZE* size, HDC sourceDc, POINT* sourcePosition,
                         COLORREF key, BLENDFUNCTION* blend, DWORD flags) {
  Window* w = LayeredWindow(window);
  if (!w) return false;
  if ((flags & ~(ULW_COLORKEY | ULW_ALPHA | ULW_OPAQUE)) || ((flags & ULW_ALPHA) && !blend)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  const std::shared_ptr<Window> keep = WindowManager::Instance().Keep(w);
  if (position || size) {
    const UINT keepPlace = (position ? 0 : SWP_NOMOVE) | (size ? 0 : SWP_NOSIZE);
    SetWindowPos(window, nullptr, position ? position->X : 0, position ? position->Y : 0, size ? size->cx : 0,
                 size ? size->cy : 0, keepPlace | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!w->IsAlive()) return false;
  }
  if (sourceDc) {
    const TPoint from = sourcePosition ? TPoint(*sourcePosition) : TPoint{0, 0};
    HDC dc = GetWindowDC(window);
    BitBlt(dc, 0, 0, w->Rect.Width(), w->Rect.Height(), sourceDc, from.X, from.Y, SRCCOPY);
    ReleaseDC(window, dc);
  }
  LayerAttributes layer;
  if (!(flags & ULW_OPAQUE)) {
    if (flags & ULW_COLORKEY) {
      layer.Key = key;
      layer.Flags |= LWA_COLORKEY;
    }
    if (flags & ULW_ALPHA) {
      layer.Alpha = blend->SourceConstantAlpha;
      layer.Flags |= LWA_ALPHA;
    }
  }
  ApplyLayer(w, layer);
  return true;
}

}  // namespace plat
