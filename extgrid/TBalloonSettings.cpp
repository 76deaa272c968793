#include "extgrid/TBalloonSettings.h"

namespace zorbit {

void TBalloonSettings::Assign(const plat::TPersistent* Source) {
  const auto* source = dynamic_cast<const TBalloonSettings*>(Source);
  if (!source) return;
  FValues.TextColor = source->FValues.TextColor;
  FValues.BackgroundColor = source->FValues.BackgroundColor;
  FValues.InitialDelay = source->FValues.InitialDelay;
  FValues.AutoHideDelay = source->FValues.AutoHideDelay;
  FValues.ReshowDelay = source->FValues.ReshowDelay;
  SetEnable(source->FValues.Enable);
}

void TBalloonSettings::SetEnable(bool Value) {
  FValues.Enable = Value;
  if (OnEnableChange) OnEnableChange(this);
}

}  // namespace zorbit
