#pragma once
// TEsgUniEditBtn: the edit with a button inside (TEsgEditWithButton) on the
// Unicode edit: a WideString text, the button, F4, EditorEnabled, the
// paste and cut rules and the geometry of TEsgEditBtn. Unlike it, its text
// starts empty. The grid's Unicode edit-with-button editor uses it.
#include "grid/EsgEditWithButton.h"
#include "grid/EsgUniEdit.h"

namespace zorbit {

extern template class TEsgEditWithButton<TCustomUNIEdit>;

class TEsgUniEditBtn : public TEsgEditWithButton<TCustomUNIEdit> {
 public:
  using TEsgEditWithButton::TEsgEditWithButton;
};

}  // namespace zorbit
