#pragma once
// Multi-line text layout for DrawText: "&" prefixes, line breaks, tab
// expansion, word wrapping and ellipses, measured with a realized font.
// Internal to the drawing layer.
#include <vector>

#include "platform/gdi/CodePoints.h"
#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/RealizedFont.h"

namespace plat {

struct LayoutChar {
  char32_t Point = 0;
  int Source = 0;         // first code unit in the caller's text
  bool Prefixed = false;  // shown underlined ("&x")
};

struct LayoutLine {
  std::vector<LayoutChar> Chars;
  std::vector<int> Advances;  // with tabs expanded
  int Width = 0;
  int SourceEnd = 0;  // code units consumed up to the next line
};

class TextLayout {
 public:
  // format: the DT_ flags; width: room for a line (word breaks, ellipses);
  // tabWidth: the tab stop spacing in pixels with DT_EXPANDTABS.
  TextLayout(RealizedFont& font, const CodePointText& text, UINT format, int width, int tabWidth);

  const std::vector<LayoutLine>& Lines() const { return FLines; }
  int Width() const;
  // Keeps the first count lines; the last one kept ends in an ellipsis when
  // any were dropped and asked for.
  void KeepLines(std::size_t count, bool ellipsis);

 private:
  void Measure(LayoutLine& line) const;
  void Wrap(std::vector<LayoutChar> paragraph, int sourceEnd);
  void AddLine(std::vector<LayoutChar> chars, int sourceEnd);
  void EndEllipsis(LayoutLine& line, bool always) const;
  void PathEllipsis(LayoutLine& line) const;

  RealizedFont& FFont;
  UINT FFormat;
  int FWidth;
  int FTabWidth;
  std::vector<LayoutLine> FLines;
};

}  // namespace plat
