#pragma once
// TGridEditBtn: the grid's edit with a "..." button (edEditBtn,
// edNumericEditBtn, edFloatEditBtn), following the editor controls' key
// and focus rules. The button asks the grid's EllipsisClicked with the
// text; the answer becomes the text, all of it selected. Typed characters
// pass the character filter of the active editor type: any character for
// edEditBtn, numbers for the other two; a refused character beeps.
#include "extgrid/detail/EditorProtocol.h"
#include "grid/EsgEditBtn.h"
#include "platform/ui/TComponentRef.h"

namespace zorbit {

class TGridEditBtn : public TEsgEditBtn, public detail::TGridEditorValue {
 public:
  explicit TGridEditBtn(plat::TComponent* AOwner);

  TExtStringGrid* Grid() const { return FGrid; }
  void ClickButton() override;

  plat::String EditorText() override { return Text(); }
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
