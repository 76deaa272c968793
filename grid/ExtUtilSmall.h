#pragma once
// Small helpers of the grid family: ranges, positions and filled texts.
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Types.h"

namespace zorbit {

// Value, unless it lies below Low with Low above 0 (then Low) or above High
// with High above 0 (then High). Equal limits leave Value as it is.
int ClampToRange(int Value, int Low, int High);
int MaxInt2(int A, int B);
int MinInt2(int A, int B);

// Pos of Sub in Text, also stored in Position.
int PosWithResult(const plat::String& Sub, const plat::String& Text, int& Position);
// Pos of Sub in Text with both upper-cased (every letter), so without regard
// to case.
int PosInUpperCase(const plat::String& Sub, const plat::String& Text);

// Whether the cell (Col, Row) lies in a grid rectangle, whose edges belong
// to it (Right and Bottom are the last column and row).
bool PointInGridRect(int Col, int Row, const plat::TRect& GridRect);

// Count copies of C; empty for a count below 1.
plat::String FillWithChar(char C, int Count);

}  // namespace zorbit
