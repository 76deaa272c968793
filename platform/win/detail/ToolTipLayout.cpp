#include "platform/win/detail/ToolTipLayout.h"

#include <algorithm>

#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Region.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/win/WindowDC.h"

namespace plat {
namespace {

// Room between a plain tip's edge (its one-pixel frame included) and the
// content, and between a balloon's body edge and the content.
constexpr TRect PlainInsets{4, 3, 4, 3};
constexpr TRect BalloonInsets{10, 8, 10, 8};
// Between the icon and the title, and between the title row and the text.
constexpr int IconGap = 6;
constexpr int TitleGap = 5;
// A hover tip stands this far below the pointer, clear of its arrow.
constexpr int BelowPointerOffset = 20;
// The stem: how far it reaches from the body, how wide its base is, and
// where its tip stands from the body's end by preference.
constexpr int StemHeight = 16;
constexpr int StemWidth = 16;
constexpr int StemInset = 16;
constexpr int CornerRadius = BalloonCorner / 2;
constexpr int MinBalloonWidth = StemInset + StemWidth + CornerRadius;
constexpr int Unlimited = 32767;

struct ContentSize {
  TSize Text;
  TSize Title;  // 0 x 0 without a title
  bool Icon = false;
  TSize Whole() const {
    const int rowWidth = (Icon ? TipIconSize + IconGap : 0) + Title.cx;
    const int rowHeight = std::max(Icon ? TipIconSize : 0, Title.cy);
    const bool titled = Title.cx > 0 || Icon;
    return {std::max(rowWidth, Text.cx), (titled ? rowHeight + TitleGap : 0) + Text.cy};
  }
  int RowHeight() const { return std::max(Icon ? TipIconSize : 0, Title.cy); }
};

TSize Measure(HDC dc, HFONT font, const String& text, int width, UINT format) {
  const DCStateSaver saved(dc);
  SelectObject(dc, font);
  RECT r{0, 0, width, 0};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT);
  return {r.Width(), r.Height()};
}

ContentSize MeasureContent(const TipContent& content, HFONT textFont, HFONT titleFont) {
  const HDC dc = GetDC(nullptr);
  const ScopeExit released([dc] { ReleaseDC(nullptr, dc); });
  ContentSize size;
  size.Text =
      Measure(dc, textFont, content.Text, content.MaxWidth >= 0 ? content.MaxWidth : Unlimited, TipTextFormat(content));
  if (!content.Title.empty()) {
    size.Title = Measure(dc, titleFont, content.Title, Unlimited, DT_SINGLELINE | DT_NOPREFIX);
    size.Icon = content.Icon >= 1 && content.Icon <= 3;
  }
  return size;
}

// Puts the content's parts into the body, whose top-left content corner is `origin`.
void PlaceContent(TipLayout& layout, const ContentSize& size, TPoint origin) {
  const TSize whole = size.Whole();
  int textTop = origin.Y;
  if (size.Title.cx > 0 || size.Icon) {
    const int row = size.RowHeight();
    int titleLeft = origin.X;
    if (size.Icon) {
      layout.IconAt = TPoint{origin.X, origin.Y + (row - TipIconSize) / 2};
      titleLeft += TipIconSize + IconGap;
    }
    const int titleTop = origin.Y + (row - size.Title.cy) / 2;
    layout.TitleRect = {titleLeft, titleTop, titleLeft + size.Title.cx, titleTop + size.Title.cy};
    textTop += row + TitleGap;
  }
  layout.TextRect = {origin.X, textTop, origin.X + whole.cx, textTop + size.Text.cy};
}

// Keeps a span [start, start + length) within [low, high) when it fits.
int Fit(int start, int length, int low, int high) {
  if (length > high - low) return low;
  return std::clamp(start, low, high - length);
}

void PlacePlain(TipLayout& layout, const TipAnchor& anchor, const TRect& work) {
  const int width = layout.Window.Width(), height = layout.Window.Height();
  const TPoint p = anchor.Point;
  TPoint at;
  int above = 0;  // the top when it must go above the anchor
  switch (anchor.Placement) {
    case TipPlacement::BelowPointer:
      at = {p.X, p.Y + BelowPointerOffset};
      above = p.Y - height;
      break;
    case TipPlacement::CenteredBelow:
      at = {(anchor.Tool.Left + anchor.Tool.Right) / 2 - width / 2, anchor.Tool.Bottom};
      above = anchor.Tool.Top - height;
      break;
    case TipPlacement::Track:
    case TipPlacement::TrackAbsolute:
      at = p;
      above = p.Y - height;
      break;
  }
  if (anchor.Placement != TipPlacement::TrackAbsolute) {
    if (at.Y + height > work.Bottom) at.Y = above;
    at.X = Fit(at.X, width, work.Left, work.Right);
    at.Y = Fit(at.Y, height, work.Top, work.Bottom);
  }
  layout.Window = {at.X, at.Y, at.X + width, at.Y + height};
}

void PlaceBalloon(TipLayout& layout, const TipAnchor& anchor, const TRect& work, int bodyHeight) {
  const int width = layout.Window.Width(), height = layout.Window.Height();
  const bool absolute = anchor.Placement == TipPlacement::TrackAbsolute;
  const bool centred = anchor.Placement == TipPlacement::CenteredBelow;
  const int toolMiddle = (anchor.Tool.Left + anchor.Tool.Right) / 2;
  TPoint target = centred ? TPoint{toolMiddle, anchor.Tool.Bottom} : anchor.Point;
  layout.Side = StemSide::Top;
  if (!absolute && target.Y + height > work.Bottom) {
    layout.Side = StemSide::Bottom;
    if (centred) target.Y = anchor.Tool.Top;
  }
  const int preferredTip = centred ? width / 2 : StemInset;
  int left = target.X - preferredTip;
  if (!absolute) {
    // Past the right edge the stem goes to the body's other end.
    if (left + width > work.Right) left = target.X - (width - preferredTip);
    left = Fit(left, width, work.Left, work.Right);
  }
  // The stem's tip is the pixel on the target.
  const int top = layout.Side == StemSide::Top ? target.Y : target.Y - height + 1;
  layout.Window = {left, top, left + width, top + height};

  const int tipX = std::clamp(target.X - left, CornerRadius, width - CornerRadius - 1);
  const bool leansRight = tipX + 1 + StemWidth <= width - CornerRadius;
  layout.StemTip = {tipX, layout.Side == StemSide::Top ? 0 : height - 1};
  layout.StemFar = leansRight ? tipX + 1 + StemWidth : tipX - StemWidth;
  layout.Body = layout.Side == StemSide::Top ? TRect{0, StemHeight, width, height} : TRect{0, 0, width, bodyHeight};
}

}  // namespace

