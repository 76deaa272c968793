#include "extgrid/TFloatingFooter.h"

#include "extgrid/TExtStringGrid.h"
#include "extgrid/TFooterPanel.h"

namespace zorbit {

void TFloatingFooter::Assign(const plat::TPersistent* Source) {
  const auto* source = dynamic_cast<const TFloatingFooter*>(Source);
  if (!source) return;
  FValues = source->FValues;
  // Through the setters, so the grid and the panel follow.
  SetVisible(FValues.Visible);
  SetShowHint(FValues.ShowHint);
}

void TFloatingFooter::RepaintPanel() {
  if (TFooterPanel* panel = FGrid->FooterPanel()) panel->Invalidate();
}

void TFloatingFooter::SetColor(plat::TColor Value) {
  FValues.Color = Value;
  RepaintPanel();
}

void TFloatingFooter::SetColumn(int Value) {
  FValues.Column = Value;
  RepaintPanel();
}

void TFloatingFooter::SetCustomTemplate(const plat::String& Value) {
  FValues.CustomTemplate = Value;
  RepaintPanel();
}

void TFloatingFooter::SetShowHint(bool Value) {
  FValues.ShowHint = Value;
  if (TFooterPanel* panel = FGrid->FooterPanel()) panel->SetShowHint(Value);
}

void TFloatingFooter::SetVisible(bool Value) {
  FValues.Visible = Value;
  if (TFooterPanel* panel = FGrid->FooterPanel()) {
    panel->SetHeight(Value ? FHeight : 0);
    panel->SetVisible(Value);
  }
  FGrid->SetFixedFooters(FixedLastRow() ? 1 : 0);
  FGrid->SetHideLastRow(FixedLastRow());
  FGrid->Invalidate();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value) {
  FValues.FooterStyle = Value;
  // The footer row counts as a footer exactly while the panel shows it.
  if (FValues.Visible) FGrid->SetFixedFooters(FixedLastRow() ? 1 : 0);
  FGrid->SetHideLastRow(FixedLastRow());
  FGrid->Invalidate();
  RepaintPanel();
}

}  // namespace zorbit
