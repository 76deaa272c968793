#include "platform/win/detail/Window.h"

#include <algorithm>

namespace plat {

Window::Window(HWND handle, std::shared_ptr<WindowClassRecord> windowClass)
    : Class(std::move(windowClass)), FHandle(handle) {}

bool Window::IsShowing() const {
  for (const Window* w = this; w && w->Parent; w = w->Parent)
    if (!w->IsVisibleStyle()) return false;
  return true;
}

bool Window::IsTopLevel() const { return Parent && !Parent->Parent; }

Window* Window::Root() {
  Window* w = this;
  while (w->Parent && w->Parent->Parent) w = w->Parent;
  return w;
}

bool Window::Contains(const Window* other) const {
  for (const Window* w = other; w; w = w->Parent)
    if (w == this) return true;
  return false;
}

TPoint Window::ScreenOrigin() const {
  TPoint p = Rect.TopLeft();
  for (const Window* a = Parent; a && a->Parent; a = a->Parent) p = p + a->Client.TopLeft();
  return p;
}

TPoint Window::ClientScreenOrigin() const { return ScreenOrigin() + (Client.TopLeft() - Rect.TopLeft()); }

TRect Window::ScreenRect() const {
  const TPoint o = ScreenOrigin();
  return {o.X, o.Y, o.X + Rect.Width(), o.Y + Rect.Height()};
}

TPoint Window::OriginInRoot() const {
  TPoint p{0, 0};
  const Window* w = this;
  while (w->Parent && w->Parent->Parent) {
    p = p + w->Rect.TopLeft() + (w->Parent->Client.TopLeft() - w->Parent->Rect.TopLeft());
    w = w->Parent;
  }
  return p;
}

std::size_t Window::ZIndex() const {
  if (!Parent) return 0;
  auto it = std::find(Parent->Children.begin(), Parent->Children.end(), this);
  return static_cast<std::size_t>(it - Parent->Children.begin());
}

}  // namespace plat
