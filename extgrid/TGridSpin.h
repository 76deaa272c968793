#pragma once
// TGridSpin: the grid's spin editor (edSpinEdit, edFloatSpinEdit,
// edTimeSpinEdit, edDateSpinEdit), MaxValue 100, MinValue 0, Increment 1.
// It follows the editor controls' key and focus rules (Up and Down commit
// like Enter; the spin buttons still step). Its buttons fire the grid's
// OnSpinClick, OnFloatSpinClick, OnDateSpinClick or OnTimeSpinClick, by
// spin type, with the new value. Page Up and Page Down step an integer or
// float value only while it stays within its limits, End sets MinValue and
// Home MaxValue; whatever the spin type, these four keys then fire
// OnSpinClick with the integer Value (Page Up and Home as a step up).
// Esc puts the text from before the edit back and ends the edit.
#include "extgrid/detail/EditorProtocol.h"
#include "grid/EsgSpinEdit.h"
#include "platform/ui/TComponentRef.h"

namespace zorbit {

class TGridSpin : public TEsgSpinEdit, public detail::TGridEditorValue {
 public:
  explicit TGridSpin(plat::TComponent* AOwner);

  TExtStringGrid* Grid() const { return FGrid; }
  void StepUp() override;
  void StepDown() override;

  // A float in the grid's FloatFormat, a date as the short date, as the
  // cell stores them; else the text.
  plat::String EditorText() override;
  void LoadEditorText(const plat::String& Value) override;

 protected:
  void WndProc(plat::TMessage& Message) override;
  void KeyDown(std::uint16_t& Key, plat::TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void DoExit() override;
  void Change() override;

 private:
  // Page Up, Page Down, Home and End.
  void PageKey(std::uint16_t Key);
  void FireSpinClick(bool Up);

  plat::TComponentRef<TExtStringGrid> FGrid;
};

}  // namespace zorbit
