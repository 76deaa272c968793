#pragma once
// TControlEdit: the masked edit a grid shows over an HTML "EDIT",
// "PASSWORD" or "MASK" CONTROL of a cell (TCellControlEditor says how it
// opens and ends). A masked text the mask refuses keeps the focus here.
#include "extgrid/CellControlEditor.h"
#include "platform/ui/TMaskEdit.h"

namespace zorbit {

extern template class TCellControlEditor<plat::TMaskEdit>;

class TControlEdit : public TCellControlEditor<plat::TMaskEdit> {
 public:
  using TCellControlEditor::TCellControlEditor;
};

}  // namespace zorbit
