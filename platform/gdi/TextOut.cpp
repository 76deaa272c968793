#include "platform/gdi/TextOut.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/gdi/CodePoints.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/RealizedFont.h"
#include "platform/gdi/TextPainter.h"

namespace plat {

namespace {

bool InRange(int value) { return value >= -MaxTextCoordinate && value <= MaxTextCoordinate; }

int ClampToRange(long long value) {
  return static_cast<int>(std::clamp<long long>(value, -MaxTextCoordinate, MaxTextCoordinate));
}

// The advance of each code point: the font's, or the sum of the caller's
// per-unit advances over the units of that code point.
std::vector<int> AdvancesOf(RealizedFont& font, const CodePointText& text, const int* dx) {
  std::vector<int> advances(text.Points.size());
  for (std::size_t i = 0; i < text.Points.size(); ++i) {
    if (dx == nullptr) {
      advances[i] = font.AdvanceOf(text.Points[i]);
      continue;
    }
    long long sum = 0;
    for (int unit = text.UnitIndex[i]; unit < text.UnitIndex[i + 1]; ++unit) sum += ClampToRange(dx[unit]);
    advances[i] = ClampToRange(sum);
  }
  return advances;
}

int TotalOf(const std::vector<int>& advances) {
  long long total = 0;
  for (int advance : advances) total += advance;
  return ClampToRange(total);
}

bool ExtTextOutPoints(HDC hdc, int x, int y, UINT options, const RECT* rect, const CodePointText& text, const int* dx) {
  Font* font = SelectedFont(hdc);
  if (font == nullptr) return false;
  DeviceContext& dc = *hdc;
  const DcState& state = dc.State();
  const UINT align = state.TextAlign;
  if (align & TA_UPDATECP) x = state.CurrentPos.X, y = state.CurrentPos.Y;
  if (!InRange(x) || !InRange(y)) return false;
  if (rect != nullptr &&
      !(InRange(rect->Left) && InRange(rect->Top) && InRange(rect->Right) && InRange(rect->Bottom))) {
    return false;
  }
  RealizedFont& realized = font->Realized();
  realized.TrimCache();
  const TEXTMETRICW& metrics = realized.Metrics();
  const std::vector<int> advances = AdvancesOf(realized, text, dx);
  const int width = TotalOf(advances);

  int u = 0;
  if ((align & TA_CENTER) == TA_CENTER) {
    u = -width / 2;
  } else if ((align & TA_CENTER) == TA_RIGHT) {
    u = -width;
  }
  int baseline = metrics.tmAscent;
  if ((align & TA_BASELINE) == TA_BASELINE) {
    baseline = 0;
  } else if ((align & TA_BASELINE) == TA_BOTTOM) {
    baseline = -metrics.tmDescent;
  }

  const bool clipped = rect != nullptr && (options & ETO_CLIPPED) != 0;
  TextPainter painter(dc, *font, clipped ? rect : nullptr);
  const TPoint origin{x, y};
  if (rect != nullptr && (options & ETO_OPAQUE) != 0) {
    painter.FillRect(*rect, state.BkColor);
  }
  // The text's own box lies inside a clipped opaque rectangle already filled.
  const bool boxFilled = clipped && (options & ETO_OPAQUE) != 0;
  if (state.BkMode == OPAQUE && !boxFilled) {
    painter.FillFrame(origin, {u, baseline - metrics.tmAscent, u + width, baseline + metrics.tmDescent}, state.BkColor);
  }
  painter.PaintGlyphs(origin, u, baseline, text.Points, advances, state.TextColor);
  painter.PaintDecorations(origin, u, u + width, baseline, state.TextColor);

  if (align & TA_UPDATECP) {
    // The current position moves to the far end of the text.
    int step = 0;
    if ((align & TA_CENTER) == TA_LEFT) step = width;
    if ((align & TA_CENTER) == TA_RIGHT) step = -width;
    const TPoint move = realized.Direction().Map(step, 0);
    dc.SetCurrentPos(
        {ClampToRange(static_cast<long long>(x) + move.X), ClampToRange(static_cast<long long>(y) + move.Y)});
  }
  return true;
}

bool ExtentPoints(HDC hdc, const CodePointText& text, int maxExtent, int* fit, int* dx, SIZE* size) {
  Font* font = SelectedFont(hdc);
  if (font == nullptr) return false;
  RealizedFont& realized = font->Realized();
  realized.TrimCache();
  long long extent = 0;
  int fitting = 0;
  for (std::size_t i = 0; i < text.Points.size(); ++i) {
    extent = std::min<long long>(extent + realized.AdvanceOf(text.Points[i]), MaxTextCoordinate);
    if (extent <= maxExtent) fitting = text.UnitIndex[i + 1];
    if (dx != nullptr) {
      for (int unit = text.UnitIndex[i]; unit < text.UnitIndex[i + 1]; ++unit) dx[unit] = static_cast<int>(extent);
    }
  }
  if (fit != nullptr) *fit = fitting;
  if (size != nullptr) *size = {static_cast<int>(extent), realized.Metrics().tmHeight};
  return true;
}

// Counts come as signed or unsigned; both must describe real text.
template <typename Char>
bool ValidText(const Char* text, long long count) {
  return count >= 0 && count <= 0x7FFFFFFF && (count == 0 || text != nullptr);
}

CodePointText Decode(const char* text, long long count) {
  return CodePointsOfUtf8(std::string_view(text == nullptr ? "" : text, static_cast<std::size_t>(count)));
}

CodePointText Decode(const char16_t* text, long long count) {
  return CodePointsOfUtf16(std::u16string_view(text == nullptr ? u"" : text, static_cast<std::size_t>(count)));
}

template <typename Char>
bool ExtTextOutT(HDC dc, int x, int y, UINT options, const RECT* rect, const Char* text, UINT count, const int* dx) {
  if (!ValidText(text, count) || !DeviceContext::IsLive(dc)) return false;
  return ExtTextOutPoints(dc, x, y, options, rect, Decode(text, count), dx);
}

template <typename Char>
bool ExtentT(HDC dc, const Char* text, int count, int maxExtent, int* fit, int* dx, SIZE* size) {
  if (!ValidText(text, count) || !DeviceContext::IsLive(dc)) return false;
  return ExtentPoints(dc, Decode(text, count), maxExtent, fit, dx, size);
}

}  // namespace

bool TextOutA(HDC dc, int x, int y, const char* text, int count) {
  return count >= 0 && ExtTextOutT(dc, x, y, 0, nullptr, text, static_cast<UINT>(count), nullptr);
}

bool TextOutW(HDC dc, int x, int y, const char16_t* text, int count) {
  return count >= 0 && ExtTextOutT(dc, x, y, 0, nullptr, text, static_cast<UINT>(count), nullptr);
}

bool ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, const char* text, UINT count, const int* dx) {
  return ExtTextOutT(dc, x, y, options, rect, text, count, dx);
}

bool ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, const char16_t* text, UINT count,
                 const int* dx) {
  return ExtTextOutT(dc, x, y, options, rect, text, count, dx);
}

bool GetTextExtentPoint32A(HDC dc, const char* text, int count, SIZE* size) {
  return size != nullptr && ExtentT(dc, text, count, 0, nullptr, nullptr, size);
}

bool GetTextExtentPoint32W(HDC dc, const char16_t* text, int count, SIZE* size) {
  return size != nullptr && ExtentT(dc, text, count, 0, nullptr, nullptr, size);
}

bool GetTextExtentExPointA(HDC dc, const char* text, int count, int maxExtent, int* fit, int* dx, SIZE* size) {
  return size != nullptr && ExtentT(dc, text, count, maxExtent, fit, dx, size);
}

bool GetTextExtentExPointW(HDC dc, const char16_t* text, int count, int maxExtent, int* fit, int* dx, SIZE* size) {
  return size != nullptr && ExtentT(dc, text, count, maxExtent, fit, dx, size);
}

}  // namespace plat
