#include "extgrid/TControlEdit.h"

#include "extgrid/TExtStringGrid.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"

namespace zorbit {

TControlEdit::TControlEdit(plat::TComponent* AOwner) : plat::TMaskEdit(AOwner) {}

TExtStringGrid* TControlEdit::Grid() const { return dynamic_cast<TExtStringGrid*>(Parent()); }

void TControlEdit::WndProc(plat::TMessage& Message) {
  plat::TMaskEdit::WndProc(Message);
  if (Message.Msg == plat::WM_GETDLGCODE)
    Message.Result = (Message.Result | plat::DLGC_WANTTAB) & ~plat::DLGC_WANTALLKEYS;
}

void TControlEdit::KeyDown(std::uint16_t& Key, plat::TShiftState Shift) {
  plat::TMaskEdit::KeyDown(Key, Shift);
  if (Key != plat::VK_RETURN && Key != plat::VK_TAB) return;
  const bool tab = Key == plat::VK_TAB;
  Key = 0;
  TExtStringGrid* grid = Grid();
  if (!grid || !grid->CanFocus()) return;
  // Losing the focus ends the edit, unless the mask refuses the text and
  // takes the focus back.
  grid->SetFocus();
  if (Focused()) return;
  if (tab && grid->Navigation()->AdvanceAuto()) grid->Perform(plat::WM_KEYDOWN, plat::VK_TAB, 0);
}

void TControlEdit::DoExit() {
  plat::TMaskEdit::DoExit();
  EndEdit();
}

void TControlEdit::EndEdit() {
  const plat::String value = Text();
  SetVisible(false);
  if (TExtStringGrid* grid = Grid()) grid->ControlEditDone(FCol, FRow, FControlID, FControlType, value);
}

}  // namespace zorbit
