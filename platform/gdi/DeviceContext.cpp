#include "platform/gdi/DeviceContext.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "platform/gdi/Brush.h"
#include "platform/gdi/DisplayMode.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/RasterOps.h"
#include "platform/rtl/StringUtils.h"

namespace plat {

namespace {

std::unordered_set<const DeviceContext*>& LiveDCs() {
  static std::unordered_set<const DeviceContext*> live;
  return live;
}

// Memory DCs made by CreateCompatibleDC, freed by DeleteDC.
std::unordered_map<const DeviceContext*, std::unique_ptr<DeviceContext>>& OwnedDCs() {
  static std::unordered_map<const DeviceContext*, std::unique_ptr<DeviceContext>> owned;
  return owned;
}

int Mod(int a, int m) {
  const int r = a % m;
  return r < 0 ? r + m : r;
}

}  // namespace

DeviceContext::DeviceContext() : FMemory(true) {
  LiveDCs().insert(this);
  SelectDefaults();
}

DeviceContext::DeviceContext(Bitmap* target, TPoint deviceOrigin, const Region& systemClip)
    : FMemory(false), FTarget(target), FDeviceOrigin(deviceOrigin), FSystemClip(systemClip) {
  LiveDCs().insert(this);
  SelectDefaults();
}

DeviceContext::~DeviceContext() {
  for (const DcState& saved : FSaved) ReleaseState(saved);
  ReleaseState(FState);
  LiveDCs().erase(this);
}

bool DeviceContext::IsLive(const DeviceContext* dc) { return dc && LiveDCs().contains(dc); }

void DeviceContext::SelectDefaults() {
  Select(GetStockObject(BLACK_PEN));
  Select(GetStockObject(WHITE_BRUSH));
  Select(GetStockObject(SYSTEM_FONT));
  if (FMemory) Select(GetStockBitmap());
}

void DeviceContext::Retain(GdiObject* object) {
  if (object) GdiObjectTable::AddSelection(object);
}

void DeviceContext::Release(GdiObject* object) {
  if (object) GdiObjectTable::RemoveSelection(object);
}

void DeviceContext::RetainState(const DcState& state) {
  Retain(state.Pen);
  Retain(state.Brush);
  Retain(state.Font);
  Retain(state.SelectedBitmap);
}

void DeviceContext::ReleaseState(const DcState& state) {
  Release(state.Pen);
  Release(state.Brush);
  Release(state.Font);
  Release(state.SelectedBitmap);
}

void DeviceContext::SetSurface(Bitmap* target, TPoint deviceOrigin, const Region& systemClip) {
  FTarget = target;
  FDeviceOrigin = deviceOrigin;
  FSystemClip = systemClip;
  FEffectiveClip.reset();
}

void DeviceContext::SurfaceChanged() {
  if (FMemory) FTarget = FState.SelectedBitmap;
  FEffectiveClip.reset();
}

void DeviceContext::SetClip(std::optional<Region> deviceClip) {
  FState.Clip = std::move(deviceClip);
  FEffectiveClip.reset();
}

HGDIOBJ DeviceContext::Select(HGDIOBJ object) {
  if (!GdiObjectTable::IsLive(object)) return nullptr;
  auto swap = [this, object](auto& slot) -> HGDIOBJ {
    using Handle = std::remove_reference_t<decltype(slot)>;
    HGDIOBJ old = slot;
    Retain(object);
    Release(old);
    slot = static_cast<Handle>(object);
    return old;
  };
  switch (object->ObjectType()) {
    case OBJ_PEN: return swap(FState.Pen);
    case OBJ_BRUSH: return swap(FState.Brush);
    case OBJ_FONT: return swap(FState.Font);
    case OBJ_BITMAP: {
      // A bitmap lives in one memory DC at a time (stock ones excepted).
      if (!FMemory) return nullptr;
      if (object == FState.SelectedBitmap) return object;
      if (!object->IsStock() && object->SelectCount() > 0) return nullptr;
      HGDIOBJ old = swap(FState.SelectedBitmap);
      SurfaceChanged();
      return old;
    }
    default: return nullptr;
  }
}

int DeviceContext::Save() {
  FSaved.push_back(FState);
  RetainState(FState);
  return static_cast<int>(FSaved.size());
}

bool DeviceContext::Restore(int level) {
  const int depth = static_cast<int>(FSaved.size());
  const int target = level < 0 ? depth + 1 + level : level;
  if (target < 1 || target > depth) return false;
  while (static_cast<int>(FSaved.size()) > target) {
    ReleaseState(FSaved.back());
    FSaved.pop_back();
  }
  // The clip computed for drawing stays while the surface and clip come back
  // as they are (the common save around a drawing call).
  const bool sameSurface = FSaved.back().SelectedBitmap == FState.SelectedBitmap && FSaved.back().Clip == FState.Clip;
  // The saved copy already holds its selections; they pass to the current state.
  ReleaseState(FState);
  FState = std::move(FSaved.back());
  FSaved.pop_back();
  if (!sameSurface) SurfaceChanged();
  return true;
}

const Region& DeviceContext::EffectiveClip() const {
  // A bitmap may change size under a DC (a TBitmap resized in place).
  const TSize size = FTarget ? TSize{FTarget->Width(), FTarget->Height()} : TSize{};
  if (!FEffectiveClip || size != FClipTargetSize) {
    FClipTargetSize = size;
    Region clip = FMemory ? Region(FTarget ? FTarget->Bounds() : TRect{}) : FSystemClip;
    if (FState.Clip) clip = clip.Intersected(*FState.Clip);
    clip.Offset(FDeviceOrigin.X, FDeviceOrigin.Y);
    FEffectiveClip = FTarget ? clip.Intersected(FTarget->Bounds()) : Region();
  }
  return *FEffectiveClip;
}

TRect DeviceContext::ClipBoxLogical() const {
  const TRect box = EffectiveClip().Bounds();
  return box.IsEmpty() ? TRect{} : box.Translated(-OffsetX(), -OffsetY());
}

TPixel DeviceContext::TargetPixel(COLORREF color) const {
  const TPixel p = PixelFromColorRef(color & 0x00FFFFFF);
  return FTarget ? FTarget->Quantize(p) : p;
}

void DeviceContext::MixRun(TPixel* row, int x0, int x1, TPixel color, int rop2) const {
  if (rop2 == R2_COPYPEN) {
    std::fill(row + x0, row + x1, color);
  } else {
    for (int x = x0; x < x1; ++x) row[x] = FTarget->Quantize(Rop2(rop2, color, row[x]));
  }
}

void DeviceContext::FillSpan(int y, int x0, int x1, TPixel color, int rop2) {
  if (x0 >= x1 || rop2 == R2_NOP) return;
  for (const TRect& r : EffectiveClip().BandAt(y)) {
    const int a = std::max(x0, r.Left), b = std::min(x1, r.Right);
    if (a < b) MixRun(FTarget->Row(y), a, b, color, rop2);
  }
}

void DeviceContext::FillRect(const TRect& targetRect, TPixel color, int rop2) {
  if (targetRect.IsEmpty() || rop2 == R2_NOP) return;
  const Region& clip = EffectiveClip();
  if (!clip.Bounds().Intersects(targetRect)) return;
  for (const TRect& c : clip.Rects()) {
    const TRect r = c.Intersected(targetRect);
    if (r.IsEmpty()) continue;
    for (int y = r.Top; y < r.Bottom; ++y) MixRun(FTarget->Row(y), r.Left, r.Right, color, rop2);
  }
}

TPixel DeviceContext::BrushPixel(const Brush& brush, int x, int y, bool& skip) const {
  skip = false;
  // Patterns are anchored at the brush origin, in device coordinates.
  const int px = x - FDeviceOrigin.X - FState.BrushOrg.X;
  const int py = y - FDeviceOrigin.Y - FState.BrushOrg.Y;
  switch (brush.Style()) {
    case BS_HATCHED:
      if (Brush::HatchBit(brush.Hatch(), px, py)) return TargetPixel(brush.Color());
      skip = FState.BkMode == TRANSPARENT;
      return TargetPixel(FState.BkColor);
    case BS_PATTERN: {
      const Bitmap& pattern = *brush.Pattern();
      const TPixel p = pattern.At(Mod(px, pattern.Width()), Mod(py, pattern.Height()));
      if (pattern.IsMonochrome()) return TargetPixel(p ? FState.BkColor : FState.TextColor);
      return FTarget->Quantize(p & ColorMask);
    }
    default: return TargetPixel(brush.Color());
  }
}

void DeviceContext::FillRectWithBrush(const TRect& targetRect, const Brush& brush, int rop2) {
  if (brush.IsNull()) return;
  if (brush.Style() == BS_SOLID) return FillRect(targetRect, TargetPixel(brush.Color()), rop2);
  FillRegionWithBrush(Region(targetRect), brush, rop2);
}

void DeviceContext::FillRegionWithBrush(const Region& targetRegion, const Brush& brush, int rop2) {
  if (brush.IsNull() || rop2 == R2_NOP) return;
  const Region& clip = EffectiveClip();
  if (!clip.Bounds().Intersects(targetRegion.Bounds())) return;
  const Region area = targetRegion.Intersected(clip);
  if (brush.Style() == BS_SOLID) {
    const TPixel color = TargetPixel(brush.Color());
    for (const TRect& r : area.Rects())
      for (int y = r.Top; y < r.Bottom; ++y) MixRun(FTarget->Row(y), r.Left, r.Right, color, rop2);
    return;
  }
  for (const TRect& r : area.Rects()) {
    for (int y = r.Top; y < r.Bottom; ++y) {
      TPixel* row = FTarget->Row(y);
      for (int x = r.Left; x < r.Right; ++x) {
        bool skip = false;
        const TPixel p = BrushPixel(brush, x, y, skip);
        if (!skip) row[x] = rop2 == R2_COPYPEN ? p : FTarget->Quantize(Rop2(rop2, p, row[x]));
      }
    }
  }
}

void DeviceContext::PlotPixel(int x, int y, COLORREF color) {
  const TPoint t = ToTarget(TPoint{x, y});
  FillSpan(t.Y, t.X, t.X + 1, TargetPixel(color), FState.Rop2);
}

void DeviceContext::BlendPixel(int x, int y, COLORREF color, Byte coverage, const TRect* clipLogical) {
  BlendSpan(x, y, &coverage, 1, color, clipLogical);
}

void DeviceContext::BlendSpan(int x, int y, const Byte* coverage, int count, COLORREF color, const TRect* clipLogical) {
  if (!coverage || count <= 0) return;
  const TPoint t = ToTarget(TPoint{x, y});
  int x0 = t.X, x1 = t.X + count;
  if (clipLogical) {
    const TRect c = ToTarget(*clipLogical);
    if (t.Y < c.Top || t.Y >= c.Bottom) return;
    x0 = std::max(x0, c.Left);
    x1 = std::min(x1, c.Right);
  }
  const TPixel src = PixelFromColorRef(color & 0x00FFFFFF);
  for (const TRect& r : EffectiveClip().BandAt(t.Y)) {
    const int a = std::max(x0, r.Left), b = std::min(x1, r.Right);
    TPixel* row = a < b ? FTarget->Row(t.Y) : nullptr;
    for (int px = a; px < b; ++px) {
      const Byte cov = coverage[px - t.X];
      if (cov == 0) continue;
      row[px] = FTarget->Quantize(cov == 255 ? src : BlendPixels(row[px], src, cov));
    }
  }
}

// The classic calls.

namespace {

DeviceContext* Dc(HDC dc) { return DeviceContext::IsLive(dc) ? dc : nullptr; }

// The area a DC may draw on, in device coordinates, for clip operations that
// start from "no clip".
Region WholeSurface(const DeviceContext& dc) {
  if (dc.State().Clip) return *dc.State().Clip;
  Region all = dc.EffectiveClip();
  all.Offset(-dc.DeviceOrigin().X, -dc.DeviceOrigin().Y);
  return Region(all.Bounds());
}

template <class T, class Get, class Set>
T Exchange(HDC hdc, T value, T failed, Get get, Set set) {
  DeviceContext* dc = Dc(hdc);
  if (!dc) return failed;
  const T old = get(dc->State());
  set(*dc, value);
  return old;
}

TRect LogicalToDevice(const DeviceContext& dc, const TRect& r) {
  const DcState& s = dc.State();
  return r.Normalized().Translated(s.ViewportOrg.X - s.WindowOrg.X, s.ViewportOrg.Y - s.WindowOrg.Y);
}

bool ReportPoint(POINT* out, TPoint value) {
  if (out) *out = value;
  return true;
}

}  // namespace

HDC CreateCompatibleDC(HDC) {
  auto dc = std::make_unique<DeviceContext>();
  HDC handle = dc.get();
  OwnedDCs().emplace(handle, std::move(dc));
  return handle;
}

HDC CreateDC(const char* driver, const char*, const char*, const void*) {
  if (driver == nullptr || !SameText(driver, "DISPLAY")) return nullptr;
  auto dc = std::make_unique<DeviceContext>(nullptr, TPoint{}, Region());
  HDC handle = dc.get();
  OwnedDCs().emplace(handle, std::move(dc));
  return handle;
}

bool DeleteDC(HDC dc) { return OwnedDCs().erase(dc) > 0; }

int SaveDC(HDC hdc) {
  DeviceContext* dc = Dc(hdc);
  return dc ? dc->Save() : 0;
}

bool RestoreDC(HDC hdc, int level) {
  DeviceContext* dc = Dc(hdc);
  return dc && dc->Restore(level);
}

COLORREF SetBkColor(HDC dc, COLORREF color) {
  return Exchange(
      dc, color & 0x00FFFFFF, CLR_INVALID, [](const DcState& s) { return s.BkColor; },
      [](DeviceContext& d, COLORREF v) { d.SetBkColor(v); });
}
COLORREF GetBkColor(HDC dc) { return Dc(dc) ? dc->State().BkColor : CLR_INVALID; }

int SetBkMode(HDC dc, int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) return 0;
  return Exchange(
      dc, mode, 0, [](const DcState& s) { return s.BkMode; }, [](DeviceContext& d, int v) { d.SetBkMode(v); });
}
int GetBkMode(HDC dc) { return Dc(dc) ? dc->State().BkMode : 0; }

