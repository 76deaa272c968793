#include "platform/gdi/StandardLooks.h"

#include <algorithm>
#include <array>
#include <functional>

#include "platform/gdi/Brush.h"
#include "platform/gdi/RasterOps.h"

namespace plat {

namespace {

DeviceContext* Dc(HDC dc) { return DeviceContext::IsLive(dc) && dc->Target() ? dc : nullptr; }

// Fills a logical rectangle with a system colour.
void Fill(DeviceContext& dc, const TRect& r, int colorIndex) {
  dc.FillRect(dc.ToTarget(r), dc.TargetPixel(GetSysColor(colorIndex)), R2_COPYPEN);
}

void Plot(DeviceContext& dc, int x, int y, int colorIndex) { Fill(dc, {x, y, x + 1, y + 1}, colorIndex); }

struct RingColors {
  int TopLeft;
  int BottomRight;
};

// The colours of the outer (ring 0) or inner (ring 1) ring; none when the
// edge has no such ring.
std::optional<RingColors> RingFor(UINT edge, UINT flags, int ring) {
  const UINT raised = ring == 0 ? BDR_RAISEDOUTER : BDR_RAISEDINNER;
  const UINT sunken = ring == 0 ? BDR_SUNKENOUTER : BDR_SUNKENINNER;
  if (!(edge & (raised | sunken))) return std::nullopt;
  if (flags & BF_MONO) {
    const int c = ring == 0 ? COLOR_WINDOWFRAME : COLOR_WINDOW;
    return RingColors{c, c};
  }
  if (flags & BF_FLAT) {
    const int c = ring == 0 ? COLOR_BTNSHADOW : COLOR_BTNFACE;
    return RingColors{c, c};
  }
  const bool soft = flags & BF_SOFT;
  if (edge & raised) {
    if (ring == 0) return RingColors{soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW};
    return RingColors{soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
  }
  if (ring == 0) return RingColors{soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
  return RingColors{soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

void DrawRing(DeviceContext& dc, const TRect& r, UINT flags, RingColors c) {
  if (r.IsEmpty()) return;
  const int topEnd = (flags & BF_RIGHT) ? r.Right - 1 : r.Right;
  const int leftEnd = (flags & BF_BOTTOM) ? r.Bottom - 1 : r.Bottom;
  if (flags & BF_TOP) Fill(dc, {r.Left, r.Top, topEnd, r.Top + 1}, c.TopLeft);
  if (flags & BF_LEFT) Fill(dc, {r.Left, r.Top, r.Left + 1, leftEnd}, c.TopLeft);
  if (flags & BF_BOTTOM) Fill(dc, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, c.BottomRight);
  if (flags & BF_RIGHT) Fill(dc, {r.Right - 1, r.Top, r.Right, r.Bottom}, c.BottomRight);
}

TRect Shrink(const TRect& r, UINT flags) {
  return {r.Left + ((flags & BF_LEFT) ? 1 : 0), r.Top + ((flags & BF_TOP) ? 1 : 0),
          r.Right - ((flags & BF_RIGHT) ? 1 : 0), r.Bottom - ((flags & BF_BOTTOM) ? 1 : 0)};
}

// A diagonal line across the largest square of r anchored at the start
// corner; the direction is named by where it ends.
void DrawDiagonal(DeviceContext& dc, const TRect& r, UINT flags, int inset, int colorIndex) {
  const int n = std::min(r.Width(), r.Height()) - inset;
  const bool endTop = flags & BF_TOP;
  const bool endRight = flags & BF_RIGHT;
  for (int i = 0; i < n; ++i) {
    const int x = endRight ? r.Left + inset + i : r.Right - 1 - inset - i;
    const int y = endTop ? r.Bottom - 1 - i : r.Top + i;
    Plot(dc, x, y, colorIndex);
  }
}

bool Edge(DeviceContext& dc, TRect& rect, UINT edge, UINT flags) {
  TRect r = rect.Normalized();
  if (flags & BF_DIAGONAL) {
    int inset = 0;
    for (int ring = 0; ring < 2; ++ring)
      if (auto c = RingFor(edge, flags, ring)) {
        DrawDiagonal(dc, r, flags, inset++, (flags & BF_TOP) ? c->TopLeft : c->BottomRight);
      }
    return true;
  }
  for (int ring = 0; ring < 2; ++ring)
    if (auto c = RingFor(edge, flags, ring)) {
      DrawRing(dc, r, flags, *c);
      r = Shrink(r, flags);
    }
  if ((flags & BF_MIDDLE) && !r.IsEmpty()) Fill(dc, r, (flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE);
  if (flags & BF_ADJUST) rect = r;
  return true;
}

// Glyphs are drawn by a painter that plots in glyph cells; a disabled glyph
// is embossed: highlight one pixel down-right, then shadow.
using GlyphPainter = std::function<void(const std::function<void(int, int)>& plot)>;

void DrawGlyph(DeviceContext& dc, TPoint origin, bool inactive, int colorIndex, const GlyphPainter& paint) {
  if (inactive) {
    paint([&](int x, int y) { Plot(dc, origin.X + x + 1, origin.Y + y + 1, COLOR_BTNHIGHLIGHT); });
    colorIndex = COLOR_BTNSHADOW;
  }
  paint([&](int x, int y) { Plot(dc, origin.X + x, origin.Y + y, colorIndex); });
}

TRect CenteredSquare(const TRect& r) {
  const int s = std::min(r.Width(), r.Height());
  const int x = r.Left + (r.Width() - s) / 2, y = r.Top + (r.Height() - s) / 2;
  return {x, y, x + s, y + s};
}

// The classic check mark: seven columns of three pixels, scaled.
void CheckMark(const std::function<void(int, int)>& plot, int scale) {
  static constexpr std::array<int, 7> Top{2, 3, 4, 3, 2, 1, 0};
  for (int c = 0; c < 7; ++c)
    for (int k = 0; k < 3; ++k)
      for (int sy = 0; sy < scale; ++sy)
        for (int sx = 0; sx < scale; ++sx) plot(c * scale + sx, (Top[static_cast<std::size_t>(c)] + k) * scale + sy);
}

bool CheckBox(DeviceContext& dc, const TRect& rect, UINT state) {
  const TRect box = CenteredSquare(rect);
  if (box.IsEmpty()) return true;
  TRect inner = box;
  const UINT look = (state & DFCS_MONO) ? BF_MONO : (state & DFCS_FLAT) ? BF_FLAT : 0;
  Edge(dc, inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST | look);
  const bool threeState = state & DFCS_BUTTON3STATE;
  const bool dim = (state & (DFCS_PUSHED | DFCS_INACTIVE)) || (threeState && (state & DFCS_CHECKED));
  Fill(dc, inner, dim ? COLOR_BTNFACE : COLOR_WINDOW);
  if (!(state & DFCS_CHECKED)) return true;
  const int scale = std::max(1, inner.Width() / 9);
  const TPoint origin{inner.Left + (inner.Width() - 7 * scale) / 2, inner.Top + (inner.Height() - 7 * scale) / 2};
  const int color = (state & DFCS_INACTIVE) || threeState ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT;
  DrawGlyph(dc, origin, false, color, [scale](const auto& plot) { CheckMark(plot, scale); });
  return true;
}

// Fills the part of an ellipse region on one side of the anti-diagonal.
void FillHalf(DeviceContext& dc, const Region& ring, const TRect& box, bool topLeft, int colorIndex) {
  const TPixel color = dc.TargetPixel(GetSysColor(colorIndex));
  const double cx = box.Left + box.Width() / 2.0, cy = box.Top + box.Height() / 2.0;
  for (const TRect& r : ring.Rects())
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) {
        const bool isTopLeft = (x + 0.5 - cx) + (y + 0.5 - cy) < 0;
        if (isTopLeft == topLeft) dc.FillSpan(y, x, x + 1, color, R2_COPYPEN);
      }
}

bool RadioButton(DeviceContext& dc, const TRect& rect, UINT state) {
  const TRect box = dc.ToTarget(CenteredSquare(rect));
  if (box.IsEmpty()) return true;
  const Region outer = Region::Ellipse(box);
  const Region middle = Region::Ellipse(box.Inflated(-1, -1));
  const Region inner = Region::Ellipse(box.Inflated(-2, -2));
  if (state & DFCS_BUTTONRADIOMASK) {
    Brush black(BS_SOLID, 0, 0);
    dc.FillRegionWithBrush(outer, black, R2_COPYPEN);
    return true;
  }
  const bool flat = state & (DFCS_FLAT | DFCS_MONO);
  const Region outerRing = outer.Subtracted(middle), innerRing = middle.Subtracted(inner);
  if (flat) {
    const int c = (state & DFCS_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW;
    dc.FillRegionWithBrush(outerRing, Brush(BS_SOLID, GetSysColor(c), 0), R2_COPYPEN);
    dc.FillRegionWithBrush(innerRing, Brush(BS_SOLID, GetSysColor(COLOR_WINDOW), 0), R2_COPYPEN);
  } else {
    FillHalf(dc, outerRing, box, true, COLOR_BTNSHADOW);
    FillHalf(dc, outerRing, box, false, COLOR_BTNHIGHLIGHT);
    FillHalf(dc, innerRing, box, true, COLOR_3DDKSHADOW);
    FillHalf(dc, innerRing, box, false, COLOR_3DLIGHT);
  }
  const bool dim = state & (DFCS_PUSHED | DFCS_INACTIVE);
  dc.FillRegionWithBrush(inner, Brush(BS_SOLID, GetSysColor(dim ? COLOR_BTNFACE : COLOR_WINDOW), 0), R2_COPYPEN);
  if (state & DFCS_CHECKED) {
    const int d = std::max(2, (box.Width() + 1) / 3);
    const int x = box.Left + (box.Width() - d) / 2, y = box.Top + (box.Height() - d) / 2;
    const int color = (state & DFCS_INACTIVE) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT;
    dc.FillRegionWithBrush(Region::Ellipse({x, y, x + d, y + d}), Brush(BS_SOLID, GetSysColor(color), 0), R2_COPYPEN);
  }
  return true;
}

// A push-button face: raised, or sunken while pushed; checked faces are
// dithered with the highlight colour. Returns the inside.
TRect ButtonFace(DeviceContext& dc, const TRect& rect, UINT state) {
  TRect inner = rect;
  const UINT look = (state & DFCS_MONO) ? BF_MONO : (state & DFCS_FLAT) ? BF_FLAT : 0;
  const bool down = state & (DFCS_PUSHED | DFCS_CHECKED);
  Edge(dc, inner, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE | BF_ADJUST | look);
  if ((state & DFCS_CHECKED) && !(state & DFCS_PUSHED)) {
    for (int y = inner.Top; y < inner.Bottom; ++y)
      for (int x = inner.Left + ((y + inner.Left) & 1); x < inner.Right; x += 2) Plot(dc, x, y, COLOR_BTNHIGHLIGHT);
  }
  return inner;
}

bool PushButton(DeviceContext& dc, TRect& rect, UINT state) {
  const TRect inner = ButtonFace(dc, rect, state);
  if (state & DFCS_ADJUSTRECT) rect = inner;
  return true;
}

void Arrow(const std::function<void(int, int)>& plot, int height, UINT kind) {
  for (int i = 0; i < height; ++i)
    for (int j = -i; j <= i; ++j) {
      switch (kind) {
        case DFCS_SCROLLUP: plot(height - 1 + j, i); break;
        case DFCS_SCROLLLEFT: plot(i, height - 1 + j); break;
        case DFCS_SCROLLRIGHT: plot(height - 1 - i, height - 1 + j); break;
        default: plot(height - 1 + j, height - 1 - i); break;  // down and combo box
      }
    }
}

bool ScrollControl(DeviceContext& dc, const TRect& rect, UINT state) {
  const UINT kind = state & 0xFF;
  if (kind == DFCS_SCROLLSIZEGRIP) {
    Fill(dc, rect, COLOR_BTNFACE);
    const int s = std::min(rect.Width(), rect.Height());
    for (int line = 0; line + 3 < s; line += 4)
      for (int i = 0; i < s - line - 1; ++i) {
        const int x = rect.Right - 1 - i, y = rect.Bottom - s + line + i + 1;
        Plot(dc, x, y, COLOR_BTNHIGHLIGHT);
        if (y + 1 < rect.Bottom) Plot(dc, x, y + 1, COLOR_BTNSHADOW);
        if (y + 2 < rect.Bottom) Plot(dc, x, y + 2, COLOR_BTNSHADOW);
      }
    return true;
  }
  if (kind > DFCS_SCROLLCOMBOBOX || kind == 4) return false;
  TRect inner = rect;
  int shift = 0;
  if ((state & DFCS_PUSHED) && !(state & DFCS_FLAT)) {
    // A pushed arrow is flat with a shadow frame, its glyph one pixel down-right.
    Edge(dc, inner, BDR_SUNKENOUTER, BF_RECT | BF_FLAT | BF_MIDDLE | BF_ADJUST);
    shift = 1;
  } else {
    inner = ButtonFace(dc, rect, state & ~DFCS_PUSHED);
  }
  const int s = std::min(rect.Width(), rect.Height());
  const int height = std::max(1, (s + 2) / 4);
  const bool vertical = kind == DFCS_SCROLLUP || kind == DFCS_SCROLLDOWN || kind == DFCS_SCROLLCOMBOBOX;
  const int w = vertical ? 2 * height - 1 : height, h = vertical ? height : 2 * height - 1;
  const TPoint origin{rect.Left + (rect.Width() - w) / 2 + shift, rect.Top + (rect.Height() - h) / 2 + shift};
  DrawGlyph(dc, origin, state & DFCS_INACTIVE, COLOR_BTNTEXT,
            [height, kind](const auto& plot) { Arrow(plot, height, kind); });
  return true;
}

// Caption glyphs in a square of side g.
void CaptionGlyph(const std::function<void(int, int)>& plot, int g, UINT kind) {
  auto bar = [&](int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) plot(x, y);
  };
  auto box = [&](int x0, int y0, int x1, int y1) {
    bar(x0, y0, x1, y0 + 2);  // thick title line
    bar(x0, y1 - 1, x1, y1);
    bar(x0, y0, x0 + 1, y1);
    bar(x1 - 1, y0, x1, y1);
  };
  switch (kind) {
    case DFCS_CAPTIONCLOSE:
      for (int i = 0; i < g; ++i) {
        plot(i, i);
        plot(std::min(i + 1, g - 1), i);
        plot(g - 1 - i, i);
        plot(std::max(g - 2 - i, 0), i);
      }
      break;
    case DFCS_CAPTIONMIN: bar(1, g - 2, g - 2, g); break;
    case DFCS_CAPTIONMAX: box(0, 0, g, g); break;
    case DFCS_CAPTIONRESTORE: {
      const int s = std::max(3, g * 2 / 3);
      box(g - s, 0, g, s);
      box(0, g - s, s, g);
      break;
    }
    default: {  // help: a question mark on a 5 x 8 grid, scaled
      // clang-format off
      static constexpr std::array<const char*, 8> Rows{".###.",
                                                       "#...#",
                                                       "....#",
                                                       "...#.",
                                                       "..#..",
                                                       "..#..",
                                                       ".....",
                                                       "..#.."};
      // clang-format on
      const int scale = std::max(1, g / 8);
      for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 5; ++c)
          if (Rows[static_cast<std::size_t>(r)][c] == '#') bar(c * scale, r * scale, (c + 1) * scale, (r + 1) * scale);
      break;
    }
  }
}

bool CaptionButton(DeviceContext& dc, const TRect& rect, UINT state) {
  const UINT kind = state & 0xFF;
  if (kind > DFCS_CAPTIONHELP) return false;
  ButtonFace(dc, rect, state & ~DFCS_CHECKED);
  const int shift = (state & DFCS_PUSHED) ? 1 : 0;
  const int g = std::max(1, std::min(rect.Width(), rect.Height()) - 6);
  const int w = kind == DFCS_CAPTIONHELP ? std::max(1, g / 8) * 5 : g;
  const int h = kind == DFCS_CAPTIONHELP ? std::max(1, g / 8) * 8 : g;
  const TPoint origin{rect.Left + (rect.Width() - w) / 2 + shift, rect.Top + (rect.Height() - h) / 2 + shift};
  DrawGlyph(dc, origin, state & DFCS_INACTIVE, COLOR_BTNTEXT,
            [g, kind](const auto& plot) { CaptionGlyph(plot, g, kind); });
  return true;
}

// Menu glyphs are masks: black on white.
bool MenuGlyph(DeviceContext& dc, const TRect& rect, UINT state) {
  const UINT kind = state & 0xFF;
  if (kind != DFCS_MENUARROW && kind != DFCS_MENUCHECK && kind != DFCS_MENUBULLET && kind != DFCS_MENUARROWRIGHT)
    return false;
  dc.FillRect(dc.ToTarget(rect), dc.TargetPixel(RGB(255, 255, 255)), R2_COPYPEN);
  const TPixel black = dc.TargetPixel(RGB(0, 0, 0));
  const int s = std::min(rect.Width(), rect.Height());
  if (s <= 0) return true;
  auto plotAt = [&](TPoint origin) {
    return [&dc, black, origin](int x, int y) {
      const TRect dot = dc.ToTarget(TRect{origin.X + x, origin.Y + y, origin.X + x + 1, origin.Y + y + 1});
      dc.FillRect(dot, black, R2_COPYPEN);
    };
  };
  switch (kind) {
    case DFCS_MENUCHECK: {
      // The check box's mark, 7 x 7 at the 13-pixel size.
      const int scale = std::max(1, s / 13);
      const TPoint origin{rect.Left + (rect.Width() - 7 * scale) / 2, rect.Top + (rect.Height() - 7 * scale) / 2};
      CheckMark(plotAt(origin), scale);
      break;
    }
    case DFCS_MENUBULLET: {
      const int d = std::max(2, s / 2 - 1);
      const int x = rect.Left + (rect.Width() - d) / 2, y = rect.Top + (rect.Height() - d) / 2;
      dc.FillRegionWithBrush(Region::Ellipse(dc.ToTarget(TRect{x, y, x + d, y + d})), Brush(BS_SOLID, RGB(0, 0, 0), 0),
                             R2_COPYPEN);
      break;
    }
    default: {  // a solid triangle, 4 x 7 at the 13-pixel size
      const int height = std::max(1, (s + 3) / 4);
      const TPoint origin{rect.Left + (rect.Width() - height) / 2, rect.Top + (rect.Height() - (2 * height - 1)) / 2};
      Arrow(plotAt(origin), height, kind == DFCS_MENUARROW ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT);
      break;
    }
  }
  return true;
}

}  // namespace

bool DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !rect || !CoordinatesInRange(*rect)) return false;
  return Edge(*dc, *rect, edge, flags);
}

bool DrawFrameControl(HDC hdc, RECT* rect, UINT type, UINT state) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !rect || !CoordinatesInRange(*rect)) return false;
  const TRect r = rect->Normalized();
  switch (type) {
    case DFC_BUTTON:
      if (state & DFCS_BUTTONPUSH) return PushButton(*dc, *rect, state);
      if (state & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK)) return RadioButton(*dc, r, state);
      return CheckBox(*dc, r, state);
    case DFC_SCROLL: return ScrollControl(*dc, r, state);
    case DFC_CAPTION: return CaptionButton(*dc, r, state);
    case DFC_MENU: return MenuGlyph(*dc, r, state);
    default: return false;
  }
}

bool DrawFocusRect(HDC hdc, const RECT* rect) {
  DeviceContext* dc = Dc(hdc);
  if (!dc || !rect || !CoordinatesInRange(*rect)) return false;
  const TRect r = dc->ToTarget(rect->Normalized());
  if (r.IsEmpty()) return true;
  const TPoint o = dc->DeviceOrigin();
  auto invert = [&](int x, int y) {
    if (((x - o.X + y - o.Y) & 1) == 0) dc->FillSpan(y, x, x + 1, 0, R2_NOT);
  };
  // Each outline pixel once, so a second call undoes the first.
  for (int x = r.Left; x < r.Right; ++x) invert(x, r.Top);
  if (r.Height() > 1)
    for (int x = r.Left; x < r.Right; ++x) invert(x, r.Bottom - 1);
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    invert(r.Left, y);
    if (r.Width() > 1) invert(r.Right - 1, y);
  }
  return true;
}

}  // namespace plat
