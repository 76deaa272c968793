#pragma once
// A region: disjoint rectangles in y-x bands. Rectangles of a band share Top
// and Bottom, are sorted by Left and never touch; bands are sorted by Top and
// neighbouring bands with the same spans are merged, so equal areas have
// equal rectangle lists. Also the HRGN object.
#include <span>
#include <utility>
#include <vector>

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Geometry.h"

namespace plat {

class Region : public GdiObject {
 public:
  Region() = default;
  explicit Region(const TRect& rect);

  // Shapes, with the classic exclusive right and bottom edges.
  static Region FromRects(std::span<const TRect> rects);
  static Region Ellipse(const TRect& bounds);
  static Region RoundRect(const TRect& bounds, int ellipseWidth, int ellipseHeight);
  static Region Polygon(std::span<const TPoint> points, int fillMode);
  // From the spans of consecutive rows: rows[i] holds row top + i as sorted,
  // disjoint [first, second) pairs.
  static Region FromRowSpans(int top, const std::vector<std::vector<std::pair<int, int>>>& rows);

  DWORD ObjectType() const override { return OBJ_REGION; }
  int Describe(int size, void* buffer) const override;

  const std::vector<TRect>& Rects() const { return FRects; }
  bool IsEmpty() const { return FRects.empty(); }
  TRect Bounds() const { return FBounds; }
  // NULLREGION, SIMPLEREGION or COMPLEXREGION.
  int Kind() const;

  Region United(const Region& other) const;
  Region Intersected(const Region& other) const;
  Region Subtracted(const Region& other) const;
  Region Xored(const Region& other) const;
  Region Intersected(const TRect& rect) const;
  void Offset(int dx, int dy);

  bool Contains(TPoint p) const;
  bool Intersects(const TRect& rect) const;
  bool operator==(const Region& other) const { return FRects == other.FRects; }

  // The spans (rectangles) of the band that holds row y, or an empty span.
  std::span<const TRect> BandAt(int y) const;

 private:
  enum class Op { Or, And, Diff, Xor };
  Region Combine(const Region& other, Op op) const;
  void Finish();  // recomputes the bounds

  std::vector<TRect> FRects;
  TRect FBounds;
};

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN CreateEllipticRgnIndirect(const RECT* rect);
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);
// Region results: NULLREGION, SIMPLEREGION, COMPLEXREGION, or ERROR.
int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode);
int OffsetRgn(HRGN region, int dx, int dy);
int GetRgnBox(HRGN region, RECT* box);
bool SetRectRgn(HRGN region, int left, int top, int right, int bottom);
bool PtInRegion(HRGN region, int x, int y);
bool RectInRegion(HRGN region, const RECT* rect);
bool EqualRgn(HRGN a, HRGN b);

}  // namespace plat
