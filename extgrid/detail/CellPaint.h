#pragma once
// The record one cell's drawing passes between its steps, and the looks a
// cell's own properties give its brush and font (read by painting and by
// the colour hook alike).
#include "extgrid/TExtStringGrid.h"
#include "grid/TCellProperties.h"
#include "platform/gdi/TCanvas.h"

namespace zorbit {

struct TExtStringGrid::CellPaint {
  plat::TCanvas* Canvas = nullptr;
  int Col = 0;      // display column
  int RealCol = 0;  // column in the cell store
  int Row = 0;
  plat::TRect Rect;  // shrinks as room is taken
  plat::TGridDrawState State;
  bool Fixed = false;
  bool WordWrap = false;
  plat::TAlignment HAlign = plat::TAlignment::taLeftJustify;
  TVAlignment VAlign = TVAlignment::vtaTop;
  plat::TColor ColorTo = plat::clNone;
  int TextWidth = 0;
  // Where the text was laid out; the graphic stands beside it.
  plat::TRect TextRect;
  // The cell's graphic (nullptr: none) with its size and alignment, and
  // whether the cell's text shows beside it.
  TCellGraphic* Graphic = nullptr;
  int GraphicWidth = 0;
  int GraphicHeight = 0;
  TCellHAlign GraphicHAlign = TCellHAlign::haLeft;
  TCellVAlign GraphicVAlign = TCellVAlign::vaTop;
  bool TextBeside = true;
  plat::TColor SavedBrush = plat::clNone;
  plat::TColor SavedFont = plat::clNone;
};

// A colour, style, size and font name the properties set (clNone, empty or
// 0: not set).
inline void ApplyPropertyLooks(const TCellProperties& Props, plat::TBrush* ABrush, plat::TFont* AFont) {
  if (Props.BrushColor() != plat::clNone) ABrush->SetColor(Props.BrushColor());
  if (Props.FontColor() != plat::clNone) AFont->SetColor(Props.FontColor());
  if (!Props.FontStyle().Empty()) AFont->SetStyle(Props.FontStyle());
  if (Props.FontSize() != 0) AFont->SetSize(Props.FontSize());
  if (!Props.FontName().empty()) AFont->SetName(Props.FontName());
}

}  // namespace zorbit
