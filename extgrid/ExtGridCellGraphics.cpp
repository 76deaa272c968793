// Painting a cell's graphic: the size each kind claims and whether the
// text shows beside it, where the graphic stands in the cell, and the
// drawing of pictures, images, rotated text, buttons, progress bars and
// pies, comment marks and range indicators. Check boxes, radio groups and
// node glyphs in their looks are ExtGridControlLooks.cpp's.
#include <algorithm>
#include <cmath>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/ButtonPacking.h"
#include "extgrid/detail/CellPaint.h"
#include "extgrid/detail/RotatedOrigin.h"
#include "extgrid/detail/WholeNumber.h"
#include "grid/ExtUtilDrawing.h"
#include "grid/TCellProperties.h"
#include "grid/TFilePicture.h"
#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TIcon.h"
#include "platform/gdi/TPicture.h"
#include "platform/gdi/TextConstants.h"
#include "platform/gdi/TextOut.h"
#include "platform/gdi/ThemeServices.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/SwallowedException.h"
#include "platform/ui/ControlPaint.h"
#include "platform/ui/TImageList.h"

namespace zorbit {

using plat::TAlignment;
using plat::TPoint;
using plat::TRect;

namespace {

constexpr int ProgressPieSize = 20;
// The theme's push button and its states.
constexpr int ButtonPart = 1;
constexpr int ButtonNormal = 1;
constexpr int ButtonPressed = 3;
constexpr int ButtonDisabled = 4;
// The theme's progress bar and its chunk.
constexpr int ProgressBarPart = 1;
constexpr int ProgressChunkPart = 3;
// The range indicator's bar reaches the cell's edge at this value.
constexpr int RangeLimit = 100;

plat::TColor OrDefault(plat::TColor Own, plat::TColor Default) { return Own == plat::clNone ? Default : Own; }

// An image of the grid's list, when the index is one of its images.
void DrawListImage(plat::TCanvas& Canvas, plat::TImageList* Images, int X, int Y, int Index) {
  if (Images && Index >= 0 && Index < Images->Count()) Images->Draw(&Canvas, X, Y, Index);
}

}  // namespace

TCellGraphic* TExtStringGrid::GetCellGraphicSize(int ACol, int ARow, TCellVAlign& VAlign, TCellHAlign& HAlign,
                                                 bool& TextBeside, int& Height, int& Width) {
  Width = 0;
  Height = 0;
  TextBeside = true;
  TCellGraphic* graphic = FindCellGraphic(ACol, ARow);
  if (!graphic) return nullptr;
  VAlign = graphic->CellVAlign();
  HAlign = graphic->CellHAlign();
  const auto size = [&](int W, int H) {
    Width = W;
    Height = H;
  };
  const int check = FControlLook->CheckSize();
  switch (graphic->CellType()) {
    case TCellType::ctBitmap:
      if (const plat::TBitmap* bitmap = graphic->Bitmap()) size(bitmap->Width(), bitmap->Height());
      break;
    case TCellType::ctIcon:
      if (const plat::TIcon* icon = graphic->Icon()) size(icon->Width(), icon->Height());
      break;
    case TCellType::ctImageList:
      if (FGridImages) size(FGridImages->Width(), FGridImages->Height());
      break;
    case TCellType::ctDataImage:
      if (FGridImages) size(FGridImages->Width(), FGridImages->Height());
      TextBeside = false;
      break;
    case TCellType::ctRotated:
    case TCellType::ctRadio:
    case TCellType::ctProgress:
    case TCellType::ctRangeIndicator: TextBeside = false; break;
    case TCellType::ctCheckBox: size(check, check); break;
    case TCellType::ctDataCheckBox:
    case TCellType::ctVirtCheckBox:
    case TCellType::ctRowCheckBox:
      size(check, check);
      TextBeside = false;
      break;
    case TCellType::ctImages:
      if (const TIntList* images = graphic->Images(); images && FGridImages) {
        const int n = images->Count();
        if (graphic->CellBoolean())
          size(n * FGridImages->Width(), FGridImages->Height());
        else
          size(FGridImages->Width(), n * FGridImages->Height());
      }
      break;
    case TCellType::ctPicture:
    case TCellType::ctFilePicture: {
      const int displayCol = RealToDisplayCol(ACol);
      const TPoint fitted = FittedPictureSize(*graphic, ColWidths(displayCol), RowHeights(ARow));
      size(fitted.X, fitted.Y);
      break;
    }
    case TCellType::ctButton:
    case TCellType::ctBitButton: {
      const TPoint packed = detail::PackedButtonSize(graphic->CellIndex());
      size(packed.X, packed.Y);
      break;
    }
    case TCellType::ctProgressPie: size(ProgressPieSize, ProgressPieSize); break;
    default: break;
  }
  return graphic;
}

bool TExtStringGrid::GraphicNeedsTextWidth(const CellPaint& P) const {
  if (!P.Graphic) return false;
  if (IsCheckBoxType(P.Graphic->CellType())) return P.TextBeside && P.HAlign != TAlignment::taLeftJustify;
  return (P.GraphicHAlign == TCellHAlign::haBeforeText && P.HAlign != TAlignment::taLeftJustify) ||
         (P.GraphicHAlign == TCellHAlign::haAfterText && P.HAlign != TAlignment::taRightJustify);
}

TPoint TExtStringGrid::PlaceGraphic(const CellPaint& P, const TRect& R) {
  const int w = P.GraphicWidth, h = P.GraphicHeight;
  const int room = R.Width();
  int x = R.Left + 1;
  switch (P.GraphicHAlign) {
    case TCellHAlign::haLeft: break;
    case TCellHAlign::haRight: x = R.Right - 1 - w; break;
    case TCellHAlign::haCenter:
      if (w < room) x = R.Left + (room - w) / 2;
      break;
    case TCellHAlign::haBeforeText:
      // Just before the text: at the right edge's text, or a centred one.
      if (P.HAlign == TAlignment::taRightJustify)
        x = std::max(R.Left + 1, R.Right - P.TextWidth - w);
      else if (P.HAlign == TAlignment::taCenter)
        x = std::max(R.Left + 1, P.TextRect.Left + (P.TextRect.Width() - P.TextWidth) / 2 - w);
      break;
    case TCellHAlign::haAfterText:
      x = P.HAlign != TAlignment::taRightJustify ? R.Left + P.TextWidth : R.Right - 1 - w;
      break;
    case TCellHAlign::haFull: x = R.Left; break;
  }
  TCellVAlign vertical = P.GraphicVAlign;
  // A check box follows its text's vertical place when that is the cell's own.
  if (IsCheckBoxType(P.Graphic->CellType()) && P.VAlign != FVAlignment) {
    vertical = P.VAlign == TVAlignment::vtaTop      ? TCellVAlign::vaTop
               : P.VAlign == TVAlignment::vtaCenter ? TCellVAlign::vaCenter
                                                    : TCellVAlign::vaBottom;
  }
  int y = R.Top + 1;
  switch (vertical) {
    case TCellVAlign::vaTop:
    case TCellVAlign::vaAboveText: break;
    case TCellVAlign::vaBottom: y = R.Bottom - 1 - h; break;
    case TCellVAlign::vaCenter:
      if (h < R.Height()) y = R.Top + (R.Height() - h) / 2;
      break;
    case TCellVAlign::vaUnderText: y = R.Bottom - h; break;
    case TCellVAlign::vaFull: y = R.Top; break;
  }
  return {x, y};
}

bool TExtStringGrid::GraphicEnabled(const CellPaint& P, bool AlwaysActive) {
  if (AlwaysActive) return true;
  bool canEdit = true;
  CanEditCell(P.RealCol, P.Row, canEdit);
  return canEdit;
}

int TExtStringGrid::GraphicNumber(const CellPaint& P) {
  const plat::String text = GetCellText(P.RealCol, P.Row);
  int number = 0;
  if (!text.empty() && detail::ParseWholeNumber(text, number)) return number;
  // No whole number in the text: the graphic's own value stands.
  const double value = P.Graphic->CellValue();
  if (std::isnan(value)) return 0;
  return static_cast<int>(
      std::clamp(std::round(value), static_cast<double>(INT32_MIN), static_cast<double>(INT32_MAX)));
}

void TExtStringGrid::DrawCellGraphic(CellPaint& P, const TRect& R) {
  plat::TCanvas* canvas = P.Canvas;
  TCellGraphic* graphic = P.Graphic;
  if (graphic->CellType() == TCellType::ctNode) {
    DrawNodeGlyph(P, R);
    return;
  }
  const TPoint at = PlaceGraphic(P, R);
  const int w = P.GraphicHAlign == TCellHAlign::haFull ? R.Width() : P.GraphicWidth;
  const int h = P.GraphicVAlign == TCellVAlign::vaFull ? R.Height() : P.GraphicHeight;
  const TRect placed{at.X, at.Y, at.X + w, at.Y + h};
  switch (graphic->CellType()) {
    case TCellType::ctBitmap:
      if (plat::TBitmap* bitmap = graphic->Bitmap(); bitmap && !bitmap->Empty()) {
        if (graphic->CellTransparent())
          DrawBitmapTransparent(*canvas, at.X, at.Y, bitmap, P.SavedBrush);
        else
          canvas->Draw(at.X, at.Y, bitmap);
      }
      break;
    case TCellType::ctIcon:
      if (plat::TIcon* icon = graphic->Icon(); icon && !icon->Empty()) canvas->Draw(at.X, at.Y, icon);
      break;
    case TCellType::ctImageList: DrawListImage(*canvas, FGridImages, at.X, at.Y, graphic->CellIndex()); break;
    case TCellType::ctDataImage: {
      // The image index is the graphic's base plus the cell's number; a
      // text that is no number shows nothing.
      int number = 0;
      if (!detail::ParseWholeNumber(GetCellText(P.RealCol, P.Row), number)) break;
      const long long index = static_cast<long long>(graphic->CellIndex()) + number;
      if (index >= 0 && index < INT32_MAX) DrawListImage(*canvas, FGridImages, at.X, at.Y, static_cast<int>(index));
      break;
    }
    case TCellType::ctCheckBox:
    case TCellType::ctDataCheckBox:
    case TCellType::ctVirtCheckBox:
    case TCellType::ctRowCheckBox: DrawCellCheckBox(P, R, at); break;
    case TCellType::ctRotated: DrawRotatedText(P, R); break;
    case TCellType::ctRadio: DrawCellRadio(P, at, R); break;
    case TCellType::ctImages:
      if (const TIntList* images = graphic->Images(); images && FGridImages) {
        int x = at.X, y = at.Y;
        for (int i = 0; i < images->Count(); ++i) {
          DrawListImage(*canvas, FGridImages, x, y, images->Item(i));
          if (graphic->CellBoolean())
            x += FGridImages->Width();
          else
            y += FGridImages->Height();
        }
      }
      break;
    case TCellType::ctPicture:
      if (plat::TPicture* picture = graphic->Picture(); picture && picture->Graphic()) {
        if (graphic->CellAngle() != 0)
          canvas->StretchDraw(placed, picture->Graphic());
        else
          canvas->Draw(at.X, at.Y, picture->Graphic());
      }
      break;
    case TCellType::ctFilePicture:
      if (const TFilePicture* file = graphic->FilePicture()) {
        try {
          file->DrawStretched(*canvas, placed);
        } catch (const plat::Exception&) {
          // Painting raises nothing: a file gone since shows nothing.
          plat::LogSwallowedException("TExtStringGrid::DrawCellGraphic");
        }
      }
      break;
    case TCellType::ctProgress: DrawProgressBar(P, R); break;
    case TCellType::ctComment:
      if (FControlLook->CommentColor() != plat::clNone) {
        const TPoint corner[3] = {{R.Right - 7, R.Top + 1}, {R.Right - 2, R.Top + 1}, {R.Right - 2, R.Top + 6}};
        const plat::TColor colour = OrDefault(graphic->CellColor(), FControlLook->CommentColor());
        canvas->Brush()->SetColor(colour);
        canvas->Pen()->SetColor(colour);
        canvas->Polygon(corner);
      }
      break;
    case TCellType::ctButton:
    case TCellType::ctBitButton: DrawCellButton(P, R, at); break;
    case TCellType::ctProgressPie:
      DrawPercentPie(*canvas, {at.X, at.Y, at.X + ProgressPieSize, at.Y + ProgressPieSize}, graphic->CellValue(),
                     OrDefault(graphic->CellColor(), plat::clRed));
      break;
    case TCellType::ctRangeIndicator: {
      const TRect bar = R.Inflated(-FControlLook->ProgressMarginX(), -FControlLook->ProgressMarginY());
      DrawBalanceBar(*canvas, bar, GraphicNumber(P), RangeLimit, OrDefault(graphic->CellColor(), plat::clGreen),
                     OrDefault(graphic->CellColorTo(), plat::clRed), true);
      break;
    }
    default: break;
  }
}

void TExtStringGrid::DrawProgressBar(CellPaint& P, const TRect& R) {
  plat::TCanvas* canvas = P.Canvas;
  const TCellGraphic& graphic = *P.Graphic;
  const int value = std::clamp(GraphicNumber(P), 0, 100);
  const TControlStyle style = FControlLook->ControlStyle();
  const bool themed = (style == TControlStyle::csWinXP || style == TControlStyle::csTheme) && plat::IsThemeActive() &&
                      FControlLook->ProgressXP();
  if (themed) {
    if (const plat::HTHEME theme = plat::OpenThemeData(Handle(), u"Progress")) {
      const TRect bar = R.Inflated(-FControlLook->ProgressMarginX(), -FControlLook->ProgressMarginY());
      const plat::RECT barRect = bar;
      plat::DrawThemeBackground(theme, canvas->Handle(), ProgressBarPart, 1, &barRect, nullptr);
      TRect chunk = bar.Inflated(-2, -2);
      chunk.Right = chunk.Left + static_cast<int>(std::lround(chunk.Width() * value / 100.0));
      const plat::RECT chunkRect = chunk;
      if (!chunk.IsEmpty())
        plat::DrawThemeBackground(theme, canvas->Handle(), ProgressChunkPart, 1, &chunkRect, nullptr);
      plat::CloseThemeData(theme);
      return;
    }
  }
  TPercentBarColors colours;
  colours.Color = OrDefault(graphic.CellColor(), colours.Color);
  colours.ColorTo = OrDefault(graphic.CellColorTo(), colours.ColorTo);
  colours.TextColor = OrDefault(graphic.CellTextColor(), colours.TextColor);
  colours.TextColorTo = OrDefault(graphic.CellTextColorTo(), colours.TextColorTo);
  colours.BorderColor = FControlLook->ProgressBorderColor();
  colours.BackgroundColor = P.SavedBrush;
  DrawPercentBar(*canvas, R.Inflated(-2, -2), value, colours, FControlLook->ProgressMarginX(),
                 FControlLook->ProgressMarginY());
}

void TExtStringGrid::DrawCellButton(CellPaint& P, const TRect& R, TPoint At) {
  plat::TCanvas* canvas = P.Canvas;
  TCellGraphic& graphic = *P.Graphic;
  // Where the button stands is kept for the mouse's hit test.
  const int offsetX = std::clamp(At.X - R.Left, 0, 0xFFFF);
  const int offsetY = std::clamp(At.Y - R.Top, 0, 0x7FFF);
  graphic.SetCellValue(offsetX + static_cast<double>(offsetY) * 65536.0);
  const int w = P.GraphicHAlign == TCellHAlign::haFull ? R.Width() : P.GraphicWidth;
  const int h = P.GraphicVAlign == TCellVAlign::vaFull ? R.Height() : P.GraphicHeight;
  TRect button{At.X, At.Y, At.X + w, At.Y + h};
  if (button.IsEmpty()) return;
  const bool pressed = graphic.CellBoolean();
  const bool enabled = GraphicEnabled(P, FControlLook->NoDisabledButtonLook());
  canvas->Brush()->SetColor(plat::clBtnFace);
  canvas->FillRect(button);
  const plat::HDC dc = canvas->Handle();
  TRect content = button;
  bool themed = false;
  if (plat::IsThemeActive()) {
    if (const plat::HTHEME theme = plat::OpenThemeData(Handle(), u"button")) {
      const int state = !enabled ? ButtonDisabled : pressed ? ButtonPressed : ButtonNormal;
      const plat::RECT box = button;
      themed = plat::SUCCEEDED(plat::DrawThemeBackground(theme, dc, ButtonPart, state, &box, nullptr));
      plat::CloseThemeData(theme);
      content = button.Inflated(pressed ? -3 : -2, pressed ? -3 : -2);
    }
  }
  if (!themed) {
    plat::RECT box = button;
    plat::UINT state = plat::DFCS_BUTTONPUSH;
    if (FControlLook->FlatButton()) state |= plat::DFCS_FLAT;
    if (pressed) state |= plat::DFCS_PUSHED;
    plat::DrawFrameControl(dc, &box, plat::DFC_BUTTON, state);
  }
  if (graphic.CellType() == TCellType::ctBitButton) {
    if (plat::TBitmap* glyph = graphic.Bitmap(); glyph && !glyph->Empty()) {
      DrawBitmapTransparent(*canvas, content.Left + 2, content.Top + (content.Height() - glyph->Height()) / 2, glyph,
                            plat::clBtnFace);
      content.Left += glyph->Width() + 2;
    }
  }
  canvas->Brush()->SetStyle(plat::TBrushStyle::bsClear);
  canvas->Font()->SetColor(enabled ? plat::clBtnText : plat::clGrayText);
  plat::DrawCanvasText(*canvas, graphic.CellText(), content,
                       plat::DT_CENTER | plat::DT_VCENTER | plat::DT_SINGLELINE | plat::DT_NOPREFIX);
  canvas->Brush()->SetStyle(plat::TBrushStyle::bsSolid);
  canvas->Font()->SetColor(P.SavedFont);
}

TPoint TExtStringGrid::GetRotatedTextOrigin(plat::TCanvas* ACanvas, const TRect& ARect, int Angle, TAlignment HAlign,
                                            TVAlignment VAlign, const plat::String& Text) {
  const plat::TSize extent = ACanvas->TextExtent(Text);
  return detail::RotatedTextOrigin(ARect.Inflated(-2, -2), Angle, HAlign, VAlign, extent.cx, extent.cy);
}

void TExtStringGrid::DrawRotatedText(CellPaint& P, const TRect& R) {
  plat::TCanvas* canvas = P.Canvas;
  plat::String text;
  GetDisplayText(P.RealCol, P.Row, text);
  if (text.empty()) return;
  const int angle = (P.Graphic->CellAngle() % 360 + 360) % 360;
  const TPoint origin = GetRotatedTextOrigin(canvas, R, angle, P.HAlign, P.VAlign, text);
  const TRect inset = R.Inflated(-2, -2);
  plat::LOGFONTW font{};
  plat::GetObject(canvas->Font()->Handle(), sizeof font, &font);
  font.lfEscapement = angle * 10;
  font.lfOrientation = angle * 10;
  const plat::HFONT rotated = plat::CreateFontIndirectW(&font);
  const plat::HDC dc = canvas->Handle();
  {
    const plat::DCStateSaver saved(dc);
    plat::SelectObject(dc, rotated);
    plat::SetTextAlign(dc, 0);
    plat::SetBkMode(dc, plat::TRANSPARENT);
    plat::SetTextColor(dc, plat::ColorToColorRef(canvas->Font()->Color()));
    plat::IntersectClipRect(dc, inset.Left, inset.Top, inset.Right, inset.Bottom);
    plat::TextOutA(dc, origin.X, origin.Y, text.data(), static_cast<int>(text.size()));
  }
  plat::DeleteObject(rotated);
}

}  // namespace zorbit
