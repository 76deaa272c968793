#pragma once
// The grid's in-place editor: a borderless masked edit that the grid lays
// over its current cell. It holds the text of one cell; Enter, leaving the
// cell and the focus going to another control commit it through the grid's
// SetEditText (the last also closes it); Escape puts the cell's text back
// and closes it. It is read-only where the grid's CanEditModify says so.
// Its window is a multi-line edit (ES_MULTILINE, not wrapped), so a cell
// text with line breaks is edited whole, line by line; Ctrl+Enter types a
// break. Up, Down, Page Up, Page Down (and Tab with
// goTabs) go on to the grid, as do Left at the start of the text and Right
// at its end, so that the user moves on from cell to cell while editing.
//
// Made by the grid (TCustomGrid::CreateEditor) and owned by it; refuses
// nothing of its own beyond what the masked edit refuses.
#include "platform/ui/TMaskEdit.h"

namespace plat {

class TCustomGrid;

class TInplaceEdit : public TCustomMaskEdit {
 public:
  explicit TInplaceEdit(TCustomGrid* AOwner);

  TCustomGrid* Grid() const { return FGrid; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void DoExit() override;

 private:
  TCustomGrid* FGrid;
};

}  // namespace plat
