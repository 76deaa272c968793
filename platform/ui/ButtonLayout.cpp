#include "platform/ui/ButtonLayout.h"

namespace plat {

TButtonContentPlace LayoutButtonContent(const TRect& Area, TSize GlyphSize, TSize TextSize, TButtonLayout Layout,
                                        int Margin, int Spacing) {
  const bool across = Layout == TButtonLayout::blGlyphLeft || Layout == TButtonLayout::blGlyphRight;
  const int room = across ? Area.Width() : Area.Height();
  const int glyph = across ? GlyphSize.cx : GlyphSize.cy;
  const int text = across ? TextSize.cx : TextSize.cy;
  // With only one of the two, there is nothing to space.
  const bool both = glyph > 0 && text > 0;
  int margin = Margin;
  int spacing = both ? Spacing : 0;
  if (margin == -1) {
    if (spacing == -1) {
      margin = spacing = (room - glyph - text) / 3;
    } else {
      margin = (room - glyph - spacing - text + 1) / 2;
    }
  } else if (spacing == -1) {
    spacing = (room - margin - glyph - text) / 2;
  }
  int glyphAt = margin;
  int textAt = margin + glyph + spacing;
  if (Layout == TButtonLayout::blGlyphRight || Layout == TButtonLayout::blGlyphBottom) {
    glyphAt = room - margin - glyph;
    textAt = glyphAt - spacing - text;
  }
  TButtonContentPlace place;
  if (across) {
    place.GlyphPos = {Area.Left + glyphAt, Area.Top + (Area.Height() - GlyphSize.cy + 1) / 2};
    place.TextRect =
        Bounds(Area.Left + textAt, Area.Top + (Area.Height() - TextSize.cy + 1) / 2, TextSize.cx, TextSize.cy);
  } else {
    place.GlyphPos = {Area.Left + (Area.Width() - GlyphSize.cx + 1) / 2, Area.Top + glyphAt};
    place.TextRect =
        Bounds(Area.Left + (Area.Width() - TextSize.cx + 1) / 2, Area.Top + textAt, TextSize.cx, TextSize.cy);
  }
  return place;
}

}  // namespace plat
