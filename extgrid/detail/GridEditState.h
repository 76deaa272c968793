#pragma once
// What the grid's cell editing keeps between messages: the open editor and
// its type, the edit's life (in progress, being committed), the texts from
// before it, and the switches the grid flips while it moves or suspends
// editing itself.
#include "grid/BaseGridTypes.h"
#include "platform/rtl/Types.h"
#include "platform/ui/GridTypes.h"
#include "platform/ui/TComponentRef.h"
#include "platform/ui/TWinControl.h"

namespace zorbit::detail {

struct TGridEditState {
  TEditorType ActiveEditorType = TEditorType::edNormal;
  // An editor (a control or the in-place edit) is open on the current cell.
  bool EditorActive = false;
  // From the editor's opening until its text is committed.
  bool EditInProgress = false;
  bool Committing = false;
  // The current cell's text when it was selected or the edit began.
  plat::String EditStartText;
  // The character that opened the editor, for the control it opens.
  char32_t PendingKey = 0;
  // The grid took its editing option away for a cell that cannot be edited.
  bool EditOptionSuspended = false;
  int ComboDefaultIndex = -1;
  bool AdvanceInProgress = false;
  // Above 0 while the grid's own operations must open no editor.
  int SuppressEditors = 0;
  plat::TComponentRef<plat::TWinControl> ActiveEditorControl;
  // The cell the edit began on and its texts then (real column).
  plat::TGridCoord EditCell{-1, -1};
  plat::String PreEditText;
  plat::WideString PreEditWideText;
};

}  // namespace zorbit::detail
