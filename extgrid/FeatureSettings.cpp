#include "extgrid/FeatureSettings.h"

#include "extgrid/TExtStringGrid.h"

namespace zorbit {

void TGrouping::Assign(const plat::TPersistent* Source) {
  const auto* source = dynamic_cast<const TGrouping*>(Source);
  if (!source) return;
  const TValues& from = source->FValues;
  FValues.HeaderColor = from.HeaderColor;
  FValues.HeaderColorTo = from.HeaderColorTo;
  FValues.HeaderTextColor = from.HeaderTextColor;
  FValues.HeaderUnderline = from.HeaderUnderline;
  FValues.MergeHeader = from.MergeHeader;
  FValues.MergeSummary = from.MergeSummary;
  FValues.SummaryColor = from.SummaryColor;
  FValues.SummaryColorTo = from.SummaryColorTo;
  FValues.SummaryTextColor = from.SummaryTextColor;
  FValues.SummaryLine = from.SummaryLine;
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
