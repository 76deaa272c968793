#include "platform/gdi/TextLayout.h"

#include <algorithm>

#include "platform/gdi/TextConstants.h"

namespace plat {

namespace {

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t'; }
bool IsBreak(char32_t c) { return c == U'\r' || c == U'\n'; }

constexpr int EllipsisDots = 3;

// "&x" shows x underlined, "&&" a plain "&"; a final lone "&" shows nothing.
std::vector<LayoutChar> WithPrefixes(const CodePointText& text, bool noPrefix) {
  std::vector<LayoutChar> chars;
  chars.reserve(text.Points.size());
  const std::size_t count = text.Points.size();
  for (std::size_t i = 0; i < count; ++i) {
    const char32_t c = text.Points[i];
    if (noPrefix || c != U'&') {
      chars.push_back({c, text.UnitIndex[i], false});
      continue;
    }
    if (i + 1 == count) break;
    ++i;
    const char32_t next = text.Points[i];
    chars.push_back({next, text.UnitIndex[i], next != U'&' && !IsBreak(next)});
  }
  return chars;
}

}  // namespace

TextLayout::TextLayout(RealizedFont& font, const CodePointText& text, UINT format, int width, int tabWidth)
    : FFont(font), FFormat(format), FWidth(width), FTabWidth(tabWidth) {
  if (text.Points.empty()) return;
  std::vector<LayoutChar> chars = WithPrefixes(text, (format & DT_NOPREFIX) != 0);
  const int total = text.UnitIndex.back();
  if (format & DT_SINGLELINE) {
    AddLine(std::move(chars), total);
  } else {
    std::size_t start = 0;
    while (start < chars.size()) {
      std::size_t end = start;
      while (end < chars.size() && !IsBreak(chars[end].Point)) ++end;
      std::size_t next = end;
      if (next < chars.size()) {
        // CR LF is one break; CR and LF alone are one each.
        next += (chars[next].Point == U'\r' && next + 1 < chars.size() && chars[next + 1].Point == U'\n') ? 2 : 1;
      }
      const int sourceEnd = next < chars.size() ? chars[next].Source : total;
      // A text of one paragraph is that paragraph: moved, not copied.
      std::vector<LayoutChar> paragraph =
          start == 0 && end == chars.size()
              ? std::move(chars)
              : std::vector<LayoutChar>(chars.begin() + static_cast<std::ptrdiff_t>(start),
                                        chars.begin() + static_cast<std::ptrdiff_t>(end));
      if (format & DT_WORDBREAK) {
        Wrap(std::move(paragraph), sourceEnd);
      } else {
        AddLine(std::move(paragraph), sourceEnd);
      }
      start = next;
    }
  }
  // A wrapped text ends once: only its last line takes an end ellipsis.
  for (std::size_t i = 0; i < FLines.size(); ++i) {
    if (format & DT_PATH_ELLIPSIS) {
      PathEllipsis(FLines[i]);
    } else if ((format & DT_END_ELLIPSIS) && (!(format & DT_WORDBREAK) || i + 1 == FLines.size())) {
      EndEllipsis(FLines[i], false);
    }
  }
}

int TextLayout::Width() const {
  int width = 0;
  for (const LayoutLine& line : FLines) width = std::max(width, line.Width);
  return width;
}

void TextLayout::KeepLines(std::size_t count, bool ellipsis) {
  if (count >= FLines.size()) return;
  FLines.resize(count);
  if (ellipsis && !FLines.empty()) EndEllipsis(FLines.back(), true);
}

void TextLayout::Measure(LayoutLine& line) const {
  line.Advances.resize(line.Chars.size());
  long long pen = 0;
  for (std::size_t i = 0; i < line.Chars.size(); ++i) {
    const char32_t c = line.Chars[i].Point;
    int advance = 0;
    if (c == U'\t' && (FFormat & DT_EXPANDTABS) && FTabWidth > 0) {
      advance = FTabWidth - static_cast<int>(pen % FTabWidth);
    } else {
      advance = FFont.AdvanceOf(c);
    }
    line.Advances[i] = advance;
    pen = std::min<long long>(pen + advance, 1 << 30);
  }
  line.Width = static_cast<int>(pen);
}

void TextLayout::AddLine(std::vector<LayoutChar> chars, int sourceEnd) {
  LayoutLine line;
  line.Chars = std::move(chars);
  line.SourceEnd = sourceEnd;
  Measure(line);
  FLines.push_back(std::move(line));
}

// Greedy filling: a word that does not fit after others starts a new line;
// blanks at a break are dropped. A word wider than the whole line stays
// whole (and is clipped) unless DT_EDITCONTROL breaks it between characters,
// as an edit control does.
void TextLayout::Wrap(std::vector<LayoutChar> paragraph, int sourceEnd) {
  // A paragraph that fits whole is one line, blanks and all, as the filling
  // below would make it.
  LayoutLine whole;
  whole.Chars = std::move(paragraph);
  whole.SourceEnd = sourceEnd;
  Measure(whole);
  if (whole.Width <= FWidth) {
    FLines.push_back(std::move(whole));
    return;
  }
  paragraph = std::move(whole.Chars);
  const bool breakWords = (FFormat & DT_EDITCONTROL) != 0;
  std::vector<LayoutChar> line;
  long long pen = 0;
  bool hasWord = false;
  auto emit = [&](int nextSource) {
    while (!line.empty() && IsBlank(line.back().Point)) line.pop_back();
    AddLine(std::move(line), nextSource);
    line.clear();
    pen = 0;
    hasWord = false;
  };
  auto blankAdvance = [&](char32_t c) {
    if (c == U'\t' && (FFormat & DT_EXPANDTABS) && FTabWidth > 0) return FTabWidth - static_cast<int>(pen % FTabWidth);
    return FFont.AdvanceOf(c);
  };
  std::size_t i = 0;
  const std::size_t n = paragraph.size();
  while (i < n) {
    std::size_t j = i;
    long long wordWidth = 0;
    while (j < n && !IsBlank(paragraph[j].Point)) wordWidth += FFont.AdvanceOf(paragraph[j++].Point);
    if (j > i) {
      if (hasWord && pen + wordWidth > FWidth) emit(paragraph[i].Source);
      if (!hasWord && pen + wordWidth > FWidth && breakWords) {
        for (std::size_t k = i; k < j; ++k) {
          const int advance = FFont.AdvanceOf(paragraph[k].Point);
          if (!line.empty() && pen + advance > FWidth) emit(paragraph[k].Source);
          line.push_back(paragraph[k]);
          pen += advance;
        }
      } else {
        line.insert(line.end(), paragraph.begin() + static_cast<std::ptrdiff_t>(i),
                    paragraph.begin() + static_cast<std::ptrdiff_t>(j));
        pen += wordWidth;
      }
      hasWord = true;
    }
    for (; j < n && IsBlank(paragraph[j].Point); ++j) {
      pen += blankAdvance(paragraph[j].Point);
      line.push_back(paragraph[j]);
    }
    i = j;
  }
  AddLine(std::move(line), sourceEnd);
}

// The longest start of the line that fits with "..." after it. always: add
// the dots even when the whole line fits (text was cut below it).
void TextLayout::EndEllipsis(LayoutLine& line, bool always) const {
  if (!always && line.Width <= FWidth) return;
  const int dotsWidth = EllipsisDots * FFont.AdvanceOf(U'.');
  std::size_t keep = 0;
  long long pen = 0;
  for (std::size_t i = 0; i < line.Chars.size(); ++i) {
    pen += line.Advances[i];
    if (pen + dotsWidth > FWidth) break;
    keep = i + 1;
  }
  const int dotsSource = keep < line.Chars.size() ? line.Chars[keep].Source : line.SourceEnd;
  line.Chars.resize(keep);
  line.Chars.insert(line.Chars.end(), EllipsisDots, LayoutChar{U'.', dotsSource, false});
  Measure(line);
}

// Keeps as much as possible of the part from the last path delimiter on,
// cutting characters before it; a line without a delimiter is cut at its end.
void TextLayout::PathEllipsis(LayoutLine& line) const {
  if (line.Width <= FWidth) return;
  std::size_t delimiter = line.Chars.size();
  for (std::size_t i = line.Chars.size(); i-- > 0;) {
    if (line.Chars[i].Point == U'\\' || line.Chars[i].Point == U'/') {
      delimiter = i;
      break;
    }
  }
  if (delimiter == line.Chars.size()) return EndEllipsis(line, false);
  const int dotsWidth = EllipsisDots * FFont.AdvanceOf(U'.');
  long long tailWidth = 0;
  for (std::size_t i = delimiter; i < line.Chars.size(); ++i) tailWidth += line.Advances[i];
  std::size_t keep = 0;
  long long pen = 0;
  for (std::size_t i = 0; i < delimiter; ++i) {
    pen += line.Advances[i];
    if (pen + dotsWidth + tailWidth > FWidth) break;
    keep = i + 1;
  }
  std::vector<LayoutChar> chars(line.Chars.begin(), line.Chars.begin() + static_cast<std::ptrdiff_t>(keep));
  chars.insert(chars.end(), EllipsisDots, LayoutChar{U'.', line.Chars[keep].Source, false});
  chars.insert(chars.end(), line.Chars.begin() + static_cast<std::ptrdiff_t>(delimiter), line.Chars.end());
  line.Chars = std::move(chars);
  Measure(line);
}

}  // namespace plat
