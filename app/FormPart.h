#pragma once
// The component a window's layout made, by name and class: a window reads
// its parts once after its layout, and a part missing or of another class
// is a fault of the layout, raised as ELayoutError.
#include "platform/ui/LayoutError.h"
#include "platform/ui/TComponent.h"

namespace zorbit {

template <typename T>
T* FormPart(plat::TComponent& Owner, const plat::String& Name) {
  auto* part = dynamic_cast<T*>(Owner.FindComponent(Name));
  if (!part) throw plat::ELayoutError(Name + ": missing from the layout of " + Owner.Name());
  return part;
}

}  // namespace zorbit
