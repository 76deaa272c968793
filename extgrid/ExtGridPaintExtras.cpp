// What painting draws around the text: the picture or gradient behind
// cells and beyond them, the selection frame, the sort indicator, the
// dotted sizing lines and the desktop colour scheme.
#include <algorithm>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/CellPaint.h"
#include "grid/ExtUtilDrawing.h"
#include "platform/gdi/ClipRegionSaver.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/ThemeServices.h"

namespace zorbit {

using plat::TGridDrawStateItem;
using plat::TGridOption;
using plat::TPoint;
using plat::TRect;

namespace {

constexpr int BackGroundGradientSteps = 128;

bool IsGradient(TBackGroundDisplay Display) {
  return Display == TBackGroundDisplay::bdGradientHorz || Display == TBackGroundDisplay::bdGradientVert;
}

// Copies the part of Picture that lies under Area when the picture's
// top-left corner stands at Origin.
void CopyPicturePart(plat::TCanvas& Canvas, plat::TBitmap& Picture, TPoint Origin, const TRect& Area) {
  const TRect placed{Origin.X, Origin.Y, Origin.X + Picture.Width(), Origin.Y + Picture.Height()};
  const TRect part = placed.Intersected(Area);
  if (part.IsEmpty()) return;
  Canvas.CopyRect(part, Picture.Canvas(),
                  {part.Left - Origin.X, part.Top - Origin.Y, part.Right - Origin.X, part.Bottom - Origin.Y});
}

// Tiles Picture over Area so that a tile's corner falls on Origin.
void TilePicture(plat::TCanvas& Canvas, plat::TBitmap& Picture, TPoint Origin, const TRect& Area) {
  const int w = Picture.Width(), h = Picture.Height();
  if (w < 1 || h < 1) return;
  const auto firstTile = [](int Start, int From, int Size) {
    int offset = (Start - From) % Size;
    if (offset < 0) offset += Size;
    return Start - offset;
  };
  for (int y = firstTile(Area.Top, Origin.Y, h); y < Area.Bottom; y += h)
    for (int x = firstTile(Area.Left, Origin.X, w); x < Area.Right; x += w) CopyPicturePart(Canvas, Picture, {x, y}, Area);
}

}  // namespace

void TExtStringGrid::DrawBackGroundPicture(CellPaint& P) {
  const TBackGroundDisplay display = FBackGround->Display();
  plat::TBitmap* picture = FBackGround->Bitmap();
  const bool gradient = IsGradient(display);
  if (!gradient && picture->Empty()) return;
  if (GetCellBrushColor(P.RealCol, P.Row) != plat::clNone) return;
  const TBackGroundCells cells = FBackGround->Cells();
  const bool wanted = cells == TBackGroundCells::bcAll || (cells == TBackGroundCells::bcFixed) == P.Fixed;
  if (!wanted) return;
  const bool focused = P.State.Contains(TGridDrawStateItem::gdFocused);
  const bool selected = P.State.Contains(TGridDrawStateItem::gdSelected);
  const bool skipped = (selected && !focused) || (focused && Options().Contains(TGridOption::goDrawFocusSelected));
  if (skipped && FShowSelection) return;

  plat::TCanvas& canvas = *P.Canvas;
  if (gradient) {
    const bool horizontal = display == TBackGroundDisplay::bdGradientHorz;
    const int extent = horizontal ? Width() : Height();
    const int start = horizontal ? P.Rect.Left : P.Rect.Top;
    const int end = horizontal ? P.Rect.Right : P.Rect.Bottom;
    FillGradientRect(canvas, GradientColorAt(FBackGround->Color(), FBackGround->ColorTo(), 0, start, extent),
                     GradientColorAt(FBackGround->Color(), FBackGround->ColorTo(), 0, end, extent), horizontal, P.Rect,
                     BackGroundGradientSteps);
  } else if (display == TBackGroundDisplay::bdFixed) {
    CopyPicturePart(canvas, *picture, {FBackGround->Left(), FBackGround->Top()}, P.Rect);
  } else {
    const TRect origin = cells == TBackGroundCells::bcNormal
                             ? CellRect(TBaseGrid::FixedCols(), TBaseGrid::FixedRows())
                             : CellRect(0, 0);
    TilePicture(canvas, *picture, {origin.Left, origin.Top}, P.Rect);
  }
}

void TExtStringGrid::DrawSelectionFrame(CellPaint& P) {
  if (!FSelectionRectangle) return;
  const plat::TGridRect sel = Selection();
  if (!sel.Contains(P.Col, P.Row)) return;
  plat::TCanvas& canvas = *P.Canvas;
  canvas.Pen()->SetColor(FSelectionFrameColor);
  canvas.Pen()->SetWidth(2);
  const TRect& r = P.Rect;
  const int left = r.Left - GridLineWidth() + 1;
  const int top = r.Top - GridLineWidth() + 1;
  if (P.Col == sel.Left) {
    canvas.MoveTo(left, r.Top);
    canvas.LineTo(left, r.Bottom);
  }
  if (P.Row == sel.Top) {
    canvas.MoveTo(r.Left, top);
    canvas.LineTo(r.Right, top);
  }
  if (P.Col == sel.Right) {
    canvas.MoveTo(r.Right - 1, r.Top);
    canvas.LineTo(r.Right - 1, r.Bottom);
  }
  if (P.Row == sel.Bottom) {
    canvas.MoveTo(r.Left, r.Bottom);
    canvas.LineTo(r.Right, r.Bottom);
  }
  if (FSelectionResizer && P.Col == sel.Right && P.Row == sel.Bottom) {
    canvas.Brush()->SetColor(FSelectionFrameColor);
    canvas.FillRect({r.Right - 4, r.Bottom - 4, r.Right, r.Bottom});
  }
  canvas.Pen()->SetWidth(1);
}

void TExtStringGrid::DrawSortIndicator(plat::TCanvas* ACanvas, int, int X, int Y) {
  const bool descending = FSortSettings->Direction() == TSortDirection::sdDescending;
  plat::TBitmap* glyph = descending ? FSortSettings->DownGlyph() : FSortSettings->UpGlyph();
  if (!glyph->Empty()) {
    DrawBitmapTransparent(*ACanvas, X - 4, Y - 4, glyph, plat::clNone);
    return;
  }
  // An 8 x 8 triangle, lit from the top right.
  plat::TPen* pen = ACanvas->Pen();
  pen->SetWidth(1);
  const auto line = [&](plat::TColor Color, TPoint From, TPoint To) {
    pen->SetColor(Color);
    ACanvas->MoveTo(From.X, From.Y);
    ACanvas->LineTo(To.X, To.Y);
  };
  if (descending) {
    line(plat::clWhite, {X - 4, Y - 4}, {X + 4, Y - 4});
    line(plat::clWhite, {X + 4, Y - 4}, {X, Y + 4});
    line(plat::clGray, {X, Y + 4}, {X - 4, Y - 4});
  } else {
    line(plat::clGray, {X - 4, Y + 4}, {X, Y - 4});
    line(plat::clGray, {X, Y - 4}, {X + 4, Y + 4});
    line(plat::clWhite, {X + 4, Y + 4}, {X - 4, Y + 4});
  }
}

void TExtStringGrid::PaintEmptyArea() {
  const TBackGroundDisplay display = FBackGround->Display();
  if (IsGradient(display) && FBackGround->ColorTo() == plat::clNone) return;
  plat::TBitmap* picture = FBackGround->Bitmap();
  if (!IsGradient(display) && picture->Empty()) return;
  const int lastCol = ColCount() - 1, lastRow = RowCount() - 1;
  if (LeftCol() + VisibleColCount() <= lastCol || TopRow() + VisibleRowCount() <= lastRow) return;

  int clientBottom = ClientHeight();
  if (FSearchFooter->Visible()) clientBottom -= 32;
  if (FFloatingFooter->Visible() && FFooterPanel) clientBottom -= FFooterPanel->Height();
  const TRect lastCell = CellRect(lastCol, lastRow);
  const plat::HRGN area = plat::CreateRectRgn(0, 0, 0, 0);
  const auto add = [area](int Left, int Top, int Right, int Bottom) {
    if (Right <= Left || Bottom <= Top) return;
    const plat::HRGN strip = plat::CreateRectRgn(Left, Top, Right, Bottom);
    plat::CombineRgn(area, area, strip, plat::RGN_OR);
    plat::DeleteObject(strip);
  };
  if (!lastCell.IsEmpty()) {
    add(lastCell.Right + GridLineWidth(), 0, ClientWidth(), clientBottom);
    add(0, lastCell.Bottom + GridLineWidth(), ClientWidth(), clientBottom);
  }

  plat::TCanvas& canvas = *Canvas();
  {
    const plat::ClipRegionSaver keptClip(canvas.Handle());
    plat::ExtSelectClipRgn(canvas.Handle(), area, plat::RGN_AND);
    const TRect client{0, 0, ClientWidth(), ClientHeight()};
    if (IsGradient(display)) {
      FillGradientRect(canvas, FBackGround->Color(), FBackGround->ColorTo(),
                       display == TBackGroundDisplay::bdGradientHorz, client, BackGroundGradientSteps);
    } else if (display == TBackGroundDisplay::bdFixed) {
      CopyPicturePart(canvas, *picture, {FBackGround->Left(), FBackGround->Top()}, client);
    } else if (FBackGround->Cells() != TBackGroundCells::bcFixed) {
      const TRect first = FBackGround->Cells() == TBackGroundCells::bcNormal
                              ? CellRect(TBaseGrid::FixedCols(), TBaseGrid::FixedRows())
                              : TRect{0, 0, 0, 0};
      TilePicture(canvas, *picture, {first.Left + CellHorzMargin, first.Top + CellVertMargin}, client);
    }
  }
  plat::DeleteObject(area);
}

namespace {

// One dotted line that a second call at the same place takes away again.
void XorDottedLine(plat::TCanvas& Canvas, TPoint From, TPoint To) {
  plat::TPen* pen = Canvas.Pen();
  const plat::TPenStyle style = pen->Style();
  const plat::TPenMode mode = pen->Mode();
  pen->SetColor(plat::clBlack);
  pen->SetStyle(plat::TPenStyle::psDot);
  pen->SetMode(plat::TPenMode::pmXor);
  pen->SetWidth(1);
  Canvas.MoveTo(From.X, From.Y);
  Canvas.LineTo(To.X, To.Y);
  pen->SetStyle(style);
  pen->SetMode(mode);
}

}  // namespace

void TExtStringGrid::DrawColSizingLine(int X) {
  const TRect last = CellRect(ColCount() - 1, RowCount() - 1);
  const int bottom = last.IsEmpty() ? Height() : std::min(Height(), last.Bottom);
  XorDottedLine(*Canvas(), {X, 0}, {X, bottom});
}

void TExtStringGrid::DrawRowSizingLine(int Y) {
  const TRect last = CellRect(ColCount() - 1, RowCount() - 1);
  const int right = last.IsEmpty() ? Width() : std::min(Width(), last.Right);
  XorDottedLine(*Canvas(), {0, Y}, {right, Y});
}

void TExtStringGrid::ApplyXPColors() {
  struct Scheme {
    const char16_t* Name;
    plat::TColor From, To;
  };
  static constexpr Scheme Schemes[] = {
      {u"NormalColor", 0xFCE1CB, 0xE0A57D},
      {u"HomeStead", 0xCFF0EA, 0x8CC0B1},
      {u"Metallic", 0xECE2E1, 0xB39698},
  };
  plat::WideString fileName, colorName, sizeName;
  const Scheme* scheme = nullptr;
  if (plat::IsThemeActive() && plat::GetCurrentThemeName(&fileName, &colorName, &sizeName) == plat::S_OK)
    for (const Scheme& s : Schemes)
      if (colorName == s.Name) scheme = &s;
  if (scheme) {
    FControlLook->SetFixedGradientFrom(scheme->From);
    FControlLook->SetFixedGradientTo(scheme->To);
    FActiveCellColor = 0x94E6FB;
    FActiveCellColorTo = 0x1595EE;
  } else {
    FControlLook->SetFixedGradientFrom(plat::clNone);
    FControlLook->SetFixedGradientTo(plat::clNone);
    SetFixedGradientFrom(plat::clWhite);
    SetFixedGradientTo(plat::clBtnFace);
    FActiveCellColor = plat::clWhite;
    FActiveCellColorTo = 0xFFD9B3;
  }
  Invalidate();
}

}  // namespace zorbit
