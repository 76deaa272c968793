#include "extgrid/TGridCheckBox.h"

#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/EditorProtocol.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"

namespace zorbit {

TGridCheckBox::TGridCheckBox(plat::TComponent* AOwner) : plat::TCheckBox(AOwner), FGrid(detail::OwnerGrid(AOwner)) {}

void TGridCheckBox::WndProc(plat::TMessage& Message) {
  plat::TCheckBox::WndProc(Message);
  if (Message.Msg == plat::WM_GETDLGCODE) Message.Result |= plat::DLGC_WANTARROWS | plat::DLGC_WANTALLKEYS;
}

void TGridCheckBox::KeyDown(std::uint16_t& Key, plat::TShiftState Shift) {
  switch (Key) {
    case plat::VK_RETURN:
    case plat::VK_PRIOR:
    case plat::VK_NEXT:
    case plat::VK_END:
    case plat::VK_LEFT:
    case plat::VK_RIGHT:
    case plat::VK_UP:
    case plat::VK_DOWN: break;
    default: plat::TCheckBox::KeyDown(Key, Shift); return;
  }
  const std::uint16_t key = Key;
  Key = 0;
  if (!FGrid) return;
  TExtStringGrid* grid = FGrid;
  grid->EndCellEdit();
  if (grid->CanFocus()) grid->SetFocus();
  if (key == plat::VK_RETURN) grid->AdvanceCell(grid->Col(), grid->Row(), false, true, true, false);
  if (key == plat::VK_UP || key == plat::VK_DOWN) grid->Perform(plat::WM_KEYDOWN, key, 0);
}

void TGridCheckBox::DoExit() {
  plat::TCheckBox::DoExit();
  detail::EditorExited(FGrid);
}

}  // namespace zorbit
