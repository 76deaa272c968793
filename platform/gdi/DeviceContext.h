#pragma once
// Device contexts. A DC draws on a surface: a target bitmap, the place of
// device (0, 0) in it, and a system clip region (device coordinates) beyond
// which nothing is drawn. A memory DC's surface is the bitmap selected into
// it; the window layer gives a DC onto a window's part of a backing bitmap.
// Logical coordinates map to device ones by the window and viewport origins
// (pixels only); the clip region that callers set is in device coordinates.
#include <optional>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Region.h"

namespace plat {

// The part of a DC that SaveDC keeps.
struct DcState {
  HPEN Pen = nullptr;
  HBRUSH Brush = nullptr;
  HFONT Font = nullptr;
  HBITMAP SelectedBitmap = nullptr;  // memory DCs only
  std::optional<Region> Clip;        // device coordinates; none = no clip
  TPoint WindowOrg;
  TPoint ViewportOrg;
  TPoint BrushOrg;
  TPoint CurrentPos;
  COLORREF TextColor = 0x000000;
  COLORREF BkColor = 0xFFFFFF;
  int BkMode = OPAQUE;
  UINT TextAlign = TA_TOP | TA_LEFT;
  int Rop2 = R2_COPYPEN;
  int StretchMode = BLACKONWHITE;
  int PolyFillMode = ALTERNATE;
};

class DeviceContext {
 public:
  // A memory DC holding the stock 1x1 monochrome bitmap, the stock black pen,
  // white brush and system font.
  DeviceContext();
  // A DC onto a surface owned elsewhere (the window layer's).
  DeviceContext(Bitmap* target, TPoint deviceOrigin, const Region& systemClip);
  ~DeviceContext();
  DeviceContext(const DeviceContext&) = delete;
  DeviceContext& operator=(const DeviceContext&) = delete;

  static bool IsLive(const DeviceContext* dc);

  bool IsMemoryDC() const { return FMemory; }
  Bitmap* Target() const { return FTarget; }
  TPoint DeviceOrigin() const { return FDeviceOrigin; }
  // Moves a surface DC (window moved, resized or its backing bitmap remade).
  void SetSurface(Bitmap* target, TPoint deviceOrigin, const Region& systemClip);

  const DcState& State() const { return FState; }
  // Changes through here keep the caches right; use the setters below.
  void SetClip(std::optional<Region> deviceClip);
  void SetWindowOrg(TPoint org) { FState.WindowOrg = org; }
  void SetViewportOrg(TPoint org) { FState.ViewportOrg = org; }
  void SetBrushOrg(TPoint org) { FState.BrushOrg = org; }
  void SetCurrentPos(TPoint p) { FState.CurrentPos = p; }
  void SetTextColor(COLORREF c) { FState.TextColor = c; }
  void SetBkColor(COLORREF c) { FState.BkColor = c; }
  void SetBkMode(int mode) { FState.BkMode = mode; }
  void SetTextAlign(UINT align) { FState.TextAlign = align; }
  void SetRop2(int rop2) { FState.Rop2 = rop2; }
  void SetStretchMode(int mode) { FState.StretchMode = mode; }
  void SetPolyFillMode(int mode) { FState.PolyFillMode = mode; }

  // Selects a live object of a selectable kind; returns the previous one of
  // that kind, or null when refused (a bitmap already in another DC, a bitmap
  // into a surface DC).
  HGDIOBJ Select(HGDIOBJ object);
  // SaveDC / RestoreDC: levels count from 1; a negative level is relative.
  int Save();
  bool Restore(int level);

  // Logical to target bitmap coordinates.
  int OffsetX() const { return FDeviceOrigin.X + FState.ViewportOrg.X - FState.WindowOrg.X; }
  int OffsetY() const { return FDeviceOrigin.Y + FState.ViewportOrg.Y - FState.WindowOrg.Y; }
  TPoint ToTarget(const TPoint& p) const { return {p.X + OffsetX(), p.Y + OffsetY()}; }
  TRect ToTarget(const TRect& r) const { return r.Translated(OffsetX(), OffsetY()); }
  // Where drawing may land, in target bitmap coordinates: the surface's
  // system clip, the caller's clip and the bitmap, intersected.
  const Region& EffectiveClip() const;
  // The clip box in logical coordinates.
  TRect ClipBoxLogical() const;