COLORREF SetTextColor(HDC dc, COLORREF color) {
  return Exchange(
      dc, color & 0x00FFFFFF, CLR_INVALID, [](const DcState& s) { return s.TextColor; },
      [](DeviceContext& d, COLORREF v) { d.SetTextColor(v); });
}
COLORREF GetTextColor(HDC dc) { return Dc(dc) ? dc->State().TextColor : CLR_INVALID; }

UINT SetTextAlign(HDC dc, UINT align) {
  return Exchange(
      dc, align, static_cast<UINT>(GDI_ERROR), [](const DcState& s) { return s.TextAlign; },
      [](DeviceContext& d, UINT v) { d.SetTextAlign(v); });
}
UINT GetTextAlign(HDC dc) { return Dc(dc) ? dc->State().TextAlign : static_cast<UINT>(GDI_ERROR); }

int SetROP2(HDC dc, int rop2) {
  if (rop2 < R2_BLACK || rop2 > R2_WHITE) return 0;
  return Exchange(
      dc, rop2, 0, [](const DcState& s) { return s.Rop2; }, [](DeviceContext& d, int v) { d.SetRop2(v); });
}
int GetROP2(HDC dc) { return Dc(dc) ? dc->State().Rop2 : 0; }

int SetStretchBltMode(HDC dc, int mode) {
  if (mode < BLACKONWHITE || mode > HALFTONE) return 0;
  return Exchange(
      dc, mode, 0, [](const DcState& s) { return s.StretchMode; },
      [](DeviceContext& d, int v) { d.SetStretchMode(v); });
}
int GetStretchBltMode(HDC dc) { return Dc(dc) ? dc->State().StretchMode : 0; }

