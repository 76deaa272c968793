#include "grid/EsgUniComboBox.h"

namespace zorbit {

TCustomUNIComboBox::TCustomUNIComboBox(plat::TComponent* AOwner)
    : TEsgUnicodeControl(AOwner), FItems(std::make_unique<TComboBoxStrings>(*this)) {}

// The wide list goes before the box it reaches through.
TCustomUNIComboBox::~TCustomUNIComboBox() { FItems.reset(); }

void TCustomUNIComboBox::SetItems(const plat::TWideStrings* Value) {
  if (Value) FItems->Assign(*Value);
}

}  // namespace zorbit
