#pragma once
// The key and focus rules every editor control of the grid follows, so that
// editing any cell feels the same: the control wants Enter (and Tab with the
// grid's tab option); Tab and Enter characters go nowhere; Tab, Enter, Up
// and Down write the control's text to the cell and commit it (a refusal
// reloads the cell's text and keeps the control open, the key going no
// further); Esc reloads the text from before the edit and ends it; losing
// the focus ends the edit. A control takes part by implementing
// TGridEditorValue.
#include <cstdint>

#include "platform/rtl/Types.h"
#include "platform/ui/ControlTypes.h"
#include "platform/win/WinTypes.h"

namespace plat {
class TComponent;
struct TMessage;
class TWinControl;
}  // namespace plat

namespace zorbit {

class TExtStringGrid;

namespace detail {

class TGridEditorValue {
 public:
  // The value as the cell would take it, and the control loaded from a
  // cell text with the caret at its end.
  virtual plat::String EditorText() = 0;
  virtual void LoadEditorText(const plat::String& Text) = 0;

 protected:
  ~TGridEditorValue() = default;
};

// The grid a control made with it as owner serves; nullptr for any other owner.
TExtStringGrid* OwnerGrid(plat::TComponent* AOwner);

// Adds the keys the control wants to a WM_GETDLGCODE answer.
void WantEditorKeys(TExtStringGrid* Grid, plat::TMessage& Message);
// Drops the Tab and Enter characters; true when Key was one.
bool SwallowEditorChar(char32_t& Key);
// Step 4 of the protocol; Key becomes 0 when the protocol took it.
void EditorKeyDown(TExtStringGrid* Grid, TGridEditorValue& Value, std::uint16_t& Key, plat::TShiftState Shift);
// Writes the control's value to the cell and commits it; accepted, the key
// goes on to the grid's editor-key handling, refused, the control shows the
// cell's text again. Key becomes 0 either way.
void CommitAndHandOn(TExtStringGrid* Grid, TGridEditorValue& Value, std::uint16_t& Key, plat::TShiftState Shift);
// Esc alone: the text from before the edit, and the edit ends.
void CancelEditorEdit(TExtStringGrid* Grid, TGridEditorValue& Value);
// OnEditChange with the current cell.
void EditorTextChanged(TExtStringGrid* Grid, const plat::String& Text);
// Losing the focus ends the edit.
void EditorExited(TExtStringGrid* Grid);

}  // namespace detail
}  // namespace zorbit
