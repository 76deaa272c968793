#include "platform/ui/TSizeConstraints.h"

#include <algorithm>

namespace plat {

namespace {

void Store(int& field, int value, bool& changed) {
  value = std::max(value, 0);
  if (field == value) return;
  field = value;
  changed = true;
}

}  // namespace

void TSizeConstraints::SetMaxHeight(int Value) {
  bool changed = false;
  Store(FMaxHeight, Value, changed);
  if (FMaxHeight && FMaxHeight < FMinHeight) FMaxHeight = FMinHeight;
  if (changed) Change();
}

void TSizeConstraints::SetMaxWidth(int Value) {
  bool changed = false;
  Store(FMaxWidth, Value, changed);
  if (FMaxWidth && FMaxWidth < FMinWidth) FMaxWidth = FMinWidth;
  if (changed) Change();
}

void TSizeConstraints::SetMinHeight(int Value) {
  bool changed = false;
  Store(FMinHeight, Value, changed);
  if (FMaxHeight && FMaxHeight < FMinHeight) FMaxHeight = FMinHeight;
  if (changed) Change();
}

void TSizeConstraints::SetMinWidth(int Value) {
  bool changed = false;
  Store(FMinWidth, Value, changed);
  if (FMaxWidth && FMaxWidth < FMinWidth) FMaxWidth = FMinWidth;
  if (changed) Change();
}

void TSizeConstraints::Apply(int& Width, int& Height) const {
  if (FMinWidth && Width < FMinWidth) Width = FMinWidth;
  if (FMaxWidth && Width > FMaxWidth) Width = FMaxWidth;
  if (FMinHeight && Height < FMinHeight) Height = FMinHeight;
  if (FMaxHeight && Height > FMaxHeight) Height = FMaxHeight;
}

void TSizeConstraints::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TSizeConstraints*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  FMinWidth = source->FMinWidth;
  FMaxWidth = source->FMaxWidth;
  FMinHeight = source->FMinHeight;
  FMaxHeight = source->FMaxHeight;
  Change();
}

void TSizeConstraints::Change() {
  if (OnChange) OnChange(this);
}

}  // namespace plat
