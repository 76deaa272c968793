// Rich-text cells: drawn and measured through the grid's hidden rich edit.
// A text that does not read as rich text is shown and measured as the
// plain text it is, so that one bad cell never breaks the paint.
#include <cmath>

#include "extgrid/TExtRichEdit.h"
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/CellPaint.h"
#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/GdiConstants.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/RichTextReader.h"
#include "platform/ui/TTextAttributes.h"
#include "platform/win/RichEditMessages.h"

namespace zorbit {

using plat::TGridDrawStateItem;

namespace {

// Pixels at the device's resolution as twips.
int Twips(int Pixels, int Dpi) { return static_cast<int>(std::lround(Pixels * 1440.0 / Dpi)); }

}  // namespace

bool TExtStringGrid::LoadRichCell(const plat::String& Text) {
  plat::TStringStream stream(Text);
  try {
    FRichEdit->Lines()->LoadFromStream(stream);
  } catch (const plat::ERichTextError&) {
    return false;
  }
  return true;
}

void TExtStringGrid::DrawRichText(CellPaint& P, const plat::String& Text, const plat::TRect& TextRect) {
  if (!LoadRichCell(Text)) {
    DrawPlainText(P, Text, TextRect);
    return;
  }
  plat::TCanvas* canvas = P.Canvas;
  const bool focused = P.State.Contains(TGridDrawStateItem::gdFocused);
  const bool selected = P.State.Contains(TGridDrawStateItem::gdSelected);
  if (!(selected && !focused && FSelectionColor == plat::clNone)) {
    canvas->Pen()->SetColor(canvas->Brush()->Color());
    canvas->Rectangle(P.Rect);
  }
  const plat::HDC dc = canvas->Handle();
  const bool inSelection = Selection().Contains(P.Col, P.Row) &&
                           (!focused || Options().Contains(plat::TGridOption::goDrawFocusSelected));
  if (inSelection && !FSelectionRTFKeep && plat::GetMapMode(dc) == plat::MM_TEXT) {
    FRichEdit->SelectAll();
    FRichEdit->SelAttributes()->SetColor(FSelectionTextColor);
  }

  const int dpiX = plat::GetDeviceCaps(dc, plat::LOGPIXELSX);
  const int dpiY = plat::GetDeviceCaps(dc, plat::LOGPIXELSY);
  const int marginX = CellHorzMargin * dpiX / 96, marginY = CellVertMargin * dpiY / 96;
  plat::FORMATRANGE range;
  range.hdc = dc;
  range.hdcTarget = dc;
  range.rc = {Twips(P.Rect.Left + marginX, dpiX), Twips(P.Rect.Top + marginY, dpiY),
              Twips(P.Rect.Right - marginX, dpiX), Twips(P.Rect.Bottom - marginY, dpiY)};
  range.rcPage = range.rc;
  range.chrg = {0, -1};
  {
    const plat::DCStateSaver saved(dc);
    plat::SetMapMode(dc, plat::MM_TEXT);
    FRichEdit->Perform(plat::EM_FORMATRANGE, 1, reinterpret_cast<plat::LPARAM>(&range));
    FRichEdit->Perform(plat::EM_FORMATRANGE, 0, 0);
  }
  canvas->Brush()->SetStyle(plat::TBrushStyle::bsSolid);
  canvas->Font()->SetColor(plat::clBlack);
}

bool TExtStringGrid::MeasureRichText(const plat::String& Text, const plat::TRect& Cell, int& Width, int& Height) {
  if (!LoadRichCell(Text)) return false;
  FRichEdit->SetWidth(Cell.Width());
  FRichEdit->SetHeight(Cell.Height());
  FRichEdit->SetWordWrap(WordWrap());
  FRichEdit->Perform(plat::EM_REQUESTRESIZE, 0, 0);
  Width = FRichEdit->RequestedSize().Width() + 2 * CellHorzMargin;
  Height = FRichEdit->RequestedSize().Height() + 2 * CellVertMargin;
  return true;
}

}  // namespace zorbit
