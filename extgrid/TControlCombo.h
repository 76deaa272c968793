#pragma once
// TControlCombo: the grid's flat combo box shown over an HTML "COMBO"
// CONTROL of a cell (TCellControlEditor says how it opens and ends); its
// text is the value handed to the grid.
#include "extgrid/CellControlEditor.h"
#include "grid/EsgComboBox.h"

namespace zorbit {

extern template class TCellControlEditor<TESGComboBox>;

class TControlCombo : public TCellControlEditor<TESGComboBox> {
 public:
  using TCellControlEditor::TCellControlEditor;
};

}  // namespace zorbit
