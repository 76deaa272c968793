// A cell's content: the selection look, the text in its kinds (plain, HTML,
// Unicode; rich text is ExtGridRichText.cpp's) with the sort indicator and
// the filter glyph, the texts a cell shows and exports, and the room its
// content needs.
#include <algorithm>
#include <utility>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/CellPaint.h"
#include "extgrid/detail/RotatedExtent.h"
#include "grid/ExtUtilDrawing.h"
#include "grid/ExtUtilFields.h"
#include "grid/ExtUtilText.h"
#include "grid/ExtUtilUnicode.h"
#include "grid/HtmlRenderer.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TextConstants.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include "platform/ui/ControlPaint.h"

namespace zorbit {

using plat::TAlignment;
using plat::TGridDrawStateItem;
using plat::TGridOption;
using plat::TRect;

namespace {

constexpr int FilterGlyphWidth = 16;
const char* const FilterGlyphName = "ESGFILT";

unsigned HorizontalFlag(TAlignment Align) {
  switch (Align) {
    case TAlignment::taRightJustify: return plat::DT_RIGHT;
    case TAlignment::taCenter: return plat::DT_CENTER;
    default: return plat::DT_LEFT;
  }
}

unsigned VerticalFlag(TVAlignment Align) {
  switch (Align) {
    case TVAlignment::vtaCenter: return plat::DT_VCENTER;
    case TVAlignment::vtaBottom: return plat::DT_BOTTOM;
    default: return plat::DT_TOP;
  }
}

// One "*" per character (not per byte) of a UTF-8 text.
plat::String PasswordMask(const plat::String& Text) {
  plat::String mask;
  for (const char c : Text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) mask += '*';
  return mask;
}

// A font change held for a scope, given back at its end.
class FontKeeper {
 public:
  explicit FontKeeper(plat::TFont* Font) : FFont(Font) { FSaved.Assign(*Font); }
  ~FontKeeper() { FFont->Assign(FSaved); }
  FontKeeper(const FontKeeper&) = delete;
  FontKeeper& operator=(const FontKeeper&) = delete;

