#pragma once
// The Unicode combo boxes. TCustomUNIComboBox: the class library's combo
// box on a Unicode window (TEsgUnicodeControl), its Text a WideString and
// its Items a TWideStrings over the box's items (TComboBoxStrings, owned).
// TESGUniCustomCombo adds the flat look of the grid's combo
// (TEsgFlatCombo); TESGUniComboBox is its published form, what the grid's
// Unicode combo editors use. Choosing an item shows its text unchanged,
// whatever its characters.
#include <memory>

#include "grid/EsgFlatCombo.h"
#include "grid/EsgUnicodeControl.h"
#include "grid/TComboBoxStrings.h"
#include "platform/ui/TCustomComboBox.h"

namespace zorbit {

class TCustomUNIComboBox : public TEsgUnicodeControl<plat::TCustomComboBox> {
 public:
  explicit TCustomUNIComboBox(plat::TComponent* AOwner);
  ~TCustomUNIComboBox() override;

  plat::TWideStrings* Items() const { return FItems.get(); }
  // Replaces the items with Value's; null is ignored.
  void SetItems(const plat::TWideStrings* Value);

 private:
  std::unique_ptr<TComboBoxStrings> FItems;
};

extern template class TEsgFlatCombo<TCustomUNIComboBox>;

class TESGUniCustomCombo : public TEsgFlatCombo<TCustomUNIComboBox> {
 public:
  using TEsgFlatCombo::TEsgFlatCombo;
};

class TESGUniComboBox : public TESGUniCustomCombo {
 public:
  using TESGUniCustomCombo::TESGUniCustomCombo;
};

}  // namespace zorbit
