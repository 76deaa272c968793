#include "extgrid/TGridEditBtn.h"

#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/EditCharFilter.h"
#include "platform/win/MessageBox.h"
#include "platform/win/Messages.h"

namespace zorbit {

TGridEditBtn::TGridEditBtn(plat::TComponent* AOwner) : TEsgEditBtn(AOwner), FGrid(detail::OwnerGrid(AOwner)) {
  SetButtonCaption("...");
}

void TGridEditBtn::LoadEditorText(const plat::String& Value) {
  SetText(Value);
  SetSelStart(static_cast<int>(EditBuffer().Length()));
}

void TGridEditBtn::ClickButton() {
  TEsgEditBtn::ClickButton();
  if (!FGrid) return;
  plat::String answer = Text();
  FGrid->EllipsisClicked(Text(), answer);
  SetText(answer);
  SelectAll();
}

void TGridEditBtn::WndProc(plat::TMessage& Message) {
  TEsgEditBtn::WndProc(Message);
  if (Message.Msg == plat::WM_GETDLGCODE) detail::WantEditorKeys(FGrid, Message);
}

void TGridEditBtn::KeyDown(std::uint16_t& Key, plat::TShiftState Shift) {
  detail::EditorKeyDown(FGrid, *this, Key, Shift);
  if (Key != 0) TEsgEditBtn::KeyDown(Key, Shift);
}

void TGridEditBtn::KeyPress(char32_t& Key) {
  if (detail::SwallowEditorChar(Key)) return;
  // Control characters are the edit's short-cuts (Ctrl+V comes as one).
  if (FGrid && (Key >= U' ' || Key == U'\b')) {
    const plat::String text = Text();
    const plat::String selected = SelText();
    switch (detail::FilterEditChar(FGrid->ActiveEditorType(), Key, {text, SelStart(), selected})) {
      case detail::TCharVerdict::cvAccept: break;
      case detail::TCharVerdict::cvRefuse:
        plat::MessageBeep(plat::MB_OK);
        Key = 0;
        return;
      case detail::TCharVerdict::cvIgnore: Key = 0; return;
    }
  }
  TEsgEditBtn::KeyPress(Key);
}

void TGridEditBtn::DoExit() {
  TEsgEditBtn::DoExit();
  detail::EditorExited(FGrid);
}

void TGridEditBtn::Change() {
  TEsgEditBtn::Change();
  detail::EditorTextChanged(FGrid, Text());
}

}  // namespace zorbit
