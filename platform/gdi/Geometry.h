#pragma once
// Geometry value types. Rectangles are half-open: Right and Bottom lie just
// outside, as everywhere in the drawing layer.
#include <algorithm>
#include <initializer_list>

namespace plat {

struct TPoint {
  int X = 0;
  int Y = 0;

  friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
  constexpr TPoint operator+(const TPoint& o) const { return {X + o.X, Y + o.Y}; }
  constexpr TPoint operator-(const TPoint& o) const { return {X - o.X, Y - o.Y}; }
};

struct TSize {
  int cx = 0;
  int cy = 0;

  friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  friend constexpr bool operator==(const TRect&, const TRect&) = default;

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr TPoint TopLeft() const { return {Left, Top}; }
  constexpr TPoint BottomRight() const { return {Right, Bottom}; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  constexpr bool Contains(const TPoint& p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
  constexpr bool Contains(const TRect& r) const {
    return r.Left >= Left && r.Right <= Right && r.Top >= Top && r.Bottom <= Bottom;
  }
  constexpr bool Intersects(const TRect& r) const { return !Intersected(r).IsEmpty(); }

  // The common part; empty rectangles normalise to all zeros.
  constexpr TRect Intersected(const TRect& r) const {
    TRect out{std::max(Left, r.Left), std::max(Top, r.Top), std::min(Right, r.Right), std::min(Bottom, r.Bottom)};
    return out.IsEmpty() ? TRect{} : out;
  }
  // The smallest rectangle holding both; an empty side does not count.
  constexpr TRect United(const TRect& r) const {
    if (IsEmpty()) return r.IsEmpty() ? TRect{} : r;
    if (r.IsEmpty()) return *this;
    return {std::min(Left, r.Left), std::min(Top, r.Top), std::max(Right, r.Right), std::max(Bottom, r.Bottom)};
  }
  constexpr TRect Translated(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
  constexpr TRect Inflated(int dx, int dy) const { return {Left - dx, Top - dy, Right + dx, Bottom + dy}; }
  // Left <= Right and Top <= Bottom.
  constexpr TRect Normalized() const {
    return {std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right), std::max(Top, Bottom)};
  }
};

// Drawing calls refuse logical coordinates and sizes beyond +-2^27, so sums
// of coordinates, origins and sizes never overflow.
constexpr int MaxCoordinate = 1 << 27;
constexpr bool CoordinatesInRange(std::initializer_list<int> values) {
  for (int v : values)
    if (v < -MaxCoordinate || v > MaxCoordinate) return false;
  return true;
}
constexpr bool CoordinatesInRange(const TRect& r) { return CoordinatesInRange({r.Left, r.Top, r.Right, r.Bottom}); }

using POINT = TPoint;
using SIZE = TSize;
using RECT = TRect;

constexpr TPoint Point(int x, int y) { return {x, y}; }
constexpr TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
constexpr TRect Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// The classic rectangle routines; those that report do so through their result.
inline void SetRect(RECT* r, int left, int top, int right, int bottom) { *r = {left, top, right, bottom}; }
inline void SetRectEmpty(RECT* r) { *r = {}; }
inline void OffsetRect(RECT* r, int dx, int dy) { *r = r->Translated(dx, dy); }
inline void InflateRect(RECT* r, int dx, int dy) { *r = r->Inflated(dx, dy); }
inline bool IsRectEmpty(const RECT* r) { return r->IsEmpty(); }
inline bool EqualRect(const RECT* a, const RECT* b) { return *a == *b; }
inline bool PtInRect(const RECT* r, POINT p) { return r->Contains(p); }
inline bool IntersectRect(RECT* dst, const RECT* a, const RECT* b) {
  *dst = a->Intersected(*b);
  return !dst->IsEmpty();
}
inline bool UnionRect(RECT* dst, const RECT* a, const RECT* b) {
  *dst = a->United(*b);
  return !dst->IsEmpty();
}

}  // namespace plat
