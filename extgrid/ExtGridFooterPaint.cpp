// The floating footer panel's picture and hints. The panel's columns stand
// under the grid's (the fixed columns, then those from LeftCol), so that
// the footer row lines up with the cells above it; hints find their column
// the same way.
#include <algorithm>
#include <utility>

#include "extgrid/TExtStringGrid.h"
#include "grid/HtmlRenderer.h"
#include "grid/TCellProperties.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TextConstants.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/ControlPaint.h"

namespace zorbit {

using plat::TRect;

namespace {

constexpr plat::TColor PreviewShadow = 0x808080;
// The custom preview's text stands this much lower than the frame's inside.
constexpr int TemplateDrop = 2;

}  // namespace

std::vector<TExtStringGrid::TFooterColumn> TExtStringGrid::FooterColumns(int Width) {
  std::vector<TFooterColumn> columns;
  int x = 0;
  const auto add = [&](int ACol) {
    const int width = ColWidths(ACol);
    columns.push_back({ACol, x, x + width});
    x += width;
  };
  const int fixedCols = std::min(TBaseGrid::FixedCols(), ColCount());
  for (int col = 0; col < fixedCols && x < Width; ++col) add(col);
  for (int col = std::max(LeftCol(), fixedCols); col < ColCount() && x < Width; ++col) add(col);
  if (UseRightToLeftAlignment())
    for (TFooterColumn& column : columns) column = {column.Col, Width - column.Right, Width - column.Left};
  return columns;
}

void TExtStringGrid::PaintFooterPanel(plat::TCanvas& Canvas, const TRect& Client) {
  // The footer's colour under the columns, the grid's beyond them.
  int covered = 0;
  for (const TFooterColumn& column : FooterColumns(Client.Width())) covered += column.Right - column.Left;
  covered = std::min(covered, Client.Width());
  TRect footer = Client, rest = Client;
  if (UseRightToLeftAlignment())
    footer.Left = rest.Right = Client.Right - covered;
  else
    footer.Right = rest.Left = Client.Left + covered;
  Canvas.Brush()->SetStyle(plat::TBrushStyle::bsSolid);
  Canvas.Brush()->SetColor(FFloatingFooter->Color());
  Canvas.FillRect(footer);
  Canvas.Brush()->SetColor(Color());
  Canvas.FillRect(rest);
  if (FFloatingFooter->FooterStyle() == TFooterStyle::fsFixedLastRow)
    PaintFooterRow(Canvas, Client);
  else
    PaintFooterPreview(Canvas, Client);
}

void TExtStringGrid::DrawFooterCellText(plat::TCanvas& Canvas, int ACol, int ARow, const TRect& Rect,
                                        plat::TGridDrawState State) {
  // The text stands on the footer's colour: without the fixed cells' look.
  const bool flat = std::exchange(FFlat, true);
  const plat::ScopeExit restoreFlat([this, flat] { FFlat = flat; });
  DrawCellText(&Canvas, ACol, ARow, Rect, State);
}

void TExtStringGrid::PaintFooterRow(plat::TCanvas& Canvas, const TRect& Client) {
  const int row = RowCount() - 1;
  const plat::TGridOptions options = Options();
  const bool separators = FLook == TGridLook::glSoft && !FFlat &&
                          (options.Contains(plat::TGridOption::goFixedVertLine) ||
                           options.Contains(plat::TGridOption::goFixedHorzLine));
  for (const TFooterColumn& column : FooterColumns(Client.Width())) {
    const TRect cell{column.Left, Client.Top, column.Right, Client.Bottom};
    const int realCol = DisplayToRealCol(column.Col);
    if (HasCellProperties(realCol, row)) {
      if (const plat::TColor own = GetCellProperties(realCol, row)->BrushColor(); own != plat::clNone) {
        Canvas.Brush()->SetColor(own);
        Canvas.FillRect(cell);
      }
    }
    DrawFooterCellText(Canvas, column.Col, row, cell.Inflated(-1, -1), {plat::TGridDrawStateItem::gdFixed});
    if (!separators) continue;
    Canvas.Pen()->SetWidth(1);
    Canvas.Pen()->SetColor(plat::clWhite);
    Canvas.MoveTo(cell.Left, cell.Top);
    Canvas.LineTo(cell.Left, cell.Bottom);
    Canvas.Pen()->SetColor(PreviewShadow);
    Canvas.MoveTo(cell.Right - 1, cell.Top);
    Canvas.LineTo(cell.Right - 1, cell.Bottom);
  }
}

void TExtStringGrid::PaintFooterPreview(plat::TCanvas& Canvas, const TRect& Client) {
  TRect area = Client;
  plat::Frame3D(Canvas, area, plat::clWhite, PreviewShadow, 1);
  if (FFloatingFooter->FooterStyle() == TFooterStyle::fsColumnPreview) {
    const int column = FFloatingFooter->Column();
    // Selected cells show their text in black on the footer.
    const plat::TColor selectionText = std::exchange(FSelectionTextColor, plat::clBlack);
    const plat::ScopeExit restoreText([this, selectionText] { FSelectionTextColor = selectionText; });
    if (OnFooterPaint)
      OnFooterPaint(this, column, &Canvas, area);
    else if (column >= 0 && column < ColCount() && Row() >= 0)
      DrawFooterCellText(Canvas, column, Row(), area, {});
    return;
  }
  Canvas.SetFont(*Font());
  Canvas.Brush()->SetStyle(plat::TBrushStyle::bsClear);
  if (Designing()) {
    TRect text = area;
    plat::DrawCanvasText(Canvas, FFloatingFooter->CustomTemplate(), text, plat::DT_SINGLELINE | plat::DT_NOPREFIX);
  } else {
    THtmlRenderOptions options;
    options.Images = FGridImages;
    options.Container = FPictureContainer;
    options.URLColor = FURLColor;
    THtmlRenderResult result;
    RenderHtml(Canvas, FooterTemplateText(), area.Translated(0, TemplateDrop), options, result);
  }
  Canvas.Brush()->SetStyle(plat::TBrushStyle::bsSolid);
}

}  // namespace zorbit