  // Raster primitives (target coordinates, clipped by EffectiveClip).
  void FillSpan(int y, int x0, int x1, TPixel color, int rop2);
  void FillRect(const TRect& targetRect, TPixel color, int rop2);
  // Fills with the brush (pattern aligned to the brush origin) and the mix.
  void FillRectWithBrush(const TRect& targetRect, const Brush& brush, int rop2);
  void FillRegionWithBrush(const Region& targetRegion, const Brush& brush, int rop2);

  // For text and other callers in logical coordinates: plot with the DC's
  // ROP2, or blend by coverage (0..255) with no mix. clipLogical, when given,
  // narrows the clip further.
  void PlotPixel(int x, int y, COLORREF color);
  void BlendPixel(int x, int y, COLORREF color, Byte coverage, const TRect* clipLogical = nullptr);
  void BlendSpan(int x, int y, const Byte* coverage, int count, COLORREF color, const TRect* clipLogical = nullptr);

  // The brush's pixel at a target position (hatch gaps give the background
  // colour), for raster operations that mix a pattern.
  TPixel PatternPixel(const Brush& brush, int x, int y) const {
    bool skip = false;
    return BrushPixel(brush, x, y, skip);
  }

  // The colour a pen, brush or text colour stores on this DC's target
  // (black or white on a monochrome bitmap).
  TPixel TargetPixel(COLORREF color) const;

 private:
  void SelectDefaults();
  void Release(GdiObject* object);
  void Retain(GdiObject* object);
  void RetainState(const DcState& state);
  void ReleaseState(const DcState& state);
  void SurfaceChanged();
  TPixel BrushPixel(const Brush& brush, int x, int y, bool& skip) const;
  // Mixes one colour into row[x0, x1) of the target.
  void MixRun(TPixel* row, int x0, int x1, TPixel color, int rop2) const;

  bool FMemory;
  Bitmap* FTarget = nullptr;
  TPoint FDeviceOrigin;
  Region FSystemClip;  // device coordinates
  DcState FState;
  std::vector<DcState> FSaved;
  mutable std::optional<Region> FEffectiveClip;
  mutable TSize FClipTargetSize;  // the target's size when the clip was worked out
};

// Memory DCs (the dc argument is only a format reference).
HDC CreateCompatibleDC(HDC dc);
bool DeleteDC(HDC dc);
int SaveDC(HDC dc);
bool RestoreDC(HDC dc, int level);

COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
UINT SetTextAlign(HDC dc, UINT align);
UINT GetTextAlign(HDC dc);
int SetROP2(HDC dc, int rop2);
int GetROP2(HDC dc);
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);
int SetPolyFillMode(HDC dc, int mode);
int GetPolyFillMode(HDC dc);
int SetMapMode(HDC dc, int mode);  // MM_TEXT only
int GetMapMode(HDC dc);

bool SetWindowOrgEx(HDC dc, int x, int y, POINT* old);
bool GetWindowOrgEx(HDC dc, POINT* org);
bool OffsetWindowOrgEx(HDC dc, int dx, int dy, POINT* old);
bool SetViewportOrgEx(HDC dc, int x, int y, POINT* old);
bool GetViewportOrgEx(HDC dc, POINT* org);
bool OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* old);
bool SetBrushOrgEx(HDC dc, int x, int y, POINT* old);
bool GetBrushOrgEx(HDC dc, POINT* org);
bool GetCurrentPositionEx(HDC dc, POINT* pos);
bool LPtoDP(HDC dc, POINT* points, int count);
bool DPtoLP(HDC dc, POINT* points, int count);
// A DC on the display, without a surface to draw on: driver must be
// "DISPLAY"; there is one display, so the other arguments are not looked at.
// Freed by DeleteDC.
HDC CreateDC(const char* driver, const char* device = nullptr, const char* output = nullptr,
             const void* initData = nullptr);
// 96 DPI, one plane. A DC on the display (not a memory DC) reports the
// display's mode (DisplayMode.h) as HORZRES, VERTRES, VREFRESH and BITSPIXEL;
// a memory DC its bitmap's size and depth, and no refresh rate.
int GetDeviceCaps(HDC dc, int index);

// Clipping. Regions given are copied; results are region kinds or ERROR.
int SelectClipRgn(HDC dc, HRGN region);
int ExtSelectClipRgn(HDC dc, HRGN region, int mode);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int OffsetClipRgn(HDC dc, int dx, int dy);
int GetClipBox(HDC dc, RECT* box);
// 1 and a copy of the clip in region when there is one, 0 when none, -1 on error.
int GetClipRgn(HDC dc, HRGN region);
bool PtVisible(HDC dc, int x, int y);
bool RectVisible(HDC dc, const RECT* rect);

}  // namespace plat
