#pragma once
// TCustomUNIEdit: the single-line edit on a Unicode window, its Text a
// WideString (TEsgUnicodeControl); TEsgUniEdit is its published form, what
// the grid's Unicode edit editor uses.
#include "grid/EsgUnicodeControl.h"
#include "platform/ui/TCustomEdit.h"

namespace zorbit {

class TCustomUNIEdit : public TEsgUnicodeControl<plat::TCustomEdit> {
 public:
  using TEsgUnicodeControl::TEsgUnicodeControl;
};

class TEsgUniEdit : public TCustomUNIEdit {
 public:
  using TCustomUNIEdit::TCustomUNIEdit;
};

}  // namespace zorbit
