#pragma once
// The edit part of an editable combo box: a borderless edit in the box's
// selection field. The box hooks its WindowProc: keys and characters typed
// in it are the box's (its events, its keys), which hands back what it
// leaves; the focus in it counts as the box's.
#include "platform/ui/TCustomEdit.h"

namespace plat {

class TComboEdit : public TCustomEdit {
 public:
  TComboEdit();

  // A character the box did not take, typed into the text.
  void TypeChar(char32_t Char) { KeyPress(Char); }
  // The edit's own handling, for the messages the box hands back.
  using TCustomEdit::DefaultHandler;
};

}  // namespace plat
