#pragma once
// TESGCustomCombo: the grid's flat combo box (the look of TEsgFlatCombo) on
// the class library's combo box; TESGComboBox is its published form, what
// layouts and the grid's combo editor use. Version reads "1.2.0.0" and
// cannot be written.
#include "grid/EsgFlatCombo.h"
#include "platform/rtl/Types.h"

namespace zorbit {

class TESGCustomCombo : public TEsgFlatCombo<plat::TCustomComboBox> {
 public:
  using TEsgFlatCombo::TEsgFlatCombo;

  plat::String Version() const;
  // Ignored: the version is the control's own.
  void SetVersion(const plat::String&) {}
};

class TESGComboBox : public TESGCustomCombo {
 public:
  using TESGCustomCombo::TESGCustomCombo;
};

}  // namespace zorbit
