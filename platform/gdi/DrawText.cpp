#include "platform/gdi/DrawText.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <span>
#include <vector>
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

// One line's glyphs from pen position (u, v), over its box in opaque mode,
// with its decorations; Prefixed(i) tells whether character i is underlined.
template <typename TPrefixed>
void PaintLine(TextPainter& painter, std::span<const char32_t> points, std::span<const int> advances, int width,
               TPoint origin, int u, int v, const TEXTMETRICW& metrics, const DcState& state, TPrefixed Prefixed) {
  if (state.BkMode == OPAQUE) painter.FillFrame(origin, {u, v, u + width, v + metrics.tmHeight}, state.BkColor);
  const int baseline = v + metrics.tmAscent;
  painter.PaintGlyphs(origin, u, baseline, points, advances, state.TextColor);
  long long pen = u;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const int advance = advances[i];
    if (Prefixed(i)) painter.PaintUnderline(origin, Clamped(pen), Clamped(pen + advance), baseline, state.TextColor);
    pen += advance;
  }
  painter.PaintDecorations(origin, u, Clamped(static_cast<long long>(u) + width), baseline, state.TextColor);
}

void PaintLine(TextPainter& painter, const LayoutLine& line, TPoint origin, int u, int v, const TEXTMETRICW& metrics,
               const DcState& state) {
  std::u32string points;
  points.reserve(line.Chars.size());
  for (const LayoutChar& c : line.Chars) points += c.Point;
  PaintLine(painter, points, line.Advances, line.Width, origin, u, v, metrics, state,
            [&line](std::size_t i) { return line.Chars[i].Prefixed; });
}

// A text that lays out as one line just as it comes: no line breaks, no "&"
// prefixes, no tabs to expand, and nothing to wrap or cut short in Width.
// Such a line needs no layout: its advances are the font's.
struct PlainLine {
  std::vector<int> Advances;  // empty: the text needs the full layout
  int Width = 0;
};

PlainLine PlainLineOf(RealizedFont& font, const CodePointText& text, UINT format, int width) {
  PlainLine line;
  for (const char32_t c : text.Points) {
    if (c == U'\r' || c == U'\n' || (c == U'&' && !(format & DT_NOPREFIX)) || (c == U'\t' && (format & DT_EXPANDTABS)))
      return {};
  }
  line.Advances.reserve(text.Points.size());
  long long pen = 0;
  for (const char32_t c : text.Points) {
    line.Advances.push_back(font.AdvanceOf(c));
    pen = std::min<long long>(pen + line.Advances.back(), 1 << 30);
  }
  line.Width = static_cast<int>(pen);
  if ((format & (DT_WORDBREAK | DT_END_ELLIPSIS | DT_PATH_ELLIPSIS)) && line.Width > width) return {};
  return line;
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
  const PlainLine plain = PlainLineOf(realized, text, layoutFormat, Clamped(right - left));
  std::optional<TextLayout> layout;
  if (plain.Advances.empty())
    layout.emplace(realized, text, layoutFormat, Clamped(right - left), tabLength * metrics.tmAveCharWidth);
  const std::size_t lineCount = layout ? layout->Lines().size() : 1;
  const int lineHeight = metrics.tmHeight + ((format & DT_EXTERNALLEADING) ? metrics.tmExternalLeading : 0);

  if (calculate) {
    const long long height = static_cast<long long>(lineCount) * lineHeight;
    rect->Right = Clamped(left + (layout ? layout->Width() : plain.Width) + rightMargin);
    rect->Bottom = Clamped(rect->Top + height);
    if (params != nullptr) params->uiLengthDrawn = static_cast<UINT>(text.UnitIndex.back());
    return Clamped(height);
  }

  const bool singleLine = (format & DT_SINGLELINE) != 0;
  if (layout && !singleLine && lineHeight > 0) {
    const bool cutEllipsis = (format & DT_WORDBREAK) && (format & DT_END_ELLIPSIS);
    if ((format & DT_EDITCONTROL) || cutEllipsis) {
      const long long room = std::max<long long>(1, (static_cast<long long>(rect->Bottom) - rect->Top) / lineHeight);
      layout->KeepLines(static_cast<std::size_t>(room), cutEllipsis);
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
  const auto lineLeft = [&](int width) {
    if (format & DT_CENTER) return left + FloorHalf(right - left - width);
    if (format & DT_RIGHT) return right - width;
    return left;
  };
  if (layout) {
    long long y = top;
    for (const LayoutLine& line : layout->Lines()) {
      const long long x = lineLeft(line.Width);
      if (!InRange(y) || !InRange(x)) break;
      PaintLine(painter, line, origin, static_cast<int>(x - origin.X), static_cast<int>(y - origin.Y), metrics, state);
      y += lineHeight;
    }
  } else if (const long long x = lineLeft(plain.Width); InRange(top) && InRange(x)) {
    PaintLine(painter, text.Points, plain.Advances, plain.Width, origin, static_cast<int>(x - origin.X),
              static_cast<int>(top - origin.Y), metrics, state, [](std::size_t) { return false; });
  }
  if (params != nullptr) {
    const bool none = layout && layout->Lines().empty();
    params->uiLengthDrawn =
        none ? 0 : static_cast<UINT>(layout ? layout->Lines().back().SourceEnd : text.UnitIndex.back());
  }
  const long long height = static_cast<long long>(lineCount) * lineHeight;
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
