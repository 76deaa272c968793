#include "extgrid/TGridUnitEditBtn.h"

#include "extgrid/TExtStringGrid.h"
#include "platform/win/Messages.h"

namespace zorbit {

TGridUnitEditBtn::TGridUnitEditBtn(plat::TComponent* AOwner)
    : TEsgUnitEditBtn(AOwner), FGrid(detail::OwnerGrid(AOwner)) {
  SetButtonCaption("...");
}

void TGridUnitEditBtn::LoadEditorText(const plat::String& Value) {
  // The number is the leading run of its characters; the unit keeps the
  // rest as it stands, digits included, so that writing the two back gives
  // the text again ("5 m2" stays "5 m2", not "52 m").
  std::size_t split = 0;
  while (split < Value.size()) {
    const char c = Value[split];
    if (!((c >= '0' && c <= '9') || c == ',' || c == '-' || c == '.')) break;
    ++split;
  }
  SetText(Value.substr(0, split));
  SetUnitID(Value.substr(split));
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
