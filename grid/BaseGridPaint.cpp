// TBaseGrid: drawing. Every cell is drawn here: its fill (plain or a
// 64-band gradient), its own lines (grey and one pixel wide in fixed cells,
// GridLineColor and GridLineWidth elsewhere) and its text. A merged range
// is drawn whole once for its base cell and at most once more per paint
// pass for its members, guarded by the base's paint stamp; a range scrolled
// under the fixed cells is clipped off them, and the caller's own clip
// region comes back afterwards.
#include <optional>

#include "grid/ExtUtilDrawing.h"
#include "grid/TBaseGrid.h"
#include "grid/TCellProperties.h"
#include "platform/gdi/ClipRegionSaver.h"
#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/TextConstants.h"
#include "platform/ui/ControlPaint.h"

namespace zorbit {

using plat::TGridDrawStateItem;
using plat::TGridOption;
using plat::TRect;

namespace {

constexpr plat::TColor FixedLineColor = 0x808080;
constexpr int GradientBands = 64;

}  // namespace

void TBaseGrid::Paint() {
  TStringGrid::Paint();
  ++FPaintPass;
}

void TBaseGrid::DrawCell(int ACol, int ARow, const TRect& ARect, plat::TGridDrawState AState) {
  plat::TCanvas* canvas = Canvas();
  if (FHideLastRow && ARow == RowCount() - 1) {
    canvas->Brush()->SetColor(Color());
    canvas->Pen()->SetColor(Color());
    canvas->Pen()->SetWidth(1);
    canvas->Rectangle(ARect);
    return;
  }
  int baseCol = 0, baseRow = 0;
  if (!ResolveBaseCell(ACol, ARow, baseCol, baseRow)) {
    TCellProperties* base = GetCellProperties(baseCol, baseRow);
    if (base->PaintStamp() == FPaintPass) return;
    base->SetPaintStamp(FPaintPass);
    DrawCell(baseCol, baseRow, ARect, AState);
    return;
  }
  if (IsFixedCellAt(ACol, ARow)) {
    AState.Include(TGridDrawStateItem::gdFixed);
    AState.Exclude(TGridDrawStateItem::gdSelected);
  }
  TRect rect = GetCellRect(ACol, ARow);

  // A range scrolled under the fixed cells is kept off them.
  const int fixedWidth = ACol >= FixedCols() ? GetFixedColsWidth() : 0;
  const int fixedHeight = ARow >= FixedRows() ? GetFixedRowsHeight() : 0;
  std::optional<plat::ClipRegionSaver> keptClip;
  if ((ACol >= FixedCols() && FixedCols() > 0 && rect.Left < fixedWidth) ||
      (ARow >= FixedRows() && FixedRows() > 0 && rect.Top < fixedHeight)) {
    const plat::HDC dc = canvas->Handle();
    keptClip.emplace(dc);
    const plat::HRGN region = plat::CreateRectRgn(fixedWidth, fixedHeight, Width(), Height());
    plat::ExtSelectClipRgn(dc, region, plat::RGN_AND);
    plat::DeleteObject(region);
  }

  canvas->Pen()->SetWidth(1);
  canvas->SetFont(*Font());
  plat::TColor colorTo = plat::clNone;
  bool wordWrap = FWordWrap;
  plat::TAlignment hAlign = plat::TAlignment::taLeftJustify;
  TVAlignment vAlign = TVAlignment::vtaTop;
  GetCellColor(ACol, ARow, AState, false, true, true, canvas->Brush(), colorTo, canvas->Font(), wordWrap, hAlign,
               vAlign);
  canvas->Pen()->SetColor(canvas->Brush()->Color());
  if (FActiveRowShow && ARow == Row() && ACol != Col()) canvas->Brush()->SetColor(FActiveRowColor);
  if (colorTo == plat::clNone) {
    canvas->Rectangle(rect);
  } else {
    FillGradientRect(*canvas, canvas->Brush()->Color(), colorTo, false, rect, GradientBands);
  }

  const bool fixed = AState.Contains(TGridDrawStateItem::gdFixed);
  int half = 0;
  if (fixed) {
    canvas->Pen()->SetColor(FixedLineColor);
    canvas->Pen()->SetWidth(1);
    half = 1;
  } else {
    if (FGridLineWidth > 0) canvas->Pen()->SetColor(FGridLineColor);
    canvas->Pen()->SetWidth(FGridLineWidth);
    half = (FGridLineWidth + 1) / 2;
  }
  // A width of 0 in a normal cell draws no lines.
  const bool lines = fixed || FGridLineWidth > 0;
  const plat::TGridOptions options = Options();
  const bool bottomLine =
      fixed ? options.Contains(TGridOption::goFixedHorzLine) : options.Contains(TGridOption::goHorzLine);
  const bool rightLine =
      fixed ? options.Contains(TGridOption::goFixedVertLine) : options.Contains(TGridOption::goVertLine);
  if (lines && !(baseCol == 0 && HasNodes()) && bottomLine) {
    canvas->MoveTo(rect.Left - half + 1, rect.Bottom - half);
    canvas->LineTo(rect.Right - half + 1, rect.Bottom - half);
  }
  if (lines && rightLine) {
    const int x = UseRightToLeftReading() ? rect.Right - half + 1 : rect.Right - half;
    canvas->MoveTo(x, rect.Bottom - half);
    canvas->LineTo(x, rect.Top - half);
  }

  const int inset = fixed ? 1 : FGridLineWidth;
  rect = rect.Inflated(-inset, -inset);
  DrawCellText(canvas, ACol, ARow, rect, AState);
}

void TBaseGrid::DrawCellText(plat::TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect,
                             plat::TGridDrawState AState) {
  TRect rect = ARect;
  plat::DrawCanvasText(*ACanvas, GetCellText(ACol, ARow), rect,
                       plat::DT_SINGLELINE | plat::DT_VCENTER | plat::DT_CENTER);
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

void TBaseGrid::GetCellColor(int, int, plat::TGridDrawState&, bool, bool, bool, plat::TBrush*, plat::TColor&,
                             plat::TFont*, bool&, plat::TAlignment&, TVAlignment&) {}

}  // namespace zorbit
