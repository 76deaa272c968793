#include "platform/ui/detail/RichTextLayout.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/gdi/Brush.h"
#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/TextOut.h"
#include "platform/rtl/MulDiv.h"

namespace plat {
namespace {

bool IsBreak(char32_t c) { return c == U'\r' || c == U'\n'; }

WideString ToUtf16(const std::u32string& chars, int start, int end) {
  WideString text;
  for (int i = start; i < end; ++i) {
    const char32_t c = chars[i];
    if (c > 0xFFFF) {
      text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      text += static_cast<char16_t>(c);
    }
  }
  return text;
}

}  // namespace

TRichTextLayout::TRichTextLayout(HDC DC, const TRichText& Text, const TCharFormat& Default, int From, int To,
                                 int Width)
    : FText(Text), FDefault(Default) {
  FFrom = std::clamp(From, 0, Text.Length());
  if (To < 0 || To > Text.Length()) To = Text.Length();
  To = std::max(To, FFrom);
  FTabStop = std::max(1, GetDeviceCaps(DC, LOGPIXELSX) / 2);
  FDefaultFont = FontFor(DC, Text.FormatAt(FFrom, Default));
  Measure(DC, FFrom, To);
  BreakLines(To, Width);
}

TRichTextLayout::~TRichTextLayout() {
  for (const TFontInfo& info : FFonts) DeleteObject(info.Font);
}

int TRichTextLayout::FontFor(HDC DC, const TCharFormat& Format) {
  for (std::size_t i = 0; i < FFonts.size(); ++i)
    if (FFonts[i].Format == Format) return static_cast<int>(i);
  LOGFONTA font;
  font.lfHeight = -MulDiv(Format.Size, GetDeviceCaps(DC, LOGPIXELSY), 72);
  font.lfWeight = Format.Bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = Format.Italic;
  font.lfUnderline = Format.Underline;
  std::strncpy(font.lfFaceName, Format.Name.c_str(), LF_FACESIZE - 1);
  TFontInfo info{Format, CreateFontIndirectA(&font), 0, 0};
  const DCStateSaver saved(DC);
  SelectObject(DC, info.Font);
  TEXTMETRICA metrics;
  GetTextMetricsA(DC, &metrics);
  info.Ascent = metrics.tmAscent;
  info.Descent = metrics.tmDescent;
  FFonts.push_back(info);
  return static_cast<int>(FFonts.size()) - 1;
}

void TRichTextLayout::Measure(HDC DC, int From, int To) {
  FAdvance.assign(static_cast<std::size_t>(To - From), 0);
  FFontOf.assign(static_cast<std::size_t>(To - From), FDefaultFont);
  const DCStateSaver saved(DC);
  for (const TRichRun& run : FText.Runs()) {
    const int start = std::max(run.Start, From), end = std::min(run.Start + run.Length, To);
    if (start >= end) continue;
    const int font = FontFor(DC, *run.Format);
    SelectObject(DC, FFonts[font].Font);
    // Each character on its own: a wide character's two UTF-16 units count once.
    for (int i = start; i < end; ++i) {
      FFontOf[i - From] = font;
      if (IsBreak(FText.Chars()[i]) || FText.Chars()[i] == U'\t') continue;
      const WideString unit = ToUtf16(FText.Chars(), i, i + 1);
      SIZE size{};
      GetTextExtentPoint32W(DC, unit.c_str(), static_cast<int>(unit.size()), &size);
      FAdvance[i - From] = size.cx;
    }
  }
}

void TRichTextLayout::BreakLines(int To, int Width) {
  const std::u32string& chars = FText.Chars();
  int start = FFrom;
  while (true) {
    int x = 0;
    int lastBlank = -1;  // the line may end after this character
    int i = start;
    for (; i < To && !IsBreak(chars[i]); ++i) {
      int& advance = FAdvance[i - FFrom];
      if (chars[i] == U'\t') advance = FTabStop - x % FTabStop;
      const bool blank = chars[i] == U' ' || chars[i] == U'\t';
      // Blanks may hang past the edge; anything else wraps when it does not fit.
      if (Width > 0 && !blank && i > start && x + advance > Width) break;
      x += advance;
      if (blank) lastBlank = i;
    }
    if (i >= To || IsBreak(chars[i])) {
      int end = i;
      if (i < To) end = i + (chars[i] == U'\r' && i + 1 < To && chars[i + 1] == U'\n' ? 2 : 1);
      AddLine(start, i - start, end);
      if (i >= To) return;
      start = end;
      if (start >= To) {
        AddLine(start, 0, start);  // the empty line after a final break
        return;
      }
      continue;
    }
    const int end = lastBlank >= start ? lastBlank + 1 : i;
    AddLine(start, end - start, end);
    start = end;
  }
}

void TRichTextLayout::AddLine(int Start, int Length, int End) {
  TRichLine line{Start, Length, End, FLines.empty() ? 0 : FLines.back().Top + FLines.back().Height, 0, 0, 0};
  int ascent = 0, descent = 0;
  auto take = [&](int font) {
    ascent = std::max(ascent, FFonts[font].Ascent);
    descent = std::max(descent, FFonts[font].Descent);
  };
  // An empty line is as tall as the font of its break (or of the text before it).
  const int first = Start - FFrom, count = static_cast<int>(FFontOf.size());
  take(first < count ? FFontOf[first] : (count > 0 ? FFontOf[count - 1] : FDefaultFont));
  for (int i = Start; i < Start + Length; ++i) {
    take(FFontOf[i - FFrom]);
    line.Width += FAdvance[i - FFrom];
  }
  line.Ascent = ascent;
  line.Height = ascent + descent;
  FLines.push_back(line);
}

int TRichTextLayout::Width() const {
  int width = 0;
  for (const TRichLine& line : FLines) width = std::max(width, line.Width);
  return width;
}

int TRichTextLayout::Draw(HDC DC, const TRect& Bounds, int SelStart, int SelEnd, int First) const {
  const DCStateSaver saved(DC);
  IntersectClipRect(DC, Bounds.Left, Bounds.Top, Bounds.Right, Bounds.Bottom);
  SetBkMode(DC, TRANSPARENT);
  SetTextAlign(DC, TA_LEFT | TA_BASELINE);
  First = std::clamp(First, 0, static_cast<int>(FLines.size()) - 1);
  const int end = LinesThatFit(Bounds.Bottom - Bounds.Top, First);
  for (int l = First; l < end; ++l) {
    const TRichLine& line = FLines[l];
    const TPoint origin{Bounds.Left, Bounds.Top + line.Top - FLines[First].Top};
    // Pieces of one font and one selection state.
    int piece = line.Start;
    for (int i = line.Start; i <= line.Start + line.Length; ++i) {
      const bool atEnd = i == line.Start + line.Length;
      if (atEnd || (i > piece && (FFontOf[i - FFrom] != FFontOf[piece - FFrom] ||
                                  (i >= SelStart && i < SelEnd) != (piece >= SelStart && piece < SelEnd)))) {
        if (i > piece) DrawPiece(DC, origin, line, piece, i, piece >= SelStart && piece < SelEnd);
        piece = i;
      }
    }
  }
  return FLines[end - 1].End;
}

int TRichTextLayout::LineOfChar(int Position) const {
  for (std::size_t l = 0; l < FLines.size(); ++l)
    if (Position < FLines[l].End) return static_cast<int>(l);
  return static_cast<int>(FLines.size()) - 1;
}

TPoint TRichTextLayout::PosOfChar(int Position, int First) const {
  const TRichLine& line = FLines[LineOfChar(Position)];
  int x = 0;
  for (int i = line.Start; i < std::min(Position, line.Start + line.Length); ++i) x += FAdvance[i - FFrom];
  return {x, line.Top - FLines[std::clamp(First, 0, static_cast<int>(FLines.size()) - 1)].Top};
}

int TRichTextLayout::CharAtPoint(TPoint Point, int First) const {
  const int top = FLines[std::clamp(First, 0, static_cast<int>(FLines.size()) - 1)].Top + Point.Y;
  std::size_t l = 0;
  while (l + 1 < FLines.size() && FLines[l].Top + FLines[l].Height <= top) ++l;
  const TRichLine& line = FLines[l];
  int x = 0, best = line.Start, bestDistance = std::abs(Point.X);
  for (int i = line.Start; i < line.Start + line.Length; ++i) {
    x += FAdvance[i - FFrom];
    if (std::abs(x - Point.X) < bestDistance) {
      best = i + 1;
      bestDistance = std::abs(x - Point.X);
    }
  }
  return best;
}

int TRichTextLayout::LinesThatFit(int Height, int First) const {
  int end = First;
  while (end < static_cast<int>(FLines.size()) &&
         (end == First || FLines[end].Top - FLines[First].Top + FLines[end].Height <= Height))
    ++end;
  return end;
}

int TRichTextLayout::Fit(int Height) const { return FLines[LinesThatFit(Height) - 1].End; }

void TRichTextLayout::DrawPiece(HDC DC, TPoint Origin, const TRichLine& Line, int Start, int End,
                                bool Selected) const {
  int x = Origin.X;
  for (int i = Line.Start; i < Start; ++i) x += FAdvance[i - FFrom];
  int width = 0;
  for (int i = Start; i < End; ++i) width += FAdvance[i - FFrom];
  const TFontInfo& font = FFonts[FFontOf[Start - FFrom]];
  if (Selected) {
    const RECT area{x, Origin.Y, x + width, Origin.Y + Line.Height};
    const HBRUSH brush = CreateSolidBrush(ColorToColorRef(clHighlight));
    FillRect(DC, &area, brush);
    DeleteObject(brush);
  }
  SelectObject(DC, font.Font);
  SetTextColor(DC, ColorToColorRef(Selected ? clHighlightText : font.Format.Color));
  // Tabs split the piece: the text between them goes at its measured place.
  int from = Start, fromX = x;
  for (int i = Start; i <= End; ++i) {
    if (i < End && FText.Chars()[i] != U'\t') {
      x += FAdvance[i - FFrom];
      continue;
    }
    if (i > from) {
      const WideString text = ToUtf16(FText.Chars(), from, i);
      TextOutW(DC, fromX, Origin.Y + Line.Ascent, text.c_str(), static_cast<int>(text.size()));
    }
    if (i < End) x += FAdvance[i - FFrom];
    from = i + 1;
    fromX = x;
  }
}

}  // namespace plat
