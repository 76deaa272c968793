#include "grid/TExtGridUndoRedo.h"

#include "grid/TBaseGrid.h"

namespace zorbit {

TExtGridUndoRedo::TExtGridUndoRedo(plat::TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TUndoRedoCollection>()) {}

TExtGridUndoRedo::~TExtGridUndoRedo() = default;

void TExtGridUndoRedo::SetGrid(TBaseGrid* Value) {
  if (Value == FGrid) return;
  FGrid = Value;
  if (FGrid) FGrid->FreeNotification(this);
}

void TExtGridUndoRedo::AddChange(int ACol, int ARow, const plat::String& OrigValue, const plat::String& Value) {
  while (FMaxLevel > 0 && FItems->Count() > 0 && FItems->Count() >= FMaxLevel) FItems->Delete(0);
  auto* item = static_cast<TUndoRedoItem*>(FItems->Add());
  item->SetCol(ACol);
  item->SetRow(ARow);
  item->SetValue(Value);
  item->SetOrigValue(OrigValue);
  FLevel = FItems->Count();
}

void TExtGridUndoRedo::Notification(plat::TComponent* AComponent, plat::TOperation Operation) {
  if (Operation == plat::TOperation::opRemove && AComponent == FGrid) FGrid = nullptr;
  TComponent::Notification(AComponent, Operation);
}

}  // namespace zorbit
