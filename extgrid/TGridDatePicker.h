#pragma once
// TGridDatePicker: the grid's date and time picker (edDateEdit,
// edDateEditUpDown, edTimeEdit). It follows the editor controls' key and
// focus rules; Page Up, Page Down and End also end the edit as Enter does.
// Its value is its text (the picker's own format when it has one); a date
// picker whose check mark is cleared holds an empty value. A cell text is
// loaded as a date or a time; a text that is none loads today or now.
#include "extgrid/detail/EditorProtocol.h"
#include "platform/ui/TComponentRef.h"
#include "platform/ui/TDateTimePicker.h"

namespace zorbit {

class TGridDatePicker : public plat::TDateTimePicker, public detail::TGridEditorValue {
 public:
  explicit TGridDatePicker(plat::TComponent* AOwner);

  TExtStringGrid* Grid() const { return FGrid; }

  plat::String EditorText() override;
  void LoadEditorText(const plat::String& Value) override;

 protected:
  void WndProc(plat::TMessage& Message) override;
  void KeyDown(std::uint16_t& Key, plat::TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void DoExit() override;
  void Change() override;

 private:
  plat::TComponentRef<TExtStringGrid> FGrid;
};

}  // namespace zorbit
