#include "extgrid/detail/EditorProtocol.h"

#include "extgrid/TExtStringGrid.h"
#include "platform/ui/ControlMessages.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"

namespace zorbit::detail {

TExtStringGrid* OwnerGrid(plat::TComponent* AOwner) { return dynamic_cast<TExtStringGrid*>(AOwner); }

void WantEditorKeys(TExtStringGrid* Grid, plat::TMessage& Message) {
  Message.Result |= plat::DLGC_WANTALLKEYS;
  if (Grid && Grid->Options().Contains(plat::TGridOption::goTabs)) Message.Result |= plat::DLGC_WANTTAB;
}

bool SwallowEditorChar(char32_t& Key) {
  if (Key != U'\t' && Key != U'\r') return false;
  Key = 0;
  return true;
}

void EditorKeyDown(TExtStringGrid* Grid, TGridEditorValue& Value, std::uint16_t& Key, plat::TShiftState Shift) {
  if (!Grid) return;
  if (Key == plat::VK_ESCAPE) {
    Key = 0;
    CancelEditorEdit(Grid, Value);
    return;
  }
  const bool tab = Key == plat::VK_TAB && Grid->Options().Contains(plat::TGridOption::goTabs);
  if (!tab && Key != plat::VK_RETURN && Key != plat::VK_UP && Key != plat::VK_DOWN) return;
  CommitAndHandOn(Grid, Value, Key, Shift);
}

void CommitAndHandOn(TExtStringGrid* Grid, TGridEditorValue& Value, std::uint16_t& Key, plat::TShiftState Shift) {
  const std::uint16_t key = Key;
  Key = 0;
  if (!Grid) return;
  const plat::String text = Value.EditorText();
  Grid->EditorTextToCell(Grid->Col(), Grid->Row(), text);
  const bool accepted = Grid->CommitEdit(text);
  Value.LoadEditorText(Grid->CurrentCellText());
  if (accepted) Grid->HandleEditorKey(key, Shift);
}

void CancelEditorEdit(TExtStringGrid* Grid, TGridEditorValue& Value) {
  if (!Grid) return;
  Value.LoadEditorText(Grid->EditStartText());
  Grid->HandleEditorKey(plat::VK_ESCAPE, {});
}

void EditorTextChanged(TExtStringGrid* Grid, const plat::String& Text) {
  if (Grid && Grid->OnEditChange) Grid->OnEditChange(Grid, Grid->Col(), Grid->Row(), Text);
}

void EditorExited(TExtStringGrid* Grid) {
  if (Grid) Grid->EndCellEdit();
}

}  // namespace zorbit::detail
