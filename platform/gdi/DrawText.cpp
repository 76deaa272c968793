#include "platform/gdi/DrawText.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/gdi/CodePoints.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/TextLayout.h"
#include "platform/gdi/TextOut.h"
#include "platform/gdi/TextPainter.h"

namespace plat {

namespace {

constexpr int DefaultTabLength = 8;
constexpr int MaxTabLength = 1000;

bool InRange(long long value) { return value >= -MaxTextCoordinate && value <= MaxTextCoordinate; }

int Clamped(long long value) {
  return static_cast<int>(std::clamp<long long>(value, -MaxTextCoordinate, MaxTextCoordinate));
}

long long FloorHalf(long long value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }

void PaintLine(TextPainter& painter, const LayoutLine& line, TPoint origin, int u, int v, const TEXTMETRICW& metrics,
               const DcState& state) {
  if (state.BkMode == OPAQUE) painter.FillFrame(origin, {u, v, u + line.Width, v + metrics.tmHeight}, state.BkColor);
  std::u32string points;
  points.reserve(line.Chars.size());
  for (const LayoutChar& c : line.Chars) points += c.Point;
  const int baseline = v + metrics.tmAscent;
  painter.PaintGlyphs(origin, u, baseline, points, line.Advances, state.TextColor);
  long long pen = u;
  for (std::size_t i = 0; i < line.Chars.size(); ++i) {
    const int advance = line.Advances[i];
    if (line.Chars[i].Prefixed)
      painter.PaintUnderline(origin, Clamped(pen), Clamped(pen + advance), baseline, state.TextColor);
    pen += advance;
  }
  painter.PaintDecorations(origin, u, Clamped(static_cast<long long>(u) + line.Width), baseline, state.TextColor);
}

int DrawTextPoints(HDC hdc, const CodePointText& text, RECT* rect, UINT format, DRAWTEXTPARAMS* params) {
  Font* font = SelectedFont(hdc);
  if (font == nullptr || rect == nullptr) return 0;
  if (params != nullptr && params->cbSize != sizeof(DRAWTEXTPARAMS)) return 0;
  if (!InRange(rect->Left) || !InRange(rect->Top) || !InRange(rect->Right) || !InRange(rect->Bottom)) return 0;
  DeviceContext& dc = *hdc;
  RealizedFont& realized = font->Realized();
  realized.TrimCache();
  const TEXTMETRICW& metrics = realized.Metrics();

  const int leftMargin = params != nullptr ? std::clamp(params->iLeftMargin, 0, MaxTextCoordinate) : 0;
  const int rightMargin = params != nullptr ? std::clamp(params->iRightMargin, 0, MaxTextCoordinate) : 0;
  const int tabLength =
      params != nullptr && params->iTabLength > 0 ? std::min(params->iTabLength, MaxTabLength) : DefaultTabLength;
  const bool calculate = (format & DT_CALCRECT) != 0;
  const UINT layoutFormat = calculate ? format & ~(DT_END_ELLIPSIS | DT_PATH_ELLIPSIS) : format;
  const long long left = static_cast<long long>(rect->Left) + leftMargin;
  const long long right = static_cast<long long>(rect->Right) - rightMargin;
  TextLayout layout(realized, text, layoutFormat, Clamped(right - left), tabLength * metrics.tmAveCharWidth);
  const int lineHeight = metrics.tmHeight + ((format & DT_EXTERNALLEADING) ? metrics.tmExternalLeading : 0);

  if (calculate) {
    const long long height = static_cast<long long>(layout.Lines().size()) * lineHeight;
    rect->Right = Clamped(left + layout.Width() + rightMargin);
    rect->Bottom = Clamped(rect->Top + height);
    if (params != nullptr) params->uiLengthDrawn = static_cast<UINT>(text.UnitIndex.back());
    return Clamped(height);
  }

  const bool singleLine = (format & DT_SINGLELINE) != 0;
  if (!singleLine && lineHeight > 0) {
    const bool cutEllipsis = (format & DT_WORDBREAK) && (format & DT_END_ELLIPSIS);
    if ((format & DT_EDITCONTROL) || cutEllipsis) {
      const long long room = std::max<long long>(1, (static_cast<long long>(rect->Bottom) - rect->Top) / lineHeight);
      layout.KeepLines(static_cast<std::size_t>(room), cutEllipsis);
    }
  }

  long long top = rect->Top;
  if (singleLine && (format & DT_VCENTER)) {
    top = FloorHalf(static_cast<long long>(rect->Top) + rect->Bottom - lineHeight);
  } else if (singleLine && (format & DT_BOTTOM)) {
    top = static_cast<long long>(rect->Bottom) - lineHeight;
  }

  TextPainter painter(dc, *font, (format & DT_NOCLIP) ? nullptr : rect);
  const TPoint origin = rect->TopLeft();
  const DcState& state = dc.State();
  long long y = top;
  for (const LayoutLine& line : layout.Lines()) {
    long long x = left;
    if (format & DT_CENTER) {
      x = left + FloorHalf(right - left - line.Width);
    } else if (format & DT_RIGHT) {
      x = right - line.Width;
    }
    if (!InRange(y) || !InRange(x)) break;
    PaintLine(painter, line, origin, static_cast<int>(x - origin.X), static_cast<int>(y - origin.Y), metrics, state);
    y += lineHeight;
  }
  if (params != nullptr) {
    params->uiLengthDrawn = layout.Lines().empty() ? 0 : static_cast<UINT>(layout.Lines().back().SourceEnd);
  }
  const long long height = static_cast<long long>(layout.Lines().size()) * lineHeight;
  if (singleLine && (format & (DT_VCENTER | DT_BOTTOM))) return Clamped(top + lineHeight - rect->Top);
  return Clamped(height);
}

std::size_t LengthOf(const char* text) { return std::strlen(text); }
std::size_t LengthOf(const char16_t* text) { return std::char_traits<char16_t>::length(text); }

CodePointText Decode(std::string_view text) { return CodePointsOfUtf8(text); }
CodePointText Decode(std::u16string_view text) { return CodePointsOfUtf16(text); }

template <typename Char>
int DrawTextT(HDC dc, const Char* text, int count, RECT* rect, UINT format, DRAWTEXTPARAMS* params) {
  if (!DeviceContext::IsLive(dc) || count < -1 || (text == nullptr && count != 0)) return 0;
  const std::size_t length = count == -1 ? LengthOf(text) : static_cast<std::size_t>(count);
  return DrawTextPoints(dc, Decode(std::basic_string_view<Char>(text == nullptr ? nullptr : text, length)), rect,
                        format, params);
}

}  // namespace

int DrawTextA(HDC dc, const char* text, int count, RECT* rect, UINT format) {
  return DrawTextT(dc, text, count, rect, format, nullptr);
}

int DrawTextW(HDC dc, const char16_t* text, int count, RECT* rect, UINT format) {
  return DrawTextT(dc, text, count, rect, format, nullptr);
}

int DrawTextExA(HDC dc, const char* text, int count, RECT* rect, UINT format, DRAWTEXTPARAMS* params) {
  return DrawTextT(dc, text, count, rect, format, params);
}

int DrawTextExW(HDC dc, const char16_t* text, int count, RECT* rect, UINT format, DRAWTEXTPARAMS* params) {
  return DrawTextT(dc, text, count, rect, format, params);
}

}  // namespace plat