int SetPolyFillMode(HDC dc, int mode) {
  if (mode != ALTERNATE && mode != WINDING) return 0;
  return Exchange(
      dc, mode, 0, [](const DcState& s) { return s.PolyFillMode; },
      [](DeviceContext& d, int v) { d.SetPolyFillMode(v); });
}
int GetPolyFillMode(HDC dc) { return Dc(dc) ? dc->State().PolyFillMode : 0; }

int SetMapMode(HDC dc, int mode) { return Dc(dc) && mode == MM_TEXT ? MM_TEXT : 0; }
int GetMapMode(HDC dc) { return Dc(dc) ? MM_TEXT : 0; }

bool SetWindowOrgEx(HDC hdc, int x, int y, POINT* old) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !CoordinatesInRange({x, y})) return false;
  ReportPoint(old, dc->State().WindowOrg);
  dc->SetWindowOrg({x, y});
  return true;
}
bool GetWindowOrgEx(HDC dc, POINT* org) { return Dc(dc) && ReportPoint(org, dc->State().WindowOrg); }
bool OffsetWindowOrgEx(HDC hdc, int dx, int dy, POINT* old) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !CoordinatesInRange({dx, dy})) return false;
  const TPoint org = dc->State().WindowOrg;
  return SetWindowOrgEx(hdc, org.X + dx, org.Y + dy, old);
}
bool SetViewportOrgEx(HDC hdc, int x, int y, POINT* old) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !CoordinatesInRange({x, y})) return false;
  ReportPoint(old, dc->State().ViewportOrg);
  dc->SetViewportOrg({x, y});
  return true;
}
bool GetViewportOrgEx(HDC dc, POINT* org) { return Dc(dc) && ReportPoint(org, dc->State().ViewportOrg); }
bool OffsetViewportOrgEx(HDC hdc, int dx, int dy, POINT* old) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !CoordinatesInRange({dx, dy})) return false;
  const TPoint org = dc->State().ViewportOrg;
  return SetViewportOrgEx(hdc, org.X + dx, org.Y + dy, old);
}
bool SetBrushOrgEx(HDC hdc, int x, int y, POINT* old) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !CoordinatesInRange({x, y})) return false;
  ReportPoint(old, dc->State().BrushOrg);
  dc->SetBrushOrg({x, y});
  return true;
}
bool GetBrushOrgEx(HDC dc, POINT* org) { return Dc(dc) && ReportPoint(org, dc->State().BrushOrg); }
bool GetCurrentPositionEx(HDC dc, POINT* pos) { return Dc(dc) && ReportPoint(pos, dc->State().CurrentPos); }

