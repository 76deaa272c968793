#include "extgrid/TExtRichEdit.h"

#include "extgrid/TExtStringGrid.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"

namespace zorbit {

TExtRichEdit::TExtRichEdit(TExtStringGrid* Grid, bool InPlace)
    : plat::TRichEdit(Grid), FGrid(Grid), FInPlace(InPlace) {}

void TExtRichEdit::RequestSize(const plat::TRect& Rect) {
  FRequestedSize = Rect;
  plat::TRichEdit::RequestSize(Rect);
  if (!FInPlace || FLocked || !FGrid->SizeWhileTyping()->Height()) return;
  const int h = Rect.Height();
  const int row = FGrid->Row();
  const plat::TRect cell = FGrid->CellRect(FGrid->Col(), row);
  if (h <= FGrid->RowHeights(row) || cell.Top + h + 5 > FGrid->ClientHeight()) return;
  SetHeight(h + 4);
  FGrid->SetRowHeights(row, h + 5);
  if (FGrid->OnEndRowSize) FGrid->OnEndRowSize(FGrid, row);
}

void TExtRichEdit::KeyDown(std::uint16_t& Key, plat::TShiftState Shift) {
  if ((Key == plat::VK_UP || Key == plat::VK_DOWN) && !FGrid->WordWrap() && !FGrid->Multilinecells()) {
    const std::uint16_t key = Key;
    Key = 0;
    if (FGrid->CanFocus()) FGrid->SetFocus();
    FGrid->Perform(plat::WM_KEYDOWN, key, 0);
    return;
  }
  plat::TRichEdit::KeyDown(Key, Shift);
}

}  // namespace zorbit
