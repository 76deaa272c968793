#pragma once
// RenderHtml: draws or measures one text of the HTML mini-language in a
// rectangle of a canvas and answers hit tests (the anchor, image or CONTROL
// under a point). Grid cells, the grid's hints and footers use the grid
// dialect; TMarkupLabel the label dialect, which has no CONTROL tag, takes
// the anchor value as the first quoted value of its tag (in its case), and
// fills BODY with a gradient when BGCOLORTO is given.
//
// Promises: the canvas's font, brush and pen are as they were on return,
// and so is its device context; no state is kept between calls; no tag is an
// error (unknown tags are ignored, unparsable values leave things as they
// were); pictures that are missing or fail to load take no room and raise
// nothing. Pictures with "://" sources are loaded once into Cache.
#include "platform/gdi/Colors.h"
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Types.h"

namespace plat {
class TCanvas;
class TImageList;
}  // namespace plat

namespace zorbit {

class TPictureContainer;
class THTMLPictureCache;

enum class THtmlDialect { hdGrid, hdLabel };

struct THtmlRenderOptions {
  plat::TImageList* Images = nullptr;      // for "IDX:" images
  TPictureContainer* Container = nullptr;  // for pictures named without ":"
  THTMLPictureCache* Cache = nullptr;      // for "://" sources
  // The hit-test point in canvas coordinates.
  int XPos = -1;
  int YPos = -1;
  // Anchors are numbered from 0 in text order; -1 for none.
  int FocusLink = -1;
  int HoverLink = -1;
  bool MouseDown = false;
  plat::String CheckControlID;  // a CONTROL to report whatever the point
  int ShadowOffset = 1;
  plat::TColor ShadowColor = plat::clGray;
  plat::TColor URLColor = plat::clBlue;
  plat::TColor HoverColor = plat::clNone;
  plat::TColor HoverFontColor = plat::clNone;
  bool CheckOnly = false;       // measure and hit-test only, draw nothing
  bool WordWrap = true;         // off: runs that do not fit end in "..."
  bool KeepFontColors = false;  // colour attributes and link colours ignored
  bool Blink = false;           // the blink phase: off hides BL text
  bool HoverUnderline = false;  // anchors underlined and coloured only while hovered
  bool ImageScale = false;      // "IDX:" images scaled by ScaleFactor
  double ScaleFactor = 1.0;
  THtmlDialect Dialect = THtmlDialect::hdGrid;
};

struct THtmlRenderResult {
  plat::String Anchor;       // HREF under the point ("ctrl" for a CONTROL)
  plat::String AnchorTitle;  // its TITLE
  plat::String StripText;    // the text as drawn, a CR for each BR
  plat::String FocusAnchor;  // the focus anchor's HREF
  plat::TRect FocusRect;
  int XSize = 0;  // the widest line
  int YSize = 0;  // the sum of the line heights; at least "gh" high
  int HyperLinks = 0;
  int MouseLink = -1;  // the anchor under the point
  plat::String ControlID, ControlType, ControlValue;
  plat::TRect ControlRect;
};

// True when the point lies on an anchor or a CONTROL (or CheckControlID
// names one).
bool RenderHtml(plat::TCanvas& Canvas, const plat::String& Html, const plat::TRect& Rect,
                const THtmlRenderOptions& Options, THtmlRenderResult& Result);

}  // namespace zorbit
