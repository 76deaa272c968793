#include "extgrid/TGridUnitEditBtn.h"

#include "extgrid/TExtStringGrid.h"
#include "platform/win/Messages.h"

namespace zorbit {

TGridUnitEditBtn::TGridUnitEditBtn(plat::TComponent* AOwner)
    : TEsgUnitEditBtn(AOwner), FGrid(detail::OwnerGrid(AOwner)) {
  SetButtonCaption("...");
}

void TGridUnitEditBtn::LoadEditorText(const plat::String& Value) {
  plat::String number;
  plat::String unit;
  for (char c : Value) {
    const bool numeric = (c >= '0' && c <= '9') || c == ',' || c == '-' || c == '.';
    (numeric ? number : unit) += c;
  }
  SetText(number);
  SetUnitID(unit);
  SetSelStart(static_cast<int>(EditBuffer().Length()));
}

void TGridUnitEditBtn::WndProc(plat::TMessage& Message) {
  TEsgUnitEditBtn::WndProc(Message);
  if (Message.Msg == plat::WM_GETDLGCODE) detail::WantEditorKeys(FGrid, Message);
}

void TGridUnitEditBtn::KeyDown(std::uint16_t& Key, plat::TShiftState Shift) {
  detail::EditorKeyDown(FGrid, *this, Key, Shift);
  if (Key != 0) TEsgUnitEditBtn::KeyDown(Key, Shift);
}

void TGridUnitEditBtn::KeyPress(char32_t& Key) {
  if (detail::SwallowEditorChar(Key)) return;
  TEsgUnitEditBtn::KeyPress(Key);
}

void TGridUnitEditBtn::DoExit() {
  TEsgUnitEditBtn::DoExit();
  detail::EditorExited(FGrid);
}

void TGridUnitEditBtn::Change() {
  TEsgUnitEditBtn::Change();
  detail::EditorTextChanged(FGrid, EditorText());
}

}  // namespace zorbit