bool LPtoDP(HDC hdc, POINT* points, int count) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || (!points && count > 0) || count < 0) return false;
  const DcState& s = dc->State();
  for (int i = 0; i < count; ++i)
    if (!CoordinatesInRange({points[i].X, points[i].Y})) return false;
  for (int i = 0; i < count; ++i) points[i] = points[i] - s.WindowOrg + s.ViewportOrg;
  return true;
}

bool DPtoLP(HDC hdc, POINT* points, int count) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || (!points && count > 0) || count < 0) return false;
  const DcState& s = dc->State();
  for (int i = 0; i < count; ++i)
    if (!CoordinatesInRange({points[i].X, points[i].Y})) return false;
  for (int i = 0; i < count; ++i) points[i] = points[i] - s.ViewportOrg + s.WindowOrg;
  return true;
}

int GetDeviceCaps(HDC hdc, int index) {
  DeviceContext* dc = Dc(hdc);
  if (!dc) return 0;
  const Bitmap* target = dc->Target();
  if (!dc->IsMemoryDC()) {
    switch (index) {
      case BITSPIXEL: return DisplayMode().BitsPerPixel;
      case HORZRES: return DisplayMode().Width;
      case VERTRES: return DisplayMode().Height;
      case VREFRESH: return DisplayMode().RefreshRate;
      default: break;
    }
  }
  switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    case BITSPIXEL: return target ? target->BitsPerPixel() : 32;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case HORZRES: return target ? target->Width() : 0;
    case VERTRES: return target ? target->Height() : 0;
    default: return 0;
  }
}

