#include "platform/win/detail/PaintEngine.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/DeviceContext.h"
#include "platform/win/detail/MessageDelivery.h"
#include "platform/win/Messages.h"
#include "platform/win/Painting.h"
#include "platform/win/detail/WindowManager.h"
#include "platform/win/WindowStyles.h"

namespace plat {
namespace {

// A surface larger than this is not kept: pixels beyond it are not drawn.
constexpr int MaxSurfaceSide = 8192;

struct OpenDC {
  std::unique_ptr<DeviceContext> Dc;
  HWND Hwnd = nullptr;
  bool Client = true;
  bool ClipChildren = false;
  bool ClipSiblings = false;
  std::optional<Region> Narrow;
};

std::vector<OpenDC>& OpenDCs() {
  static std::vector<OpenDC> dcs;
  return dcs;
}

// A child's top-left in its parent's window coordinates.
TPoint OffsetInParent(const Window* child) {
  const Window* p = child->Parent;
  return child->Rect.TopLeft() + (p->Client.TopLeft() - p->Rect.TopLeft());
}

// The window's area (shaped by its region) in its root's coordinates.
Region ShapedArea(const Window* w) {
  const TPoint o = w->OriginInRoot();
  Region area(w->WindowBounds().Translated(o.X, o.Y));
  if (w->Shape) {
    Region shape = *w->Shape;
    shape.Offset(o.X, o.Y);
    area = area.Intersected(shape);
  }
  return area;
}

bool HasClientWork(const Window* w) { return w->InternalPaint || w->Update.Intersects(w->ClientInWindow()); }

bool NeedsPaint(const Window* w) { return w->FrameNeeded || w->EraseNeeded || HasClientWork(w); }

void PlaceDC(OpenDC& open) {
  Window* w = WindowManager::Instance().Find(open.Hwnd);
  if (!w || !w->IsAlive()) {
    open.Dc->SetSurface(nullptr, {}, Region());
    return;
  }
  Window* root = w->Root();
  TPoint origin = w->OriginInRoot();
  if (open.Client) origin = origin + (w->Client.TopLeft() - w->Rect.TopLeft());
  Region clip = VisibleRegion(w, open.Client, open.ClipChildren, open.ClipSiblings);
  if (open.Narrow) clip = clip.Intersected(*open.Narrow);
  clip.Offset(-origin.X, -origin.Y);
  open.Dc->SetSurface(root->Surface.get(), origin, clip);
}

}  // namespace

void SendFramePaint(Window* w) {
  w->FrameNeeded = false;
  const Region client(w->ClientInWindow());
  const Region frame = w->Update.Subtracted(client);
  w->Update = w->Update.Intersected(client);
  const Region wholeFrame = Region(w->WindowBounds()).Subtracted(client);
  if (frame == wholeFrame || frame.IsEmpty()) {
    Deliver(w, WM_NCPAINT, 1, 0, false);
    return;
  }
  // A part of the frame: the region travels in screen coordinates.
  Region onScreen = frame;
  const TPoint o = w->ScreenOrigin();
  onScreen.Offset(o.X, o.Y);
  HRGN rgn = GdiObjectTable::Adopt(std::make_unique<Region>(onScreen));
  Deliver(w, WM_NCPAINT, reinterpret_cast<WPARAM>(rgn), 0, false);
  DeleteObject(rgn);
}

namespace {

void SendErase(Window* w) {
  w->EraseNeeded = false;
  Region area = w->Update.Intersected(Region(w->ClientInWindow()));
  area.Offset(w->OriginInRoot().X, w->OriginInRoot().Y);
  HDC dc = OpenWindowDC(w, true, (w->Style & WS_CLIPCHILDREN) != 0, (w->Style & WS_CLIPSIBLINGS) != 0, &area);
  Deliver(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, false);
  CloseWindowDC(dc);
}

Window* FindPaint(Window* w, const std::function<bool(HWND)>& accepts) {
  if (!w->IsVisibleStyle() || !w->IsAlive()) return nullptr;
  if (NeedsPaint(w) && accepts(w->Handle())) return w;
  for (Window* child : w->Children)
    if (Window* found = FindPaint(child, accepts)) return found;
  return nullptr;
}

}  // namespace

void ChangeUpdate(Window* w, const Region* area, UINT flags) {
  if (!w->IsShowing() || !w->IsAlive()) return;
  const Region whole(w->WindowBounds());
  const Region client(w->ClientInWindow());
  Region target = area ? area->Intersected(whole) : (flags & RDW_FRAME) ? whole : client;
  if (!(flags & RDW_FRAME)) target = target.Intersected(client);

  if (flags & RDW_INVALIDATE) {
    w->Update = w->Update.United(target);
    if ((flags & RDW_ERASE) && !target.Intersected(client).IsEmpty()) w->EraseNeeded = true;
    // A whole-window invalidation asks for WM_NCPAINT even where the frame is empty.
    if (!target.Subtracted(client).IsEmpty() || (!area && (flags & RDW_FRAME))) w->FrameNeeded = true;
  } else if (flags & RDW_VALIDATE) {
    w->Update = w->Update.Subtracted(target);
    if ((flags & RDW_NOERASE) || w->Update.Intersected(client).IsEmpty()) w->EraseNeeded = false;
    if (w->Update.Subtracted(client).IsEmpty()) w->FrameNeeded = false;
  }
  if (flags & RDW_INTERNALPAINT) w->InternalPaint = true;
  if (flags & RDW_NOINTERNALPAINT) w->InternalPaint = false;

  const bool children = !(flags & RDW_NOCHILDREN) && ((flags & RDW_ALLCHILDREN) || !(w->Style & WS_CLIPCHILDREN));
  if (!children) return;
  const Region inClient = target.Intersected(client);
  if (inClient.IsEmpty()) return;
  for (Window* child : std::vector(w->Children)) {
    const TPoint o = OffsetInParent(child);
    Region childArea = inClient;
    childArea.Offset(-o.X, -o.Y);
    childArea = childArea.Intersected(Region(child->WindowBounds()));
    if (!childArea.IsEmpty()) ChangeUpdate(child, &childArea, (flags | RDW_FRAME) & ~RDW_NOCHILDREN);
  }
}

void EraseNow(Window* w) {
  const std::shared_ptr<Window> keep = WindowManager::Instance().Keep(w);
  if (w->FrameNeeded) SendFramePaint(w);
  if (w->IsAlive() && w->EraseNeeded) SendErase(w);
}

void PaintNow(Window* w, UINT flags) {
  if (!w->IsShowing() || !w->IsAlive()) return;
  const std::shared_ptr<Window> keep = WindowManager::Instance().Keep(w);
  if ((flags & RDW_UPDATENOW) && HasClientWork(w)) {
    Deliver(w, WM_PAINT, 0, 0, false);
    // A procedure that does not paint must not leave the window invalid for ever.
    if (w->IsAlive() && NeedsPaint(w)) {
      w->Update = Region();
      w->EraseNeeded = w->FrameNeeded = w->InternalPaint = false;
    }
  } else if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) {
    EraseNow(w);
  }
  if (!w->IsAlive() || (flags & RDW_NOCHILDREN)) return;
  for (Window* child : std::vector(w->Children))
    if (WindowManager::Instance().Find(child->Handle())) PaintNow(child, flags);
}

