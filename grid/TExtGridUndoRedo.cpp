#include "grid/TExtGridUndoRedo.h"

#include "grid/TBaseGrid.h"

namespace zorbit {

TExtGridUndoRedo::TExtGridUndoRedo(plat::TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TUndoRedoCollection>()) {}

TExtGridUndoRedo::~TExtGridUndoRedo() = default;

void TExtGridUndoRedo::SetGrid(TBaseGrid* Value) { FGrid = Value; }

void TExtGridUndoRedo::AddChange(int ACol, int ARow, const plat::String& OrigValue, const plat::String& Value) {
  while (FMaxLevel > 0 && FItems->Count() > 0 && FItems->Count() >= FMaxLevel) FItems->Delete(0);
  auto* item = static_cast<TUndoRedoItem*>(FItems->Add());
  item->SetCol(ACol);
  item->SetRow(ARow);
  item->SetValue(Value);
  item->SetOrigValue(OrigValue);
  FLevel = FItems->Count();
}

}  // namespace zorbit