String TipDisplayText(const String& text, bool noPrefix) {
  if (noPrefix) return text;
  String shown;
  for (std::size_t i = 0; i < text.size() && text[i] != '\t'; ++i) {
    if (text[i] != '&') {
      shown += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == '&') {
      shown += '&';
      ++i;
    }
  }
  return shown;
}

UINT TipTextFormat(const TipContent& content) {
  return DT_LEFT | DT_NOPREFIX | (content.MaxWidth >= 0 ? DT_WORDBREAK : 0) | (content.ExpandTabs ? DT_EXPANDTABS : 0);
}

TipLayout LayOutTip(const TipContent& content, HFONT textFont, HFONT titleFont, const TipAnchor& anchor,
                    const TRect& workArea) {
  const ContentSize size = MeasureContent(content, textFont, titleFont);
  const TSize whole = size.Whole();
  const TRect insets = content.Balloon ? BalloonInsets : PlainInsets;
  const TRect& margin = content.Margin;
  int bodyWidth = insets.Left + margin.Left + whole.cx + insets.Right + margin.Right;
  const int bodyHeight = insets.Top + margin.Top + whole.cy + insets.Bottom + margin.Bottom;
  if (content.Balloon) bodyWidth = std::max(bodyWidth, MinBalloonWidth);

  TipLayout layout;
  layout.Balloon = content.Balloon;
  const int height = bodyHeight + (content.Balloon ? StemHeight : 0);
  layout.Window = {0, 0, bodyWidth, height};
  if (content.Balloon) {
    PlaceBalloon(layout, anchor, workArea, bodyHeight);
  } else {
    PlacePlain(layout, anchor, workArea);
    layout.Body = {0, 0, bodyWidth, bodyHeight};
  }
  PlaceContent(layout, size, {layout.Body.Left + insets.Left + margin.Left, layout.Body.Top + insets.Top + margin.Top});
  return layout;
}

HRGN CreateBalloonRegion(const TipLayout& layout) {
  const TRect& body = layout.Body;
  HRGN shape = CreateRoundRectRgn(body.Left, body.Top, body.Right, body.Bottom, BalloonCorner, BalloonCorner);
  // A one-pixel edge at the tip, so that its pixel belongs to the shape; the
  // base reaches a pixel into the body, so the two join without a seam.
  const bool top = layout.Side == StemSide::Top;
  const int tipEdge = top ? layout.StemTip.Y : layout.StemTip.Y + 1;
  const int base = top ? body.Top + 1 : body.Bottom - 1;
  const int tipX = layout.StemTip.X;
  const bool leansRight = layout.StemFar > tipX;
  const int straight = leansRight ? tipX : tipX + 1;
  const POINT stem[] = {{tipX, tipEdge},
                        {tipX + 1, tipEdge},
                        {leansRight ? layout.StemFar : straight, base},
                        {leansRight ? straight : layout.StemFar, base}};
  HRGN stemRegion = CreatePolygonRgn(stem, 4, WINDING);
  CombineRgn(shape, shape, stemRegion, RGN_OR);
  DeleteObject(stemRegion);
  return shape;
}

}  // namespace plat
