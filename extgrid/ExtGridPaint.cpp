// The paint pass and one cell's drawing: its colours, font and alignment,
// the looks of fixed cells, borders, tree lines and the focus rectangle.
// The cell's content is ExtGridCellText.cpp's; pictures behind cells, the
// area beyond them and the sizing lines are ExtGridPaintExtras.cpp's.
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/CellPaint.h"
#include "grid/ExtUtilDrawing.h"
#include "grid/ExtUtilText.h"
#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/ThemeServices.h"
#include "platform/ui/TInplaceEdit.h"

namespace zorbit {

using plat::TGridDrawStateItem;
using plat::TGridOption;
using plat::TRect;

namespace {

constexpr int FixedGradientSteps = 10;
// The mark at the right of a modified row's first cell.
constexpr int ModifiedBarWidth = 4;
// The theme's header item and its states.
constexpr int HeaderItemPart = 1;
constexpr int HeaderItemNormal = 1;
constexpr int HeaderItemHot = 2;
constexpr int HeaderItemPressed = 3;

}  // namespace

void TExtStringGrid::Paint() {
  Canvas()->Pen()->SetStyle(plat::TPenStyle::psSolid);
  TBaseGrid::Paint();
  if (EditorMode()) {
    const plat::TGridOptions options = Options();
    const bool lines = options.Contains(TGridOption::goVertLine) || options.Contains(TGridOption::goHorzLine);
    plat::TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(GridLineWidth() < 1 || !lines ? Color() : GridLineColor());
    canvas->Brush()->SetStyle(plat::TBrushStyle::bsClear);
    canvas->Rectangle(CellRect(Col(), Row()).Inflated(1, 1));
    canvas->Brush()->SetStyle(plat::TBrushStyle::bsSolid);
  }
  Canvas()->Pen()->SetColor(plat::clBlack);
  PaintEmptyArea();
}

bool TExtStringGrid::IsFixedCellAt(int ACol, int ARow) {
  bool fixed = false;
  IsFixedCell(ACol, ARow, fixed);
  return fixed || ACol < TBaseGrid::FixedCols() || ARow < TBaseGrid::FixedRows();
}

void TExtStringGrid::ResolveCellFont(int ACol, int ARow, bool APrint, plat::TFont* AFont) {
  const bool fixedArea = ACol < TBaseGrid::FixedCols() || ARow < TBaseGrid::FixedRows();
  if (APrint && !FPrintSettings->UseDisplayFont())
    AFont->Assign(fixedArea ? *FPrintSettings->FixedFont() : *FPrintSettings->Font());
  else
    AFont->Assign(fixedArea ? *FFixedFont : *Font());
}

void TExtStringGrid::GetCellColor(int ACol, int ARow, plat::TGridDrawState& AState, bool APrint, bool ASelection,
                                  bool AMapColumn, plat::TBrush* ABrush, plat::TColor& AColorTo, plat::TFont* AFont,
                                  bool& AWordWrap, plat::TAlignment& AHAlign, TVAlignment& AVAlign) {
  const int realCol = AMapColumn ? DisplayToRealCol(ACol) : ACol;
  const int fixedCols = TBaseGrid::FixedCols();
  const int fixedRows = TBaseGrid::FixedRows();
  ResolveCellFont(ACol, ARow, APrint, AFont);
  ABrush->SetColor(plat::clNone);
  AColorTo = plat::clNone;
  if (HasCellProperties(realCol, ARow)) {
    const TCellProperties& props = *GetCellProperties(realCol, ARow);
    ApplyPropertyLooks(props, ABrush, AFont);
    AWordWrap = props.WordWrap();
    AColorTo = props.BrushColorTo();
  }

  const bool footer = ARow >= RowCount() - FFixedFooters;
  const bool rightFixed = ACol >= AllColumnCount() - FFixedRightCols;
  if (ABrush->Color() == plat::clNone) {
    ABrush->SetColor(Color());
    const bool normal = ACol >= fixedCols && !rightFixed && ARow >= fixedRows && !footer;
    if (FBands->Active() && (!APrint || FBands->Print()) && normal) {
      const int total = FBands->TotalLength();
      if (total < 1)
        ABrush->SetColor(Color());
      else
        ABrush->SetColor((ARow - fixedRows) % total < FBands->PrimaryLength() ? FBands->PrimaryColor()
                                                                             : FBands->SecondaryColor());
    }
  }
  if (ACol < fixedCols || ARow < fixedRows || rightFixed || footer) ABrush->SetColor(FixedColor());

  const bool fixed = IsFixedCellAt(ACol, ARow);
  if (fixed && !APrint) {
    ABrush->SetColor(FixedColor());
    AFont->Assign(*FFixedFont);
  }
  if (fixed) AState.Include(TGridDrawStateItem::gdFixed);

  if (APrint)
    GetCellPrintColors(realCol, ARow, AState, ABrush, AFont);
  else
    ApplyCellColors(realCol, ARow, AState, ABrush, AFont);

  if (!APrint && ASelection && FShowSelection && !fixed) ApplySelectionColors(ACol, ARow, AState, ABrush, AColorTo, AFont);

  GetCellWordWrap(realCol, ARow, AWordWrap);
  GetCellAlignment(realCol, ARow, AHAlign, AVAlign);
}

void TExtStringGrid::ApplySelectionColors(int ACol, int ARow, plat::TGridDrawState& AState, plat::TBrush* ABrush,
                                          plat::TColor& AColorTo, plat::TFont* AFont) {
  const auto selectionColours = [&] {
    if (FSelectionColor != plat::clNone) ABrush->SetColor(FSelectionColor);
    AColorTo = FSelectionColorTo;
    if (FSelectionTextColor != plat::clNone) AFont->SetColor(FSelectionTextColor);
    AState.Include(TGridDrawStateItem::gdSelected);
  };
  const bool mouseSelecting = GridState() == plat::TGridState::gsSelecting;
  const bool disjunctRows = FMouseActions->DisjunctRowSelect();
  const bool disjunctCols = FMouseActions->DisjunctColSelect();
  if (disjunctRows || disjunctCols) {
    // Flagged rows (columns) show selected; the rectangle only while the
    // mouse is still selecting, when it is drawn over the current row
    // (column) in place of the flags.
    const bool flagged = disjunctRows ? FRowSelection.Get(RowFlagIndex(ARow)) && !(mouseSelecting && ARow == Row())
                                      : FColSelection.Get(ACol) && !(mouseSelecting && ACol == Col());
    if (flagged || (mouseSelecting && AState.Contains(TGridDrawStateItem::gdSelected)))
      selectionColours();
    else
      AState.Exclude(TGridDrawStateItem::gdSelected);
  } else if (Selection().Contains(ACol, ARow) || AState.Contains(TGridDrawStateItem::gdSelected) ||
             (Options().Contains(TGridOption::goRowSelect) && ACol >= TBaseGrid::FixedCols() &&
              FRowSelection.Get(RowFlagIndex(ARow)))) {
    selectionColours();
  }
  if (!FMouseActions->DisjunctCellSelect()) return;
  if (IsCellMarkedSelected(ACol, ARow)) {
    selectionColours();
  } else if (ACol == Col() && ARow == Row()) {
    AState.Exclude(TGridDrawStateItem::gdSelected);
    ABrush->SetColor(Color());
    AFont->SetColor(Font()->Color());
  }
}

void TExtStringGrid::GetCellAlignment(int ACol, int ARow, plat::TAlignment& HAlign, TVAlignment& VAlign) {
  VAlign = FVAlignment;
  HAlign = plat::TAlignment::taLeftJustify;
  if (FAutoNumAlign) {
    plat::String text = GetCellText(ACol, ARow);
    const bool formula =
        (!text.empty() && text[0] == '=') || (text.size() >= 4 && text[0] == '|' && text[1] == '\\' && text[3] == '=');
    if (formula) GetFormulaText(ACol, ARow, text);
    if (ClassifyNumberText(text) < NumberTextNone) HAlign = plat::TAlignment::taRightJustify;
  }
  if (HasCellProperties(ACol, ARow)) HAlign = GetCellProperties(ACol, ARow)->Alignment();
  AdjustCellAlignment(ACol, ARow, HAlign, VAlign);
}

void TExtStringGrid::DrawCellText(plat::TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect,
                                  plat::TGridDrawState AState) {
  CellPaint p;
  p.Canvas = ACanvas;
  p.Col = ACol;
  p.RealCol = DisplayToRealCol(ACol);
  p.Row = ARow;
  p.Rect = ARect;
  p.State = AState;
  p.WordWrap = WordWrap();
  GetCellColor(ACol, ARow, p.State, false, true, true, ACanvas->Brush(), p.ColorTo, ACanvas->Font(), p.WordWrap,
               p.HAlign, p.VAlign);
  p.Fixed = IsFixedCellAt(ACol, ARow);
  p.Graphic = GetCellGraphicSize(p.RealCol, ARow, p.GraphicVAlign, p.GraphicHAlign, p.TextBeside, p.GraphicHeight,
                                 p.GraphicWidth);
  // A node row's caption stands after its glyph, one indent per level.
  if (ACol == 0 && p.Graphic && p.Graphic->CellType() == TCellType::ctNode) p.GraphicWidth = GetNodeIndent(ARow) + 4;
  const bool focused = p.State.Contains(TGridDrawStateItem::gdFocused);
  if (p.State.Contains(TGridDrawStateItem::gdSelected) && !focused && FSelectionColor == plat::clNone)
    ACanvas->Brush()->SetColor(plat::clHighlight);

  // The row indicator stands at the current row's header and pushes the
  // content right.
  int indicatorShift = 0;
  if (ACol == 0 && ARow == Row() && TBaseGrid::FixedCols() > 0 && !FRowIndicator->Empty()) {
    DrawBitmapTransparent(*ACanvas, p.Rect.Left, p.Rect.Top, FRowIndicator.get(), FixedColor());
    indicatorShift = FRowIndicator->Width();
    p.Rect.Left += indicatorShift;
  }

  p.SavedBrush = ACanvas->Brush()->Color();
  p.SavedFont = ACanvas->Font()->Color();
  if (p.Fixed && !FFlat) DrawFixedLook(p);

  if (ACol == 0 && FShowModified->Enabled() && IsRowModified(ARow)) {
    const TRect bar{p.Rect.Right - ModifiedBarWidth, p.Rect.Top, p.Rect.Right, p.Rect.Bottom};
    ACanvas->Brush()->SetColor(FShowModified->Color());
    ACanvas->FillRect(bar);
    ACanvas->Brush()->SetColor(p.SavedBrush);
  }

  if (!p.Fixed && HasComboBox(p.RealCol, ARow) && FControlLook->DropDownAlwaysVisible()) {
    DrawComboArrowButton(*ACanvas, p.Rect);
    p.Rect.Right -= 16;
  }

  DrawCellContent(p);

  ACanvas->Brush()->SetColor(p.SavedBrush);
  ACanvas->Font()->SetColor(p.SavedFont);
  p.Rect = p.Rect.Inflated(1, 1);
  DrawCellBorders(p);
  p.Rect.Left -= indicatorShift;
  if (p.Fixed && !FFlat) DrawFixedEdges(p);
  DrawTreeLines(p);
  if (p.Graphic) {
    DrawCellGraphic(p, p.Rect);
    ACanvas->Brush()->SetStyle(plat::TBrushStyle::bsSolid);
    ACanvas->Brush()->SetColor(p.SavedBrush);
    ACanvas->Font()->SetColor(p.SavedFont);
  }

  if (OnDrawCell) {
    const TRect inner{p.Rect.Left + 1, p.Rect.Top + 1, p.Rect.Right - GridLineWidth(),
                      p.Rect.Bottom - GridLineWidth()};
    OnDrawCell(this, ACol, ARow, inner, p.State);
  }
  if (OnCustomCellDraw) OnCustomCellDraw(this, ACanvas, ACol, ARow, p.State, p.Rect, false);

  // The focus rectangle: the current cell of a focused grid only.
  const plat::TPoint base = GetBaseCell(ACol, ARow);
  const bool hasFocus = Focused() || (InplaceEditor() && InplaceEditor()->Focused());
  if (!FHideFocusRect && base.X == Col() && base.Y == Row() && hasFocus &&
      !Options().Contains(TGridOption::goRowSelect)) {
    const int grow = GridLineWidth() - 1;
    TRect focus = p.Rect.Inflated(grow, grow);
    focus.Right -= 1;
    focus.Bottom -= 1;
    ACanvas->Brush()->SetColor(p.SavedBrush);
    ACanvas->Font()->SetColor(plat::clBlack);
    ACanvas->DrawFocusRect(focus);
  }
}

void TExtStringGrid::DrawFixedLook(CellPaint& P) {
  plat::TCanvas* canvas = P.Canvas;
  const bool ownColour = HasCellProperties(P.RealCol, P.Row) &&
                         GetCellProperties(P.RealCol, P.Row)->BrushColor() != plat::clNone;
  switch (FLook) {
    case TGridLook::glSilver:
    case TGridLook::glXP: {
      // A cell with a colour of its own keeps it.
      if (ownColour) break;
      plat::TColor from = FixedGradientFrom(), to = FixedGradientTo();
      const bool rowHead = P.Col == 0 && P.Row == Row() && TBaseGrid::FixedCols() > 0;
      const bool colHead = P.Row == 0 && P.Col == Col() && TBaseGrid::FixedRows() > 0;
      if (FActiveCellShow && (rowHead || colHead)) {
        from = FActiveCellColor;
        to = FActiveCellColorTo;
      }
      FillGradientRect(*canvas, from, to, false, P.Rect, FixedGradientSteps);
      break;
    }
    case TGridLook::glListView:
      if (FIsWinXP) {
        const TRect r = P.Rect.Inflated(1, 1);
        const plat::HTHEME theme = plat::OpenThemeData(Handle(), u"header");
        const plat::RECT box = r;
        const bool hot = FInput.HoverCell == plat::TGridCoord{P.Col, P.Row};
        const int state = !hot ? HeaderItemNormal : FInput.LeftButtonDown ? HeaderItemPressed : HeaderItemHot;
        plat::DrawThemeBackground(theme, canvas->Handle(), HeaderItemPart, state, &box, nullptr);
        plat::CloseThemeData(theme);
        canvas->Pen()->SetColor(plat::clWhite);
        canvas->MoveTo(r.Left, r.Top);
        canvas->LineTo(r.Right, r.Top);
      } else {
        canvas->Brush()->SetColor(plat::clBtnFace);
        canvas->Pen()->SetColor(plat::clWhite);
        canvas->Rectangle(P.Rect);
      }
      break;
    default: break;
  }
}

void TExtStringGrid::DrawFixedEdges(CellPaint& P) {
  plat::TCanvas* canvas = P.Canvas;
  const plat::TGridOptions options = Options();
  TRect r = P.Rect;
  const auto silverLines = [&] {
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetColor(HalfBrightColor(FixedColor()));
    canvas->MoveTo(r.Left, r.Bottom);
    canvas->LineTo(r.Right, r.Bottom);
    canvas->Pen()->SetColor(plat::clWhite);
    canvas->MoveTo(r.Left, r.Bottom);
    canvas->LineTo(r.Left, r.Top);
    canvas->LineTo(r.Right, r.Top);
  };
  switch (FLook) {
    case TGridLook::glClassic: {
      plat::RECT edge = r;
      plat::DrawEdge(canvas->Handle(), &edge, plat::BDR_RAISEDINNER, plat::BF_LEFT | plat::BF_TOP);
      plat::DrawEdge(canvas->Handle(), &edge, plat::EDGE_RAISED, plat::BF_RIGHT | plat::BF_BOTTOM);
      canvas->Pen()->SetColor(plat::clBlack);
      canvas->MoveTo(r.Right - 1, r.Top);
      canvas->LineTo(r.Right - 1, r.Bottom - 1);
      canvas->LineTo(r.Left - 1, r.Bottom - 1);
      break;
    }
    case TGridLook::glSilver:
    case TGridLook::glXP:
      r.Bottom -= 1;
      silverLines();
      break;
    case TGridLook::glSoft:
      r.Bottom -= 1;
      if (options.Contains(TGridOption::goFixedHorzLine)) silverLines();
      if (options.Contains(TGridOption::goFixedVertLine)) {
        canvas->Pen()->SetColor(HalfBrightColor(FixedColor()));
        canvas->MoveTo(r.Right - 2, r.Top);
        canvas->LineTo(r.Right - 2, r.Bottom);
        canvas->Pen()->SetColor(plat::clWhite);
        canvas->MoveTo(r.Right - 1, r.Top);
        canvas->LineTo(r.Right - 1, r.Bottom);
      }
      break;
    default: break;
  }

  // Right fixed columns stand apart by lines just outside them (the control
  // is three-dimensional exactly when the grid is not flat).
  const bool rightFixed = FFixedRightCols > 0 && P.Col >= ColCount() - FFixedRightCols;
  if (rightFixed && FLook != TGridLook::glClassic && FFlat) {
    canvas->Pen()->SetColor(FFlat ? plat::clGray : plat::clBlack);
    canvas->Pen()->SetWidth(1);
    const TRect o = P.Rect.Inflated(1, 1);
    if (options.Contains(TGridOption::goFixedHorzLine)) {
      canvas->MoveTo(o.Left, o.Top);
      canvas->LineTo(o.Right, o.Top);
      canvas->MoveTo(o.Left, o.Bottom);
      canvas->LineTo(o.Right, o.Bottom);
    }
    if (options.Contains(TGridOption::goFixedVertLine)) {
      canvas->MoveTo(o.Left, o.Top);
      canvas->LineTo(o.Left, o.Bottom);
      canvas->MoveTo(o.Right, o.Top);
      canvas->LineTo(o.Right, o.Bottom);
    }
  }
}

void TExtStringGrid::DrawCellBorders(CellPaint& P) {
  plat::TCanvas* canvas = P.Canvas;
  plat::TPen saved;
  saved.Assign(*canvas->Pen());
  plat::TPen pen;
  pen.Assign(saved);
  TCellBorders borders;
  GetCellBorders(P.RealCol, P.Row, borders, &pen);
  if (borders.Empty()) return;
  const plat::TGridOptions options = Options();
  TRect r = P.Rect;
  const int inset = (pen.Width() + 1) / 2;
  if (options.Contains(TGridOption::goVertLine)) {
    r.Left += inset;
    r.Right -= inset;
  }
  if (options.Contains(TGridOption::goHorzLine)) {
    r.Top += inset;
    r.Bottom -= inset;
  }
  canvas->SetPen(pen);
  if (borders.Contains(TCellBorder::cbLeft)) {
    canvas->MoveTo(r.Left, r.Top);
    canvas->LineTo(r.Left, r.Bottom);
  }
  if (borders.Contains(TCellBorder::cbRight)) {
    canvas->MoveTo(r.Right - 1, r.Top);
    canvas->LineTo(r.Right - 1, r.Bottom);
  }
  if (borders.Contains(TCellBorder::cbTop)) {
    const int y = GridLineWidth() == 0 ? r.Top + 1 : r.Top - GridLineWidth();
    canvas->MoveTo(r.Left, y);
    canvas->LineTo(r.Right, y);
  }
  if (borders.Contains(TCellBorder::cbBottom)) {
    canvas->MoveTo(r.Left, r.Bottom - 1);
    canvas->LineTo(r.Right, r.Bottom - 1);
  }
  canvas->SetPen(saved);
}

void TExtStringGrid::DrawTreeLines(CellPaint& P) {
  if (!HasNodes() || P.Col != 0 || P.Row < TBaseGrid::FixedRows() || !FCellNode->ShowTree()) return;
  plat::TCanvas* canvas = P.Canvas;
  canvas->Pen()->SetColor(FCellNode->TreeColor());
  canvas->Pen()->SetWidth(1);
  const int x = GetNodeIndent(P.Row);
  const TRect& r = P.Rect;
  const int level = HasCellProperties(0, P.Row) ? GetCellProperties(0, P.Row)->NodeLevel() : 0;
  const int nextLevel =
      P.Row + 1 < RowCount() && HasCellProperties(0, P.Row + 1) ? GetCellProperties(0, P.Row + 1)->NodeLevel() : 0;
  if (IsNode(P.Row)) {
    const int mid = (r.Top + r.Bottom) / 2;
    canvas->MoveTo(x - 4, mid);
    canvas->LineTo(FCellNode->ShowTreeFull() ? r.Right : x + 4, mid);
  }
  // A row whose branch goes on below runs its line to the bottom; the
  // branch's last row a little past it.
  const bool continues = nextLevel >= level && P.Row + 1 < RowCount();
  canvas->MoveTo(x - 4, r.Top);
  canvas->LineTo(x - 4, continues ? r.Bottom : r.Bottom + 4);
  for (int k = 1; k <= level; ++k) {
    const int lx = x - FCellNode->NodeIndent() * k - 4;
    canvas->MoveTo(lx, r.Top);
    canvas->LineTo(lx, r.Bottom + 4);
  }
}

}  // namespace zorbit
