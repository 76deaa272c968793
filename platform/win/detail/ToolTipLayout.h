#pragma once
// Where a tool tip's parts go: the text as it shows, the title row (icon and
// bold title) above it, the frame around them (a bordered rectangle, or a
// rounded balloon with a stem) and the window's place on the screen for an
// anchor, kept in the work area unless the anchor is absolute. Pure
// geometry over measured text: the same content and anchor give the same
// layout.
#include <optional>

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Geometry.h"
#include "platform/win/WinTypes.h"

namespace plat {

// The text a tip shows for a tool's text: without noPrefix, "&" marks
// dropped ("&&" for "&") and cut at the first tab.
String TipDisplayText(const String& text, bool noPrefix);

struct TipContent {
  String Text;  // as TipDisplayText gives it; never empty
  String Title;
  int Icon = 0;       // TTI_NONE..TTI_ERROR; shown with a title only
  int MaxWidth = -1;  // the text's width limit, negative for none
  TRect Margin;       // extra room around the content
  bool Balloon = false;
  bool ExpandTabs = false;
};

// What the tip points at.
enum class TipPlacement {
  BelowPointer,   // a hover tip: under the pointer, a balloon's stem at it
  CenteredBelow,  // TTF_CENTERTIP: centred under the tool
  Track,          // a tracking tip at its point, kept on the screen
  TrackAbsolute,  // exactly at its point
};
struct TipAnchor {
  TipPlacement Placement = TipPlacement::BelowPointer;
  TPoint Point;  // the pointer or the tracking point
  TRect Tool;    // the tool's screen area
};

enum class StemSide { Top, Bottom };

struct TipLayout {
  TRect Window;  // on the screen
  // In window coordinates:
  TRect Body;  // the bordered rectangle or the balloon's rounded body
  std::optional<TPoint> IconAt;
  TRect TitleRect;  // empty without a title
  TRect TextRect;
  // A balloon's stem: the pixel at its tip, and the far end of its base on
  // the body's edge (the near end is straight above or below the tip).
  bool Balloon = false;
  StemSide Side = StemSide::Top;
  TPoint StemTip;
  int StemFar = 0;
};

constexpr int TipIconSize = 16;
// The balloon body's corner ellipse.
constexpr int BalloonCorner = 16;

// Measures the content with the fonts (through a screen DC) and places it
// for the anchor within the work area.
TipLayout LayOutTip(const TipContent& content, HFONT textFont, HFONT titleFont, const TipAnchor& anchor,
                    const TRect& workArea);

// The DrawText format the text is drawn and measured with.
UINT TipTextFormat(const TipContent& content);

// A balloon's shape in window coordinates, for SetWindowRgn and painting;
// the caller owns it.
HRGN CreateBalloonRegion(const TipLayout& layout);

}  // namespace plat