int SelectClipRgn(HDC dc, HRGN region) { return ExtSelectClipRgn(dc, region, RGN_COPY); }

int ExtSelectClipRgn(HDC hdc, HRGN region, int mode) {
  DeviceContext* dc = Dc(hdc);
  if (!dc) return ERROR;
  const Region* given = region ? GdiObjectTable::As<Region>(region, OBJ_REGION) : nullptr;
  if (region && !given) return ERROR;
  if (!given) {
    if (mode != RGN_COPY) return ERROR;
    dc->SetClip(std::nullopt);
  } else {
    const Region current = WholeSurface(*dc);
    switch (mode) {
      case RGN_COPY: dc->SetClip(*given); break;
      case RGN_AND: dc->SetClip(current.Intersected(*given)); break;
      case RGN_OR: dc->SetClip(current.United(*given)); break;
      case RGN_XOR: dc->SetClip(current.Xored(*given)); break;
      case RGN_DIFF: dc->SetClip(current.Subtracted(*given)); break;
      default: return ERROR;
    }
  }
  return dc->EffectiveClip().Kind();
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !CoordinatesInRange({left, top, right, bottom})) return ERROR;
  dc->SetClip(WholeSurface(*dc).Intersected(LogicalToDevice(*dc, {left, top, right, bottom})));
  return dc->EffectiveClip().Kind();
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !CoordinatesInRange({left, top, right, bottom})) return ERROR;
  dc->SetClip(WholeSurface(*dc).Subtracted(Region(LogicalToDevice(*dc, {left, top, right, bottom}))));
  return dc->EffectiveClip().Kind();
}

