// TCustomGrid: painting. Only the cells on screen are visited: the fixed
// ones, then the scrollable ones from LeftCol and TopRow to the client's
// edge. Lines fill the gaps after each cell: black in the fixed cells' part
// (goFixedVertLine, goFixedHorzLine), silver in the rest (goVertLine,
// goHorzLine); what lies beyond the last cell takes the grid's colour.
#include <vector>

#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/TCustomGrid.h"
#include "platform/ui/detail/GridAxis.h"
#include "platform/ui/TInplaceEdit.h"

namespace plat {

TGridDrawState TCustomGrid::DrawStateOf(int ACol, int ARow) {
  TGridDrawState state;
  if (ACol < FixedCols() || ARow < FixedRows()) {
    state.Include(TGridDrawStateItem::gdFixed);
    return state;
  }
  const bool current = ACol == FCurrent.X && ARow == FCurrent.Y;
  const bool hasFocus = Focused() || (FInplaceEdit && FInplaceEdit->Focused());
  if (current && hasFocus) state.Include(TGridDrawStateItem::gdFocused);
  const bool showCurrentSelected =
      FOptions.Contains(TGridOption::goDrawFocusSelected) || FOptions.Contains(TGridOption::goRowSelect);
  if (Selection().Contains(ACol, ARow) && (!current || showCurrentSelected))
    state.Include(TGridDrawStateItem::gdSelected);
  return state;
}

void TCustomGrid::DrawCell(int, int, const TRect&, TGridDrawState) {}

bool TCustomGrid::CellFillShows(const TRect& ARect) {
  TCanvas* canvas = Canvas();
  const TBrush& brush = *canvas->Brush();
  return FCellFill.Valid && FCellFill.Rect == ARect && FCellFill.CanvasUses == canvas->Uses() &&
         brush.Style() == TBrushStyle::bsSolid && !brush.Bitmap() && brush.Color() == FCellFill.Color;
}

void TCustomGrid::PaintCell(int ACol, int ARow, const TRect& Where) {
  TCanvas* canvas = Canvas();
  const TGridDrawState state = DrawStateOf(ACol, ARow);
  canvas->SetFont(*Font());
  canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  // DrawCell finds the state's colours in the canvas, with or without
  // DefaultDrawing, never what the cell before it left there.
  if (state.Contains(TGridDrawStateItem::gdFixed)) {
    canvas->Brush()->SetColor(FFixedColor);
  } else if (state.Contains(TGridDrawStateItem::gdSelected)) {
    canvas->Brush()->SetColor(clHighlight);
    canvas->Font()->SetColor(clHighlightText);
  } else {
    canvas->Brush()->SetColor(Color());
  }
  if (FDefaultDrawing) {
    canvas->FillRect(Where);
    FCellFill = {Where, canvas->Brush()->Color(), canvas->Uses(), true};
  }
  DrawCell(ACol, ARow, Where, state);
  FCellFill.Valid = false;
  if (!FDefaultDrawing) return;
  if (state.Contains(TGridDrawStateItem::gdFixed) && GridLineWidth() > 0) {
    RECT edge = Where;
    DrawEdge(canvas->Handle(), &edge, BDR_RAISEDINNER, BF_RECT);
  }
  const bool editing = FInplaceEdit && FEditorMode;
  if (state.Contains(TGridDrawStateItem::gdFocused) && !FOptions.Contains(TGridOption::goRowSelect) && !editing) {
    canvas->Brush()->SetColor(Color());
    canvas->Font()->SetColor(Font()->Color());
    canvas->DrawFocusRect(Where);
  }
}

void TCustomGrid::Paint() {
  TCanvas* canvas = Canvas();
  const int w = ClientW();
  const int h = ClientH();
  const TRect clip = canvas->ClipRect();
  const std::vector<TShownCell> cols = FCols->Shown(w);
  const std::vector<TShownCell> rows = FRows->Shown(h);
  for (const TShownCell& row : rows) {
    const int bottom = row.Start + RowHeights(row.Index);
    if (row.Start >= clip.Bottom || bottom + GridLineWidth() <= clip.Top) continue;
    for (const TShownCell& col : cols) {
      const TRect where{col.Start, row.Start, col.Start + ColWidths(col.Index), bottom};
      if (where.Intersects(clip)) PaintCell(col.Index, row.Index, where);
    }
  }
  PaintLines({0, 0, w, h});
}

void TCustomGrid::PaintLines(const TRect& Client) {
  TCanvas* canvas = Canvas();
  const int lw = GridLineWidth();
  const int gridRight = FCols->GridExtent(Client.Width());
  const int gridBottom = FRows->GridExtent(Client.Height());
  const int fixedRight = std::min(FCols->FixedBoundary(), gridRight);
  const int fixedBottom = std::min(FRows->FixedBoundary(), gridBottom);
  const std::vector<TShownCell> cols = FCols->Shown(Client.Width());
  const std::vector<TShownCell> rows = FRows->Shown(Client.Height());
  canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  // Lines of one part of the grid, clipped to it.
  // Gaps whose lines are switched off take the grid's colour.
  const auto lines = [&](const TRect& Part, bool Vert, bool Horz, TColor LineColor) {
    if (lw == 0 || Part.IsEmpty()) return;
    canvas->Brush()->SetColor(Vert ? LineColor : Color());
    for (const TShownCell& col : cols) {
      const int x = col.Start + ColWidths(col.Index);
      const TRect line = TRect{x, Part.Top, x + lw, Part.Bottom}.Intersected(Part);
      if (!line.IsEmpty()) canvas->FillRect(line);
    }
    canvas->Brush()->SetColor(Horz ? LineColor : Color());
    for (const TShownCell& row : rows) {
      const int y = row.Start + RowHeights(row.Index);
      const TRect line = TRect{Part.Left, y, Part.Right, y + lw}.Intersected(Part);
      if (!line.IsEmpty()) canvas->FillRect(line);
    }
  };
  const bool fixedVert = FOptions.Contains(TGridOption::goFixedVertLine);
  const bool fixedHorz = FOptions.Contains(TGridOption::goFixedHorzLine);
  lines({0, 0, fixedRight, gridBottom}, fixedVert, fixedHorz, clBlack);
  lines({fixedRight, 0, gridRight, fixedBottom}, fixedVert, fixedHorz, clBlack);
  const TColor dataLine = ColorToRGB(Color()) == ColorToRGB(clSilver) ? clGray : clSilver;
  lines({fixedRight, fixedBottom, gridRight, gridBottom}, FOptions.Contains(TGridOption::goVertLine),
        FOptions.Contains(TGridOption::goHorzLine), dataLine);
  // Beyond the last column and row.
  canvas->Brush()->SetColor(Color());
  if (gridRight < Client.Right) canvas->FillRect({gridRight, 0, Client.Right, Client.Bottom});
  if (gridBottom < Client.Bottom) canvas->FillRect({0, gridBottom, gridRight, Client.Bottom});
}

}  // namespace plat
