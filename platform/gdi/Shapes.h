#pragma once
// Lines, shapes, fills and single pixels. Outlines use the selected pen and
// the DC's ROP2, interiors the selected brush. Lines leave out their end
// point; a pen of width 0 or 1 is one pixel wide; wider pens draw inside a
// closed shape's bounds. Shapes are right/bottom exclusive, and one pixel
// smaller on those sides with the null pen.
#include "platform/gdi/DeviceContext.h"

namespace plat {

bool MoveToEx(HDC dc, int x, int y, POINT* old);
bool LineTo(HDC dc, int x, int y);
bool Polyline(HDC dc, const POINT* points, int count);
bool Polygon(HDC dc, const POINT* points, int count);
bool Rectangle(HDC dc, int left, int top, int right, int bottom);
bool RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
bool Ellipse(HDC dc, int left, int top, int right, int bottom);
// The part of the ellipse's outline counter-clockwise from the ray through
// (xStart, yStart) to the ray through (xEnd, yEnd); equal rays: all of it.
bool Arc(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
// The same sector filled, with its two radii.
bool Pie(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);

// Fills from (x, y) with the brush: up to the colour (FLOODFILLBORDER) or
// over the area of that colour (FLOODFILLSURFACE).
bool FloodFill(HDC dc, int x, int y, COLORREF color);
bool ExtFloodFill(HDC dc, int x, int y, COLORREF color, UINT type);

// Brush fills without the ROP2 (pattern copies). A brush may also be
// reinterpret_cast<HBRUSH>(COLOR_xxx + 1) for a system colour.
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
bool InvertRect(HDC dc, const RECT* rect);
bool FillRgn(HDC dc, HRGN region, HBRUSH brush);
bool FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height);
bool PaintRgn(HDC dc, HRGN region);  // with the selected brush
bool InvertRgn(HDC dc, HRGN region);

// The colour set, or CLR_INVALID outside the clip.
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC dc, int x, int y);

using COLOR16 = Word;
struct TRIVERTEX {
  std::int32_t x;
  std::int32_t y;
  COLOR16 Red;
  COLOR16 Green;
  COLOR16 Blue;
  COLOR16 Alpha;
};
struct GRADIENT_RECT {
  DWORD UpperLeft;
  DWORD LowerRight;
};
struct GRADIENT_TRIANGLE {
  DWORD Vertex1;
  DWORD Vertex2;
  DWORD Vertex3;
};
// mesh points to GRADIENT_RECTs or GRADIENT_TRIANGLEs by mode; every index
// is checked against the vertex count.
bool GradientFill(HDC dc, const TRIVERTEX* vertices, DWORD vertexCount, const void* mesh, DWORD meshCount, DWORD mode);

}  // namespace plat
