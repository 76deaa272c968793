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

void TFloatingFooter::Assign(const plat::TPersistent* Source) {
  if (const auto* source = dynamic_cast<const TFloatingFooter*>(Source)) FValues = source->FValues;
}

void TSearchFooter::Assign(const plat::TPersistent* Source) {
  if (const auto* source = dynamic_cast<const TSearchFooter*>(Source)) {
    FValues = source->FValues;
    if (OnChange) OnChange(this);
  }
}

void TSearchFooter::SetVisible(bool Value) {
  FValues.Visible = Value;
  if (OnChange) OnChange(this);
}

void TBalloonSettings::Assign(const plat::TPersistent* Source) {
  if (const auto* source = dynamic_cast<const TBalloonSettings*>(Source)) SetEnable(source->Enable());
}

void TBalloonSettings::SetEnable(bool Value) {
  FValues.Enable = Value;
  if (OnEnableChange) OnEnableChange(this);
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

namespace {

void MakeBottomStrip(plat::TCustomPanel& Panel) {
  Panel.SetAlign(plat::TAlign::alBottom);
  Panel.SetHeight(0);
}

}  // namespace

TFooterPanel::TFooterPanel(TExtStringGrid* Grid) : plat::TCustomPanel(Grid) { MakeBottomStrip(*this); }

TSearchPanel::TSearchPanel(TExtStringGrid* Grid) : plat::TCustomPanel(Grid) { MakeBottomStrip(*this); }

}  // namespace zorbit
