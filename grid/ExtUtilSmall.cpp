#include "grid/ExtUtilSmall.h"

#include "platform/rtl/StringUtils.h"

namespace zorbit {

int ClampToRange(int Value, int Low, int High) {
  if (Low == High) return Value;
  if (Value < Low && Low > 0) return Low;
  if (Value > High && High > 0) return High;
  return Value;
}

int MaxInt2(int A, int B) { return A > B ? A : B; }

int MinInt2(int A, int B) { return A < B ? A : B; }

int PosWithResult(const plat::String& Sub, const plat::String& Text, int& Position) {
  Position = plat::Pos(Sub, Text);
  return Position;
}

int PosInUpperCase(const plat::String& Sub, const plat::String& Text) {
  return plat::Pos(plat::AnsiUpperCase(Sub), plat::AnsiUpperCase(Text));
}

bool PointInGridRect(int Col, int Row, const plat::TRect& GridRect) {
  return Col >= GridRect.Left && Col <= GridRect.Right && Row >= GridRect.Top && Row <= GridRect.Bottom;
}

plat::String FillWithChar(char C, int Count) { return Count > 0 ? plat::String(Count, C) : plat::String(); }

}  // namespace zorbit
