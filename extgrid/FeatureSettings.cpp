#include "extgrid/FeatureSettings.h"

#include "extgrid/TExtStringGrid.h"

namespace zorbit {

void TGrouping::Assign(const plat::TPersistent* Source) {
  if (const auto* source = dynamic_cast<const TGrouping*>(Source)) FValues = source->FValues;
}

void TDragDropSettings::Assign(const plat::TPersistent* Source) {
  if (const auto* source = dynamic_cast<const TDragDropSettings*>(Source)) FValues = source->FValues;
}

void TDragScrollOptions::Assign(const plat::TPersistent* Source) {
  if (const auto* source = dynamic_cast<const TDragScrollOptions*>(Source)) FValues = source->FValues;
}

void TShowModified::Assign(const plat::TPersistent* Source) {
  if (const auto* source = dynamic_cast<const TShowModified*>(Source)) {
    FValues.Enabled = source->FValues.Enabled;
    SetColor(source->FValues.Color);
  }
}

void TShowModified::SetColor(plat::TColor Value) {
  FValues.Color = Value;
  if (OnChange) OnChange(this);
}

}  // namespace zorbit
