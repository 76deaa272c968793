#include "extgrid/TGridDatePicker.h"

#include "extgrid/TExtStringGrid.h"
#include "platform/rtl/DateTime.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"

namespace zorbit {

TGridDatePicker::TGridDatePicker(plat::TComponent* AOwner)
    : plat::TDateTimePicker(AOwner), FGrid(detail::OwnerGrid(AOwner)) {}

plat::String TGridDatePicker::EditorText() {
  if (Kind() == plat::TDateTimeKind::dtkDate && !Checked()) return {};
  return Text();
}

void TGridDatePicker::LoadEditorText(const plat::String& Value) {
  plat::TDateTime value = 0;
  if (Kind() == plat::TDateTimeKind::dtkTime) {
    SetDateTime(plat::TryStrToTime(Value, value) ? value : plat::Now());
    return;
  }
  // Today keeps the time of day a date text would not have.
  if (Value.empty() || !plat::TryStrToDate(Value, value)) value = plat::Date();
  SetDateTime(value);
}

void TGridDatePicker::WndProc(plat::TMessage& Message) {
  plat::TDateTimePicker::WndProc(Message);
  if (Message.Msg == plat::WM_GETDLGCODE) detail::WantEditorKeys(FGrid, Message);
}

void TGridDatePicker::KeyDown(std::uint16_t& Key, plat::TShiftState Shift) {
  // The page keys and End leave the picker as Enter does, then go on to the grid as themselves.
  if (Key == plat::VK_PRIOR || Key == plat::VK_NEXT || Key == plat::VK_END) {
    detail::CommitAndHandOn(FGrid, *this, Key, Shift);
    return;
  }
  detail::EditorKeyDown(FGrid, *this, Key, Shift);
  if (Key != 0) plat::TDateTimePicker::KeyDown(Key, Shift);
}

void TGridDatePicker::KeyPress(char32_t& Key) {
  if (detail::SwallowEditorChar(Key)) return;
  plat::TDateTimePicker::KeyPress(Key);
}

void TGridDatePicker::DoExit() {
  plat::TDateTimePicker::DoExit();
  // The calendar takes the focus while it is dropped; the edit goes on.
  if (!DroppedDown()) detail::EditorExited(FGrid);
}

void TGridDatePicker::Change() {
  plat::TDateTimePicker::Change();
  detail::EditorTextChanged(FGrid, EditorText());
}

}  // namespace zorbit
