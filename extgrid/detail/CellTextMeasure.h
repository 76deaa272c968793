#pragma once
// TCellTextMeasure: the room a cell's text takes in a font, without the
// cell's margins: the widest line and the height of the lines. HTML texts
// are laid out by the mini-language's renderer, encoded Unicode texts are
// decoded first, rich texts are measured as they are stored. Measures on a
// scratch bitmap of its own, so a grid without a window can be measured.
#include "grid/HtmlRenderer.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/TBitmap.h"
#include "platform/rtl/Types.h"

namespace plat {
class TFont;
}  // namespace plat

namespace zorbit::detail {

struct TCellTextLayout {
  bool Html = true;        // HTML texts are laid out as mark-up
  bool MultiLine = false;  // CR (LF) breaks lines of plain text
  bool WordWrap = false;   // text wraps at WrapWidth
  int WrapWidth = 0;
};

class TCellTextMeasure {
 public:
  TCellTextMeasure();
  // Images, Container and Cache of Options serve HTML texts.
  plat::TSize Measure(const plat::String& Text, const plat::TFont& Font, const TCellTextLayout& Layout,
                      const THtmlRenderOptions& Options);
  // The height of "gh" in the font: one line.
  int LineHeight(const plat::TFont& Font);

 private:
  plat::TBitmap FScratch;
};

}  // namespace zorbit::detail