int OffsetClipRgn(HDC hdc, int dx, int dy) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !CoordinatesInRange({dx, dy})) return ERROR;
  if (dc->State().Clip) {
    Region moved = *dc->State().Clip;
    moved.Offset(dx, dy);
    dc->SetClip(std::move(moved));
  }
  return dc->EffectiveClip().Kind();
}

int GetClipBox(HDC hdc, RECT* box) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !box) return ERROR;
  *box = dc->ClipBoxLogical();
  return dc->EffectiveClip().Kind();
}

int GetClipRgn(HDC hdc, HRGN region) {
  DeviceContext* dc = Dc(hdc);
  Region* out = GdiObjectTable::As<Region>(region, OBJ_REGION);
  if (!dc || !out) return -1;
  if (!dc->State().Clip) return 0;
  *out = *dc->State().Clip;
  return 1;
}

bool PtVisible(HDC hdc, int x, int y) {
  DeviceContext* dc = Dc(hdc);
  return dc && dc->EffectiveClip().Contains(dc->ToTarget(TPoint{x, y}));
}

bool RectVisible(HDC hdc, const RECT* rect) {
  DeviceContext* dc = Dc(hdc);
  return dc && rect && dc->EffectiveClip().Intersects(dc->ToTarget(rect->Normalized()));
}

}  // namespace plat
