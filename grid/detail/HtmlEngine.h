#pragma once
// The engine behind RenderHtml: one call's drawing state, the line engine
// (RenderHtmlLine) that lays out and draws one line at a time, and the tag
// handlers. Each line runs twice from the same state: a measure pass that
// decides where the line ends and how big it is, then a place pass that
// draws it (unless measuring only) and answers the hit test at its aligned
// position. Internal to grid/.
#include <array>
#include <map>
#include <memory>
#include <type_traits>
#include <vector>

#include "grid/HtmlRenderer.h"
#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/FontTypes.h"
#include "platform/gdi/GdiObjects.h"

namespace zorbit {
class THTMLPicture;
}

namespace zorbit::detail {

class HtmlEngine {
 public:
  HtmlEngine(plat::TCanvas& Canvas, const plat::TRect& Rect, const THtmlRenderOptions& Options,
             THtmlRenderResult& Result);
  ~HtmlEngine();
  HtmlEngine(const HtmlEngine&) = delete;
  HtmlEngine& operator=(const HtmlEngine&) = delete;

  bool Run(const plat::String& Html);

 private:
  enum class Pass { Measure, Place };
  enum class Align { Left, Right, Center };

  // Everything a tag may change; copied at each line start so that both
  // passes of the line begin alike.
  struct FontFrame {
    plat::LOGFONTW Font;
    plat::TColor FontColor;
    plat::TColor Brush;
  };
  struct State {
    plat::LOGFONTW Font;
    plat::TColor FontColor = plat::clBlack;
    plat::TColor Brush = plat::clNone;
    bool InAnchor = false, Error = false, Hidden = false, Sub = false, Sup = false, Shadow = false;
    bool ParaFill = false;
    plat::TColor ParaBrush = plat::clNone, BrushBeforePara = plat::clNone;
    int ListLevel = 0;
    int Anchors = 0;  // anchors opened so far
    int AnchorNumber = -1;
    plat::String AnchorHref, AnchorTitle;
    plat::TColor AnchorFontColor = plat::clBlack, AnchorBrush = plat::clNone;
    plat::Byte AnchorUnderline = 0;
    plat::TColor HiFontColor = plat::clBlack, HiBrush = plat::clNone;
    plat::TColor BlinkFontColor = plat::clBlack;
    std::vector<FontFrame> FontStack;
    std::vector<plat::LOGFONTW> RotateStack;
    Align Alignment = Align::Left;
    int Indent = 0;
  };
  // What the measure pass learns about a line.
  struct Line {
    std::size_t End = 0;  // where the next line starts
    int Width = 0;
    int Above = 0;  // above the baseline
    int Below = 0;  // below it (images, controls)
    int Sub = 0, Sup = 0;
    int TextHeight = 0;  // "gh" in the line's starting font
    int Height() const { return Sup + Above + std::max(Sub, Below); }
  };
  // The walk through one line in one pass.
  struct Walk {
    Pass Mode;
    int X = 0;
    int Left = 0;  // where the line starts
    int Top = 0;
    int Baseline = 0;
    bool Placed = false;         // something takes room on the line
    bool EndsWithBlank = false;  // the last run placed ends with a blank
    int TrailingBlank = 0;       // its blank's width
    bool Bullet = false;         // an LI bullet is on the line
    int AnchorLeft = 0;          // where the open anchor starts on this line
    bool Rule = false;           // an HR ended the line
  };
  // What a tag asks of the line.
  enum class Flow { Continue, EndAfter, EndBefore, StopText };

  void RenderHtmlLine(Walk& W, Line& L, std::size_t Start);
  Flow HandleTag(Walk& W, Line& L, std::string_view Tag);
  Flow OpeningTag(Walk& W, Line& L, std::string_view Tag, const plat::String& Name);
  Flow ClosingTag(Walk& W, Line& L, const plat::String& Name);
  // Returns false when the run does not fit and the line ends before it.
  bool HandleRun(Walk& W, Line& L, plat::String Run, bool Wrapped);
  Flow Image(Walk& W, Line& L, std::string_view Tag);
  Flow Control(Walk& W, Line& L, std::string_view Tag);
  void Body(std::string_view Tag);
  void Anchor(Walk& W, std::string_view Tag);
  void SetFontHeightInPoints(int Points);
  void EndAnchor(Walk& W, const Line& L);

  // Room for an item of width Width: false when it should start the next line.
  bool ItemFits(const Walk& W, int Width) const;
  void Raise(Line& L, int Above, int Below);

  // Drawing helpers on the canvas's DC.
  plat::HFONT FontHandle(const plat::LOGFONTW& Font);
  plat::TSize Measure(const plat::String& Text);
  int TextHeight(const plat::LOGFONTW& Font);
  void DrawRun(const plat::String& Text, plat::TRect Box, plat::TColor Color, plat::UINT ExtraFlags);
  void Fill(const plat::TRect& Box, plat::TColor Color);
  void DrawLine(int X1, int Y1, int X2, int Y2, plat::TColor Color);
  void DrawPicture(THTMLPicture* Picture, const plat::TRect& Box);
  bool Themed(const char16_t* ClassName, int Part, int StateId, const plat::TRect& Box);
  THTMLPicture* Picture(const plat::String& Source);
  bool Drawing(const Walk& W) const { return W.Mode == Pass::Place && !FOptions.CheckOnly; }
  bool PointIn(const plat::TRect& Box) const { return Box.Contains(plat::TPoint{FOptions.XPos, FOptions.YPos}); }
  int ScaledToScreen(int Pixels) const;

  plat::TCanvas& FCanvas;
  plat::TRect FRect;
  const THtmlRenderOptions& FOptions;
  THtmlRenderResult& FResult;
  plat::HDC FDC;
  struct FontDeleter {
    void operator()(plat::HFONT Font) const;
  };
  using OwnedFont = std::unique_ptr<std::remove_pointer_t<plat::HFONT>, FontDeleter>;
  struct CachedFont {
    OwnedFont Handle;
    int TextHeight = -1;  // of "gh", once asked
    int BlankWidth = -1;
  };
  CachedFont& FontOf(const plat::LOGFONTW& Font);
  // Fonts made in this call, freed at its end, after FSaved has put the
  // DC's own font back.
  std::map<std::array<plat::Byte, sizeof(plat::LOGFONTW)>, CachedFont> FFonts;
  plat::DCStateSaver FSaved;
  // The sizes of the runs the measure pass took, handed to the place pass
  // of the same line in the same order: (size, trailing blank's width).
  std::vector<std::pair<plat::TSize, int>> FRunSizes;
  std::size_t FRunNext = 0;
  plat::String FText;
  State FState;
  plat::TColor FBackground;  // the canvas brush colour at the start
  int FScreenPPI = 96;
  bool FHit = false;
};

}  // namespace zorbit::detail
