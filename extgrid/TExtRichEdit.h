#pragma once
// TExtRichEdit: the grid's rich edit, used hidden to measure and convert
// rich-text cells and as the in-place rich-text editor. It records the
// size its content asks for (RequestedSize). As the in-place editor with
// SizeWhileTyping.Height, and while not locked, a content taller than the
// current row grows the row (editor h + 4, row h + 5, then the grid's
// OnEndRowSize) as long as the cell still fits in the grid. Up and Down,
// when neither WordWrap nor Multilinecells is on, go back to the grid and
// its key handling.
#include <cstdint>

#include "platform/ui/TCustomRichEdit.h"

namespace zorbit {

class TExtStringGrid;

class TExtRichEdit : public plat::TRichEdit {
 public:
  // InPlace: the editor of cells (else a hidden measuring edit).
  TExtRichEdit(TExtStringGrid* Grid, bool InPlace);

  const plat::TRect& RequestedSize() const { return FRequestedSize; }
  // While locked, the row does not follow the content.
  void Lock() { FLocked = true; }
  void Unlock() { FLocked = false; }
  bool Locked() const { return FLocked; }

 protected:
  void RequestSize(const plat::TRect& Rect) override;
  void KeyDown(std::uint16_t& Key, plat::TShiftState Shift) override;

 private:
  TExtStringGrid* FGrid;
  bool FInPlace;
  bool FLocked = false;
  plat::TRect FRequestedSize{};
};

}  // namespace zorbit
