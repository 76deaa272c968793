#include "extgrid/CellControlEditor.h"

#include <type_traits>

#include "extgrid/TControlCombo.h"
#include "extgrid/TControlEdit.h"
#include "extgrid/TExtStringGrid.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"

namespace zorbit {

template <class TEditorBase>
TExtStringGrid* TCellControlEditor<TEditorBase>::Grid() const {
  return dynamic_cast<TExtStringGrid*>(this->Parent());
}

template <class TEditorBase>
bool TCellControlEditor<TEditorBase>::ListShown() {
  if constexpr (std::is_base_of_v<plat::TCustomComboBox, TEditorBase>) {
    return this->DroppedDown();
  } else {
    return false;
  }
}

template <class TEditorBase>
void TCellControlEditor<TEditorBase>::WndProc(plat::TMessage& Message) {
  TEditorBase::WndProc(Message);
  if (Message.Msg != plat::WM_GETDLGCODE) return;
  Message.Result |= plat::DLGC_WANTTAB;
  if (!ListShown()) Message.Result &= ~plat::DLGC_WANTALLKEYS;
}

template <class TEditorBase>
void TCellControlEditor<TEditorBase>::KeyDown(std::uint16_t& Key, plat::TShiftState Shift) {
  TEditorBase::KeyDown(Key, Shift);
  if (Key != plat::VK_RETURN && Key != plat::VK_TAB) return;
  // Return in a shown list takes its item.
  if (Key == plat::VK_RETURN && ListShown()) return;
  const bool tab = Key == plat::VK_TAB;
  Key = 0;
  TExtStringGrid* grid = Grid();
  if (!grid || !grid->CanFocus()) return;
  // Losing the focus ends the edit, unless the editor takes the focus back.
  grid->SetFocus();
  if (this->Focused()) return;
  if (tab && grid->Navigation()->AdvanceAuto()) grid->Perform(plat::WM_KEYDOWN, plat::VK_TAB, 0);
}

template <class TEditorBase>
void TCellControlEditor<TEditorBase>::DoExit() {
  TEditorBase::DoExit();
  EndEdit();
}

template <class TEditorBase>
void TCellControlEditor<TEditorBase>::EndEdit() {
  const plat::String value = this->Text();
  this->SetVisible(false);
  if (TExtStringGrid* grid = Grid()) grid->ControlEditDone(FCol, FRow, FControlID, FControlType, value);
}

template class TCellControlEditor<plat::TMaskEdit>;
template class TCellControlEditor<TESGComboBox>;

}  // namespace zorbit
