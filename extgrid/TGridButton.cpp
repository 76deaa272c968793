#include "extgrid/TGridButton.h"

#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/EditorProtocol.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"

namespace zorbit {

TGridButton::TGridButton(plat::TComponent* AOwner) : plat::TButton(AOwner), FGrid(detail::OwnerGrid(AOwner)) {}

void TGridButton::Click() {
  plat::TButton::Click();
  if (!FGrid) return;
  const plat::String caption = Caption();
  plat::String answer = caption;
  FGrid->EllipsisClicked(caption, answer);
  SetCaption(answer);
}

void TGridButton::WndProc(plat::TMessage& Message) {
  plat::TButton::WndProc(Message);
  if (Message.Msg == plat::WM_GETDLGCODE) Message.Result |= plat::DLGC_WANTARROWS | plat::DLGC_WANTALLKEYS;
}

void TGridButton::KeyDown(std::uint16_t& Key, plat::TShiftState Shift) {
  const bool arrow =
      Key == plat::VK_LEFT || Key == plat::VK_RIGHT || Key == plat::VK_UP || Key == plat::VK_DOWN;
  if (!FGrid || (Key != plat::VK_ESCAPE && !arrow)) {
    plat::TButton::KeyDown(Key, Shift);
    return;
  }
  const std::uint16_t key = Key;
  Key = 0;
  TExtStringGrid* grid = FGrid;
  if (key == plat::VK_ESCAPE) grid->RestoreEditText();
  grid->EndCellEdit();
  if (grid->CanFocus()) grid->SetFocus();
  grid->Perform(plat::WM_KEYDOWN, key, 0);
  if (arrow) grid->Perform(plat::WM_KEYUP, key, 0);
}

void TGridButton::DoExit() {
  plat::TButton::DoExit();
  detail::EditorExited(FGrid);
}

}  // namespace zorbit