Window* NextWindowToPaint(const std::function<bool(HWND)>& accepts) {
  for (Window* top : WindowManager::Instance().Desktop()->Children)
    if (Window* found = FindPaint(top, accepts)) return found;
  return nullptr;
}

Region VisibleRegion(Window* w, bool client, bool clipChildren, bool clipSiblings) {
  if (!w->IsShowing() || !w->IsAlive() || !w->Parent) return Region();
  const TPoint o = w->OriginInRoot();
  const TRect area = client ? w->ClientInWindow() : w->WindowBounds();
  Region visible(area.Translated(o.X, o.Y));
  if (w->Shape) visible = visible.Intersected(ShapedArea(w));

  bool siblings = clipSiblings;
  for (Window* a = w; a->Parent && a->Parent->Parent; a = a->Parent) {
    Window* p = a->Parent;
    const TPoint po = p->OriginInRoot();
    visible = visible.Intersected(Region(p->ClientInWindow().Translated(po.X, po.Y)));
    if (p->Shape) visible = visible.Intersected(ShapedArea(p));
    if (siblings) {
      for (Window* s : p->Children) {
        if (s == a) break;
        if (s->IsVisibleStyle()) visible = visible.Subtracted(ShapedArea(s));
      }
    }
    siblings = (p->Style & WS_CLIPSIBLINGS) != 0;
  }
  if (clipChildren)
    for (Window* c : w->Children)
      if (c->IsVisibleStyle()) visible = visible.Subtracted(ShapedArea(c));
  return visible;
}

HDC OpenWindowDC(Window* w, bool client, bool clipChildren, bool clipSiblings, const Region* narrow) {
  OpenDC open;
  open.Dc = std::make_unique<DeviceContext>(nullptr, TPoint{}, Region());
  open.Hwnd = w->Handle();
  open.Client = client;
  open.ClipChildren = clipChildren;
  open.ClipSiblings = clipSiblings;
  if (narrow) open.Narrow = *narrow;
  PlaceDC(open);
  HDC dc = open.Dc.get();
  OpenDCs().push_back(std::move(open));
  return dc;
}

void CloseWindowDC(HDC dc) {
  auto& dcs = OpenDCs();
  auto it = std::find_if(dcs.begin(), dcs.end(), [dc](const OpenDC& o) { return o.Dc.get() == dc; });
  if (it == dcs.end()) return;
  if (Window* w = WindowManager::Instance().Find(it->Hwnd); w && it->Dc->Target()) {
    // Whatever was drawn lies inside the DC's clip.
    MarkDirty(w->Root(), it->Dc->EffectiveClip().Bounds());
  }
  dcs.erase(it);
}

bool IsWindowDCOpen(HDC dc) {
  const auto& dcs = OpenDCs();
  return std::any_of(dcs.begin(), dcs.end(), [dc](const OpenDC& o) { return o.Dc.get() == dc; });
}

HWND WindowOfDC(HDC dc) {
  for (const OpenDC& o : OpenDCs())
    if (o.Dc.get() == dc) return o.Hwnd;
  return nullptr;
}

void RefreshWindowDCs() {
  for (OpenDC& open : OpenDCs()) PlaceDC(open);
}

void MarkDirty(Window* root, const TRect& rootRect) {
  root->SurfaceDirty = root->SurfaceDirty.United(rootRect.Intersected(root->WindowBounds()));
}

void SizeSurface(Window* root) {
  const int width = std::clamp(root->Rect.Width(), 1, MaxSurfaceSide);
  const int height = std::clamp(root->Rect.Height(), 1, MaxSurfaceSide);
  const TPixel face = PixelFromColorRef(GetSysColor(COLOR_BTNFACE));
  if (!root->Surface) {
    root->Surface = std::make_unique<Bitmap>(width, height);
    root->Surface->Fill(face);
  } else {
    root->Surface->Resize(width, height, face);
  }
}

}  // namespace plat
