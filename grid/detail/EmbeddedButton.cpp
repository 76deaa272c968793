#include "grid/detail/EmbeddedButton.h"

#include "platform/ui/TCustomEdit.h"

namespace zorbit::detail {

void PlaceEmbeddedButton(plat::TCustomEdit& Edit, plat::TControl& Button) {
  // The platform's edits always have the three-dimensional look.
  const int borderless = Edit.BorderStyle() == plat::TBorderStyle::bsNone ? 4 : 0;
  Button.SetBounds(Edit.Width() - Button.Width() - 5 + borderless, 0, Button.Width(), Edit.Height() - 5 + borderless);
}

void FitEditAroundButton(plat::TCustomEdit& Edit, plat::TControl* Button, int MinHeight) {
  if (Edit.Height() < MinHeight) {
    Edit.SetHeight(MinHeight);
  } else if (Button) {
    PlaceEmbeddedButton(Edit, *Button);
  }
}

}  // namespace zorbit::detail
