#pragma once
// TGridUnitEditBtn: the grid's number-and-unit editor (edUnitEditBtn), with
// a "..." button that picks the unit. It follows the editor controls' key
// and focus rules; Enter characters go nowhere. Its value is the number
// text followed by the unit; loading a cell text splits it: the leading
// run of digits, ",", "-" and "." is the number, the rest the unit as it
// stands.
#include "extgrid/detail/EditorProtocol.h"
#include "grid/EsgUnitEditBtn.h"
#include "platform/ui/TComponentRef.h"

namespace zorbit {

class TGridUnitEditBtn : public TEsgUnitEditBtn, public detail::TGridEditorValue {
 public:
  explicit TGridUnitEditBtn(plat::TComponent* AOwner);

  TExtStringGrid* Grid() const { return FGrid; }

  plat::String EditorText() override { return Text() + UnitID(); }
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