 private:
  plat::TFont* FFont;
  plat::TFont FSaved;
};

}  // namespace

bool TExtStringGrid::InSortIndicatorCell(int ACol, int ARow) {
  return FSortSettings->Show() && RowCount() > 2 && TBaseGrid::FixedRows() > 0 && ARow == FSortSettings->Row() &&
         ACol == FSortSettings->Column() && (ACol >= TBaseGrid::FixedCols() || FSortSettings->FixedCols());
}

void TExtStringGrid::DrawCellContent(CellPaint& P) {
  plat::TCanvas* canvas = P.Canvas;
  const bool focused = P.State.Contains(TGridDrawStateItem::gdFocused);
  const bool selected = P.State.Contains(TGridDrawStateItem::gdSelected);
  plat::TColor linkColor = FURLColor;
  if (selected && (!focused || Options().Contains(TGridOption::goDrawFocusSelected)) && !P.Fixed) {
    if (FShowSelection) {
      if (FSelectionColor != plat::clNone) canvas->Brush()->SetColor(FSelectionColor);
      if (FSelectionTextColor != plat::clNone) canvas->Font()->SetColor(FSelectionTextColor);
      linkColor = FSelectionTextColor;
    } else if (!Focused()) {
      canvas->Brush()->SetColor(P.SavedBrush);
      canvas->Font()->SetColor(P.SavedFont);
    }
  }

  plat::String text;
  GetDisplayText(P.RealCol, P.Row, text);
  int kind = ClassifyCellText(text, FEnableHTML);
  if (kind == CellTextFormula) {
    GetFormulaText(P.RealCol, P.Row, text);
    kind = ClassifyCellText(text, FEnableHTML);
  }
  bool password = false;
  IsPasswordCell(P.RealCol, P.Row, password);
  if (password) text = PasswordMask(text);

  DrawBackGroundPicture(P);
  DrawSelectionFrame(P);

  TRect textRect{P.Rect.Left + CellHorzMargin, P.Rect.Top + CellVertMargin, P.Rect.Right - CellHorzMargin, P.Rect.Bottom};
  if (P.Col == 0 && HasNodes() && !IsNode(P.Row)) textRect.Left += GetNodeIndent(P.Row);
  // The text gives way to a graphic beside, above or under it.
  if (P.Graphic) {
    if (P.GraphicHAlign == TCellHAlign::haBeforeText) textRect.Left += P.GraphicWidth;
    if (P.GraphicHAlign == TCellHAlign::haAfterText) textRect.Right -= P.GraphicWidth;
    if (P.GraphicVAlign == TCellVAlign::vaAboveText) textRect.Top += P.GraphicHeight;
    if (P.GraphicVAlign == TCellVAlign::vaUnderText) textRect.Bottom -= P.GraphicHeight;
  }
  if (P.Row == 0 && HasFilterGlyph(P.Col, P.Row)) {
    DrawResourceBitmapTransparent(*canvas, P.Rect.Right - FilterGlyphWidth, P.Rect.Top, FilterGlyphName, FixedColor());
    textRect.Right -= kind == CellTextHtml ? FilterGlyphWidth + 2 : FilterGlyphWidth;
  }

  P.TextRect = textRect;
  // Radio groups, progress bars, data check boxes and rotated text show the
  // cell's text their own way, or not at all.
  if (!P.TextBeside) return;

  const bool indicator = InSortIndicatorCell(P.Col, P.Row);
  const int mid = (P.Rect.Top + P.Rect.Bottom) / 2;
  const int indicatorY = P.VAlign == TVAlignment::vtaTop      ? P.Rect.Top + 8
                         : P.VAlign == TVAlignment::vtaBottom ? P.Rect.Bottom - 8
                                                               : mid;
  switch (kind) {
    case CellTextHtml: {
      textRect.Left -= 1;
      if (indicator) textRect.Right -= 10;
      THtmlRenderOptions options;
      options.Images = FGridImages;
      options.Container = FPictureContainer;
      options.URLColor = linkColor;
      options.WordWrap = P.WordWrap || !FEnhTextSize;
      THtmlRenderResult result;
      RenderHtml(*canvas, text, textRect, options, result);
      P.TextWidth = result.XSize + 2;
      if (indicator) DrawSortIndicator(canvas, P.Col, textRect.Right + 2, indicatorY);
      break;
    }
    case CellTextUnicode: {
      if (indicator) textRect.Right -= 10;
      const bool plainSelected = selected && !focused && FSelectionColor == plat::clNone;
      if (!plainSelected && !P.Fixed) {
        canvas->Pen()->SetColor(canvas->Brush()->Color());
        canvas->Rectangle(P.Rect);
      }
      unsigned flags = VerticalFlag(P.VAlign) | HorizontalFlag(P.HAlign) | plat::DT_NOPREFIX;
      if (P.WordWrap || FMultilinecells)
        flags |= plat::DT_WORDBREAK;
      else
        flags |= plat::DT_SINGLELINE | plat::DT_END_ELLIPSIS;
      plat::DrawCanvasText(*canvas, DecodeUnicodeCellText(text), textRect, flags);
      if (indicator) DrawSortIndicator(canvas, P.Col, textRect.Right + 3, indicatorY);
      break;
    }
    case CellTextRich: DrawRichText(P, text, textRect); break;
    default: DrawPlainText(P, text, textRect); break;
  }
}

void TExtStringGrid::DrawPlainText(CellPaint& P, const plat::String& Text, TRect TextRect) {
  plat::TCanvas* canvas = P.Canvas;
  plat::String text = Text;
  const bool indicator = InSortIndicatorCell(P.Col, P.Row);
  if (P.Row == 0 && FSortSettings->Show() && P.Col == FSortSettings->Column()) {
    if (P.HAlign == TAlignment::taLeftJustify)
      TextRect.Right -= 14;
    else
      TextRect.Left += 14;
  }
  if (P.HAlign == TAlignment::taCenter && indicator) TextRect.Left += 10;

  FontKeeper keptFont(canvas->Font());
  if (FURLShow && IsLinkText(text)) {
    if (!FURLFull) StripLinkProtocol(text);
    plat::TFontStyles style = canvas->Font()->Style();
    style.Include(plat::TFontStyle::fsUnderline);
    canvas->Font()->SetStyle(style);
    canvas->Font()->SetColor(P.State.Contains(TGridDrawStateItem::gdSelected) ? FSelectionTextColor : FURLColor);
  }

  // This grid's own choice: Multilinecells lets an unwrapped cell keep its
  // lines; no other grid's drawing changes with it.
  unsigned flags = plat::DT_EDITCONTROL;
  if (CountTextLines(text, FMultilinecells) == 1 && !P.WordWrap) {
    text = TakeFirstLine(text);
    flags = plat::DT_SINGLELINE;
    if (FEnhTextSize) flags |= plat::DT_END_ELLIPSIS;
  } else if (P.WordWrap && !FMultilinecells && FEnhTextSize) {
    flags |= plat::DT_END_ELLIPSIS;
  }
  flags |= plat::DT_NOPREFIX | plat::DT_EXPANDTABS;
  if (P.WordWrap)
    flags |= plat::DT_EDITCONTROL | plat::DT_WORDBREAK;
  else if (!FMultilinecells)
    flags |= plat::DT_SINGLELINE;
  flags |= HorizontalFlag(P.HAlign) | VerticalFlag(P.VAlign);

  if (indicator) P.TextWidth = canvas->TextWidth(text) + 2;
  TRect drawRect = TextRect;
  if (GraphicNeedsTextWidth(P)) {
    TRect measured = drawRect;
    plat::DrawCanvasText(*canvas, text, measured, flags | plat::DT_CALCRECT);
    P.TextWidth = measured.Width() + 2;
  }
  plat::DrawCanvasText(*canvas, text, drawRect, flags);
  if (P.Graphic && P.Graphic->CellErrFrom() > 0 && P.Graphic->CellErrLen() > 0)
    DrawErrorUnderline(*canvas, TextRect, text, P.Graphic->CellErrFrom(), P.Graphic->CellErrLen());

  if (!indicator) return;
  const int room = std::max(0, std::min(P.Rect.Right - P.Rect.Left - 16, P.TextWidth));
  int x = P.Rect.Left + 8;
  if (P.HAlign == TAlignment::taLeftJustify) x = P.Rect.Left + room + 10;
  if (P.HAlign == TAlignment::taRightJustify) x = P.Rect.Right - room - 10;
  const int y = P.VAlign == TVAlignment::vtaTop      ? P.Rect.Top + 8
                : P.VAlign == TVAlignment::vtaBottom ? P.Rect.Bottom - 8
                                                      : (P.Rect.Top + P.Rect.Bottom) / 2;
  DrawSortIndicator(canvas, P.Col, x, y);
}

void TExtStringGrid::GetDisplayText(int ACol, int ARow, plat::String& Text) {
  Text = GetCellText(ACol, ARow);
  if (!OnGetFloatFormat || ClassifyNumberText(Text) >= NumberTextNone) return;
  bool isFloat = true;
  plat::String format = FFloatFormat;
  OnGetFloatFormat(this, ACol, ARow, isFloat, format);
  if (!isFloat) return;
  double value = 0;
  if (!plat::TryStrToFloat(NormalizeNumberText(Text), value, plat::TFormatSettings::English())) return;
  try {
    Text = plat::Format(format, {value});
  } catch (const plat::Exception&) {
    // A format that does not fit a number shows the raw text.
  }
}

void TExtStringGrid::GetFormulaText(int ACol, int ARow, plat::String& Text) { Text = GetCellText(ACol, ARow); }

void TExtStringGrid::GetExportText(int ACol, int ARow, plat::String& Text) {
  GetDisplayText(ACol, ARow, Text);
  // An empty check box cell exports its state as the check texts.
  const TCellGraphic* graphic = Text.empty() ? StoredGraphic(ACol, ARow) : nullptr;
  if (!graphic || graphic->CellType() != TCellType::ctCheckBox) return;
  if (graphic->CellBoolean())
    GetCheckTrue(ACol, ARow, Text);
  else
    GetCheckFalse(ACol, ARow, Text);
}

void TExtStringGrid::SetImportText(int ACol, int ARow, const plat::String& Text) { SetCellText(ACol, ARow, Text); }

int TExtStringGrid::GetRowLineCount(int ARow) {
  if (!FMultilinecells) return 1;
  // Every column on screen counts, to the last one shown.
  int lines = 1;
  for (int col = 0; col < ColCount(); ++col)
    lines = std::max(lines, CountTextLines(GetCellText(DisplayToRealCol(col), ARow), true));
  return lines;
}

void TExtStringGrid::GetCellTextSize(int ACol, int ARow, int& Width, int& Height, bool WordWrapped) {
  // Measured on a bitmap of its own: the grid needs no window for it.
  plat::TBitmap scratch;
  scratch.SetSize(1, 1);
  MeasureCellText(*scratch.Canvas(), ACol, ARow, Width, Height, WordWrapped);
}

void TExtStringGrid::MeasureCellText(plat::TCanvas& Canvas, int ACol, int ARow, int& Width, int& Height,
                                     bool WordWrapped) {
  plat::TCanvas* canvas = &Canvas;
  plat::TGridDrawState state;
  plat::TColor colorTo = plat::clNone;
  bool wordWrap = WordWrap();
  TAlignment hAlign = TAlignment::taLeftJustify;
  TVAlignment vAlign = TVAlignment::vtaTop;
  GetCellColor(ACol, ARow, state, false, false, true, canvas->Brush(), colorTo, canvas->Font(), wordWrap, hAlign,
               vAlign);
  plat::String text;
  GetDisplayText(DisplayToRealCol(ACol), ARow, text);
  const TRect cell = GetCellRect(ACol, ARow);

  int angle = 0;
  if (IsRotated(DisplayToRealCol(ACol), ARow, angle)) {
    const plat::TPoint size = RotatedTextExtent(canvas->TextWidth(text), canvas->TextHeight(text), angle);
    Width = size.X;
    Height = size.Y;
    return;
  }
  switch (ClassifyCellText(text, FEnableHTML)) {
    case CellTextHtml: {
      TRect room{cell.Left + CellHorzMargin, cell.Top + CellVertMargin, cell.Right - CellHorzMargin,
                 WordWrapped ? cell.Bottom - CellVertMargin : cell.Top + 0x7FFF};
      THtmlRenderOptions options;
      options.Images = FGridImages;
      options.Container = FPictureContainer;
      options.CheckOnly = true;
      options.WordWrap = WordWrapped;
      THtmlRenderResult result;
      RenderHtml(*canvas, text, room, options, result);
      Width = result.XSize + 2 * CellHorzMargin + 2;
      Height = result.YSize + 2 * CellVertMargin + 2;
      return;
    }
    case CellTextUnicode: {
      TRect room{0, 0, cell.Width() - 2 * CellHorzMargin, 0};
      const unsigned flags = plat::DT_CALCRECT | plat::DT_NOPREFIX |
                             (WordWrapped || FMultilinecells ? plat::DT_WORDBREAK : plat::DT_SINGLELINE);
      plat::DrawCanvasText(*canvas, DecodeUnicodeCellText(text), room, flags);
      Width = room.Width() + 2 * CellHorzMargin;
      Height = room.Height() + 2 * CellVertMargin;
      return;
    }
    case CellTextRich:
      if (MeasureRichText(text, cell, Width, Height)) return;
      break;
    default: break;
  }
  if (WordWrapped) {
    if (EditorMode() && ACol == Col() && ARow == Row() && !text.empty() && text.back() == '\n') text += 'w';
    TRect room{0, 0, cell.Width() - 2 * (CellHorzMargin + 2), 0};
    plat::DrawCanvasText(*canvas, text, room,
                         plat::DT_CALCRECT | plat::DT_WORDBREAK | plat::DT_EDITCONTROL | plat::DT_NOPREFIX);
    Width = room.Width() + 2 * CellHorzMargin;
    Height = room.Height() + 2 * CellVertMargin;
    return;
  }
  Width = 0;
  int lines = 0;
  plat::String rest = text;
  do {
    plat::String line = FMultilinecells ? TakeFirstLine(rest) : std::exchange(rest, plat::String());
    if (FURLShow && !FURLFull && IsLinkText(line)) StripLinkProtocol(line);
    Width = std::max(Width, canvas->TextWidth(line) + 2 * CellHorzMargin);
    ++lines;
  } while (!rest.empty());
  Height = canvas->TextHeight("gh") * lines + 2 * CellVertMargin;
}

}  // namespace zorbit
