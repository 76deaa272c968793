#pragma once
// Lines of a rich text for one device context: each character measured in
// its own font (the size in points at the context's LOGPIXELSY), lines
// broken at CR LF and, with a width, wrapped after the last blank that fits
// (inside a word too long for a line); tabs stop every half inch. Lines
// stand on a common baseline of their tallest font. Drawing sets and
// restores the context's font, colours and clipping itself.
#include <vector>

#include "platform/gdi/Geometry.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/ui/RichText.h"

namespace plat {

struct TRichLine {
  int Start = 0;   // the first character
  int Length = 0;  // its characters, without the line break
  int End = 0;     // where the next line starts (after a break)
  int Top = 0;
  int Height = 0;
  int Ascent = 0;
  int Width = 0;
};

class TRichTextLayout {
 public:
  // The characters From to To (-1: the end) of Text; Width <= 0 wraps
  // nothing. An empty range gives one empty line in the Default format.
  TRichTextLayout(HDC DC, const TRichText& Text, const TCharFormat& Default, int From, int To, int Width);
  ~TRichTextLayout();
  TRichTextLayout(const TRichTextLayout&) = delete;
  TRichTextLayout& operator=(const TRichTextLayout&) = delete;

  const std::vector<TRichLine>& Lines() const { return FLines; }
  int Height() const { return FLines.empty() ? 0 : FLines.back().Top + FLines.back().Height; }
  int Width() const;

  // The line holding a character (the last line for one past the end).
  int LineOfChar(int Position) const;
  // Where a character starts, from the top left of line First.
  TPoint PosOfChar(int Position, int First = 0) const;
  // The character boundary nearest to a point given as PosOfChar gives it.
  int CharAtPoint(TPoint Point, int First = 0) const;
  // The line after those that fit into Height from line First on: First
  // always fits (it is drawn clipped), so that a page always moves on.
  int LinesThatFit(int Height, int First = 0) const;
  // The first character after the lines that fit from the top.
  int Fit(int Height) const;
  // Draws the lines that fit into Bounds, line First at its top, characters
  // from SelStart to SelEnd in the highlight colours; answers the first
  // character after them.
  int Draw(HDC DC, const TRect& Bounds, int SelStart = 0, int SelEnd = 0, int First = 0) const;

 private:
  struct TFontInfo {
    TCharFormat Format;
    HFONT Font = nullptr;
    int Ascent = 0;
    int Descent = 0;
  };
  int FontFor(HDC DC, const TCharFormat& Format);
  void Measure(HDC DC, int From, int To);
  void BreakLines(int To, int Width);
  void AddLine(int Start, int Length, int End);
  void DrawPiece(HDC DC, TPoint Origin, const TRichLine& Line, int Start, int End, bool Selected) const;

  const TRichText& FText;
  TCharFormat FDefault;
  int FTabStop = 48;
  std::vector<TFontInfo> FFonts;  // in the order first met
  std::vector<int> FAdvance;      // per character from FFrom
  std::vector<int> FFontOf;       // per character from FFrom: index into FFonts
  int FDefaultFont = 0;
  int FFrom = 0;
  std::vector<TRichLine> FLines;
};

}  // namespace plat
