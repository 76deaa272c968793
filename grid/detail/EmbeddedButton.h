#pragma once
// The size rule the editors with a button inside share (the spin editor,
// the edit with a button): after every size change of the edit, a height
// below the least its font needs is raised to it (and the next size change
// places the button), else the button is placed at the right inside the
// edit, as high as the edit less its border.
namespace plat {
class TControl;
class TCustomEdit;
}  // namespace plat

namespace zorbit::detail {

// Places Button (ButtonWidth wide) at the right inside Edit.
void PlaceEmbeddedButton(plat::TCustomEdit& Edit, plat::TControl& Button);
// The size rule above; nothing to place without a button.
void FitEditAroundButton(plat::TCustomEdit& Edit, plat::TControl* Button, int MinHeight);

}  // namespace zorbit::detail
